#include "TestEnvironment.h"
#include "ui/controls/EmojiFont.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiImageCache.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

constexpr int side = EmojiGridView::cellSize;

// A cell as the grid paints it: the image centred in the square.
QImage cellWithImage(const QImage& image) {
    QImage cell(side, side, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    const QSizeF size = image.deviceIndependentSize();
    painter.drawImage(QPointF(side / 2.0 - size.width() / 2, side / 2.0 - size.height() / 2),
                      image);
    return cell;
}

// The symbol drawn as text straight into the square.
QImage cellWithText(const QString& symbol) {
    QImage cell(side, side, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    painter.setFont(emojiFont(EmojiGridView::symbolSize));
    painter.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, symbol);
    return cell;
}

} // namespace

class EmojiImageCacheTest : public QObject {
    Q_OBJECT

private slots:
    void anImageDrawsAsTheSymbolInTheWholeSquare_data() {
        QTest::addColumn<QString>("symbol");
        QTest::newRow("a face") << QStringLiteral("😀");
        QTest::newRow("a flag") << QStringLiteral("🇯🇵");
        QTest::newRow("a keycap") << QStringLiteral("#️⃣");
        QTest::newRow("a family joined into one symbol")
            << QStringLiteral("👨‍👩‍👧‍👦");
        QTest::newRow("a hand in a skin tone") << QStringLiteral("👍🏿");
        QTest::newRow("a symbol with a text form") << QStringLiteral("©️");
    }
    void anImageDrawsAsTheSymbolInTheWholeSquare() {
        QFETCH(QString, symbol);
        EmojiImageCache images(EmojiGridView::symbolSize, side, 1);
        const QImage image = images.image(symbol);
        QCOMPARE(image.width(), side);
        // The empty top and bottom of the square are not kept.
        QVERIFY2(image.height() < side, qPrintable(QString::number(image.height())));
        QCOMPARE(cellWithImage(image), cellWithText(symbol));
    }
};

TESSELLE_TEST_MAIN(EmojiImageCacheTest, QApplication)
#include "tst_emojiimagecache.moc"
