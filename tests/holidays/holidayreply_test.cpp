#include "holidays/holidayreply.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <limits>

using namespace dayvane;

namespace {

const QByteArray kHead = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nHoliday lists\r\n";

QByteArray reply_of(const QByteArray &payload)
{
    return kHead + "~boundary~*** Corvantelle holdiday list ***" + payload;
}

} // namespace

// Records of an unknown type or with a wrong number of fields are skipped;
// names are UTF-8 and lose their control characters.
TEST(HolidayReply, DecodesTheThreeRecordTypesInArrivalOrder)
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
}

// The reply's forms: only exactly one separator, followed by the marker, and
// a payload ending in "|" make a complete reply. That only a complete reply
// fills any table the fuzz target checks on every input.
TEST(HolidayReply, OnlyOneSeparatorTheMarkerAndAFinalBarMakeItComplete)
{
    const QByteArray marker = kHolidayListMarker;
    QByteArray capped = reply_of("C=1^A|");
    capped.append(kMaxHolidayReplyBytes - capped.size(), '|');
    struct Case
    {
        QByteArray text;
        ReplyStatus status;
        size_t countries;
    };
    const Case cases[] = {
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
    for (const Case &c : cases) {
        const DecodedReply reply = decode_holiday_reply(c.text);
        EXPECT_EQ(reply.status, c.status) << c.text.left(80).toStdString();
        EXPECT_EQ(reply.tables.countries.size(), c.countries) << c.text.left(80).toStdString();
        if (c.countries == 1) {
            EXPECT_EQ(reply.tables.countries[0].id, 1);
        }
    }
}

TEST(HolidayReply, NumbersAreTheirLeadingDecimalNumberRoundedAndClamped)
{
    const struct
    {
        const char *text;
        qint32 value;
    } cases[] = {
        {"12", 12},       {"  12abc", 12}, {"\t7", 7},    {"7.5", 8},  {"6.5", 6},   {"6.51", 7},
        {"-3", -3},       {"+4", 4},       {"abc", 0},    {"", 0},     {".9", 1},    {"- 3", 0},
        {"0012", 12},     {"1e5", 1},      {"2147483647", std::numeric_limits<qint32>::max()},
        {"99999999999999999999", std::numeric_limits<qint32>::max()},
        {"-99999999999", std::numeric_limits<qint32>::min()},
    };
    for (const auto &c : cases) {
        const DecodedReply reply = decode_holiday_reply(reply_of(QByteArray("C=") + c.text + "^Name|"));
        ASSERT_EQ(reply.tables.countries.size(), 1u) << c.text;
        EXPECT_EQ(reply.tables.countries[0].id, c.value) << c.text;
    }
    const DecodedReply years = decode_holiday_reply(reply_of("Y=1^2^70000|Y=1^2^-70000|Y=1^2^2024.4|"));
    ASSERT_EQ(years.tables.years.size(), 3u);
    EXPECT_EQ(years.tables.years[0].year, 32767);
    EXPECT_EQ(years.tables.years[1].year, -32768);
    EXPECT_EQ(years.tables.years[2].year, 2024);
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

TEST(HolidayRequest, TheConfiguredHostGivesAddressPortAndHostHeader)
{
    const struct
    {
        const char *configured;
        const char *host;
        quint16 port;
        const char *header;
    } cases[] = {
        {"www.example.org", "www.example.org", 80, "www.example.org"},
        {"127.0.0.1:8080", "127.0.0.1", 8080, "127.0.0.1"},
        {" localhost:1 ", "localhost", 1, "localhost"},
        {"[::1]:8080", "::1", 8080, "[::1]"},
        {"[::1]", "::1", 80, "[::1]"},
        {"::1", "::1", 80, "[::1]"},
    };
    for (const auto &c : cases) {
        const std::optional<WebHostAddress> address = split_web_host(QString::fromLatin1(c.configured));
        ASSERT_TRUE(address) << c.configured;
        EXPECT_EQ(address->host, QString::fromLatin1(c.host)) << c.configured;
        EXPECT_EQ(address->port, c.port) << c.configured;
        EXPECT_EQ(address->header, QString::fromLatin1(c.header)) << c.configured;
    }
    for (const char *bad : {"", ":80", "host:0", "host:65536", "host:x", "[::1", "[::1]x", "host:"})
        EXPECT_FALSE(split_web_host(QString::fromLatin1(bad))) << bad;
}
