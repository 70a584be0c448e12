#include "FakeEspanso.h"
#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "PresetFixture.h"
#include "ProgramOverFakes.h"
#include "TestEnvironment.h"
#include "app/AppManager.h"
#include "app/WindowContents.h"
#include "app/WindowManager.h"
#include "platform/linux/EspansoStatus.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/KeyboardShortcut.h"
#include "settings/LaunchAtLogin.h"
#include "settings/Preferences.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "ui/controls/ModalWindow.h"
#include "ui/controls/TextShortcutsStatus.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiImageCache.h"
#include "ui/settings/GeneralSettingsView.h"
#include "ui/welcome/WelcomeView.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

namespace {

// The program's windows over fakes, with the real espanso status service
// asking the stand-in espanso.
struct Fixture : ProgramWindowsOverFakes<EspansoStatus> {

    TextShortcutsStatus& settingsRow() {
        windowManager.openSettings();
        return *windowManager.settingsWindow()->findChild<TextShortcutsStatus*>();
    }
    TextShortcutsStatus& welcomeLine() {
        windowManager.showWelcomeWindowIfNeeded();
        return *windowManager.welcomeWindow()->findChild<TextShortcutsStatus*>();
    }
    // Checked once more, the way a window that is shown asks.
    void checked() {
        QTRY_VERIFY(!textExpander.isChecking());
        textExpander.refresh();
        QTRY_VERIFY(!textExpander.isChecking());
    }
};

enum class Espanso { running, stopped, missing };

// The status's words are all on screen: its window, laid out the way it shows,
// gives the label at least the height the text needs at the label's width.
bool showsWholeText(const TextShortcutsStatus& status) {
    QWidget* window = status.window();
    window->layout()->activate();
    QCoreApplication::sendPostedEvents();
    const auto* label = status.findChild<QLabel*>();
    return label->height() >= label->heightForWidth(label->width()) &&
           window->rect().contains(QRect(label->mapTo(window, QPoint()), label->size()));
}

void arrange(FakeEspanso& espanso, Espanso state) {
    espanso.set("FAKE_ESPANSO_VERSION", "2.2.1");
    if (state == Espanso::missing)
        espanso.removeFromPath();
    espanso.setRunning(state == Espanso::running);
}

} // namespace

Q_DECLARE_METATYPE(Espanso)

class TextShortcutsTest : public QObject {
    Q_OBJECT

private slots:
    void eachStatusIsSaidWhereTheUserLooks_data() {
        QTest::addColumn<Espanso>("state");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("startButton");
        QTest::addColumn<bool>("welcomeLine");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("espanso running")
            << Espanso::running << "Working through espanso 2.2.1" << false << false << "Tesselle";
        QTest::newRow("espanso installed but not running")
            << Espanso::stopped << "espanso is installed but not running" << true << false
            << "Tesselle: the shortcuts are not active, espanso is not running";
        QTest::newRow("espanso not installed")
            << Espanso::missing
            << "espanso is not installed: shortcuts start working once it is. <a "
               "href=\"https://espanso.org/install/\">How to install espanso</a>"
            << false << true << "Tesselle: the shortcuts are not active, espanso is not installed";
    }
    void eachStatusIsSaidWhereTheUserLooks() {
        QFETCH(Espanso, state);
        QFETCH(QString, row);
        QFETCH(bool, startButton);
        QFETCH(bool, welcomeLine);
        QFETCH(QString, tooltip);
        FakeEspanso espanso;
        arrange(espanso, state);
        Fixture fixture;
        QObject::connect(&fixture.textExpander, &TextExpanderMonitor::stateChanged,
                         &fixture.windowManager, [&fixture] {
                             fixture.windowManager.showShortcutsInactive(
                                 fixture.textExpander.inactiveReason());
                         });

        TextShortcutsStatus& settings = fixture.settingsRow();
        fixture.checked();
        QCOMPARE(settings.text(), row);
        QCOMPARE(settings.startButton().isVisible(), startButton);
        QVERIFY(showsWholeText(settings));
        TextShortcutsStatus& welcome = fixture.welcomeLine();
        fixture.checked();
        QCOMPARE(welcome.isVisible(), welcomeLine);
        QVERIFY(!welcomeLine || showsWholeText(welcome));
        QCOMPARE(fixture.windowManager.statusItem().toolTip(), tooltip);
    }

    void startEspansoRunsTheStartCommandAndChecksAgain() {
        FakeEspanso espanso;
        arrange(espanso, Espanso::stopped);
        Fixture fixture;
        TextShortcutsStatus& settings = fixture.settingsRow();
        fixture.checked();

        QTest::mouseClick(&settings.startButton(), Qt::LeftButton);

        QTRY_COMPARE(settings.text(), "Working through espanso 2.2.1");
        QVERIFY(!settings.startButton().isVisible());
        QVERIFY(espanso.calls().contains("start"));
        QCOMPARE(espanso.calls().filter("status").size(), 3);
    }

    // Shown in the page, not only on standard output.
    void aStartThatFailsIsShownAsAnError() {
        FakeEspanso espanso;
        arrange(espanso, Espanso::stopped);
        espanso.set("FAKE_ESPANSO_FAIL", "start");
        Fixture fixture;
        TextShortcutsStatus& settings = fixture.settingsRow();
        fixture.checked();

        QTest::mouseClick(&settings.startButton(), Qt::LeftButton);

        QTRY_VERIFY(fixture.windowManager.settingsWindow()->findChild<QMessageBox*>());
        QCOMPARE(settings.text(), "espanso is installed but not running");
    }
};

TESSELLE_TEST_MAIN(TextShortcutsTest, QApplication)
#include "tst_textshortcuts.moc"
