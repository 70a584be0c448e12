#include "Fakes.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "app/PasteServiceChoice.h"
#include "platform/DesktopSession.h"
#include "platform/MessageError.h"
#include "platform/linux/PortalPasteService.h"
#include "platform/linux/UnavailablePasteService.h"
#include "platform/linux/WtypePasteService.h"
#include "platform/linux/X11PasteService.h"

#include <QApplication>
#include <QTest>

using Kind = DesktopSession::Kind;

Q_DECLARE_METATYPE(Kind)

namespace {

enum class Service { x11, wtype, portal, unavailable };

Service serviceOf(const PasteService& service) {
    if (dynamic_cast<const X11PasteService*>(&service))
        return Service::x11;
    if (dynamic_cast<const WtypePasteService*>(&service))
        return Service::wtype;
    if (dynamic_cast<const PortalPasteService*>(&service))
        return Service::portal;
    if (dynamic_cast<const UnavailablePasteService*>(&service))
        return Service::unavailable;
    qFatal("an unknown paste service");
}

} // namespace

Q_DECLARE_METATYPE(Service)

class PasteServiceChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void eachSessionPastesTheOneWayItOffers_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("desktops");
        QTest::addColumn<bool>("wlroots");
        QTest::addColumn<bool>("hasWtype");
        QTest::addColumn<Service>("service");
        QTest::newRow("an X11 session pastes through X11, wtype or not")
            << Kind::x11 << QStringList{"XFCE"} << false << true << Service::x11;
        QTest::newRow("sway with wtype installed pastes through wtype")
            << Kind::wayland << QStringList{"sway"} << true << true << Service::wtype;
        QTest::newRow("sway without wtype cannot autopaste")
            << Kind::wayland << QStringList{"sway"} << true << false << Service::unavailable;
        QTest::newRow("GNOME on Wayland pastes through the desktop portal, even with wtype")
            << Kind::wayland << QStringList{"GNOME"} << false << true << Service::portal;
        QTest::newRow("KDE on Wayland pastes through the desktop portal")
            << Kind::wayland << QStringList{"KDE"} << false << false << Service::portal;
        QTest::newRow("no graphical session cannot autopaste")
            << Kind::none << QStringList() << false << true << Service::unavailable;
    }
    void eachSessionPastesTheOneWayItOffers() {
        QFETCH(Kind, kind);
        QFETCH(QStringList, desktops);
        QFETCH(bool, wlroots);
        QFETCH(bool, hasWtype);
        QFETCH(Service, service);
        FakeDefaultsStore settings;
        const auto chosen =
            choosePasteService(DesktopSession{kind, desktops, wlroots}, hasWtype, settings);
        QCOMPARE(serviceOf(*chosen), service);
        // The Autopaste setting says why wherever it cannot paste.
        QCOMPARE(chosen->unavailableReason().isEmpty(), service != Service::unavailable);
    }

    void withoutAWayToPasteEveryPasteSaysSoAndWhatToDo() {
        UnavailablePasteService service(QStringLiteral("No way to type here."));
        service.prepare();
        service.rememberActiveWindow();
        for (int paste = 0; paste < 2; ++paste) {
            try {
                waitForTask(service.pasteIntoRememberedWindow(QStringLiteral("💃")));
                QFAIL("the paste did not fail");
            } catch (const MessageError& error) {
                QCOMPARE(error.message(), "Autopaste is not available in this session: the emoji "
                                          "is on the clipboard, paste it with Ctrl+V");
            }
        }
    }
};

TESSELLE_TEST_MAIN(PasteServiceChoiceTest, QApplication)
#include "tst_pasteservicechoice.moc"
