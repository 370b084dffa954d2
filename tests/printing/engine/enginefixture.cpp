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

// One day of the sample calendar: a paid holiday now and then, a few
// altered days, weekends off, and some comments. `busy` adds a weekly
// meeting on every ordinary Tuesday, for a long event list.
DayEntry sample_day(const QDate &date, const QString &long_comment, bool busy)
{
    static const std::map<QDate, QString> holidays{
        {QDate(kYear, 1, 1), QStringLiteral("New Year's Day")},  {QDate(kYear, 4, 3), QStringLiteral("Good Friday")},
        {QDate(kYear, 4, 6), QStringLiteral("Easter Monday")},   {QDate(kYear, 5, 25), QStringLiteral("Memorial Day")},
        {QDate(kYear, 7, 3), QStringLiteral("Independence Day (observed)")},
        {QDate(kYear, 9, 7), QStringLiteral("Labor Day")},       {QDate(kYear, 11, 26), QStringLiteral("Thanksgiving Day")},
        {QDate(kYear, 12, 25), QStringLiteral("Christmas Day")}};
    const auto day = [&](const QString &segments, qint32 work, qint32 pay, const QString &comment = {}) {
        return DayEntry{0, date, 0, 0, work, pay, segments, comment};
    };
    if (const auto holiday = holidays.find(date); holiday != holidays.end())
        return day(QStringLiteral("n@480>990"), 0, 510, holiday->second);
    if (date == QDate(kYear, 4, 17))
        return day(QStringLiteral("y@480>720"), 240, 240,
                   long_comment.isEmpty() ? QStringLiteral("Half day: staff outing in the afternoon") : long_comment);
    if (date == QDate(kYear, 12, 24))
        return day(QStringLiteral("y@480>720"), 240, 240, QStringLiteral("Christmas Eve, half day"));
    if (date == QDate(kYear, 8, 14))
        return day(QStringLiteral("y@420>720+y@750>1050"), 600, 600, QStringLiteral("Stock-taking, long day"));
    if (date.dayOfWeek() >= 6)
        return day(QString(), 0, 0);
    if (date == QDate(kYear, 4, 22))
        return day(kTypical, 480, 510, QStringLiteral("Team meeting at the head office"));
    if (date == QDate(kYear, 2, 10))
        return day(kTypical, 480, 510, QStringLiteral("Fire drill"));
    if (busy && date.year() == kYear && date.dayOfWeek() == 2)
        return day(kTypical, 480, 510, QStringLiteral("Weekly planning meeting with the regional teams"));
    return day(kTypical, 480, 510);
}

// The sample calendar's year as the main window holds it, the neighbouring
// days of its grids included.
CalendarYear sample_year(const QString &long_comment = QString(), bool busy = false)
{
    CalendarYear year(1, QStringLiteral("Head office"), 1, kYear);
    year.set_typical_day(kTypical, 480, 510);
    for (QDate date = year.first_shown_date(); date <= year.last_shown_date(); date = date.addDays(1))
        year.add_day(sample_day(date, long_comment, busy));
    return year;
}

// The captions of the summary labels, as the main window shows them.
template <typename Totals>
std::map<QString, QString> summary_captions(const Totals &t)
{
    const auto days = [](int count) { return QStringLiteral("%1 days").arg(count); };
    return {{QStringLiteral("work_typical_days"), days(t.typical_days)},
            {QStringLiteral("work_typical_time"), format_minutes(t.typical_minutes)},
            {QStringLiteral("work_altered_days"), days(t.altered_days)},
            {QStringLiteral("work_altered_time"), format_minutes(t.altered_minutes)},
            {QStringLiteral("work_total_days"), days(t.typical_days + t.altered_days)},
            {QStringLiteral("work_total_time"), format_minutes(t.typical_minutes + t.altered_minutes)},
            {QStringLiteral("no_work_pay_only_days"), days(t.pay_only_days)},
            {QStringLiteral("pay_days"), days(t.pay_days)},
            {QStringLiteral("pay_time"), format_minutes(t.pay_minutes)}};
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
    const auto month = summary_captions(year.month_totals(kMonth));
    const auto whole_year = summary_captions(year.year_totals());
    source.label = [&](const QString &name) {
        const bool of_month = name.startsWith(QLatin1String("lbl_month_"));
        const auto &captions = of_month ? month : whole_year;
        const auto found = captions.find(name.mid(of_month ? 10 : 9));
        return found == captions.end() ? QString() : found->second;
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
