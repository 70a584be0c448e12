#include "ui/picker/GroupTitle.h"

#include <QCoreApplication>

namespace {

// The English titles in the order of the types, marked for translation.
const char* const titles[] = {
    QT_TRANSLATE_NOOP("EmojiGroupType", "Favorites"),
    QT_TRANSLATE_NOOP("EmojiGroupType", "Recent"),
    QT_TRANSLATE_NOOP("EmojiGroupType", "Smileys & People"),
    QT_TRANSLATE_NOOP("EmojiGroupType", "Animals & Nature"),
    QT_TRANSLATE_NOOP("EmojiGroupType", "Food & Drink"),
    QT_TRANSLATE_NOOP("EmojiGroupType", "Travel & Places"),
    QT_TRANSLATE_NOOP("EmojiGroupType", "Activities"),
    QT_TRANSLATE_NOOP("EmojiGroupType", "Objects"),
    QT_TRANSLATE_NOOP("EmojiGroupType", "Symbols"),
    QT_TRANSLATE_NOOP("EmojiGroupType", "Flags"),
};

} // namespace

QString shownTitle(EmojiGroupType type) {
    return QCoreApplication::translate("EmojiGroupType", titles[static_cast<int>(type)]);
}
