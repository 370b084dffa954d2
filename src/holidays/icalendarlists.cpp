#include "holidays/icalendarlists.h"

#include <QFile>
#include <QFileInfo>

#include <libical/ical.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace dayvane {

namespace {

constexpr int kMaxDaysPerEvent = 31;

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

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

bool recurs(icalcomponent *event)
{
    return icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)
        || icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
}

// The days of every occurrence, collected by the recurrence callback.
struct Collector
{
    const icaltimezone *zone = nullptr;  // of DTSTART; UTC for dates and floating times
    bool is_date = true;
    time_t length = 0;  // seconds from an occurrence's start to its end
    std::vector<QDate> days;
};

QDate local_date(time_t moment, const Collector &collector)
{
    const icaltimetype time = icaltime_from_timet_with_zone(moment, collector.is_date, collector.zone);
    return QDate(time.year, time.month, time.day);
}

// Each occurrence of an all-day event covers the days from its start to just
// before its end (an event of one day ends at the next midnight). The event's own
// length is used, not the span's end, which libical stretches to the end of
// the last day for all-day events.
void collect_occurrence(icalcomponent *, icaltime_span *span, void *data)
{
    auto *collector = static_cast<Collector *>(data);
    const QDate first = local_date(span->start, *collector);
    const QDate last = local_date(span->start + std::max<time_t>(collector->length - 1, 0), *collector);
    if (!first.isValid())
        return;
    // A timed event (a shift, a closing afternoon) belongs to the day it starts.
    const qint64 count = collector->is_date ? std::clamp<qint64>(first.daysTo(last) + 1, 1, kMaxDaysPerEvent) : 1;
    for (qint64 day = 0; day < count; ++day)
        collector->days.push_back(first.addDays(day));
}

// Seconds from DTSTART to DTEND (DTEND worked out from DURATION, or the
// implicit end, by libical).
time_t event_length(icalcomponent *event, const icaltimetype &start, const icaltimezone *zone)
{
    const icaltimetype end = icalcomponent_get_dtend(event);
    if (icaltime_is_null_time(end))
        return 0;
    const icaltimezone *end_zone = end.zone ? end.zone : zone;
    return icaltime_as_timet_with_zone(end, end_zone) - icaltime_as_timet_with_zone(start, zone);
}

icaltimetype year_start(int year)
{
    icaltimetype time = icaltime_null_date();
    time.year = year;
    time.month = 1;
    time.day = 1;
    return time;
}

void add_event(HolidayList &list, icalcomponent *event, int first_year, int last_year)
{
    const char *summary = icalcomponent_get_summary(event);
    const QString name = clean_holiday_name(summary ? QString::fromUtf8(summary) : QString());
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (name.isEmpty() || icaltime_is_null_time(start) || !icaltime_is_valid_time(start))
        return;
    Collector collector;
    collector.is_date = icaltime_is_date(start);
    collector.zone = (start.zone && !collector.is_date) ? start.zone : icaltimezone_get_utc_timezone();
    collector.length = event_length(event, start, collector.zone);
    // Single events keep their own year; recurring ones are bounded.
    const bool bounded = recurs(event);
    const icaltimetype from = year_start(bounded ? first_year : 1);
    const icaltimetype to = year_start(bounded ? last_year + 1 : 9999);
    icalcomponent_foreach_recurrence(event, from, to, collect_occurrence, &collector);
    for (const QDate &day : collector.days) {
        if (!bounded || (day.year() >= first_year && day.year() <= last_year))
            add_holiday(list, day, name);
    }
}

} // namespace

std::optional<HolidayList> read_icalendar_text(const QByteArray &text, const QString &fallback_name,
                                               int first_year, int last_year, QString *error)
{
    // A malformed file must not end the server.
    icalerror_set_errors_are_fatal(0);
    const Component root(icalparser_parse_string(text.constData()));
    if (!root || (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT
                  && icalcomponent_isa(root.get()) != ICAL_XROOT_COMPONENT)) {
        *error = QStringLiteral("not an iCalendar object (BEGIN:VCALENDAR ... END:VCALENDAR)");
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
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            add_event(list, event, first_year, last_year);
    }
    if (list.name.isEmpty())
        list.name = clean_holiday_name(fallback_name);
    return list;
}

std::optional<HolidayList> read_icalendar_file(const QString &path, int first_year, int last_year, QString *error,
                                               const std::atomic<bool> *cancel)
{
    if (cancel && *cancel) {
        *error = QStringLiteral("cancelled");
        return std::nullopt;
    }
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(name, file.errorString());
        return std::nullopt;
    }
    std::optional<HolidayList> list =
        read_icalendar_text(file.readAll(), QFileInfo(path).completeBaseName(), first_year, last_year, error);
    if (!list)
        *error = name + QStringLiteral(": ") + *error;
    return list;
}

} // namespace dayvane
