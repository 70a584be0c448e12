#pragma once

#include "platform/linux/StatusNotifierTypes.h"

#include <QDBusConnection>
#include <QObject>
#include <QPoint>
#include <memory>

class QAction;
class QDBusServiceWatcher;
class QIcon;

// The tray icon as a StatusNotifierItem of its own on the session bus, with
// its menu as com.canonical.dbusmenu. Where a host's watcher is on the bus
// (swaybar's tray, KDE Plasma, waybar, the AppIndicator extension of GNOME),
// the host shows it and tells where a click on it was, which Qt's own tray
// icon keeps to itself. It registers again whenever a watcher appears.
class StatusNotifierItem : public QObject {
    Q_OBJECT
public:
    static inline const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
    static inline const QString itemPath = QStringLiteral("/StatusNotifierItem");
    static inline const QString menuPath = QStringLiteral("/MenuBar");

    // id and title name the program to the host; the actions are the menu's
    // entries and belong to the caller.
    StatusNotifierItem(QDBusConnection bus, const QString& id, const QString& title,
                       const QList<QAction*>& menu, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // Whether a watcher is on the bus now: asks the bus and waits for its answer.
    static bool isWatcherOn(const QDBusConnection& bus);

    // Offers the item on the bus and registers it with the watcher, now and
    // whenever one appears.
    void show();
    // Whether the watcher has taken the item.
    bool isRegistered() const { return m_registered; }
    const QString& serviceName() const { return m_serviceName; }

    const QString& id() const { return m_id; }
    const QString& title() const { return m_title; }
    const TrayIconPixmaps& iconPixmaps() const { return m_pixmaps; }
    const TrayToolTip& toolTip() const { return m_toolTip; }
    void setIcon(const QIcon& icon);
    void setToolTip(const QString& title, const QString& text);

    // From the host, through the adaptor.
    void activate(int x, int y);
    void contextMenu(int x, int y);

signals:
    // A primary click (or Return) on the icon, at that point of the screen;
    // a null point where the host tells none.
    void activated(QPoint at);
    // A secondary click or the menu key on a host that shows no menus itself.
    void contextMenuRequested(QPoint at);
    void registeredChanged(bool registered);
    void iconChanged();
    void toolTipChanged();

private:
    void registerWithWatcher();
    void setRegistered(bool registered);

    QDBusConnection m_bus;
    QString m_id;
    QString m_title;
    QString m_serviceName;
    TrayIconPixmaps m_pixmaps;
    TrayToolTip m_toolTip;
    // The object the menu's interface is exported on.
    QObject m_menuObject;
    std::unique_ptr<QDBusServiceWatcher> m_watcher;
    bool m_shown = false;
    bool m_registered = false;
};
