#include "catalogue/EmojiSearch.h"

QStringList searchWords(const Emoji& emoji) {
    QStringList words;
    words.reserve(2 + emoji.tags.size() + emoji.aliases.size());
    words << emoji.symbol.toLower() << emoji.description.toLower();
    for (const QString& tag : emoji.tags)
        words << tag.toLower();
    for (const QString& alias : emoji.aliases)
        words << alias.toLower();
    return words;
}

bool matchesQuery(const QStringList& words, const QString& lowerQuery) {
    return std::any_of(words.cbegin(), words.cend(),
                       [&](const QString& word) { return word.contains(lowerQuery); });
}

QList<Emoji> filterEmojis(const QList<Emoji>& emojis, const QString& text) {
    if (text.isEmpty())
        return emojis;
    const QString query = text.toLower();
    QList<Emoji> found;
    for (const Emoji& emoji : emojis) {
        if (matchesQuery(searchWords(emoji), query))
            found << emoji;
    }
    return found;
}
