#include "shortcuts/PresetShortcuts.h"

#include "catalogue/ToneRules.h"
#include "shortcuts/PresetReader.h"

namespace {

QString appearanceList(Gender gender) {
    switch (gender) {
    case Gender::person:
        return QStringLiteral("person");
    case Gender::female:
        return QStringLiteral("female");
    case Gender::male:
        return QStringLiteral("male");
    }
    Q_UNREACHABLE();
}

} // namespace

QList<Shortcut> buildPresetShortcuts(const ResourceLocator& resources, const TextMeasurer& measurer,
                                     const PresetConfiguration& configuration) {
    QList<Shortcut> shortcuts = readPresetShortcuts(resources, QStringLiteral("common"));
    shortcuts += readPresetShortcuts(resources, appearanceList(configuration.gender));
    if (configuration.family) {
        for (Shortcut shortcut : readPresetShortcuts(resources, QStringLiteral("family"))) {
            shortcut.phrase = rawValue(*configuration.family);
            shortcut.isCustom = false;
            shortcuts << shortcut;
        }
    }
    for (Shortcut& shortcut : shortcuts) {
        if (supportsSkinTone(measurer, shortcut.phrase)) {
            shortcut.phrase = skinToneVariants(shortcut.phrase)[rawValue(configuration.tone)];
            shortcut.isCustom = false;
        }
    }
    return shortcuts;
}
