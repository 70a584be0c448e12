#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "PresetFixture.h"
#include "ProgramOverFakes.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "app/AppManager.h"
#include "app/WindowManager.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/LaunchAtLogin.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/AppButtonStyle.h"
#include "ui/controls/BusyButton.h"
#include "ui/controls/LaunchAtLoginToggle.h"
#include "ui/controls/ModalWindow.h"
#include "ui/controls/ProgressIndicator.h"
#include "ui/settings/GenderPicker.h"
#include "ui/settings/TonePicker.h"
#include "ui/welcome/PlayerView.h"
#include "ui/welcome/WelcomeView.h"
#include "ui/welcome/WelcomeViewModel.h"

#include <QApplication>
#include <QFile>
#include <QGraphicsOpacityEffect>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<Tone>)
Q_DECLARE_METATYPE(std::optional<Gender>)

namespace {

// The shared objects of the program around a welcome window, with the preset
// over an in-memory replacement list. The videos come from `videos`.
struct Fixture : ProgramOverFakes {
    explicit Fixture(const QString& videos = TESSELLE_SOURCE_RESOURCES) : videoFolder(videos) {}

    ResourceFolder videoFolder;
    FakeTextExpanderStatus expanderStatus;
    TextExpanderMonitor textExpander{expanderStatus, output};
    WindowManager windowManager{
        preferences, defaults, appManager, resources,
        WindowManager::Contents{[](WindowManager&) { return std::make_unique<QWidget>(); },
                                [this](WindowManager& manager) -> std::unique_ptr<QWidget> {
                                    return std::make_unique<WelcomeView>(WelcomeView::Services{
                                        preferences, presets.preset, manager, launchAtLogin,
                                        videoFolder, textExpander});
                                },
                                [](WindowManager&) { return std::make_unique<QWidget>(); }}};

    WelcomeView* open() {
        windowManager.showWelcomeWindowIfNeeded();
        ModalWindow* window = windowManager.welcomeWindow();
        return window ? window->findChild<WelcomeView*>() : nullptr;
    }
};

QPushButton* installButton(WelcomeView& view) {
    for (QPushButton* button : view.findChildren<QPushButton*>()) {
        if (button->text() == "Install Tesselle")
            return button;
    }
    return nullptr;
}

void choose(WelcomeView& view, std::optional<Gender> gender, std::optional<Tone> tone) {
    auto* genders = view.findChild<GenderPicker*>();
    auto* tones = view.findChild<TonePicker*>();
    if (gender)
        QTest::mouseClick(genders, Qt::LeftButton, {}, genders->cellRect(*gender).center());
    if (tone)
        QTest::mouseClick(tones, Qt::LeftButton, {}, tones->swatchRect(*tone).center());
}

QColor buttonColour(QPushButton& button) {
    return static_cast<AppButtonStyle*>(button.style())->color();
}

// The mean lightness of a frame, 0 (black) to 255 (white).
int lightness(const QImage& frame) {
    const QImage small = frame.scaled(40, 31).convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x)
            sum += QColor(small.pixel(x, y)).lightness();
    }
    return int(sum / (small.width() * small.height()));
}

QString sourceName(QMediaPlayer* player) {
    return player ? player->source().fileName() : QString();
}

// Every message that passes the logging rules while it exists, as
// "type: text"; the program's own and Qt's.
class MessageLog {
public:
    MessageLog() {
        s_messages.clear();
        m_previous = qInstallMessageHandler(record);
    }
    ~MessageLog() { qInstallMessageHandler(m_previous); }
    QStringList messages() const { return s_messages; }

private:
    static void record(QtMsgType type, const QMessageLogContext&, const QString& text) {
        static const char* const types[] = {"debug", "warning", "critical", "fatal", "info"};
        // The offscreen platform cannot raise a window, and has no GPU for
        // the video's frames: neither is the video's doing.
        if (text.contains("does not support raise()") || text.contains("No RHI backend"))
            return;
        s_messages << QString::fromLatin1(types[type]) + ": " + text;
    }
    static inline QStringList s_messages;
    QtMessageHandler m_previous;
};

} // namespace

class WelcomeTest : public QObject {
    Q_OBJECT

private slots:

    void theInstallButtonNeedsAnAppearanceAndATone_data() {
        QTest::addColumn<std::optional<Gender>>("gender");
        QTest::addColumn<std::optional<Tone>>("tone");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nothing chosen")
            << std::optional<Gender>() << std::optional<Tone>() << false;
        QTest::newRow("only a tone")
            << std::optional<Gender>() << std::optional(Tone::dark) << false;
        QTest::newRow("only an appearance")
            << std::optional(Gender::female) << std::optional<Tone>() << false;
        QTest::newRow("both") << std::optional(Gender::female) << std::optional(Tone::yellow)
                              << true;
    }
    void theInstallButtonNeedsAnAppearanceAndATone() {
        QFETCH(std::optional<Gender>, gender);
        QFETCH(std::optional<Tone>, tone);
        QFETCH(bool, enabled);
        Fixture fixture;
        WelcomeView* view = fixture.open();
        QVERIFY(view);
        choose(*view, gender, tone);
        QPushButton* button = installButton(*view);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(buttonColour(*button), enabled ? brandAccentColor() : QColor(Qt::gray));
        if (enabled)
            return;
        QTest::mouseClick(button, Qt::LeftButton);
        // An installation is busy from its start.
        QVERIFY(!view->installButton().isBusy());
        QCOMPARE(fixture.presets.preset.installedConfiguration(), std::nullopt);
        QVERIFY(fixture.presets.service.calls().isEmpty());
        QVERIFY(fixture.windowManager.welcomeWindow());
    }

    void installingEndsTheWelcomeFlow() {
        Fixture fixture;
        WelcomeView* view = fixture.open();
        choose(*view, Gender::person, Tone::medium);
        QTest::mouseClick(installButton(*view), Qt::LeftButton);
        const PresetConfiguration installed{Gender::person, Tone::medium, std::nullopt};
        QTRY_COMPARE(fixture.presets.preset.installedConfiguration(), installed);
        QTRY_VERIFY(!fixture.windowManager.welcomeWindow());
        QCOMPARE(fixture.defaults.value(SettingsKeys::isWelcomeWasPresented), QByteArray("true"));
        QVERIFY(!fixture.presets.service.currentEntries().isEmpty());
    }

    void clicksWhileAnInstallationRunsStartNoOther() {
        Fixture fixture;
        WelcomeView* view = fixture.open();
        choose(*view, Gender::person, Tone::medium);
        QSignalSpy installations(&fixture.presets.preset, &Preset::installedConfigurationChanged);
        // The list holds the installation until the last click is in.
        QSemaphore gate;
        fixture.presets.service.beforeAdding = [&gate] {
            gate.acquire();
            gate.release();
        };
        QPushButton* button = installButton(*view);
        QTest::mouseClick(button, Qt::LeftButton);
        const BusyButton& install = view->installButton();
        QVERIFY(install.isBusy());
        QCOMPARE(static_cast<QGraphicsOpacityEffect*>(button->graphicsEffect())->opacity(), 0.5);
        QVERIFY(install.indicator().isVisible());
        for (int click = 0; click < 3; ++click)
            QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(button, Qt::Key_Space);
        gate.release();
        QTRY_VERIFY(!fixture.windowManager.welcomeWindow());
        // One more installation runs after any still queued (the background
        // thread and the registry take work in order): once it is back, one
        // started by the other clicks would have been counted.
        waitForTask(fixture.presets.preset.install({Gender::person, Tone::medium, std::nullopt}));
        QCOMPARE(installations.count(), 2);
    }

    void aFailedInstallationShowsTheErrorAndKeepsBothChoices_data() {
        QTest::addColumn<QString>("dismissal");
        QTest::newRow("the alert dismissed with OK") << "OK";
        QTest::newRow("the alert dismissed with the Escape key") << "Escape";
    }
    void aFailedInstallationShowsTheErrorAndKeepsBothChoices() {
        QFETCH(QString, dismissal);
        Fixture fixture;
        fixture.presets.service.errorTexts.insert(7, "The replacement list is read-only");
        fixture.presets.service.failCall({7, {}, {}});
        WelcomeView* view = fixture.open();
        choose(*view, Gender::male, Tone::light);
        QTest::mouseClick(installButton(*view), Qt::LeftButton);
        QTRY_VERIFY(view->errorAlert());
        QMessageBox* alert = view->errorAlert();
        QTRY_VERIFY(alert->isVisible());
        QCOMPARE(alert->windowTitle(), "Error");
        QCOMPARE(alert->text(), "The replacement list is read-only");
        QCOMPARE(alert->buttons().size(), 1);
        QCOMPARE(alert->buttons().first()->text().remove('&'), "OK");

        if (dismissal == "OK")
            QTest::mouseClick(alert->buttons().first(), Qt::LeftButton);
        else
            QTest::keyClick(alert, Qt::Key_Escape);
        QTRY_VERIFY(!view->errorAlert());
        QVERIFY(fixture.windowManager.welcomeWindow()->isVisible());
        QCOMPARE(view->findChild<GenderPicker*>()->selection(), Gender::male);
        QCOMPARE(view->findChild<TonePicker*>()->selection(), Tone::light);
        QVERIFY(installButton(*view)->isEnabled());
        QVERIFY(!view->installButton().isBusy());
        QCOMPARE(fixture.presets.preset.installedConfiguration(), std::nullopt);

        // Another try goes through.
        QTest::mouseClick(installButton(*view), Qt::LeftButton);
        QTRY_VERIFY(!fixture.windowManager.welcomeWindow());
        QCOMPARE(fixture.presets.preset.installedConfiguration(),
                 (PresetConfiguration{Gender::male, Tone::light, std::nullopt}));
    }

    void theOpenAtLoginSwitchActsAtOnce() {
        Fixture fixture;
        WelcomeView* view = fixture.open();
        auto* toggle = view->findChild<LaunchAtLogin::Toggle*>();
        QVERIFY(toggle->text().isEmpty());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(fixture.loginItems.enabled);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(fixture.loginItems.assignments, (QList<bool>{true, false}));
        QVERIFY(fixture.presets.service.calls().isEmpty());
    }

    void theOpenAtLoginSwitchTakesTheAccentColour_data() {
        QTest::addColumn<bool>("useSystemColor");
        QTest::newRow("the brand yellow") << false;
        QTest::newRow("the desktop's highlight colour") << true;
    }
    void theOpenAtLoginSwitchTakesTheAccentColour() {
        QFETCH(bool, useSystemColor);
        Fixture fixture;
        fixture.preferences.setUseSystemColor(useSystemColor);
        WelcomeView* view = fixture.open();
        auto* toggle = view->findChild<LaunchAtLogin::Toggle*>();
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(toggle->isChecked());
        // The track's left end, clear of the knob that sits right when on.
        const QImage image = toggle->grab().toImage();
        const QColor track = image.pixelColor(toggle->width() - 32, toggle->height() / 2);
        QCOMPARE(track, appAccentColor(useSystemColor));
    }

    void theModelKeepsOnePlayerForTheSchemeItWasMadeFor() {
        ResourceFolder resources(TESSELLE_SOURCE_RESOURCES);
        WelcomeViewModel model(resources);
        // The backend that plays H.264 without GStreamer plugins.
        QCOMPARE(qgetenv("QT_MEDIA_BACKEND"), "ffmpeg");
        QMediaPlayer* light = model.player(ColorScheme::light);
        QCOMPARE(sourceName(light), "intro-light.mp4");
        QCOMPARE(model.player(ColorScheme::light), light);
        QMediaPlayer* dark = model.player(ColorScheme::dark);
        QCOMPARE(sourceName(dark), "intro-dark.mp4");
        QCOMPARE(model.scheme(), ColorScheme::dark);
        QCOMPARE(model.player(ColorScheme::dark), dark);
        QCOMPARE(sourceName(model.player(ColorScheme::light)), "intro-light.mp4");
        // Made for playing at once, and only once.
        QCOMPARE(model.player(ColorScheme::light)->loops(), 1);
    }

    void theVideoPlaysAndFollowsTheDesktopAppearance() {
        Fixture fixture;
        WelcomeView* view = fixture.open();
        auto* player = view->findChild<PlayerView*>();
        QCOMPARE(player->height(), 310);
        QCOMPARE(view->width(), 400);
        QTRY_VERIFY_WITH_TIMEOUT(!player->currentFrame().isNull(), 10000);
        QCOMPARE(player->currentFrame().size(), QSize(800, 620));
        QVERIFY2(lightness(player->currentFrame()) > 180,
                 qPrintable(QString::number(lightness(player->currentFrame()))));
        QCOMPARE(sourceName(player->player()), "intro-light.mp4");

        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x1E, 0x1E, 0x1E));
        dark.setColor(QPalette::WindowText, Qt::white);
        QApplication::setPalette(dark);
        QTRY_COMPARE(sourceName(player->player()), "intro-dark.mp4");
        QTRY_VERIFY_WITH_TIMEOUT(
            !player->currentFrame().isNull() && lightness(player->currentFrame()) < 80, 10000);

        QApplication::setPalette(light);
        QTRY_COMPARE(sourceName(player->player()), "intro-light.mp4");
        QTRY_VERIFY_WITH_TIMEOUT(
            !player->currentFrame().isNull() && lightness(player->currentFrame()) > 180, 10000);
    }

    // Qt Multimedia's probing for codecs and decoders stays quiet; a video
    // that cannot play says so.
    void startingTheVideoLogsOnlyFailures_data() {
        QTest::addColumn<QByteArray>("video");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("the shipped video") << QByteArray() << QStringList();
        QTest::newRow("a file that is no video")
            << QByteArray("not a video")
            << QStringList{"warning: The video intro-light does not play: Could not open file"};
    }
    void startingTheVideoLogsOnlyFailures() {
        QFETCH(QByteArray, video);
        QFETCH(QStringList, messages);
        QTemporaryDir folder;
        QString videos = TESSELLE_SOURCE_RESOURCES;
        if (!video.isEmpty()) {
            videos = folder.path();
            QFile file(folder.filePath("intro-light.mp4"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(video);
        }
        Fixture fixture(videos);
        const MessageLog log;
        WelcomeView* view = fixture.open();
        if (video.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(!view->findChild<PlayerView*>()->currentFrame().isNull(),
                                     10000);
        QTRY_COMPARE_WITH_TIMEOUT(log.messages(), messages, 10000);
    }

    void theVideoPlaysOnceAndStopsOnItsLastFrame() {
        Fixture fixture;
        WelcomeView* view = fixture.open();
        auto* player = view->findChild<PlayerView*>();
        QTRY_VERIFY_WITH_TIMEOUT(!player->currentFrame().isNull(), 10000);
        // The end is what this is about: the rest of the clip is skipped.
        QVERIFY(player->player()->duration() > 500);
        player->player()->setPosition(player->player()->duration() - 300);
        QTRY_COMPARE_WITH_TIMEOUT(player->player()->mediaStatus(), QMediaPlayer::EndOfMedia, 15000);
        // A player told to play again would be playing by now.
        processPendingEvents();
        QCOMPARE(player->player()->playbackState(), QMediaPlayer::StoppedState);
        QVERIFY(!player->currentFrame().isNull());
    }

    void withoutTheVideosTheRestOfTheWindowWorks() {
        QTemporaryDir empty;
        Fixture fixture(empty.path());
        WelcomeView* view = fixture.open();
        QVERIFY(view);
        auto* player = view->findChild<PlayerView*>();
        QVERIFY(!player->player());
        choose(*view, Gender::female, Tone::mediumDark);
        QTest::mouseClick(installButton(*view), Qt::LeftButton);
        QTRY_VERIFY(!fixture.windowManager.welcomeWindow());
    }
};

TESSELLE_TEST_MAIN(WelcomeTest, QApplication)
#include "tst_welcome.moc"
