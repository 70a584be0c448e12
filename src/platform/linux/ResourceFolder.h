#pragma once

#include "platform/ResourceLocator.h"

// Resources in one folder, named "<base name>.<extension>".
class ResourceFolder : public ResourceLocator {
public:
    explicit ResourceFolder(QString folder);

    // ../share/tesselle beside the running binary, as installed and in the build tree.
    static ResourceFolder besideApplication();

    std::optional<QString> path(const QString& baseName, const QString& extension) const override;
    const QString& folder() const { return m_folder; }

private:
    QString m_folder;
};
