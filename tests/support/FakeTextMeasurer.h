#pragma once

#include "catalogue/ToneRules.h"
#include "platform/TextMeasurer.h"

#include <QSet>
#include <atomic>

// Draws 👍 and the toned forms of the given bases as one glyph and everything
// else as two, as the emoji font does for symbols that take no skin tone.
class FakeTextMeasurer : public TextMeasurer {
public:
    explicit FakeTextMeasurer(const QStringList& tonedBases = {QStringLiteral("👍")})
        : m_bases(tonedBases.cbegin(), tonedBases.cend()) {}

    QSizeF size(const QString& text) const override {
        ++m_calls;
        const bool oneGlyph = text == QStringLiteral("👍") || m_bases.contains(removeSkinTone(text));
        return oneGlyph ? QSizeF(17, 16) : QSizeF(34, 16);
    }

    int calls() const { return m_calls; }

private:
    QSet<QString> m_bases;
    mutable std::atomic<int> m_calls = 0;
};
