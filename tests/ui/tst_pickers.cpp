#include "Fakes.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "settings/Preferences.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/Popover.h"
#include "ui/settings/FamilyGrid.h"
#include "ui/settings/FamilyPicker.h"
#include "ui/settings/GenderPicker.h"
#include "ui/settings/PickerCell.h"
#include "ui/settings/TonePicker.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<Tone>)
Q_DECLARE_METATYPE(std::optional<Gender>)

namespace {

QImage rendered(QWidget& widget) {
    return widget.grab().toImage();
}

bool isWhite(const QColor& color) {
    return color.red() > 245 && color.green() > 245 && color.blue() > 245;
}

// Colours differ by less than a rounding step.
bool isNear(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 &&
           qAbs(a.blue() - b.blue()) <= 2;
}

struct Shared {
    FakeDefaultsStore defaults;
    FakeLoginItemService loginItems;
    Preferences preferences{defaults, loginItems};
};

} // namespace

class PickersTest : public QObject {
    Q_OBJECT

private slots:
    // What the user reads the row by: yellow first, then the skin tones from the
    // lightest to the darkest, left to right.
    void theToneSwatchesGoFromYellowThroughLightToDark() {
        TonePicker picker;
        picker.resize(picker.sizeHint());
        const QImage image = rendered(picker);
        QList<QColor> shown;
        int left = -1;
        for (Tone tone : allTones()) {
            const QRect swatch = picker.swatchRect(tone);
            QVERIFY(swatch.left() > left);
            left = swatch.left();
            // Off the centre, where the selection dot would be.
            shown << image.pixelColor(swatch.center() + QPoint(5, 0));
        }
        const QColor yellow = shown.takeFirst();
        QVERIFY2(yellow.hsvHue() >= 40 && yellow.hsvHue() <= 60 && yellow.hsvSaturation() > 200,
                 qPrintable(yellow.name()));
        for (qsizetype index = 1; index < shown.size(); ++index)
            QVERIFY2(shown[index].lightness() < shown[index - 1].lightness(),
                     qPrintable(shown[index - 1].name() + " then " + shown[index].name()));
    }

    void aClickOnASwatchChoosesItsToneAndMovesTheDot_data() {
        QTest::addColumn<std::optional<Tone>>("before");
        QTest::addColumn<Tone>("clicked");
        QTest::addColumn<int>("announcements");
        QTest::newRow("nothing chosen, dark clicked") << std::optional<Tone>() << Tone::dark << 1;
        QTest::newRow("light chosen, dark clicked")
            << std::optional<Tone>(Tone::light) << Tone::dark << 1;
        QTest::newRow("dark chosen and clicked again: no change")
            << std::optional<Tone>(Tone::dark) << Tone::dark << 0;
    }
    void aClickOnASwatchChoosesItsToneAndMovesTheDot() {
        QFETCH(std::optional<Tone>, before);
        QFETCH(Tone, clicked);
        QFETCH(int, announcements);
        TonePicker picker;
        picker.resize(picker.sizeHint());
        picker.setSelection(before);
        int changes = 0;
        connect(&picker, &TonePicker::selectionChanged, this, [&](std::optional<Tone> tone) {
            ++changes;
            QCOMPARE(tone, std::optional<Tone>(clicked));
        });
        QTest::mouseClick(&picker, Qt::LeftButton, {}, picker.swatchRect(clicked).center());
        QCOMPARE(changes, announcements);
        QCOMPARE(picker.selection(), std::optional<Tone>(clicked));
        const QImage image = rendered(picker);
        for (Tone tone : allTones()) {
            const bool dotted = isWhite(image.pixelColor(picker.swatchRect(tone).center()));
            QVERIFY2(dotted == (tone == clicked), qPrintable(QString::number(rawValue(tone))));
        }
    }

    void withNothingChosenNoSwatchCarriesTheDot() {
        TonePicker picker;
        picker.resize(picker.sizeHint());
        const QImage image = rendered(picker);
        for (Tone tone : allTones())
            QVERIFY(!isWhite(image.pixelColor(picker.swatchRect(tone).center())));
    }

    void clicksBesideTheSwatchesChooseNothing() {
        TonePicker picker;
        picker.resize(picker.sizeHint());
        const QPoint between = picker.swatchRect(Tone::light).topRight() + QPoint(4, 9);
        QTest::mouseClick(&picker, Qt::LeftButton, {}, between);
        QCOMPARE(picker.selection(), std::nullopt);
    }

    void theAppearanceCellsHighlightTheChosenOne_data() {
        QTest::addColumn<std::optional<Gender>>("before");
        QTest::addColumn<Gender>("clicked");
        QTest::addColumn<int>("announcements");
        QTest::newRow("nothing chosen, woman clicked")
            << std::optional<Gender>() << Gender::female << 1;
        QTest::newRow("person chosen, man clicked")
            << std::optional<Gender>(Gender::person) << Gender::male << 1;
        QTest::newRow("the chosen cell clicked again leaves the choice")
            << std::optional<Gender>(Gender::person) << Gender::person << 0;
    }
    void theAppearanceCellsHighlightTheChosenOne() {
        QFETCH(std::optional<Gender>, before);
        QFETCH(Gender, clicked);
        QFETCH(int, announcements);
        Shared shared;
        GenderPicker picker(shared.preferences);
        picker.resize(picker.sizeHint());
        QCOMPARE(picker.sizeHint(), QSize(3 * 32 + 2 * 10, 32));
        picker.setSelection(before);
        int changes = 0;
        connect(&picker, &GenderPicker::selectionChanged, this, [&] { ++changes; });
        QTest::mouseClick(&picker, Qt::LeftButton, {}, picker.cellRect(clicked).center());
        QCOMPARE(changes, announcements);
        QCOMPARE(picker.selection(), std::optional<Gender>(clicked));
        // The highlight's outline runs one point inside the cell's edge.
        const QImage image = rendered(picker);
        const QColor accent = appAccentColor(shared.preferences.useSystemColor());
        for (Gender gender : allGenders()) {
            const QRect rect = picker.cellRect(gender);
            const QColor edge = image.pixelColor(rect.left() + 1, rect.center().y());
            QVERIFY2(isNear(edge, accent) == (gender == clicked), qPrintable(edge.name()));
        }
    }

    void theHighlightFollowsTheSystemColourSwitch() {
        Shared shared;
        GenderPicker picker(shared.preferences);
        picker.resize(picker.sizeHint());
        picker.setSelection(Gender::male);
        const QPoint edge(picker.cellRect(Gender::male).left() + 1,
                          picker.cellRect(Gender::male).center().y());
        const QColor brand = rendered(picker).pixelColor(edge);
        shared.preferences.setUseSystemColor(true);
        const QColor system = rendered(picker).pixelColor(edge);
        QVERIFY(isNear(system, QApplication::palette().color(QPalette::Highlight)));
        QVERIFY(!isNear(system, brand));
    }

    void theFamilyPopoverHoldsTheGridThenTheSingleFamilyAndTheEmptyCell() {
        Shared shared;
        FamilyPicker picker(shared.preferences);
        const FamilyGrid& grid = picker.grid();
        const QList<Family>& families = allFamilies();
        for (int index = 0; index < 25; ++index) {
            const QRect rect = grid.cellRect(families[index]);
            QCOMPARE(rect.size(), QSize(32, 32));
            QCOMPARE(rect.topLeft(), QPoint(index % 5 * 37, index / 5 * 37));
        }
        const QRect single = grid.cellRect(Family::nnn);
        const QRect empty = grid.cellRect(std::nullopt);
        QCOMPARE(single.topLeft(), QPoint(0, 5 * 37));
        QCOMPARE(empty.size(), QSize(31, 31));
        QCOMPARE(empty.center().y(), single.center().y());
        QCOMPARE(empty.left(), single.right() + 1 + 8);
        QCOMPARE(grid.sizeHint(), QSize(5 * 32 + 4 * 5, single.bottom() + 1));
    }

    void theFamilyPopoverStaysOpenAcrossChoices_data() {
        QTest::addColumn<QList<std::optional<Family>>>("clicks");
        QTest::addColumn<std::optional<Family>>("chosen");
        QTest::addColumn<int>("announcements");
        using Clicks = QList<std::optional<Family>>;
        QTest::newRow("the single family, from the bottom row")
            << Clicks{Family::nnn} << std::optional<Family>(Family::nnn) << 1;
        QTest::newRow("a family, then no family")
            << Clicks{Family::mwgb, std::nullopt} << std::optional<Family>() << 2;
        QTest::newRow("the empty cell while nothing is chosen changes nothing")
            << Clicks{std::nullopt} << std::optional<Family>() << 0;
        QTest::newRow("a family twice announces it once")
            << Clicks{Family::wg, Family::wg} << std::optional<Family>(Family::wg) << 1;
    }
    void theFamilyPopoverStaysOpenAcrossChoices() {
        QFETCH(QList<std::optional<Family>>, clicks);
        QFETCH(std::optional<Family>, chosen);
        QFETCH(int, announcements);
        Shared shared;
        QWidget window;
        FamilyPicker picker(shared.preferences, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage blank = rendered(picker);
        int changes = 0;
        connect(&picker, &FamilyPicker::selectionChanged, this, [&] { ++changes; });

        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(16, 16));
        Popover& popover = picker.popover();
        FamilyGrid& grid = picker.grid();
        QTRY_VERIFY(popover.isVisible());
        QVERIFY(picker.isPickerPresented());
        for (const auto& family : clicks)
            QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(family).center());
        QVERIFY(popover.isVisible());
        QCOMPARE(picker.selection(), chosen);
        QCOMPARE(changes, announcements);

        // The chosen cell, and the empty one for no family, carry the highlight.
        const QImage image = rendered(grid);
        const QColor accent = appAccentColor(shared.preferences.useSystemColor());
        for (const auto& family : {std::optional<Family>(Family::wg), std::optional<Family>(),
                                   std::optional<Family>(Family::nnn)}) {
            const QRect rect = grid.cellRect(family);
            const QColor edge = image.pixelColor(rect.left() + 1, rect.center().y());
            QVERIFY(isNear(edge, accent) == (family == chosen));
        }
        QCOMPARE(rendered(picker) == blank, !chosen.has_value());
    }

    void theFamilyCellShowsTheChoice() {
        Shared shared;
        FamilyPicker picker(shared.preferences);
        picker.resize(picker.sizeHint());
        const QImage blank = rendered(picker);
        picker.setSelection(Family::nnn);
        const QImage single = rendered(picker);
        QVERIFY(single != blank);
        // The same glyph as the single family emoji drawn on a tile of its own.
        QImage expected(single.size(), single.format());
        expected.fill(picker.palette().color(QPalette::Window));
        QPainter painter(&expected);
        PickerCell::paint(painter, QRectF(0, 0, 32, 32), QStringLiteral("\U0001F46A"), false,
                          Qt::red);
        painter.end();
        QCOMPARE(single, expected);
    }

    void thePopoverClosesOnAClickOutsideOrOnTheFamilyCell_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("a click outside the popover") << "outside";
        QTest::newRow("a click on the family cell again") << "cell";
    }
    void thePopoverClosesOnAClickOutsideOrOnTheFamilyCell() {
        QFETCH(QString, where);
        Shared shared;
        QWidget window;
        window.resize(400, 300);
        FamilyPicker picker(shared.preferences, &window);
        picker.move(20, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(16, 16));
        Popover& popover = picker.popover();
        QTRY_VERIFY(popover.isVisible());
        // Qt hands a press outside a popup to the popup first.
        const QPoint global = where == "cell" ? picker.mapToGlobal(QPoint(16, 16))
                                              : window.mapToGlobal(QPoint(380, 280));
        QTest::mouseClick(&popover, Qt::LeftButton, {}, popover.mapFromGlobal(global));
        QTRY_VERIFY(!popover.isVisible());
        QVERIFY(!picker.isPickerPresented());
        // A press that the popup passes on again arrives on a later turn.
        processPendingEvents();
        QVERIFY(!popover.isVisible());
        // And the next click on the cell opens it again.
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(16, 16));
        QTRY_VERIFY(popover.isVisible());
    }
};

TESSELLE_TEST_MAIN(PickersTest, QApplication)
#include "tst_pickers.moc"
