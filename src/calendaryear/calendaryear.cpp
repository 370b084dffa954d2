#include "calendaryear/calendaryear.h"

#include "model/textforms.h"
#include "store/dberror.h"
#include "store/recordset.h"
#include "store/revisions.h"

#include <utility>

#include <QCoreApplication>

namespace dayvane {

namespace {

Qt::DayOfWeek g_week_start = Qt::Sunday;

} // namespace

Qt::DayOfWeek week_start()
{
    return g_week_start;
}

void set_week_start(Qt::DayOfWeek day)
{
    g_week_start = day;
}

QDate first_shown_day(int year, int month)
{
    const QDate first(year, month, 1);
    // Days between the grid's first column and the 1st (a whole week when
    // the 1st falls in it).
    const int lead = (first.dayOfWeek() - int(g_week_start) + 7) % 7;
    return first.addDays(-(lead == 0 ? 7 : lead));
}

QDate last_shown_day(int year, int month)
{
    return first_shown_day(year, month).addDays(kShownDaysPerMonth - 1);
}

CalendarYear::CalendarYear(qint32 calendar_id, QString calendar_name, qint32 calendar_revision,
                           int year)
    : m_calendar_id(calendar_id)
    , m_calendar_name(std::move(calendar_name))
    , m_calendar_revision(calendar_revision)
    , m_year(year)
    , m_first_shown_date(first_shown_day(year, 1))
    , m_last_shown_date(last_shown_day(year, 12))
    , m_day_entries(std::size_t(m_first_shown_date.daysTo(m_last_shown_date) + 1))
{
    Q_ASSERT(m_first_shown_date.isValid());
}

const DayEntry *CalendarYear::entry(QDate date) const
{
    if (!date.isValid() || m_day_entries.empty())
        return nullptr;
    const qint64 index = m_first_shown_date.daysTo(date);
    if (index < 0 || index >= qint64(m_day_entries.size()))
        return nullptr;
    return &m_day_entries[std::size_t(index)];
}

const MonthTotals &CalendarYear::month_totals(int month) const
{
    return m_month_totals.at(std::size_t(month - 1));
}

void CalendarYear::set_typical_day(const QString &segments, qint32 work, qint32 pay)
{
    m_year_totals.typical_segments = segments;
    m_year_totals.typical_work = work;
    m_year_totals.typical_pay = pay;
}

DayKind CalendarYear::day_kind(const DayEntry &day) const
{
    if (day.minutes1 >= 1) {
        return day.time_segments == m_year_totals.typical_segments ? DayKind::TypicalWork
                                                                    : DayKind::AlteredWork;
    }
    return day.minutes2 > 0 ? DayKind::PaidNoWork : DayKind::NoWorkNoPay;
}

void CalendarYear::add_day(const DayEntry &day)
{
    const DayEntry *slot = entry(day.date);
    if (!slot) {
        throw DbError(DbError::ProgramError,
                      QStringLiteral("Day record outside the loaded dates: %1")
                          .arg(day.date.isValid() ? day.date.toString(Qt::ISODate)
                                                  : QStringLiteral("no valid date")),
                      kLoadCalendarSource);
    }
    m_day_entries[std::size_t(slot - m_day_entries.data())] = day;
    if (day.date.year() == m_year)
        count(day, m_month_totals[std::size_t(day.date.month() - 1)]);
}

// Adds one day of the loaded year to its month and to the year. Work days
// split into typical and altered; being paid counts besides that.
void CalendarYear::count(const DayEntry &day, MonthTotals &month)
{
    YearTotals &year = m_year_totals;
    switch (day_kind(day)) {
    case DayKind::TypicalWork:
        month.typical_days += 1;
        month.typical_minutes += day.minutes1;
        year.typical_days += 1;
        year.typical_minutes += day.minutes1;
        break;
    case DayKind::AlteredWork:
        month.altered_days += 1;
        month.altered_minutes += day.minutes1;
        year.altered_days += 1;
        year.altered_minutes += day.minutes1;
        break;
    case DayKind::PaidNoWork:
        month.pay_only_days += 1;
        year.pay_only_days += 1;
        break;
    case DayKind::NoWorkNoPay:
        break;
    }
    if (is_paid(day)) {
        month.pay_days += 1;
        month.pay_minutes += day.minutes2;
        year.pay_days += 1;
        year.pay_minutes += day.minutes2;
    }
}

QString typical_day_query_text(qint32 calendar_id, int year)
{
    return QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=%2; SELECT Q009.* FROM Q009;")
        .arg(calendar_id)
        .arg(year);
}

QString days_query_text(qint32 calendar_id, QDate first, QDate last)
{
    // Two blanks before FROM, as the program has always written it.
    return QStringLiteral("PARAMETERS CalendarID Long=%1, StartDt DateTime%2, EndDt DateTime%3;"
                          " SELECT *  FROM Q008;")
        .arg(calendar_id)
        .arg(format_query_date(first), format_query_date(last));
}

namespace {

// A null field reads as 0 or "".
qint32 int_field(const RecordSet &set, const QString &name)
{
    return set.field_int(set.field_index(name));
}

QString text_field(const RecordSet &set, const QString &name)
{
    return set.field_text(set.field_index(name));
}

// Where the day fields stand in the days query, looked up once a load.
struct DayFields
{
    explicit DayFields(const RecordSet &days)
        : id(days.field_index(QStringLiteral("id")))
        , date(days.field_index(QStringLiteral("DateVal")))
        , day_start(days.field_index(QStringLiteral("DayStart")))
        , day_stop(days.field_index(QStringLiteral("DayStop")))
        , minutes1(days.field_index(QStringLiteral("minutes1")))
        , minutes2(days.field_index(QStringLiteral("minutes2")))
        , time_segments(days.field_index(QStringLiteral("TimeSegments")))
        , comment(days.field_index(QStringLiteral("Date comment")))
    {
    }
    int id, date, day_start, day_stop, minutes1, minutes2, time_segments, comment;
};

DayEntry read_day(const RecordSet &days, const DayFields &fields)
{
    DayEntry day;
    day.id = days.field_int(fields.id);
    day.date = days.field_date(fields.date);
    day.day_start = qint16(days.field_int(fields.day_start));
    day.day_stop = qint16(days.field_int(fields.day_stop));
    day.minutes1 = days.field_int(fields.minutes1);
    day.minutes2 = days.field_int(fields.minutes2);
    day.time_segments = days.field_text(fields.time_segments);
    day.comment = days.field_text(fields.comment);
    return day;
}

} // namespace

CalendarYear load_calendar_year(Database &db, qint32 calendar_id, int year,
                                const std::function<void(int)> &set_location)
{
    const auto location = [&](int step) {
        if (set_location)
            set_location(step);
    };

    location(1);
    RecordSet calendar = RecordSet::open(db, calendar_record_query(calendar_id));
    location(2);
    if (calendar.record_count() == 0)
        throw DbError(DbError::ProgramError, QString::fromUtf8(QT_TRANSLATE_NOOP("dayvane", "DB record not found")), kLoadCalendarSource);
    location(3);
    CalendarYear loaded(calendar_id, text_field(calendar, QStringLiteral("Name")),
                        int_field(calendar, QStringLiteral("revision")), year);
    calendar.close();

    location(4);
    RecordSet typical = RecordSet::open(db, typical_day_query_text(calendar_id, year));
    location(5);
    // No record: no work day in the year, or none filed under its year
    // record; the typical day stays empty and every work day is altered.
    if (!typical.eof()) {
        loaded.set_typical_day(text_field(typical, QStringLiteral("TimeSegments")),
                               int_field(typical, QStringLiteral("work")),
                               int_field(typical, QStringLiteral("pay")));
    }
    typical.close();

    location(6);
    RecordSet days = RecordSet::open(
        db, days_query_text(calendar_id, loaded.first_shown_date(), loaded.last_shown_date()));
    location(7);
    const DayFields fields(days);
    for (; !days.eof(); days.move_next())
        loaded.add_day(read_day(days, fields));
    return loaded;
}

QString event_filter_header(int filter)
{
    static const char *const headers[kEventFilterCount] = {
        QT_TRANSLATE_NOOP("dayvane", "Events (All commented dates)"), QT_TRANSLATE_NOOP("dayvane", "Events (Typical workdays)"), QT_TRANSLATE_NOOP("dayvane", "Events (Non-typical workdays)"),
        QT_TRANSLATE_NOOP("dayvane", "Events (Dates paid and not worked)"), QT_TRANSLATE_NOOP("dayvane", "Events (Dates not worked and not paid)")};
    if (filter < 0 || filter >= kEventFilterCount)
        return QCoreApplication::translate("dayvane", "Events");
    return QCoreApplication::translate("dayvane", headers[filter]);
}

bool is_listed(const CalendarYear &year, const DayEntry &day, int filter)
{
    const bool commented = !day.comment.isEmpty();
    switch (filter) {
    case 0:
        return commented;
    case 1:
        // A typical workday has work: a day off never matches, even when the
        // year has no typical day and both period lists are empty.
        return year.day_kind(day) == DayKind::TypicalWork && commented;
    case 2:
        return year.day_kind(day) == DayKind::AlteredWork;
    case 3:
        return day.minutes1 == 0 && day.minutes2 > 0;
    case 4:
        return day.minutes1 == 0 && day.minutes2 == 0 && commented;
    default:
        return false;
    }
}

std::array<WeekRow, 6> week_rows(const CalendarYear &year, int grid_year, int month)
{
    std::array<WeekRow, 6> rows{};
    const QDate first = first_shown_day(grid_year, month);
    for (int i = 0; i < 6; ++i) {
        WeekRow &row = rows[std::size_t(i)];
        row.start = first.addDays(7 * i);
        row.end = row.start.addDays(6);
        for (QDate day = row.start; day <= row.end; day = day.addDays(1)) {
            if (const DayEntry *entry = year.entry(day)) {
                row.work += entry->minutes1;
                row.pay += entry->minutes2;
            }
        }
    }
    return rows;
}

} // namespace dayvane
