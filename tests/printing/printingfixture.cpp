#include "printingfixture.h"

#include "printing/reportdatabase.h"
#include "store/database.h"

#include <QDir>
#include <QFile>

namespace dayvane::test {

namespace {

CalendarYear february_year(bool with_typical_day)
{
    CalendarYear year(7, QStringLiteral("Office \"North\""), 3, 2026);
    if (with_typical_day)
        year.set_typical_day(kTypical, 480, 480);
    qint32 id = 1;
    const auto add = [&](QDate date, const QString &segments, qint32 work, qint32 pay, const QString &comment = {}) {
        year.add_day(DayEntry{id++, date, 0, 0, work, pay, segments, comment});
    };
    add(QDate(2026, 1, 30), QStringLiteral("n@480>1020"), 0, 480);
    for (QDate date(2026, 2, 2); date.month() == 2; date = date.addDays(1)) {
        if (date.dayOfWeek() >= 6)
            continue;
        if (date.day() == 13)
            add(date, kLongDay, 600, 600, QStringLiteral("Stocktaking"));
        else if (date.day() == 16)
            add(date, QStringLiteral("n@480>1020"), 0, 480);
        else if (date.day() == 20)
            add(date, QString(), 0, 0, QStringLiteral("Closed for repairs"));
        else
            add(date, kTypical, 480, 480, date.day() == 2 ? QStringLiteral("Kick-off") : QString());
    }
    return year;
}

} // namespace

const CalendarYear &february(bool with_typical_day)
{
    static const CalendarYear typical = february_year(true), plain = february_year(false);
    return with_typical_day ? typical : plain;
}

std::vector<ReportRow> month_rows(const CalendarYear &year, int filter)
{
    MonthReportSource source;
    source.calendar_name = year.calendar_name();
    source.year = &year;
    source.current_date = source.grid_date = QDate(2026, 2, 10);
    source.event_filter = filter;
    for (int i = 0; i < 6; ++i) {
        source.work_week[std::size_t(i)] = QStringLiteral("w%1").arg(i + 1);
        source.pay_week[std::size_t(i)] = QStringLiteral("p%1").arg(i + 1);
    }
    source.label = [](const QString &name) { return QStringLiteral("<%1>").arg(name); };
    return month_report_rows(source);
}

std::vector<ReportRow> year_rows(const CalendarYear &year, const std::vector<QDate> &events, int filter)
{
    std::vector<qsizetype> indexes;
    for (const QDate date : events)
        indexes.push_back(year.first_shown_date().daysTo(date));
    return year_report_rows(year, year.calendar_name(), filter, indexes);
}

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
