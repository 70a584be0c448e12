#pragma once

#include "platform/PasteService.h"

#include <utility>

// Where no way of typing into another program's window is known: every paste
// fails with the same notice, and the emoji stays on the clipboard.
class UnavailablePasteService : public PasteService {
public:
    // `reason` says why, for the Autopaste setting.
    explicit UnavailablePasteService(QString reason) : m_reason(std::move(reason)) {}

    // What every paste of a session that cannot autopaste says.
    static QString notice();

    void prepare() override {}
    void rememberActiveWindow() override {}
    QCoro::Task<> pasteIntoRememberedWindow(QString text) override;
    void activateWindow(quintptr) override {}
    QString unavailableReason() const override { return m_reason; }

private:
    QString m_reason;
};
