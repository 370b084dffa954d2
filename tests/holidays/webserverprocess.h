#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace dayvane::test {

// The real dayvane-web, started on a free loopback port with `options`
// added to "--port 0 --print-port", and stopped (SIGTERM, then SIGKILL) when
// this object goes. Its log goes to the test's error output. Every wait is
// bounded.
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

private:
    QProcess m_process;
    int m_port = 0;
};

// A loopback port on which nothing listens (bound once, then released).
int unused_port();

} // namespace dayvane::test
