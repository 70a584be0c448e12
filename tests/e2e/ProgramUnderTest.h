#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <csignal>
#include <yaml-cpp/yaml.h>

// The program's files in the test's private HOME, and the program itself (or a
// driver built beside it) as a separate process on the offscreen platform.
namespace programUnderTest {

// How long a check waits for the program, at most: it passes as soon as what
// it expects is there, so only a failure waits it out. The sanitized build on
// a busy machine restores a full list in over five seconds.
constexpr int patienceMs = 60000;

inline QString configHome() {
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}
inline QString matchFile() {
    return configHome() + "/espanso/match/tesselle.yml";
}
inline QString settingsFile() {
    return configHome() + "/tesselle/tesselle.conf";
}

// Each test starts without the program's settings and match file.
inline void removeProgramFiles() {
    QDir(configHome() + "/espanso").removeRecursively();
    QDir(configHome() + "/tesselle").removeRecursively();
}

// The (trigger, replacement) pairs of the match file, in order; none while it
// is missing or being replaced (read again on the next try).
inline QList<std::pair<QString, QString>> matchPairs() {
    QList<std::pair<QString, QString>> pairs;
    if (!QFile::exists(matchFile()))
        return pairs;
    try {
        for (const auto& match : YAML::LoadFile(matchFile().toStdString())["matches"])
            pairs.append({QString::fromStdString(match["trigger"].as<std::string>()),
                          QString::fromStdString(match["replace"].as<std::string>())});
    } catch (const YAML::Exception&) {
        pairs.clear();
    }
    return pairs;
}

inline QProcessEnvironment offscreenEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

inline void start(QProcess& program, const QString& name = QStringLiteral("tesselle"),
                  const QProcessEnvironment& environment = offscreenEnvironment(),
                  QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel) {
    program.setProgram(QStringLiteral(TESSELLE_BINARY_DIR "/") + name);
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(channels);
    program.start();
    QVERIFY(program.waitForStarted());
}

// Whether the process has its own handler for the signal yet.
inline bool catches(const QProcess& program, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(program.processId()));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}

// Sends the quit signal and checks that the program ends in order.
inline void stop(QProcess& program, int signal) {
    QElapsedTimer clock;
    clock.start();
    ::kill(pid_t(program.processId()), signal);
    QVERIFY(program.waitForFinished(5000));
    qInfo("quit took %lld ms", clock.elapsed());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

// Installs the whole preset through the install driver, which takes the skin
// tone's raw value (1 light, 5 dark), and ends the driver once it is done.
inline void installCompletely(const QString& tone) {
    QProcess installer;
    installer.setArguments({tone});
    start(installer, QStringLiteral("tesselle_install_driver"));
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += installer.readAllStandardOutput()).contains("installed"),
                             patienceMs);
    ::kill(pid_t(installer.processId()), SIGKILL);
    QVERIFY(installer.waitForFinished(5000));
}

} // namespace programUnderTest
