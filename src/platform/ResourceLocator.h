#pragma once

#include <QString>
#include <optional>

// The folder of data shipped beside the program.
class ResourceLocator {
public:
    virtual ~ResourceLocator() = default;
    // The path of the resource with this base name and extension, if it exists.
    // The base name may start with a subfolder, as "symbols/star".
    virtual std::optional<QString> path(const QString& baseName,
                                        const QString& extension) const = 0;
};
