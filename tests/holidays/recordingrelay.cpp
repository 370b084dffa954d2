#include "recordingrelay.h"

#include <QTcpSocket>

namespace dayvane::test {

RecordingRelay::RecordingRelay(int target_port)
    : m_target_port(target_port)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &RecordingRelay::accept);
}

void RecordingRelay::accept()
{
    while (QTcpSocket *client = m_server.nextPendingConnection()) {
        const size_t index = m_requests.size();
        m_requests.emplace_back();
        auto *upstream = new QTcpSocket(client);
        auto *pending = new QByteArray;
        connect(client, &QObject::destroyed, [pending] { delete pending; });
        connect(client, &QTcpSocket::readyRead, this, [this, client, upstream, pending, index] {
            const QByteArray bytes = client->readAll();
            m_requests[index] += bytes;
            if (upstream->state() == QAbstractSocket::ConnectedState)
                upstream->write(bytes);
            else
                *pending += bytes;
        });
        connect(upstream, &QTcpSocket::connected, this, [upstream, pending] {
            upstream->write(*pending);
            pending->clear();
        });
        connect(upstream, &QTcpSocket::readyRead, this, [client, upstream] { client->write(upstream->readAll()); });
        // The server's close ends the reply: pass it on once the bytes are out.
        connect(upstream, &QTcpSocket::disconnected, this, [client, upstream] {
            client->write(upstream->readAll());
            client->disconnectFromHost();
        });
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        upstream->connectToHost(QHostAddress::LocalHost, quint16(m_target_port));
    }
}

} // namespace dayvane::test
