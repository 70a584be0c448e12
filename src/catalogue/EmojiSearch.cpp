#include "catalogue/EmojiSearch.h"

#include "catalogue/SearchFolding.h"

#include <algorithm>

namespace {

// The words of the few favourites and recents are folded as they are met;
// the user's language's are folded already.
bool matchesQuery(const Emoji& emoji, const QString& foldedQuery) {
    const auto contains = [&foldedQuery](const QString& word) {
        return foldedForSearch(word).contains(foldedQuery);
    };
    return contains(emoji.symbol) || contains(emoji.description) ||
           std::any_of(emoji.tags.cbegin(), emoji.tags.cend(), contains) ||
           std::any_of(emoji.aliases.cbegin(), emoji.aliases.cend(), contains) ||
           std::any_of(emoji.localWords.cbegin(), emoji.localWords.cend(),
                       [&foldedQuery](const QString& word) { return word.contains(foldedQuery); });
}

} // namespace

QList<Emoji> filterEmojis(const QList<Emoji>& emojis, const QString& text) {
    if (text.isEmpty())
        return emojis;
    const QString query = foldedForSearch(text);
    QList<Emoji> found;
    for (const Emoji& emoji : emojis) {
        if (matchesQuery(emoji, query))
            found << emoji;
    }
    return found;
}
