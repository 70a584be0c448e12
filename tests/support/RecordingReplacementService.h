#pragma once

#include "platform/MessageError.h"
#include "platform/TextReplacementService.h"

#include <QHash>
#include <QMutex>
#include <QThreadPool>
#include <functional>

// An in-memory replacement list that records every call. Completions run on a
// pool thread, as a real list's may; a queued failure answers the next call.
class RecordingReplacementService : public TextReplacementService {
public:
    struct Call {
        QList<TextReplacementEntry> add;
        QList<TextReplacementEntry> remove;
        std::optional<std::pair<TextReplacementEntry, TextReplacementEntry>> modify;
    };

    void addEntries(const QList<TextReplacementEntry>& add,
                    const QList<TextReplacementEntry>& remove, Completion completion) override {
        if (beforeAdding)
            beforeAdding();
        QMutexLocker lock(&m_mutex);
        m_calls.append({add, remove, std::nullopt});
        auto failure = takeFailure();
        if (!failure) {
            for (const auto& entry : remove)
                m_entries.removeAll(entry);
            m_entries += add;
        }
        complete(std::move(completion), std::move(failure));
    }

    void modifyEntry(const TextReplacementEntry& original, const TextReplacementEntry& replacement,
                     Completion completion) override {
        QMutexLocker lock(&m_mutex);
        m_calls.append({{}, {}, std::pair{original, replacement}});
        auto failure = takeFailure();
        const qsizetype index = m_entries.indexOf(original);
        if (!failure && index < 0)
            failure = TextReplacementError{99, {}, {}};
        if (!failure)
            m_entries[index] = replacement;
        complete(std::move(completion), std::move(failure));
    }

    QString errorString(int code) const override {
        return errorTexts.value(code, QStringLiteral("error %1").arg(code));
    }

    QList<TextReplacementEntry> currentEntries() const override {
        QMutexLocker lock(&m_mutex);
        if (!m_readFailure.isEmpty())
            throw MessageError(m_readFailure);
        return m_entries;
    }
    // Reading the list fails with this message until it is set back to empty.
    void failReads(const QString& message) {
        QMutexLocker lock(&m_mutex);
        m_readFailure = message;
    }

    void setEntries(QList<TextReplacementEntry> entries) {
        QMutexLocker lock(&m_mutex);
        m_entries = std::move(entries);
    }
    QList<Call> calls() const {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }
    void clearCalls() {
        QMutexLocker lock(&m_mutex);
        m_calls.clear();
    }
    // The call after `callsBefore` more calls fails with this error.
    void failCall(TextReplacementError error, int callsBefore = 0) {
        QMutexLocker lock(&m_mutex);
        m_failure = std::move(error);
        m_callsBeforeFailure = callsBefore;
    }

    QHash<int, QString> errorTexts;
    // Runs as an add or remove arrives, before the list changes: what the
    // caller has done before writing the list.
    std::function<void()> beforeAdding;

private:
    std::optional<TextReplacementError> takeFailure() {
        if (!m_failure || m_callsBeforeFailure-- > 0)
            return std::nullopt;
        return std::exchange(m_failure, std::nullopt);
    }
    static void complete(Completion completion, std::optional<TextReplacementError> error) {
        QThreadPool::globalInstance()->start(
            [completion = std::move(completion), error = std::move(error)] { completion(error); });
    }

    mutable QMutex m_mutex;
    QList<TextReplacementEntry> m_entries;
    QList<Call> m_calls;
    std::optional<TextReplacementError> m_failure;
    int m_callsBeforeFailure = 0;
    QString m_readFailure;
};
