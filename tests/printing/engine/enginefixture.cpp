#include "enginefixture.h"

#include "model/textforms.h"
#include "printing/reportdatabase.h"
#include "printing/reportrows.h"
#include "store/database.h"

#include <QDate>
#include <QDir>

#include <map>

namespace dayvane::test {

namespace {

constexpr int kYear = 2026;
constexpr int kMonth = 4;
// 8:00-12:00 and 12:30-16:30 worked, the half hour between paid.
const QString kTypical = QStringLiteral("y@480>720+n@720>750+y@750>990");

// The sample calendar's year as the main window holds it, the neighbouring
// days of its grids included: weekdays typical, weekends off, and some
// holidays, altered days and comments. `busy` adds a weekly meeting on every
// ordinary Tuesday, for a long event list.
CalendarYear sample_year(const QString &long_comment = QString(), bool busy = false)
{
    const QString half_day = QStringLiteral("y@480>720");
    const QString holiday = QStringLiteral("n@480>990");
    const std::map<QDate, DayEntry> special{
        {QDate(kYear, 1, 1), {0, {}, 0, 0, 0, 510, holiday, QStringLiteral("New Year's Day")}},
        {QDate(kYear, 2, 10), {0, {}, 0, 0, 480, 510, kTypical, QStringLiteral("Fire drill")}},
        {QDate(kYear, 4, 3), {0, {}, 0, 0, 0, 510, holiday, QStringLiteral("Good Friday")}},
        {QDate(kYear, 4, 6), {0, {}, 0, 0, 0, 510, holiday, QStringLiteral("Easter Monday")}},
        {QDate(kYear, 4, 17),
         {0, {}, 0, 0, 240, 240, half_day,
          long_comment.isEmpty() ? QStringLiteral("Half day: staff outing in the afternoon") : long_comment}},
        {QDate(kYear, 4, 22), {0, {}, 0, 0, 480, 510, kTypical, QStringLiteral("Team meeting at the head office")}},
        {QDate(kYear, 8, 14),
         {0, {}, 0, 0, 600, 600, QStringLiteral("y@420>720+y@750>1050"), QStringLiteral("Stock-taking, long day")}},
        {QDate(kYear, 12, 24), {0, {}, 0, 0, 240, 240, half_day, QStringLiteral("Christmas Eve, half day")}},
        {QDate(kYear, 12, 25), {0, {}, 0, 0, 0, 510, holiday, QStringLiteral("Christmas Day")}}};
    CalendarYear year(1, QStringLiteral("Head office"), 1, kYear);
    year.set_typical_day(kTypical, 480, 510);
    for (QDate date = year.first_shown_date(); date <= year.last_shown_date(); date = date.addDays(1)) {
        DayEntry day{0, date, 0, 0, 480, 510, kTypical, {}};
        if (const auto found = special.find(date); found != special.end())
            day = found->second;
        else if (date.dayOfWeek() >= 6)
            day = DayEntry{};
        else if (busy && date.year() == kYear && date.dayOfWeek() == 2)
            day.comment = QStringLiteral("Weekly planning meeting with the regional teams");
        day.date = date;
        year.add_day(day);
    }
    return year;
}

} // namespace

QString shipped_report(const QString &file_name)
{
    return QDir(QStringLiteral(DAYVANE_REPORTS_DIR)).filePath(file_name);
}

ReportDefinition shipped_definition(const QString &file_name)
{
    DefinitionResult read = read_report_definition(shipped_report(file_name));
    EXPECT_TRUE(read.definition) << read.error.toStdString();
    return read.definition.value_or(ReportDefinition());
}

std::vector<ReportRow> one_month_rows(const QString &long_comment)
{
    const CalendarYear year = sample_year(long_comment);
    MonthReportSource source;
    source.calendar_name = year.calendar_name();
    source.year = &year;
    source.grid_date = QDate(kYear, kMonth, 1);
    source.current_date = source.grid_date;
    source.event_filter = 0;
    const auto weeks = week_rows(year, kYear, kMonth);
    for (std::size_t week = 0; week < weeks.size(); ++week) {
        source.work_week[week] = format_minutes(weeks[week].work);
        source.pay_week[week] = format_minutes(weeks[week].pay);
    }
    // Summary captions of the width the main window shows.
    source.label = [](const QString &name) {
        return name.endsWith(QLatin1String("_days")) ? QStringLiteral("21 days") : QStringLiteral("168h 30m");
    };
    return month_report_rows(source);
}

std::vector<ReportRow> twelve_month_rows(int events)
{
    const CalendarYear year = sample_year(QString(), events > 14);
    std::vector<qsizetype> listed;
    const std::vector<DayEntry> &days = year.day_entries();
    for (std::size_t index = 0; index < days.size() && int(listed.size()) < events; ++index) {
        if (year.date_at(qsizetype(index)).year() == kYear && is_listed(year, days[index], 0))
            listed.push_back(qsizetype(index));
    }
    return year_report_rows(year, year.calendar_name(), 0, listed);
}

QString write_report_database(const QString &folder, const std::vector<ReportRow> &rows)
{
    const QString path = QDir(folder).filePath(kReportDatabaseName);
    Database db = prepare_report_database(path);
    write_report_rows(db, rows);
    return path;
}

::testing::AssertionResult appear_in_order(const QString &text, const QStringList &texts)
{
    qsizetype from = 0;
    for (const QString &wanted : texts) {
        const qsizetype at = text.indexOf(wanted, from);
        if (at < 0)
            return ::testing::AssertionFailure() << '"' << wanted.toStdString() << "\" not found (in order) in:\n"
                                                 << text.toStdString();
        from = at + wanted.size();
    }
    return ::testing::AssertionSuccess();
}

} // namespace dayvane::test
