#pragma once

#include "platform/UsageReporting.h"

// Takes the usual start options and keeps them; nothing leaves the machine.
class LocalUsageReporting : public UsageReporting {
public:
    void start(const QString& identifier, int services) override;
    void setLogLevel(int level) override { m_logLevel = level; }
    void setCountryCode(const QString& countryCode) override { m_countryCode = countryCode; }
    void setCrashReportingEnabled(bool enabled) override { m_crashReporting = enabled; }

private:
    QString m_identifier;
    int m_services = 0;
    int m_logLevel = 0;
    QString m_countryCode;
    bool m_crashReporting = false;
};
