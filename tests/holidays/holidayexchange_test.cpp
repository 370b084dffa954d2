// The holiday exchange: the request's host, the reply decoded, and the fetch against the real dayvane-web on loopback
// ports with its answer modes: split replies, replies cut short, a server that never answers, a port nobody listens on.

#include "holidays/holidayexchange.h"
#include "holidays/holidayreply.h"
#include "printers.h"
#include "scriptedinteraction.h"
#include "webserverprocess.h"

#include <gtest/gtest.h>

#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>
#include <optional>
#include <tuple>

using namespace dayvane;
using namespace dayvane::test;

namespace {

QByteArray reply_of(const QByteArray &payload)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nHoliday lists\r\n~boundary~*** Corvantelle holdiday list ***" +
           payload;
}

HolidayFetchResult fetch(const QString &host, HolidayExchangeSettings settings = {}, QStringList *statuses = nullptr)
{
    // Short limits, so that the failing cases end quickly.
    settings.connect_timeout_ms = 5'000;
    settings.receive_timeout_ms = std::min(settings.receive_timeout_ms, 10'000);
    HolidayExchange exchange(host, settings);
    return exchange.fetch([statuses](const QString &text) {
        if (statuses && (statuses->isEmpty() || statuses->constLast() != text))
            statuses->append(text);
    });
}

// Whether the list named `list` holds `holiday` on `date` ("m/d/yyyy"); nullopt when there is no such list.
std::optional<bool> holds(const HolidayTables &tables, const QString &list, const QString &date, const QString &holiday)
{
    const auto country = std::find_if(tables.countries.begin(), tables.countries.end(),
                                      [&](const HolidayCountry &c) { return c.name == list; });
    if (country == tables.countries.end())
        return std::nullopt;
    return std::any_of(tables.holidays.begin(), tables.holidays.end(), [&](const HolidayRecord &h) {
        return h.country_id == country->id && h.date == date && h.name == holiday;
    });
}

} // namespace

// All shipped lists come whole within the reply's cap; dates worked out by hand for 2026 (1 January is a Thursday).
TEST(HolidayExchange, FetchesTheServersListsWholeOrInPieces)
{
    WebServerProcess whole;
    WebServerProcess split({QStringLiteral("--split"), QStringLiteral("--split-bytes"), QStringLiteral("4096")});
    ScriptedInteraction user;
    QStringList statuses;
    const HolidayFetchResult result = fetch(whole.host(), {}, &statuses);
    const HolidayFetchResult pieces = fetch(split.host());
    ASSERT_TRUE(result.received && pieces.received);
    EXPECT_EQ(result.attempts, 1);
    EXPECT_EQ(statuses, QStringList({"Connecting to Corvantelle online holiday list ...", "Waiting for holiday data ..."}));
    // The pieces are assembled before decoding.
    EXPECT_GT(pieces.packets, 20);
    EXPECT_EQ(std::tie(pieces.tables.countries, pieces.tables.years, pieces.tables.holidays),
              std::tie(result.tables.countries, result.tables.years, result.tables.holidays));
    EXPECT_TRUE(user.shown().empty());
    const struct { const char *list, *date, *holiday; bool held; } days[] = {
        {"United States", "6/19/2026", "Juneteenth", true},                          // a Friday
        {"United States", "5/25/2026", "Memorial Day", true},                        // the last Monday of May
        {"United States", "11/26/2026", "Thanksgiving Day", true},                   // the fourth Thursday of November
        {"United States", "7/3/2026", "Independence Day (substitute day)", true},    // 4 July is a Saturday
        {"United Kingdom — England", "12/28/2026", "Boxing Day (substitute day)", true},  // 26 December is a Saturday
        {"Germany — Bavaria (Bayern)", "1/6/2026", "Heilige Drei Könige", true},     // Epiphany
        {"Germany — Berlin", "1/6/2026", "Heilige Drei Könige", false},
    };
    for (const auto &day : days) {
        EXPECT_EQ(holds(result.tables, QString::fromUtf8(day.list), QString::fromLatin1(day.date), QString::fromUtf8(day.holiday)),
                  std::optional<bool>(day.held))
            << day.list << " " << day.date;
    }
}

// How each kind of server or host ends the fetch: connections taken and messages shown, the failure last, from
// "Corvantelle". The listener keeps what each client sends and answers with two separators: refused, not asked again.
TEST(HolidayExchange, SendsTheRequestAsksAgainForIncompleteListsAndTellsEveryFailure)
{
    QByteArrayList requests;
    QTcpServer listener;
    ASSERT_TRUE(listener.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&listener, &QTcpServer::newConnection, [&listener, &requests] {
        QTcpSocket *client = listener.nextPendingConnection();
        requests.append(QByteArray());
        QObject::connect(client, &QTcpSocket::readyRead, [client, &requests, index = requests.size() - 1] {
            requests[index] += client->readAll();
            if (requests[index].endsWith("info_type=?")) {
                client->write("~boundary~*** Corvantelle holdiday list ***C=1^A|~boundary~");
                client->disconnectFromHost();
            }
        });
    });
    const QString refused = QStringLiteral("Error:\r\nNumber: %1\r\nDescription: Connection refused\r\n"
                                           "Source: holiday_listing\r\nLocation: 1").arg(int(QAbstractSocket::ConnectionRefusedError));
    const QString no_reply = QStringLiteral("Error:\r\nNumber: 5\r\nDescription: The holiday list did not arrive within 300 ms.\r\n"
                                            "Source: holiday_listing\r\nLocation: 2");
    const QString too_large = QStringLiteral("The holiday server's reply is larger than the %1 this program accepts.");
    QTemporaryDir folder;
    const QString megabyte = folder.filePath(QStringLiteral("megabyte.txt"));
    write_file(megabyte, "C=1^A|" + QByteArray(1 << 20, '|'));
    // The server's options, or a host instead of the server's.
    const struct { QStringList options; QString host; HolidayExchangeSettings settings; int attempts; QStringList texts; } cases[] = {
        {{"--truncate-once"}, {}, {}, 2, {}},                                // received the second time
        {{"--truncate", "100"}, {}, {}, 6, {kHolidayFetchFailed}},          // five times again at most
        {{}, {}, {.max_reply_bytes = 4'000}, 1, {too_large.arg("4000 bytes")}},      // above the size limit
        {{"--holiday-file", megabyte}, {}, {.max_reply_bytes = 1 << 20}, 1, {too_large.arg("1 MB")}},
        {{"--hold"}, {}, {.receive_timeout_ms = 300}, 1, {no_reply, kHolidayFetchFailed}},  // never answers
        {{}, QStringLiteral("127.0.0.1:%1").arg(unused_port()), {}, 1, {refused, kHolidayFetchFailed}},
        {{}, QStringLiteral("127.0.0.1:99999"), {}, 0, {kHolidayFetchFailed}},  // no connection
        {{}, QStringLiteral("127.0.0.1:%1").arg(listener.serverPort()), {}, 1, {kHolidayFetchFailed}},
        {{}, QStringLiteral("localhost:%1").arg(listener.serverPort()), {}, 1, {kHolidayFetchFailed}},
    };
    for (const auto &c : cases) {
        std::optional<WebServerProcess> server;
        if (c.host.isEmpty())
            server.emplace(c.options);
        ScriptedInteraction user;
        QElapsedTimer clock;
        clock.start();
        const HolidayFetchResult result = fetch(c.host.isEmpty() ? server->host() : c.host, c.settings);
        const std::string name = (c.options + QStringList{c.host}).join(u' ').toStdString();
        EXPECT_EQ(result.received, c.texts.isEmpty()) << name;
        EXPECT_EQ(result.attempts, c.attempts) << name;
        // A server that never answers is waited for until the receive limit.
        EXPECT_TRUE(c.options != QStringList{"--hold"} || clock.elapsed() >= 300) << clock.elapsed();
        if (!c.texts.isEmpty()) {
            EXPECT_EQ(user.shown().back().title, QStringLiteral("Corvantelle")) << name;
            EXPECT_EQ(user.shown().back().icon, MessageIcon::Information) << name;
        }
        EXPECT_EQ(user.take_texts(), c.texts) << name;
    }
    // The request is sent byte for byte, with the configured host name.
    EXPECT_EQ(requests, QByteArrayList({kHolidayRequest, QByteArray(kHolidayRequest).replace("127.0.0.1", "localhost")}));
}

// Records of an unknown type or with a wrong number of fields are skipped; names are UTF-8 and lose their controls.
TEST(HolidayReply, DecodesTheThreeRecordTypesInArrivalOrderWithTheirNumbersRoundedAndClamped)
{
    const DecodedReply reply = decode_holiday_reply(reply_of(
        "C=1^Country A|Y=1^7^2024|H=1^7^1/1/2024^New Year's Day|"
        "H=1^7^1/1/2024|Y=1^7^2024^x|C=2|C=3^B^extra|C=|H=1^7^1/2/2024^a^b|"  // three, four, one, three, one, five fields
        "X=1^2|c=4^lower|Y 1^7^2024|||H|=|"                                    // other types, empty and short records
        "C=2^Fr\tance\x7f|Y=2^8^2025|H=2^8^12/25/2025^F\xc3\xaate du\r\n Travail|"
        "H=1^7^12/26/2024^Ny\xc3\xa5rs\xc2\x85\x1b[2Jdagen|"));
    ASSERT_EQ(reply.status, ReplyStatus::Complete);
    EXPECT_EQ(reply.tables.countries,
              (std::vector<HolidayCountry>{{1, QStringLiteral("Country A")}, {2, QStringLiteral("France")}}));
    EXPECT_EQ(reply.tables.years, (std::vector<HolidayYear>{{1, 7, 2024}, {2, 8, 2025}}));
    EXPECT_EQ(reply.tables.holidays,
              (std::vector<HolidayRecord>{{1, 7, QStringLiteral("1/1/2024"), QStringLiteral("New Year's Day")},
                                          {2, 8, QStringLiteral("12/25/2025"), QString::fromUtf8("F\u00eate du Travail")},
                                          {1, 7, QStringLiteral("12/26/2024"), QString::fromUtf8("Ny\u00e5rs[2Jdagen")}}));
    // Numbers are their leading decimal number, rounded and clamped.
    const struct { const char *text; qint32 value; } numbers[] = {
        {"12", 12},       {"  12abc", 12}, {"\t7", 7},    {"7.5", 8},  {"6.5", 6},   {"6.51", 7},
        {"-3", -3},       {"+4", 4},       {"abc", 0},    {"", 0},     {".9", 1},    {"- 3", 0},
        {"0012", 12},     {"1e5", 1},      {"2147483647", std::numeric_limits<qint32>::max()},
        {"99999999999999999999", std::numeric_limits<qint32>::max()},
        {"-99999999999", std::numeric_limits<qint32>::min()},
    };
    for (const auto &c : numbers) {
        const DecodedReply one = decode_holiday_reply(reply_of(QByteArray("C=") + c.text + "^Name|"));
        ASSERT_EQ(one.tables.countries.size(), 1u) << c.text;
        EXPECT_EQ(one.tables.countries[0].id, c.value) << c.text;
    }
    const DecodedReply years = decode_holiday_reply(reply_of("Y=1^2^70000|Y=1^2^-70000|Y=1^2^2024.4|"));
    EXPECT_EQ(years.tables.years, (std::vector<HolidayYear>{{1, 2, 32767}, {1, 2, -32768}, {1, 2, 2024}}));
}

// Exactly one separator, then the marker and a payload ending in "|", make a complete reply (the fuzz target checks
// that only a complete reply fills any table).
TEST(HolidayReply, OnlyOneSeparatorTheMarkerAndAFinalBarMakeItComplete)
{
    const QByteArray marker = kHolidayListMarker;
    QByteArray capped = reply_of("C=1^A|");
    capped.append(kMaxHolidayReplyBytes - capped.size(), '|');
    const struct { QByteArray text; ReplyStatus status; size_t countries; } cases[] = {
        {"any preamble ~ boundary | C=9^x|~boundary~" + marker + "C=1^A|", ReplyStatus::Complete, 1},  // preamble ignored
        {reply_of("|"), ReplyStatus::Complete, 0},                        // empty tables
        {capped, ReplyStatus::Complete, 1},                               // exactly the cap
        {capped + '|', ReplyStatus::Rejected, 0},                         // above it, unread
        {"", ReplyStatus::Rejected, 0},
        {marker + "C=1^A|", ReplyStatus::Rejected, 0},                    // no separator
        {"~boundary~" + marker + "C=1^A|~boundary~", ReplyStatus::Rejected, 0},               // two
        {"~boundary~~boundary~" + marker + "C=1^A|", ReplyStatus::Rejected, 0},               // two, side by side
        {"~boundary~" + marker + "H=1^7^1/1/2024^a ~boundary~ b|", ReplyStatus::Rejected, 0}, // two, inside a name
        {"~boundary~*** Corvantelle holiday list ***C=1^A|", ReplyStatus::Rejected, 0},       // the marker spelled otherwise
        {"~boundary~ " + marker + "C=1^A|", ReplyStatus::Rejected, 0},                        // not at the start
        {"~boundary~*** Corvantelle holdiday list **", ReplyStatus::Rejected, 0},             // cut inside the marker
        {"~BOUNDARY~" + marker + "|", ReplyStatus::Rejected, 0},
        {reply_of(""), ReplyStatus::Incomplete, 0},
        {reply_of("C=1^A|Y=1^7^2024|H=1^7^1/1/2024^New Ye"), ReplyStatus::Incomplete, 0},
        {reply_of("C=1^A|Y=1^7^2024"), ReplyStatus::Incomplete, 0},
    };
    for (const auto &c : cases) {
        const DecodedReply reply = decode_holiday_reply(c.text);
        EXPECT_EQ(reply.status, c.status) << c.text.left(80).toStdString();
        EXPECT_EQ(reply.tables.countries.size(), c.countries) << c.text.left(80).toStdString();
        EXPECT_TRUE(c.countries != 1 || reply.tables.countries[0].id == 1) << c.text.left(80).toStdString();
    }
}

TEST(HolidayDates, ReadMonthDayYearAndIsoDates)
{
    for (const auto &[text, date] : {std::pair{"1/1/2024", QDate(2024, 1, 1)}, {"12/25/2025", QDate(2025, 12, 25)},
                                     {" 07/04/2026 ", QDate(2026, 7, 4)}, {"2026-07-04", QDate(2026, 7, 4)}})
        EXPECT_EQ(holiday_date(QString::fromLatin1(text)), date) << text;
    for (const char *bad : {"2/30/2024", "13/1/2024", "1/1/24", "1/1", "", "1//2024", "1/1/2024x", "a/b/c", "2024-7-4"})
        EXPECT_FALSE(holiday_date(QString::fromLatin1(bad)).isValid()) << bad;
    EXPECT_EQ(QStringList({holiday_list_date("1/1/2024"), holiday_list_date("12/26/2024"), holiday_list_date("2/30/2024")}),
              QStringList({"Jan-01", "Dec-26", "2/30/2024"}));
}

TEST(HolidayRequest, TheConfiguredHostGivesAddressPortAndHostHeader)
{
    const struct { const char *configured, *host; quint16 port; const char *header; } cases[] = {
        {"www.example.org", "www.example.org", 80, "www.example.org"}, {"127.0.0.1:8080", "127.0.0.1", 8080, "127.0.0.1"},
        {" localhost:1 ", "localhost", 1, "localhost"}, {"[::1]:8080", "::1", 8080, "[::1]"},
        {"[::1]", "::1", 80, "[::1]"}, {"::1", "::1", 80, "[::1]"},
    };
    for (const auto &c : cases) {
        const std::optional<WebHostAddress> address = split_web_host(QString::fromLatin1(c.configured));
        ASSERT_TRUE(address) << c.configured;
        EXPECT_EQ(std::tuple(address->host, address->port, address->header),
                  std::tuple(QString::fromLatin1(c.host), c.port, QString::fromLatin1(c.header))) << c.configured;
    }
    for (const char *bad : {"", ":80", "host:0", "host:65536", "host:x", "[::1", "[::1]x", "host:"})
        EXPECT_FALSE(split_web_host(QString::fromLatin1(bad))) << bad;
}
