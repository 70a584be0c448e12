#include "platform/linux/ResourceFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ResourceFolder::ResourceFolder(QString folder) : m_folder(std::move(folder)) {}

ResourceFolder ResourceFolder::besideApplication() {
    return ResourceFolder(
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../share/tesselle"));
}

std::optional<QString> ResourceFolder::path(const QString& baseName,
                                            const QString& extension) const {
    const QFileInfo file(QDir(m_folder), baseName + '.' + extension);
    if (!file.isFile())
        return std::nullopt;
    return file.absoluteFilePath();
}
