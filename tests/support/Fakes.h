#pragma once

#include "platform/AppInfo.h"
#include "platform/DefaultsStore.h"
#include "platform/LineOutput.h"
#include "platform/LoginItemService.h"
#include "platform/MessageError.h"
#include "platform/PasteService.h"
#include "platform/Pasteboard.h"
#include "platform/SystemLog.h"
#include "platform/TextExpanderStatus.h"
#include "platform/UsageReporting.h"
#include "platform/UserTriggerSource.h"
#include "platform/WindowPlacer.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QFuture>
#include <QHash>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <functional>

// A settings domain in memory.
class FakeDefaultsStore : public DefaultsStore {
public:
    QVariant value(const QString& key) const override {
        QMutexLocker lock(&m_mutex);
        return m_values.value(key);
    }
    void setValue(const QString& key, const QVariant& value) override {
        QMutexLocker lock(&m_mutex);
        m_values.insert(key, value);
    }
    void remove(const QString& key) override {
        QMutexLocker lock(&m_mutex);
        m_values.remove(key);
    }
    void clear() override {
        QMutexLocker lock(&m_mutex);
        m_values.clear();
    }
    QStringList keys() const {
        QMutexLocker lock(&m_mutex);
        return m_values.keys();
    }

private:
    mutable QMutex m_mutex;
    QHash<QString, QVariant> m_values;
};

// Keeps every line written, in order.
class RecordingLineOutput : public LineOutput {
public:
    void writeLine(const QString& line) override {
        QMutexLocker lock(&m_mutex);
        m_lines << line;
    }
    QStringList lines() const {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }

private:
    mutable QMutex m_mutex;
    QStringList m_lines;
};

// Lines nobody reads.
class DiscardedLines : public LineOutput {
public:
    void writeLine(const QString&) override {}
};

inline LineOutput& discardedLines() {
    static DiscardedLines lines;
    return lines;
}

// The user's own triggers, as the test sets them.
class FakeUserTriggerSource : public UserTriggerSource {
public:
    QList<UserTrigger> userTriggers() const override {
        QMutexLocker lock(&m_mutex);
        return m_triggers;
    }
    void setTriggers(QList<UserTrigger> triggers) {
        QMutexLocker lock(&m_mutex);
        m_triggers = std::move(triggers);
    }

private:
    mutable QMutex m_mutex;
    QList<UserTrigger> m_triggers;
};

// A text expander whose state the test sets; start() makes it run unless told to fail.
class FakeTextExpanderStatus : public TextExpanderStatus {
public:
    QCoro::Task<TextExpanderState> check() override {
        ++checks;
        co_return state;
    }
    QCoro::Task<> start() override {
        ++starts;
        if (!startFailure.isEmpty())
            throw MessageError(startFailure);
        state = {TextExpanderState::Kind::Running, QStringLiteral("2.2.1"), {}};
        co_return;
    }
    TextExpanderState state{TextExpanderState::Kind::Running, QStringLiteral("2.2.1"), {}};
    QString startFailure;
    int checks = 0;
    int starts = 0;
};

class RecordingSystemLog : public SystemLog {
public:
    void error(const QString& message) override { errors << message; }
    QStringList errors;
};

class FakeLoginItemService : public LoginItemService {
public:
    bool isEnabled() const override { return enabled; }
    void setEnabled(bool value) override {
        enabled = value;
        assignments << value;
    }
    bool enabled = false;
    QList<bool> assignments;
};

class FakeAppInfo : public AppInfo {
public:
    std::optional<QString> value(const QString& key) const override {
        if (!values.contains(key))
            return std::nullopt;
        return values.value(key);
    }
    QString identifier() const override { return QStringLiteral("test.tesselle"); }
    QHash<QString, QString> values;
};

// Records each call as one line, such as "start id 3" or "countryCode DE".
class RecordingUsageReporting : public UsageReporting {
public:
    void start(const QString& identifier, int services) override {
        calls << QStringLiteral("start %1 %2").arg(identifier).arg(services);
    }
    void setLogLevel(int level) override { calls << QStringLiteral("logLevel %1").arg(level); }
    void setCountryCode(const QString& code) override { calls << "countryCode " + code; }
    void setCrashReportingEnabled(bool enabled) override {
        calls << QStringLiteral("crashReporting %1").arg(enabled);
    }
    QStringList calls;
};

// Keeps every text put on the clipboard.
class RecordingPasteboard : public Pasteboard {
public:
    void setText(const QString& text) override { texts << text; }
    QStringList texts;
};

// Records the paste steps in order, naming a preparation that ran on the main
// thread; a non-empty `failure` makes the paste fail with that reason.
class FakePasteService : public PasteService {
public:
    void prepare() override {
        QThread::msleep(prepareDelayMs);
        const bool onMainThread =
            QThread::currentThread() == QCoreApplication::instance()->thread();
        record(onMainThread ? "prepare on the main thread" : "prepare");
    }
    void rememberActiveWindow() override { record("remember"); }
    QCoro::Task<> pasteIntoRememberedWindow(QString text) override {
        record("paste");
        pasted << text;
        if (onPaste)
            onPaste();
        if (hold) {
            const QFuture<void> desktop = *hold;
            co_await desktop;
        }
        if (!failure.isEmpty())
            throw MessageError(failure);
        co_return;
    }
    void activateWindow(quintptr window) override {
        record("activate");
        activated = window;
    }
    bool pastesIntoFocusedWindow() const override { return intoFocusedWindow; }
    QString unavailableReason() const override { return unavailable; }
    QString permissionNote() const override { return note; }
    QStringList steps() const {
        QMutexLocker lock(&m_mutex);
        return m_steps;
    }

    QString failure;
    bool intoFocusedWindow = false;
    QString unavailable;
    QString note;
    QStringList pasted;
    std::function<void()> onPaste;
    // A paste that waits for the desktop goes on once this has finished.
    std::optional<QFuture<void>> hold;
    int prepareDelayMs = 0;
    quintptr activated = 0;

private:
    void record(const QString& step) {
        QMutexLocker lock(&m_mutex);
        m_steps << step;
    }
    mutable QMutex m_mutex;
    QStringList m_steps;
};

// Records what is to be placed; the test applies the position itself.
class RecordingWindowPlacer : public WindowPlacer {
public:
    struct Request {
        QString title;
        std::optional<QPoint> anchor;
        Position position;
    };
    void placeWhenShown(const QString& title, std::optional<QPoint> anchor,
                        Position position) override {
        requests.append({title, anchor, std::move(position)});
    }
    QList<Request> requests;
};
