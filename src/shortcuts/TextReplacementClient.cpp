#include "shortcuts/TextReplacementClient.h"

#include "async/CancelledError.h"
#include "async/ServiceCall.h"
#include "platform/LineOutput.h"
#include "platform/MessageError.h"

#include <QSet>

namespace {

// Additions go out in this many calls, entry i in call i % 999.
constexpr int additionGroups = 999;

} // namespace

TextReplacementClient::TextReplacementClient(TextReplacementService& service, LineOutput& output)
    : m_service(service), m_output(output) {}

QList<TextReplacementEntry> TextReplacementClient::readSystemEntries() const {
    return m_service.currentEntries();
}

QList<Replacement> TextReplacementClient::readSystemReplacements() const {
    QList<Replacement> replacements;
    for (const TextReplacementEntry& entry : readSystemEntries())
        replacements.append({entry.shortcut, entry.phrase});
    return replacements;
}

QCoro::Task<> TextReplacementClient::addReplacements(QList<Replacement> replacements, bool override,
                                                     CancellationToken stop) {
    QSet<QString> requested;
    for (const Replacement& pair : replacements) {
        if (requested.contains(pair.shortcut))
            throw MessageError("Trying to add duplicated shortcuts");
        requested.insert(pair.shortcut);
    }

    QList<TextReplacementEntry> colliding;
    for (const TextReplacementEntry& entry : readSystemEntries()) {
        if (requested.contains(entry.shortcut))
            colliding.append(entry);
    }

    // Pairs an update below has just written: adding them too would leave the
    // list with the same trigger twice, and the expander would then ask the
    // user to choose between two identical expansions at every use.
    QSet<std::pair<QString, QString>> written;
    if (override) {
        for (const TextReplacementEntry& entry : colliding) {
            const auto match = std::find_if(
                replacements.cbegin(), replacements.cend(),
                [&](const Replacement& pair) { return pair.shortcut == entry.shortcut; });
            if (match == replacements.cend()) {
                m_output.writeLine(QStringLiteral("Logic error"));
                continue;
            }
            // Named, not a braced temporary: g++ 12 destroys temporaries of a
            // co_await expression twice.
            const TextReplacementEntry replacement{match->shortcut, match->phrase};
            co_await update(entry, replacement, stop);
            written.insert({replacement.shortcut, replacement.phrase});
        }
    }

    QSet<QString> takenPhrases;
    for (const TextReplacementEntry& entry : colliding)
        takenPhrases.insert(entry.phrase);
    QList<TextReplacementEntry> additions;
    for (const Replacement& pair : replacements) {
        if (!takenPhrases.contains(pair.phrase) && !written.contains({pair.shortcut, pair.phrase}))
            additions.append({pair.shortcut, pair.phrase});
    }
    if (!additions.isEmpty())
        co_await submitAdditions(std::move(additions), stop);
}

QCoro::Task<> TextReplacementClient::removeReplacements(QStringList shortcuts,
                                                        CancellationToken stop) {
    const QSet<QString> texts(shortcuts.cbegin(), shortcuts.cend());
    QList<TextReplacementEntry> targets;
    for (const TextReplacementEntry& entry : readSystemEntries()) {
        if (texts.contains(entry.shortcut))
            targets.append(entry);
    }
    if (!targets.isEmpty())
        co_await submit(QList<TextReplacementEntry>(), std::move(targets), stop);
}

QCoro::Task<> TextReplacementClient::update(TextReplacementEntry original,
                                            TextReplacementEntry replacement,
                                            CancellationToken stop) {
    if (stop.isCancelled())
        throw CancelledError();
    const auto error = co_await ServiceCall<std::optional<TextReplacementError>>(
        [&](TextReplacementService::Completion done) {
            m_service.modifyEntry(original, replacement, std::move(done));
        });
    throwIfFailed(error);
}

QCoro::Task<> TextReplacementClient::submitAdditions(QList<TextReplacementEntry> entries,
                                                     CancellationToken stop) {
    for (int group = 0; group < additionGroups; ++group) {
        QList<TextReplacementEntry> members;
        for (qsizetype i = group; i < entries.size(); i += additionGroups)
            members.append(entries[i]);
        co_await submit(std::move(members), QList<TextReplacementEntry>(), stop);
    }
}

QCoro::Task<> TextReplacementClient::submit(QList<TextReplacementEntry> add,
                                            QList<TextReplacementEntry> remove,
                                            CancellationToken stop) {
    if (stop.isCancelled())
        throw CancelledError();
    const auto error = co_await ServiceCall<std::optional<TextReplacementError>>(
        [&](TextReplacementService::Completion done) {
            m_service.addEntries(add, remove, std::move(done));
        });
    throwIfFailed(error);
}

void TextReplacementClient::throwIfFailed(const std::optional<TextReplacementError>& error) const {
    if (!error || error->code == 0)
        return;
    std::vector<TextReplacementError> causes = error->deleteErrors;
    causes.insert(causes.end(), error->updateErrors.begin(), error->updateErrors.end());
    if (causes.empty())
        causes.push_back(*error);
    QStringList messages;
    for (const TextReplacementError& cause : causes)
        messages << m_service.errorString(cause.code);
    throw MessageError(messages.join('\n'));
}
