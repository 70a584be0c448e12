#include "shortcuts/TextExpanderMonitor.h"

#include "platform/LineOutput.h"

#include <QPointer>

TextExpanderMonitor::TextExpanderMonitor(TextExpanderStatus& status, LineOutput& output,
                                         QObject* parent)
    : QObject(parent), m_status(status), m_output(output) {}

QString TextExpanderMonitor::inactiveReason() const {
    if (!m_state)
        return {};
    switch (m_state->kind) {
    case TextExpanderState::Kind::NotInstalled:
        return QStringLiteral("espanso is not installed");
    case TextExpanderState::Kind::NotRunning:
        return QStringLiteral("espanso is not running");
    case TextExpanderState::Kind::Running:
        break;
    }
    return {};
}

void TextExpanderMonitor::refresh() {
    if (m_isChecking)
        return;
    m_isChecking = true;
    check(this);
}

void TextExpanderMonitor::startExpander() {
    if (m_isStarting)
        return;
    m_isStarting = true;
    start(this);
}

// The object may go while the outside program runs; the task then ends quietly.
QCoro::Task<> TextExpanderMonitor::check(QPointer<TextExpanderMonitor> monitor) {
    TextExpanderStatus& status = monitor->m_status;
    const TextExpanderState state = co_await status.check();
    if (!monitor)
        co_return;
    monitor->m_isChecking = false;
    if (!state.reason.isEmpty())
        monitor->m_output.writeLine(state.reason);
    monitor->m_state = state;
    emit monitor->stateChanged();
}

QCoro::Task<> TextExpanderMonitor::start(QPointer<TextExpanderMonitor> monitor) {
    TextExpanderStatus& status = monitor->m_status;
    QString failure;
    try {
        co_await status.start();
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    }
    if (!monitor)
        co_return;
    monitor->m_isStarting = false;
    if (!failure.isEmpty()) {
        monitor->m_output.writeLine(failure);
        emit monitor->startFailed(failure);
    }
    monitor->refresh();
}
