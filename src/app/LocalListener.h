#pragma once

#include <QObject>
#include <QString>

class QLocalSocket;
class QSocketNotifier;
class QTimer;

// Listens on a Unix socket that only this user can use. QLocalServer closes
// itself, and deletes its socket file, the first time accept() fails: once
// the process ran out of file descriptors, later starts could never reach it
// again. This listener stays: it waits and accepts again, the connections
// waiting meanwhile in the socket's queue.
class LocalListener : public QObject {
    Q_OBJECT
public:
    explicit LocalListener(QObject* parent = nullptr);
    ~LocalListener() override;

    // Replaces whatever is at the path. The error's text, or nothing.
    QString listen(const QString& path);

signals:
    // The socket is this listener's child.
    void connected(QLocalSocket* socket);

private:
    void acceptWaiting();
    void acceptAgain();

    QString m_path;
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_retry = nullptr;
};
