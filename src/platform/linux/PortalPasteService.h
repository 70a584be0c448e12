#pragma once

#include "platform/PasteService.h"
#include "platform/linux/DBusSignal.h"
#include "settings/StoredSetting.h"

#include <QDBusConnection>

// Paste through the desktop portal's RemoteDesktop interface (GNOME, KDE
// Plasma, and any desktop whose portal backend offers it): a session with the
// keyboard alone, asked for at the first paste and kept for the run, types
// Ctrl+V into the focused window. The desktop asks the user first. Where the
// interface is version 2 or later the session is kept across runs: the
// portal's restore token stays in the settings, so later runs do not ask.
// Version 1 asks in every session.
//
// The portal gives no way to know which window has the focus, so a terminal
// gets Ctrl+V too. Its keyboard takes key symbols, which the desktop finds on
// its layout: the keys of Ctrl+V are on every layout, an emoji is on none.
class PortalPasteService : public PasteService {
public:
    PortalPasteService(QDBusConnection bus, DefaultsStore& settings);

    // Reads the interface's version and whether it offers a keyboard.
    void prepare() override;
    void rememberActiveWindow() override {}
    QCoro::Task<> pasteIntoRememberedWindow(QString text) override;
    void activateWindow(quintptr) override {}
    bool pastesIntoFocusedWindow() const override { return true; }
    QString unavailableReason() const override { return m_unavailable; }
    QString permissionNote() const override;

private:
    QCoro::Task<> startSession();
    QCoro::Task<> pressCtrlV();
    QVariantMap deviceOptions() const;

    QDBusConnection m_bus;
    StoredSetting<QString> m_restoreToken;
    uint m_version = 0;
    QString m_unavailable;
    // The running session's handle; empty before the first paste and after
    // the desktop closed it.
    QString m_session;
    bool m_starting = false;
    DBusSignal m_sessionClosed;
};
