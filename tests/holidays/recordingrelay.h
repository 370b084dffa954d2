#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>

#include <vector>

namespace dayvane::test {

// A loopback relay between a client and the real server: every connection
// it accepts is passed on to 127.0.0.1:`target_port`, byte for byte both
// ways, and the bytes the client sent are kept, one entry a connection. It
// runs on the test's thread, so it moves bytes while the client waits in its
// event loops.
class RecordingRelay : public QObject
{
    Q_OBJECT

public:
    explicit RecordingRelay(int target_port);

    int port() const { return m_server.serverPort(); }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
    // What each connection's client sent, in the order they connected.
    const std::vector<QByteArray> &requests() const { return m_requests; }

private:
    void accept();

    QTcpServer m_server;
    int m_target_port;
    std::vector<QByteArray> m_requests;
};

} // namespace dayvane::test
