#pragma once

#include "pages.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

namespace dayvane {

// How the holiday-list exchange answers, for trying a client's handling of
// what networks and servers do.
struct HolidayAnswerModes
{
    int truncate_replies = 0;  // the first this many replies stop halfway (no final "|")
    bool split = false;        // send every holiday reply in small pieces with pauses
    int split_bytes = 256;     // the size of those pieces
    bool hold = false;         // never answer a holiday request; keep it open until stop()
};

struct WebServerSettings
{
    std::string host = "127.0.0.1";  // numeric loopback address to bind
    int port = 8080;                 // 0 = any free port
    QString news_version = QStringLiteral("1");
    PageFolder pages;
    QString holiday_reply;  // the whole body of a holiday reply
    HolidayAnswerModes modes;
};

// The numeric address to bind for `host` when it names the loopback
// interface (127.0.0.0/8, ::1, "localhost" as 127.0.0.1); nullopt for
// anything else, so that the server is never reachable from other machines.
std::optional<std::string> loopback_bind_address(const QString &host);

// The local web server: the pages of its page folder, the news version as
// plain text at "/cs/news_version.txt", and the holiday-list exchange
// (POST "/php/holiday_data.php" with the body "info_type=?"). Every reply
// closes its connection (one request per connection), so a client that reads
// until the server closes gets exactly one reply. The HTTP library stays out
// of this header.
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

    // Releases held requests, closes the listening socket and waits for the
    // requests in progress. Idempotent.
    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace dayvane
