#include "async/TransientThread.h"

#include <QDeadlineTimer>
#include <exception>

struct TransientThread::Request {
    const std::function<void()>& call;
    bool done = false;
    std::exception_ptr failure;
};

TransientThread::TransientThread(std::chrono::milliseconds linger, QString name)
    : m_linger(linger), m_name(std::move(name)) {}

TransientThread::~TransientThread() {
    {
        QMutexLocker lock(&m_mutex);
        m_ending = true;
        m_changed.wakeAll();
    }
    if (m_thread)
        m_thread->wait();
}

void TransientThread::run(const std::function<void()>& call) {
    Request request{call, false, {}};
    QMutexLocker lock(&m_mutex);
    m_requests.push_back(&request);
    if (!m_serving) {
        // A thread that stopped serving has nothing left to do but end.
        if (m_thread)
            m_thread->wait();
        m_thread.reset(QThread::create([this] { serve(); }));
        m_thread->setObjectName(m_name);
        m_serving = true;
        m_thread->start();
    }
    m_changed.wakeAll();
    while (!request.done)
        m_changed.wait(&m_mutex);
    if (request.failure)
        std::rethrow_exception(request.failure);
}

bool TransientThread::isRunning() const {
    QMutexLocker lock(&m_mutex);
    return m_serving;
}

void TransientThread::serve() {
    QMutexLocker lock(&m_mutex);
    for (;;) {
        if (m_requests.empty()) {
            const bool woken = !m_ending && m_changed.wait(&m_mutex, QDeadlineTimer(m_linger));
            if (!woken && m_requests.empty()) {
                m_serving = false;
                return;
            }
            continue;
        }
        Request* request = m_requests.front();
        m_requests.pop_front();
        lock.unlock();
        try {
            request->call();
        } catch (...) {
            request->failure = std::current_exception();
        }
        lock.relock();
        request->done = true;
        m_changed.wakeAll();
    }
}
