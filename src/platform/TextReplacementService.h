#pragma once

#include <QCoroTask>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// One pair of the text-replacement list: typing `shortcut` gives `phrase`.
struct TextReplacementEntry {
    QString shortcut;
    QString phrase;

    bool operator==(const TextReplacementEntry&) const = default;
};

// A failed list operation. A failure that stands for several may carry the
// failures of single deletions and updates.
struct TextReplacementError {
    int code = 0;
    std::vector<TextReplacementError> deleteErrors;
    std::vector<TextReplacementError> updateErrors;
};

// The user's text-replacement list. Completions run exactly once, on any thread.
class TextReplacementService {
public:
    using Completion = std::function<void(std::optional<TextReplacementError>)>;

    virtual ~TextReplacementService() = default;

    // Settles where the list is for this run. The launch restore calls it
    // first, before any other call; a list at a fixed place has nothing to do.
    virtual QCoro::Task<> open() { co_return; }

    virtual void addEntries(const QList<TextReplacementEntry>& add,
                            const QList<TextReplacementEntry>& remove, Completion completion) = 0;
    virtual void modifyEntry(const TextReplacementEntry& original,
                             const TextReplacementEntry& replacement, Completion completion) = 0;
    virtual QString errorString(int code) const = 0;
    // The list as it is now, in its order; a list that does not exist yet is
    // empty. Throws MessageError when the list exists but cannot be read, so
    // that no caller mistakes it for an empty one.
    virtual QList<TextReplacementEntry> currentEntries() const = 0;
    // What took the list's place since the program last had it there, as one
    // clause (e.g. "a folder took the place of the espanso match file …"):
    // whatever the program had written may be in it, out of reach. Empty
    // while the list is at its place, or when nothing of the program's was.
    virtual QString displacement() const { return {}; }
};
