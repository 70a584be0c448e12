#include "platform/linux/BuildAppInfo.h"

#include "AppInfoValues.h"

std::optional<QString> BuildAppInfo::value(const QString& key) const {
    for (const auto& [name, value] : AppInfoValues::entries) {
        if (key == QLatin1String(name))
            return QString::fromUtf8(value);
    }
    return std::nullopt;
}

QString BuildAppInfo::identifier() const {
    return QString::fromUtf8(AppInfoValues::identifier);
}
