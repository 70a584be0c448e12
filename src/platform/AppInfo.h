#pragma once

#include <QString>
#include <optional>

// The program's information values, looked up by key ("CFBundleShortVersionString",
// "CFBundleName" (the program's name), "CFBundleExecutable" (its file name),
// "NSHumanReadableCopyright", "CFBundleIconFile", "appcenter_id").
class AppInfo {
public:
    virtual ~AppInfo() = default;
    virtual std::optional<QString> value(const QString& key) const = 0;
    // The program's identifier, which also names its settings domain.
    virtual QString identifier() const = 0;
};
