#pragma once

#include "catalogue/Emoji.h"

#include <QCoroTask>
#include <QHash>
#include <memory>

class BackgroundTasks;
class ResourceLocator;

// The names and keywords of the catalogue's emoji in one language, from the
// resource "words/<language>.tsv": a line per emoji, "emoji TAB name TAB
// keyword|keyword|...", the emoji as the catalogue writes it. Found by symbol,
// skin tone or not. The words are kept as search compares them
// (foldedForSearch), the name first.
class EmojiWords {
public:
    struct Entry {
        QString name;
        QStringList words;
    };

    // Lines of another shape are skipped.
    static EmojiWords parse(const QByteArray& text);
    // Nothing when the language has no file or it cannot be read: the emoji
    // keep their English words.
    static EmojiWords load(const ResourceLocator& resources, const QString& language);
    // load() on the background thread, handed back on the awaiting one.
    static QCoro::Task<std::shared_ptr<const EmojiWords>>
    loadInBackground(BackgroundTasks& background, const ResourceLocator& resources,
                     QString language);

    bool isEmpty() const { return m_entries.isEmpty(); }
    qsizetype size() const { return m_entries.size(); }
    const Entry* find(const QString& symbol) const;
    // Gives the emoji its name and words in this language, or takes away
    // those of another when this one has none for it.
    void applyTo(Emoji& emoji) const;

private:
    QHash<QString, Entry> m_entries;
};
