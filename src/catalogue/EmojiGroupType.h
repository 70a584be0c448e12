#pragma once

#include <QList>
#include <QStringList>

// The picker's groups, in tab order.
enum class EmojiGroupType {
    favorites,
    recent,
    smileysAndPeople,
    animalsAndNature,
    foodAndDrink,
    travelAndPlaces,
    activities,
    objects,
    symbols,
    flags
};

const QList<EmojiGroupType>& allGroupTypes();
QString title(EmojiGroupType type);
// The catalogue categories the group shows, in order; none for favorites and recent.
QStringList categories(EmojiGroupType type);
// The name of the group's tab image.
QString icon(EmojiGroupType type);
