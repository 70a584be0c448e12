#include "ui/controls/ToneName.h"

#include <QCoreApplication>

QString toneName(Tone tone) {
    switch (tone) {
    case Tone::yellow:
        return QCoreApplication::translate("ToneName", "Yellow");
    case Tone::light:
        return QCoreApplication::translate("ToneName", "Light skin tone");
    case Tone::mediumLight:
        return QCoreApplication::translate("ToneName", "Medium-light skin tone");
    case Tone::medium:
        return QCoreApplication::translate("ToneName", "Medium skin tone");
    case Tone::mediumDark:
        return QCoreApplication::translate("ToneName", "Medium-dark skin tone");
    case Tone::dark:
        return QCoreApplication::translate("ToneName", "Dark skin tone");
    }
    return {};
}
