#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>

class WindowPlacer;

// The tray icon's menu: "Open Tesselle", "Settings…" and "Quit". The X11 tray
// shows it on a right-click; a StatusNotifierItem host shows it itself, from
// the actions, or asks for it at a point (a right-click or the menu key on
// swaybar). Quit ends the event loop, so the program quits in order.
class TrayMenu : public QObject {
    Q_OBJECT
public:
    // placer is null where the window system places menus itself (X11).
    explicit TrayMenu(WindowPlacer* placer, QObject* parent = nullptr);

    QMenu& menu() { return m_menu; }
    QList<QAction*> actions() { return {&m_open, &m_settings, &m_quit}; }

    // Shows the menu next to that point of the screen, within the free area
    // of its output.
    void popupAt(QPoint at);

signals:
    void openRequested();
    void settingsRequested();

private:
    WindowPlacer* m_placer;
    QAction m_open;
    QAction m_settings;
    QAction m_quit;
    QMenu m_menu;
};
