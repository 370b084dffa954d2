#include "webserver.h"

#include "holidaylists.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

namespace dayvane {

namespace {

constexpr char kHtml[] = "text/html; charset=utf-8";
constexpr char kText[] = "text/plain; charset=utf-8";
constexpr char kHolidayRequest[] = "info_type=?";
// The pause between the pieces of a split reply: long enough for each piece
// to leave as a packet of its own, short enough for a quick test.
constexpr auto kSplitPause = std::chrono::milliseconds(1);

void log_request(const httplib::Request &request, const httplib::Response &response)
{
    // One call per line, so lines from concurrent requests do not interleave.
    std::fprintf(stderr, "dayvane-web: %s %s %s -> %d\n", request.method.c_str(), request.path.c_str(),
                 request.version.c_str(), response.status);
}

} // namespace

std::optional<std::string> loopback_bind_address(const QString &host)
{
    const std::string text = host.trimmed().toStdString();
    if (text == "localhost")
        return std::string("127.0.0.1");
    in_addr v4{};
    if (inet_pton(AF_INET, text.c_str(), &v4) == 1 && (ntohl(v4.s_addr) >> 24) == 127)
        return text;
    in6_addr v6{};
    if (inet_pton(AF_INET6, text.c_str(), &v6) == 1 && IN6_IS_ADDR_LOOPBACK(&v6))
        return text;
    return std::nullopt;
}

struct WebServer::Impl
{
    WebServerSettings settings;
    std::string whole_reply;
    std::string cut_reply;
    std::atomic<int> holiday_replies{0};
    httplib::Server server;
    std::thread listener;
    std::atomic<bool> listening_ended{false};

    // Held requests wait here until stop().
    std::mutex hold_mutex;
    std::condition_variable hold_release;
    bool stopping = false;

    void add_routes()
    {
        for (const auto &[path, page] : settings.pages.pages()) {
            server.Get(path, [&page = page](const httplib::Request &, httplib::Response &response) {
                response.set_content(page.body, page.content_type);
            });
        }
        server.Get("/cs/news_version.txt",
                   [version = settings.news_version.toStdString()](const httplib::Request &, httplib::Response &response) {
                       response.set_content(version, kText);
                   });
        server.Post("/php/holiday_data.php", [this](const httplib::Request &request, httplib::Response &response) {
            answer_holiday_request(request, response);
        });
        server.set_error_handler([this](const httplib::Request &request, httplib::Response &response) {
            if (response.status == 404)
                response.set_content(settings.pages.not_found(request.path), kHtml);
        });
        server.set_logger(log_request);
        // One request per connection: every reply says "Connection: close"
        // and ends its connection, which is what the holiday client, reading
        // until the server closes, relies on.
        server.set_keep_alive_max_count(1);
        // Split replies must leave piece by piece, not gathered by Nagle.
        server.set_tcp_nodelay(true);
    }

    void hold_until_stopped()
    {
        std::unique_lock lock(hold_mutex);
        hold_release.wait(lock, [this] { return stopping; });
    }

    void answer_holiday_request(const httplib::Request &request, httplib::Response &response)
    {
        if (request.body != kHolidayRequest) {
            response.status = 400;
            response.set_content("The holiday list answers only the request \"info_type=?\".\n", kText);
            return;
        }
        if (settings.modes.hold) {
            hold_until_stopped();
            response.status = 503;
            return;
        }
        const bool cut = holiday_replies.fetch_add(1) < settings.modes.truncate_replies;
        const std::string &body = cut ? cut_reply : whole_reply;
        if (!settings.modes.split) {
            response.set_content(body, kText);
            return;
        }
        const std::size_t piece = std::size_t(std::max(1, settings.modes.split_bytes));
        response.set_content_provider(body.size(), kText,
                                      [&body, piece](std::size_t offset, std::size_t length, httplib::DataSink &sink) {
                                          sink.write(body.data() + offset, std::min(piece, length));
                                          std::this_thread::sleep_for(kSplitPause);
                                          return true;
                                      });
    }

    int bind()
    {
        if (settings.port == 0)
            return server.bind_to_any_port(settings.host);
        return server.bind_to_port(settings.host, settings.port) ? settings.port : -1;
    }
};

WebServer::WebServer(WebServerSettings settings)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->settings = std::move(settings);
    m_impl->whole_reply = m_impl->settings.holiday_reply.toStdString();
    m_impl->cut_reply = cut_short(m_impl->settings.holiday_reply).toStdString();
    m_impl->add_routes();
}

WebServer::~WebServer()
{
    stop();
}

int WebServer::start()
{
    const int port = m_impl->bind();
    if (port < 0)
        return -1;
    m_impl->listener = std::thread([impl = m_impl.get()] {
        impl->server.listen_after_bind();
        impl->listening_ended = true;
    });
    // stop() is only reliable once the library has marked itself running.
    while (!m_impl->server.is_running() && !m_impl->listening_ended)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return m_impl->listening_ended ? -1 : port;
}

bool WebServer::running() const
{
    return m_impl->listener.joinable() && !m_impl->listening_ended;
}

void WebServer::stop()
{
    {
        const std::lock_guard lock(m_impl->hold_mutex);
        m_impl->stopping = true;
    }
    m_impl->hold_release.notify_all();
    if (!m_impl->listener.joinable())
        return;
    m_impl->server.stop();
    m_impl->listener.join();
}

} // namespace dayvane
