#include "ui/controls/EmojiFont.h"

#include <QGuiApplication>

QFont emojiFont(int pixelSize) {
    QFont font = QGuiApplication::font();
    font.setFamilies({QStringLiteral("Noto Color Emoji"), font.family()});
    font.setPixelSize(pixelSize);
    return font;
}
