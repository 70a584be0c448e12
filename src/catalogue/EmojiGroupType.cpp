#include "catalogue/EmojiGroupType.h"

namespace {

struct Description {
    const char* title;
    QStringList categories;
    const char* icon;
};

const Description& describe(EmojiGroupType type) {
    static const Description descriptions[] = {
        {"Favorites", {}, "star"},
        {"Recent", {}, "recents"},
        {"Smileys & People", {"Smileys & Emotion", "People & Body"}, "faces"},
        {"Animals & Nature", {"Animals & Nature"}, "animals"},
        {"Food & Drink", {"Food & Drink"}, "food"},
        {"Travel & Places", {"Travel & Places"}, "travel"},
        {"Activities", {"Activities"}, "activities"},
        {"Objects", {"Objects"}, "objects"},
        {"Symbols", {"Symbols"}, "symbols"},
        {"Flags", {"Flags"}, "flags"},
    };
    return descriptions[static_cast<int>(type)];
}

} // namespace

const QList<EmojiGroupType>& allGroupTypes() {
    static const QList<EmojiGroupType> types = [] {
        QList<EmojiGroupType> cases;
        for (int index = 0; index <= static_cast<int>(EmojiGroupType::flags); ++index)
            cases << static_cast<EmojiGroupType>(index);
        return cases;
    }();
    return types;
}

QString title(EmojiGroupType type) {
    return QString::fromUtf8(describe(type).title);
}

QStringList categories(EmojiGroupType type) {
    return describe(type).categories;
}

QString icon(EmojiGroupType type) {
    return QString::fromUtf8(describe(type).icon);
}
