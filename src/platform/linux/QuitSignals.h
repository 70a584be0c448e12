#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (the end of the desktop session) into an
// orderly quit of the event loop, so that the quit steps run.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    // Catches the signals from now on, before any event loop exists: a signal
    // that comes early waits for the QuitSignals object, instead of ending the
    // program before its quit steps can run. The constructor does it too.
    static void catchEarly();

    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

signals:
    void quitRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};
