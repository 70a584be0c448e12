#include "ui/picker/GroupTitle.h"

#include <QCoreApplication>

namespace {

// The English titles, marked for translation.
[[maybe_unused]] const char* const titles[] = {
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
    QT_TRANSLATE_NOOP("EmojiGroupType", "Best Matches"),
};

} // namespace

QString shownTitle(const QString& title) {
    return QCoreApplication::translate("EmojiGroupType", title.toUtf8().constData());
}
