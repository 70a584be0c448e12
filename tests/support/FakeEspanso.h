#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// The stand-in espanso of fake-espanso/ on PATH, told what to do through its
// environment variables (listed in the script). The suite that uses it defines
// TESSELLE_FAKE_ESPANSO_DIR. Each instance keeps its own state and call log.
class FakeEspanso {
public:
    FakeEspanso() : m_savedPath(qgetenv("PATH")) { reset(); }
    ~FakeEspanso() {
        for (const char* name : variables)
            qunsetenv(name);
        qputenv("PATH", m_savedPath);
    }
    FakeEspanso(const FakeEspanso&) = delete;
    FakeEspanso& operator=(const FakeEspanso&) = delete;

    // On PATH, not running, answering every command, with no calls logged.
    void reset() {
        for (const char* name : variables)
            qunsetenv(name);
        QFile::remove(statePath());
        QFile::remove(callsPath());
        QFile::remove(pidsPath());
        qputenv("FAKE_ESPANSO_STATE", statePath().toUtf8());
        qputenv("FAKE_ESPANSO_CALLS", callsPath().toUtf8());
        qputenv("FAKE_ESPANSO_PIDS", pidsPath().toUtf8());
        qputenv("PATH", QByteArray(TESSELLE_FAKE_ESPANSO_DIR) + ":/usr/bin:/bin");
    }
    // PATH holds only an empty folder: no espanso anywhere.
    void removeFromPath() {
        QDir().mkpath(emptyFolder());
        qputenv("PATH", emptyFolder().toUtf8());
    }
    // PATH holds only an `espanso` that cannot be run: its interpreter is missing.
    void replaceWithBrokenOne() {
        QDir().mkpath(brokenFolder());
        QFile script(brokenFolder() + "/espanso");
        if (script.open(QIODevice::WriteOnly))
            script.write("#!/nonexistent/interpreter\n");
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", brokenFolder().toUtf8());
    }
    void set(const char* name, const QByteArray& value) { qputenv(name, value); }
    void setRunning(bool running) {
        QFile state(statePath());
        if (state.open(QIODevice::WriteOnly))
            state.write(running ? "running\n" : "stopped\n");
    }
    // The arguments of every call so far, one entry a call.
    QStringList calls() const {
        QFile file(callsPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    // The process id of the latest call with these arguments, or 0.
    qint64 processOf(const QString& arguments) const {
        QFile file(pidsPath());
        qint64 process = 0;
        if (file.open(QIODevice::ReadOnly)) {
            for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
                if (line.section(' ', 1) == arguments)
                    process = line.section(' ', 0, 0).toLongLong();
            }
        }
        return process;
    }

private:
    static constexpr const char* variables[] = {"FAKE_ESPANSO_CONFIG", "FAKE_ESPANSO_VERSION",
                                                "FAKE_ESPANSO_HANG",   "FAKE_ESPANSO_FAIL",
                                                "FAKE_ESPANSO_GARBLE", "FAKE_ESPANSO_PIDS"};

    QString statePath() const { return m_folder.filePath("state"); }
    QString callsPath() const { return m_folder.filePath("calls"); }
    QString pidsPath() const { return m_folder.filePath("pids"); }
    QString emptyFolder() const { return m_folder.filePath("empty-bin"); }
    QString brokenFolder() const { return m_folder.filePath("broken-bin"); }

    QTemporaryDir m_folder;
    QByteArray m_savedPath;
};
