// Runs the dayvane-web program as a child process on a free loopback port
// and talks to it over plain sockets, byte for byte as the holiday client
// does.

#include "holidaylists.h"
#include "webserverprocess.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

using namespace dayvane;
using namespace dayvane::test;

namespace {

struct Reply
{
    int status = -1;  // of the status line "HTTP/1.x NNN Reason"
    QByteArray head;  // status line and headers
    QByteArray body;
};

Reply ask(const WebServerProcess &server, const QByteArray &request)
{
    const QByteArray text = exchange(server.port(), request).value_or("(no reply)");
    const qsizetype end = text.indexOf("\r\n\r\n");
    return {text.startsWith("HTTP/1.") ? text.mid(9, 3).toInt() : -1, text.left(end), end < 0 ? QByteArray() : text.mid(end + 4)};
}

Reply get(const WebServerProcess &server, const QByteArray &path)
{
    return ask(server, "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
}

// What follows the one separator of a holiday reply; empty when it has not
// exactly one.
QString list_of(const Reply &reply)
{
    const QStringList parts = QString::fromUtf8(reply.body).split(kWebReplySeparator);
    return parts.size() == 2 ? parts[1] : QString();
}

} // namespace

// Each reply a word: "cut" is the whole reply broken off after the marker
// without its final "|", "whole" the list the program offers by default:
// the shipped data folder's, from two years back to four ahead.
TEST(WebServer, AnswersTheHolidayRequestWholeOrCutOrSplitAndCloses)
{
    const struct
    {
        QStringList options;
        QStringList replies;
    } cases[] = {
        {{}, {"whole"}},
        {{"--truncate-once"}, {"cut", "whole"}},
        {{"--truncate", "3"}, {"cut", "cut", "cut", "whole"}},
        {{"--split", "--split-bytes", "4096"}, {"whole"}},
    };
    const int year = QDate::currentDate().year();
    QStringList warnings;
    const QString whole = kWebListMarker + holiday_payload(load_holiday_folder(
                                                   QStringLiteral(DAYVANE_WEB_DATA_DIR), year - 2, year + 4, &warnings));
    for (const auto &c : cases) {
        WebServerProcess server(c.options);
        const std::string name = c.options.join(u' ').toStdString();
        ASSERT_GT(server.port(), 0) << name;
        for (const QString &expected : c.replies) {
            const Reply reply = ask(server, kHolidayRequest);
            EXPECT_EQ(reply.status, 200) << name;
            EXPECT_TRUE(reply.head.contains("\r\nConnection: close")) << name;
            const QString list = list_of(reply);
            if (expected == u"whole") {
                EXPECT_EQ(list, whole) << name;
            } else {
                EXPECT_TRUE(list.startsWith(kWebListMarker)) << name;
                EXPECT_FALSE(list.endsWith(u'|')) << name;
                EXPECT_TRUE(whole.startsWith(list)) << name;
            }
        }
        // Any other body is refused, without a list.
        const Reply refused = ask(server, QByteArray(kHolidayRequest).replace("info_type=?", "info_type=x"));
        EXPECT_EQ(refused.status, 400) << name;
        EXPECT_FALSE(refused.body.contains(kWebReplySeparator.toUtf8())) << name;
        EXPECT_EQ(server.exit_code(SIGINT), 0) << name;
    }
    // A held request is never answered, yet the shipped pages are, and it
    // does not keep the program from stopping.
    WebServerProcess held({QStringLiteral("--hold")});
    EXPECT_FALSE(exchange(held.port(), kHolidayRequest, 500));
    EXPECT_EQ(get(held, "/help/qzhelp.htm").status, 200);
    EXPECT_EQ(held.exit_code(SIGTERM), 0);
}

TEST(WebServer, ServesThePagesOfItsFolderWithTheNewsVersion)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("help"));
    QDir(folder.path()).mkpath(QStringLiteral("cs"));
    for (const char *name : {"index.htm", "help/qzhelp.htm", "cs/contact.htm", "style.css"})
        write_file(folder.filePath(QString::fromLatin1(name)), QByteArray("page ") + name);
    write_file(folder.filePath(QStringLiteral("notfound.htm")), "no {{path}}");
    // A folder without every page is refused.
    WebServerProcess incomplete({QStringLiteral("--pages"), folder.path()});
    EXPECT_EQ(incomplete.port(), 0);
    EXPECT_EQ(incomplete.exit_code(), 2);

    write_file(folder.filePath(QStringLiteral("cs/news.htm")), "news {{news_version}}");
    WebServerProcess server({QStringLiteral("--pages"), folder.path(), QStringLiteral("--news-version"), QStringLiteral("<7>")});
    ASSERT_GT(server.port(), 0);
    const struct
    {
        const char *path;
        int status;
        const char *type;
        const char *body;
    } cases[] = {
        {"/", 200, "text/html", "page index.htm"},
        {"/help/qzhelp.htm", 200, "text/html", "page help/qzhelp.htm"},
        {"/cs/contact.htm", 200, "text/html", "page cs/contact.htm"},
        {"/cs/news.htm", 200, "text/html", "news &lt;7&gt;"},
        {"/style.css", 200, "text/css", "page style.css"},
        {"/cs/news_version.txt", 200, "text/plain", "<7>"},
        {"/help/<missing>.htm", 404, "text/html", "no /help/&lt;missing&gt;.htm"},
    };
    for (const auto &c : cases) {
        const Reply reply = get(server, c.path);
        EXPECT_EQ(reply.status, c.status) << c.path;
        EXPECT_TRUE(reply.head.contains(QByteArray("\r\nContent-Type: ") + c.type)) << c.path;
        EXPECT_EQ(reply.body, c.body) << c.path;
    }
    EXPECT_EQ(server.exit_code(SIGTERM), 0);
}

// The lists of a data folder within the chosen years (a generated list and
// a recurring iCalendar event), or a file served as the payload.
TEST(WebServer, OffersTheListsOfItsDataFolderOrHolidayFile)
{
    QTemporaryDir folder;
    write_file(folder.filePath(QStringLiteral("town.holidays")), "list\t3\tTown\n2025-03-01\tMarket day\n2026-03-02\tMarket day\n"
                                                                 "list\t5\tTown \xe2\x80\x94 North\ttown-n\n2026-06-01\tFair\n");
    write_file(folder.filePath(QStringLiteral("acme.ics")),
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Acme//EN\r\nX-WR-CALNAME:Acme Works\r\n"
               "BEGIN:VEVENT\r\nUID:1\r\nDTSTAMP:20250101T000000Z\r\nDTSTART;VALUE=DATE:20200814\r\n"
               "RRULE:FREQ=YEARLY\r\nSUMMARY:Founders\\, day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    const QString file = folder.filePath(QStringLiteral("holidays.txt"));
    write_file(file, "C=7^Testland|Y=7^70001^2026|H=7^70001^3/1/2026^Founders' Day|");
    const struct
    {
        QStringList options;
        QString list;
    } cases[] = {
        {{"--data", folder.path(), "--years", "2026-2027"},
         "C=3^Town|Y=3^32026^2026|H=3^32026^3/2/2026^Market day|C=5^Town — North|Y=5^52026^2026|"
         "H=5^52026^6/1/2026^Fair|C=6^Acme Works|Y=6^62026^2026|H=6^62026^8/14/2026^Founders, day|"
         "Y=6^62027^2027|H=6^62027^8/14/2027^Founders, day|"},
        // Lists narrowed by their codes: a pattern, a dropped-in file's name.
        {{"--data", folder.path(), "--years", "2026-2026", "--lists", "TOWN-*,acme"},
         "C=5^Town — North|Y=5^52026^2026|H=5^52026^6/1/2026^Fair|C=6^Acme Works|Y=6^62026^2026|"
         "H=6^62026^8/14/2026^Founders, day|"},
        {{"--data", folder.path(), "--lists", "town"},
         "C=3^Town|Y=3^32025^2025|H=3^32025^3/1/2025^Market day|Y=3^32026^2026|H=3^32026^3/2/2026^Market day|"},
        {{"--holiday-file", file}, "C=7^Testland|Y=7^70001^2026|H=7^70001^3/1/2026^Founders' Day|"},
    };
    for (const auto &c : cases) {
        WebServerProcess server(c.options);
        ASSERT_GT(server.port(), 0) << c.options[0].toStdString();
        EXPECT_EQ(list_of(ask(server, kHolidayRequest)), kWebListMarker + c.list) << c.options.join(u' ').toStdString();
    }
}

TEST(WebServer, RefusesAddressesOutsideLoopbackAndBadOptions)
{
    const QList<QStringList> refused = {
        {"--host", "0.0.0.0"}, {"--host", "::"}, {"--host", "192.0.2.1"}, {"--host", "example.invalid"},
        {"--years", "2027-2026"}, {"--years", "soon"}, {"--truncate", "-1"}, {"--split-bytes", "0"},
        {"--data", "/nonexistent/folder"}, {"--holiday-file", "/nonexistent/file"}, {"--lists", ","},
        {"--lists", "us,nowhere"}};
    for (const QStringList &options : refused) {
        WebServerProcess server(options);
        EXPECT_EQ(server.port(), 0) << options.join(u' ').toStdString();
        EXPECT_EQ(server.exit_code(), 2) << options.join(u' ').toStdString();
    }
}
