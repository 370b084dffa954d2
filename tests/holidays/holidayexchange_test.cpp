// The exchange against the real dayvane-web on loopback ports, with its
// answer modes: split replies, replies cut short, a server that never
// answers, a port nobody listens on.

#include "holidays/holidayexchange.h"
#include "scriptedinteraction.h"
#include "webserverprocess.h"

#include <gtest/gtest.h>

#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <optional>

using namespace dayvane;
using namespace dayvane::test;

namespace {

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

// Whether the list named `list` holds `holiday` on `date` ("m/d/yyyy");
// nullopt when there is no such list.
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

// The shipped lists, all of them, come whole and within the reply's cap,
// with dates worked out by hand from the calendar of 2026 (1 January is a
// Thursday).
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
    EXPECT_FALSE(result.tables.holidays.empty());
    // The pieces are assembled before decoding.
    EXPECT_GT(pieces.packets, 20);
    EXPECT_EQ(pieces.tables.countries, result.tables.countries);
    EXPECT_EQ(pieces.tables.years, result.tables.years);
    EXPECT_EQ(pieces.tables.holidays, result.tables.holidays);
    EXPECT_TRUE(user.shown().empty());
    const struct
    {
        const char *list;
        const char *date;
        const char *holiday;
        bool held;
    } days[] = {
        {"United States", "6/19/2026", "Juneteenth", true},                          // a Friday
        {"United States", "5/25/2026", "Memorial Day", true},                        // the last Monday of May
        {"United States", "11/26/2026", "Thanksgiving Day", true},                   // the fourth Thursday of November
        {"United States", "7/3/2026", "Independence Day (substitute day)", true},    // 4 July is a Saturday
        {"United Kingdom — England", "12/28/2026", "Boxing Day (substitute day)", true},  // 26 December is a Saturday
        {"Germany — Bavaria", "1/6/2026", "Heilige Drei Könige", true},              // Epiphany
        {"Germany — Berlin", "1/6/2026", "Heilige Drei Könige", false},
    };
    for (const auto &day : days) {
        EXPECT_EQ(holds(result.tables, QString::fromUtf8(day.list), QString::fromLatin1(day.date), QString::fromUtf8(day.holiday)),
                  std::optional<bool>(day.held))
            << day.list << " " << day.date;
    }
}

// How each kind of server, or of host setting, ends the fetch: the
// connections it took and what the user was told, the failure last, as an
// information from "Corvantelle". The listener keeps the bytes each client
// sends and, once the request is in, answers with two separators: a reply
// refused without asking again.
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
    const struct
    {
        QStringList options;  // of the server
        QString host;         // instead of the server's
        qsizetype max_reply_bytes;
        int receive_timeout_ms;
        int attempts;
        QStringList texts;
    } cases[] = {
        {{"--truncate-once"}, {}, kMaxHolidayReplyBytes, 10'000, 2, {}},                        // received the second time
        {{"--truncate", "100"}, {}, kMaxHolidayReplyBytes, 10'000, 6, {kHolidayFetchFailed}},  // five times again at most
        {{}, {}, 4'000, 10'000, 1, {kHolidayFetchFailed}},                                     // above the size limit
        {{"--hold"}, {}, kMaxHolidayReplyBytes, 300, 1, {no_reply, kHolidayFetchFailed}},     // never answers
        {{}, QStringLiteral("127.0.0.1:%1").arg(unused_port()), kMaxHolidayReplyBytes, 10'000, 1,
         {refused, kHolidayFetchFailed}},
        {{}, QStringLiteral("127.0.0.1:99999"), kMaxHolidayReplyBytes, 10'000, 0, {kHolidayFetchFailed}},  // no connection
        {{}, QStringLiteral("127.0.0.1:%1").arg(listener.serverPort()), kMaxHolidayReplyBytes, 10'000, 1, {kHolidayFetchFailed}},
        {{}, QStringLiteral("localhost:%1").arg(listener.serverPort()), kMaxHolidayReplyBytes, 10'000, 1, {kHolidayFetchFailed}},
    };
    for (const auto &c : cases) {
        std::optional<WebServerProcess> server;
        if (c.host.isEmpty())
            server.emplace(c.options);
        ScriptedInteraction user;
        HolidayExchangeSettings settings;
        settings.max_reply_bytes = c.max_reply_bytes;
        settings.receive_timeout_ms = c.receive_timeout_ms;
        QElapsedTimer clock;
        clock.start();
        const HolidayFetchResult result = fetch(c.host.isEmpty() ? server->host() : c.host, settings);
        const std::string name = (c.options + QStringList{c.host}).join(u' ').toStdString();
        EXPECT_EQ(result.received, c.texts.isEmpty()) << name;
        EXPECT_EQ(result.attempts, c.attempts) << name;
        // A server that never answers is waited for until the receive limit.
        if (c.options == QStringList{"--hold"}) {
            EXPECT_GE(clock.elapsed(), 300);
        }
        if (!c.texts.isEmpty()) {
            EXPECT_EQ(user.shown().back().title, QStringLiteral("Corvantelle")) << name;
            EXPECT_EQ(user.shown().back().icon, MessageIcon::Information) << name;
        }
        EXPECT_EQ(user.take_texts(), c.texts) << name;
    }
    // The request is sent byte for byte, with the configured host name.
    EXPECT_EQ(requests, QByteArrayList({kHolidayRequest, QByteArray(kHolidayRequest).replace("127.0.0.1", "localhost")}));
}
