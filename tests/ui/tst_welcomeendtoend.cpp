// The welcome window and the settings page over the program's real services:
// the settings file and the espanso match file in this test's private home,
// the real registry and emoji measurement, with pauses and delays that pass
// at once. Clicks go to the widgets.
#include "InstantClock.h"
#include "ProgramInTestHome.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "app/WindowManager.h"
#include "platform/linux/FontTextMeasurer.h"
#include "ui/controls/ModalWindow.h"
#include "ui/settings/GenderPicker.h"
#include "ui/settings/GeneralSettingsView.h"
#include "ui/settings/PresetActionButton.h"
#include "ui/settings/SettingsView.h"
#include "ui/settings/TonePicker.h"
#include "ui/welcome/WelcomeView.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <yaml-cpp/yaml.h>

namespace {

// The match file's triggers and replacements, read with a YAML reader of its own.
QMap<QString, QString> matchFile() {
    QMap<QString, QString> matches;
    const QString path = EspansoReplacementService::defaultMatchFile();
    if (!QFile::exists(path))
        return matches;
    const YAML::Node file = YAML::LoadFile(path.toStdString());
    for (const auto& match : file["matches"])
        matches.insert(QString::fromStdString(match["trigger"].as<std::string>()),
                       QString::fromStdString(match["replace"].as<std::string>()));
    return matches;
}

// "/" and the lower-cased name of every entry of the shipped lists.
QSet<QString> presetTriggers(const QStringList& lists) {
    QSet<QString> triggers;
    for (const QString& list : lists) {
        QFile file(QStringLiteral(TESSELLE_SOURCE_RESOURCES "/%1.csv").arg(list));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        for (const QByteArray& line : file.readAll().split('\n')) {
            const qsizetype comma = line.lastIndexOf(',');
            if (comma > 0)
                triggers << "/" + QString::fromUtf8(line.mid(comma + 1)).trimmed().toLower();
        }
    }
    return triggers;
}

QSet<QString> keys(const QMap<QString, QString>& matches) {
    return QSet<QString>(matches.keyBegin(), matches.keyEnd());
}

QPushButton* pushButton(QWidget& view, const QString& text) {
    for (QPushButton* button : view.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

void clickCell(GenderPicker& picker, Gender gender) {
    QTest::mouseClick(&picker, Qt::LeftButton, {}, picker.cellRect(gender).center());
}
void clickSwatch(TonePicker& picker, Tone tone) {
    QTest::mouseClick(&picker, Qt::LeftButton, {}, picker.swatchRect(tone).center());
}

const QString dancer = QStringLiteral("\U0001F57A");

} // namespace

class WelcomeEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstStartInstallsTheChoiceAndTheSettingsChangeAndResetIt() {
        ProgramInTestHome<FontTextMeasurer, InstantClock> home(
            {.welcomeDelay = std::chrono::milliseconds(0),
             .shell = {.panelDelayAfterWelcome = std::chrono::milliseconds(0)}});
        Program& program = home.program;
        program.delegate().applicationDidFinishLaunching();
        QTRY_VERIFY_WITH_TIMEOUT(program.windowManager().welcomeWindow(), 5000);
        auto* welcome = program.windowManager().welcomeWindow()->findChild<WelcomeView*>();
        QTRY_VERIFY(welcome->isVisible());

        // The first start: person, medium skin tone.
        clickCell(*welcome->findChild<GenderPicker*>(), Gender::person);
        clickSwatch(*welcome->findChild<TonePicker*>(), Tone::medium);
        QTest::mouseClick(pushButton(*welcome, "Install Tesselle"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!program.windowManager().welcomeWindow(), 30000);
        const QSet<QString> expected = presetTriggers({"common", "person"});
        QVERIFY(expected.size() > 1000);
        QMap<QString, QString> matches = matchFile();
        QCOMPARE(keys(matches), expected);
        QCOMPARE(matches.value("/dance"), dancer + QStringLiteral("\U0001F3FD"));
        QSettings settings(home.defaults.fileName(), QSettings::IniFormat);
        QCOMPARE(settings.value("isWelcomeWasPresented").toByteArray(), "true");
        QCOMPARE(settings.value("configuration").toByteArray(),
                 QStringLiteral(R"({"gender":"🧑","tone":3})").toUtf8());

        // A change of tone in the settings reinstalls in the new tone.
        program.windowManager().openSettings();
        QWidget* window = program.windowManager().settingsWindow();
        auto* page = window->findChild<GeneralSettingsView*>();
        QTRY_VERIFY(page->isVisible());
        QCOMPARE(page->selectedConfiguration(),
                 (PresetConfiguration{Gender::person, Tone::medium, std::nullopt}));
        clickSwatch(*page->findChild<TonePicker*>(), Tone::dark);
        QTRY_VERIFY(page->isInstallationProcess());
        QTRY_VERIFY_WITH_TIMEOUT(!page->isInstallationProcess(), 30000);
        matches = matchFile();
        QCOMPARE(keys(matches), expected);
        QCOMPARE(matches.value("/dance"), dancer + QStringLiteral("\U0001F3FF"));
        QCOMPARE(page->findChild<PresetActionButton*>()->button().text(), "Uninstall");

        // "Reset App": nothing of the program's in the match file, the settings
        // back to a first start, the welcome window again.
        QTest::mouseClick(pushButton(*page, "Reset App"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 30000);
        QTRY_VERIFY(program.windowManager().welcomeWindow());
        QVERIFY(program.windowManager().welcomeWindow()->isVisible());
        QVERIFY(matchFile().isEmpty());
        // The program's settings reach the file on a later turn of the loop.
        const auto firstRun = [&settings] {
            settings.sync();
            const QStringList keys = settings.allKeys();
            return std::all_of(keys.cbegin(), keys.cend(), [&settings](const QString& key) {
                return (key == "autoPaste" || key == "useSystemColor") &&
                       settings.value(key).toByteArray() == "false";
            });
        };
        waitUntil(firstRun);
        for (const QString& key : settings.allKeys()) {
            QVERIFY2(key == "autoPaste" || key == "useSystemColor", qPrintable(key));
            QCOMPARE(settings.value(key).toByteArray(), "false");
        }
    }
};

TESSELLE_TEST_MAIN(WelcomeEndToEndTest, QApplication)
#include "tst_welcomeendtoend.moc"
