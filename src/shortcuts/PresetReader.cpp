#include "shortcuts/PresetReader.h"

#include "platform/MessageError.h"
#include "platform/ResourceLocator.h"

#include <QFile>

QList<Shortcut> readPresetShortcuts(const ResourceLocator& resources, const QString& baseName,
                                    const QString& extension) {
    const std::optional<QString> path = resources.path(baseName, extension);
    if (!path)
        throw MessageError("No emojis resource found");
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        throw MessageError(file.errorString());
    const QString text = QString::fromUtf8(file.readAll());

    QList<Shortcut> shortcuts;
    for (QStringView line : QStringView(text).split(u'\n')) {
        const auto fields = line.split(u',');
        if (fields.size() != 2)
            continue;
        shortcuts.append({'/' + fields[1].toString().toLower(), fields[0].toString(), false});
    }
    return shortcuts;
}
