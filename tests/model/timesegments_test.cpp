#include "model/dayrecord.h"
#include "model/timesegments.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace dayvane;

namespace {

QString repeated(const QString &period, int count) { return QStringList(count, period).join(u'+'); }

} // namespace

TEST(ModelTimeSegments, SumsWorkedAndPaidMinutesOfTheFirstTwelvePeriods)
{
    struct Case { QString text; qint32 work, paid; };
    const Case cases[] = {
        {QString(), 0, 0},                  {"   ", 0, 0},
        {"y@480>720+n@720>780", 240, 300},
        {"Y@480>720", 0, 240},              // only exactly "y" is worked
        {"y@1320>1800", 480, 480},          // past midnight
        {"n@0>1440", 0, 1440},
        {"y@600>600", 0, 0},                // sums take end minus start as stored
        {"y@700>600", -100, -100},
        // Malformed text, read by the documented rules.
        {"y480>720", 0, 0},                 // no "@": not a period
        {"y@480", 0, 0},                    // no ">": not a period
        {"+y@480>720++n@720>780+", 240, 300}, // empty pieces skipped
        {" y@480>720", 0, 240},             // flag is not trimmed
        {"y@ 480>\t720", 240, 240},         // numbers skip leading blanks
        {"y@480x>720abc", 240, 240},        // leading number only
        {"y@-60>60", 60, 60},               // no sign: "-60" reads 0
        {"y@1@2>3", 2, 2},                  // start "1@2", end "3"
        {"y@1>2>3", 1, 1},                  // end "2>3"
        {"y@\xef\xbc\x94\xef\xbc\x98>60", 60, 60}, // full-width digits are not digits
        {"y@99999999999999999999>1", -1438, -1438}, // start clamped to 1439
        {"y@0>99999999999999999999", 1440, 1440},   // end 2879, sum limited to a day
        // Only twelve periods count; malformed pieces do not use them up.
        {repeated("y@0>60", 12) + "+n@0>600", 720, 720},
        {repeated("junk", 20) + "+" + repeated("n@0>10", 12), 0, 120},
        {repeated("y@0>2879", 100000), 17280, 17280},
        {repeated("y@1439>0", 100000), -17268, -17268},
    };
    for (const Case &c : cases)
        EXPECT_EQ(std::pair(calc_work_minutes(c.text), calc_paid_minutes(c.text)), std::pair(c.work, c.paid))
            << c.text.left(40).toStdString();
}

TEST(ModelTimeSegments, DecodesInWrittenOrderAndEncodesFilledRowsBack)
{
    using Periods = std::vector<TimePeriod>;
    EXPECT_EQ(decode_time_segments("n@720>780+Y@480>720"), (Periods{{"n", 720, 780}, {"Y", 480, 720}}));
    EXPECT_EQ(decode_time_segments("bad+@+>+@>"), (Periods{{"", 0, 0}}));
    EXPECT_TRUE(decode_time_segments(QString()).empty());
    EXPECT_EQ(decode_time_segments(repeated("y@0>60", 12) + "+n@0>600").size(), 12u);
    const Periods rows{{"y", 480, 720}, {"", 9999, 0}, {"n", 780, 1020}, {"", 9999, 0}};
    EXPECT_EQ(encode_time_segments(rows), "y@480>720+n@780>1020");
    EXPECT_EQ(encode_time_segments(Periods(12, TimePeriod{"", 9999, 0})), "");
    EXPECT_EQ(encode_time_segments({}), "");
    EXPECT_EQ(QStringList({work_flag("Yes"), work_flag("No"), work_flag("")}), QStringList({"y", "n", ""}));
    Periods full_day;
    for (int i = 0; i < 12; ++i)
        full_day.push_back({i % 2 ? "n" : "y", i * 120, i * 120 + 90});
    const Periods over_midnight{{"y", 1320, 1800}, {"n", 600, 2040}, {"y", 1439, 2879}};
    for (const Periods &day : {Periods{{"y", 0, 1}}, over_midnight, full_day}) {
        const QString text = encode_time_segments(day);
        EXPECT_EQ(decode_time_segments(text), day) << text.toStdString();
    }
}

TEST(ModelTimeSegments, FormatsOneDisplayLinePerPeriod)
{
    // The line of the last period read; every line after it is empty.
    struct Case { QString text; std::size_t periods; const char *last_line; };
    const Case cases[] = {
        {"y@480>1020", 1, "08:00 AM..05:00 PM (9h 0m Wrk)"},
        {"y@1320>1800", 1, "10:00 PM..06:00 AM (8h 0m Wrk)"},
        {"Y@480>720", 1, "08:00 AM..12:00 PM (4h 0m)"},
        {"y@600>600", 1, "10:00 AM..10:00 AM (24h 0m Wrk)"},  // S >= E adds a day
        {"n@700>600", 1, "11:40 AM..10:00 AM (22h 20m)"},
        {"y@720>725", 1, "12:00 PM..12:05 PM (0h 5m Wrk)"},
        {"junk+y@0>1440", 1, "12:00 AM..12:00 AM (24h 0m Wrk)"},
        {"y@480>720+n@720>780", 2, "12:00 PM..01:00 PM (1h 0m)"},
        {repeated("y@0>60", 12) + "+n@60>90", 12, "12:00 AM..01:00 AM (1h 0m Wrk)"},
        {QString(), 0, ""}, {"", 0, ""}, {"  ", 0, ""},
    };
    for (const Case &c : cases) {
        const auto lines = format_time_segments(c.text);
        EXPECT_EQ(lines[std::max<std::size_t>(c.periods, 1) - 1], c.last_line) << c.text.toStdString();
        for (std::size_t n = c.periods; n < lines.size(); ++n)
            EXPECT_TRUE(lines[n].isEmpty()) << c.text.toStdString();
    }
}

TEST(ModelDayRecord, ClassifiesByWorkedThenPaidMinutes)
{
    struct Case { qint32 minutes1, minutes2; DayClass expected; };
    const Case cases[] = {
        {1, 0, DayClass::Work},           {480, 480, DayClass::Work},
        {0, 1, DayClass::PaidNoWork},     {-5, 60, DayClass::PaidNoWork},
        {0, 0, DayClass::NoWorkNoPay},    {0, -1, DayClass::NoWorkNoPay},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(classify_day(c.minutes1, c.minutes2), c.expected) << c.minutes1 << "/" << c.minutes2;
        DayRecord day;
        day.minutes1 = c.minutes1;
        day.minutes2 = c.minutes2;
        EXPECT_EQ(classify_day(day), c.expected) << c.minutes1 << "/" << c.minutes2;
    }
}
