#pragma once

#include "catalogue/ToneRules.h"
#include "platform/TextMeasurer.h"

#include <QMutex>
#include <QSet>
#include <QThread>

// Draws 👍 and the toned forms of the given bases as one glyph and everything
// else as two, as the emoji font does for symbols that take no skin tone.
// Records what it measured and on which threads.
class FakeTextMeasurer : public TextMeasurer {
public:
    explicit FakeTextMeasurer(const QStringList& tonedBases = {QStringLiteral("👍")})
        : m_bases(tonedBases.cbegin(), tonedBases.cend()) {}

    QSizeF size(const QString& text) const override {
        {
            QMutexLocker lock(&m_mutex);
            m_threads.insert(QThread::currentThread());
            m_texts.insert(text);
        }
        const bool oneGlyph = text == QStringLiteral("👍") || m_bases.contains(removeSkinTone(text));
        return oneGlyph ? QSizeF(17, 16) : QSizeF(34, 16);
    }

    QSet<QThread*> threads() const {
        QMutexLocker lock(&m_mutex);
        return m_threads;
    }

    QSet<QString> texts() const {
        QMutexLocker lock(&m_mutex);
        return m_texts;
    }

private:
    QSet<QString> m_bases;
    mutable QMutex m_mutex;
    mutable QSet<QThread*> m_threads;
    mutable QSet<QString> m_texts;
};
