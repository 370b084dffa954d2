#pragma once

#include "testdatabase.h"  // write_file

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <optional>

#include <signal.h>

// The real dayvane-web for the tests that talk to it, and the plain socket and file helpers they share. Link
// dayvane_test_web, which names the program in DAYVANE_WEB_PROGRAM. Every wait is bounded.

namespace dayvane::test {

// The holiday request byte for byte, as the client sends it to 127.0.0.1.
inline const QByteArray kHolidayRequest = "POST /php/holiday_data.php HTTP/1.0\r\nHost: 127.0.0.1\r\n"
                                          "Content-Type: application/x-www-form-urlencoded\r\nContent-Length:11\r\n\r\ninfo_type=?";

// The server started on a free loopback port with `options` added to "--port 0 --print-port",
// and stopped when this object goes. Its log goes to the test's error output. Needs the test's QCoreApplication.
class WebServerProcess
{
public:
    explicit WebServerProcess(const QStringList &options = {})
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(DAYVANE_WEB_PROGRAM), QStringList{"--port", "0", "--print-port"} + options);
        if (!m_process.waitForStarted(kWaitMs))
            return;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(kWaitMs)) {}
        if (m_process.canReadLine())
            m_port = m_process.readLine().trimmed().toInt();
    }

    // SIGTERM first; QProcess kills what still runs.
    ~WebServerProcess()
    {
        m_process.terminate();
        m_process.waitForFinished(kWaitMs);
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

// Sends `request` to the loopback `port` and returns all the server sent until it closed the connection; nullopt when
// it did not close within `limit_ms`.
inline std::optional<QByteArray> exchange(int port, const QByteArray &request, int limit_ms = 10'000)
{
    const QDeadlineTimer deadline(limit_ms);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(port));
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return std::nullopt;
    socket.write(request);
    QByteArray reply;
    while (socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(int(deadline.remainingTime()));
        reply += socket.readAll();
    }
    if (socket.state() == QAbstractSocket::ConnectedState)
        return std::nullopt;
    return reply + socket.readAll();
}

} // namespace dayvane::test
