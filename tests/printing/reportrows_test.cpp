#include "model/timesegments.h"
#include "printers.h"
#include "printing/reportdatabase.h"
#include "printingfixture.h"
#include "store/database.h"
#include "store/dberror.h"
#include "store/stepnumber.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace dayvane;
using namespace dayvane::test;

namespace {

std::vector<ReportRow> rows_of(const std::vector<ReportRow> &rows, const QString &group, const QString &subgroup)
{
    std::vector<ReportRow> picked;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(picked),
                 [&](const ReportRow &r) { return r.group == group && r.subgroup == subgroup; });
    return picked;
}

QStringList cells(const ReportRow &row, int first, int count)
{
    return QStringList(row.fields.begin() + first, row.fields.begin() + first + count);
}

// The group and subgroup of each row, as "Da Db Dc".
QString kinds(const std::vector<ReportRow> &rows)
{
    QStringList order;
    for (const ReportRow &row : rows)
        order << row.group + row.subgroup;
    return order.join(u' ');
}

QStringList listed_dates(const std::vector<ReportRow> &rows, const QString &group, const QString &subgroup)
{
    QStringList dates;
    for (const ReportRow &row : rows_of(rows, group, subgroup))
        dates << row.fields[0];
    return dates;
}

} // namespace

TEST(MonthReport, WritesTheBlocksInOrderWithSixWeekRowsAndDayCodesAndEventRowsFollowingTheFilter)
{
    const auto rows = month_rows(february(), 0);
    EXPECT_TRUE(kinds(rows).startsWith(QStringLiteral("A B B B B B B C Da Db Db Db Db Da Da Da Da Ea Eb")));
    EXPECT_EQ(rows[0].fields[0], QStringLiteral("Office \"North\" (February)"));
    EXPECT_FALSE(rows[0].page.has_value());
    // The grid starts on Sunday 25 January; the five weeks of February leave a sixth row of March days, all outside.
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
    EXPECT_EQ(cells(rows[15], 0, 5), QStringList({"No work (pay only)", "<lbl_month_no_work_pay_only_days>", "",
                                                  "<lbl_year_no_work_pay_only_days>", ""}));
    EXPECT_EQ(rows[16].fields[4], QStringLiteral("<lbl_year_pay_time>"));
    EXPECT_EQ(rows[17].fields[1], QStringLiteral("Events (All commented dates)"));
    // The weekday names head the columns in the grid's order, which follows the workstation's first day of the week.
    EXPECT_EQ(cells(rows[0], 1, 7), QStringList({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}));
    set_week_start(Qt::Monday);
    const auto monday = month_rows(february(), 0);
    const auto year = year_report_rows(february(), QStringLiteral("Renamed"), 0, {});
    set_week_start(Qt::Sunday);
    EXPECT_EQ(cells(monday[0], 1, 7), QStringList({"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}));
    EXPECT_EQ(cells(monday[1], 0, 9), QStringList({"426", "427", "428", "429", "430", "431", "101", "w1", "p1"}));
    const ReportRow initials = rows_of(year, "B", "b")[0];
    EXPECT_EQ(cells(initials, 0, 7) + cells(initials, 18, 7),
              QStringList({"M", "T", "W", "T", "F", "S", "S", "M", "T", "W", "T", "F", "S", "S"}));
    EXPECT_EQ(cells(rows_of(year, "B", "c")[0], 9, 7), QStringList({"426", "427", "428", "429", "430", "431", "101"}));
    // The dates each filter lists; the holiday has no comment, so only the paid-without-work filter lists it.
    const std::pair<int, QStringList> cases[] = {
        {0, {"Feb-02", "Feb-13", "Feb-20"}}, {1, {"Feb-02"}}, {2, {"Feb-13"}}, {3, {"Feb-16"}}, {4, {"Feb-20"}}};
    for (const auto &[filter, dates] : cases)
        EXPECT_EQ(listed_dates(month_rows(february(), filter), "E", "b"), dates) << filter;
    EXPECT_EQ(month_rows(february(), 3)[17].fields[1], QStringLiteral("Events (Dates paid and not worked)"));
    const auto stocktaking = std::find_if(rows.begin(), rows.end(),
                                          [](const ReportRow &r) { return r.fields[0] == QLatin1String("Feb-13"); });
    ASSERT_NE(stocktaking, rows.end());
    EXPECT_EQ(cells(*stocktaking, 1, 3), QStringList({"Stocktaking", "10h 0m", "10h 0m"}));
    // Its own periods follow it, four rows of three.
    const auto periods = format_time_segments(kLongDay);
    EXPECT_EQ(kinds(std::vector<ReportRow>(stocktaking + 1, stocktaking + 5)), QStringLiteral("Ec Ec Ec Ec"));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(stocktaking[i].fields[0], periods[std::size_t(3 * (i - 1))]);
    EXPECT_EQ(rows_of(rows, "E", "c").size(), 4u);
    // Without a typical day every workday is altered, listed with its periods.
    const auto altered = month_rows(february(false), 2);
    EXPECT_EQ(cells(altered[2], 0, 7), QStringList({"101", "202", "203", "204", "205", "206", "107"}));
    for (const ReportRow &row : rows_of(altered, "D", "b"))
        EXPECT_EQ(cells(row, 0, 3), QStringList({"", "", ""}));
    EXPECT_EQ(listed_dates(altered, "E", "b").size(), 18);  // 20 weekdays less the holiday and the closed day
    EXPECT_EQ(rows_of(altered, "E", "c").size(), 4u * 18u);
}

TEST(YearReport, WritesBothPartsWithBandsOfThreeMonthsAndTheEventListFollowingTheGridRows)
{
    const auto rows = year_report_rows(february(), QStringLiteral("Renamed"), 0, {});
    EXPECT_EQ(rows.front().fields[0], QStringLiteral("Renamed (2026)"));
    for (const ReportRow &row : rows)
        ASSERT_TRUE(row.page == 1 || row.page == 2) << row.group.toStdString() << row.subgroup.toStdString();
    const auto names = rows_of(rows, "B", "a");
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(cells(names[0], 0, 19).join(u'|'), QStringLiteral("January|||||||||February|||||||||March"));
    EXPECT_EQ(names[3].fields[18], QStringLiteral("December"));
    // The first band's six week rows (January in cells 0..8, February 9..17, March 18..26): a row's times count the
    // neighbouring month's days it shows: 1-7 and 22-28 February, 25-31 January with the paid 30th.
    const auto weeks = rows_of(rows, "B", "c");
    ASSERT_EQ(weeks.size(), 24u);
    const QStringList week_times[6] = {
        // January work, pay; February work, pay; March work, pay
        {"0h 0m", "0h 0m", "0h 0m", "8h 0m", "40h 0m", "40h 0m"},
        {"0h 0m", "0h 0m", "40h 0m", "40h 0m", "0h 0m", "0h 0m"},
        {"0h 0m", "0h 0m", "42h 0m", "42h 0m", "0h 0m", "0h 0m"},   // the long 13th
        {"0h 0m", "0h 0m", "24h 0m", "32h 0m", "0h 0m", "0h 0m"},   // 16th paid, 20th closed
        {"0h 0m", "8h 0m", "40h 0m", "40h 0m", "0h 0m", "0h 0m"},   // 30 January paid
        {"40h 0m", "40h 0m", "0h 0m", "0h 0m", "0h 0m", "0h 0m"}};
    for (int week = 0; week < 6; ++week) {
        const ReportRow &row = weeks[std::size_t(week)];
        EXPECT_EQ(cells(row, 7, 2) + cells(row, 16, 2) + cells(row, 25, 2), week_times[week]) << "week " << week;
    }
    EXPECT_EQ(cells(weeks[0], 9, 7), QStringList({"425", "426", "427", "428", "429", "430", "431"}));
    EXPECT_EQ(cells(weeks[3], 9, 7), QStringList({"115", "316", "17", "18", "19", "120", "121"}));
    EXPECT_EQ(cells(weeks[4], 0, 7), QStringList({"125", "126", "127", "128", "129", "330", "131"}));
    EXPECT_EQ(cells(weeks[5], 18, 7), QStringList({"129", "130", "131", "401", "402", "403", "404"}));
    // Month figures: days in the work cell, time in the pay cell.
    QStringList figures;
    for (const char *subgroup : {"e", "f", "g", "h", "j"})
        figures << cells(rows_of(rows, "B", subgroup)[0], 16, 2);
    EXPECT_EQ(figures, QStringList({"17 days", "136h 0m", "1 days", "10h 0m", "18 days", "146h 0m", "1 days", "",
                                    "19 days", "154h 0m"}));
    EXPECT_EQ(cells(rows_of(rows, "B", "j")[0], 7, 2) + cells(rows_of(rows, "B", "j")[0], 25, 2),
              QStringList({"1 days", "8h 0m", "0 days", "0h 0m"}));
    EXPECT_EQ(cells(rows_of(rows, "C", "b")[0], 0, 2), QStringList({"Work:8h 0m", "Paid:8h 0m"}));
    const auto period_rows = rows_of(rows, "C", "c");
    ASSERT_EQ(period_rows.size(), 3u);
    EXPECT_EQ(period_rows[0].fields[1], format_time_segments(kTypical)[1]);
    EXPECT_EQ(rows_of(rows, "C", "e")[0].fields[0], QStringLiteral("2026"));
    EXPECT_EQ(cells(rows_of(rows, "C", "f")[0], 0, 6),
              QStringList({"17 days", "136h 0m", "1 days", "10h 0m", "18 days", "146h 0m"}));
    EXPECT_EQ(cells(rows_of(rows, "C", "g")[0], 0, 3), QStringList({"2 days", "20 days", "162h 0m"}));
    // Part 2, the event list, follows the grid rows; an empty list keeps its heading.
    const auto listed = year_rows(february(), {QDate(2026, 2, 16), QDate(2026, 2, 13)}, 3);
    const auto part2 = std::vector<ReportRow>(
        std::find_if(listed.begin(), listed.end(), [](const ReportRow &r) { return r.page == 2; }), listed.end());
    // The holiday's periods differ from the typical day's and it is paid, so its periods follow it as well.
    EXPECT_EQ(kinds(part2), QStringLiteral("Da Db Dc Dd Dd Dd Dd Dc Dd Dd Dd Dd"));
    EXPECT_EQ(part2[0].fields[0], QStringLiteral("Events (Dates paid and not worked)"));
    EXPECT_EQ(cells(part2[2], 0, 4), QStringList({"Feb-16", "", "0h 0m", "8h 0m"}));
    const auto empty = year_rows(february(), {});
    EXPECT_EQ(std::count_if(empty.begin(), empty.end(), [](const ReportRow &r) { return r.page == 2; }), 2);
    EXPECT_EQ(QStringList({year_report_formula(0), year_report_formula(1), year_report_formula(2)}),
              QStringList({"", "{T000.Page} = 1", "{T000.Page} = 2"}));
}

TEST(ReportDatabase, EachReportReplacesTheRowsOfTheLastOneCompactsTheFileAndAForeignFileFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kReportDatabaseName);
    // Writes `rows` as a report does, each row a step after the preparation's five; returns what the file then holds.
    const auto write_and_read = [&](const std::vector<ReportRow> &rows) {
        {
            Database db = prepare_report_database(path);
            EXPECT_EQ(step_number(), 5);
            write_report_rows(db, rows);
            EXPECT_EQ(step_number(), 5 + int(rows.size()));
        }
        Database db = Database::open(path, QByteArray());
        return read_report_rows(db);
    };
    const auto row = [](const QString &group, const QString &subgroup, std::optional<int> page, const QString &first) {
        ReportRow made{group, subgroup, page, {first}};
        made.fields[26] = QStringLiteral("last");
        return made;
    };
    const std::vector<ReportRow> first = {row("A", "", std::nullopt, "It's \"quoted\""), row("B", "c", 1, "101"),
                                          row("E", "b", std::nullopt, "")};
    EXPECT_EQ(write_and_read(first), first);  // the file is created when missing
    // A scratch copy left behind by a crash is not in the way.
    write_file(dir.filePath(kReportScratchName), "left over");
    const std::vector<ReportRow> second = {row("D", "a", 2, "Events")};
    EXPECT_EQ(write_and_read(second), second);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(kReportScratchName)));
    // A large report's file shrinks again with the next one.
    write_and_read(std::vector<ReportRow>(3000, row("E", "b", std::nullopt, QString(200, u'x'))));
    EXPECT_GT(QFileInfo(path).size(), 500 * 1024);
    EXPECT_TRUE(write_and_read({}).empty());
    EXPECT_LT(QFileInfo(path).size(), 64 * 1024);
    // A file that is no database fails at the first step; so does a folder that cannot hold it, without a crash.
    write_file(path, QByteArray(4096, '\x5a'));
    set_step_number(0);
    EXPECT_THROW(prepare_report_database(path), DbError);
    EXPECT_EQ(step_number(), 1);
    EXPECT_THROW(prepare_report_database(dir.filePath("missing/QZX.mdb")), DbError);
}
