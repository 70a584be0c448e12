#pragma once

#include "platform/UserTriggerSource.h"

#include <QHash>
#include <QObject>
#include <QReadWriteLock>
#include <optional>

// The triggers the user defined in the text expander's own files, as last
// read, by text: a shortcut of the program with such a text would make the
// text expander ask which one to use at every use, so the user's own wins.
class UserShortcuts : public QObject {
    Q_OBJECT
public:
    explicit UserShortcuts(const UserTriggerSource& source, QObject* parent = nullptr);

    // Reads the user's files again: blocking, so call it on a worker thread.
    void refresh();
    // The file (relative to the match folder) that defines the text, as last read.
    // Safe from any thread.
    std::optional<QString> fileDefining(const QString& text) const;

signals:
    // After each reading, on the thread that read.
    void refreshed();

private:
    const UserTriggerSource& m_source;
    mutable QReadWriteLock m_lock;
    QHash<QString, QString> m_files;
};
