#include "holidays/holidayapply.h"
#include "holidays/holidayreply.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <limits>

using namespace dayvane;

#include "printers.h"

namespace {

const QByteArray kHead = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nHoliday lists\r\n";

QByteArray reply_of(const QByteArray &payload)
{
    return kHead + "~boundary~*** Corvantelle holdiday list ***" + payload;
}

DecodedReply decode(const QByteArray &reply)
{
    return decode_holiday_reply(reply);
}

} // namespace

TEST(HolidayReply, DecodesTheThreeRecordTypesInArrivalOrder)
{
    const DecodedReply reply =
        decode(reply_of("C=1^Country A|Y=1^7^2024|H=1^7^1/1/2024^New Year's Day|C=2^Country B|Y=2^8^2025|"
                        "H=2^8^12/25/2025^Christmas|H=1^7^12/26/2024^Boxing Day|"));
    ASSERT_EQ(reply.status, ReplyStatus::Complete);
    EXPECT_EQ(reply.tables.countries,
              (std::vector<HolidayCountry>{{1, QStringLiteral("Country A")}, {2, QStringLiteral("Country B")}}));
    EXPECT_EQ(reply.tables.years, (std::vector<HolidayYear>{{1, 7, 2024}, {2, 8, 2025}}));
    EXPECT_EQ(reply.tables.holidays,
              (std::vector<HolidayRecord>{{1, 7, QStringLiteral("1/1/2024"), QStringLiteral("New Year's Day")},
                                          {2, 8, QStringLiteral("12/25/2025"), QStringLiteral("Christmas")},
                                          {1, 7, QStringLiteral("12/26/2024"), QStringLiteral("Boxing Day")}}));
}

TEST(HolidayReply, IgnoresEverythingBeforeTheSeparator)
{
    const DecodedReply reply = decode("any preamble ~ boundary | C=9^x|~boundary~*** Corvantelle holdiday list ***C=1^A|");
    ASSERT_EQ(reply.status, ReplyStatus::Complete);
    ASSERT_EQ(reply.tables.countries.size(), 1u);
    EXPECT_EQ(reply.tables.countries[0].id, 1);
}

TEST(HolidayReply, RejectsAnythingButExactlyOneSeparatorAndTheMarker)
{
    const QByteArray marker = "*** Corvantelle holdiday list ***";
    const QByteArray rejected[] = {
        "",
        marker + "C=1^A|",                                         // no separator
        "~boundary~" + marker + "C=1^A|~boundary~",                // two
        "~boundary~~boundary~" + marker + "C=1^A|",                // two, side by side
        "~boundary~" + marker + "H=1^7^1/1/2024^a ~boundary~ b|",  // two, inside a name
        "~boundary~*** Corvantelle holiday list ***C=1^A|",        // the marker spelled otherwise
        "~boundary~ *** Corvantelle holdiday list ***C=1^A|",      // not at the start
        "~boundary~*** Corvantelle holdiday list **",              // cut inside the marker
        "~BOUNDARY~" + marker + "|",
    };
    for (const QByteArray &text : rejected)
        EXPECT_EQ(decode(text).status, ReplyStatus::Rejected) << text.toStdString();
}

TEST(HolidayReply, APayloadWithoutItsFinalBarIsIncomplete)
{
    EXPECT_EQ(decode(reply_of("")).status, ReplyStatus::Incomplete);
    EXPECT_EQ(decode(reply_of("C=1^A|Y=1^7^2024|H=1^7^1/1/2024^New Ye")).status, ReplyStatus::Incomplete);
    EXPECT_TRUE(decode(reply_of("C=1^A|Y=1^7^2024")).tables.countries.empty());
}

TEST(HolidayReply, TheMarkerFollowedByOneBarGivesEmptyTables)
{
    const DecodedReply reply = decode(reply_of("|"));
    ASSERT_EQ(reply.status, ReplyStatus::Complete);
    EXPECT_TRUE(reply.tables.countries.empty());
    EXPECT_TRUE(reply.tables.years.empty());
    EXPECT_TRUE(reply.tables.holidays.empty());
}

TEST(HolidayReply, SkipsRecordsOfOtherTypesOrFieldCounts)
{
    const DecodedReply reply = decode(reply_of(
        "C=1^A|"
        "H=1^7^1/1/2024|"            // three fields
        "Y=1^7^2024^x|"              // four fields
        "C=2|C=3^B^extra|C=|"        // one, three, one
        "H=1^7^1/2/2024^a^b|"        // five
        "X=1^2|c=4^lower|Y 1^7^2024|" // other types
        "||H|=|"                     // empty and short records
        "Y=1^7^2024|H=1^7^1/3/2024^Kept|"));
    ASSERT_EQ(reply.status, ReplyStatus::Complete);
    EXPECT_EQ(reply.tables.countries, (std::vector<HolidayCountry>{{1, QStringLiteral("A")}}));
    EXPECT_EQ(reply.tables.years, (std::vector<HolidayYear>{{1, 7, 2024}}));
    ASSERT_EQ(reply.tables.holidays.size(), 1u);
    EXPECT_EQ(reply.tables.holidays[0].name, QStringLiteral("Kept"));
}

TEST(HolidayReply, NumbersAreTheirLeadingDecimalNumberRoundedAndClamped)
{
    struct Case
    {
        const char *text;
        qint32 value;
    };
    const Case cases[] = {
        {"12", 12},       {"  12abc", 12}, {"\t7", 7},    {"7.5", 8},  {"6.5", 6},   {"6.51", 7},
        {"-3", -3},       {"+4", 4},       {"abc", 0},    {"", 0},     {".9", 1},    {"- 3", 0},
        {"0012", 12},     {"1e5", 1},      {"2147483647", std::numeric_limits<qint32>::max()},
        {"99999999999999999999", std::numeric_limits<qint32>::max()},
        {"-99999999999", std::numeric_limits<qint32>::min()},
    };
    for (const Case &c : cases) {
        const DecodedReply reply = decode(reply_of(QByteArray("C=") + c.text + "^Name|"));
        ASSERT_EQ(reply.tables.countries.size(), 1u) << c.text;
        EXPECT_EQ(reply.tables.countries[0].id, c.value) << c.text;
    }
    const DecodedReply years = decode(reply_of("Y=1^2^70000|Y=1^2^-70000|Y=1^2^2024.4|"));
    ASSERT_EQ(years.tables.years.size(), 3u);
    EXPECT_EQ(years.tables.years[0].year, 32767);
    EXPECT_EQ(years.tables.years[1].year, -32768);
    EXPECT_EQ(years.tables.years[2].year, 2024);
}

TEST(HolidayReply, NamesAreUtf8WithoutControlCharacters)
{
    const DecodedReply reply = decode(reply_of("C=4^Fr\tance\x7f|H=4^7^5/1/2024^F\xc3\xaate du\r\n Travail|"
                                               "H=7^9^1/1/2024^Ny\xc3\xa5rs\xc2\x85\x1b[2Jdagen|"));
    ASSERT_EQ(reply.tables.holidays.size(), 2u);
    EXPECT_EQ(reply.tables.countries[0].name, QStringLiteral("France"));
    EXPECT_EQ(reply.tables.holidays[0].name, QString::fromUtf8("F\u00eate du Travail"));
    EXPECT_EQ(reply.tables.holidays[1].name, QString::fromUtf8("Ny\u00e5rs[2Jdagen"));
}

TEST(HolidayReply, RepliesAboveTheCapAreRejectedUnread)
{
    QByteArray big = reply_of("C=1^A|");
    big.append(kMaxHolidayReplyBytes - big.size(), '|');
    EXPECT_EQ(decode(big).status, ReplyStatus::Complete);
    big.append('|');
    EXPECT_EQ(decode(big).status, ReplyStatus::Rejected);
}

// Random texts, random cuts and random damage of a valid reply: decoding
// never crashes, and the tables never hold more entries than the reply has
// records, so memory stays in proportion to the reply.
TEST(HolidayReply, FuzzedRepliesNeverCrashOrGrowBeyondTheirRecords)
{
    QRandomGenerator random(20240101);
    const QByteArray valid = reply_of("C=1^Country A|Y=1^7^2024|H=1^7^1/1/2024^New Year's Day|C=2^B|Y=2^8^2025|"
                                      "H=2^8^12/25/2025^No\xc3\xabl|");
    const QByteArray alphabet = "CYH=^|~boundary*** Corvantelle holdiday list0123456789/.- \xc3\xa9\xff\x00";
    const auto check = [](const QByteArray &text) {
        const DecodedReply reply = decode(text);
        const size_t records = size_t(text.count('|')) + 1;
        EXPECT_LE(reply.tables.countries.size() + reply.tables.years.size() + reply.tables.holidays.size(), records);
        if (reply.status != ReplyStatus::Complete) {
            EXPECT_TRUE(reply.tables.countries.empty() && reply.tables.years.empty() && reply.tables.holidays.empty());
        }
        if (reply.status == ReplyStatus::Complete) {
            EXPECT_TRUE(text.endsWith('|'));
        }
    };
    for (qsizetype cut = 0; cut <= valid.size(); ++cut)
        check(valid.left(cut));
    for (int round = 0; round < 20000; ++round) {
        QByteArray text;
        const int length = random.bounded(400);
        if (round % 3 == 0) {
            text = valid;
            for (int flips = random.bounded(1, 6); flips > 0; --flips)
                text[random.bounded(int(text.size()))] = alphabet[random.bounded(int(alphabet.size()))];
            text.truncate(random.bounded(int(text.size()) + 1));
        } else if (round % 3 == 1) {
            text = reply_of({});
            for (int i = 0; i < length; ++i)
                text += alphabet[random.bounded(int(alphabet.size()))];
        } else {
            for (int i = 0; i < length; ++i)
                text += char(random.bounded(256));
        }
        check(text);
    }
}

TEST(HolidayDates, ReadMonthDayYearAndIsoDates)
{
    EXPECT_EQ(holiday_date(QStringLiteral("1/1/2024")), QDate(2024, 1, 1));
    EXPECT_EQ(holiday_date(QStringLiteral("12/25/2025")), QDate(2025, 12, 25));
    EXPECT_EQ(holiday_date(QStringLiteral(" 07/04/2026 ")), QDate(2026, 7, 4));
    EXPECT_EQ(holiday_date(QStringLiteral("2026-07-04")), QDate(2026, 7, 4));
    for (const char *bad : {"2/30/2024", "13/1/2024", "1/1/24", "1/1", "", "1//2024", "1/1/2024x", "a/b/c", "2024-7-4"})
        EXPECT_FALSE(holiday_date(QString::fromLatin1(bad)).isValid()) << bad;
    EXPECT_EQ(holiday_list_date(QStringLiteral("1/1/2024")), QStringLiteral("Jan-01"));
    EXPECT_EQ(holiday_list_date(QStringLiteral("12/26/2024")), QStringLiteral("Dec-26"));
    EXPECT_EQ(holiday_list_date(QStringLiteral("2/30/2024")), QStringLiteral("2/30/2024"));
}

TEST(HolidayRequest, IsExactlyTheHttp10PostWithItsElevenByteBody)
{
    EXPECT_EQ(holiday_request(QStringLiteral("www.example.org")),
              QByteArray("POST /php/holiday_data.php HTTP/1.0\r\n"
                         "Host: www.example.org\r\n"
                         "Content-Type: application/x-www-form-urlencoded\r\n"
                         "Content-Length:11\r\n"
                         "\r\n"
                         "info_type=?"));
}

TEST(HolidayRequest, TheConfiguredHostGivesAddressPortAndHostHeader)
{
    struct Case
    {
        const char *configured;
        const char *host;
        quint16 port;
        const char *header;
    };
    const Case cases[] = {
        {"www.example.org", "www.example.org", 80, "www.example.org"},
        {"127.0.0.1:8080", "127.0.0.1", 8080, "127.0.0.1"},
        {" localhost:1 ", "localhost", 1, "localhost"},
        {"[::1]:8080", "::1", 8080, "[::1]"},
        {"[::1]", "::1", 80, "[::1]"},
        {"::1", "::1", 80, "[::1]"},
    };
    for (const Case &c : cases) {
        const std::optional<WebHostAddress> address = split_web_host(QString::fromLatin1(c.configured));
        ASSERT_TRUE(address) << c.configured;
        EXPECT_EQ(address->host, QString::fromLatin1(c.host)) << c.configured;
        EXPECT_EQ(address->port, c.port) << c.configured;
        EXPECT_EQ(address->header, QString::fromLatin1(c.header)) << c.configured;
    }
    for (const char *bad : {"", ":80", "host:0", "host:65536", "host:x", "[::1", "[::1]x", "host:"})
        EXPECT_FALSE(split_web_host(QString::fromLatin1(bad))) << bad;
}

TEST(HolidayTreatments, PaidOnlyTurnsEveryWorkFlagIntoPaid)
{
    EXPECT_EQ(paid_only_segments(QStringLiteral("y@480>720+y@780>1020")), QStringLiteral("n@480>720+n@780>1020"));
    EXPECT_EQ(paid_only_segments(QStringLiteral("n@480>990")), QStringLiteral("n@480>990"));
    EXPECT_EQ(paid_only_segments(QString()), QString());
}
