#pragma once

#include <QString>

// Usage analytics and crash reporting, started once at launch.
class UsageReporting {
public:
    enum Service { Analytics = 0x1, Crashes = 0x2 };

    virtual ~UsageReporting() = default;
    virtual void start(const QString& identifier, int services) = 0;
    virtual void setLogLevel(int level) = 0;
    virtual void setCountryCode(const QString& countryCode) = 0;
    virtual void setCrashReportingEnabled(bool enabled) = 0;
};
