#pragma once

#include "catalogue/Tone.h"

#include <QString>

// The tone as a person says it, e.g. "Medium skin tone": what assistive
// technology tells of a swatch or a form in that tone.
QString toneName(Tone tone);
