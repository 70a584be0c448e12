#include "TestEnvironment.h"
#include "platform/MessageError.h"
#include "platform/linux/WtypePasteService.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {

// A stand-in `wtype` with the given shell body, alone on PATH; it records its
// arguments one a line in `arguments` beside it.
class StandInWtype {
public:
    explicit StandInWtype(const QString& body) : m_path(qgetenv("PATH")) {
        if (!body.isNull()) {
            QFile script(m_folder.filePath("wtype"));
            script.open(QIODevice::WriteOnly);
            script.write(
                ("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"${0%/*}/arguments\"\n" + body + "\n")
                    .toUtf8());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", m_folder.path().toLocal8Bit());
    }
    ~StandInWtype() { qputenv("PATH", m_path); }

    QStringList arguments() const {
        QFile file(m_folder.filePath("arguments"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir m_folder;
    QByteArray m_path;
};

} // namespace

class WtypePasteServiceTest : public QObject {
    Q_OBJECT

private slots:
    void aPasteTypesCtrlVThroughWtypeAndSaysWhyItFailed_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("failure");
        QTest::newRow("Ctrl+V goes as one chord, the modifier released last")
            << "exit 0" << QStringList{"-M", "ctrl", "v", "-m", "ctrl"} << QString();
        QTest::newRow("a compositor without the virtual keyboard makes autopaste unavailable")
            << "echo 'Compositor does not support the virtual keyboard protocol' >&2; exit 1"
            << QStringList{"-M", "ctrl", "v", "-m", "ctrl"}
            << "Autopaste is not available in this session: the compositor does not offer the "
               "virtual keyboard protocol. The emoji is on the clipboard, paste it with Ctrl+V";
        QTest::newRow("another failure quotes the first line wtype printed")
            << "printf 'Failed to connect\\nmore\\n' >&2; exit 2"
            << QStringList{"-M", "ctrl", "v", "-m", "ctrl"}
            << "wtype could not send Ctrl+V (exit code 2): Failed to connect";
        QTest::newRow("a wtype that has gone since the start says it is needed")
            << QString() << QStringList()
            << "Autopaste needs the wtype program, which cannot be started";
    }
    void aPasteTypesCtrlVThroughWtypeAndSaysWhyItFailed() {
        QFETCH(QString, body);
        QFETCH(QStringList, arguments);
        QFETCH(QString, failure);
        StandInWtype wtype(body);
        WtypePasteService service(0ms);
        service.prepare();
        service.rememberActiveWindow();
        QString error;
        try {
            service.pasteIntoRememberedWindow();
        } catch (const MessageError& thrown) {
            error = thrown.message();
        }
        QCOMPARE(error.left(failure.size()), failure);
        QCOMPARE(error.isEmpty(), failure.isEmpty());
        QCOMPARE(wtype.arguments(), arguments);
    }
};

TESSELLE_TEST_MAIN(WtypePasteServiceTest, QGuiApplication)
#include "tst_wtypepasteservice.moc"
