#include "catalogue/EmojiSearchIndex.h"

#include "catalogue/SearchWords.h"
#include "catalogue/ToneRules.h"

#include <algorithm>

namespace {

// Ends each phrase in the joined text. A noncharacter, in no name: a text
// that holds it finds nothing.
constexpr QChar phraseEnd(0xFFFF);

// An emoji nobody chose ranks after every favourite and recent.
constexpr qint32 notPreferred = std::numeric_limits<qint32>::max();

void addPosting(std::vector<qint32>& postings, qint32 posting) {
    // An entry's phrases are added one entry at a time: a repeat is the last.
    if (postings.empty() || postings.back() != posting)
        postings.push_back(posting);
}

} // namespace

EmojiSearchIndex::EmojiSearchIndex(const QList<Entry>& entries) {
    TextMap<qint32> wordIds;
    std::vector<std::vector<qint32>> postings;
    m_textStarts.reserve(entries.size() + 1);
    qsizetype textSize = 0;
    for (const Entry& source : entries) {
        for (const QStringList* phrases : {&source.names, &source.aliases, &source.keywords}) {
            for (const QString& phrase : *phrases)
                textSize += phrase.size() + 1;
        }
        textSize += source.symbol.size() + 1;
    }
    m_text.reserve(textSize);
    for (qint32 entry = 0; entry < entries.size(); ++entry) {
        const Entry& source = entries[entry];
        m_nameLengths.push_back(source.names.isEmpty() ? 0 : qint32(source.names.first().size()));
        m_scalarCounts.push_back(
            qint32(QString(source.symbol).remove(QChar(0xFE0F)).toUcs4().size()));
        m_entryOfSymbol.emplace(source.symbol, entry);
        m_textStarts.push_back(qint32(m_text.size()));
        addPhrase(entry, name, source.symbol, wordIds, postings);
        for (const QString& phrase : source.names)
            addPhrase(entry, name, phrase, wordIds, postings);
        for (const QString& phrase : source.aliases)
            addPhrase(entry, alias, phrase, wordIds, postings);
        for (const QString& phrase : source.keywords)
            addPhrase(entry, keyword, phrase, wordIds, postings);
    }
    m_textStarts.push_back(qint32(m_text.size()));

    QStringList words(qsizetype(wordIds.size()));
    for (const auto& [word, id] : wordIds)
        words[id] = word;
    m_wordStarts.reserve(words.size() + 1);
    m_postingStarts.reserve(words.size() + 1);
    for (qsizetype id = 0; id < words.size(); ++id) {
        m_wordStarts.push_back(qint32(m_words.size()));
        m_words += words[id];
        m_words += QLatin1Char(' ');
        m_postingStarts.push_back(qint32(m_postings.size()));
        m_postings.insert(m_postings.end(), postings[id].cbegin(), postings[id].cend());
    }
    m_wordStarts.push_back(qint32(m_words.size()));
    m_postingStarts.push_back(qint32(m_postings.size()));
    addStems(wordIds);
}

void EmojiSearchIndex::addStems(const TextMap<qint32>& wordIds) {
    for (const auto& [word, id] : wordIds) {
        if (QString stem = wordStem(word); stem != word)
            m_wordsOfStem[std::move(stem)].push_back(id);
    }
    for (auto& [stem, ids] : m_wordsOfStem) {
        if (const auto found = wordIds.find(stem); found != wordIds.cend())
            ids.push_back(found->second);
    }
}

void EmojiSearchIndex::addPhrase(qint32 entry, Kind kind, const QString& phrase,
                                 TextMap<qint32>& wordIds,
                                 std::vector<std::vector<qint32>>& postings) {
    m_text += phrase.toLower();
    m_text += phraseEnd;
    const QStringList words = searchWords(phrase);
    if (words.isEmpty())
        return;
    const qint32 posting = entry * kindCount + kind;
    addPosting(m_phrasePostings[words.size() == 1 ? words.first() : words.join(QLatin1Char(' '))],
               posting);
    // CLDR names a flag "flag: Japan", a keycap "keycap: 1": what follows the
    // colon is the name a user types.
    if (const qsizetype colon = phrase.indexOf(QLatin1String(": ")); kind == name && colon > 0) {
        const QStringList subject = searchWords(phrase.sliced(colon + 2));
        if (!subject.isEmpty())
            addPosting(m_phrasePostings[subject.join(QLatin1Char(' '))], posting);
    }
    for (const QString& word : words) {
        const auto [found, added] = wordIds.try_emplace(word, qint32(postings.size()));
        if (added)
            postings.emplace_back();
        addPosting(postings[found->second], posting);
    }
}

std::vector<bool> EmojiSearchIndex::entriesContaining(const QString& lowerText) const {
    std::vector<bool> found(m_textStarts.size() - 1, false);
    if (lowerText.contains(phraseEnd))
        return found;
    // One scan of the whole text; after a find, on from the next entry.
    const QStringView text(m_text);
    qsizetype at = 0;
    while ((at = text.indexOf(lowerText, at)) >= 0) {
        const auto next = std::upper_bound(m_textStarts.cbegin(), m_textStarts.cend(), at);
        found[size_t(next - m_textStarts.cbegin() - 1)] = true;
        at = *next;
    }
    return found;
}

// For each entry, the best fit of one search word among its names; among its
// names and aliases; among all its words.
std::vector<EmojiSearchIndex::Fits> EmojiSearchIndex::fitsOf(const QString& word) const {
    std::vector<Fits> fits(m_nameLengths.size(), Fits{none, none, none});
    const auto fitWord = [&](qsizetype id, quint8 fit) {
        for (qint32 index = m_postingStarts[id]; index < m_postingStarts[id + 1]; ++index) {
            const qint32 posting = m_postings[index];
            quint8& best = fits[posting / kindCount][posting % kindCount];
            best = qMin(best, fit);
        }
    };
    const QStringView words(m_words);
    qsizetype at = 0;
    while ((at = words.indexOf(word, at)) >= 0) {
        const auto next = std::upper_bound(m_wordStarts.cbegin(), m_wordStarts.cend(), at);
        const auto id = next - m_wordStarts.cbegin() - 1;
        const qint32 start = m_wordStarts[id];
        fitWord(id, at > start                                 ? insideWord
                    : *next - start - 1 == qint32(word.size()) ? sameWord
                                                               : wordStart);
        // A later find in the same word fits no better than this one.
        at = *next;
    }
    if (const auto sameStem = m_wordsOfStem.find(wordStem(word));
        sameStem != m_wordsOfStem.cend()) {
        for (const qint32 id : sameStem->second)
            fitWord(id, sameWord);
    }
    for (Fits& kinds : fits) {
        kinds[alias] = qMin(kinds[alias], kinds[name]);
        kinds[keyword] = qMin(kinds[keyword], kinds[alias]);
    }
    return fits;
}

std::vector<qint32> EmojiSearchIndex::preferenceRanks(const Preference& preference) const {
    std::vector<qint32> ranks(m_nameLengths.size(), notPreferred);
    const auto rank = [&](const QString& symbol, qint32 value) {
        auto found = m_entryOfSymbol.find(symbol);
        if (found == m_entryOfSymbol.cend())
            found = m_entryOfSymbol.find(removeSkinTone(symbol));
        if (found != m_entryOfSymbol.cend())
            ranks[found->second] = qMin(ranks[found->second], value);
    };
    for (const QString& favorite : preference.favorites)
        rank(favorite, 0);
    for (qint32 index = 0; index < preference.recents.size(); ++index)
        rank(preference.recents[index], 1 + index);
    return ranks;
}

QList<qsizetype> EmojiSearchIndex::bestMatches(const QString& text, const Preference& preference,
                                               qsizetype limit) const {
    const QStringList words = searchWords(text);
    if (words.isEmpty() || limit <= 0)
        return {};
    // An entry fits as well as its worst-fitting search word does.
    std::vector<Fits> fits = fitsOf(words.first());
    for (qsizetype index = 1; index < words.size(); ++index) {
        const std::vector<Fits> more = fitsOf(words[index]);
        for (size_t entry = 0; entry < fits.size(); ++entry) {
            for (int kind = 0; kind < kindCount; ++kind)
                fits[entry][kind] = qMax(fits[entry][kind], more[entry][kind]);
        }
    }
    const auto whole = m_phrasePostings.find(words.join(QLatin1Char(' ')));
    if (whole != m_phrasePostings.cend()) {
        for (qint32 posting : whole->second) {
            Fits& kinds = fits[posting / kindCount];
            std::fill(kinds.begin() + posting % kindCount, kinds.end(), wholePhrase);
        }
    }

    const std::vector<qint32> ranks = preferenceRanks(preference);
    struct Candidate {
        quint8 fit;
        qint32 rank;
        quint8 fitByNamesAndAliases;
        quint8 fitByNames;
        qint32 scalarCount;
        qint32 nameLength;
        qint32 entry;
        auto operator<=>(const Candidate&) const = default;
    };
    std::vector<Candidate> candidates;
    for (qint32 entry = 0; entry < qint32(fits.size()); ++entry) {
        const Fits& kinds = fits[entry];
        if (kinds[keyword] != none)
            candidates.push_back({kinds[keyword], ranks[entry], kinds[alias], kinds[name],
                                  m_scalarCounts[entry], m_nameLengths[entry], entry});
    }
    const auto end = candidates.begin() + qMin(qsizetype(candidates.size()), limit);
    std::partial_sort(candidates.begin(), end, candidates.end());
    QList<qsizetype> best;
    for (auto candidate = candidates.begin(); candidate != end; ++candidate)
        best << candidate->entry;
    return best;
}
