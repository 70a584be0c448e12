#include "ProgramUnderTest.h"
#include "TestEnvironment.h"
#include "WaitFor.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <sys/prctl.h>

using namespace programUnderTest;

namespace {

using Pairs = QSet<std::pair<QString, QString>>;

struct Colour {
    uchar red, green, blue;
};
// The dark swatch of the skin-tone row, as the settings page paints it.
constexpr Colour darkSwatch{85, 69, 58};

Pairs listed() {
    const QList<std::pair<QString, QString>> pairs = matchPairs();
    return Pairs(pairs.cbegin(), pairs.cend());
}

// Counted from the raw text: fast enough to catch the file being filled.
int entriesInMatchFile() {
    QFile file(matchFile());
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(file.readAll().count("\n  - trigger:"));
}

QByteArray run(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(10000);
    return process.readAllStandardOutput();
}

// Where the window shows a patch of the colour, in the window's coordinates;
// none while it is not painted yet.
std::optional<QPoint> findColour(const QString& window, Colour colour,
                                 const QProcessEnvironment& environment) {
    const QByteArray image =
        run("import", {"-window", window, "-depth", "8", "ppm:-"}, environment);
    // A binary PPM: "P6", width, height, maximum, one white space, then RGB.
    QList<QByteArray> header;
    qsizetype at = 0;
    while (header.size() < 4 && at < image.size()) {
        const qsizetype end = image.indexOf('\n', at);
        if (end < 0)
            return std::nullopt;
        header += image.mid(at, end - at).simplified().split(' ');
        at = end + 1;
    }
    if (header.size() != 4 || header[0] != "P6" || header[3] != "255")
        return std::nullopt;
    const int width = header[1].toInt();
    const int height = header[2].toInt();
    if (image.size() - at < qsizetype(width) * height * 3)
        return std::nullopt;
    qint64 sumX = 0, sumY = 0, found = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto* pixel = reinterpret_cast<const uchar*>(image.constData()) + at +
                                (qsizetype(y) * width + x) * 3;
            if (pixel[0] == colour.red && pixel[1] == colour.green && pixel[2] == colour.blue) {
                sumX += x;
                sumY += y;
                ++found;
            }
        }
    }
    if (found < 20)
        return std::nullopt;
    return QPoint(int(sumX / found), int(sumY / found));
}

} // namespace

// The real program changes its skin tone in the settings window (on a virtual
// X display, clicked with xdotool) and is quit during the reinstallation, as a
// logout does: the next start must bring back the full preset of the tone
// chosen last.
class InterruptedReinstallTest : public QObject {
    Q_OBJECT

    QProcess m_display;
    QProcessEnvironment m_desktop = offscreenEnvironment();
    Pairs m_darkPreset;

    static QJsonObject storedConfiguration() {
        QSettings settings(settingsFile(), QSettings::IniFormat);
        return QJsonDocument::fromJson(settings.value("configuration").toByteArray()).object();
    }

private slots:
    void initTestCase() {
        for (const char* tool : {"Xvfb", "xdotool", "import"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QString(tool) + " is missing (scripts/deps.sh installs it)"));
        }
        // Xvfb picks a free display and names it on its standard output. It
        // ends with this test, even one that aborts, and never resets: a
        // server resets when its last client goes, and a program connecting
        // meanwhile fails to start.
        m_display.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_display.start("Xvfb", {"-displayfd", "1", "-noreset", "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp"});
        QByteArray number;
        QTRY_VERIFY_WITH_TIMEOUT((number += m_display.readAllStandardOutput()).contains('\n'),
                                 10000);
        m_desktop.insert("QT_QPA_PLATFORM", "xcb");
        m_desktop.insert("DISPLAY", ':' + QString::fromLatin1(number.trimmed()));
        m_desktop.remove("WAYLAND_DISPLAY");

        // What a fresh installation in the dark tone lists.
        removeProgramFiles();
        installCompletely(QStringLiteral("5"));
        m_darkPreset = listed();
        QVERIFY(m_darkPreset.size() > 1000);
    }
    void cleanupTestCase() {
        m_display.terminate();
        m_display.waitForFinished(5000);
    }
    void init() { removeProgramFiles(); }

    void aQuitDuringAReinstallIsFinishedAtTheNextStart_data() {
        QTest::addColumn<QString>("quit");
        QTest::addColumn<int>("entriesAtQuit");
        // Each way to quit at one point: the settings suite quits at each
        // point too, and every row here reinstalls the whole preset twice.
        QTest::newRow("SIGTERM during the pause") << QString("SIGTERM") << 0;
        QTest::newRow("SIGINT as the first entries arrive") << QString("SIGINT") << 1;
        QTest::newRow("--quit with most of the list written") << QString("--quit") << 1200;
    }
    void aQuitDuringAReinstallIsFinishedAtTheNextStart() {
        QFETCH(QString, quit);
        QFETCH(int, entriesAtQuit);
        installCompletely(QStringLiteral("1"));
        const int installed = entriesInMatchFile();
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            settings.setValue("isWelcomeWasPresented", QByteArray("true"));
        }
        QProcess program;
        program.setArguments({"--settings"});
        start(program, QStringLiteral("tesselle"), m_desktop);
        QTRY_COMPARE_WITH_TIMEOUT(entriesInMatchFile(), installed, patienceMs);
        // Looked for with a bound in time: each look runs a program.
        QString window;
        std::optional<QPoint> swatch;
        QVERIFY(waitUntil(
            [&] {
                window = QString::fromLatin1(
                    run("xdotool", {"search", "--name", "^Tesselle Settings$"}, m_desktop)
                        .split('\n')
                        .first());
                if (!window.isEmpty())
                    swatch = findColour(window, darkSwatch, m_desktop);
                return swatch || program.state() != QProcess::Running;
            },
            std::chrono::milliseconds(patienceMs)));
        QVERIFY2(swatch, "the settings window did not show the skin tones");
        run("xdotool",
            {"mousemove", "--window", window, QString::number(swatch->x()),
             QString::number(swatch->y()), "click", "1"},
            m_desktop);

        // The removal empties the list; the installation follows the pause.
        QVERIFY(waitUntil([] { return entriesInMatchFile() == 0; }, std::chrono::seconds(60)));
        if (entriesAtQuit > 0) {
            // Looked at every few milliseconds, so that the quit lands near its mark.
            QVERIFY(waitUntil([&] { return entriesInMatchFile() >= entriesAtQuit; },
                              std::chrono::seconds(60)));
        }
        const int written = entriesInMatchFile();
        if (written == installed)
            QSKIP("the reinstallation ended before the quit");
        if (quit == "--quit") {
            QProcess client;
            client.setArguments({"--quit"});
            start(client);
            QVERIFY(client.waitForFinished(40000));
            QCOMPARE(client.exitCode(), 0);
            QVERIFY(program.waitForFinished(5000));
            QCOMPARE(program.exitCode(), 0);
        } else {
            stop(program, quit == "SIGTERM" ? SIGTERM : SIGINT);
        }
        qInfo("quit with %d of %d entries written", written, installed);
        QCOMPARE(entriesInMatchFile(), 0);
        // The --quit client takes a while to start: the change may be done by then.
        if (!QSettings(settingsFile(), QSettings::IniFormat).contains("presetChoice"))
            QSKIP("the reinstallation ended before the quit");

        QProcess again;
        start(again);
        QByteArray said;
        const bool back = waitUntil(
            [&] {
                said += again.readAllStandardOutput();
                return listed() == m_darkPreset;
            },
            std::chrono::milliseconds(patienceMs));
        const Pairs afterStart = listed();
        qInfo("after the next start %lld entries are listed, %lld of them of the dark preset",
              afterStart.size(), (afterStart & m_darkPreset).size());
        QVERIFY(back);
        const QByteArray finished = "Finished the change of the preset shortcuts: " +
                                    QByteArray::number(m_darkPreset.size()) + " installed\n";
        QTRY_VERIFY2_WITH_TIMEOUT((said += again.readAllStandardOutput()).contains(finished),
                                  said.constData(), patienceMs);
        QVERIFY2(said.contains("Finishing the change of the preset shortcuts that was "
                               "interrupted\n"),
                 said.constData());
        QCOMPARE(storedConfiguration().value("tone").toInt(), 5);
        stop(again, SIGTERM);
    }
};

TESSELLE_TEST_MAIN(InterruptedReinstallTest, QCoreApplication)
#include "tst_interruptedreinstall.moc"
