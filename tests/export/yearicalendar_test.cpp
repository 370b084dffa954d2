#include "export/yearicalendar.h"

#include "exportsample.h"

#include <QDateTime>
#include <QTimeZone>

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace dayvane;

namespace {

struct ComponentFree {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};

// What libical reads from one event: the times in UTC for timed events, the
// dates for all-day ones.
struct ReadEvent {
    QString summary;
    QString start;
    QString end;
    friend bool operator==(const ReadEvent &, const ReadEvent &) = default;
};
void PrintTo(const ReadEvent &event, std::ostream *out)
{
    *out << event.summary.toStdString() << " " << event.start.toStdString() << ".." << event.end.toStdString();
}

QString utc_text(icaltimetype time)
{
    if (time.is_date)
        return QString::asprintf("%04d-%02d-%02d", time.year, time.month, time.day);
    const icaltimetype utc = icaltime_convert_to_zone(time, icaltimezone_get_utc_timezone());
    return QString::asprintf("%04d-%02d-%02d %02d:%02dZ", utc.year, utc.month, utc.day, utc.hour, utc.minute);
}

// Every event by UID, as libical parses `ics`.
std::map<QString, ReadEvent> read_with_libical(const QByteArray &ics)
{
    std::unique_ptr<icalcomponent, ComponentFree> calendar(icalparser_parse_string(ics.constData()));
    EXPECT_TRUE(calendar);
    std::map<QString, ReadEvent> events;
    if (!calendar)
        return events;
    EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0);
    EXPECT_STREQ(icalproperty_get_version(icalcomponent_get_first_property(calendar.get(), ICAL_VERSION_PROPERTY)),
                 "2.0");
    for (icalcomponent *event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        EXPECT_TRUE(icaltime_is_utc(icalcomponent_get_dtstamp(event)));
        events[QString::fromUtf8(icalcomponent_get_uid(event))] = {
            QString::fromUtf8(icalcomponent_get_summary(event)), utc_text(icalcomponent_get_dtstart(event)),
            utc_text(icalcomponent_get_dtend(event))};
    }
    return events;
}

QString comment_read_back(QString comment)
{
    return comment.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

struct ZoneCase {
    const char *zone;
    // UTC times of Jan 2 08:00..12:00, Mar 15 22:00..06:00, and Mar 30
    // 22:00..06:00, a night that in Europe loses an hour.
    const char *jan2[2];
    const char *mar15[2];
    const char *mar30[2];
};

void PrintTo(const ZoneCase &zone_case, std::ostream *out)
{
    *out << zone_case.zone;
}

class YearICalendar : public testing::TestWithParam<ZoneCase> {};

TEST_P(YearICalendar, ReadsBackWithLibical)
{
    const ZoneCase &zone_case = GetParam();
    const QTimeZone zone(zone_case.zone);
    ASSERT_TRUE(zone.isValid());
    CalendarYear year = test::sample_year();
    year.add_day({2, QDate(2024, 3, 30), 0, 0, 480, 480, QStringLiteral("y@1320>1800"), {}});

    const QDateTime stamp(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
    const QByteArray ics = year_icalendar(year, year.calendar_name(), zone, stamp);
    const std::map<QString, ReadEvent> events = read_with_libical(ics);
    const auto work = [](const char *const (&times)[2]) {
        return ReadEvent{u"Work (Night Shift)"_qs, QString::fromLatin1(times[0]), QString::fromLatin1(times[1])};
    };
    const std::map<QString, ReadEvent> expected{
        {u"20240102-period1-calendar7@dayvane"_qs, work(zone_case.jan2)},
        {u"20240102-period2-calendar7@dayvane"_qs, {}},  // times checked by the first period
        {u"20240102-comment-calendar7@dayvane"_qs,
         {comment_read_back(test::kHostileComment), u"2024-01-02"_qs, u"2024-01-03"_qs}},
        {u"20240315-period1-calendar7@dayvane"_qs, work(zone_case.mar15)},
        {u"20240315-comment-calendar7@dayvane"_qs, {test::kSeparatorComment, u"2024-03-15"_qs, u"2024-03-16"_qs}},
        {u"20240330-period1-calendar7@dayvane"_qs, work(zone_case.mar30)},
        {u"20240704-period1-calendar7@dayvane"_qs, {}},
        {u"20241231-comment-calendar7@dayvane"_qs, {u"End\nof year"_qs, u"2024-12-31"_qs, u"2025-01-01"_qs}},
    };
    ASSERT_EQ(events.size(), expected.size());  // Dec 31 2023 left out
    for (const auto &[uid, event] : expected) {
        ASSERT_TRUE(events.count(uid)) << uid.toStdString();
        if (!event.summary.isEmpty()) {
            EXPECT_EQ(events.at(uid), event) << uid.toStdString();
        }
    }
    EXPECT_EQ(events.at(u"20240704-period1-calendar7@dayvane"_qs).summary, u"Paid, no work (Night Shift)");

    // Folded lines: at most 75 octets, none starting inside a character.
    for (const QByteArray &line : ics.split('\n')) {
        EXPECT_LE(line.size(), 76) << line.toStdString();  // with its CR
        if (line.startsWith(' ') && line.size() > 1) {
            EXPECT_NE(uchar(line.at(1)) & 0xC0, 0x80) << line.toStdString();
        }
    }
    // A later export is the same file but for its stamp: the UIDs stay.
    QByteArray later = year_icalendar(year, year.calendar_name(), zone, stamp.addDays(3));
    EXPECT_NE(later, ics);
    EXPECT_EQ(later.replace("20240504T120000Z", "20240501T120000Z"), ics);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, YearICalendar,
    testing::Values(ZoneCase{"UTC",
                             {"2024-01-02 08:00Z", "2024-01-02 12:00Z"},
                             {"2024-03-15 22:00Z", "2024-03-16 06:00Z"},
                             {"2024-03-30 22:00Z", "2024-03-31 06:00Z"}},
                    ZoneCase{"Europe/Berlin",
                             {"2024-01-02 07:00Z", "2024-01-02 11:00Z"},
                             {"2024-03-15 21:00Z", "2024-03-16 05:00Z"},
                             {"2024-03-30 21:00Z", "2024-03-31 04:00Z"}},
                    ZoneCase{"America/New_York",
                             {"2024-01-02 13:00Z", "2024-01-02 17:00Z"},
                             {"2024-03-16 02:00Z", "2024-03-16 10:00Z"},
                             {"2024-03-31 02:00Z", "2024-03-31 10:00Z"}}),
    [](const testing::TestParamInfo<ZoneCase> &info) {
        return std::string(info.param.zone == std::string("UTC") ? "Utc" : info.index == 1 ? "Berlin" : "NewYork");
    });

} // namespace
