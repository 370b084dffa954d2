// The editor's day and date range without widgets.

#include "editor/daterange.h"
#include "editor/dayeditor.h"

#include <gtest/gtest.h>

using namespace dayvane;

TEST(DayEditor, ConflictsAreOverlapsButNotTouchesOrDuplicates)
{
    DayEditor day;
    day.load(QStringLiteral("y@480>720+y@1320>1800"), {});
    struct Case
    {
        qint32 start, end;
        int conflict;
    };
    const Case cases[] = {
        {720, 780, -1},     // starts where the first ends
        {420, 480, -1},     // ends where the first starts
        {480, 720, -1},     // the same period again
        {660, 780, 0},      // ends inside
        {420, 780, 0},      // encloses
        {540, 600, 0},      // enclosed
        {420, 540, 0},      // starts inside
        {1380, 1500, 1},    // inside the night period
        {1200, 1800, 1},    // night period ends inside
    };
    for (const Case &c : cases)
        EXPECT_EQ(day.find_conflict(5, c.start, c.end), c.conflict) << c.start << ">" << c.end;
    EXPECT_EQ(day.find_conflict(0, 660, 780), -1);  // the edited row itself never conflicts
}

TEST(DayEditor, StoredPeriodsKeepTheirOrderAndValuesUntilTheFirstChange)
{
    DayEditor day;
    day.load(QStringLiteral("n@780>840+Y@480>720"), {1, 2, 3, 4});
    EXPECT_EQ(day.row(0).start, 780);
    EXPECT_FALSE(day.row(1).worked);  // only "y" is worked
    EXPECT_EQ(day.values(), (DayValues{1, 2, 3, 4}));
    day.apply_time_input(2, QStringLiteral("6:00"), QStringLiteral("7:00"), true);
    EXPECT_EQ(day.time_segments(), QStringLiteral("y@360>420+n@480>720+n@780>840"));
    EXPECT_EQ(day.values(), (DayValues{360, 840, 60, 360}));
}

TEST(DateRange, CountsTheTickedWeekdaysOfTheRange)
{
    const QDate start(2024, 1, 1);  // a Monday
    Weekdays mondays{};
    mondays[1] = true;
    Weekdays all;
    all.fill(true);
    EXPECT_EQ(count_of_days_in_range(start, QDate(2024, 12, 31), all), 366);
    EXPECT_EQ(count_of_days_in_range(start, QDate(2024, 12, 31), mondays), 53);
    EXPECT_EQ(count_of_days_in_range(start, QDate(2024, 1, 14), mondays), 2);
    EXPECT_EQ(count_of_days_in_range(start, start, mondays), 1);
    EXPECT_EQ(count_of_days_in_range(QDate(2024, 1, 2), QDate(2024, 1, 7), mondays), 0);
    EXPECT_EQ(count_of_days_in_range(start, QDate(2023, 12, 31), all), 0);
    EXPECT_EQ(count_of_days_in_range(std::nullopt, start, all), 0);
    // The weekend days of March 2024: eight in its four whole weeks and two
    // in the three days left (Friday 29 to Sunday 31).
    Weekdays weekend{};
    weekend[0] = weekend[6] = true;
    EXPECT_EQ(count_of_days_in_range(QDate(2024, 3, 1), QDate(2024, 3, 31), weekend), 10);
}

TEST(DateRange, ReadsTheDateFieldsForm)
{
    EXPECT_EQ(parse_editor_date(QStringLiteral("03-15-2024")), QDate(2024, 3, 15));
    EXPECT_EQ(parse_editor_date(QStringLiteral("02-29-2024")), QDate(2024, 2, 29));
    for (const char *bad : {"02-29-2023", "3-15-2024", "--", "03-1_-2024", "15-03-2024", ""})
        EXPECT_EQ(parse_editor_date(QString::fromLatin1(bad)), std::nullopt) << bad;
}
