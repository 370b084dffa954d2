#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <vector>

namespace dayvane {

class Database;

// One day of the loaded span as the month, day and year views read it.
// A day without a stored record keeps every field zero or empty, its date
// included: use CalendarYear::date_at() for the date of a slot.
struct DayEntry {
    qint32 id = 0;          // record id; 0 when the day has no stored record
    QDate date;
    qint16 day_start = 0;   // minutes after midnight (see dayrecord.h)
    qint16 day_stop = 0;
    // Worked and paid minutes. A day never exceeds 12 periods of 1440
    // minutes (17280); 32 bits also hold whatever another writer left.
    qint32 minutes1 = 0;
    qint32 minutes2 = 0;
    QString time_segments;  // "" when the field is null
    QString comment;        // the day's event; "" when null

    friend bool operator==(const DayEntry &, const DayEntry &) = default;
};

// Totals of the days of one month of the loaded year. Day counts never
// exceed 366; minutes are summed in 64 bits, so that whatever a damaged
// file holds in the day fields never wraps a total.
struct MonthTotals {
    int typical_days = 0;
    qint64 typical_minutes = 0;   // worked minutes of the typical workdays
    int altered_days = 0;
    qint64 altered_minutes = 0;   // worked minutes of the altered workdays
    int pay_only_days = 0;        // paid, no work
    qint64 pay_minutes = 0;       // paid minutes of every paid day
    int pay_days = 0;             // every day with paid minutes, worked or not

    friend bool operator==(const MonthTotals &, const MonthTotals &) = default;
};

// The month fields for the whole year, plus the year's typical day: the
// period list that decides typical against altered, and its worked and paid
// minutes (shown by no view; kept for the reports).
struct YearTotals {
    int typical_days = 0;
    qint64 typical_minutes = 0;
    qint32 typical_work = 0;
    qint32 typical_pay = 0;
    int altered_days = 0;
    qint64 altered_minutes = 0;
    int pay_only_days = 0;
    qint64 pay_minutes = 0;
    int pay_days = 0;
    QString typical_segments;  // "" when the year has no typical day

    friend bool operator==(const YearTotals &, const YearTotals &) = default;
};

// How a day counts in the totals, views and event lists. Refines DayClass
// (dayrecord.h) by splitting work days against the year's typical day.
enum class DayKind {
    TypicalWork,  // worked, periods exactly (case-sensitively) the typical day's
    AlteredWork,  // worked, any other period list
    PaidNoWork,
    NoWorkNoPay,
};

// The first day of the grids' weeks: Sunday unless the workstation sets
// another (at start, before any year is loaded). Every grid, week total and
// report follows it.
Qt::DayOfWeek week_start();
void set_week_start(Qt::DayOfWeek day);

// The month grid of the calendar control: 6 weeks of 7 days, week_start()
// first. When the 1st of the month falls on that day the grid starts a week
// earlier, so at least one day of the previous month is always shown. The
// visible control must be a QCalendarWidget with week_start() as first day
// of the week; every index into CalendarYear rests on this rule matching it.
QDate first_shown_day(int year, int month);
QDate last_shown_day(int year, int month);  // first_shown_day + 41
inline constexpr int kShownDaysPerMonth = 42;

// One calendar year of one calendar in memory: a day entry for every day
// that the January to December grids show, and the totals of the days of the
// year itself. Days of the neighbouring years in those grids are kept (the
// grids show them) but never counted.
class CalendarYear {
public:
    CalendarYear() = default;
    // An empty year: the span is worked out from `year` (1800..9999, the
    // control's range), every slot empty, all totals zero, no typical day.
    CalendarYear(qint32 calendar_id, QString calendar_name, qint32 calendar_revision, int year);

    qint32 calendar_id() const { return m_calendar_id; }
    const QString &calendar_name() const { return m_calendar_name; }
    qint32 calendar_revision() const { return m_calendar_revision; }
    int year() const { return m_year; }

    // First day of January's grid and 42nd day of December's grid.
    QDate first_shown_date() const { return m_first_shown_date; }
    QDate last_shown_date() const { return m_last_shown_date; }

    // One slot per day of the span, index = days since first_shown_date.
    const std::vector<DayEntry> &day_entries() const { return m_day_entries; }
    QDate date_at(qsizetype index) const { return m_first_shown_date.addDays(index); }
    // The slot of `date`, or nullptr when the date lies outside the span
    // (or is invalid). The pointer lives as long as this object, unmoved.
    const DayEntry *entry(QDate date) const;

    // `month` 1..12; any other month throws std::out_of_range.
    const MonthTotals &month_totals(int month) const;
    const YearTotals &year_totals() const { return m_year_totals; }

    // Sets the year's typical day. Call before add_day: days already added
    // keep the class they were counted with.
    void set_typical_day(const QString &segments, qint32 work, qint32 pay);

    // Classifies by the current typical day; needs no slot of this year.
    DayKind day_kind(const DayEntry &day) const;
    static bool is_paid(const DayEntry &day) { return day.minutes2 > 0; }

    // Stores `day` in the slot of its date and, when the date lies in the
    // loaded year, adds it to the year's and its month's totals. Each date is
    // added at most once (the store holds one record per calendar and date);
    // a second add replaces the slot but counts again. A date outside the
    // span, or an invalid one, throws DbError 513 and changes nothing.
    void add_day(const DayEntry &day);

private:
    void count(const DayEntry &day, MonthTotals &month);

    qint32 m_calendar_id = 0;
    QString m_calendar_name;
    qint32 m_calendar_revision = 0;
    int m_year = 0;
    QDate m_first_shown_date;
    QDate m_last_shown_date;
    std::vector<DayEntry> m_day_entries;
    std::array<MonthTotals, 12> m_month_totals{};
    YearTotals m_year_totals;
};

// The event-dates list shows one of five selections of the loaded year:
// 0 every day with an event text, 1 typical workdays with an event text,
// 2 every altered workday, 3 every paid day without work, 4 days with
// neither work nor pay that carry an event text.
inline constexpr int kEventFilterCount = 5;
// The header of the list's event column for `filter`; "Events" for a filter
// outside 0..4.
QString event_filter_header(int filter);
// Whether `day` belongs to the selection `filter` of `year` (its typical day
// decides 1 and 2). A filter outside 0..4 selects nothing. The caller skips
// days outside the loaded year itself.
bool is_listed(const CalendarYear &year, const DayEntry &day, int filter);

// One row of a month grid: its first and seventh shown day and the worked and
// paid minutes of the loaded days between them, neighbouring months included.
struct WeekRow
{
    QDate start;
    QDate end;
    qint64 work = 0;
    qint64 pay = 0;
};
// The six rows of the grid of `month` of `grid_year`. Days that `year` holds
// no slot for count nothing.
std::array<WeekRow, 6> week_rows(const CalendarYear &year, int grid_year, int month);

// Error source of every failure raised while loading.
inline const QString kLoadCalendarSource = QStringLiteral("load_calendar_data");

// The program's SQL texts for the loading queries of the year's typical day
// and of the days between two dates (the calendar record's is
// calendar_record_query).
QString typical_day_query_text(qint32 calendar_id, int year);
QString days_query_text(qint32 calendar_id, QDate first, QDate last);

// Reads calendar `calendar_id` and the days of its grids for `year` in one
// pass. Before each step it calls `set_location` (when set) with the step's
// number, so that a caller catching the error can report where it stopped:
//   1 calendar query   2 calendar record checked   3 calendar fields read
//   4 typical-day query   5 typical day read   6 days query   7 days read.
// Throws DbError: 513 "DB record not found" (at 2) when the calendar does not
// exist, 513 when a returned day lies outside the span (at 7), and whatever
// the store throws. Reads only; no access or revision check is made here.
CalendarYear load_calendar_year(Database &db, qint32 calendar_id, int year,
                                const std::function<void(int)> &set_location = {});

} // namespace dayvane
