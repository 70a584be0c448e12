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

    // A compositor listens at /run/user/1000/wayland-1, an X server answers at
    // :0, and Qt has the offscreen platform.
    void aStartWithoutTheDisplayItNeedsSaysWhatIsMissing_data() {
        QTest::addColumn<Environment>("environment");
        QTest::addColumn<QString>("missing");
        const Environment runtime{{"XDG_RUNTIME_DIR", "/run/user/1000"}};
        const auto with = [&runtime](Environment more) {
            more.insert(runtime);
            return more;
        };
        QTest::newRow("a Wayland socket without DISPLAY is a session")
            << with({{"WAYLAND_DISPLAY", "wayland-1"}}) << QString();
        QTest::newRow("an X server without a Wayland socket is one")
            << with({{"WAYLAND_DISPLAY", "wayland-9"}, {"DISPLAY", ":0"}}) << QString();
        QTest::newRow("neither is none")
            << with({{"WAYLAND_DISPLAY", "wayland-9"}, {"DISPLAY", ":5"}})
            << "Tesselle needs a graphical session (X11 or Wayland)";
        QTest::newRow("xcb asked for without DISPLAY")
            << with({{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-1"}})
            << "Tesselle cannot open QT_QPA_PLATFORM=xcb: xcb needs an X server, and DISPLAY is "
               "not set";
        QTest::newRow("xcb asked for where no X server answers")
            << with({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":5"}})
            << "Tesselle cannot open QT_QPA_PLATFORM=xcb: xcb needs an X server, and none "
               "answers at DISPLAY :5";
        QTest::newRow("wayland asked for without a compositor: Qt's default socket name")
            << with({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}})
            << "Tesselle cannot open QT_QPA_PLATFORM=wayland: wayland needs a Wayland "
               "compositor, and none listens at /run/user/1000/wayland-0";
        QTest::newRow("a name Qt has no platform for")
            << with({{"QT_QPA_PLATFORM", "waylnd"}, {"DISPLAY", ":0"}})
            << "Tesselle cannot open QT_QPA_PLATFORM=waylnd: Qt has no platform named "
               "\"waylnd\" here";
        QTest::newRow("each of a list in turn, with its options")
            << with({{"QT_QPA_PLATFORM", "wayland-egl;xcb:nograb"}})
            << "Tesselle cannot open QT_QPA_PLATFORM=wayland-egl;xcb:nograb: wayland-egl needs a "
               "Wayland compositor, and none listens at /run/user/1000/wayland-0; xcb needs an X "
               "server, and DISPLAY is not set";
        QTest::newRow("a list one of which opens")
            << with({{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":0"}}) << QString();
        QTest::newRow("a platform that needs no display")
            << with({{"QT_QPA_PLATFORM", "offscreen"}}) << QString();
    }
    void aStartWithoutTheDisplayItNeedsSaysWhatIsMissing() {
        QFETCH(Environment, environment);
        QFETCH(QString, missing);
        const GraphicalSession::DisplayProbe probe{
            [](const QString& socket) { return socket == "/run/user/1000/wayland-1"; },
            [](const QString& display) { return display == ":0"; },
            [](const QString& platform) { return platform == "offscreen"; }};
        QCOMPARE(GraphicalSession::missingDisplay(environment, probe).value_or(QString()), missing);
    }
};

TESSELLE_TEST_MAIN(DesktopSessionTest, QGuiApplication)
#include "tst_desktopsession.moc"
