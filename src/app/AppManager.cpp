#include "app/AppManager.h"

#include "platform/LineOutput.h"
#include "platform/PasteService.h"
#include "platform/Pasteboard.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <exception>
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
    m_copied = text;
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
    // A paste that needs no wait has finished when this returns.
    const Pasted pasted = std::make_shared<std::optional<bool>>();
    finishPaste(this, service.pasteIntoRememberedWindow(m_copied), ours, pasted);
    return pasted->value_or(true);
}

QCoro::Task<> AppManager::finishPaste(QPointer<AppManager> manager, QCoro::Task<> paste,
                                      QPointer<QWidget> ours, Pasted pasted) {
    try {
        co_await paste;
    } catch (const std::exception& error) {
        // MessageError's, or anything else that went wrong on the way.
        *pasted = false;
        if (manager)
            manager->reportFailure(QString::fromUtf8(error.what()));
        co_return;
    }
    *pasted = true;
    if (manager && ours && !manager->m_pasteService.pastesIntoFocusedWindow())
        manager->m_pasteService.activateWindow(ours->winId());
}

void AppManager::reportFailure(const QString& reason) {
    m_output.writeLine("Error message: " + reason);
    m_output.writeLine("Error: " + reason);
    if (!std::exchange(m_pasteHasFailed, true))
        emit firstPasteFailed(reason);
}

void AppManager::rememberActiveWindow() {
    preparedPasteService().rememberActiveWindow();
}

QString AppManager::autopasteNote() {
    const PasteService& service = preparedPasteService();
    const QString reason = service.unavailableReason();
    return reason.isEmpty() ? service.permissionNote() : reason;
}

// The preparation has finished, or is waited for, before any other use.
PasteService& AppManager::preparedPasteService() {
    if (m_preparation.valid())
        m_preparation.get();
    return m_pasteService;
}
