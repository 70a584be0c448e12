#pragma once

#include "catalogue/Emoji.h"
#include "catalogue/EmojiGroupType.h"

// A group of the picker with its emoji. Groups are told apart by their title
// alone: two groups of one type are equal whatever they hold.
struct EmojiGroup {
    EmojiGroupType type;
    QList<Emoji> emojis;

    QString id() const { return title(type); }
    bool operator==(const EmojiGroup& other) const { return id() == other.id(); }
};
