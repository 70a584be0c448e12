#pragma once

#include "platform/TextExpanderStatus.h"

#include <QObject>
#include <QPointer>
#include <optional>

class LineOutput;

// What the text expander is doing, as last checked, published for the views
// and the tray icon. Checks and starts run on the main thread's event loop
// without blocking it; one check at a time.
class TextExpanderMonitor : public QObject {
    Q_OBJECT
public:
    TextExpanderMonitor(TextExpanderStatus& status, LineOutput& output, QObject* parent = nullptr);

    // Empty until the first check has ended.
    const std::optional<TextExpanderState>& state() const { return m_state; }
    bool isChecking() const { return m_isChecking; }
    // Why the shortcuts do not work now, such as "espanso is not running";
    // empty while they work or before the first check has ended.
    QString inactiveReason() const;

    // Checks again, unless a check runs; its reason, if any, goes to the output.
    void refresh();
    // Starts the text expander, then checks again; a failure is sent with its reason.
    void startExpander();

signals:
    void stateChanged();
    void startFailed(const QString& reason);

private:
    static QCoro::Task<> check(QPointer<TextExpanderMonitor> monitor);
    static QCoro::Task<> start(QPointer<TextExpanderMonitor> monitor);

    TextExpanderStatus& m_status;
    LineOutput& m_output;
    std::optional<TextExpanderState> m_state;
    bool m_isChecking = false;
    bool m_isStarting = false;
};
