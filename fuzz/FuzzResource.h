#pragma once

#include "platform/ResourceLocator.h"

#include <QFile>
#include <QTemporaryDir>

// The fuzzer's input as the one resource file the readers look up.
class FuzzResource : public ResourceLocator {
public:
    explicit FuzzResource(QString fileName) : m_path(m_folder.filePath(fileName)) {}

    void hold(const uint8_t* data, size_t size) {
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }

    std::optional<QString> path(const QString&, const QString&) const override { return m_path; }

private:
    QTemporaryDir m_folder;
    QString m_path;
};
