#include "platform/linux/StandardOutput.h"

#include <cstdio>

void StandardOutput::writeLine(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    QMutexLocker lock(&m_mutex);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}
