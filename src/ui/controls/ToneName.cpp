#include "ui/controls/ToneName.h"

QString toneName(Tone tone) {
    switch (tone) {
    case Tone::yellow:
        return QStringLiteral("Yellow");
    case Tone::light:
        return QStringLiteral("Light skin tone");
    case Tone::mediumLight:
        return QStringLiteral("Medium-light skin tone");
    case Tone::medium:
        return QStringLiteral("Medium skin tone");
    case Tone::mediumDark:
        return QStringLiteral("Medium-dark skin tone");
    case Tone::dark:
        return QStringLiteral("Dark skin tone");
    }
    return {};
}
