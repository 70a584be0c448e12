#include "app/TrayMenu.h"

#include "platform/WindowPlacer.h"
#include "ui/picker/PanelPlacement.h"

#include <QCoreApplication>

TrayMenu::TrayMenu(WindowPlacer* placer, QObject* parent)
    : QObject(parent), m_placer(placer), m_open(tr("Open Tesselle")), m_settings(tr("Settings…")),
      m_quit(tr("Quit")) {
    // Also how the window placer finds the menu's window.
    m_menu.setWindowTitle(tr("Tesselle menu"));
    m_menu.addAction(&m_open);
    m_menu.addAction(&m_settings);
    m_menu.addSeparator();
    m_menu.addAction(&m_quit);
    connect(&m_open, &QAction::triggered, this, &TrayMenu::openRequested);
    connect(&m_settings, &QAction::triggered, this, &TrayMenu::settingsRequested);
    connect(&m_quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void TrayMenu::popupAt(QPoint at) {
    if (m_placer) {
        // A Wayland compositor tiles a menu without a parent window like any
        // window, unless its size is fixed; without the frame it shows as a
        // menu, which the compositor then moves next to the click.
        m_menu.setWindowFlag(Qt::FramelessWindowHint);
        m_menu.setFixedSize(m_menu.sizeHint());
        m_placer->placeWhenShown(
            m_menu.windowTitle(), at, [](QPoint anchor, QSize window, QRect freeArea) {
                return panelPosition(QRect(anchor, QSize(1, 1)), window, freeArea);
            });
    }
    m_menu.popup(at);
}
