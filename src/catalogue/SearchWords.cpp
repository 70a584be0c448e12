#include "catalogue/SearchWords.h"

#include <algorithm>

namespace {

constexpr QChar variationSelector(0xFE0F);
constexpr QChar curlyApostrophe(0x2019);

bool separatesWords(QChar character) {
    switch (character.unicode()) {
    case u'-':
    case u'_':
    case u':':
    case u',':
    case u'.':
    case u'(':
    case u')':
    case u'"':
    case u'\u201C': // “
    case u'\u201D': // ”
        return true;
    default:
        return character.isSpace();
    }
}

bool isPlainWord(const QString& word) {
    return std::all_of(word.cbegin(), word.cend(),
                       [](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); });
}

bool hasVowel(QStringView letters) {
    return std::any_of(letters.cbegin(), letters.cend(),
                       [](QChar c) { return QStringView(u"aeiouy").contains(c); });
}

} // namespace

QStringList searchWords(const QString& text) {
    QString lower = text.toLower();
    lower.remove(variationSelector);
    lower.replace(curlyApostrophe, QLatin1Char('\''));
    QStringList words;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= lower.size(); ++at) {
        if (at < lower.size() && !separatesWords(lower[at]))
            continue;
        if (at > start)
            words << lower.sliced(start, at - start);
        start = at + 1;
    }
    return words;
}

QString wordStem(const QString& word) {
    // Short words ("bus", "gas", "yes") are left as they are.
    if (word.size() <= 3 || !isPlainWord(word))
        return word;
    if (word.endsWith(u"ies") && word.size() > 4)
        return word.chopped(3) + QLatin1Char('y');
    if (word.endsWith(u"ing") && word.size() > 5 && hasVowel(QStringView(word).chopped(3))) {
        // "running" is "run", but "falling" stays "fall".
        const QStringView base = QStringView(word).chopped(3);
        const QChar last = base.back();
        const bool doubled =
            base.size() > 2 && base[base.size() - 2] == last && !QStringView(u"lsz").contains(last);
        return (doubled ? base.chopped(1) : base).toString();
    }
    if (word.endsWith(u"es") && (QStringView(u"sxz").contains(word[word.size() - 3]) ||
                                 word.endsWith(u"ches") || word.endsWith(u"shes")))
        return word.chopped(2);
    if (word.endsWith(QLatin1Char('s')) && !word.endsWith(u"ss") && !word.endsWith(u"us"))
        return word.chopped(1);
    return word;
}
