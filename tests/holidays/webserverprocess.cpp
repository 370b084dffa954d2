#include "webserverprocess.h"

#include <QTcpServer>

#include <signal.h>

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

std::optional<int> WebServerProcess::exit_code(int signal)
{
    if (signal != 0 && m_process.state() == QProcess::Running)
        ::kill(pid_t(m_process.processId()), signal);
    if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(kStartMs))
        return std::nullopt;
    return m_process.exitStatus() == QProcess::NormalExit ? std::optional<int>(m_process.exitCode()) : std::nullopt;
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
