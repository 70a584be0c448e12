#include "PrivateSessionBus.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/linux/StatusNotifierItem.h"

#include <QAction>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

namespace {

// A tray host's watcher as the items meet it: it records who registered.
class StandInWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
public:
    QStringList registered;

public slots:
    void RegisterStatusNotifierItem(const QString& service) { registered.append(service); }
};

// Calls the item from the host's connection; the item answers on this
// thread's event loop, so the call is waited for with it.
QDBusMessage call(QDBusConnection& host, const QString& service, const QString& path,
                  const QString& interface, const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    QDBusPendingCall reply = host.asyncCall(message);
    waitUntil([&] { return reply.isFinished(); });
    return reply.reply();
}

QDBusMessage callItem(QDBusConnection& host, const StatusNotifierItem& item, const QString& method,
                      const QVariantList& arguments) {
    return call(host, item.serviceName(), StatusNotifierItem::itemPath,
                QStringLiteral("org.kde.StatusNotifierItem"), method, arguments);
}

QDBusMessage callMenu(QDBusConnection& host, const StatusNotifierItem& item, const QString& method,
                      const QVariantList& arguments) {
    return call(host, item.serviceName(), StatusNotifierItem::menuPath,
                QStringLiteral("com.canonical.dbusmenu"), method, arguments);
}

QVariant itemProperty(QDBusConnection& host, const StatusNotifierItem& item, const QString& name) {
    const QDBusMessage reply =
        call(host, item.serviceName(), StatusNotifierItem::itemPath,
             QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
             {QStringLiteral("org.kde.StatusNotifierItem"), name});
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

// The program's menu, with an item on the private bus.
struct Fixture {
    explicit Fixture(PrivateSessionBus& bus)
        : host(bus.connect()), item(bus.connect(), QStringLiteral("tesselle"),
                                    QStringLiteral("Tesselle"), {&open, &settings, &quit}) {}
    // The next test's bus has no watcher.
    ~Fixture() { host.unregisterService(StatusNotifierItem::watcherService); }

    // Registers the stand-in watcher on the host's connection.
    void startWatcher() {
        host.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllSlots);
        host.registerService(StatusNotifierItem::watcherService);
    }

    QAction open{QStringLiteral("Open Tesselle")};
    QAction settings{QStringLiteral("Settings\u2026")};
    QAction quit{QStringLiteral("&Quit")};
    StandInWatcher watcher;
    QDBusConnection host;
    StatusNotifierItem item;
};

} // namespace

class StatusNotifierItemTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (m_bus.address().isEmpty())
            QSKIP("dbus-daemon is missing");
    }

    void theItemRegistersWithTheWatcherNowOrWhenOneComes_data() {
        QTest::addColumn<bool>("watcherFirst");
        QTest::addColumn<bool>("watcherRestarts");
        QTest::newRow("a watcher on the bus before the item") << true << false;
        QTest::newRow("a watcher that comes after it") << false << false;
        QTest::newRow("a watcher that goes and comes back") << true << true;
    }
    void theItemRegistersWithTheWatcherNowOrWhenOneComes() {
        QFETCH(bool, watcherFirst);
        QFETCH(bool, watcherRestarts);
        Fixture fixture(m_bus);
        QCOMPARE(StatusNotifierItem::isWatcherOn(fixture.host), false);
        if (watcherFirst)
            fixture.startWatcher();
        QCOMPARE(StatusNotifierItem::isWatcherOn(fixture.host), watcherFirst);
        fixture.item.show();
        if (!watcherFirst) {
            QVERIFY(!fixture.item.isRegistered());
            fixture.startWatcher();
        }
        QVERIFY(waitUntil([&] { return fixture.item.isRegistered(); }));
        QCOMPARE(fixture.watcher.registered, QStringList{fixture.item.serviceName()});
        if (watcherRestarts) {
            fixture.host.unregisterService(StatusNotifierItem::watcherService);
            QVERIFY(waitUntil([&] { return !fixture.item.isRegistered(); }));
            fixture.host.registerService(StatusNotifierItem::watcherService);
            QVERIFY(waitUntil([&] { return fixture.item.isRegistered(); }));
            QCOMPARE(fixture.watcher.registered.size(), 2);
        }
    }

    void hostsReadWhatTheItemShows() {
        Fixture fixture(m_bus);
        QPixmap red(64, 64);
        red.fill(Qt::red);
        fixture.item.setIcon(QIcon(red));
        fixture.item.setToolTip(QStringLiteral("Tesselle"), QStringLiteral("espanso is stopped"));
        fixture.item.show();
        QDBusConnection& host = fixture.host;
        QCOMPARE(itemProperty(host, fixture.item, "Id").toString(), "tesselle");
        QCOMPARE(itemProperty(host, fixture.item, "Title").toString(), "Tesselle");
        QCOMPARE(itemProperty(host, fixture.item, "Status").toString(), "Active");
        QCOMPARE(itemProperty(host, fixture.item, "ItemIsMenu").toBool(), false);
        QCOMPARE(itemProperty(host, fixture.item, "Menu").value<QDBusObjectPath>().path(),
                 StatusNotifierItem::menuPath);
        const auto pixmaps =
            qdbus_cast<TrayIconPixmaps>(itemProperty(host, fixture.item, "IconPixmap"));
        QList<int> sizes;
        for (const TrayIconPixmap& pixmap : pixmaps) {
            sizes.append(pixmap.width);
            QCOMPARE(pixmap.argb.size(), pixmap.width * pixmap.height * 4);
        }
        QCOMPARE(sizes, (QList<int>{16, 22, 24, 32, 48, 64}));
        // Alpha, red, green, blue, in network byte order.
        QCOMPARE(pixmaps.first().argb.left(4), QByteArray("\xff\xff\x00\x00", 4));
        const auto toolTip = qdbus_cast<TrayToolTip>(itemProperty(host, fixture.item, "ToolTip"));
        QCOMPARE(toolTip.title, "Tesselle");
        QCOMPARE(toolTip.text, "espanso is stopped");
    }

    void clicksReachTheProgramWithTheirPoint_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("activations");
        QTest::addColumn<int>("menuRequests");
        QTest::newRow("a click on swaybar's tray at the bottom right")
            << "Activate" << QPoint(1269, 1011) << 1 << 0;
        QTest::newRow("a host that tells no point") << "Activate" << QPoint(0, 0) << 1 << 0;
        QTest::newRow("a right-click or the menu key") << "ContextMenu" << QPoint(5, 6) << 0 << 1;
        QTest::newRow("a middle click does nothing")
            << "SecondaryActivate" << QPoint(5, 6) << 0 << 0;
    }
    void clicksReachTheProgramWithTheirPoint() {
        QFETCH(QString, method);
        QFETCH(QPoint, at);
        QFETCH(int, activations);
        QFETCH(int, menuRequests);
        Fixture fixture(m_bus);
        fixture.item.show();
        QSignalSpy activated(&fixture.item, &StatusNotifierItem::activated);
        QSignalSpy menuRequested(&fixture.item, &StatusNotifierItem::contextMenuRequested);
        const QDBusMessage reply = callItem(fixture.host, fixture.item, method, {at.x(), at.y()});
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(activated.size(), activations);
        QCOMPARE(menuRequested.size(), menuRequests);
        for (const QSignalSpy* spy : {&activated, &menuRequested}) {
            if (!spy->isEmpty())
                QCOMPARE(spy->first().first().toPoint(), at);
        }
    }

    void theMenuListsTheEntriesAndAClickTriggersOne() {
        Fixture fixture(m_bus);
        fixture.item.show();
        QDBusConnection& host = fixture.host;
        const QDBusMessage layout =
            callMenu(host, fixture.item, "GetLayout", {0, -1, QStringList()});
        QCOMPARE(layout.type(), QDBusMessage::ReplyMessage);
        const auto root = qdbus_cast<DBusMenuLayoutItem>(layout.arguments().value(1));
        QStringList labels;
        for (const DBusMenuLayoutItem& child : root.children)
            labels.append(child.properties.value("label").toString());
        QCOMPARE(labels, (QStringList{"Open Tesselle", "Settings\u2026", "_Quit"}));
        const QDBusMessage group = callMenu(
            host, fixture.item, "GetGroupProperties",
            {QVariant::fromValue(QList<int>{3, 99}), QStringList{QStringLiteral("label")}});
        const auto items = qdbus_cast<QList<DBusMenuItem>>(group.arguments().value(0));
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first().id, 3);
        QCOMPARE(items.first().properties, (QVariantMap{{"label", "_Quit"}}));

        QSignalSpy settings(&fixture.settings, &QAction::triggered);
        QSignalSpy open(&fixture.open, &QAction::triggered);
        const QVariant noData = QVariant::fromValue(QDBusVariant(QString()));
        callMenu(host, fixture.item, "Event", {2, QStringLiteral("hovered"), noData, 0u});
        callMenu(host, fixture.item, "Event", {2, QStringLiteral("clicked"), noData, 0u});
        QVERIFY(waitUntil([&] { return settings.size() == 1; }));
        QCOMPARE(open.size(), 0);

        DBusMenuEvents events{{1, QStringLiteral("clicked"), QDBusVariant(QString()), 0},
                              {99, QStringLiteral("clicked"), QDBusVariant(QString()), 0}};
        const QDBusMessage errors =
            callMenu(host, fixture.item, "EventGroup", {QVariant::fromValue(events)});
        QCOMPARE(errors.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(qdbus_cast<QList<int>>(errors.arguments().value(0)), QList<int>{99});
        QVERIFY(waitUntil([&] { return open.size() == 1; }));
    }

private:
    PrivateSessionBus m_bus;
};

TESSELLE_TEST_MAIN(StatusNotifierItemTest, QGuiApplication)
#include "tst_statusnotifieritem.moc"
