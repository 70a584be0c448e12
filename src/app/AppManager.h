#pragma once

#include "platform/PasteService.h"

#include <QCoroTask>
#include <QObject>
#include <QPointer>
#include <future>
#include <memory>
#include <optional>

class LineOutput;
class QWidget;
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
    // Activates the remembered window, gives it the text copied last and then
    // brings back the window of ours that was active; says whether it pasted.
    // Where the keystroke goes to the focused window, ours closes instead and
    // the paste goes on without blocking the event loop: then true means that
    // it is under way. A failure prints two lines and leaves the clipboard as
    // it is; nothing is thrown. The first failure of a run is also announced
    // to the user.
    bool paste();
    // Called just before the panel takes the focus.
    void rememberActiveWindow();
    // Why this session cannot autopaste, or what the desktop asks before it
    // lets the program type; empty where there is nothing to say.
    QString autopasteNote();

signals:
    // Once a run, at the first paste that failed, with the reason: the user
    // learns why nothing arrived, and is not told again at every emoji.
    void firstPasteFailed(const QString& reason);

private:
    using Pasted = std::shared_ptr<std::optional<bool>>;
    static QCoro::Task<> finishPaste(QPointer<AppManager> manager, QCoro::Task<> paste,
                                     QPointer<QWidget> ours, Pasted pasted);
    PasteService& preparedPasteService();
    void reportFailure(const QString& reason);

    Pasteboard& m_pasteboard;
    PasteService& m_pasteService;
    LineOutput& m_output;
    std::future<void> m_preparation;
    QString m_copied;
    bool m_pasteHasFailed = false;
};
