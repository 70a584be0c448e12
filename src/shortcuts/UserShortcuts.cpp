#include "shortcuts/UserShortcuts.h"

UserShortcuts::UserShortcuts(const UserTriggerSource& source, QObject* parent)
    : QObject(parent), m_source(source) {}

void UserShortcuts::refresh() {
    QHash<QString, QString> files;
    for (const UserTrigger& trigger : m_source.userTriggers()) {
        // espanso reads files in the same order; the first definition names the file.
        if (!files.contains(trigger.trigger))
            files.insert(trigger.trigger, trigger.file);
    }
    QWriteLocker lock(&m_lock);
    m_files = std::move(files);
    lock.unlock();
    emit refreshed();
}

std::optional<QString> UserShortcuts::fileDefining(const QString& text) const {
    QReadLocker lock(&m_lock);
    const auto found = m_files.constFind(text);
    if (found == m_files.cend())
        return std::nullopt;
    return *found;
}
