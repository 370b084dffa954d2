#include "webserverprocess.h"

#include <QTcpServer>

namespace dayvane::test {

namespace {
constexpr int kStartMs = 10'000;
constexpr int kStopMs = 5'000;
} // namespace

WebServerProcess::WebServerProcess(const QStringList &options)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(DAYVANE_WEB_PROGRAM),
                    QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--print-port")} + options);
    if (!m_process.waitForStarted(kStartMs))
        return;
    while (!m_process.canReadLine() && m_process.waitForReadyRead(kStartMs)) {
    }
    if (m_process.canReadLine())
        m_port = m_process.readLine().trimmed().toInt();
}

WebServerProcess::~WebServerProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(kStopMs)) {
        m_process.kill();
        m_process.waitForFinished(kStopMs);
    }
}

int unused_port()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const int port = server.serverPort();
    server.close();
    return port;
}

} // namespace dayvane::test
