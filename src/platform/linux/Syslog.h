#pragma once

#include "platform/SystemLog.h"

// syslog(3) under the program's name.
class Syslog : public SystemLog {
public:
    explicit Syslog(const QString& identity);
    ~Syslog() override;
    void error(const QString& message) override;

private:
    QByteArray m_identity; // openlog keeps the pointer
};
