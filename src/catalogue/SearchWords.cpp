#include "catalogue/SearchWords.h"

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
