#include "printing/reportrows.h"

#include "model/timesegments.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace dayvane;

namespace {

constexpr auto kTypical = "y@480>720+y@780>1020";  // 8:00-12:00, 13:00-17:00
constexpr qint32 kTypicalMinutes = 480;
constexpr auto kLongDay = "y@420>720+y@780>1080";   // 7:00-12:00, 13:00-18:00

void add(CalendarYear &year, QDate date, const QString &segments, qint32 work, qint32 pay,
         const QString &comment = {})
{
    static qint32 next_id = 1;
    year.add_day(DayEntry{next_id++, date, 0, 0, work, pay, segments, comment});
}

// February 2026 (the 1st a Sunday, 28 days): typical weekdays, one altered
// Friday, a paid holiday without comment, a commented day off.
CalendarYear february_year(bool with_typical_day = true)
{
    CalendarYear year(7, QStringLiteral("Office \"North\""), 3, 2026);
    if (with_typical_day)
        year.set_typical_day(kTypical, kTypicalMinutes, kTypicalMinutes);
    for (QDate date(2026, 2, 1); date.month() == 2; date = date.addDays(1)) {
        if (date.dayOfWeek() >= 6)
            continue;
        if (date.day() == 13)
            add(year, date, kLongDay, 600, 600, QStringLiteral("Stocktaking"));
        else if (date.day() == 16)
            add(year, date, QStringLiteral("n@480>1020"), 0, kTypicalMinutes);  // paid holiday
        else if (date.day() == 20)
            add(year, date, QString(), 0, 0, QStringLiteral("Closed for repairs"));
        else
            add(year, date, kTypical, kTypicalMinutes, kTypicalMinutes,
                date.day() == 2 ? QStringLiteral("Kick-off") : QString());
    }
    return year;
}

MonthReportSource source_for(const CalendarYear &year, int filter)
{
    MonthReportSource source;
    source.calendar_name = year.calendar_name();
    source.year = &year;
    source.grid_date = QDate(2026, 2, 10);
    source.current_date = source.grid_date;
    source.event_filter = filter;
    for (int i = 0; i < 6; ++i) {
        source.work_week[std::size_t(i)] = QStringLiteral("w%1").arg(i + 1);
        source.pay_week[std::size_t(i)] = QStringLiteral("p%1").arg(i + 1);
    }
    source.label = [](const QString &name) { return QStringLiteral("<%1>").arg(name); };
    return source;
}

std::vector<ReportRow> rows_of(const std::vector<ReportRow> &rows, const QString &group, const QString &subgroup)
{
    std::vector<ReportRow> picked;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(picked),
                 [&](const ReportRow &r) { return r.group == group && r.subgroup == subgroup; });
    return picked;
}

QStringList cells(const ReportRow &row, int first, int count)
{
    QStringList texts;
    for (int i = first; i < first + count; ++i)
        texts << row.fields[std::size_t(i)];
    return texts;
}

QStringList listed_dates(const std::vector<ReportRow> &rows, const QString &group, const QString &subgroup)
{
    QStringList dates;
    for (const ReportRow &row : rows_of(rows, group, subgroup))
        dates << row.fields[0];
    return dates;
}

} // namespace

TEST(MonthReport, WritesTheBlocksInOrderWithSixWeekRowsAndDayCodes)
{
    const CalendarYear year = february_year();
    const auto rows = month_report_rows(source_for(year, 0));

    QStringList order;
    for (const ReportRow &row : rows)
        order << row.group + row.subgroup;
    EXPECT_EQ(order.mid(0, 19).join(u' '),
              QStringLiteral("A B B B B B B C Da Db Db Db Db Da Da Da Da Ea Eb"));
    EXPECT_EQ(rows[0].fields[0], QStringLiteral("Office \"North\" (February)"));
    EXPECT_FALSE(rows[0].page.has_value());

    // The grid starts on Sunday 25 January; the five weeks of February leave
    // a sixth row of March days, all outside the month.
    EXPECT_EQ(cells(rows[1], 0, 9), QStringList({"425", "426", "427", "428", "429", "430", "431", "w1", "p1"}));
    EXPECT_EQ(cells(rows[2], 0, 7), QStringList({"101", "2", "3", "4", "5", "6", "107"}));
    EXPECT_EQ(cells(rows[3], 0, 7), QStringList({"108", "9", "10", "11", "12", "213", "114"}));
    EXPECT_EQ(cells(rows[4], 0, 7), QStringList({"115", "316", "17", "18", "19", "120", "121"}));
    EXPECT_EQ(cells(rows[6], 0, 9), QStringList({"401", "402", "403", "404", "405", "406", "407", "w6", "p6"}));

    EXPECT_EQ(cells(rows[7], 0, 4), QStringList({"February", "", "", "2026"}));
    EXPECT_EQ(cells(rows[8], 0, 5),
              QStringList({"Work (typical)", "<lbl_month_work_typical_days>", "<lbl_month_work_typical_time>",
                           "<lbl_year_work_typical_days>", "<lbl_year_work_typical_time>"}));
    const auto typical = format_time_segments(kTypical);
    EXPECT_EQ(cells(rows[9], 0, 3), QStringList({typical[0], typical[1], typical[2]}));
    EXPECT_FALSE(typical[0].isEmpty());
    EXPECT_EQ(rows[15].fields[0], QStringLiteral("No work (pay only)"));
    EXPECT_EQ(cells(rows[15], 1, 4),
              QStringList({"<lbl_month_no_work_pay_only_days>", "", "<lbl_year_no_work_pay_only_days>", ""}));
    EXPECT_EQ(rows[16].fields[4], QStringLiteral("<lbl_year_pay_time>"));
    EXPECT_EQ(rows[17].fields[1], QStringLiteral("Events (All commented dates)"));
}

TEST(MonthReport, EventRowsFollowTheFilterWithPeriodsAfterAlteredDays)
{
    const CalendarYear year = february_year();
    const auto all = month_report_rows(source_for(year, 0));
    EXPECT_EQ(listed_dates(all, "E", "b"), QStringList({"Feb-02", "Feb-13", "Feb-20"}));
    const auto stocktaking = std::find_if(all.begin(), all.end(),
                                          [](const ReportRow &r) { return r.fields[0] == QLatin1String("Feb-13"); });
    ASSERT_NE(stocktaking, all.end());
    EXPECT_EQ(cells(*stocktaking, 1, 3), QStringList({"Stocktaking", "10h 0m", "10h 0m"}));
    // Its own periods follow it, four rows of three.
    const auto periods = format_time_segments(kLongDay);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(stocktaking[i].group + stocktaking[i].subgroup, QStringLiteral("Ec"));
        EXPECT_EQ(stocktaking[i].fields[0], periods[std::size_t(3 * (i - 1))]);
    }
    EXPECT_EQ(rows_of(all, "E", "c").size(), 4u);

    // The paid holiday has no comment: listed by filter 3 only.
    EXPECT_EQ(listed_dates(month_report_rows(source_for(year, 3)), "E", "b"), QStringList({"Feb-16"}));
    EXPECT_EQ(listed_dates(month_report_rows(source_for(year, 4)), "E", "b"), QStringList({"Feb-20"}));
    EXPECT_EQ(listed_dates(month_report_rows(source_for(year, 1)), "E", "b"), QStringList({"Feb-02"}));
    EXPECT_EQ(listed_dates(month_report_rows(source_for(year, 2)), "E", "b"), QStringList({"Feb-13"}));
    EXPECT_EQ(month_report_rows(source_for(year, 3))[17].fields[1],
              QStringLiteral("Events (Dates paid and not worked)"));
}

TEST(MonthReport, AYearWithoutTypicalDayShowsEveryWorkdayAsAltered)
{
    const CalendarYear year = february_year(false);
    const auto rows = month_report_rows(source_for(year, 2));
    EXPECT_EQ(cells(rows[2], 0, 7), QStringList({"101", "202", "203", "204", "205", "206", "107"}));
    for (const ReportRow &row : rows_of(rows, "D", "b"))
        EXPECT_EQ(cells(row, 0, 3), QStringList({"", "", ""}));
    // Every workday of the month, each followed by its own four period rows.
    const QStringList listed = listed_dates(rows, "E", "b");
    EXPECT_EQ(listed.size(), 18);  // 20 weekdays less the holiday and the closed day
    EXPECT_EQ(rows_of(rows, "E", "c").size(), 4u * 18u);
}

TEST(YearReport, WritesBothPartsWithBandsOfThreeMonths)
{
    const CalendarYear year = february_year();
    const auto rows = year_report_rows(year, year.calendar_name(), 0, {});

    EXPECT_EQ(rows.front().fields[0], QStringLiteral("Office \"North\" (2026)"));
    for (const ReportRow &row : rows)
        ASSERT_TRUE(row.page == 1 || row.page == 2) << row.group.toStdString() << row.subgroup.toStdString();
    EXPECT_EQ(rows_of(rows, "B", "c").size(), 24u);
    EXPECT_EQ(rows_of(rows, "B", "a").size(), 4u);

    const ReportRow names = rows_of(rows, "B", "a")[0];
    EXPECT_EQ(names.fields[0], QStringLiteral("January"));
    EXPECT_EQ(names.fields[9], QStringLiteral("February"));
    EXPECT_EQ(names.fields[18], QStringLiteral("March"));
    EXPECT_EQ(rows_of(rows, "B", "a")[3].fields[18], QStringLiteral("December"));

    // February sits in the middle columns F9..F17 of the first band.
    const auto weeks = rows_of(rows, "B", "c");
    EXPECT_EQ(cells(weeks[0], 9, 9),
              QStringList({"425", "426", "427", "428", "429", "430", "431", "0h 0m", "0h 0m"}));
    EXPECT_EQ(cells(weeks[2], 9, 9),
              QStringList({"108", "9", "10", "11", "12", "213", "114", "42h 0m", "42h 0m"}));
    EXPECT_EQ(cells(weeks[5], 9, 7), QStringList({"401", "402", "403", "404", "405", "406", "407"}));
    // Week sums take the neighbouring month's days of the grid row too: the
    // last row of January's grid holds 1..7 February.
    EXPECT_EQ(weeks[5].fields[7], QStringLiteral("40h 0m"));

    const ReportRow typical = rows_of(rows, "B", "e")[0];
    EXPECT_EQ(cells(typical, 16, 2), QStringList({"17 days", "136h 0m"}));
    EXPECT_EQ(cells(rows_of(rows, "B", "f")[0], 16, 2), QStringList({"1 days", "10h 0m"}));
    EXPECT_EQ(cells(rows_of(rows, "B", "g")[0], 16, 2), QStringList({"18 days", "146h 0m"}));
    EXPECT_EQ(cells(rows_of(rows, "B", "h")[0], 16, 2), QStringList({"1 days", ""}));
    EXPECT_EQ(cells(rows_of(rows, "B", "j")[0], 16, 2), QStringList({"19 days", "154h 0m"}));
    EXPECT_EQ(cells(rows_of(rows, "B", "j")[0], 7, 2), QStringList({"0 days", "0h 0m"}));

    EXPECT_EQ(cells(rows_of(rows, "C", "b")[0], 0, 2), QStringList({"Work:8h 0m", "Paid:8h 0m"}));
    const auto typical_texts = format_time_segments(kTypical);
    const auto period_rows = rows_of(rows, "C", "c");
    ASSERT_EQ(period_rows.size(), 3u);
    EXPECT_EQ(period_rows[0].fields[1], typical_texts[1]);
    EXPECT_EQ(rows_of(rows, "C", "e")[0].fields[0], QStringLiteral("2026"));
    EXPECT_EQ(cells(rows_of(rows, "C", "f")[0], 0, 6),
              QStringList({"17 days", "136h 0m", "1 days", "10h 0m", "18 days", "146h 0m"}));
    EXPECT_EQ(cells(rows_of(rows, "C", "g")[0], 0, 3), QStringList({"1 days", "19 days", "154h 0m"}));
}

TEST(YearReport, EventListFollowsTheGridRowsAndAnEmptyListKeepsItsHeading)
{
    const CalendarYear year = february_year();
    const auto index_of = [&](QDate date) { return qsizetype(year.first_shown_date().daysTo(date)); };
    const auto rows = year_report_rows(year, year.calendar_name(), 3, {index_of(QDate(2026, 2, 16)), index_of(QDate(2026, 2, 13))});
    const auto part2 = std::vector<ReportRow>(
        std::find_if(rows.begin(), rows.end(), [](const ReportRow &r) { return r.page == 2; }), rows.end());
    QStringList order;
    for (const ReportRow &row : part2)
        order << row.group + row.subgroup;
    // The holiday's periods differ from the typical day's and it is paid, so
    // its periods follow it as well.
    EXPECT_EQ(order.join(u' '), QStringLiteral("Da Db Dc Dd Dd Dd Dd Dc Dd Dd Dd Dd"));
    EXPECT_EQ(part2[0].fields[0], QStringLiteral("Events (Dates paid and not worked)"));
    EXPECT_EQ(cells(part2[2], 0, 4), QStringList({"Feb-16", "", "0h 0m", "8h 0m"}));

    const auto empty = year_report_rows(year, year.calendar_name(), 0, {});
    EXPECT_EQ(std::count_if(empty.begin(), empty.end(), [](const ReportRow &r) { return r.page == 2; }), 2);

    EXPECT_EQ(year_report_formula(0), QString());
    EXPECT_EQ(year_report_formula(1), QStringLiteral("{T000.Page} = 1"));
    EXPECT_EQ(year_report_formula(2), QStringLiteral("{T000.Page} = 2"));
}
