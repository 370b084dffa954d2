#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>

#include <optional>

#include <signal.h>

namespace dayvane::test {

// The real dayvane-web, started on a free loopback port with `options`
// added to "--port 0 --print-port", and stopped (SIGTERM, then SIGKILL) when
// this object goes. Its log goes to the test's error output. Every wait is
// bounded. Needs the test's QCoreApplication.
class WebServerProcess
{
public:
    explicit WebServerProcess(const QStringList &options = {})
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(DAYVANE_WEB_PROGRAM), QStringList{"--port", "0", "--print-port"} + options);
        if (!m_process.waitForStarted(kWaitMs))
            return;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(kWaitMs)) {
        }
        if (m_process.canReadLine())
            m_port = m_process.readLine().trimmed().toInt();
    }

    ~WebServerProcess()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(kWaitMs)) {
            m_process.kill();
            m_process.waitForFinished(kWaitMs);
        }
    }

    WebServerProcess(const WebServerProcess &) = delete;
    WebServerProcess &operator=(const WebServerProcess &) = delete;

    // 0 when the server did not start.
    int port() const { return m_port; }
    // "127.0.0.1:port", as DAYVANE_WEB_HOST takes it.
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // Sends `signal` (0: none) and returns the exit code once the program has
    // ended; nullopt when it crashed or still runs after the wait.
    std::optional<int> exit_code(int signal = 0)
    {
        if (signal != 0 && m_process.state() == QProcess::Running)
            ::kill(pid_t(m_process.processId()), signal);
        if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(kWaitMs))
            return std::nullopt;
        return m_process.exitStatus() == QProcess::NormalExit ? std::optional<int>(m_process.exitCode()) : std::nullopt;
    }

private:
    static constexpr int kWaitMs = 10'000;
    QProcess m_process;
    int m_port = 0;
};

// A loopback port on which nothing listens (bound once, then released).
inline int unused_port()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

} // namespace dayvane::test
