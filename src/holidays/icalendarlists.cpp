#include "holidays/icalendarlists.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <libical/ical.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace dayvane {

namespace {

using Clock = std::chrono::steady_clock;

constexpr qsizetype kMaxTextBytes = 32'000'000;
constexpr size_t kMaxLineBytes = 256'000;
constexpr int kMaxNesting = 32;
constexpr int kMaxDaysPerEvent = 31;
constexpr int kMaxOccurrences = 100'000;
constexpr double kMaxSteps = 200'000;
constexpr Clock::duration kEventTime = std::chrono::milliseconds(250);
constexpr Clock::duration kFileTime = std::chrono::milliseconds(1500);
constexpr size_t kMaxHolidays = 1'000'000;

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct ParserFree
{
    void operator()(icalparser *parser) const { icalparser_free(parser); }
};

struct IteratorFree
{
    void operator()(icalrecur_iterator *iterator) const { icalrecur_iterator_free(iterator); }
};

bool is_cancelled(const std::atomic<bool> *cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

// UTF-8 without NUL bytes (libical reads C strings) or a byte order mark;
// anything that is not UTF-8 was written as Latin-1.
QByteArray utf8_text(QByteArray text)
{
    if (text.contains('\0'))
        text.removeIf([](char c) { return c == '\0'; });
    if (text.startsWith("\xef\xbb\xbf"))
        text.remove(0, 3);
    if (!text.isValidUtf8())
        text = QString::fromLatin1(text).toUtf8();
    return text;
}

// What libical takes for a content line's name: up to its first ";" or ":",
// without trailing blanks.
bool has_name(std::string_view line, std::string_view word)
{
    std::string_view name = line.substr(0, line.find_first_of(";:"));
    while (!name.empty() && std::strchr(" \t\r\n\v\f", name.back()))
        name.remove_suffix(1);
    return name.size() == word.size() && qstrnicmp(name.data(), word.data(), word.size()) == 0;
}

void add_root(Component &root, icalcomponent *component)
{
    if (!root) {
        root.reset(component);
        return;
    }
    if (icalcomponent_isa(root.get()) != ICAL_XROOT_COMPONENT) {
        icalcomponent *all = icalcomponent_new(ICAL_XROOT_COMPONENT);
        icalcomponent_add_component(all, root.release());
        root.reset(all);
    }
    icalcomponent_add_component(root.get(), component);
}

// Hands libical one unfolded content line at a time, so that the line's
// length and the components' nesting are checked first (libical slows down
// on very long lines and frees nested components recursively) and a long
// text can be cancelled between lines. Sets `error` when it stops early.
Component parse(const QByteArray &text, const std::atomic<bool> *cancel, QString *error)
{
    const std::unique_ptr<icalparser, ParserFree> parser(icalparser_new());
    Component root;
    std::string line;
    int depth = 0;
    qsizetype number = 0;
    const char *next = text.constData();
    const char *const end = next + text.size();
    while (next < end) {
        const qsizetype first = number + 1;
        line.clear();
        // The line and its continuations, which start with a blank dropped
        // as they are joined.
        for (bool continuation = false; !continuation || (next < end && (*next == ' ' || *next == '\t'));
             continuation = true) {
            const char *eol = static_cast<const char *>(std::memchr(next, '\n', end - next));
            eol = eol ? eol : end;
            const char *from = next + (continuation ? 1 : 0);
            if (line.size() + (eol - from) > kMaxLineBytes) {
                *error = QCoreApplication::translate("dayvane", "line %1 is longer than 256 KB").arg(first);
                return {};
            }
            line.append(from, eol - from);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            ++number;
            next = eol < end ? eol + 1 : end;
        }
        while (!line.empty() && std::strchr(" \t\r\v\f", line.back()))
            line.pop_back();
        if (is_cancelled(cancel)) {
            *error = QStringLiteral("cancelled");
            return {};
        }
        if (has_name(line, "BEGIN") && ++depth > kMaxNesting) {
            *error = QCoreApplication::translate("dayvane", "line %1: components nested more than %2 deep").arg(first).arg(kMaxNesting);
            return {};
        }
        if (has_name(line, "END") && depth > 0)
            --depth;
        if (icalcomponent *component = icalparser_add_line(parser.get(), line.data()))
            add_root(root, component);
    }
    return root;
}

// The value of the calendar's first X- property called `name`, or "".
QString x_property(icalcomponent *calendar, const char *name)
{
    for (icalproperty *property = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY); property;
         property = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
        const char *x_name = icalproperty_get_x_name(property);
        if (x_name && qstricmp(x_name, name) == 0) {
            const char *value = icalproperty_get_x(property);
            return value ? QString::fromUtf8(value) : QString();
        }
    }
    return {};
}

// Every VCALENDAR the parsed text holds: the root itself, or the calendars
// under the root when the text held several.
std::vector<icalcomponent *> calendars_of(icalcomponent *root)
{
    if (icalcomponent_isa(root) != ICAL_XROOT_COMPONENT)
        return {root};
    std::vector<icalcomponent *> calendars;
    for (icalcomponent *child = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); child;
         child = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        calendars.push_back(child);
    return calendars;
}

// libical takes any digits for a date (20260229 becomes 1 March).
bool exists(const icaltimetype &time)
{
    return time.year >= 1 && time.year <= 9999 && QDate(time.year, time.month, time.day).isValid()
        && (time.is_date || (time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60
                             && time.second >= 0 && time.second <= 60));
}

QString time_text(const icaltimetype &time)
{
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    QString text =
        QStringLiteral("%1-%2-%3").arg(time.year, 4, 10, QLatin1Char('0')).arg(two(time.month), two(time.day));
    if (!time.is_date)
        text += QStringLiteral(" %1:%2:%3").arg(two(time.hour), two(time.minute), two(time.second));
    return text;
}

// The state of one reading: its bounds, what it has spent, its holidays.
struct Reading
{
    int first_year = 0;
    int last_year = 0;
    QDate from;  // the recurring events' first day and the day after their last
    QDate to;
    const std::atomic<bool> *cancel = nullptr;
    Clock::duration expansion{};  // spent on recurring events so far
    std::vector<Holiday> holidays;  // in file order
    QString error;

    bool refuse(const QString &text)
    {
        error = text;
        return false;
    }
};

struct Event
{
    QString name;
    icaltimetype start;
    const icaltimezone *zone = nullptr;  // of timed occurrences' dates: DTSTART's, UTC for floating times
    int days = 1;  // an occurrence covers
    int occurrences = 0;  // and exceptions, so far
    std::set<QDate> excluded_days;
    std::set<time_t> excluded_times;
    std::vector<QDate> dates;
    Clock::time_point began;
};

bool check_time(Reading &reading, const Event &event, const icaltimetype &time)
{
    return exists(time)
        || reading.refuse(
               QCoreApplication::translate("dayvane", "the event \"%1\" has the date %2, which does not exist").arg(event.name, time_text(time)));
}

bool refuse_event(Reading &reading, const Event &event, const char *why)
{
    return reading.refuse(QCoreApplication::translate("dayvane", "the recurring event \"%1\" %2").arg(event.name, QLatin1String(why)));
}

bool count_occurrence(Reading &reading, Event &event)
{
    return ++event.occurrences <= kMaxOccurrences || refuse_event(reading, event, "repeats too often to expand");
}

bool keep_going(Reading &reading, const Event &event)
{
    if (is_cancelled(reading.cancel))
        return reading.refuse(QStringLiteral("cancelled"));
    const Clock::duration spent = Clock::now() - event.began;
    if (spent > kEventTime)
        return refuse_event(reading, event, "takes too long to expand");
    if (reading.expansion + spent > kFileTime) {
        return reading.refuse(
            QCoreApplication::translate("dayvane", "the recurring events take too long to expand (stopped at \"%1\")").arg(event.name));
    }
    return true;
}

// A time of the event in the zone of its start, where its date is read.
icaltimetype local(const Event &event, icaltimetype time)
{
    if (!time.is_date && time.zone && event.zone && time.zone != event.zone)
        time = icaltime_convert_to_zone(time, const_cast<icaltimezone *>(event.zone));
    return time;
}

time_t moment(const Event &event, const icaltimetype &time)
{
    return icaltime_as_timet_with_zone(time, time.zone ? time.zone : event.zone);
}

// Times from the file are checked before they come here; a rule's own
// occurrences always exist.
bool exclude(Reading &reading, Event &event, icaltimetype time)
{
    if (!count_occurrence(reading, event))
        return false;
    if (!exists(time))
        return true;
    time = local(event, time);
    if (time.is_date || event.start.is_date)
        event.excluded_days.insert(QDate(time.year, time.month, time.day));
    else
        event.excluded_times.insert(moment(event, time));
    return true;
}

bool add_occurrence(Reading &reading, Event &event, icaltimetype time)
{
    if (!count_occurrence(reading, event))
        return false;
    if (!exists(time))
        return true;
    time = local(event, time);
    const QDate first(time.year, time.month, time.day);
    if (event.excluded_days.count(first)
        || (!time.is_date && !event.excluded_times.empty() && event.excluded_times.count(moment(event, time))))
        return true;
    for (int day = 0; day < event.days; ++day)
        event.dates.push_back(first.addDays(day));
    return true;
}

// The window's bounds as times of the event's kind and zone.
icaltimetype bound(const QDate &date, const icaltimetype &start)
{
    icaltimetype time = start;
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    time.hour = time.minute = time.second = 0;
    return time;
}

int length(const short *values, int size)
{
    int count = 0;
    while (count < size && values[count] != ICAL_RECURRENCE_ARRAY_MAX)
        ++count;
    return count;
}

// The candidate times a day that libical's iterator steps through for the
// rule, whether or not its other parts let them through (about a
// microsecond each). Monthly and yearly rules step from one expanded day to
// the next: their steps are their occurrences.
double steps_a_day(const icalrecurrencetype &rule)
{
    const int seconds = length(rule.by_second, ICAL_BY_SECOND_SIZE);
    const int minutes = length(rule.by_minute, ICAL_BY_MINUTE_SIZE);
    const int hours = length(rule.by_hour, ICAL_BY_HOUR_SIZE);
    const double s = std::max(seconds, 1), m = std::max(minutes, 1), h = std::max(hours, 1);
    const double interval = std::max<int>(rule.interval, 1);
    switch (rule.freq) {
    case ICAL_SECONDLY_RECURRENCE:
        return seconds ? 1440 * s : 86400 / interval;
    case ICAL_MINUTELY_RECURRENCE:
        return (minutes ? 24 * m : 1440 / interval) * s;
    case ICAL_HOURLY_RECURRENCE:
        return (hours ? h : 24 / interval) * m * s;
    case ICAL_DAILY_RECURRENCE:
    case ICAL_WEEKLY_RECURRENCE:
        return h * m * s;
    default:
        return 0;
    }
}

bool has_parts(const icalrecurrencetype &rule)
{
    for (const short *values : {rule.by_second, rule.by_minute, rule.by_hour, rule.by_day, rule.by_month_day,
                                rule.by_year_day, rule.by_week_no, rule.by_month, rule.by_set_pos})
        if (values[0] != ICAL_RECURRENCE_ARRAY_MAX)
            return true;
    return false;
}

bool has_leap_month(const icalrecurrencetype &rule)
{
    for (int i = 0; i < ICAL_BY_MONTH_SIZE && rule.by_month[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        if (icalrecurrencetype_month_is_leap(rule.by_month[i]))
            return true;
    return false;
}

// A monthly or yearly rule whose month days (given, or DTSTART's) fit none
// of its months (30 February) never occurs; libical would search thousands
// of years for one.
bool never_occurs(const icalrecurrencetype &rule, const icaltimetype &start)
{
    if ((rule.freq != ICAL_MONTHLY_RECURRENCE && rule.freq != ICAL_YEARLY_RECURRENCE)
        || (rule.rscale && qstricmp(rule.rscale, "GREGORIAN") != 0) || rule.skip != ICAL_SKIP_OMIT
        || rule.by_year_day[0] != ICAL_RECURRENCE_ARRAY_MAX || rule.by_week_no[0] != ICAL_RECURRENCE_ARRAY_MAX)
        return false;
    const short start_day[] = {short(start.day), ICAL_RECURRENCE_ARRAY_MAX};
    const short *month_days = rule.by_month_day[0] != ICAL_RECURRENCE_ARRAY_MAX ? rule.by_month_day
        : rule.by_day[0] == ICAL_RECURRENCE_ARRAY_MAX                        ? start_day
                                                                             : nullptr;
    if (!month_days)
        return false;
    const int months = length(rule.by_month, ICAL_BY_MONTH_SIZE);
    for (int i = 0; i < (months ? months : 12); ++i) {
        const int month = months ? rule.by_month[i] : i + 1;
        const int days = month >= 1 && month <= 12 ? QDate(2024, month, 1).daysInMonth() : 0;
        for (int d = 0; d < ICAL_BY_MONTHDAY_SIZE && month_days[d] != ICAL_RECURRENCE_ARRAY_MAX; ++d)
            if (std::abs(month_days[d]) <= days)
                return false;
    }
    return true;
}

// Calls `take` with each occurrence of the rule up to the window's end
// (from the window's start when the rule has no COUNT), within the bounds.
template <typename Take>
bool expand_rule(Reading &reading, Event &event, icalrecurrencetype rule, Take take)
{
    if (rule.freq == ICAL_NO_RECURRENCE || rule.interval < 1 || never_occurs(rule, event.start))
        return true;
    // libical would search without end for a leap month that does not come.
    if (has_leap_month(rule))
        return refuse_event(reading, event, "repeats in a leap month, which cannot be expanded");
    // COUNT is counted here, so that UNTIL can bound libical's search.
    const int count = rule.count;
    rule.count = 0;
    // Holidays are whole days: one time a day gives the days of several.
    if (count == 0)
        for (short *values : {rule.by_hour, rule.by_minute, rule.by_second})
            if (values[0] != ICAL_RECURRENCE_ARRAY_MAX)
                values[1] = ICAL_RECURRENCE_ARRAY_MAX;
    const icaltimetype to = bound(reading.to, event.start);
    if (icaltime_is_null_time(rule.until) || icaltime_compare(rule.until, to) > 0)
        rule.until = to;
    const QDate start(event.start.year, event.start.month, event.start.day);
    const bool from_window = count == 0 && start < reading.from;
    const QDate until(rule.until.year, rule.until.month, rule.until.day);
    const qint64 days = std::max<qint64>((from_window ? reading.from : start).daysTo(until) + 1, 1);
    double steps = double(days) * steps_a_day(rule);
    if (count > 0 && !has_parts(rule))
        steps = std::min<double>(steps, count);
    if (steps > kMaxSteps)
        return refuse_event(reading, event, "repeats too often to expand");
    const std::unique_ptr<icalrecur_iterator, IteratorFree> iterator(icalrecur_iterator_new(rule, event.start));
    if (!iterator)
        return keep_going(reading, event);
    if (from_window)
        icalrecur_iterator_set_start(iterator.get(), bound(reading.from, event.start));
    for (int n = 0; count == 0 || n < count; ++n) {
        if (!keep_going(reading, event))
            return false;
        const icaltimetype time = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(time))
            break;
        if (!take(time))
            return false;
    }
    return keep_going(reading, event);
}

// Days an occurrence of an all-day event covers, from DTEND or DURATION
// (worked out here: libical's own addition steps a month at a time).
int days_covered(icalcomponent *component, const icaltimetype &start, const icaltimetype &end)
{
    if (!start.is_date)
        return 1;
    qint64 seconds = 0;
    if (!icaltime_is_null_time(end)) {
        seconds = icaltime_as_timet_with_zone(end, end.zone ? end.zone : icaltimezone_get_utc_timezone())
            - icaltime_as_timet_with_zone(start, icaltimezone_get_utc_timezone());
    } else if (icalproperty *property = icalcomponent_get_first_property(component, ICAL_DURATION_PROPERTY)) {
        const icaldurationtype duration = icalproperty_get_duration(property);
        seconds = ((qint64(duration.weeks) * 7 + duration.days) * 24 + duration.hours) * 3600
            + qint64(duration.minutes) * 60 + duration.seconds;
        seconds = duration.is_neg ? -seconds : seconds;
    }
    return int(std::clamp<qint64>((seconds + 86399) / 86400, 1, kMaxDaysPerEvent));
}

// The occurrences of a recurring event, without its exceptions.
bool expand_event(Reading &reading, Event &event, icalcomponent *component)
{
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype time = icalproperty_get_exdate(p);
        if (!icaltime_is_null_time(time) && (!check_time(reading, event, time) || !exclude(reading, event, time)))
            return false;
    }
    const auto excluded = [&](const icaltimetype &time) { return exclude(reading, event, time); };
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_EXRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_EXRULE_PROPERTY))
        if (!expand_rule(reading, event, icalproperty_get_exrule(p), excluded))
            return false;
    if (!add_occurrence(reading, event, event.start))
        return false;
    const auto occurs = [&](const icaltimetype &time) { return add_occurrence(reading, event, time); };
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_RRULE_PROPERTY))
        if (!expand_rule(reading, event, icalproperty_get_rrule(p), occurs))
            return false;
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype date = icalproperty_get_rdate(p);
        const icaltimetype time = icaltime_is_null_time(date.time) ? date.period.start : date.time;
        if (icaltime_is_null_time(time))
            continue;
        if (!check_time(reading, event, time) || !keep_going(reading, event) || !add_occurrence(reading, event, time))
            return false;
    }
    return true;
}

bool add_event(Reading &reading, icalcomponent *component)
{
    const char *summary = icalcomponent_get_summary(component);
    Event event;
    event.name = clean_holiday_name(summary ? QString::fromUtf8(summary) : QString());
    event.start = icalcomponent_get_dtstart(component);
    if (event.name.isEmpty() || icaltime_is_null_time(event.start))
        return true;
    const icaltimetype end = icalcomponent_get_first_property(component, ICAL_DTEND_PROPERTY)
        ? icalcomponent_get_dtend(component) : icaltime_null_time();
    if (!check_time(reading, event, event.start) || (!icaltime_is_null_time(end) && !check_time(reading, event, end)))
        return false;
    event.zone = event.start.is_date ? nullptr : event.start.zone ? event.start.zone : icaltimezone_get_utc_timezone();
    event.days = days_covered(component, event.start, end);
    const bool recurring = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY)
        || icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY);
    if (recurring) {
        event.began = Clock::now();
        const bool expanded = expand_event(reading, event, component);
        reading.expansion += Clock::now() - event.began;
        if (!expanded)
            return false;
    } else if (!add_occurrence(reading, event, event.start)) {
        return false;
    }
    std::sort(event.dates.begin(), event.dates.end());
    event.dates.erase(std::unique(event.dates.begin(), event.dates.end()), event.dates.end());
    // Single events keep their own year; recurring ones the years asked for.
    for (const QDate &day : event.dates) {
        if (!recurring || (day.year() >= reading.first_year && day.year() <= reading.last_year))
            reading.holidays.push_back({day, event.name});
    }
    return reading.holidays.size() <= kMaxHolidays
        || reading.refuse(QCoreApplication::translate("dayvane", "the file gives more than %1 holidays").arg(kMaxHolidays));
}

} // namespace

std::optional<HolidayList> read_icalendar_text(const QByteArray &text, const QString &fallback_name,
                                               int first_year, int last_year, QString *error,
                                               const std::atomic<bool> *cancel)
{
    // A malformed file must not end the server.
    icalerror_set_errors_are_fatal(0);
    if (is_cancelled(cancel)) {
        *error = QStringLiteral("cancelled");
        return std::nullopt;
    }
    if (text.size() > kMaxTextBytes) {
        *error = QCoreApplication::translate("dayvane", "the file is larger than 32 MB");
        return std::nullopt;
    }
    Reading reading;
    reading.first_year = std::max(first_year, 1);
    reading.last_year = std::min(last_year, 9998);
    reading.from = std::max(QDate(reading.first_year, 1, 1).addMonths(-1), QDate(1, 1, 1));
    reading.to = QDate(reading.last_year + 1, 2, 1);
    reading.cancel = cancel;
    const Component root = parse(utf8_text(text), cancel, &reading.error);
    if (!reading.error.isEmpty()) {
        *error = reading.error;
        return std::nullopt;
    }
    if (!root || (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT
                  && icalcomponent_isa(root.get()) != ICAL_XROOT_COMPONENT)) {
        *error = QCoreApplication::translate("dayvane", "not an iCalendar object (BEGIN:VCALENDAR ... END:VCALENDAR)");
        return std::nullopt;
    }
    HolidayList list;
    for (icalcomponent *calendar : calendars_of(root.get())) {
        if (list.name.isEmpty())
            list.name = clean_holiday_name(x_property(calendar, "X-WR-CALNAME"));
        if (list.id == 0) {
            bool ok = false;
            const int id = x_property(calendar, "X-DAYVANE-LIST-ID").trimmed().toInt(&ok);
            list.id = ok && id > 0 ? id : 0;
        }
        for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            if (is_cancelled(cancel))
                reading.error = QStringLiteral("cancelled");
            if (!reading.error.isEmpty() || !add_event(reading, event)) {
                *error = reading.error;
                return std::nullopt;
            }
        }
    }
    if (list.name.isEmpty())
        list.name = clean_holiday_name(fallback_name);
    add_holidays(list, std::move(reading.holidays));
    return list;
}

std::optional<HolidayList> read_icalendar_file(const QString &path, int first_year, int last_year, QString *error,
                                               const std::atomic<bool> *cancel)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(name, file.errorString());
        return std::nullopt;
    }
    // One byte over the bound is enough to refuse it.
    std::optional<HolidayList> list = read_icalendar_text(
        file.read(kMaxTextBytes + 1), QFileInfo(path).completeBaseName(), first_year, last_year, error, cancel);
    if (!list && *error != u"cancelled")
        *error = name + QStringLiteral(": ") + *error;
    return list;
}

} // namespace dayvane
