#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QObject>
#include <functional>
#include <queue>

// One connection to sway's IPC socket (SWAYSOCK): messages framed as
// "i3-ipc", the payload's length and the message type, in the machine's byte
// order. Replies come in the order of the messages; events, once subscribed,
// come between them with the type's high bit set.
class SwayIpcConnection : public QObject {
    Q_OBJECT
public:
    enum Type : quint32 { runCommand = 0, getWorkspaces = 1, subscribe = 2, getTree = 4 };
    static constexpr quint32 windowEvent = 0x80000003;

    using Reply = std::function<void(const QJsonDocument& reply)>;

    explicit SwayIpcConnection(const QString& socketPath, QObject* parent = nullptr);

    // The reply goes to reply; nothing comes when the connection is lost.
    void send(Type type, const QByteArray& payload, Reply reply = {});

signals:
    void event(quint32 type, const QJsonDocument& payload);

private:
    void read();

    QByteArray m_buffer;
    std::queue<Reply> m_replies;
    // Last: its end, which says it disconnects, comes before theirs.
    QLocalSocket m_socket;
};
