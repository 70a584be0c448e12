#include "app/AppManager.h"

#include "platform/LineOutput.h"
#include "platform/MessageError.h"
#include "platform/PasteService.h"
#include "platform/Pasteboard.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <utility>

AppManager::AppManager(Pasteboard& pasteboard, PasteService& pasteService, LineOutput& output,
                       QObject* parent)
    : QObject(parent), m_pasteboard(pasteboard), m_pasteService(pasteService), m_output(output),
      m_preparation(std::async(std::launch::async, [&pasteService] { pasteService.prepare(); })) {}

AppManager::~AppManager() {
    if (m_preparation.valid())
        m_preparation.wait();
}

void AppManager::copy(const QString& text) {
    m_pasteboard.setText(text);
}

bool AppManager::paste() {
    const QPointer<QWidget> ours = QApplication::activeWindow();
    PasteService& service = preparedPasteService();
    if (ours && service.pastesIntoFocusedWindow()) {
        // The compositor must know that our window is gone before the keystroke
        // is sent: a round trip delivers the hide.
        ours->hide();
        QGuiApplication::sync();
    }
    try {
        service.pasteIntoRememberedWindow();
    } catch (const MessageError& error) {
        m_output.writeLine("Error message: " + error.message());
        m_output.writeLine("Error: " + error.message());
        if (!std::exchange(m_pasteHasFailed, true))
            emit firstPasteFailed(error.message());
        return false;
    }
    if (ours && !service.pastesIntoFocusedWindow())
        service.activateWindow(ours->winId());
    return true;
}

void AppManager::rememberActiveWindow() {
    preparedPasteService().rememberActiveWindow();
}

// The preparation has finished, or is waited for, before any other use.
PasteService& AppManager::preparedPasteService() {
    if (m_preparation.valid())
        m_preparation.get();
    return m_pasteService;
}
