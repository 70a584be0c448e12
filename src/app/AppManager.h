#pragma once

#include "platform/PasteService.h"

#include <QObject>
#include <future>

class LineOutput;
class Pasteboard;

// Puts text on the clipboard and, for autopaste, types it into the window the
// user worked in before the panel took the focus.
class AppManager : public QObject {
    Q_OBJECT
public:
    // Starts preparing the paste service on a worker thread, so that the first
    // paste does not wait for the connection to the desktop.
    AppManager(Pasteboard& pasteboard, PasteService& pasteService, LineOutput& output,
               QObject* parent = nullptr);
    ~AppManager() override;

    // The clipboard then holds exactly this one plain-text value.
    void copy(const QString& text);
    // Activates the remembered window, sends it the paste keystroke and then
    // brings back the window of ours that was active; says whether it pasted.
    // Where the keystroke goes to the focused window, ours closes instead. A
    // failure prints two lines and leaves the clipboard as it is; nothing is
    // thrown. The first failure of a run is also announced to the user.
    bool paste();
    // Called just before the panel takes the focus.
    void rememberActiveWindow();
    // Why this session cannot autopaste; empty where it can.
    QString autopasteUnavailableReason() const { return m_pasteService.unavailableReason(); }

signals:
    // Once a run, at the first paste that failed, with the reason: the user
    // learns why nothing arrived, and is not told again at every emoji.
    void firstPasteFailed(const QString& reason);

private:
    PasteService& preparedPasteService();

    Pasteboard& m_pasteboard;
    PasteService& m_pasteService;
    LineOutput& m_output;
    std::future<void> m_preparation;
    bool m_pasteHasFailed = false;
};
