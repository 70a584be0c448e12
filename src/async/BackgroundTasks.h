#pragma once

#include <QCoroTask>
#include <QThread>
#include <functional>

// A worker thread with its own event loop for the program's background tasks.
// Tasks started here resume here after every suspension, so they never need
// the main thread, not even while it is blocked at quit.
class BackgroundTasks {
public:
    // Jobs return the task to run. A job must not be a coroutine lambda with
    // captures: its captures die at the first suspension.
    using Job = std::function<QCoro::Task<>()>;

    BackgroundTasks();
    ~BackgroundTasks();
    BackgroundTasks(const BackgroundTasks&) = delete;
    BackgroundTasks& operator=(const BackgroundTasks&) = delete;

    // Starts the job on the worker thread; its failure is dropped.
    void start(Job job);
    // Starts the job after the delay, on the worker thread.
    void startAfter(std::chrono::milliseconds delay, Job job);
    // Runs the job on the worker thread and blocks the caller until it has
    // finished, successfully or not, or until the timeout; returns whether it
    // finished. Must not be called from the worker thread.
    bool runAndWait(Job job, std::chrono::milliseconds timeout);

    // Ends the worker thread; tasks still waiting there never resume. Call it
    // before the objects that pending tasks use are destroyed.
    void stop();

    QThread* thread() { return &m_thread; }

private:
    QThread m_thread;
    QObject* m_context;
};
