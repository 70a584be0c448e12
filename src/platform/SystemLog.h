#pragma once

#include <QString>

// The desktop's system log, used only for errors the user may need to find later.
class SystemLog {
public:
    virtual ~SystemLog() = default;
    virtual void error(const QString& message) = 0;
};
