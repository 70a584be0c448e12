#pragma once

#include "platform/TextReplacementService.h"

#include <QObject>
#include <QPointer>
#include <coroutine>

// Awaits one call of the replacement list. The completion may run on any thread
// (or before the call returns); it only stores the outcome and posts the resume
// to the thread that awaited, where the task goes on.
class ServiceCall {
public:
    using Start = std::function<void(TextReplacementService::Completion)>;

    explicit ServiceCall(Start start) : m_start(std::move(start)) {}

    bool await_ready() const noexcept { return false; }

    void await_suspend(std::coroutine_handle<> awaiting) {
        auto* context = new QObject; // lives on the awaiting thread
        m_start([this, awaiting, context](std::optional<TextReplacementError> error) {
            m_error = std::move(error);
            QMetaObject::invokeMethod(
                context,
                [awaiting, context] {
                    context->deleteLater();
                    awaiting.resume();
                },
                Qt::QueuedConnection);
        });
    }

    std::optional<TextReplacementError> await_resume() { return std::move(m_error); }

private:
    Start m_start;
    std::optional<TextReplacementError> m_error;
};
