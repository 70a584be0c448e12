#pragma once

#include <exception>

// The failure of a wait that was given up because its task was cancelled. It is
// not a MessageError: a cancellation is no fault to report, and callers tell it
// apart by type instead of by comparing texts.
class CancelledError : public std::exception {
public:
    const char* what() const noexcept override { return "Cancelled"; }
};
