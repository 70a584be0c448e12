#include "platform/linux/QtClipboardPasteboard.h"

#include <QGuiApplication>
#include <QMimeData>

QtClipboardPasteboard::QtClipboardPasteboard(QClipboard::Mode mode) : m_mode(mode) {}

void QtClipboardPasteboard::setText(const QString& text) {
    // One new mime object: nothing of the previous content survives.
    auto* data = new QMimeData;
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data, m_mode);
}
