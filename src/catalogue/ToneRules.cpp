#include "catalogue/ToneRules.h"

#include "platform/TextMeasurer.h"

#include <algorithm>
#include <array>

namespace {

constexpr QChar variationSelector(0xFE0F);

// The modifier bases that are drawn as text unless U+FE0F follows them (those
// without Emoji_Presentation in Unicode's emoji-data.txt): their untoned emoji
// form carries the U+FE0F that a modifier takes the place of.
constexpr std::array<char32_t, 9> textDefaultBases{0x261D,  0x26F9,  0x270C,  0x270D, 0x1F3CB,
                                                   0x1F3CC, 0x1F574, 0x1F575, 0x1F590};

// A modifier base of which Unicode recommends no toned form, although the
// emoji font draws one.
constexpr char32_t wrestlers = 0x1F93C;

// UTF-16 length of the first scalar.
qsizetype firstScalarLength(const QString& symbol) {
    return symbol.size() >= 2 && symbol[0].isHighSurrogate() && symbol[1].isLowSurrogate() ? 2 : 1;
}

char32_t firstScalar(const QString& symbol) {
    return firstScalarLength(symbol) == 2 ? QChar::surrogateToUcs4(symbol[0], symbol[1])
                                          : symbol[0].unicode();
}

// Whether a modifier (U+1F3FB...U+1F3FF) starts at this UTF-16 position.
bool isModifierAt(const QString& symbol, qsizetype position) {
    if (position + 1 >= symbol.size() || !symbol[position].isHighSurrogate())
        return false;
    const char32_t scalar = QChar::surrogateToUcs4(symbol[position], symbol[position + 1]);
    return scalar >= U'\U0001F3FB' && scalar <= U'\U0001F3FF';
}

// The symbol around the place of its tone: the first scalar, whether a
// modifier follows it, and what follows the modifier or a U+FE0F there (or
// both, as a modifier put before the U+FE0F left them).
struct ToneSite {
    QStringView base;
    bool isToned = false;
    QStringView rest;
};

ToneSite toneSite(const QString& symbol) {
    const qsizetype first = firstScalarLength(symbol);
    qsizetype rest = first;
    const bool toned = isModifierAt(symbol, rest);
    if (toned)
        rest += 2;
    if (rest < symbol.size() && symbol[rest] == variationSelector)
        ++rest;
    const QStringView view(symbol);
    return {view.first(first), toned, view.sliced(rest)};
}

QString joined(QStringView base, QStringView between, QStringView rest) {
    QString text;
    text.reserve(base.size() + between.size() + rest.size());
    text.append(base).append(between).append(rest);
    return text;
}

} // namespace

QString applyTone(Tone tone, const QString& symbol) {
    if (symbol.isEmpty() || tone == Tone::yellow)
        return symbol;
    const ToneSite site = toneSite(symbol);
    return joined(site.base, modifier(tone), site.rest);
}

QString removeSkinTone(const QString& symbol) {
    if (symbol.isEmpty())
        return symbol;
    const ToneSite site = toneSite(symbol);
    if (!site.isToned)
        return symbol;
    const bool textDefault =
        std::ranges::find(textDefaultBases, firstScalar(symbol)) != textDefaultBases.cend();
    return joined(site.base, textDefault ? QStringView(&variationSelector, 1) : QStringView(),
                  site.rest);
}

bool supportsSkinTone(const TextMeasurer& measurer, const QString& symbol) {
    if (symbol.isEmpty() || firstScalar(symbol) == wrestlers)
        return false;
    static const QString reference = QStringLiteral("👍");
    const QSizeF toned = measurer.size(applyTone(Tone::light, symbol));
    const QSizeF single = measurer.size(reference);
    // Exact comparison: QSizeF's == is fuzzy.
    return toned.width() == single.width() && toned.height() == single.height();
}

QStringList skinToneVariants(const QString& symbol) {
    QStringList variants{removeSkinTone(symbol)};
    for (Tone tone : tonedCases())
        variants << applyTone(tone, symbol);
    return variants;
}

Emoji makeEmoji(const TextMeasurer& measurer, const EmojiRecord& record, std::optional<Tone> tone) {
    QString symbol = record.emoji;
    if (tone && *tone != Tone::yellow && supportsSkinTone(measurer, symbol))
        symbol = applyTone(*tone, symbol);
    return Emoji::make(std::move(symbol), record.description, record.aliases, record.tags);
}
