#include "app/AppManager.h"

#include "platform/LineOutput.h"
#include "platform/MessageError.h"
#include "platform/PasteService.h"
#include "platform/Pasteboard.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

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

void AppManager::paste() {
    const QPointer<QWidget> ours = QApplication::activeWindow();
    try {
        preparedPasteService().pasteIntoRememberedWindow();
    } catch (const MessageError& error) {
        m_output.writeLine("Error message: " + error.message());
        m_output.writeLine("Error: " + error.message());
        return;
    }
    if (ours)
        m_pasteService.activateWindow(ours->winId());
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
