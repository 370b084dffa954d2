#include "model/timesegments.h"

#include "printers.h"

#include <gtest/gtest.h>

#include <random>

using namespace dayvane;

namespace {

QString repeated(const QString &period, int count)
{
    QStringList pieces;
    for (int i = 0; i < count; ++i)
        pieces << period;
    return pieces.join(u'+');
}

struct SumCase { const char *text; qint32 work; qint32 paid; };

void expect_sums(std::initializer_list<SumCase> cases)
{
    for (const SumCase &c : cases) {
        EXPECT_EQ(calc_work_minutes(QString::fromUtf8(c.text)), c.work) << c.text;
        EXPECT_EQ(calc_paid_minutes(QString::fromUtf8(c.text)), c.paid) << c.text;
    }
}

} // namespace

TEST(ModelTimeSegments, SumsWorkedAndPaidMinutes)
{
    expect_sums({
        {"", 0, 0},
        {"   ", 0, 0},
        {"y@480>720+n@720>780", 240, 300},
        {"y@480>720+y@780>1020+n@1020>1035", 480, 495},
        {"Y@480>720", 0, 240},              // only exactly "y" is worked
        {"x@0>60", 0, 60},
        {"y@1320>1800", 480, 480},          // past midnight
        {"n@0>1440", 0, 1440},
        {"y@600>600", 0, 0},                // sums take end minus start as stored
        {"y@700>600", -100, -100},
    });
    EXPECT_EQ(calc_work_minutes(QString()), 0);
    EXPECT_EQ(calc_paid_minutes(QString()), 0);
}

TEST(ModelTimeSegments, ReadsMalformedTextByTheDocumentedRules)
{
    expect_sums({
        {"y480>720", 0, 0},                 // no "@": not a period
        {"y@480", 0, 0},                    // no ">": not a period
        {"y@480>720++n@720>780", 240, 300}, // empty pieces skipped
        {"+y@480>720+", 240, 240},
        {" y@480>720", 0, 240},             // flag is not trimmed
        {"y@ 480>\t720", 240, 240},         // numbers skip leading blanks
        {"y@480x>720abc", 240, 240},        // leading number only
        {"y@abc>def", 0, 0},
        {"y@-60>60", 60, 60},               // no sign: "-60" reads 0
        {"y@1@2>3", 2, 2},                  // start "1@2", end "3"
        {"y@1>2>3", 1, 1},                  // end "2>3"
        {"y@\xef\xbc\x94\xef\xbc\x98>60", 60, 60}, // full-width digits are not digits
        {"y@99999999999999999999>1", -1438, -1438}, // start clamped to 1439
        {"y@0>99999999999999999999", 1440, 1440},   // end 2879, sum limited to a day
    });
}

TEST(ModelTimeSegments, ReadsOnlyTheFirstTwelvePeriods)
{
    const QString thirteen = repeated("y@0>60", 12) + "+n@0>600";
    EXPECT_EQ(calc_work_minutes(thirteen), 720);
    EXPECT_EQ(calc_paid_minutes(thirteen), 720);
    EXPECT_EQ(decode_time_segments(thirteen).size(), 12u);
    EXPECT_EQ(calc_paid_minutes(repeated("y@0>2879", 100000)), 17280);
    EXPECT_EQ(calc_paid_minutes(repeated("y@1439>0", 100000)), -17268);
    // Malformed pieces do not use up the twelve.
    EXPECT_EQ(calc_paid_minutes(repeated("junk", 20) + "+" + repeated("n@0>10", 12)), 120);
}

TEST(ModelTimeSegments, RandomTextStaysWithinBounds)
{
    const QString alphabet = QStringLiteral("yYn@@>>++0123456789 -x");
    std::mt19937 random(20240315);
    for (int i = 0; i < 3000; ++i) {
        QString text;
        const int length = int(random() % 120);
        for (int j = 0; j < length; ++j)
            text += alphabet[int(random() % alphabet.size())];

        const auto periods = decode_time_segments(text);
        ASSERT_LE(periods.size(), 12u) << text.toStdString();
        for (const TimePeriod &p : periods) {
            EXPECT_TRUE(p.start >= 0 && p.start <= 1439) << text.toStdString();
            EXPECT_TRUE(p.end >= 0 && p.end <= 2879) << text.toStdString();
        }
        EXPECT_LE(std::abs(calc_work_minutes(text)), 17280);
        EXPECT_LE(std::abs(calc_paid_minutes(text)), 17280);
        const auto lines = format_time_segments(text);
        for (std::size_t n = 0; n < lines.size(); ++n)
            EXPECT_EQ(lines[n].isEmpty(), n >= periods.size()) << text.toStdString();
    }
}

TEST(ModelTimeSegments, DecodesPeriodsInWrittenOrder)
{
    const std::vector<TimePeriod> expected{{"n", 720, 780}, {"Y", 480, 720}};
    EXPECT_EQ(decode_time_segments("n@720>780+Y@480>720"), expected);
    const std::vector<TimePeriod> flagless{{"", 0, 0}};
    EXPECT_EQ(decode_time_segments("bad+@+>+@>"), flagless);
    EXPECT_TRUE(decode_time_segments(QString()).empty());

    EXPECT_TRUE((TimePeriod{"y", 0, 1}.worked()));
    EXPECT_FALSE((TimePeriod{"Y", 0, 1}.worked()));
}

TEST(ModelTimeSegments, EncodesFilledRowsJoinedByPlus)
{
    const std::vector<TimePeriod> rows{{"y", 480, 720}, {"", 9999, 0}, {"n", 780, 1020}, {"", 9999, 0}};
    EXPECT_EQ(encode_time_segments(rows), "y@480>720+n@780>1020");
    const std::vector<TimePeriod> empty_rows(12, TimePeriod{"", 9999, 0});
    EXPECT_EQ(encode_time_segments(empty_rows), "");
    EXPECT_EQ(encode_time_segments({}), "");

    EXPECT_EQ(work_flag("Yes"), "y");
    EXPECT_EQ(work_flag("No"), "n");
    EXPECT_EQ(work_flag(""), "");
}

TEST(ModelTimeSegments, WellFormedPeriodsRoundTrip)
{
    std::vector<TimePeriod> full_day;
    for (int i = 0; i < 12; ++i)
        full_day.push_back({i % 2 ? "n" : "y", i * 120, i * 120 + 90});
    const std::vector<std::vector<TimePeriod>> days{
        {},
        {{"y", 0, 1}},
        {{"y", 1320, 1800}, {"n", 600, 2040}, {"y", 1439, 2879}},
        full_day,
    };
    for (const auto &day : days) {
        const QString text = encode_time_segments(day);
        EXPECT_EQ(decode_time_segments(text), day) << text.toStdString();
        EXPECT_EQ(encode_time_segments(decode_time_segments(text)), text);
    }
}

TEST(ModelTimeSegments, FormatsOneDisplayLinePerPeriod)
{
    struct Case { const char *text; const char *line; };
    const Case cases[] = {
        {"y@480>1020", "08:00 AM..05:00 PM (9h 0m Wrk)"},
        {"n@1320>1800", "10:00 PM..06:00 AM (8h 0m)"},
        {"y@1320>1800", "10:00 PM..06:00 AM (8h 0m Wrk)"},
        {"Y@480>720", "08:00 AM..12:00 PM (4h 0m)"},
        {"y@600>600", "10:00 AM..10:00 AM (24h 0m Wrk)"},  // S >= E adds a day
        {"n@700>600", "11:40 AM..10:00 AM (22h 20m)"},
        {"y@720>725", "12:00 PM..12:05 PM (0h 5m Wrk)"},
        {"junk+y@0>1440", "12:00 AM..12:00 AM (24h 0m Wrk)"},
    };
    for (const Case &c : cases) {
        const auto lines = format_time_segments(c.text);
        EXPECT_EQ(lines[0], c.line);
        for (std::size_t n = 1; n < lines.size(); ++n)
            EXPECT_TRUE(lines[n].isEmpty()) << c.text;
    }
    const auto two = format_time_segments("y@480>720+n@720>780");
    EXPECT_EQ(two[1], "12:00 PM..01:00 PM (1h 0m)");
    EXPECT_EQ(format_time_segments(repeated("y@0>60", 12) + "+n@60>90")[11],
              "12:00 AM..01:00 AM (1h 0m Wrk)");
    for (const QString &blank : {QString(), QString(""), QString("  ")})
        for (const QString &line : format_time_segments(blank))
            EXPECT_TRUE(line.isEmpty());
}
