#include "catalogue/EmojiWords.h"

#include "async/BackgroundCall.h"
#include "catalogue/SearchFolding.h"
#include "catalogue/ToneRules.h"
#include "platform/ResourceLocator.h"

#include <QFile>

namespace {

QCoro::Task<> ended() {
    co_return;
}

// The parts of `text` between the separators, empty ones included.
template <typename Visit> void forEachPart(QByteArrayView text, char separator, Visit visit) {
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(separator, start);
        if (end < 0)
            end = text.size();
        visit(text.sliced(start, end - start));
        start = end + 1;
    }
}

} // namespace

EmojiWords EmojiWords::parse(const QByteArray& text) {
    EmojiWords words;
    forEachPart(text, '\n', [&words](QByteArrayView line) {
        QList<QByteArrayView> fields;
        forEachPart(line, '\t', [&fields](QByteArrayView field) { fields << field; });
        if (fields.size() != 3 || fields[0].isEmpty() || fields[1].isEmpty())
            return;
        Entry entry{QString::fromUtf8(fields[1]), {}};
        entry.words << foldedForSearch(entry.name);
        if (!fields[2].isEmpty()) {
            forEachPart(fields[2], '|', [&entry](QByteArrayView keyword) {
                entry.words << foldedForSearch(QString::fromUtf8(keyword));
            });
        }
        words.m_entries.insert(QString::fromUtf8(fields[0]), std::move(entry));
    });
    return words;
}

EmojiWords EmojiWords::load(const ResourceLocator& resources, const QString& language) {
    const std::optional<QString> path =
        resources.path(QStringLiteral("words/") + language, QStringLiteral("tsv"));
    if (!path)
        return {};
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

QCoro::Task<std::shared_ptr<const EmojiWords>>
EmojiWords::loadInBackground(BackgroundTasks& background, const ResourceLocator& resources,
                             QString language) {
    auto words = std::make_shared<EmojiWords>();
    BackgroundCall call(background, [words, &resources, language] {
        *words = load(resources, language);
        return ended();
    });
    co_await call;
    co_return words;
}

const EmojiWords::Entry* EmojiWords::find(const QString& symbol) const {
    const auto found = m_entries.constFind(removeSkinTone(symbol));
    return found == m_entries.cend() ? nullptr : &*found;
}

void EmojiWords::applyTo(Emoji& emoji) const {
    const Entry* entry = find(emoji.symbol);
    emoji.localName = entry ? entry->name : QString();
    emoji.localWords = entry ? entry->words : QStringList();
}
