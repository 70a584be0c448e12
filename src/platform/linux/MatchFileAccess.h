#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The file operations behind the program's espanso match file: reads that
// never follow a link or block on a pipe, whole-file replacement by rename, and
// putting aside whatever must not be overwritten.
namespace MatchFileAccess {

struct Found {
    enum class Kind {
        none,  // nothing at the path
        file,  // a regular file of this user: `bytes` holds it
        other, // a link, a folder, a pipe or another user's file: `what` says which
    };
    Kind kind = Kind::none;
    QByteArray bytes;
    QString what;
    // Changes whenever what is at the path changes, for a cheap comparison.
    QByteArray identity;
};

// False with the system's reason when the path cannot be looked at.
bool read(const QString& path, Found* found, QString* reason);
// Readers see the old file or the new one, never a part and never none.
bool replace(const QString& path, const QByteArray& bytes, QString* reason);
// Renames what is at the path (a link itself, never its target) to a free
// name "<path>.<label>-<UTC time>" that espanso does not load; returns it.
std::optional<QString> putAside(const QString& path, const QString& label, QString* reason);
// Removes the temporary files that replace() leaves behind a killed process.
void removeLeftovers(const QString& path);

} // namespace MatchFileAccess
