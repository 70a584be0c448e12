#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>

// A thread that runs the calls handed to it, one at a time, each while its
// caller waits, and ends when no call has come for `linger`; the next call
// starts a new one, named `name`. What the calls leave in the thread's own storage (Qt keeps
// a font cache per thread, with the font files mapped) goes with the thread.
class TransientThread {
public:
    TransientThread(std::chrono::milliseconds linger, QString name);
    // Waits for the call running, if any, then ends the thread at once.
    ~TransientThread();
    TransientThread(const TransientThread&) = delete;
    TransientThread& operator=(const TransientThread&) = delete;

    // Runs the call on the thread and returns when it has; rethrows its failure.
    // A call must not hand another to the same thread: it would wait for itself.
    void run(const std::function<void()>& call);
    bool isRunning() const;

private:
    struct Request;

    void serve();

    const std::chrono::milliseconds m_linger;
    const QString m_name;
    mutable QMutex m_mutex;
    QWaitCondition m_changed;
    std::deque<Request*> m_requests;
    std::unique_ptr<QThread> m_thread;
    bool m_serving = false;
    bool m_ending = false;
};
