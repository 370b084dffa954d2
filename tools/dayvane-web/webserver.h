#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <string>

namespace dayvane {

struct WebServerSettings
{
    std::string host = "127.0.0.1";  // numeric loopback address to bind
    int port = 8080;                 // 0 = any free port
    QString news_version = QStringLiteral("1");
    int incomplete_replies = 0;      // how many first holiday replies are cut short
    QString holiday_reply;           // the whole body of a holiday reply
};

// The numeric address to bind for `host` when it names the loopback
// interface (127.0.0.0/8, ::1, "localhost" as 127.0.0.1); nullopt for
// anything else, so that the server is never reachable from other machines.
std::optional<std::string> loopback_bind_address(const QString &host);

// The local web server: the help, news, contact and home pages, the news
// version, and the holiday-list exchange. Every reply closes its connection
// (one request per connection), so a client that reads until the server
// closes gets exactly one reply. The HTTP library stays out of this header.
class WebServer
{
public:
    explicit WebServer(WebServerSettings settings);
    // Stops the server if it is still running.
    ~WebServer();
    WebServer(const WebServer &) = delete;
    WebServer &operator=(const WebServer &) = delete;

    // Binds the listening socket and answers requests on threads of its own
    // until stop(). Returns the bound port once the server accepts
    // connections, or -1 when it cannot bind or listen. Call once.
    int start();

    // False once the listening loop has ended, whether by stop() or by a
    // failure.
    bool running() const;

    // Closes the listening socket and waits for the requests in progress.
    // Idempotent.
    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace dayvane
