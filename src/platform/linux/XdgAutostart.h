#pragma once

#include "platform/LoginItemService.h"

#include <QString>

class SystemLog;

// Launch at login as an XDG autostart entry, a .desktop file in the user's
// autostart folder that only this program writes.
class XdgAutostart : public LoginItemService {
public:
    XdgAutostart(QString entryPath, QString executable, SystemLog& log);

    // $XDG_CONFIG_HOME/autostart/<app id>.desktop
    static QString defaultEntryPath(const QString& appId);

    bool isEnabled() const override;
    void setEnabled(bool enabled) override;

private:
    bool writeEntry(QString* error) const;
    bool removeEntry(QString* error) const;

    QString m_entryPath;
    QString m_executable;
    SystemLog& m_log;
};
