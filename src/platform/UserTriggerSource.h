#pragma once

#include <QList>
#include <QString>

// A trigger that the user defined in the text expander, outside this program's
// own list, and the file it is defined in.
struct UserTrigger {
    QString trigger;
    // Relative to the text expander's match folder, with "/" between folders,
    // e.g. "base.yml" or "packages/foo/package.yml".
    QString file;

    bool operator==(const UserTrigger&) const = default;
};

// The user's own triggers, so that the program can keep out of their way.
class UserTriggerSource {
public:
    virtual ~UserTriggerSource() = default;

    // Reads the user's files as they are now: blocking file reads, so call it
    // on a worker thread. Never throws and never writes: files that cannot be
    // read are left out, and the source says so itself.
    virtual QList<UserTrigger> userTriggers() const = 0;
};
