#include "ui/controls/AccentColor.h"

#include <QGuiApplication>
#include <QPalette>

QColor appAccentColor(bool useSystemColor) {
    if (useSystemColor)
        return QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight);
    return brandAccentColor();
}

QColor brandAccentColor() {
    return QColor(0xF2, 0xB7, 0x05);
}
