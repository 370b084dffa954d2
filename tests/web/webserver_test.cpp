// Runs the dayvane-web program as a child process on a free loopback port
// and talks to it over plain sockets, byte for byte as the holiday client
// does. Every wait is bounded, and every child is stopped (or killed) before
// its test ends.

#include "holidaylists.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

using namespace dayvane;
using Clock = std::chrono::steady_clock;

constexpr auto kTimeout = std::chrono::milliseconds(10'000);

const std::string kHolidayRequest = "POST /php/holiday_data.php HTTP/1.0\r\n"
                                    "Host: 127.0.0.1\r\n"
                                    "Content-Type: application/x-www-form-urlencoded\r\n"
                                    "Content-Length:11\r\n"
                                    "\r\n"
                                    "info_type=?";

int remaining_ms(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

// A file descriptor closed on scope exit.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// Reads from `fd` until end of file or the deadline; nullopt on an error or
// when the deadline passes first.
std::optional<std::string> read_to_end(int fd, Clock::time_point deadline, bool stop_at_newline = false,
                                       int *reads = nullptr)
{
    std::string text;
    char buffer[4096];
    while (!(stop_at_newline && text.find('\n') != std::string::npos)) {
        pollfd waiting{fd, POLLIN, 0};
        if (::poll(&waiting, 1, remaining_ms(deadline)) <= 0)
            return std::nullopt;
        const ssize_t got = ::read(fd, buffer, stop_at_newline ? 1 : sizeof buffer);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        if (reads)
            ++*reads;
        text.append(buffer, std::size_t(got));
    }
    return text;
}

// Sends `request` to 127.0.0.1:port and returns all bytes received until the
// server closes the connection; nullopt on a socket error or time-out.
// `reads`, when given, counts the reads that returned data.
std::optional<std::string> exchange(int port, const std::string &request, std::chrono::milliseconds limit = kTimeout,
                                    int *reads = nullptr)
{
    const Clock::time_point deadline = Clock::now() + limit;
    Descriptor socket(::socket(AF_INET, SOCK_STREAM, 0));
    if (socket.get() < 0)
        return std::nullopt;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(std::uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return std::nullopt;
    for (std::size_t sent = 0; sent < request.size();) {
        const ssize_t n = ::send(socket.get(), request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return std::nullopt;
        sent += std::size_t(n);
    }
    return read_to_end(socket.get(), deadline, false, reads);
}

std::string get_request(const std::string &path)
{
    return "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
}

struct Reply
{
    std::string head;  // status line and headers
    std::string body;
};

Reply split_reply(const std::string &reply)
{
    const std::size_t end = reply.find("\r\n\r\n");
    if (end == std::string::npos)
        return {reply, {}};
    return {reply.substr(0, end), reply.substr(end + 4)};
}

int status_of(const std::string &reply)
{
    // "HTTP/1.x NNN Reason"
    return reply.size() > 12 && reply.compare(0, 7, "HTTP/1.") == 0 ? std::stoi(reply.substr(9, 3)) : -1;
}

// The program under test, started with --port 0 --print-port and the given
// options. Stops it with SIGTERM when the test has not already done so.
class ServerProcess
{
public:
    explicit ServerProcess(std::vector<std::string> options)
    {
        options.insert(options.begin(), {DAYVANE_WEB_PROGRAM, "--port", "0", "--print-port"});
        int pipe_fds[2];
        if (::pipe(pipe_fds) != 0)
            return;
        Descriptor read_end(pipe_fds[0]);
        Descriptor write_end(pipe_fds[1]);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, write_end.get(), STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, read_end.get());
        std::vector<char *> argv;
        for (std::string &option : options)
            argv.push_back(option.data());
        argv.push_back(nullptr);
        const int spawned = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            m_pid = -1;
            return;
        }
        write_end.reset();
        m_output = read_to_end(read_end.get(), Clock::now() + kTimeout, true).value_or(std::string());
        const std::size_t line_end = m_output.find('\n');
        if (line_end != std::string::npos)
            m_port = std::atoi(m_output.substr(0, line_end).c_str());
    }

    ~ServerProcess()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGTERM);
        if (!wait_for_exit(kTimeout) && m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    ServerProcess(const ServerProcess &) = delete;
    ServerProcess &operator=(const ServerProcess &) = delete;

    // The port from the first line of output; 0 when none came.
    int port() const { return m_port; }
    const std::string &output() const { return m_output; }

    // The exit status after the program ended by itself; nullopt when it is
    // still running at the deadline.
    std::optional<int> wait_for_exit(std::chrono::milliseconds limit)
    {
        const Clock::time_point deadline = Clock::now() + limit;
        while (m_pid > 0) {
            int status = 0;
            const pid_t done = ::waitpid(m_pid, &status, WNOHANG);
            if (done == m_pid) {
                m_pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (done < 0 || Clock::now() >= deadline)
                return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return std::nullopt;
    }

    // Sends `signal` and true when the program then exits with status 0.
    bool stop(int signal = SIGTERM)
    {
        if (m_pid <= 0)
            return false;
        ::kill(m_pid, signal);
        return wait_for_exit(kTimeout) == 0;
    }

private:
    pid_t m_pid = -1;
    int m_port = 0;
    std::string m_output;
};

// The payload the running program offers from the shipped data folder.
QString expected_payload()
{
    const int year = QDate::currentDate().year();
    QStringList warnings;
    return holiday_payload(load_holiday_folder(QStringLiteral(DAYVANE_WEB_DATA_DIR), year - 2, year + 4, &warnings));
}

// The part of a holiday reply after the separator, checked for exactly one
// separator; empty when the reply does not have exactly one.
QString list_part(const std::string &reply)
{
    const QStringList parts = QString::fromUtf8(reply.c_str(), qsizetype(reply.size())).split(kHolidayReplySeparator);
    return parts.size() == 2 ? parts[1] : QString();
}

void write_file(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text);
}

} // namespace

TEST(WebServer, AnswersTheHolidayRequestWithTheShippedListsAndCloses)
{
    ServerProcess server({});
    ASSERT_GT(server.port(), 0) << server.output();
    const std::optional<std::string> reply = exchange(server.port(), kHolidayRequest);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(status_of(*reply), 200);
    EXPECT_NE(split_reply(*reply).head.find("\r\nConnection: close"), std::string::npos);
    const QString list = list_part(*reply);
    ASSERT_TRUE(list.startsWith(kHolidayListMarker)) << reply->substr(0, 400);
    EXPECT_EQ(list.mid(kHolidayListMarker.size()), expected_payload());
    EXPECT_TRUE(list.startsWith(kHolidayListMarker + QStringLiteral("C=1^United States (federal)|")));
    EXPECT_TRUE(list.contains(QString::fromUtf8("^5/1/2026^F\u00eate du Travail|")));
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, RefusesAnyOtherHolidayRequestBody)
{
    ServerProcess server({});
    ASSERT_GT(server.port(), 0) << server.output();
    const std::string request = "POST /php/holiday_data.php HTTP/1.0\r\n"
                                "Content-Type: application/x-www-form-urlencoded\r\n"
                                "Content-Length:11\r\n\r\ninfo_type=x";
    const std::optional<std::string> reply = exchange(server.port(), request);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(status_of(*reply), 400);
    EXPECT_EQ(reply->find(kHolidayReplySeparator.toStdString()), std::string::npos);
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, CutsTheFirstReplyShortOnceWhenAsked)
{
    ServerProcess server({"--truncate-once"});
    ASSERT_GT(server.port(), 0) << server.output();
    const std::optional<std::string> first = exchange(server.port(), kHolidayRequest);
    const std::optional<std::string> second = exchange(server.port(), kHolidayRequest);
    ASSERT_TRUE(first.has_value() && second.has_value());
    const QString cut = list_part(*first);
    ASSERT_TRUE(cut.startsWith(kHolidayListMarker)) << first->substr(0, 400);
    EXPECT_FALSE(cut.endsWith(u'|'));
    EXPECT_TRUE((kHolidayListMarker + expected_payload()).startsWith(cut));
    EXPECT_EQ(list_part(*second), kHolidayListMarker + expected_payload());
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, CutsAsManyRepliesShortAsAsked)
{
    ServerProcess server({"--truncate", "3"});
    ASSERT_GT(server.port(), 0) << server.output();
    for (int i = 0; i < 4; ++i) {
        const std::optional<std::string> reply = exchange(server.port(), kHolidayRequest);
        ASSERT_TRUE(reply.has_value());
        EXPECT_EQ(list_part(*reply).endsWith(u'|'), i == 3) << i;
    }
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, SendsASplitReplyInManyPieces)
{
    ServerProcess server({"--split", "--split-bytes", "100"});
    ASSERT_GT(server.port(), 0) << server.output();
    int reads = 0;
    const std::optional<std::string> reply = exchange(server.port(), kHolidayRequest, kTimeout, &reads);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(list_part(*reply), kHolidayListMarker + expected_payload());
    EXPECT_GT(reads, 20);
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, HoldsHolidayRequestsUnansweredUntilStopped)
{
    ServerProcess server({"--hold"});
    ASSERT_GT(server.port(), 0) << server.output();
    const Clock::time_point start = Clock::now();
    EXPECT_FALSE(exchange(server.port(), kHolidayRequest, std::chrono::milliseconds(500)).has_value());
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(450));  // poll() counts whole milliseconds
    // The pages still answer, and a held request does not keep it from stopping.
    const std::optional<std::string> help = exchange(server.port(), get_request("/help/qzhelp.htm"));
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(status_of(*help), 200);
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, OffersTheListsOfItsDataFolderWithinTheChosenYears)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    write_file(folder.filePath(QStringLiteral("town.holidays")), "list\t3\tTown\n2025-03-01\tMarket day\n2026-03-02\tMarket day\n");
    write_file(folder.filePath(QStringLiteral("acme.ics")),
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Acme//EN\r\nX-WR-CALNAME:Acme Works\r\n"
               "BEGIN:VEVENT\r\nUID:1\r\nDTSTAMP:20250101T000000Z\r\nDTSTART;VALUE=DATE:20200814\r\n"
               "RRULE:FREQ=YEARLY\r\nSUMMARY:Founders\\, day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    ServerProcess server({"--data", folder.path().toStdString(), "--years", "2026-2027"});
    ASSERT_GT(server.port(), 0) << server.output();
    const std::optional<std::string> reply = exchange(server.port(), kHolidayRequest);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(list_part(*reply), kHolidayListMarker
                                     + QStringLiteral("C=3^Town|Y=3^32026^2026|H=3^32026^3/2/2026^Market day|"
                                                      "C=4^Acme Works|Y=4^42026^2026|H=4^42026^8/14/2026^Founders, day|"
                                                      "Y=4^42027^2027|H=4^42027^8/14/2027^Founders, day|"));
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, ServesAHolidayFileAsThePayload)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("holidays.txt"));
    write_file(path, "C=7^Testland|Y=7^70001^2026|H=7^70001^3/1/2026^Founders' Day|");
    ServerProcess server({"--holiday-file", path.toStdString()});
    ASSERT_GT(server.port(), 0) << server.output();
    const std::optional<std::string> reply = exchange(server.port(), kHolidayRequest);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(list_part(*reply),
              kHolidayListMarker + QStringLiteral("C=7^Testland|Y=7^70001^2026|H=7^70001^3/1/2026^Founders' Day|"));
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, ServesTheShippedPages)
{
    ServerProcess server({});
    ASSERT_GT(server.port(), 0) << server.output();
    const char *const pages[] = {"/help/qzhelp.htm", "/cs/news.htm", "/cs/contact.htm", "/"};
    for (const char *path : pages) {
        const std::optional<std::string> reply = exchange(server.port(), get_request(path));
        ASSERT_TRUE(reply.has_value()) << path;
        EXPECT_EQ(status_of(*reply), 200) << path;
        const Reply parts = split_reply(*reply);
        EXPECT_NE(parts.head.find("Content-Type: text/html"), std::string::npos) << path;
        EXPECT_EQ(parts.body.rfind("<!DOCTYPE html>", 0), 0u) << path;
        EXPECT_NE(parts.body.find("</html>"), std::string::npos) << path;
    }
    const std::optional<std::string> help = exchange(server.port(), get_request("/help/qzhelp.htm"));
    ASSERT_TRUE(help.has_value());
    for (const char *topic : {"The main window", "Calendar list", "Editing days", "Selecting a date", "Holiday list",
                              "Printing", "Users and passwords", "Apply selection"})
        EXPECT_NE(help->find(topic), std::string::npos) << topic;
    const std::optional<std::string> style = exchange(server.port(), get_request("/style.css"));
    ASSERT_TRUE(style.has_value());
    EXPECT_NE(split_reply(*style).head.find("Content-Type: text/css"), std::string::npos);

    const std::optional<std::string> missing = exchange(server.port(), get_request("/help/<missing>.htm"));
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(status_of(*missing), 404);
    EXPECT_NE(missing->find("&lt;missing&gt;"), std::string::npos);
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, ServesPagesFromAnotherFolderAndRefusesAnIncompleteOne)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QDir(folder.path()).mkpath(QStringLiteral("help"));
    QDir(folder.path()).mkpath(QStringLiteral("cs"));
    for (const char *name : {"index.htm", "help/qzhelp.htm", "cs/contact.htm", "style.css", "notfound.htm"})
        write_file(folder.filePath(QString::fromLatin1(name)), QByteArray("page ") + name);
    ServerProcess incomplete({"--pages", folder.path().toStdString()});
    EXPECT_EQ(incomplete.port(), 0);
    EXPECT_EQ(incomplete.wait_for_exit(kTimeout), 2);

    write_file(folder.filePath(QStringLiteral("cs/news.htm")), "news {{news_version}}");
    ServerProcess server({"--pages", folder.path().toStdString(), "--news-version", "<7>"});
    ASSERT_GT(server.port(), 0) << server.output();
    const std::optional<std::string> news = exchange(server.port(), get_request("/cs/news.htm"));
    ASSERT_TRUE(news.has_value());
    EXPECT_EQ(split_reply(*news).body, "news &lt;7&gt;");
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, GivesTheNewsVersionAsPlainText)
{
    ServerProcess server({"--news-version", "2026-12b"});
    ASSERT_GT(server.port(), 0) << server.output();
    const std::optional<std::string> reply = exchange(server.port(), get_request("/cs/news_version.txt"));
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(status_of(*reply), 200);
    const Reply parts = split_reply(*reply);
    EXPECT_NE(parts.head.find("Content-Type: text/plain"), std::string::npos);
    EXPECT_EQ(parts.body, "2026-12b");
    const std::optional<std::string> news = exchange(server.port(), get_request("/cs/news.htm"));
    ASSERT_TRUE(news.has_value());
    EXPECT_NE(news->find("News version 2026-12b"), std::string::npos);
    EXPECT_TRUE(server.stop());
}

TEST(WebServer, StopsCleanlyOnInterrupt)
{
    ServerProcess server({});
    ASSERT_GT(server.port(), 0) << server.output();
    EXPECT_TRUE(server.stop(SIGINT));
}

TEST(WebServer, RefusesAddressesOutsideLoopbackAndBadOptions)
{
    for (const char *host : {"0.0.0.0", "::", "192.0.2.1", "example.invalid"}) {
        ServerProcess server({"--host", host});
        EXPECT_EQ(server.port(), 0) << host;
        EXPECT_EQ(server.wait_for_exit(kTimeout), 2) << host;
    }
    const std::vector<std::vector<std::string>> bad = {
        {"--years", "2027-2026"}, {"--years", "soon"}, {"--truncate", "-1"}, {"--split-bytes", "0"},
        {"--data", "/nonexistent/folder"}, {"--holiday-file", "/nonexistent/file"}};
    for (const std::vector<std::string> &options : bad) {
        ServerProcess server(options);
        EXPECT_EQ(server.port(), 0) << options[0];
        EXPECT_EQ(server.wait_for_exit(kTimeout), 2) << options[0];
    }
}
