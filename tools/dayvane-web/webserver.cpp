#include "webserver.h"

#include "holidaydata.h"
#include "pages.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace dayvane {

namespace {

constexpr char kHtml[] = "text/html; charset=utf-8";
constexpr char kText[] = "text/plain; charset=utf-8";
constexpr char kHolidayRequest[] = "info_type=?";

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

    void add_page(const char *path, const QString &html)
    {
        server.Get(path, [body = html.toStdString()](const httplib::Request &, httplib::Response &response) {
            response.set_content(body, kHtml);
        });
    }

    void add_routes()
    {
        add_page("/", home_page());
        add_page("/help/qzhelp.htm", help_page());
        add_page("/cs/news.htm", news_page(settings.news_version));
        add_page("/cs/contact.htm", contact_page());
        server.Get("/cs/news_version.txt",
                   [version = settings.news_version.toStdString()](const httplib::Request &, httplib::Response &response) {
                       response.set_content(version, kText);
                   });
        server.Post("/php/holiday_data.php", [this](const httplib::Request &request, httplib::Response &response) {
            answer_holiday_request(request, response);
        });
        server.set_error_handler([](const httplib::Request &request, httplib::Response &response) {
            if (response.status == 404)
                response.set_content(not_found_page(QString::fromStdString(request.path)).toStdString(), kHtml);
        });
        server.set_logger(log_request);
        // One request per connection: every reply says "Connection: close"
        // and ends its connection, which is what the holiday client, reading
        // until the server closes, relies on.
        server.set_keep_alive_max_count(1);
    }

    void answer_holiday_request(const httplib::Request &request, httplib::Response &response)
    {
        if (request.body != kHolidayRequest) {
            response.status = 400;
            response.set_content("The holiday list answers only the request \"info_type=?\".\n", kText);
            return;
        }
        const bool cut = holiday_replies.fetch_add(1) < settings.incomplete_replies;
        response.set_content(cut ? cut_reply : whole_reply, kText);
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
    if (!m_impl->listener.joinable())
        return;
    m_impl->server.stop();
    m_impl->listener.join();
}

} // namespace dayvane
