#pragma once

#include <QString>

// Where background failures and progress lines go: one line per call, each
// flushed before the call returns. Safe to use from any thread.
class LineOutput {
public:
    virtual ~LineOutput() = default;
    virtual void writeLine(const QString& line) = 0;
};
