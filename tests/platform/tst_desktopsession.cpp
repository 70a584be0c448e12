#include "TestEnvironment.h"
#include "platform/linux/GraphicalSession.h"

#include <QGuiApplication>
#include <QTest>

using Kind = DesktopSession::Kind;
using Environment = GraphicalSession::Environment;

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Environment)

class DesktopSessionTest : public QObject {
    Q_OBJECT

private slots:
    void theSessionIsReadFromTheVariablesItWasStartedWith_data() {
        QTest::addColumn<Environment>("environment");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("desktops");
        QTest::addColumn<bool>("wlroots");
        QTest::newRow("an X11 desktop") << Environment{{"XDG_SESSION_TYPE", "x11"},
                                                       {"DISPLAY", ":0"},
                                                       {"XDG_CURRENT_DESKTOP", "XFCE"}}
                                        << Kind::x11 << QStringList{"XFCE"} << false;
        QTest::newRow("a GNOME Wayland desktop with XWayland is Wayland")
            << Environment{{"XDG_SESSION_TYPE", "wayland"},
                           {"WAYLAND_DISPLAY", "wayland-0"},
                           {"DISPLAY", ":0"},
                           {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}}
            << Kind::wayland << QStringList{"ubuntu", "GNOME"} << false;
        QTest::newRow("a KDE Wayland desktop") << Environment{{"XDG_SESSION_TYPE", "wayland"},
                                                              {"WAYLAND_DISPLAY", "wayland-0"},
                                                              {"XDG_CURRENT_DESKTOP", "KDE"}}
                                               << Kind::wayland << QStringList{"KDE"} << false;
        QTest::newRow("sway found by its socket alone")
            << Environment{{"WAYLAND_DISPLAY", "wayland-1"}, {"SWAYSOCK", "/run/sway.sock"}}
            << Kind::wayland << QStringList() << true;
        QTest::newRow("Hyprland found by its name")
            << Environment{{"XDG_SESSION_TYPE", "wayland"},
                           {"WAYLAND_DISPLAY", "wayland-1"},
                           {"XDG_CURRENT_DESKTOP", "Hyprland"}}
            << Kind::wayland << QStringList{"Hyprland"} << true;
        QTest::newRow("river found by its name in lower case")
            << Environment{{"WAYLAND_DISPLAY", "wayland-1"}, {"XDG_CURRENT_DESKTOP", "river"}}
            << Kind::wayland << QStringList{"river"} << true;
        QTest::newRow("an X11 session that names sway is not a wlroots compositor")
            << Environment{{"XDG_SESSION_TYPE", "x11"},
                           {"DISPLAY", ":1"},
                           {"WAYLAND_DISPLAY", "wayland-1"},
                           {"SWAYSOCK", "/run/sway.sock"},
                           {"XDG_CURRENT_DESKTOP", "sway"}}
            << Kind::x11 << QStringList{"sway"} << false;
        QTest::newRow("a Wayland session type without a Wayland display is the X11 one reached")
            << Environment{{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":0"}} << Kind::x11
            << QStringList() << false;
        QTest::newRow("only a display variable and no session type")
            << Environment{{"DISPLAY", ":99"}} << Kind::x11 << QStringList() << false;
        QTest::newRow("a text console")
            << Environment{{"XDG_SESSION_TYPE", "tty"}} << Kind::none << QStringList() << false;
        QTest::newRow("empty variables count as missing")
            << Environment{{"WAYLAND_DISPLAY", ""}, {"DISPLAY", ""}, {"SWAYSOCK", ""}} << Kind::none
            << QStringList() << false;
    }
    void theSessionIsReadFromTheVariablesItWasStartedWith() {
        QFETCH(Environment, environment);
        QFETCH(Kind, kind);
        QFETCH(QStringList, desktops);
        QFETCH(bool, wlroots);
        const DesktopSession session = GraphicalSession::detect(environment);
        QCOMPARE(session.kind, kind);
        QCOMPARE(session.desktops, desktops);
        QCOMPARE(session.wlroots, wlroots);
    }
};

TESSELLE_TEST_MAIN(DesktopSessionTest, QGuiApplication)
#include "tst_desktopsession.moc"
