// The shell on a real X11 desktop, for run-desktop-tests.sh: the tray icon, the
// panel and the program's single instance, with one emoji cell standing in for
// the picker grid (💃, or the one after --emoji); plus a text field to paste
// into, a paste without X11, and whether the display has a tray yet; and
// another program that holds a key.

#include "Fakes.h"
#include "PlaceholderView.h"
#include "app/AppManager.h"
#include "app/SingleInstance.h"
#include "app/WindowManager.h"
#include "platform/MessageError.h"
#include "platform/linux/QtClipboardPasteboard.h"
#include "platform/linux/ResourceFolder.h"
#include "platform/linux/StandardOutput.h"
#include "platform/linux/X11GlobalShortcut.h"
#include "platform/linux/X11PasteService.h"
#include "settings/Preferences.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSystemTrayIcon>
#include <QWindow>

namespace {

const QString emoji = QStringLiteral("💃");

// A double click copies the emoji and, with autopaste on, pastes it: what the
// picker grid does. Says how long the paste held the event loop.
class EmojiCell : public QLabel {
public:
    EmojiCell(const QString& symbol, AppManager& appManager, Preferences& preferences,
              StandardOutput& output)
        : QLabel(symbol), m_appManager(appManager), m_preferences(preferences), m_output(output) {
        setAlignment(Qt::AlignCenter);
        setFixedSize(360, 480);
        QFont font = this->font();
        font.setPointSize(48);
        setFont(font);
    }

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override {
        m_appManager.copy(text());
        if (!m_preferences.autoPaste())
            return;
        QElapsedTimer held;
        held.start();
        m_appManager.paste();
        m_output.writeLine(
            QStringLiteral("TIMING paste held the event loop: %1 ms").arg(held.elapsed()));
    }

private:
    AppManager& m_appManager;
    Preferences& m_preferences;
    StandardOutput& m_output;
};

// Prints when the tray icon is first on screen, counted from the start, and when
// the panel is on screen after each click on the icon: the window system's
// exposure of their windows, without the polling of the test script.
class ExposureClock : public QObject {
public:
    ExposureClock(StandardOutput& output) : m_output(output) { m_sinceStart.start(); }
    void clicked() { m_sinceClick.start(); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(object);
        if (event->type() != QEvent::Expose || !window)
            return false;
        const bool trayIcon = window->width() <= 64;
        // A click that closed the panel starts nothing.
        if (!window->isExposed()) {
            if (!trayIcon)
                m_sinceClick.invalidate();
            return false;
        }
        if (trayIcon && !m_trayShown) {
            m_trayShown = true;
            m_output.writeLine(QStringLiteral("TIMING start to tray icon shown: %1 ms")
                                   .arg(m_sinceStart.elapsed()));
        } else if (!trayIcon && m_sinceClick.isValid()) {
            m_output.writeLine(
                QStringLiteral("TIMING click to panel shown: %1 ms").arg(m_sinceClick.elapsed()));
            m_sinceClick.invalidate();
        }
        return false;
    }

private:
    StandardOutput& m_output;
    QElapsedTimer m_sinceStart;
    QElapsedTimer m_sinceClick;
    bool m_trayShown = false;
};

int runShell(QApplication& app, const QString& symbol, bool autoPaste, ExposureClock& clock) {
    StandardOutput output;
    SingleInstance instance(SingleInstance::defaultSocketPath("io.tesselle.DesktopDriver"),
                            QDir::tempPath() + "/io.tesselle.DesktopDriver.lock", output);
    if (instance.claim() != SingleInstance::Claim::first)
        return 0;
    FakeDefaultsStore defaults;
    FakeLoginItemService loginItems;
    Preferences preferences(defaults, loginItems);
    preferences.setAutoPaste(autoPaste);
    QtClipboardPasteboard pasteboard;
    X11PasteService pasteService;
    AppManager appManager(pasteboard, pasteService, output);
    ResourceFolder resources = ResourceFolder::besideApplication();
    auto placeholder = [](WindowManager&) -> std::unique_ptr<QWidget> {
        return std::make_unique<PlaceholderView>("Placeholder", QSize(300, 200));
    };
    WindowManager windowManager(preferences, defaults, appManager, resources,
                                {[&](WindowManager&) {
                                     return std::make_unique<EmojiCell>(symbol, appManager,
                                                                        preferences, output);
                                 },
                                 placeholder, placeholder});
    QObject::connect(&instance, &SingleInstance::toggleRequested, &windowManager,
                     &WindowManager::menuButtonToggle);
    QObject::connect(&windowManager.statusItem(), &QSystemTrayIcon::activated, &clock,
                     &ExposureClock::clicked);
    app.installEventFilter(&clock);
    windowManager.setupStatusItem();
    return app.exec();
}

int runPasteTarget(QApplication& app) {
    StandardOutput output;
    QLineEdit field;
    field.setWindowTitle("Paste target");
    field.setGeometry(100, 400, 300, 40);
    QObject::connect(&field, &QLineEdit::textChanged,
                     [&output](const QString& text) { output.writeLine("text: " + text); });
    field.show();
    return app.exec();
}

int pasteWithoutDisplay() {
    StandardOutput output;
    QtClipboardPasteboard pasteboard;
    X11PasteService pasteService;
    AppManager appManager(pasteboard, pasteService, output);
    appManager.copy(emoji);
    appManager.rememberActiveWindow();
    appManager.paste();
    output.writeLine("clipboard: " + QGuiApplication::clipboard()->text());
    return 0;
}

// Holds the key before Tesselle starts, as another program would; given
// several keys, binds each in turn in place of the one before, saying each.
int holdKeys(QApplication& app, const QStringList& keys) {
    StandardOutput output;
    X11GlobalShortcut shortcut;
    bool holding = false;
    for (const QString& key : keys) {
        try {
            shortcut.bind(key, [&output] { output.writeLine("pressed"); });
            output.writeLine("holding " + key);
            holding = true;
        } catch (const MessageError& error) {
            output.writeLine(error.message());
        }
    }
    return holding ? app.exec() : 1;
}

} // namespace

int main(int argc, char** argv) {
    StandardOutput output;
    ExposureClock clock(output);
    QApplication app(argc, argv);
    app.setApplicationName("tesselle-driver");
    app.setQuitOnLastWindowClosed(false);
    const QStringList arguments = app.arguments();
    if (arguments.contains("--paste-target"))
        return runPasteTarget(app);
    if (arguments.contains("--paste-without-display"))
        return pasteWithoutDisplay();
    // Whether the display has a tray to show icons in yet.
    if (arguments.contains("--tray-available"))
        return QSystemTrayIcon::isSystemTrayAvailable() ? 0 : 1;
    QStringList keys;
    for (qsizetype at = arguments.indexOf("--hold-key"); at >= 0 && at + 1 < arguments.size();
         at = arguments.indexOf("--hold-key", at + 2))
        keys << arguments[at + 1];
    if (!keys.isEmpty())
        return holdKeys(app, keys);
    const qsizetype symbolAt = arguments.indexOf("--emoji");
    const QString symbol =
        symbolAt >= 0 && symbolAt + 1 < arguments.size() ? arguments[symbolAt + 1] : emoji;
    return runShell(app, symbol, arguments.contains("--autopaste"), clock);
}
