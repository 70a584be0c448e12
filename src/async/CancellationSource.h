#pragma once

#include "async/CancellationToken.h"

// Cancels the tasks that hold its tokens. Thread-safe.
class CancellationSource {
public:
    CancellationToken token() const { return CancellationToken(m_source.get_token()); }
    bool isCancelled() const { return m_source.stop_requested(); }

    // Runs the tokens' handlers on the calling thread. Only the first call
    // does anything; it returns whether this call cancelled.
    bool cancel() { return m_source.request_stop(); }

private:
    std::stop_source m_source;
};
