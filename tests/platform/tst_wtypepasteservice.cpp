#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/MessageError.h"
#include "platform/linux/WtypePasteService.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

// A stand-in `wtype` with the given shell body, alone on PATH; it records its
// arguments one a line in `arguments` beside it. With a tree, a stand-in
// `swaymsg` prints it, as sway's does for `swaymsg -t get_tree`.
class StandInWtype {
public:
    explicit StandInWtype(const QString& body, const QByteArray& swayTree = QByteArray())
        : m_path(qgetenv("PATH")) {
        if (!body.isNull())
            write("wtype",
                  "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"${0%/*}/arguments\"\n" + body + "\n");
        if (!swayTree.isNull())
            write("swaymsg",
                  "#!/bin/sh\n[ \"$*\" = '-t get_tree' ] && printf '%s' '" + swayTree + "'\n");
        qputenv("PATH", m_folder.path().toLocal8Bit());
    }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }
    ~StandInWtype() { qputenv("PATH", m_path); }

    QStringList arguments() const {
        QFile file(m_folder.filePath("arguments"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    void write(const QString& name, const QString& text) {
        QFile file(m_folder.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text.toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

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
        QTest::addColumn<QByteArray>("swayTree");
        const QByteArray footFocused = R"({"nodes": [{"nodes": [
            {"app_id": "tesselle_paste_target", "focused": false},
            {"app_id": "foot", "focused": true}]}]})";
        const QByteArray xtermFocused = R"({"nodes": [{"floating_nodes": [
            {"app_id": null, "window_properties": {"class": "XTerm"}, "focused": true}]}]})";
        const QByteArray editorFocused =
            R"({"nodes": [{"nodes": [{"app_id": "org.gnome.TextEditor", "focused": true}]}]})";
        QTest::newRow("Ctrl+V goes as one chord, the modifier released last")
            << "exit 0" << QStringList{"-M", "ctrl", "v", "-m", "ctrl"} << QString()
            << QByteArray();
        QTest::newRow("a terminal focused on sway gets the emoji typed")
            << "exit 0" << QStringList{"--", "💃"} << QString() << footFocused;
        QTest::newRow("so does an X11 terminal under sway")
            << "exit 0" << QStringList{"--", "💃"} << QString() << xtermFocused;
        QTest::newRow("another window focused on sway gets Ctrl+V")
            << "exit 0" << QStringList{"-M", "ctrl", "v", "-m", "ctrl"} << QString()
            << editorFocused;
        QTest::newRow("a compositor without the virtual keyboard makes autopaste unavailable")
            << "echo 'Compositor does not support the virtual keyboard protocol' >&2; exit 1"
            << QStringList{"-M", "ctrl", "v", "-m", "ctrl"}
            << "Autopaste is not available in this session: the compositor does not offer the "
               "virtual keyboard protocol. The emoji is on the clipboard, paste it with Ctrl+V"
            << QByteArray();
        QTest::newRow("another failure quotes the first line wtype printed")
            << "printf 'Failed to connect\\nmore\\n' >&2; exit 2"
            << QStringList{"-M", "ctrl", "v", "-m", "ctrl"}
            << "wtype could not send Ctrl+V (exit code 2): Failed to connect" << QByteArray();
        QTest::newRow("a wtype that has gone since the start says it is needed")
            << QString() << QStringList()
            << "Autopaste needs the wtype program, which cannot be started" << QByteArray();
    }
    void aPasteTypesCtrlVThroughWtypeAndSaysWhyItFailed() {
        QFETCH(QString, body);
        QFETCH(QStringList, arguments);
        QFETCH(QString, failure);
        QFETCH(QByteArray, swayTree);
        StandInWtype wtype(body, swayTree);
        WtypePasteService service(0ms);
        service.prepare();
        service.rememberActiveWindow();
        QString error;
        try {
            waitForTask(service.pasteIntoRememberedWindow(QStringLiteral("💃")));
        } catch (const MessageError& thrown) {
            error = thrown.message();
        }
        QCOMPARE(error.left(failure.size()), failure);
        QCOMPARE(error.isEmpty(), failure.isEmpty());
        QCOMPARE(wtype.arguments(), arguments);
    }

    // The main thread goes on while wtype works: this stand-in ends only once
    // the event loop has run a timer set before the paste.
    void theEventLoopRunsWhileWtypeTypes() {
        StandInWtype wtype("while [ ! -e \"${0%/*}/go\" ]; do sleep 0.01; done");
        QTimer::singleShot(0, [&wtype] {
            QFile go(wtype.filePath("go"));
            QVERIFY(go.open(QIODevice::WriteOnly));
        });
        WtypePasteService service(0ms);
        waitForTask(service.pasteIntoRememberedWindow(QStringLiteral("💃")));
        QCOMPARE(wtype.arguments(), (QStringList{"-M", "ctrl", "v", "-m", "ctrl"}));
    }
};

TESSELLE_TEST_MAIN(WtypePasteServiceTest, QGuiApplication)
#include "tst_wtypepasteservice.moc"
