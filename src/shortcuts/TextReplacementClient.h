#pragma once

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

    QCoro::Task<> addReplacements(QList<Replacement> replacements, bool override);
    QCoro::Task<> removeReplacements(QStringList shortcuts);

private:
    QCoro::Task<> update(TextReplacementEntry original, TextReplacementEntry replacement);
    QCoro::Task<> submitAdditions(QList<TextReplacementEntry> entries);
    QCoro::Task<> submit(QList<TextReplacementEntry> add, QList<TextReplacementEntry> remove);
    void throwIfFailed(const std::optional<TextReplacementError>& error) const;

    TextReplacementService& m_service;
    LineOutput& m_output;
};
