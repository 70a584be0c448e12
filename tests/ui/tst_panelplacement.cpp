#include "TestEnvironment.h"
#include "ui/picker/PanelPlacement.h"

#include <QCoreApplication>
#include <QTest>

class PanelPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void thePanelHangsFromItsAnchorWithinTheScreen_data() {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("position");
        const QRect screen(0, 0, 1280, 1024);
        const QSize panel(360, 500);
        QTest::newRow("a tray at the top centre: under the icon, centred on it")
            << QRect(600, 0, 24, 24) << panel << screen << QPoint(431, 28);
        QTest::newRow("a tray at the top right: pushed left to stay on screen")
            << QRect(1250, 0, 24, 24) << panel << screen << QPoint(920, 28);
        QTest::newRow("a tray at the bottom: above the icon")
            << QRect(600, 1000, 24, 24) << panel << screen << QPoint(431, 496);
        QTest::newRow("a tray at the bottom left: above it, pushed right")
            << QRect(0, 1000, 24, 24) << panel << screen << QPoint(0, 496);
        QTest::newRow("the pointer in the upper half, when the tray tells no geometry")
            << QRect(100, 300, 1, 1) << panel << screen << QPoint(0, 305);
        QTest::newRow("the pointer low on the screen: above it")
            << QRect(640, 900, 1, 1) << panel << screen << QPoint(460, 396);
        QTest::newRow("a second screen to the right")
            << QRect(2000, 0, 22, 22) << panel << QRect(1280, 0, 1920, 1080) << QPoint(1830, 26);
        QTest::newRow("a click on a bar at the bottom of a sway output: above the bar")
            << QRect(1269, 1011, 1, 1) << QSize(378, 828) << QRect(0, 0, 1280, 1001)
            << QPoint(902, 173);
        QTest::newRow("a click on a bar at the top of a second output: under the bar")
            << QRect(1300, 10, 1, 1) << QSize(378, 828) << QRect(1280, 24, 1920, 1056)
            << QPoint(1280, 24);
        QTest::newRow("a panel taller than the screen keeps its top visible")
            << QRect(600, 0, 24, 24) << QSize(360, 900) << QRect(0, 0, 1280, 800) << QPoint(431, 0);
    }
    void thePanelHangsFromItsAnchorWithinTheScreen() {
        QFETCH(QRect, anchor);
        QFETCH(QSize, panel);
        QFETCH(QRect, screen);
        QFETCH(QPoint, position);
        QCOMPARE(panelPosition(anchor, panel, screen), position);
    }

    void aScreenTooShortForThePanelGetsAShorterOne_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("fitted");
        const QSize panel(378, 828);
        QTest::newRow("a tall screen: the whole panel") << QRect(0, 0, 1920, 1080) << panel;
        QTest::newRow("exactly tall enough with the gaps") << QRect(0, 0, 1280, 836) << panel;
        QTest::newRow("an 800 high screen: shorter, with the gaps kept")
            << QRect(0, 0, 1280, 800) << QSize(378, 792);
        QTest::newRow("a narrow screen: as wide as the screen")
            << QRect(0, 24, 320, 480) << QSize(320, 472);
    }
    void aScreenTooShortForThePanelGetsAShorterOne() {
        QFETCH(QRect, screen);
        QFETCH(QSize, fitted);
        const QSize size = fittedPanelSize(QSize(378, 828), screen);
        QCOMPARE(size, fitted);
        const QPoint at =
            panelPosition(QRect(screen.right() - 30, screen.top(), 24, 24), size, screen);
        QVERIFY(screen.contains(QRect(at, size)));
    }
};

TESSELLE_TEST_MAIN(PanelPlacementTest, QCoreApplication)
#include "tst_panelplacement.moc"
