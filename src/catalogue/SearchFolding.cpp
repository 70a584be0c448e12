#include "catalogue/SearchFolding.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <algorithm>

namespace {

constexpr char32_t combiningDiaeresis = 0x0308;
constexpr char32_t cyrillicIe = 0x0435;     // е, which ё is typed as
constexpr char32_t firstFullWidth = 0xFF01; // ！
constexpr char32_t lastFullWidth = 0xFF5E;  // ～
constexpr char32_t fullWidthToAscii = 0xFEE0;
constexpr char32_t firstKatakana = 0x30A1;      // ァ
constexpr char32_t lastFoldedKatakana = 0x30F6; // ヶ
constexpr char32_t katakanaToHiragana = 0x60;

// A letter written out as the keyboard of its users most often types it.
QStringView writtenOut(char32_t letter) {
    switch (letter) {
    case U'œ':
        return u"oe";
    case U'æ':
        return u"ae";
    case U'ß':
        return u"ss";
    case U'ø':
        return u"o";
    case U'ł':
        return u"l";
    case U'đ':
        return u"d";
    default:
        return {};
    }
}

bool dropsMark(QChar::Script script, char32_t base, char32_t mark) {
    return script == QChar::Script_Latin || script == QChar::Script_Greek ||
           (base == cyrillicIe && mark == combiningDiaeresis);
}

} // namespace

QString foldedForSearch(const QString& text) {
    // Most of the catalogue's words are plain ASCII: lower case is all they need.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLower();
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    char32_t base = 0;
    QChar::Script script = QChar::Script_Unknown;
    for (const uint scalar : decomposed.toUcs4()) {
        char32_t character = scalar;
        if (QChar::category(character) == QChar::Mark_NonSpacing) {
            if (!dropsMark(script, base, character))
                folded.append(QString::fromUcs4(&character, 1));
            continue;
        }
        if (character >= firstFullWidth && character <= lastFullWidth)
            character = QChar::toLower(character - fullWidthToAscii);
        else if (character >= firstKatakana && character <= lastFoldedKatakana)
            character -= katakanaToHiragana;
        base = character;
        script = QChar::script(character);
        if (const QStringView replacement = writtenOut(character); !replacement.isEmpty())
            folded.append(replacement);
        else
            folded.append(QString::fromUcs4(&character, 1));
    }
    return folded.normalized(QString::NormalizationForm_C);
}
