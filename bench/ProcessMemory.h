#pragma once

#include <QByteArray>
#include <QFile>

// A size from /proc/self/status in kilobytes, e.g. "VmRSS" (resident now) or
// "VmHWM" (the most ever resident); 0 when it cannot be read.
inline long processStatusKilobytes(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// Makes VmHWM start again from the resident size now.
inline void resetPeakResidentMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}
