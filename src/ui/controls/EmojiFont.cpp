#include "ui/controls/EmojiFont.h"

#include <QGuiApplication>
#include <QStringView>

QFont emojiFont(int pixelSize) {
    QFont font = QGuiApplication::font();
    font.setFamilies({QStringLiteral("Noto Color Emoji"), font.family()});
    font.setPixelSize(pixelSize);
    return font;
}

QString drawnEmoji(const QString& symbol) {
    constexpr QChar variationSelector(0xFE0F);
    const qsizetype last = symbol.size() - 1;
    const qsizetype first = symbol.indexOf(variationSelector);
    if (first < 0 || first == last)
        return symbol;
    QString drawn;
    drawn.reserve(symbol.size());
    for (qsizetype at = 0; at <= last; ++at) {
        if (symbol[at] != variationSelector || at == last)
            drawn += symbol[at];
    }
    return drawn;
}

namespace {

// Code points that draw as emoji or join them: pictographs, the symbols that
// take an emoji form, joiners, variation selectors, keycaps and tags.
bool isEmojiPart(char32_t point) {
    return (point >= 0x1F000 && point <= 0x1FAFF) || (point >= 0x2600 && point <= 0x27BF) ||
           (point >= 0x2300 && point <= 0x23FF) || (point >= 0x2B00 && point <= 0x2BFF) ||
           (point >= 0xE0020 && point <= 0xE007F) || point == 0x200D || point == 0xFE0F ||
           point == 0x20E3;
}

} // namespace

QString withEmojiFont(const QString& text) {
    QString html;
    QString run;
    const auto closeRun = [&] {
        if (run.isEmpty())
            return;
        html += QStringLiteral("<span style=\"font-family: '%1'\">%2</span>")
                    .arg(QStringLiteral("Noto Color Emoji"), drawnEmoji(run));
        run.clear();
    };
    for (const char32_t point : QStringView(text).toUcs4()) {
        const QString character = QString::fromUcs4(&point, 1);
        if (isEmojiPart(point)) {
            run += character;
        } else {
            closeRun();
            html += character.toHtmlEscaped();
        }
    }
    closeRun();
    return html;
}
