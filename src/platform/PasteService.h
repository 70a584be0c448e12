#pragma once

#include <QCoroTask>
#include <QString>

// Types the clipboard into the window the user was working in: the stand-in
// for a paste keystroke sent by the desktop's scripting service.
class PasteService {
public:
    virtual ~PasteService() = default;

    // Connects to the desktop. Runs once, on a worker thread, before any other
    // call; a failure is kept and reported by the next paste.
    virtual void prepare() = 0;
    // Notes the window that is active now as the one to paste into.
    virtual void rememberActiveWindow() = 0;
    // Activates the remembered window and gives it `text`, which is on the
    // clipboard: the paste keystroke, or in a terminal, which takes Ctrl+V for
    // a control character, whatever reaches it as text. Runs on the main
    // thread and never blocks it while it waits for the desktop; the task
    // fails with MessageError saying why.
    virtual QCoro::Task<> pasteIntoRememberedWindow(QString text) = 0;
    // Brings one of this program's windows to the front; best effort.
    virtual void activateWindow(quintptr window) = 0;
    // Whether the keystroke goes to whichever window has the focus, as no
    // window can be activated (Wayland): ours must close first, so that the
    // desktop gives the focus back to the one the user worked in.
    virtual bool pastesIntoFocusedWindow() const { return false; }
    // Why this session cannot autopaste, in one short sentence for the
    // Autopaste setting; empty where it can.
    virtual QString unavailableReason() const { return {}; }
    // What the desktop asks of the user before it lets the program type, in
    // one short sentence for the Autopaste setting; empty where it asks
    // nothing.
    virtual QString permissionNote() const { return {}; }
};
