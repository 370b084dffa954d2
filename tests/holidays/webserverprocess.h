#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <optional>

namespace dayvane::test {

// The real dayvane-web, started on a free loopback port with `options`
// added to "--port 0 --print-port", and stopped (SIGTERM, then SIGKILL) when
// this object goes. Its log goes to the test's error output. Every wait is
// bounded. Needs the test's QCoreApplication.
class WebServerProcess
{
public:
    explicit WebServerProcess(const QStringList &options = {});
    ~WebServerProcess();
    WebServerProcess(const WebServerProcess &) = delete;
    WebServerProcess &operator=(const WebServerProcess &) = delete;

    // 0 when the server did not start.
    int port() const { return m_port; }
    // "127.0.0.1:port", as DAYVANE_WEB_HOST takes it.
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    // Sends `signal` (0: none) and returns the exit code once the program has
    // ended; nullopt when it crashed or still runs after the wait.
    std::optional<int> exit_code(int signal = 0);

private:
    QProcess m_process;
    int m_port = 0;
};

// A loopback port on which nothing listens (bound once, then released).
int unused_port();

} // namespace dayvane::test
