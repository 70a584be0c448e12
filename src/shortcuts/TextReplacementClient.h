#pragma once

#include "async/CancellationToken.h"
#include "platform/TextReplacementService.h"
#include "shortcuts/Shortcut.h"

#include <QCoroTask>
#include <QStringList>

class LineOutput;

// The program's only client of the replacement list: adds pairs (optionally
// overwriting entries with the same shortcut), removes entries by shortcut and
// reads the current pairs. Store failures become message errors.
class TextReplacementClient {
public:
    TextReplacementClient(TextReplacementService& service, LineOutput& output);

    // Fail with the list's message when it cannot be read: an unreadable list
    // is not an empty one, and a removal must not report success over it.
    QList<TextReplacementEntry> readSystemEntries() const;
    QList<Replacement> readSystemReplacements() const;
    // See TextReplacementService::displacement().
    QString displacement() const { return m_service.displacement(); }

    // A cancelled `stop` ends the operation with CancelledError before its next
    // call of the list; calls already made stay made.
    QCoro::Task<> addReplacements(QList<Replacement> replacements, bool override,
                                  CancellationToken stop = {});
    QCoro::Task<> removeReplacements(QStringList shortcuts, CancellationToken stop = {});
    QCoro::Task<> open() { return m_service.open(); }

private:
    QCoro::Task<> update(TextReplacementEntry original, TextReplacementEntry replacement,
                         CancellationToken stop);
    QCoro::Task<> submitAdditions(QList<TextReplacementEntry> entries, CancellationToken stop);
    QCoro::Task<> submit(QList<TextReplacementEntry> add, QList<TextReplacementEntry> remove,
                         CancellationToken stop);
    void throwIfFailed(const std::optional<TextReplacementError>& error) const;

    TextReplacementService& m_service;
    LineOutput& m_output;
};
