#pragma once

#include "platform/TextExpanderStatus.h"

#include <chrono>

// espanso's state, from its command line as espanso 2.2.1 answers:
// - installed: an `espanso` executable is on PATH (looked up on every call, so
//   an installation made meanwhile counts);
// - version: `espanso --version` prints "espanso 2.2.1"; the text after
//   "espanso " on its first line is the version;
// - running: `espanso status` prints the line "espanso is running", or
//   "espanso is not running". Only these texts count, on standard output or
//   error, whatever the exit code; anything else reads as not running, with a
//   reason;
// - start: `espanso start`, of which only the exit code is read. Its output
//   goes to /dev/null, as the daemon it starts may inherit it.
// Every command is killed when it has not ended within the bound, so check()
// takes at most about twice the bound and start() the bound.
class EspansoStatus : public TextExpanderStatus {
public:
    explicit EspansoStatus(std::chrono::milliseconds bound = std::chrono::seconds(3));

    QCoro::Task<TextExpanderState> check() override;
    QCoro::Task<> start() override;

private:
    const std::chrono::milliseconds m_bound;
};
