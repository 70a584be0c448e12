#include "catalogue/ToneRules.h"

#include "platform/TextMeasurer.h"

namespace {

// UTF-16 length of the first scalar.
qsizetype firstScalarLength(const QString& symbol) {
    return symbol.size() >= 2 && symbol[0].isHighSurrogate() && symbol[1].isLowSurrogate() ? 2 : 1;
}

// Whether a modifier (U+1F3FB...U+1F3FF) starts at this UTF-16 position.
bool isModifierAt(const QString& symbol, qsizetype position) {
    if (position + 1 >= symbol.size() || !symbol[position].isHighSurrogate())
        return false;
    const char32_t scalar = QChar::surrogateToUcs4(symbol[position], symbol[position + 1]);
    return scalar >= U'\U0001F3FB' && scalar <= U'\U0001F3FF';
}

// Splits the symbol into its first scalar and what follows a modifier there.
std::pair<QStringView, QStringView> aroundModifier(const QString& symbol) {
    const qsizetype first = firstScalarLength(symbol);
    const qsizetype rest = isModifierAt(symbol, first) ? first + 2 : first;
    return {QStringView(symbol).first(first), QStringView(symbol).sliced(rest)};
}

QString joined(std::pair<QStringView, QStringView> parts, const QString& between) {
    QString text;
    text.reserve(parts.first.size() + between.size() + parts.second.size());
    text.append(parts.first).append(between).append(parts.second);
    return text;
}

} // namespace

QString applyTone(Tone tone, const QString& symbol) {
    if (symbol.isEmpty() || tone == Tone::yellow)
        return symbol;
    return joined(aroundModifier(symbol), modifier(tone));
}

QString removeSkinTone(const QString& symbol) {
    if (symbol.isEmpty())
        return symbol;
    return joined(aroundModifier(symbol), QString());
}

bool supportsSkinTone(const TextMeasurer& measurer, const QString& symbol) {
    if (symbol.isEmpty())
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
