#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/linux/ResourceFolder.h"
#include "ui/controls/AppButtonStyle.h"
#include "ui/controls/CancellableSearchField.h"
#include "ui/controls/EmojiFont.h"
#include "ui/controls/Popover.h"
#include "ui/controls/PopoverButton.h"
#include "ui/controls/SymbolButton.h"
#include "ui/controls/SymbolImage.h"
#include "ui/controls/Toast.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace std::chrono_literals;

namespace {

// Records the keys that reach it, to tell which ones a child let through.
class KeyRecorder : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Every symbol the views name.
const QStringList symbolNames{"magnifyingglass",
                              "xmark",
                              "xmark.circle.fill",
                              "plus.circle.fill",
                              "info.circle",
                              "questionmark.circle",
                              "star",
                              "star.fill",
                              "doc.on.doc",
                              "gearshape",
                              "power",
                              "bolt",
                              "bubble.left.and.bubble.right"};

QImage transparentImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QString pointText(int x, int y) {
    return QStringLiteral("%1, %2").arg(x).arg(y);
}

// The shipped symbol drawn into the rectangle of a transparent image.
QImage symbolImage(const QString& name, QSize size, const QRectF& rect, const QColor& color) {
    const ResourceFolder resources(QStringLiteral(TESSELLE_SOURCE_RESOURCES));
    QImage image = transparentImage(size);
    QPainter painter(&image);
    SymbolImage::paint(resources, painter, rect, name, color);
    painter.end();
    return image;
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

    const ResourceFolder shipped{QStringLiteral(TESSELLE_SOURCE_RESOURCES)};

private slots:
    // Timers fire in the order they fall due, however late the event loop gets
    // to them: the looks below come before or after the toast's own timer.
    void aToastHidesItselfItsDurationAfterShowing() {
        QWidget view;
        view.resize(40, 40);
        view.show();
        Toast toast("Copied!", 100ms, &view);
        QSignalSpy changes(&toast, &Toast::isShowingChanged);
        std::optional<bool> showingShortlyBefore;
        QTimer::singleShot(80ms, [&] { showingShortlyBefore = toast.isShowing(); });
        toast.setShowing(true);
        QVERIFY(toast.bubble().isVisible());
        QVERIFY(toast.bubble().findChild<QLabel*>()->text() == "Copied!");

        QVERIFY(waitUntil([&] { return !toast.isShowing(); }));
        QCOMPARE(showingShortlyBefore, true);
        QVERIFY(!toast.bubble().isVisible());
        QCOMPARE(changes.count(), 2);
    }

    void aClickOnTheToastHidesItAtOnce() {
        QWidget view;
        view.resize(40, 40);
        view.show();
        Toast toast("Copied!", 1500ms, &view);
        toast.setShowing(true);
        QTest::mouseClick(&toast.bubble(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!toast.isShowing());
        QVERIFY(!toast.bubble().isVisible());
    }

    void aToastShownAgainAfterAClickIsHiddenByTheFirstShowingsTimer() {
        QWidget view;
        view.resize(40, 40);
        view.show();
        Toast toast("Copied!", 200ms, &view);
        toast.setShowing(true);
        toast.setShowing(false);
        // Due after the first showing's timer, before the second's.
        std::optional<bool> showingBetweenTheTimers;
        QTimer::singleShot(225ms, [&] { showingBetweenTheTimers = toast.isShowing(); });
        QTimer::singleShot(50ms, [&] { toast.setShowing(true); });
        QVERIFY(waitUntil([&] { return showingBetweenTheTimers.has_value(); }));
        QCOMPARE(showingBetweenTheTimers, false);
    }

    void bubblesCloseWithTheirWindow_data() {
        QTest::addColumn<bool>("toast");
        QTest::newRow("a notice") << true;
        QTest::newRow("a hint") << false;
    }
    void bubblesCloseWithTheirWindow() {
        QFETCH(bool, toast);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* button = new PopoverButton("info.circle", "hint", QSizeF(16, 16), shipped);
        layout->addWidget(button);
        Toast notice("Copied!", 1500ms, button);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (toast)
            notice.setShowing(true);
        else
            button->setPopoverPresented(true);

        window.hide();
        QTRY_VERIFY(!notice.isShowing() && !button->isPopoverPresented());
        QVERIFY(!notice.bubble().isVisible());
    }

    void emojiInATextAreSetWholeInTheEmojiFont_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        const QString span =
            QStringLiteral("<span style=\"font-family: 'Noto Color Emoji'\">%1</span>");
        QTest::newRow("a joined sequence is one run, its sign included")
            << QStringLiteral("Up \U0001F64B\u200D\u2640\uFE0F!")
            << "Up " + span.arg(QStringLiteral("\U0001F64B\u200D\u2640\uFE0F")) + "!";
        QTest::newRow("a symbol with its emoji selector")
            << QStringLiteral(" \u26A1\uFE0F Version ")
            << " " + span.arg(QStringLiteral("\u26A1\uFE0F")) + " Version ";
        QTest::newRow("two runs, the second of two emoji")
            << QStringLiteral("\U0001F407 or \U0001F95A\U0001F95A")
            << span.arg(QStringLiteral("\U0001F407")) + " or " +
                   span.arg(QStringLiteral("\U0001F95A\U0001F95A"));
        QTest::newRow("words alone are escaped, without a span")
            << QStringLiteral("a < b & \"c\"") << QStringLiteral("a &lt; b &amp; &quot;c&quot;");
    }
    void emojiInATextAreSetWholeInTheEmojiFont() {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QCOMPARE(withEmojiFont(text), html);
    }

    void thePopoverButtonOpensItsHintAndOpensAgainAfterADismissal() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* button = new PopoverButton("info.circle", "What should be here?", QSizeF(16, 16),
                                         shipped, &window);
        layout->addWidget(button);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isPopoverPresented());
        QVERIFY(button->popover()->isVisible());
        QCOMPARE(button->popover()->findChild<QLabel*>()->text(), "What should be here?");
        QCOMPARE(button->popover()->findChild<QLabel*>()->width(), 200);

        // An open popup receives every click, also those outside it.
        Popover* hint = button->popover();
        QTest::mouseClick(hint, Qt::LeftButton, {},
                          QPoint(hint->width() + 50, hint->height() + 50));
        QVERIFY(!button->isPopoverPresented());
        QVERIFY(!button->popover()->isVisible());

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isPopoverPresented());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isPopoverPresented());
        QVERIFY(!button->popover()->isVisible());
    }

    void theClearButtonIsThereExactlyWhileThereIsText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::newRow("one typed character") << "c" << true;
        QTest::newRow("text set by the owner") << "cat" << false;
    }
    void theClearButtonIsThereExactlyWhileThereIsText() {
        QFETCH(QString, text);
        QFETCH(bool, typed);
        CancellableSearchField field("Search", shipped);
        field.show();
        QSignalSpy queries(&field, &SearchField::queryChanged);
        QVERIFY(!field.clearButton().isVisible());
        QCOMPARE(field.lineEdit().placeholderText(), "Search");

        if (typed)
            QTest::keyClicks(&field.lineEdit(), text);
        else
            field.setQuery(text);
        QVERIFY(field.clearButton().isVisible());
        QCOMPARE(queries.last().first().toString(), text);

        QTest::mouseClick(&field.clearButton(), Qt::LeftButton);
        QCOMPARE(field.query(), QString());
        QCOMPARE(queries.last().first().toString(), QString());
        QVERIFY(!field.clearButton().isVisible());
    }

    void returnInASearchFieldCommitsOncePerPressAndGoesNoFurther() {
        KeyRecorder parent;
        auto* field = new CancellableSearchField("Search", shipped, &parent);
        parent.show();
        QSignalSpy commits(field, &SearchField::committed);
        QTest::keyClick(&field->lineEdit(), Qt::Key_Return);
        QTest::keyClick(&field->lineEdit(), Qt::Key_Enter);
        QCOMPARE(commits.count(), 2);
        QVERIFY(parent.keys.isEmpty());
        QTest::keyClick(&field->lineEdit(), Qt::Key_Escape);
        QCOMPARE(parent.keys, QList<int>{Qt::Key_Escape});
    }

    void theAppButtonIsAGradientOfItsColourDarkerWhilePressed_data() {
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<qreal>("top");
        QTest::addColumn<qreal>("bottom");
        QTest::newRow("released") << false << 1.0 << 0.8;
        QTest::newRow("pressed") << true << 0.9 << 0.72;
    }
    void theAppButtonIsAGradientOfItsColourDarkerWhilePressed() {
        QFETCH(bool, pressed);
        QFETCH(qreal, top);
        QFETCH(qreal, bottom);
        QPushButton button("Install Tesselle");
        auto* style = new AppButtonStyle(QColor(0, 0, 255), &button);
        button.setStyle(style);
        button.ensurePolished();
        QCOMPARE(button.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        button.resize(200, 40);
        button.setDown(pressed);
        QImage image(button.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

        const QColor atTop = pixel(image, 20, 2);
        const QColor atBottom = pixel(image, 20, 37);
        QCOMPARE(atTop.blue(), 255);
        QVERIFY2(qAbs(atTop.alphaF() - top) < 0.04, qPrintable(QString::number(atTop.alphaF())));
        QVERIFY2(qAbs(atBottom.alphaF() - bottom) < 0.04,
                 qPrintable(QString::number(atBottom.alphaF())));
    }

    void everySymbolTheViewsNameIsDrawnInTheGivenColourInsideItsSquare_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : symbolNames)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everySymbolTheViewsNameIsDrawnInTheGivenColourInsideItsSquare() {
        QFETCH(QString, name);
        const QColor color(200, 30, 60);
        // A wide rectangle: the symbol takes the square in its middle.
        const QImage image = symbolImage(name, QSize(144, 72), QRectF(0, 12, 144, 48), color);
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor drawn = image.pixelColor(x, y);
                if (drawn.alpha() == 0)
                    continue;
                QVERIFY2(QRect(48, 12, 48, 48).contains(x, y), qPrintable(pointText(x, y)));
                if (drawn.alpha() == 255) {
                    QCOMPARE(drawn.rgb(), color.rgb());
                    ++opaque;
                }
            }
        }
        QVERIFY2(opaque >= 10, qPrintable(QString::number(opaque)));
    }

    void noTwoSymbolsLookAlike() {
        QList<QImage> images;
        for (const QString& name : symbolNames) {
            const QImage image = symbolImage(name, QSize(24, 24), QRectF(0, 0, 24, 24), Qt::black);
            QVERIFY2(!images.contains(image), qPrintable(name));
            images << image;
        }
    }

    void theMiddleOfASymbolIsInkedOrOpenAsItsShapeSays_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPointF>("middle");
        QTest::addColumn<bool>("inked");
        QTest::newRow("a star outline is open") << "star" << QPointF(12, 12.8) << false;
        QTest::newRow("a filled star is not") << "star.fill" << QPointF(12, 12.8) << true;
        QTest::newRow("a cross crosses in the middle") << "xmark" << QPointF(12, 12) << true;
        QTest::newRow("a cross cut out of a disc leaves a hole there")
            << "xmark.circle.fill" << QPointF(12, 12) << false;
        QTest::newRow("so does a plus cut out of a disc")
            << "plus.circle.fill" << QPointF(12, 12) << false;
        QTest::newRow("beside the plus the disc is filled")
            << "plus.circle.fill" << QPointF(6, 6) << true;
        QTest::newRow("a gear has a hole") << "gearshape" << QPointF(12, 12) << false;
        QTest::newRow("the page in front hides the one behind")
            << "doc.on.doc" << QPointF(8.5, 10) << false;
    }
    void theMiddleOfASymbolIsInkedOrOpenAsItsShapeSays() {
        QFETCH(QString, name);
        QFETCH(QPointF, middle);
        QFETCH(bool, inked);
        // Four pixels to a unit of the 24 x 24 view box.
        const QImage image = symbolImage(name, QSize(96, 96), QRectF(0, 0, 96, 96), Qt::black);
        const QPoint pixel = (middle * 4).toPoint();
        QCOMPARE(image.pixelColor(pixel).alpha() > 128, inked);
    }

    void aSymbolWithoutAnImageDrawsNothingAndSaysNothing_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("a name that has no image") << TESSELLE_SOURCE_RESOURCES << "sparkles";
        QTest::newRow("a resource folder without the symbols") << QString() << "star";
    }
    void aSymbolWithoutAnImageDrawsNothingAndSaysNothing() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QTemporaryDir empty;
        const ResourceFolder resources(folder.isEmpty() ? empty.path() : folder);
        QTest::failOnWarning(QRegularExpression(".*"));
        QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        SymbolImage::paint(resources, painter, QRectF(0, 0, 24, 24), name, Qt::black);
        painter.end();
        QCOMPARE(image, transparentImage(QSize(24, 24)));
    }

    void aSymbolDrawnBeforeIsRedrawnForAnotherColourOrSize_data() {
        QTest::addColumn<QColor>("firstColor");
        QTest::addColumn<qreal>("firstRatio");
        QTest::addColumn<int>("firstSide");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("side");
        QTest::newRow("another colour")
            << QColor(Qt::red) << qreal(1) << 16 << QColor(Qt::blue) << 16;
        QTest::newRow("a larger size")
            << QColor(Qt::red) << qreal(1) << 16 << QColor(Qt::red) << 32;
        QTest::newRow("as many pixels at another pixel ratio")
            << QColor(Qt::green) << qreal(2) << 16 << QColor(Qt::green) << 32;
    }
    void aSymbolDrawnBeforeIsRedrawnForAnotherColourOrSize() {
        QFETCH(QColor, firstColor);
        QFETCH(qreal, firstRatio);
        QFETCH(int, firstSide);
        QFETCH(QColor, color);
        QFETCH(int, side);
        const ResourceFolder resources(QStringLiteral(TESSELLE_SOURCE_RESOURCES));
        QImage first = transparentImage(QSize(32, 32) * firstRatio);
        first.setDevicePixelRatio(firstRatio);
        QPainter painter(&first);
        SymbolImage::paint(resources, painter, QRectF(0, 0, firstSide, firstSide), "star.fill",
                           firstColor);
        painter.end();

        const QImage image =
            symbolImage("star.fill", QSize(32, 32), QRectF(0, 0, side, side), color);
        // The middle of the star, in the new colour, and its lower points
        // reach as far down as the new size says.
        QCOMPARE(image.pixelColor(side / 2, side / 2).rgba(), color.rgba());
        const auto inkedRow = [&image](int y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y).alpha() > 128)
                    return true;
            }
            return false;
        };
        QVERIFY(inkedRow(side * 20 / 24));
    }
};

TESSELLE_TEST_MAIN(ControlsTest, QApplication)
#include "tst_controls.moc"
