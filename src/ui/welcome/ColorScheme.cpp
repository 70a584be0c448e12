#include "ui/welcome/ColorScheme.h"

#include <QPalette>

ColorScheme colorScheme(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128 ? ColorScheme::dark
                                                             : ColorScheme::light;
}
