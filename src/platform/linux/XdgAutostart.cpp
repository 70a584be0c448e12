#include "platform/linux/XdgAutostart.h"

#include "platform/SystemLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

XdgAutostart::XdgAutostart(QString entryPath, QString executable, SystemLog& log)
    : m_entryPath(std::move(entryPath)), m_executable(std::move(executable)), m_log(log) {}

QString XdgAutostart::defaultEntryPath(const QString& appId) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/autostart/" + appId + ".desktop";
}

bool XdgAutostart::isEnabled() const {
    QFile file(m_entryPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // Desktops honour both ways of switching an entry off without deleting it.
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false")
            return false;
    }
    return true;
}

void XdgAutostart::setEnabled(bool enabled) {
    QString error;
    bool ok = true;
    if (enabled) {
        // Written afresh even when present, so that a stale entry points at this binary.
        ok = writeEntry(&error);
    } else {
        ok = removeEntry(&error);
    }
    if (!ok)
        m_log.error(QStringLiteral("Failed to %1 launch at login: %2")
                        .arg(enabled ? "enable" : "disable", error));
}

bool XdgAutostart::writeEntry(QString* error) const {
    if (!QDir().mkpath(QFileInfo(m_entryPath).absolutePath())) {
        *error = QStringLiteral("cannot create the folder of %1").arg(m_entryPath);
        return false;
    }
    QSaveFile file(m_entryPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        *error = file.errorString();
        return false;
    }
    QString exec = m_executable;
    if (exec.contains(' '))
        exec = '"' + exec + '"';
    file.write("[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Tesselle\n"
               "Comment=Emoji picker and emoji text shortcuts\n"
               "Icon=tesselle\n"
               "Exec=" + exec.toUtf8() + "\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n");
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool XdgAutostart::removeEntry(QString* error) const {
    QFile file(m_entryPath);
    if (!file.exists() || file.remove())
        return true;
    *error = file.errorString();
    return false;
}
