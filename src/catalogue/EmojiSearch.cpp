#include "catalogue/EmojiSearch.h"

#include <algorithm>

namespace {

// The catalogue's words are nearly all lower-case already: only the others
// are lower-cased, here, rather than kept in a lower-cased copy.
bool containsLowerCased(const QString& word, const QString& lowerQuery) {
    return word.isLower() ? word.contains(lowerQuery) : word.toLower().contains(lowerQuery);
}

bool matchesQuery(const Emoji& emoji, const QString& lowerQuery) {
    const auto contains = [&lowerQuery](const QString& word) {
        return containsLowerCased(word, lowerQuery);
    };
    return contains(emoji.symbol) || contains(emoji.description) ||
           std::any_of(emoji.tags.cbegin(), emoji.tags.cend(), contains) ||
           std::any_of(emoji.aliases.cbegin(), emoji.aliases.cend(), contains);
}

} // namespace

QList<Emoji> filterEmojis(const QList<Emoji>& emojis, const QString& text) {
    if (text.isEmpty())
        return emojis;
    const QString query = text.toLower();
    QList<Emoji> found;
    for (const Emoji& emoji : emojis) {
        if (matchesQuery(emoji, query))
            found << emoji;
    }
    return found;
}
