#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class LineOutput;
class LocalListener;
class QLocalSocket;
class QLockFile;
class QTimer;

// One running program per user. A later start asks the running one to toggle
// its panel (or to open its settings, or to quit) and ends, so that a desktop
// without a tray reaches the picker through a keyboard shortcut bound to the
// program. The requests are lines on a local socket (InstanceProtocol). The
// socket lives in the user's runtime folder; one left behind by a run that
// crashed is replaced. Two programs with different runtime folders (a home
// shared over the network, a runtime path too long for a socket) would both
// write the same list: a lock beside the settings, held for the whole run,
// keeps the second out.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        first,       // no other instance: this one listens for later starts
        handedOver,  // the running instance was given the request
        unreachable, // another instance holds the settings but does not answer
    };
    enum class Request { toggle, settings, quit };

    SingleInstance(QString socketPath, QString settingsLockPath, LineOutput& output,
                   QObject* parent = nullptr);
    ~SingleInstance() override;

    // <runtime folder>/<app id>.socket
    static QString defaultSocketPath(const QString& appId);
    // The lock beside the settings file.
    static QString settingsLockPath(const QString& settingsFile);

    // An unreachable instance is said on the output.
    Claim claim(Request request = Request::toggle);

    // Tells each start that asked this one to quit how the quit ended: the
    // exit code and, when it failed, why. Waits a moment for each to read it.
    void announceEnd(int exitCode, const QString& failure);

signals:
    void toggleRequested();
    void settingsRequested();
    // The asking process waits for this one's end.
    void quitRequested();

private:
    bool askRunningInstance(Request request) const;
    void listen();
    void serve(QLocalSocket* socket);
    void readRequests(QLocalSocket* socket, QTimer* deadline);

    bool lockSettings();

    QString m_socketPath;
    QString m_settingsLockPath;
    LineOutput& m_output;
    std::unique_ptr<QLockFile> m_settingsLock;
    LocalListener* m_listener = nullptr;
    QList<QPointer<QLocalSocket>> m_waitingForEnd;
};
