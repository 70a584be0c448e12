#include "FakeGlobalShortcut.h"
#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "PresetFixture.h"
#include "ProgramOverFakes.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "app/AppManager.h"
#include "app/WindowContents.h"
#include "app/WindowManager.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/KeyboardShortcut.h"
#include "settings/LaunchAtLogin.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/LaunchAtLoginToggle.h"
#include "ui/controls/ModalWindow.h"
#include "ui/controls/Popover.h"
#include "ui/controls/PopoverButton.h"
#include "ui/controls/ProgressIndicator.h"
#include "ui/controls/SingleChordEdit.h"
#include "ui/controls/Switch.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiImageCache.h"
#include "ui/settings/FamilyGrid.h"
#include "ui/settings/FamilyPicker.h"
#include "ui/settings/GenderPicker.h"
#include "ui/settings/GeneralSettingsView.h"
#include "ui/settings/PresetActionButton.h"
#include "ui/settings/SettingsRowView.h"
#include "ui/settings/SettingsView.h"
#include "ui/settings/TonePicker.h"
#include "ui/welcome/WelcomeView.h"

#include <QApplication>
#include <QCoroSignal>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>

using Configuration = std::optional<PresetConfiguration>;
Q_DECLARE_METATYPE(Configuration)

namespace {

using Seconds = std::chrono::duration<double>;

// The page's pause between removing and installing: recorded, held until the
// test ends it, or failing as a cancelled pause would.
class PauseClock : public QObject, public Clock {
    Q_OBJECT
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    QCoro::Task<> sleepFor(Seconds duration) override {
        pauses << duration;
        if (fails)
            throw MessageError("The pause was cancelled");
        if (!holds)
            co_return;
        isSleeping = true;
        co_await qCoro(this, &PauseClock::released);
        isSleeping = false;
    }
    void release() { emit released(); }
    QList<Seconds> pauses;
    bool holds = false;
    bool isSleeping = false;
    bool fails = false;

signals:
    void released();
};

// The program's shared objects with the preset over an in-memory list, the
// settings window and the welcome window built with their real views.
struct Fixture : ProgramOverFakes {
    explicit Fixture(ShellDesktop shellDesktop = {}) : desktop(std::move(shellDesktop)) {}

    ShellDesktop desktop;
    PauseClock clock;
    FakeTextExpanderStatus expanderStatus;
    TextExpanderMonitor textExpander{expanderStatus, output};
    FakeGlobalShortcut keys;
    KeyboardShortcut keyboardShortcut{defaults, &keys, {}, output};
    EmojiImageCache images{EmojiGridView::symbolSize, EmojiGridView::cellSize, 1};
    WindowManager windowManager{
        preferences,
        defaults,
        appManager,
        resources,
        makeWindowContents({preferences, presets.preset, defaults, resources, measurer, images,
                            appManager, presets.registry, presets.background, launchAtLogin, clock,
                            output, appInfo, presets.userShortcuts, textExpander,
                            keyboardShortcut}),
        ShellTiming(),
        desktop};

    GeneralSettingsView& open() {
        windowManager.openSettings();
        return *windowManager.settingsWindow()->findChild<GeneralSettingsView*>();
    }
    void install(const PresetConfiguration& configuration) {
        waitForTask(presets.preset.install(configuration));
    }
    Configuration installed() const { return presets.preset.installedConfiguration(); }
};

GenderPicker& genders(QWidget& page) {
    return *page.findChild<GenderPicker*>();
}
TonePicker& tones(QWidget& page) {
    return *page.findChild<TonePicker*>();
}
FamilyPicker& families(QWidget& page) {
    return *page.findChild<FamilyPicker*>();
}
PresetActionButton& action(QWidget& page) {
    return *page.findChild<PresetActionButton*>();
}

void pick(QWidget& page, Gender gender) {
    QTest::mouseClick(&genders(page), Qt::LeftButton, {}, genders(page).cellRect(gender).center());
}
void pick(QWidget& page, Tone tone) {
    QTest::mouseClick(&tones(page), Qt::LeftButton, {}, tones(page).swatchRect(tone).center());
}
void pick(QWidget& page, std::optional<Family> family) {
    FamilyPicker& picker = families(page);
    QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(16, 16));
    QTRY_VERIFY(picker.popover().isVisible());
    QTest::mouseClick(&picker.grid(), Qt::LeftButton, {}, picker.grid().cellRect(family).center());
    picker.setPickerPresented(false);
}

void clickAction(QWidget& page) {
    QTest::mouseClick(&action(page).button(), Qt::LeftButton);
}

qreal opacity(PresetActionButton& button) {
    return static_cast<QGraphicsOpacityEffect*>(button.button().graphicsEffect())->opacity();
}

QPushButton* pushButton(QWidget& page, const QString& text) {
    for (QPushButton* button : page.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

Switch* switchLabelled(QWidget& page, const QString& text) {
    for (Switch* control : page.findChildren<Switch*>()) {
        if (control->text() == text)
            return control;
    }
    return nullptr;
}

// The colour of an on switch's track, at its left end clear of the knob.
QColor trackColour(Switch& control) {
    const QImage image = control.grab().toImage();
    return image.pixelColor(control.width() - 32, control.height() / 2);
}

SettingsRowView* row(QWidget& page, const QString& title) {
    for (SettingsRowView* candidate : page.findChildren<SettingsRowView*>()) {
        for (QLabel* label : candidate->findChildren<QLabel*>()) {
            if (label->text() == title + ":")
                return candidate;
        }
    }
    return nullptr;
}

// The list a fresh installation of the configuration gives, in order of text.
QList<TextReplacementEntry> sorted(QList<TextReplacementEntry> entries) {
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return std::tie(a.shortcut, a.phrase) < std::tie(b.shortcut, b.phrase);
    });
    return entries;
}
QList<TextReplacementEntry> freshList(const PresetConfiguration& configuration) {
    FakeDefaultsStore defaults;
    ResourceFolder resources(TESSELLE_SOURCE_RESOURCES);
    FakeTextMeasurer measurer;
    PresetFixture presets(defaults, resources, measurer);
    waitForTask(presets.preset.install(configuration));
    return sorted(presets.service.currentEntries());
}

const PresetConfiguration personMedium{Gender::person, Tone::medium, std::nullopt};

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void eachTabShowsItsPage_data() {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("shown");
        QTest::newRow("General") << "General"
                                 << "GeneralSettingsView";
        QTest::newRow("Support") << "Support"
                                 << "SupportSettingsView";
        QTest::newRow("About") << "About"
                               << "AboutSettingsView";
    }
    void eachTabShowsItsPage() {
        QFETCH(QString, tab);
        QFETCH(QString, shown);
        Fixture fixture;
        fixture.open();
        QTabWidget& tabs =
            fixture.windowManager.settingsWindow()->findChild<SettingsView*>()->tabs();
        QTRY_VERIFY(tabs.isVisible());
        // Away from the page first, so that the click is what shows it.
        tabs.setCurrentIndex(tab == "General" ? 2 : 0);
        int index = 0;
        while (index < tabs.count() && tabs.tabText(index) != tab)
            ++index;
        QVERIFY(index < tabs.count());
        QVERIFY(!tabs.tabIcon(index).isNull());
        QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {},
                          tabs.tabBar()->tabRect(index).center());
        const auto pageShown = [&] {
            for (const QWidget* page : tabs.findChildren<QWidget*>()) {
                if (page->inherits(shown.toLatin1().constData()))
                    return page->isVisible();
            }
            return false;
        };
        QTRY_VERIFY(pageShown());
    }

    // As desktop settings windows do, the window takes the height of the page
    // shown, all of it and no more than a few points beyond.
    void theWindowFitsThePageShown_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("the short Support page") << 1;
        QTest::newRow("the short About page") << 2;
    }
    void theWindowFitsThePageShown() {
        QFETCH(int, tab);
        Fixture fixture;
        fixture.open();
        QWidget* window = fixture.windowManager.settingsWindow();
        QTabWidget& tabs = window->findChild<SettingsView*>()->tabs();
        QTRY_VERIFY(window->isVisible());
        // The espanso row's words arrive from a check and the layout follows.
        QTRY_VERIFY(tabs.currentWidget()->height() >= tabs.currentWidget()->sizeHint().height());
        const int general = window->height();
        tabs.setCurrentIndex(tab);
        QWidget* page = tabs.currentWidget();
        QTRY_VERIFY(window->height() < general);
        QTRY_VERIFY(page->height() >= page->sizeHint().height());
        QVERIFY(page->height() <= page->sizeHint().height() + 4);
        tabs.setCurrentIndex(0);
        QTRY_COMPARE(window->height(), general);
    }

    void installNeedsAnAppearanceAndATone_data() {
        QTest::addColumn<std::optional<Gender>>("gender");
        QTest::addColumn<std::optional<Tone>>("tone");
        QTest::addColumn<std::optional<Family>>("family");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nothing chosen")
            << std::optional<Gender>() << std::optional<Tone>() << std::optional<Family>() << false;
        QTest::newRow("only an appearance") << std::optional(Gender::male) << std::optional<Tone>()
                                            << std::optional<Family>() << false;
        QTest::newRow("only a tone and a family")
            << std::optional<Gender>() << std::optional(Tone::light) << std::optional(Family::wg)
            << false;
        QTest::newRow("an appearance and a tone, the family is optional")
            << std::optional(Gender::male) << std::optional(Tone::light) << std::optional<Family>()
            << true;
        QTest::newRow("all three") << std::optional(Gender::male) << std::optional(Tone::light)
                                   << std::optional(Family::wg) << true;
    }
    void installNeedsAnAppearanceAndATone() {
        QFETCH(std::optional<Gender>, gender);
        QFETCH(std::optional<Tone>, tone);
        QFETCH(std::optional<Family>, family);
        QFETCH(bool, enabled);
        Fixture fixture;
        GeneralSettingsView& page = fixture.open();
        QCOMPARE(action(page).button().text(), "Install");
        QVERIFY(!action(page).button().isEnabled());
        if (gender)
            pick(page, *gender);
        if (tone)
            pick(page, *tone);
        if (family)
            pick(page, family);
        QCOMPARE(action(page).button().isEnabled(), enabled);
        // Choosing alone installs nothing (an operation is busy from its start).
        QVERIFY(!page.isInstallationProcess());
        QVERIFY(fixture.presets.service.calls().isEmpty());
        QVERIFY(!fixture.defaults.keys().contains(SettingsKeys::configuration));
    }

    void installShowsTheBusyStateUntilItEnds() {
        Fixture fixture;
        GeneralSettingsView& page = fixture.open();
        pick(page, Gender::person);
        pick(page, Tone::medium);
        QVERIFY(!action(page).indicator().isVisible());
        QSignalSpy installations(&fixture.presets.preset, &Preset::installedConfigurationChanged);
        // The list holds the installation until the second click is in.
        QSemaphore gate;
        fixture.presets.service.beforeAdding = [&gate] {
            gate.acquire();
            gate.release();
        };
        clickAction(page);
        QVERIFY(page.isInstallationProcess());
        QCOMPARE(opacity(action(page)), 0.5);
        QVERIFY(action(page).indicator().isVisible());
        // A second click while busy is ignored.
        clickAction(page);
        QVERIFY(page.isInstallationProcess());
        gate.release();
        QTRY_COMPARE(action(page).button().text(), "Uninstall");
        QTRY_VERIFY(!page.isInstallationProcess());
        QCOMPARE(opacity(action(page)), 1.0);
        QVERIFY(!action(page).indicator().isVisible());
        // One more installation runs after any still queued (the background
        // thread and the registry take work in order): once it is back, one
        // started by the second click would have been counted.
        fixture.install(personMedium);
        QCOMPARE(installations.count(), 2);
        QCOMPARE(fixture.installed(), personMedium);
        QCOMPARE(sorted(fixture.presets.service.currentEntries()), freshList(personMedium));
    }

    void uninstallTakesThePresetOut() {
        Fixture fixture;
        fixture.install(personMedium);
        GeneralSettingsView& page = fixture.open();
        QCOMPARE(action(page).button().text(), "Uninstall");
        clickAction(page);
        QTRY_COMPARE(action(page).button().text(), "Install");
        QTRY_VERIFY(!page.isInstallationProcess());
        QCOMPARE(fixture.installed(), std::nullopt);
        QVERIFY(fixture.presets.service.currentEntries().isEmpty());
        QCOMPARE(genders(page).selection(), std::nullopt);
        QVERIFY(!action(page).button().isEnabled());
    }

    void aNewChoiceWhileInstalledReinstallsAtOnce_data() {
        QTest::addColumn<PresetConfiguration>("before");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<PresetConfiguration>("after");
        const PresetConfiguration withFamily{Gender::person, Tone::medium, Family::mwgb};
        QTest::newRow("another skin tone")
            << personMedium << "tone dark"
            << PresetConfiguration{Gender::person, Tone::dark, std::nullopt};
        QTest::newRow("another appearance")
            << personMedium << "gender female"
            << PresetConfiguration{Gender::female, Tone::medium, std::nullopt};
        QTest::newRow("a family") << personMedium << "family mwgb" << withFamily;
        QTest::newRow("no family after a family")
            << withFamily << "no family"
            << PresetConfiguration{Gender::person, Tone::medium, std::nullopt};
    }
    void aNewChoiceWhileInstalledReinstallsAtOnce() {
        QFETCH(PresetConfiguration, before);
        QFETCH(QString, choice);
        QFETCH(PresetConfiguration, after);
        Fixture fixture;
        fixture.clock.holds = true;
        fixture.install(before);
        GeneralSettingsView& page = fixture.open();
        if (choice == "tone dark")
            pick(page, Tone::dark);
        else if (choice == "gender female")
            pick(page, Gender::female);
        else if (choice == "family mwgb")
            pick(page, Family::mwgb);
        else
            pick(page, std::optional<Family>());

        // While it pauses nothing is installed: empty pickers, a disabled,
        // busy "Install".
        QTRY_VERIFY(fixture.clock.isSleeping);
        QTRY_COMPARE(action(page).button().text(), "Install");
        QVERIFY(!action(page).button().isEnabled());
        QVERIFY(action(page).indicator().isVisible());
        QCOMPARE(tones(page).selection(), std::nullopt);

        fixture.clock.release();
        QTRY_VERIFY(!page.isInstallationProcess());
        QCOMPARE(fixture.installed(), after);
        QCOMPARE(page.selectedConfiguration(), after);
        QCOMPARE(action(page).button().text(), "Uninstall");
        QCOMPARE(fixture.clock.pauses, QList<Seconds>{Seconds(3.5)});
        QCOMPARE(sorted(fixture.presets.service.currentEntries()), freshList(after));
    }

    void choosingWhatIsInstalledChangesNothing_data() {
        QTest::addColumn<QString>("choice");
        QTest::newRow("the same skin tone") << "tone";
        QTest::newRow("the same appearance") << "gender";
        QTest::newRow("the same family") << "family";
    }
    void choosingWhatIsInstalledChangesNothing() {
        QFETCH(QString, choice);
        Fixture fixture;
        const PresetConfiguration installed{Gender::male, Tone::light, Family::wwg};
        fixture.install(installed);
        fixture.presets.service.clearCalls();
        GeneralSettingsView& page = fixture.open();
        if (choice == "tone")
            pick(page, Tone::light);
        else if (choice == "gender")
            pick(page, Gender::male);
        else
            pick(page, Family::wwg);
        // An operation is busy from its start; the family's popover lets the
        // loop run, long enough for the removal's calls.
        QVERIFY(!page.isInstallationProcess());
        QVERIFY(fixture.clock.pauses.isEmpty());
        QVERIFY(fixture.presets.service.calls().isEmpty());
        QCOMPARE(fixture.installed(), installed);
    }

    // The page follows the preset wherever the change comes from, without
    // reinstalling what it shows.
    void showingTheInstalledConfigurationStartsNoReinstall() {
        Fixture fixture;
        fixture.install(personMedium);
        GeneralSettingsView& page = fixture.open();
        QCOMPARE(page.selectedConfiguration(), personMedium);
        QVERIFY(page.isConfigurationInstalled());

        const PresetConfiguration other{Gender::female, Tone::dark, Family::mg};
        waitForTask(fixture.presets.preset.uninstall());
        QTRY_VERIFY(!page.isConfigurationInstalled());
        fixture.install(other);
        QTRY_COMPARE(page.selectedConfiguration(), other);
        QVERIFY(page.isConfigurationInstalled());
        // A reinstall would have been busy from the moment the page showed
        // the new configuration.
        QVERIFY(fixture.clock.pauses.isEmpty());
        QVERIFY(!page.isInstallationProcess());
        QCOMPARE(fixture.installed(), other);
        QCOMPARE(sorted(fixture.presets.service.currentEntries()), freshList(other));
    }

    void choicesWhileNothingIsInstalledAreForgotten_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("switching tabs and back") << "tabs";
        QTest::newRow("reopening the window") << "window";
    }
    void choicesWhileNothingIsInstalledAreForgotten() {
        QFETCH(QString, how);
        Fixture fixture;
        GeneralSettingsView& page = fixture.open();
        pick(page, Gender::female);
        pick(page, Tone::dark);
        QVERIFY(action(page).button().isEnabled());
        if (how == "tabs") {
            QTabWidget& tabs =
                fixture.windowManager.settingsWindow()->findChild<SettingsView*>()->tabs();
            tabs.setCurrentIndex(2);
            tabs.setCurrentIndex(0);
        } else {
            fixture.windowManager.settingsWindow()->close();
            fixture.open();
        }
        QCOMPARE(page.selectedConfiguration(), std::nullopt);
        QCOMPARE(genders(page).selection(), std::nullopt);
        QVERIFY(!action(page).button().isEnabled());
        QVERIFY(fixture.presets.service.calls().isEmpty());
    }

    // A failure used to go to standard output only: with a tone change whose
    // removal worked and whose installation failed, every shortcut was gone
    // without a word.
    void aFailedOperationIsShownWithWhereTheShortcutsStand_data() {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<Configuration>("before");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Configuration>("shown");
        QTest::addColumn<QString>("button");
        const QString none = "No preset shortcuts are installed.";
        const QString installed = "The shortcuts of the preset shown are installed.";
        const PresetConfiguration dark{Gender::person, Tone::dark, std::nullopt};
        QTest::newRow("the installation keeps the choice for another try")
            << "install" << Configuration() << "The list is locked\n\n" + none
            << Configuration(personMedium) << "Install";
        QTest::newRow("the pause of a reinstall leaves nothing installed, the new choice kept")
            << "pause" << Configuration(personMedium) << "The pause was cancelled\n\n" + none
            << Configuration(dark) << "Install";
        QTest::newRow("the installation of a reinstall leaves nothing installed, the choice kept")
            << "reinstall" << Configuration(personMedium) << "The list is locked\n\n" + none
            << Configuration(dark) << "Install";
        QTest::newRow("the removal leaves the preset installed and shown")
            << "uninstall" << Configuration(personMedium) << "The list is locked\n\n" + installed
            << Configuration(personMedium) << "Uninstall";
    }
    void aFailedOperationIsShownWithWhereTheShortcutsStand() {
        QFETCH(QString, failing);
        QFETCH(Configuration, before);
        QFETCH(QString, message);
        QFETCH(Configuration, shown);
        QFETCH(QString, button);
        Fixture fixture;
        if (before)
            fixture.install(*before);
        GeneralSettingsView& page = fixture.open();
        fixture.presets.service.errorTexts.insert(3, "The list is locked");
        if (failing == "install") {
            fixture.presets.service.failCall({3, {}, {}});
            pick(page, Gender::person);
            pick(page, Tone::medium);
            clickAction(page);
        } else if (failing == "pause") {
            fixture.clock.fails = true;
            pick(page, Tone::dark);
        } else if (failing == "reinstall") {
            // The removal's call goes through; the installation's first fails.
            fixture.presets.service.failCall({3, {}, {}}, 1);
            pick(page, Tone::dark);
        } else {
            fixture.presets.service.failCall({3, {}, {}});
            clickAction(page);
        }
        QTRY_VERIFY(!page.isInstallationProcess());
        auto* alert = page.findChild<QMessageBox*>();
        QVERIFY(alert);
        QVERIFY(alert->isVisible());
        QCOMPARE(alert->windowTitle(), "Error");
        QCOMPARE(alert->text(), message);
        QCOMPARE(page.selectedConfiguration(), shown);
        QCOMPARE(action(page).button().text(), button);
        QVERIFY(action(page).button().isEnabled());
        QCOMPARE(fixture.installed(), button == "Install" ? Configuration() : before);
        QCOMPARE(sorted(fixture.presets.service.currentEntries()),
                 button == "Install" ? QList<TextReplacementEntry>() : freshList(*before));
    }

    // Two reinstalls at once would each install their configuration and
    // leave the shortcuts of the first behind.
    void aChoiceWhileAReinstallRunsIsIgnored() {
        Fixture fixture;
        fixture.clock.holds = true;
        fixture.install(personMedium);
        GeneralSettingsView& page = fixture.open();
        pick(page, Tone::dark);
        QVERIFY(page.isInstallationProcess());
        pick(page, Gender::female);
        QTRY_VERIFY(fixture.clock.isSleeping);
        fixture.clock.release();
        QTRY_VERIFY(!page.isInstallationProcess());
        const PresetConfiguration dark{Gender::person, Tone::dark, std::nullopt};
        QCOMPARE(fixture.installed(), dark);
        QCOMPARE(page.selectedConfiguration(), dark);
        QCOMPARE(fixture.clock.pauses.size(), 1);
        QCOMPARE(sorted(fixture.presets.service.currentEntries()), freshList(dark));
    }

    // A quit while the tone changed (as at logout) used to leave the preset
    // removed and nothing installed for good.
    void aQuitDuringAReinstallIsFinishedAtTheNextStart_data() {
        QTest::addColumn<QString>("during");
        QTest::newRow("a quit during the removal") << "removal";
        QTest::newRow("a quit during the pause") << "pause";
        QTest::newRow("a quit during the installation") << "installation";
    }
    void aQuitDuringAReinstallIsFinishedAtTheNextStart() {
        QFETCH(QString, during);
        Fixture fixture;
        fixture.clock.holds = true;
        fixture.install(personMedium);
        GeneralSettingsView& page = fixture.open();
        RecordingReplacementService& list = fixture.presets.service;
        // Holds the list's call number `holdAt`, counted from here, until the quit.
        QSemaphore held;
        QSemaphore gate;
        std::atomic_int calls = 0;
        const auto holdCall = [&](int holdAt) {
            list.beforeAdding = [&held, &gate, &calls, holdAt] {
                if (++calls == holdAt) {
                    held.release();
                    gate.acquire();
                }
            };
        };
        if (during == "removal")
            holdCall(1);
        pick(page, Tone::dark);
        if (during != "removal")
            QTRY_VERIFY(fixture.clock.isSleeping);
        if (during == "installation") {
            holdCall(10);
            fixture.clock.release();
        }
        if (during != "pause")
            QVERIFY(waitUntil([&] { return held.tryAcquire(); }));
        QCoro::Task<> quit = fixture.presets.registry.removeAllShortcuts();
        gate.release();
        waitForTask(std::move(quit));
        list.beforeAdding = nullptr;
        // What the page does after the quit, a program that quit never does.
        if (during != "installation") {
            QTRY_VERIFY(fixture.clock.isSleeping);
            fixture.clock.release();
        }
        QTRY_VERIFY(!page.isInstallationProcess());
        QVERIFY(list.currentEntries().isEmpty());

        PresetFixture next(fixture.defaults, fixture.resources, fixture.measurer, &list);
        waitForTask(next.registry.restoreShortcuts());
        waitForTask(next.preset.finishInterruptedChange(next.output));
        const PresetConfiguration dark{Gender::person, Tone::dark, std::nullopt};
        const QList<TextReplacementEntry> full = freshList(dark);
        QCOMPARE(next.preset.installedConfiguration(), dark);
        QCOMPARE(sorted(list.currentEntries()), full);
        QCOMPARE(next.output.lines(),
                 (QStringList{"Finishing the change of the preset shortcuts that was interrupted",
                              QStringLiteral("Finished the change of the preset shortcuts: %1 "
                                             "installed")
                                  .arg(full.size())}));
        // Finished once: the start after finds nothing to finish.
        QVERIFY(!fixture.defaults.value(SettingsKeys::presetChoice).isValid());
    }

    void resetAppReturnsToTheFirstRun_data() {
        QTest::addColumn<Configuration>("installed");
        QTest::newRow("with a configuration installed") << Configuration(personMedium);
        QTest::newRow("with nothing installed") << Configuration();
    }
    void resetAppReturnsToTheFirstRun() {
        QFETCH(Configuration, installed);
        Fixture fixture;
        if (installed)
            fixture.install(*installed);
        fixture.defaults.setValue(SettingsKeys::isWelcomeWasPresented, QByteArray("true"));
        fixture.defaults.setValue(SettingsKeys::favorites, QByteArray("[\"🕺\"]"));
        fixture.defaults.setValue(SettingsKeys::recent, QByteArray("[\"🕺\"]"));
        fixture.preferences.setAutoPaste(true);
        fixture.preferences.setUseSystemColor(true);
        fixture.launchAtLogin.setEnabled(true);
        GeneralSettingsView& page = fixture.open();
        QWidget* settings = fixture.windowManager.settingsWindow();
        QTRY_VERIFY(settings->isVisible());

        QTest::mouseClick(pushButton(page, "Reset App"), Qt::LeftButton);
        QTRY_VERIFY(!settings->isVisible());
        QTRY_VERIFY(fixture.windowManager.welcomeWindow());
        QVERIFY(fixture.windowManager.welcomeWindow()->isVisible());
        QVERIFY(fixture.presets.service.currentEntries().isEmpty());
        QVERIFY(!fixture.preferences.autoPaste());
        QVERIFY(!fixture.preferences.useSystemColor());
        QVERIFY(!fixture.loginItems.enabled);
        processPendingEvents();
        for (const char* key :
             {SettingsKeys::configuration, SettingsKeys::shortcuts, SettingsKeys::favorites,
              SettingsKeys::recent, SettingsKeys::isWelcomeWasPresented})
            QVERIFY2(!fixture.defaults.keys().contains(key), key);
        QVERIFY(!switchLabelled(page, "Autopaste")->isChecked());
    }

    void resetAppStopsWhenTheRemovalFailsAndSaysSo() {
        Fixture fixture;
        fixture.install(personMedium);
        fixture.preferences.setAutoPaste(true);
        GeneralSettingsView& page = fixture.open();
        fixture.presets.service.errorTexts.insert(3, "The list is locked");
        fixture.presets.service.failCall({3, {}, {}});
        QTest::mouseClick(pushButton(page, "Reset App"), Qt::LeftButton);
        QTRY_VERIFY(page.findChild<QMessageBox*>());
        QCOMPARE(page.findChild<QMessageBox*>()->text(),
                 "The list is locked\n\nNothing was reset.\n\nThe shortcuts of the preset shown "
                 "are installed.");
        QVERIFY(fixture.windowManager.settingsWindow()->isVisible());
        QVERIFY(!fixture.windowManager.welcomeWindow());
        QVERIFY(fixture.preferences.autoPaste());
        QCOMPARE(fixture.installed(), personMedium);
        QCOMPARE(sorted(fixture.presets.service.currentEntries()), freshList(personMedium));
    }

    // A reset used to let the running installation finish afterwards: a preset
    // was installed while the welcome window asked for a first one.
    void resetAppStopsTheRunningOperationFirst_data() {
        QTest::addColumn<QString>("running");
        QTest::newRow("the pause of a reinstall") << "pause";
        QTest::newRow("an installation") << "install";
    }
    void resetAppStopsTheRunningOperationFirst() {
        QFETCH(QString, running);
        Fixture fixture;
        if (running == "pause")
            fixture.install(personMedium);
        GeneralSettingsView& page = fixture.open();
        QSemaphore gate;
        if (running == "pause") {
            fixture.clock.holds = true;
            pick(page, Tone::dark);
            QTRY_VERIFY(fixture.clock.isSleeping);
        } else {
            fixture.presets.service.beforeAdding = [&gate] {
                gate.acquire();
                gate.release();
            };
            pick(page, Gender::person);
            pick(page, Tone::medium);
            clickAction(page);
        }
        QVERIFY(page.isInstallationProcess());
        QTest::mouseClick(pushButton(page, "Reset App"), Qt::LeftButton);
        gate.release();
        fixture.clock.release();
        QTRY_VERIFY(fixture.windowManager.welcomeWindow());
        // The operation has ended too: what it did is done.
        QTRY_VERIFY(!page.isInstallationProcess() && !page.isResetting());
        QCOMPARE(fixture.installed(), std::nullopt);
        QVERIFY(fixture.presets.service.currentEntries().isEmpty());
        QVERIFY(fixture.presets.registry.allShortcuts().isEmpty());
        QVERIFY(!page.findChild<QMessageBox*>());
    }

    void eachRowShowsItsHintInAPopover_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("unavailable");
        QTest::newRow("appearance")
            << "Default appearance"
            << "Choose your default appearance for shortcuts with multiple options, like which "
               "/raisinghand emoji to use. \U0001F64B \U0001F64B\u200D\u2640\uFE0F "
               "\U0001F64B\u200D\u2642\uFE0F"
            << QString();
        QTest::newRow("skin tone")
            << "Default skin tone"
            << "Set your personal skin tone for people emojis that have multiple options, like "
               "which /dance emoji to use. 🕺🕺🏻🕺🏼🕺🏽🕺🏾🕺🏿"
            << QString();
        QTest::newRow("family") << "Default /family"
                                << "Select a default /family emoji to use for quick access. We "
                                   "plan to add more customizable options in the future."
                                << QString();
        QTest::newRow("autopaste")
            << "Advanced"
            << "Double-clicking an emoji will copy it by default. With Autopaste, selected emojis "
               "will automatically paste into your most recent text field. Note: this requires "
               "some one-time system permissions."
            << QString();
        QTest::newRow("autopaste in a session that cannot autopaste says why")
            << "Advanced"
            << "Double-clicking an emoji will copy it by default. With Autopaste, selected emojis "
               "will automatically paste into your most recent text field. Note: this requires "
               "some one-time system permissions. This session has no desktop that Tesselle "
               "can type into."
            << "This session has no desktop that Tesselle can type into.";
        QTest::newRow("keyboard shortcut")
            << "Keyboard shortcut"
            << "This key opens and closes Tesselle from any application. Click the field and "
               "press a key with Ctrl, Alt or Super, or a function key; Clear leaves Tesselle "
               "without a key."
            << QString();
        QTest::newRow("startup") << "Startup"
                                 << "Automatically open Tesselle when you log in to your "
                                    "computer. (Psst… here's an easter egg for reading tooltips! "
                                    "🐇🥚)"
                                 << QString();
        QTest::newRow("colour") << "Color"
                                << "Some highlight colors will use your system's default accent "
                                   "color instead of Verbena Yellow. 🎨"
                                << QString();
    }
    void eachRowShowsItsHintInAPopover() {
        QFETCH(QString, title);
        QFETCH(QString, hint);
        QFETCH(QString, unavailable);
        Fixture fixture;
        fixture.pasteService.unavailable = unavailable;
        GeneralSettingsView& page = fixture.open();
        SettingsRowView* settingsRow = row(page, title);
        QVERIFY(settingsRow);
        PopoverButton& button = settingsRow->hintButton();
        QTRY_VERIFY(button.isVisible());
        QTest::mouseClick(&button, Qt::LeftButton);
        Popover* popover = button.popover();
        QTRY_VERIFY(popover && popover->isVisible());
        auto* text = popover->findChild<QLabel*>();
        QCOMPARE(QTextDocumentFragment::fromHtml(text->text()).toPlainText(), hint);
        QCOMPARE(text->width(), 200);
        // Under its own question mark, the arrow at its middle.
        const QRect question(button.mapToGlobal(QPoint()), button.size());
        QCOMPARE(popover->y(), question.bottom() + 1);
        QVERIFY(popover->geometry().left() < question.center().x() &&
                popover->geometry().right() > question.center().x());
        QTest::mouseClick(&button, Qt::LeftButton);
        QTRY_VERIFY(!popover->isVisible());
    }

    void withoutATrayIconThePageSaysHowToOpenTesselle_data() {
        QTest::addColumn<bool>("trayShowsIcon");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("said");
        QTest::newRow("a tray shows the icon: nothing said") << true << "Ctrl+Alt+E" << QString();
        QTest::newRow("no tray, the key held: the key or a new start")
            << false << "Ctrl+Alt+E"
            << "No tray shows Tesselle's icon here: press Ctrl+Alt+E, or start tesselle again, "
               "to open Tesselle.";
        QTest::newRow("no tray and no key: a new start")
            << false << ""
            << "No tray shows Tesselle's icon here: start tesselle again to open Tesselle (a "
               "keyboard shortcut of your desktop can run it).";
    }
    void withoutATrayIconThePageSaysHowToOpenTesselle() {
        QFETCH(bool, trayShowsIcon);
        QFETCH(QString, key);
        QFETCH(QString, said);
        ShellDesktop desktop;
        desktop.isSystemTrayAvailable = [=] { return trayShowsIcon; };
        Fixture fixture(desktop);
        fixture.keyboardShortcut.setKey(key);
        GeneralSettingsView& page = fixture.open();
        SettingsRowView* settingsRow = row(page, "Tray icon");
        QCOMPARE(settingsRow != nullptr, !said.isEmpty());
        if (settingsRow)
            QCOMPARE(settingsRow->findChild<QLabel*>("wayIn")->text(), said);
    }

    void keyboardShortcutRowHoldsTheKeyTyped() {
        Fixture fixture;
        GeneralSettingsView& page = fixture.open();
        SettingsRowView* settingsRow = row(page, "Keyboard shortcut");
        QVERIFY(settingsRow);
        auto* field = settingsRow->findChild<SingleChordEdit*>();
        QVERIFY(field);
        QCOMPARE(field->keySequence(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
        QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fixture.keys.held(), "Ctrl+Shift+K");
    }

    void theKeyboardShortcutRowSaysWhoHoldsTheKey_data() {
        QTest::addColumn<bool>("byDesktop");
        QTest::addColumn<int>("answer"); // none yet (-1), refused (0), held (1)
        QTest::addColumn<QString>("said");
        QTest::newRow("Tesselle holds it itself") << false << -1 << "Tesselle holds it.";
        QTest::newRow("the desktop has been asked and has not answered")
            << true << -1 << "Waiting for the desktop to take the key\u2026";
        QTest::newRow("the desktop holds it as the user chose there")
            << true << 1
            << "The desktop holds it for Tesselle as Ctrl+Alt+T; change it in the desktop's "
               "keyboard settings.";
        QTest::newRow("the desktop refuses it") << true << 0 << "The desktop did not take the key";
    }
    void theKeyboardShortcutRowSaysWhoHoldsTheKey() {
        QFETCH(bool, byDesktop);
        QFETCH(int, answer);
        QFETCH(QString, said);
        Fixture fixture;
        if (byDesktop) {
            fixture.keys.keptBy = GlobalShortcut::Keeper::desktop;
            fixture.keyboardShortcut.reload();
        }
        GeneralSettingsView& page = fixture.open();
        if (answer >= 0)
            fixture.keys.answer(answer == 1,
                                answer == 1 ? "Ctrl+Alt+T" : "The desktop did not take the key");
        QStringList shown;
        for (QLabel* label : row(page, "Keyboard shortcut")->findChildren<QLabel*>())
            if (label->isVisibleTo(&page) && !label->text().isEmpty())
                shown << label->text();
        QVERIFY2(shown.contains(said), qPrintable(shown.join(" | ")));
    }

    void theAutopasteHintSaysThatTheDesktopAsksInEverySession() {
        Fixture fixture;
        fixture.pasteService.note = "This desktop asks for it once in every session.";
        GeneralSettingsView& page = fixture.open();
        PopoverButton& button = row(page, "Advanced")->hintButton();
        QTest::mouseClick(&button, Qt::LeftButton);
        QTRY_VERIFY(button.popover()->isVisible());
        const QString hint =
            QTextDocumentFragment::fromHtml(button.popover()->findChild<QLabel*>()->text())
                .toPlainText();
        QVERIFY2(hint.endsWith("permissions. This desktop asks for it once in every session."),
                 qPrintable(hint));
    }

    void theSwitchesChangeThePreferencesAtOnce_data() {
        QTest::addColumn<QString>("label");
        QTest::newRow("Autopaste") << "Autopaste";
        QTest::newRow("system colour") << "Use default system color";
    }
    void theSwitchesChangeThePreferencesAtOnce() {
        QFETCH(QString, label);
        Fixture fixture;
        GeneralSettingsView& page = fixture.open();
        auto value = [&] {
            return label == "Autopaste" ? fixture.preferences.autoPaste()
                                        : fixture.preferences.useSystemColor();
        };
        QTest::mouseClick(switchLabelled(page, label), Qt::LeftButton);
        QVERIFY(value());
        QTest::mouseClick(switchLabelled(page, label), Qt::LeftButton);
        QVERIFY(!value());
    }

    // All three are the same switch, on in the accent colour as it is now.
    void theSwitchesTakeTheAccentColourAsItChanges_data() {
        QTest::addColumn<QString>("label");
        QTest::newRow("Autopaste") << "Autopaste";
        QTest::newRow("open at login") << "Open at login";
        QTest::newRow("system colour") << "Use default system color";
    }
    void theSwitchesTakeTheAccentColourAsItChanges() {
        QFETCH(QString, label);
        Fixture fixture;
        fixture.preferences.setAutoPaste(true);
        fixture.launchAtLogin.setEnabled(true);
        GeneralSettingsView& page = fixture.open();
        Switch* control = switchLabelled(page, label);
        QVERIFY(control);
        Switch* systemColor = switchLabelled(page, "Use default system color");
        const bool followsColour = control != systemColor;
        if (followsColour)
            QCOMPARE(trackColour(*control), brandAccentColor());
        QTest::mouseClick(systemColor, Qt::LeftButton);
        QVERIFY(fixture.preferences.useSystemColor());
        QCOMPARE(trackColour(*control), appAccentColor(true));
        QTest::mouseClick(systemColor, Qt::LeftButton);
        if (followsColour)
            QCOMPARE(trackColour(*control), brandAccentColor());
    }

    // The window is too narrow for "Use default system color" on one line.
    void everySwitchShowsItsWholeLabel() {
        Fixture fixture;
        GeneralSettingsView& page = fixture.open();
        QTRY_VERIFY(page.isVisible());
        const QList<Switch*> switches = page.findChildren<Switch*>();
        QCOMPARE(switches.size(), 3);
        for (Switch* control : switches) {
            const bool oneLine = control->width() >= control->sizeHint().width();
            QVERIFY2(oneLine || control->height() > control->sizeHint().height(),
                     qPrintable(control->text()));
            QVERIFY(page.rect().contains(
                control->geometry().translated(control->mapTo(&page, QPoint()) - control->pos())));
        }
    }

    void theTwoLaunchAtLoginSwitchesStayInStep() {
        Fixture fixture;
        GeneralSettingsView& page = fixture.open();
        fixture.windowManager.showWelcomeWindowIfNeeded();
        auto* welcome = fixture.windowManager.welcomeWindow()->findChild<LaunchAtLogin::Toggle*>();
        auto* settings = page.findChild<LaunchAtLogin::Toggle*>();
        QCOMPARE(settings->text(), "Open at login");
        QTest::mouseClick(settings, Qt::LeftButton);
        QVERIFY(fixture.loginItems.enabled);
        QVERIFY(welcome->isChecked());
        QTest::mouseClick(welcome, Qt::LeftButton);
        QVERIFY(!fixture.loginItems.enabled);
        QVERIFY(!settings->isChecked());
    }
};

TESSELLE_TEST_MAIN(SettingsTest, QApplication)
#include "tst_settingsgeneral.moc"
