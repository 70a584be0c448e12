#pragma once

class QPalette;

// Whether the desktop shows light or dark windows.
enum class ColorScheme { light, dark };

// Read from the window colour, which follows the desktop's appearance.
ColorScheme colorScheme(const QPalette& palette);
