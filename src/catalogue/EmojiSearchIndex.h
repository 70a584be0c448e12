#pragma once

#include <QHash>
#include <QStringList>
#include <array>
#include <unordered_map>
#include <vector>

// The words of every catalogue emoji, prepared once so that a keystroke over
// the whole catalogue costs a scan of a few long texts.
//
// It answers two questions. Which emoji contain the typed text in one of
// their phrases (the groups' filter: a substring of a name, alias or keyword).
// And which emoji the text most likely means, best first. Phrases count by
// kind, not by source: the catalogue's name, aliases and keywords now, and
// whatever names and keywords another source (such as the user's language)
// adds to an entry rank as the catalogue's own do.
class EmojiSearchIndex {
public:
    struct Entry {
        QString symbol;
        // The first is the catalogue's name, whose length breaks ties.
        QStringList names;
        // Short names such as "see_no_evil".
        QStringList aliases;
        QStringList keywords;
    };
    // Emoji the user chose before: favourites, then recents, most recent first.
    // Symbols the catalogue lacks count by their untoned form.
    struct Preference {
        QStringList favorites;
        QStringList recents;
    };

    EmojiSearchIndex() = default;
    // Entries in catalogue order; their positions are what the answers give.
    explicit EmojiSearchIndex(const QList<Entry>& entries);

    // For each entry, whether its symbol or one of its phrases, lower-cased,
    // contains the lower-cased text. Not for the empty text.
    std::vector<bool> entriesContaining(const QString& lowerText) const;

    // The entries matching the text, best first, at most `limit` of them. A
    // text of several words matches when each word does, in any phrase.
    // Best first: the whole text is a phrase or the symbol; every word is one
    // of the entry's words, or the same word in another form ("cherry" and
    // "cherries"); every word starts one; a word only lies inside one. A
    // name of the form "flag: Japan" or "keycap: 1" is also a name of what
    // follows the colon: a country's name finds its flag as a whole name.
    // Ties go to the preferred emoji; then to the one that fits as well by
    // its names and aliases alone, then by its names alone (an emoji is more
    // likely meant by its name than by a keyword); then to the plain emoji
    // before the sequences built on it (the person running before the man
    // running); then to the shorter name, then to catalogue order.
    QList<qsizetype> bestMatches(const QString& text, const Preference& preference,
                                 qsizetype limit) const;

private:
    // How well one word of the search fits a phrase, best first.
    enum Fit : quint8 { wholePhrase, sameWord, wordStart, insideWord, none };
    // Where a phrase comes from, most telling first. The symbol counts as a name.
    enum Kind : quint8 { name, alias, keyword, kindCount };
    // An entry's best fit among its names, among its names and aliases, and
    // among all its phrases, by the kind that ends each.
    using Fits = std::array<quint8, kindCount>;
    // Qt's unseeded hash in a standard map: with QHash the index took twice
    // as long to build.
    struct TextHash {
        size_t operator()(const QString& text) const noexcept { return qHash(text, 0); }
    };
    template <typename Value> using TextMap = std::unordered_map<QString, Value, TextHash>;

    void addPhrase(qint32 entry, Kind kind, const QString& phrase, TextMap<qint32>& wordIds,
                   std::vector<std::vector<qint32>>& postings);
    void addStems(const TextMap<qint32>& wordIds);
    std::vector<Fits> fitsOf(const QString& word) const;
    std::vector<qint32> preferenceRanks(const Preference& preference) const;

    std::vector<qint32> m_nameLengths;
    // Without U+FE0F: a person's gendered or toned sequences count more.
    std::vector<qint32> m_scalarCounts;
    TextMap<qint32> m_entryOfSymbol;
    // Each entry's symbol and phrases, lower-cased, each ended by U+FFFF (no
    // name holds this noncharacter);
    // m_textStarts[i] is where entry i begins, with one more for the end.
    QString m_text;
    std::vector<qint32> m_textStarts;
    // Every distinct word once, separated by spaces (no word of a search holds
    // one), with where each begins and, in m_postings from
    // m_postingStarts[word] on, the entries that have it, each as
    // entry * kindCount + kind.
    QString m_words;
    std::vector<qint32> m_wordStarts;
    std::vector<qint32> m_postingStarts;
    std::vector<qint32> m_postings;
    // The words of a whole phrase, joined by spaces, to its postings.
    TextMap<std::vector<qint32>> m_phrasePostings;
    // A stem (wordStem) that words of another form have, to the ids of the
    // words that have it, the stem itself among them when it is a word.
    TextMap<std::vector<qint32>> m_wordsOfStem;
};
