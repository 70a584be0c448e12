#include "platform/linux/XdgAutostart.h"

#include "platform/SystemLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

// One argument of an Exec line: quoted where the desktop-entry rules reserve a
// character; inside quotes ", `, $ and \ take a backslash. The line is a string
// value as well, whose own escaping doubles every backslash again, and "%" is a
// field code unless doubled.
QString execArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString quoted = argument;
    if (std::any_of(argument.begin(), argument.end(),
                    [](QChar c) { return reserved.contains(c); })) {
        quoted.clear();
        for (QChar c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                quoted += '\\';
            quoted += c;
        }
        quoted = '"' + quoted + '"';
    }
    quoted.replace('\\', QStringLiteral("\\\\"));
    quoted.replace('\n', QStringLiteral("\\n"));
    quoted.replace('\t', QStringLiteral("\\t"));
    quoted.replace('\r', QStringLiteral("\\r"));
    quoted.replace('%', QStringLiteral("%%"));
    return quoted;
}

} // namespace

XdgAutostart::XdgAutostart(QString entryPath, QString executable, SystemLog& log)
    : m_entryPath(std::move(entryPath)), m_executable(std::move(executable)), m_log(log) {}

QString XdgAutostart::defaultEntryPath(const QString& appId) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart/" +
           appId + ".desktop";
}

bool XdgAutostart::isEnabled() const {
    QFile file(m_entryPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // Desktops honour both ways of switching an entry off without deleting it;
    // only the keys of the main group count, and spaces around "=" do not.
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inMainGroup || equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") ||
            (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return false;
    }
    return true;
}

void XdgAutostart::setEnabled(bool enabled) {
    QString error;
    // Written afresh even when present, so that a stale or switched-off entry
    // ends up as one entry that starts this binary.
    const bool ok = enabled ? writeEntry(&error) : removeEntry(&error);
    if (!ok)
        m_log.error(QStringLiteral("Failed to %1 launch at login: %2")
                        .arg(enabled ? "enable" : "disable", error));
}

bool XdgAutostart::writeEntry(QString* error) const {
    const QString folder = QFileInfo(m_entryPath).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("Cannot create the folder %1").arg(folder);
        return false;
    }
    QSaveFile file(m_entryPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        *error = file.errorString();
        return false;
    }
    file.write("[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Tesselle\n"
               "Comment=Emoji picker and emoji text shortcuts\n"
               "Icon=tesselle\n"
               "Exec=" +
               execArgument(m_executable).toUtf8() +
               "\n"
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
