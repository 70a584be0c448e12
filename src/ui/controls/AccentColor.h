#pragma once

#include <QColor>

// The highlight colour of selections, current tabs and hovered entries: the
// desktop's own highlight colour when the user asked for the system colour,
// otherwise the program's brand yellow.
QColor appAccentColor(bool useSystemColor);

// The brand colour, "Verbena Yellow".
QColor brandAccentColor();
