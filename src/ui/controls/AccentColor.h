#pragma once

#include <QColor>

class Preferences;
class QWidget;

// The highlight colour of selections, current tabs and hovered entries: the
// desktop's own highlight colour when the user asked for the system colour,
// otherwise the program's brand yellow.
QColor appAccentColor(bool useSystemColor);

// The brand colour, "Verbena Yellow".
QColor brandAccentColor();

// Gives the widget's highlight colour (switches, focus marks) the accent
// colour, now and after every change of the system colour preference.
void followAccentColor(QWidget& widget, const Preferences& preferences);
