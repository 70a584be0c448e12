#include "platform/linux/SwayIpcConnection.h"

#include <cstring>

namespace {
const QByteArray magic = QByteArrayLiteral("i3-ipc");
constexpr qsizetype headerSize = 6 + 2 * sizeof(quint32);
} // namespace

SwayIpcConnection::SwayIpcConnection(const QString& socketPath, QObject* parent) : QObject(parent) {
    connect(&m_socket, &QLocalSocket::readyRead, this, &SwayIpcConnection::read);
    connect(&m_socket, &QLocalSocket::disconnected, this, [this] { m_replies = {}; });
    m_socket.connectToServer(socketPath);
}

void SwayIpcConnection::send(Type type, const QByteArray& payload, Reply reply) {
    QByteArray message = magic;
    const quint32 header[] = {quint32(payload.size()), quint32(type)};
    message.append(reinterpret_cast<const char*>(header), sizeof(header));
    message.append(payload);
    if (m_socket.write(message) != message.size())
        return;
    m_replies.push(std::move(reply));
}

void SwayIpcConnection::read() {
    m_buffer.append(m_socket.readAll());
    while (m_buffer.size() >= headerSize) {
        if (!m_buffer.startsWith(magic)) {
            m_socket.abort();
            m_buffer.clear();
            return;
        }
        quint32 header[2];
        std::memcpy(header, m_buffer.constData() + magic.size(), sizeof(header));
        if (m_buffer.size() < headerSize + qsizetype(header[0]))
            return;
        const QJsonDocument payload =
            QJsonDocument::fromJson(m_buffer.mid(headerSize, qsizetype(header[0])));
        m_buffer.remove(0, headerSize + qsizetype(header[0]));
        if (header[1] & 0x80000000u) {
            emit event(header[1], payload);
        } else if (!m_replies.empty()) {
            Reply reply = std::move(m_replies.front());
            m_replies.pop();
            if (reply)
                reply(payload);
        }
    }
}
