#include "platform/linux/StatusNotifierItem.h"

#include "platform/linux/DBusMenuAdaptor.h"
#include "platform/linux/StatusNotifierItemAdaptor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QIcon>
#include <QImage>
#include <QtEndian>

namespace {

// The sizes hosts draw tray icons at; each picks the nearest.
constexpr int pixmapSizes[] = {16, 22, 24, 32, 48, 64};

TrayIconPixmaps pixmapsOf(const QIcon& icon) {
    TrayIconPixmaps pixmaps;
    for (int size : pixmapSizes) {
        QImage image = icon.pixmap(size, size).toImage();
        if (image.isNull())
            continue;
        image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_ARGB32);
        TrayIconPixmap pixmap{image.width(), image.height(), {}};
        pixmap.argb.resize(qsizetype(image.width()) * image.height() * 4);
        auto* out = reinterpret_cast<quint32*>(pixmap.argb.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian(line[x]);
        }
        pixmaps.append(pixmap);
    }
    return pixmaps;
}

} // namespace

StatusNotifierItem::StatusNotifierItem(QDBusConnection bus, const QString& id, const QString& title,
                                       const QList<QAction*>& menu, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)), m_id(id), m_title(title),
      m_serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-1")
                        .arg(QCoreApplication::applicationPid())) {
    registerStatusNotifierTypes();
    m_toolTip.title = title;
    new StatusNotifierItemAdaptor(*this);
    new DBusMenuAdaptor(&m_menuObject, menu);
}

StatusNotifierItem::~StatusNotifierItem() {
    if (!m_shown)
        return;
    m_bus.unregisterObject(itemPath);
    m_bus.unregisterObject(menuPath);
    m_bus.unregisterService(m_serviceName);
}

bool StatusNotifierItem::isWatcherOn(const QDBusConnection& bus) {
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(watcherService).value();
}

void StatusNotifierItem::show() {
    if (m_shown || !m_bus.isConnected())
        return;
    m_shown = true;
    m_bus.registerObject(itemPath, this, QDBusConnection::ExportAdaptors);
    m_bus.registerObject(menuPath, &m_menuObject, QDBusConnection::ExportAdaptors);
    m_bus.registerService(m_serviceName);
    m_watcher = std::make_unique<QDBusServiceWatcher>(watcherService, m_bus,
                                                      QDBusServiceWatcher::WatchForOwnerChange);
    connect(m_watcher.get(), &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& owner) {
                setRegistered(false);
                if (!owner.isEmpty())
                    registerWithWatcher();
            });
    registerWithWatcher();
}

void StatusNotifierItem::registerWithWatcher() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService,
        QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    auto* reply = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        setRegistered(!call->isError());
    });
}

void StatusNotifierItem::setRegistered(bool registered) {
    if (registered == m_registered)
        return;
    m_registered = registered;
    emit registeredChanged(registered);
}

void StatusNotifierItem::setIcon(const QIcon& icon) {
    m_pixmaps = pixmapsOf(icon);
    emit iconChanged();
}

void StatusNotifierItem::setToolTip(const QString& title, const QString& text) {
    m_toolTip.title = title;
    m_toolTip.text = text;
    emit toolTipChanged();
}

void StatusNotifierItem::activate(int x, int y) {
    emit activated(QPoint(x, y));
}

void StatusNotifierItem::contextMenu(int x, int y) {
    emit contextMenuRequested(QPoint(x, y));
}
