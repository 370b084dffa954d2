#include "printing/reportrows.h"

#include "model/textforms.h"
#include "model/timesegments.h"

#include <QCoreApplication>
#include <QLocale>

namespace dayvane {

namespace {

constexpr int kCellsPerMonth = 9;  // 7 days, week work, week pay
constexpr int kWorkCell = 7;
constexpr int kPayCell = 8;

ReportRow row(const QString &group, const QString &subgroup = QString(), std::optional<int> page = std::nullopt)
{
    ReportRow r;
    r.group = group;
    r.subgroup = subgroup;
    r.page = page;
    return r;
}

// The weekday of grid column `column` (0-6), in English as the reports
// name them; the columns follow the workstation's first day of the week.
QString weekday_of_column(int column)
{
    return QLocale::c().dayName((int(week_start()) - 1 + column) % 7 + 1);
}

QString days_text(int days)
{
    return QCoreApplication::translate("dayvane", "%1 days").arg(days);
}

int class_code(DayKind kind)
{
    switch (kind) {
    case DayKind::TypicalWork:
        return 0;
    case DayKind::NoWorkNoPay:
        return 100;
    case DayKind::AlteredWork:
        return 200;
    case DayKind::PaidNoWork:
        return 300;
    }
    return 100;
}

// A day's twelve period texts, `per_row` to a row: text k lands in cell
// k % per_row of row k / per_row.
std::vector<ReportRow> period_rows(const QString &segments, int per_row, int rows, const ReportRow &kind)
{
    const auto texts = format_time_segments(segments);
    std::vector<ReportRow> result(std::size_t(rows), kind);
    for (int k = 0; k < per_row * rows && k < int(texts.size()); ++k)
        result[std::size_t(k / per_row)].fields[std::size_t(k % per_row)] = texts[std::size_t(k)];
    return result;
}

void append(std::vector<ReportRow> &rows, std::vector<ReportRow> more)
{
    rows.insert(rows.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

ReportRow month_summary_row(const MonthReportSource &source, const QString &title, const char *name,
                            bool with_time)
{
    ReportRow r = row(QStringLiteral("D"), QStringLiteral("a"));
    r.fields[0] = title;
    const QString days = QLatin1String(name) + QStringLiteral("_days");
    const QString time = QLatin1String(name) + QStringLiteral("_time");
    r.fields[1] = source.label(QStringLiteral("lbl_month_") + days);
    r.fields[3] = source.label(QStringLiteral("lbl_year_") + days);
    if (with_time) {
        r.fields[2] = source.label(QStringLiteral("lbl_month_") + time);
        r.fields[4] = source.label(QStringLiteral("lbl_year_") + time);
    }
    return r;
}

ReportRow event_row(const CalendarYear &year, qsizetype index, const QString &group, const QString &subgroup,
                    std::optional<int> page)
{
    const DayEntry &day = year.day_entries()[std::size_t(index)];
    ReportRow r = row(group, subgroup, page);
    r.fields[0] = format_list_date(year.date_at(index));
    r.fields[1] = day.comment;
    r.fields[2] = format_minutes(day.minutes1);
    r.fields[3] = format_minutes(day.minutes2);
    return r;
}

// The month figures of one band row: `days` in the work cell and, when
// given, `minutes` in the pay cell, for each month of the band.
template <typename Figure>
ReportRow band_figures_row(const CalendarYear &year, int first_month, const QString &subgroup, Figure figure)
{
    ReportRow r = row(QStringLiteral("B"), subgroup, 1);
    for (int position = 0; position < 3; ++position) {
        const auto [days, minutes] = figure(year.month_totals(first_month + position));
        const std::size_t base = std::size_t(position * kCellsPerMonth);
        r.fields[base + kWorkCell] = days_text(days);
        if (minutes)
            r.fields[base + kPayCell] = format_minutes(*minutes);
    }
    return r;
}

using Figure = std::pair<int, std::optional<qint64>>;

void append_band(std::vector<ReportRow> &rows, const CalendarYear &year, int band)
{
    const int first_month = 3 * band + 1;
    ReportRow names = row(QStringLiteral("B"), QStringLiteral("a"), 1);
    for (int position = 0; position < 3; ++position)
        names.fields[std::size_t(position * kCellsPerMonth)] = full_month_name(first_month + position);
    rows.push_back(names);
    ReportRow initials = row(QStringLiteral("B"), QStringLiteral("b"), 1);
    for (int position = 0; position < 3; ++position) {
        for (int d = 0; d < 7; ++d)
            initials.fields[std::size_t(position * kCellsPerMonth + d)] = weekday_of_column(d).left(1);
    }
    rows.push_back(initials);

    std::array<std::array<WeekRow, 6>, 3> weeks;
    for (int position = 0; position < 3; ++position)
        weeks[std::size_t(position)] = week_rows(year, year.year(), first_month + position);
    for (int week = 0; week < 6; ++week) {
        ReportRow r = row(QStringLiteral("B"), QStringLiteral("c"), 1);
        for (int position = 0; position < 3; ++position) {
            const int month = first_month + position;
            const WeekRow &w = weeks[std::size_t(position)][std::size_t(week)];
            const std::size_t base = std::size_t(position * kCellsPerMonth);
            for (int d = 0; d < 7; ++d)
                r.fields[base + std::size_t(d)] = QString::number(day_code(year, w.start.addDays(d), month));
            r.fields[base + kWorkCell] = format_minutes(w.work);
            r.fields[base + kPayCell] = format_minutes(w.pay);
        }
        rows.push_back(std::move(r));
    }
    rows.push_back(row(QStringLiteral("B"), QStringLiteral("d"), 1));

    rows.push_back(band_figures_row(year, first_month, QStringLiteral("e"), [](const MonthTotals &t) {
        return Figure{t.typical_days, t.typical_minutes};
    }));
    rows.push_back(band_figures_row(year, first_month, QStringLiteral("f"), [](const MonthTotals &t) {
        return Figure{t.altered_days, t.altered_minutes};
    }));
    rows.push_back(band_figures_row(year, first_month, QStringLiteral("g"), [](const MonthTotals &t) {
        return Figure{t.typical_days + t.altered_days, t.typical_minutes + t.altered_minutes};
    }));
    rows.push_back(band_figures_row(year, first_month, QStringLiteral("h"), [](const MonthTotals &t) {
        return Figure{t.pay_only_days, std::nullopt};
    }));
    rows.push_back(band_figures_row(year, first_month, QStringLiteral("j"), [](const MonthTotals &t) {
        return Figure{t.pay_days, t.pay_minutes};
    }));
}

} // namespace

int day_code(const CalendarYear &year, QDate date, int shown_month)
{
    if (date.month() != shown_month)
        return 400 + date.day();
    const DayEntry *day = year.entry(date);
    const int code = day ? class_code(year.day_kind(*day)) : 100;
    return code + date.day();
}

std::vector<ReportRow> month_report_rows(const MonthReportSource &source)
{
    const CalendarYear &year = *source.year;
    const int month = source.grid_date.month();
    std::vector<ReportRow> rows;

    ReportRow heading = row(QStringLiteral("A"));
    heading.fields[0] = source.calendar_name + QStringLiteral(" (") + full_month_name(month) + u')';
    for (int d = 0; d < 7; ++d)
        heading.fields[std::size_t(1 + d)] = weekday_of_column(d);
    rows.push_back(heading);

    const QDate first = first_shown_day(source.grid_date.year(), month);
    for (int week = 0; week < 6; ++week) {
        ReportRow r = row(QStringLiteral("B"));
        for (int d = 0; d < 7; ++d)
            r.fields[std::size_t(d)] = QString::number(day_code(year, first.addDays(7 * week + d), month));
        r.fields[7] = source.work_week[std::size_t(week)];
        r.fields[8] = source.pay_week[std::size_t(week)];
        rows.push_back(std::move(r));
    }

    ReportRow caption = row(QStringLiteral("C"));
    caption.fields[0] = full_month_name(month);
    caption.fields[3] = QString::number(source.grid_date.year());
    rows.push_back(caption);

    rows.push_back(month_summary_row(source, QCoreApplication::translate("dayvane", "Work (typical)"), "work_typical", true));
    append(rows, period_rows(year.year_totals().typical_segments, 3, 4, row(QStringLiteral("D"), QStringLiteral("b"))));
    rows.push_back(month_summary_row(source, QCoreApplication::translate("dayvane", "Work (altered)"), "work_altered", true));
    rows.push_back(month_summary_row(source, QCoreApplication::translate("dayvane", "Work (total)"), "work_total", true));
    rows.push_back(month_summary_row(source, QCoreApplication::translate("dayvane", "No work (pay only)"), "no_work_pay_only", false));
    rows.push_back(month_summary_row(source, QCoreApplication::translate("dayvane", "Pay"), "pay", true));

    ReportRow events = row(QStringLiteral("E"), QStringLiteral("a"));
    events.fields[1] = event_filter_header(source.event_filter);
    rows.push_back(events);
    const std::vector<DayEntry> &days = year.day_entries();
    for (std::size_t index = 0; index < days.size(); ++index) {
        const QDate date = year.date_at(qsizetype(index));
        if (date.year() != source.grid_date.year() || date.month() != source.current_date.month())
            continue;
        const DayEntry &day = days[index];
        if (!is_listed(year, day, source.event_filter))
            continue;
        rows.push_back(event_row(year, qsizetype(index), QStringLiteral("E"), QStringLiteral("b"), std::nullopt));
        if (year.day_kind(day) == DayKind::AlteredWork)
            append(rows, period_rows(day.time_segments, 3, 4, row(QStringLiteral("E"), QStringLiteral("c"))));
    }
    return rows;
}

std::vector<ReportRow> year_report_rows(const CalendarYear &year, const QString &calendar_name, int event_filter,
                                        const std::vector<qsizetype> &event_days)
{
    std::vector<ReportRow> rows;
    ReportRow heading = row(QStringLiteral("A"), QString(), 1);
    heading.fields[0] = calendar_name + QStringLiteral(" (") + QString::number(year.year()) + u')';
    rows.push_back(heading);
    for (int band = 0; band < 4; ++band)
        append_band(rows, year, band);

    const YearTotals &totals = year.year_totals();
    rows.push_back(row(QStringLiteral("C"), QStringLiteral("a"), 1));
    ReportRow typical = row(QStringLiteral("C"), QStringLiteral("b"), 1);
    typical.fields[0] = QCoreApplication::translate("dayvane", "Work:") + format_minutes(totals.typical_work);
    typical.fields[1] = QCoreApplication::translate("dayvane", "Paid:") + format_minutes(totals.typical_pay);
    rows.push_back(typical);
    append(rows, period_rows(totals.typical_segments, 4, 3, row(QStringLiteral("C"), QStringLiteral("c"), 1)));
    rows.push_back(row(QStringLiteral("C"), QStringLiteral("d"), 1));
    ReportRow year_caption = row(QStringLiteral("C"), QStringLiteral("e"), 1);
    year_caption.fields[0] = QString::number(year.year());
    rows.push_back(year_caption);
    ReportRow work = row(QStringLiteral("C"), QStringLiteral("f"), 1);
    work.fields[0] = days_text(totals.typical_days);
    work.fields[1] = format_minutes(totals.typical_minutes);
    work.fields[2] = days_text(totals.altered_days);
    work.fields[3] = format_minutes(totals.altered_minutes);
    work.fields[4] = days_text(totals.typical_days + totals.altered_days);
    work.fields[5] = format_minutes(totals.typical_minutes + totals.altered_minutes);
    rows.push_back(work);
    ReportRow pay = row(QStringLiteral("C"), QStringLiteral("g"), 1);
    pay.fields[0] = days_text(totals.pay_only_days);
    pay.fields[1] = days_text(totals.pay_days);
    pay.fields[2] = format_minutes(totals.pay_minutes);
    rows.push_back(pay);

    ReportRow events = row(QStringLiteral("D"), QStringLiteral("a"), 2);
    events.fields[0] = event_filter_header(event_filter);
    rows.push_back(events);
    rows.push_back(row(QStringLiteral("D"), QStringLiteral("b"), 2));
    const auto day_count = qsizetype(year.day_entries().size());
    for (const qsizetype index : event_days) {
        if (index < 0 || index >= day_count)
            continue;
        rows.push_back(event_row(year, index, QStringLiteral("D"), QStringLiteral("c"), 2));
        const DayEntry &day = year.day_entries()[std::size_t(index)];
        if ((day.minutes1 > 0 || day.minutes2 > 0) && day.time_segments != totals.typical_segments)
            append(rows, period_rows(day.time_segments, 3, 4, row(QStringLiteral("D"), QStringLiteral("d"), 2)));
    }
    return rows;
}

QString year_report_formula(int part)
{
    if (part == 1 || part == 2)
        return QStringLiteral("{T000.Page} = ") + QString::number(part);
    return QString();
}

} // namespace dayvane
