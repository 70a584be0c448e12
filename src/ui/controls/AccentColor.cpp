#include "ui/controls/AccentColor.h"

#include "settings/Preferences.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

QColor appAccentColor(bool useSystemColor) {
    if (useSystemColor)
        return QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight);
    return brandAccentColor();
}

QColor brandAccentColor() {
    return QColor(0xF2, 0xB7, 0x05);
}

void followAccentColor(QWidget& widget, const Preferences& preferences) {
    auto highlight = [&widget](bool useSystemColor) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Highlight, appAccentColor(useSystemColor));
        widget.setPalette(palette);
    };
    highlight(preferences.useSystemColor());
    QObject::connect(&preferences, &Preferences::useSystemColorChanged, &widget, highlight);
}
