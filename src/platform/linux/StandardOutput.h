#pragma once

#include "platform/LineOutput.h"

#include <QMutex>

// Lines on the process's standard output, whole and flushed at once.
class StandardOutput : public LineOutput {
public:
    void writeLine(const QString& line) override;

private:
    QMutex m_mutex;
};
