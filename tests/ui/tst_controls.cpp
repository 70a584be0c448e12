#include "TestEnvironment.h"
#include "WaitFor.h"
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
#include <QPushButton>
#include <QSignalSpy>
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

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

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
        auto* button = new PopoverButton("info.circle", "hint", QSizeF(16, 16));
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
        auto* button =
            new PopoverButton("info.circle", "What should be here?", QSizeF(16, 16), &window);
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
        CancellableSearchField field("Search");
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
        auto* field = new CancellableSearchField("Search", &parent);
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

    void everySymbolTheViewsNameHasAShape_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"magnifyingglass", "xmark", "xmark.circle.fill", "plus.circle.fill", "info.circle",
              "questionmark.circle", "star", "star.fill", "doc.on.doc", "gearshape", "power",
              "bolt", "bubble.left.and.bubble.right"})
            QTest::newRow(name) << QString(name);
    }
    void everySymbolTheViewsNameHasAShape() {
        QFETCH(QString, name);
        const QRectF bounds = SymbolImage::shape(name).boundingRect();
        QVERIFY(!bounds.isEmpty());
        QVERIFY(QRectF(0, 0, 24, 24).contains(bounds));
    }
};

TESSELLE_TEST_MAIN(ControlsTest, QApplication)
#include "tst_controls.moc"
