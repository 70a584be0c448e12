#include "Fakes.h"
#include "TestEnvironment.h"
#include "platform/linux/XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// Reads the Exec line back the way a desktop's launcher does: the string
// escapes first, then the quoting of arguments, then the field codes.
QStringList execArguments(const QString& entryPath) {
    QFile file(entryPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString exec;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.startsWith("Exec="))
            exec = line.mid(5);
    }
    QString unescaped;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec[i] == '\\' && i + 1 < exec.size()) {
            const QChar next = exec[++i];
            unescaped += next == 's'   ? QChar(' ')
                         : next == 'n' ? QChar('\n')
                         : next == 't' ? QChar('\t')
                                       : next;
        } else {
            unescaped += exec[i];
        }
    }
    QStringList arguments;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < unescaped.size(); ++i) {
        const QChar c = unescaped[i];
        if (quoted && c == '\\' && i + 1 < unescaped.size())
            current += unescaped[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ' ' && !quoted) {
            arguments << current;
            current.clear();
        } else if (c == '%') {
            // A launcher expands or drops a lone "%" with what follows: only
            // "%%" stands for the sign itself.
            if (i + 1 >= unescaped.size() || unescaped[i + 1] != '%')
                return {QStringLiteral("<a field code where a percent sign was meant>")};
            current += unescaped[++i];
        } else {
            current += c;
        }
    }
    arguments << current;
    return arguments;
}

bool runningAsRoot() {
    return geteuid() == 0;
}

} // namespace

class XdgAutostartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_folder;
    QString m_entry;

private slots:
    void init() {
        m_root = std::make_unique<QTemporaryDir>();
        m_folder = m_root->path() + "/autostart";
        m_entry = m_folder + "/io.tesselle.Tesselle.desktop";
    }
    void cleanup() {
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_root.reset();
    }

    void theEntryIsReadAsEnabledUnlessItIsSwitchedOff_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no entry at all") << QByteArray() << false;
        QTest::newRow("a plain entry") << QByteArray("[Desktop Entry]\nExec=tesselle\n") << true;
        QTest::newRow("a hidden entry") << QByteArray("[Desktop Entry]\nHidden=true\n") << false;
        QTest::newRow("a hidden entry with spaces around the equals sign")
            << QByteArray("[Desktop Entry]\nHidden = true\n") << false;
        QTest::newRow("an entry GNOME switched off")
            << QByteArray("[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n") << false;
        QTest::newRow("an entry explicitly not hidden")
            << QByteArray("[Desktop Entry]\nHidden=false\nX-GNOME-Autostart-enabled=true\n")
            << true;
        QTest::newRow("Hidden in an action group does not switch the entry off")
            << QByteArray("[Desktop Entry]\nExec=tesselle\n[Desktop Action x]\nHidden=true\n")
            << true;
    }
    void theEntryIsReadAsEnabledUnlessItIsSwitchedOff() {
        QFETCH(QByteArray, content);
        QFETCH(bool, enabled);
        if (!content.isNull()) {
            QDir().mkpath(m_folder);
            QFile file(m_entry);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        RecordingSystemLog log;
        QCOMPARE(XdgAutostart(m_entry, "/usr/bin/tesselle", log).isEnabled(), enabled);
    }

    void turningOnTwiceOrOverASwitchedOffEntryLeavesOneEnabledEntry() {
        RecordingSystemLog log;
        XdgAutostart autostart(m_entry, "/usr/bin/tesselle", log);
        QDir().mkpath(m_folder);
        QFile hidden(m_entry);
        QVERIFY(hidden.open(QIODevice::WriteOnly));
        hidden.write("[Desktop Entry]\nExec=/old/tesselle\nHidden=true\n");
        hidden.close();

        autostart.setEnabled(true);
        autostart.setEnabled(true);
        QVERIFY(autostart.isEnabled());
        QCOMPARE(QDir(m_folder).entryList(QDir::Files),
                 QStringList{"io.tesselle.Tesselle.desktop"});
        QCOMPARE(execArguments(m_entry), QStringList{"/usr/bin/tesselle"});

        autostart.setEnabled(false);
        autostart.setEnabled(false);
        QVERIFY(!autostart.isEnabled());
        QVERIFY(QDir(m_folder).entryList(QDir::Files).isEmpty());
        QVERIFY(log.errors.isEmpty());
    }

    void theEntryStartsTheProgramWhateverItsPath_data() {
        QTest::addColumn<QString>("folderName");
        QTest::newRow("a plain path") << "bin";
        QTest::newRow("a path with spaces") << "My Programs";
        QTest::newRow("a path with quotes, dollars and backquotes") << "it's \"$HOME\" `x`";
        QTest::newRow("a path with a percent sign and a backslash") << "100% \\ done";
    }
    void theEntryStartsTheProgramWhateverItsPath() {
        QFETCH(QString, folderName);
        const QString programFolder = m_root->path() + "/programs/" + folderName;
        QVERIFY(QDir().mkpath(programFolder));
        const QString program = programFolder + "/tesselle";
        const QString marker = m_root->path() + "/started";
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho started > '" + marker.toUtf8() + "'\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        RecordingSystemLog log;
        XdgAutostart(m_entry, program, log).setEnabled(true);
        const QStringList arguments = execArguments(m_entry);
        QCOMPARE(arguments, QStringList{program});
        QCOMPARE(QProcess::execute(arguments.first(), {}), 0);
        QVERIFY(QFile::exists(marker));
    }

    void aFailedWriteOrRemovalIsLogged_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("enable");
        QTest::addColumn<QString>("logPrefix");
        QTest::newRow("turning on in a read-only autostart folder")
            << "read-only folder" << true << "Failed to enable launch at login: ";
        QTest::newRow("turning on where a file stands instead of the autostart folder")
            << "file as folder" << true << "Failed to enable launch at login: ";
        QTest::newRow("turning off an entry in a read-only autostart folder")
            << "read-only folder with entry" << false << "Failed to disable launch at login: ";
        QTest::newRow("turning off where the entry cannot be removed")
            << "folder as entry" << false << "Failed to disable launch at login: ";
    }
    void aFailedWriteOrRemovalIsLogged() {
        QFETCH(QString, obstacle);
        QFETCH(bool, enable);
        QFETCH(QString, logPrefix);
        if (obstacle.startsWith("read-only") && runningAsRoot())
            QSKIP("root writes into read-only folders");
        if (obstacle == "file as folder") {
            QFile file(m_folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (obstacle == "folder as entry") {
            QVERIFY(QDir().mkpath(m_entry + "/inside"));
        } else {
            QVERIFY(QDir().mkpath(m_folder));
            if (obstacle.endsWith("with entry")) {
                QFile file(m_entry);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("[Desktop Entry]\n");
            }
            QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner);
        }
        RecordingSystemLog log;
        XdgAutostart(m_entry, "/usr/bin/tesselle", log).setEnabled(enable);
        QCOMPARE(log.errors.size(), 1);
        QVERIFY2(log.errors.first().startsWith(logPrefix), qPrintable(log.errors.first()));
        QVERIFY2(log.errors.first().size() > logPrefix.size(), "the reason is missing");
    }
};

TESSELLE_TEST_MAIN(XdgAutostartTest, QCoreApplication)
#include "tst_xdgautostart.moc"
