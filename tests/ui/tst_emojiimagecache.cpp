#include "TestEnvironment.h"
#include "catalogue/SystemGroups.h"
#include "catalogue/ToneRules.h"
#include "platform/linux/FontTextMeasurer.h"
#include "platform/linux/ResourceFolder.h"
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

// The symbol drawn as text straight into the square, as the font is given it.
QImage cellWithText(const QString& symbol) {
    QImage cell(side, side, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    painter.setFont(emojiFont(EmojiGridView::symbolSize));
    painter.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, drawnEmoji(symbol));
    return cell;
}

// From the first column with paint in it to the last.
int inkWidth(const QImage& image) {
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 0) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    return qMax(0, right - left + 1);
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

    // Every catalogue emoji and each of its skin-tone forms, drawn by the
    // grid's images in squares wide enough for several pictures side by side:
    // one picture each, no wider than half again a single emoji.
    void everyEmojiIsDrawnAsOnePicture() {
        const ResourceFolder shipped(QStringLiteral(TESSELLE_SOURCE_RESOURCES));
        const FontTextMeasurer measurer;
        QStringList symbols;
        for (const EmojiGroup& group : loadSystemGroups(shipped, measurer, std::nullopt)) {
            for (const Emoji& emoji : group.emojis) {
                symbols << emoji.symbol;
                if (supportsSkinTone(measurer, emoji.symbol))
                    symbols << skinToneVariants(emoji.symbol).sliced(1);
            }
        }
        QVERIFY(symbols.size() > 1870 + 5 * 290);
        EmojiImageCache images(EmojiGridView::symbolSize, 4 * EmojiGridView::symbolSize, 1);
        const int single = inkWidth(images.image(QStringLiteral("😀")));
        QStringList split;
        for (const QString& symbol : std::as_const(symbols)) {
            if (inkWidth(images.image(symbol)) > single * 3 / 2)
                split << symbol;
        }
        QVERIFY2(split.isEmpty(), qPrintable(QStringLiteral("%1 of %2 drawn as several: %3")
                                                 .arg(split.size())
                                                 .arg(symbols.size())
                                                 .arg(split.join(QLatin1Char(' ')))));
    }
};

TESSELLE_TEST_MAIN(EmojiImageCacheTest, QApplication)
#include "tst_emojiimagecache.moc"
