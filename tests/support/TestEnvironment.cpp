#include "TestEnvironment.h"

#include <QDir>
#include <QStandardPaths>
#include <cstdlib>

TestEnvironment::TestEnvironment() : m_home(QDir::tempPath() + "/tesselle-test-XXXXXX") {
    m_homePath = m_home.path();
    const QString runtime = m_homePath + "/runtime";
    const std::pair<const char*, QString> folders[] = {
        {"HOME", m_homePath},
        {"XDG_CONFIG_HOME", m_homePath + "/.config"},
        {"XDG_DATA_HOME", m_homePath + "/.local/share"},
        {"XDG_CACHE_HOME", m_homePath + "/.cache"},
        {"XDG_STATE_HOME", m_homePath + "/.local/state"},
        {"XDG_RUNTIME_DIR", runtime},
    };
    for (const auto& [name, path] : folders) {
        QDir().mkpath(path);
        qputenv(name, path.toUtf8());
    }
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QStandardPaths::setTestModeEnabled(true);
}
