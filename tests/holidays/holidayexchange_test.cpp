// The exchange against the real dayvane-web on loopback ports, with its
// answer modes: split replies, a reply cut short once, a server that never
// answers, a port nobody listens on. A recording relay between client and
// server keeps the bytes the client sent.

#include "holidays/holidayexchange.h"
#include "recordingrelay.h"
#include "scriptedinteraction.h"
#include "webserverprocess.h"

#include <gtest/gtest.h>

#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

using namespace dayvane;
using namespace dayvane::test;

namespace {

const QByteArray kExpectedRequest = "POST /php/holiday_data.php HTTP/1.0\r\n"
                                    "Host: 127.0.0.1\r\n"
                                    "Content-Type: application/x-www-form-urlencoded\r\n"
                                    "Content-Length:11\r\n"
                                    "\r\n"
                                    "info_type=?";

const QString kNoReplyInTime = QStringLiteral("Error:\r\nNumber: 5\r\nDescription: The holiday list did not arrive within 300 ms.\r\n"
                                              "Source: holiday_listing\r\nLocation: 2");

// Short limits, so that the failing cases end quickly.
HolidayExchangeSettings quick()
{
    HolidayExchangeSettings settings;
    settings.connect_timeout_ms = 5'000;
    settings.receive_timeout_ms = 10'000;
    return settings;
}

HolidayFetchResult fetch(const QString &host, const HolidayExchangeSettings &settings = quick(),
                         QStringList *statuses = nullptr)
{
    HolidayExchange exchange(host, settings);
    return exchange.fetch([statuses](const QString &text) {
        if (statuses && (statuses->isEmpty() || statuses->constLast() != text))
            statuses->append(text);
    });
}

const HolidayRecord *find_holiday(const HolidayTables &tables, const QString &name)
{
    const auto found = std::find_if(tables.holidays.begin(), tables.holidays.end(),
                                    [&](const HolidayRecord &holiday) { return holiday.name == name; });
    return found == tables.holidays.end() ? nullptr : &*found;
}

bool same_tables(const HolidayTables &a, const HolidayTables &b)
{
    return a.countries == b.countries && a.years == b.years && a.holidays == b.holidays;
}

} // namespace

TEST(HolidayExchange, FetchesAndDecodesTheServersLists)
{
    WebServerProcess server;
    ASSERT_GT(server.port(), 0);
    RecordingRelay relay(server.port());
    ScriptedInteraction user;
    QStringList statuses;
    const HolidayFetchResult result = fetch(relay.host(), quick(), &statuses);
    ASSERT_TRUE(result.received);
    EXPECT_TRUE(user.shown().empty());
    EXPECT_EQ(result.attempts, 1);
    EXPECT_GE(result.tables.countries.size(), 7u);
    EXPECT_EQ(result.tables.countries.front().name, QStringLiteral("United States (federal)"));
    // Real lists with the names in the country's own language.
    const HolidayRecord *labour_day = find_holiday(result.tables, QString::fromUtf8("F\u00eate du Travail"));
    ASSERT_NE(labour_day, nullptr);
    EXPECT_EQ(labour_day->date.section(u'/', 0, 1), QStringLiteral("5/1"));
    EXPECT_NE(find_holiday(result.tables, QString::fromUtf8("Ny\u00e5rsdagen")), nullptr);
    EXPECT_EQ(statuses, QStringList({"Connecting to Corvantelle online holiday list ...", "Waiting for holiday data ..."}));
    ASSERT_EQ(relay.requests().size(), 1u);
}

TEST(HolidayExchange, SendsExactlyTheRequestBytesWithTheConfiguredHostName)
{
    WebServerProcess server;
    RecordingRelay relay(server.port());
    ScriptedInteraction user;
    ASSERT_TRUE(fetch(relay.host()).received);
    ASSERT_EQ(relay.requests().size(), 1u);
    EXPECT_EQ(relay.requests()[0], kExpectedRequest);

    ASSERT_TRUE(fetch(QStringLiteral("localhost:%1").arg(relay.port())).received);
    ASSERT_EQ(relay.requests().size(), 2u);
    EXPECT_TRUE(relay.requests()[1].contains("\r\nHost: localhost\r\n")) << relay.requests()[1].toStdString();
}

TEST(HolidayExchange, AssemblesAReplySplitOverManyPacketsBeforeDecoding)
{
    WebServerProcess whole;
    WebServerProcess split({QStringLiteral("--split"), QStringLiteral("--split-bytes"), QStringLiteral("200")});
    ScriptedInteraction user;
    const HolidayFetchResult expected = fetch(whole.host());
    const HolidayFetchResult pieces = fetch(split.host());
    ASSERT_TRUE(expected.received && pieces.received);
    EXPECT_GT(pieces.packets, 20);
    EXPECT_TRUE(same_tables(pieces.tables, expected.tables));
    EXPECT_TRUE(user.shown().empty());
}

TEST(HolidayExchange, RequestsAnIncompleteListAgain)
{
    WebServerProcess server({QStringLiteral("--truncate-once")});
    RecordingRelay relay(server.port());
    ScriptedInteraction user;
    const HolidayFetchResult result = fetch(relay.host());
    EXPECT_TRUE(result.received);
    EXPECT_EQ(result.attempts, 2);
    ASSERT_EQ(relay.requests().size(), 2u);
    EXPECT_EQ(relay.requests()[1], kExpectedRequest);
    EXPECT_TRUE(user.shown().empty());
}

TEST(HolidayExchange, GivesUpAfterFiveRequestsAgain)
{
    WebServerProcess server({QStringLiteral("--truncate"), QStringLiteral("100")});
    RecordingRelay relay(server.port());
    ScriptedInteraction user;
    const HolidayFetchResult result = fetch(relay.host());
    EXPECT_FALSE(result.received);
    EXPECT_EQ(result.attempts, 6);
    EXPECT_EQ(relay.requests().size(), 6u);
    EXPECT_EQ(user.take_texts(), QStringList({kHolidayFetchFailed}));
}

TEST(HolidayExchange, AServerThatNeverAnswersEndsAfterTheReceiveTimeOut)
{
    WebServerProcess server({QStringLiteral("--hold")});
    ScriptedInteraction user;
    HolidayExchangeSettings settings = quick();
    settings.receive_timeout_ms = 300;
    QElapsedTimer clock;
    clock.start();
    const HolidayFetchResult result = fetch(server.host(), settings);
    EXPECT_FALSE(result.received);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 5'000);
    EXPECT_EQ(user.take_texts(), QStringList({kNoReplyInTime, kHolidayFetchFailed}));
}

TEST(HolidayExchange, ARefusedConnectionIsReportedThenTheFailure)
{
    ScriptedInteraction user;
    const HolidayFetchResult result = fetch(QStringLiteral("127.0.0.1:%1").arg(unused_port()));
    EXPECT_FALSE(result.received);
    EXPECT_EQ(result.attempts, 1);
    ASSERT_EQ(user.shown().size(), 2u);
    EXPECT_EQ(user.shown()[0].text, QStringLiteral("Error:\r\nNumber: %1\r\nDescription: Connection refused\r\n"
                                                   "Source: holiday_listing\r\nLocation: 1")
                                        .arg(int(QAbstractSocket::ConnectionRefusedError)));
    EXPECT_EQ(user.shown()[1].text, kHolidayFetchFailed);
    EXPECT_EQ(user.shown()[1].title, QStringLiteral("Corvantelle"));
    EXPECT_EQ(user.shown()[1].icon, MessageIcon::Information);
}

TEST(HolidayExchange, MalformedOrOversizedRepliesFailWithTheMessage)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("twice.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("~boundary~*** Corvantelle holdiday list ***C=1^A|~boundary~");
    file.close();
    WebServerProcess twice({QStringLiteral("--holiday-file"), path});
    ScriptedInteraction user;
    EXPECT_FALSE(fetch(twice.host()).received);
    EXPECT_EQ(user.take_texts(), QStringList({kHolidayFetchFailed}));

    WebServerProcess server;
    HolidayExchangeSettings small = quick();
    small.max_reply_bytes = 4'000;
    const HolidayFetchResult result = fetch(server.host(), small);
    EXPECT_FALSE(result.received);
    EXPECT_EQ(result.attempts, 1);
    EXPECT_EQ(user.take_texts(), QStringList({kHolidayFetchFailed}));
}

TEST(HolidayExchange, AnUnusableHostSettingFailsWithoutConnecting)
{
    ScriptedInteraction user;
    const HolidayFetchResult result = fetch(QStringLiteral("127.0.0.1:99999"));
    EXPECT_FALSE(result.received);
    EXPECT_EQ(result.attempts, 0);
    EXPECT_EQ(user.take_texts(), QStringList({kHolidayFetchFailed}));
}
