#pragma once

#include "platform/UsageReporting.h"

// Takes the usual start options and does nothing with them: nothing about the
// user's use leaves the machine, and nothing is kept.
class LocalUsageReporting : public UsageReporting {
public:
    void start(const QString&, int) override {}
    void setLogLevel(int) override {}
    void setCountryCode(const QString&) override {}
    void setCrashReportingEnabled(bool) override {}
};
