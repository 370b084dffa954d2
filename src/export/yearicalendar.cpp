#include "export/yearicalendar.h"

#include "model/timesegments.h"
#include "calendaryear/calendaryear.h"
#include "store/databaseid.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace dayvane {

namespace {

constexpr qsizetype kLineOctets = 75;

bool is_control(QChar c)
{
    return c.category() == QChar::Other_Control && c != QLatin1Char('\t');
}

// TEXT values: backslash, semicolon, comma and line breaks escaped; other
// control characters, which the standard does not allow, left out.
QString escaped(QString text)
{
    text.removeIf([](QChar c) { return is_control(c) && c != QLatin1Char('\r') && c != QLatin1Char('\n'); });
    text.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    text.replace(QLatin1String(";"), QLatin1String("\\;"));
    text.replace(QLatin1String(","), QLatin1String("\\,"));
    text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

// A parameter value as written after "=": between double quotes when it
// holds a colon, semicolon or comma; nullopt when it holds a double quote or
// a control character, which no parameter value can.
std::optional<QString> parameter_value(const QString &value)
{
    if (value.contains(QLatin1Char('"')) || std::any_of(value.begin(), value.end(), is_control))
        return std::nullopt;
    const bool plain = std::none_of(value.begin(), value.end(), [](QChar c) {
        return c == QLatin1Char(':') || c == QLatin1Char(';') || c == QLatin1Char(',');
    });
    return plain ? value : QLatin1Char('"') + value + QLatin1Char('"');
}

class Writer
{
public:
    // One content line, folded: a continuation line starts with a space,
    // which counts towards its 75 octets; a cut never splits a character.
    void line(const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        qsizetype pos = 0;
        qsizetype room = kLineOctets;
        while (utf8.size() - pos > room) {
            qsizetype cut = pos + room;
            while (cut > pos && (uchar(utf8.at(cut)) & 0xC0) == 0x80)
                --cut;
            m_out += utf8.mid(pos, cut - pos);
            m_out += "\r\n ";
            pos = cut;
            room = kLineOctets - 1;
        }
        m_out += utf8.mid(pos);
        m_out += "\r\n";
    }
    QByteArray take() { return std::move(m_out); }

private:
    QByteArray m_out;
};

QString date_value(QDate date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

// `minutes` after midnight of `date`, later days included, as local time.
QString local_value(QDate date, qint32 minutes)
{
    const QDate day = date.addDays(minutes / kMinutesPerDay);
    const qint32 in_day = minutes % kMinutesPerDay;
    return date_value(day) + QLatin1Char('T') + QTime(in_day / 60, in_day % 60).toString(QStringLiteral("HHmmss"));
}

QString local_value(const QDateTime &utc, int offset_seconds)
{
    return utc.addSecs(offset_seconds).toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
}

QString offset_value(int seconds)
{
    const QChar sign = seconds < 0 ? QLatin1Char('-') : QLatin1Char('+');
    seconds = std::abs(seconds);
    const auto two_digits = [](int value) { return QString::number(value).rightJustified(2, QLatin1Char('0')); };
    QString text = sign + two_digits(seconds / 3600) + two_digits(seconds / 60 % 60);
    if (seconds % 60 != 0)
        text += two_digits(seconds % 60);
    return text;
}

void observance(Writer &out, bool daylight, const QString &start, int from, int to, const QString &name)
{
    const QString kind = daylight ? QStringLiteral("DAYLIGHT") : QStringLiteral("STANDARD");
    out.line(QStringLiteral("BEGIN:") + kind);
    out.line(QStringLiteral("DTSTART:") + start);
    out.line(QStringLiteral("TZOFFSETFROM:") + offset_value(from));
    out.line(QStringLiteral("TZOFFSETTO:") + offset_value(to));
    if (!name.isEmpty())
        out.line(QStringLiteral("TZNAME:") + escaped(name));
    out.line(QStringLiteral("END:") + kind);
}

// The rule in force when the year's first local day begins and every change
// up to the end of the day after it (a period of December 31 may end then).
void time_zone(Writer &out, const QTimeZone &zone, int year)
{
    const QDateTime from(QDate(year - 1, 12, 30), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(year + 1, 1, 3), QTime(0, 0), Qt::UTC);
    QTimeZone::OffsetDataList changes;
    if (zone.hasTransitions()) {
        const QTimeZone::OffsetData before = zone.previousTransition(from);
        if (before.atUtc.isValid())
            changes.append(before);
        changes.append(zone.transitions(from, to));
    }
    out.line(QStringLiteral("BEGIN:VTIMEZONE"));
    out.line(QStringLiteral("TZID:") + escaped(QString::fromUtf8(zone.id())));
    if (changes.isEmpty()) {
        const int offset = zone.offsetFromUtc(from);
        observance(out, false, QStringLiteral("19700101T000000"), offset, offset,
                   zone.abbreviation(from));
    }
    for (const QTimeZone::OffsetData &change : changes) {
        const int before = zone.offsetFromUtc(change.atUtc.addSecs(-1));
        observance(out, change.daylightTimeOffset != 0, local_value(change.atUtc, before), before,
                   change.offsetFromUtc, change.abbreviation);
    }
    out.line(QStringLiteral("END:VTIMEZONE"));
}

} // namespace

QByteArray year_icalendar(const CalendarYear &year, const QString &calendar_name, const QTimeZone &wanted_zone,
                          const QDateTime &stamp, const QString &database_id)
{
    // A workstation whose zone Qt cannot name gets its times as UTC rather
    // than a file without a valid TZID.
    const QTimeZone zone = wanted_zone.isValid() ? wanted_zone : QTimeZone::utc();
    // A zone whose id no parameter can hold (a double quote or a control
    // character in it) has its times converted to UTC.
    const std::optional<QString> zone_parameter = parameter_value(QString::fromUtf8(zone.id()));
    const QTimeZone written_zone = zone_parameter ? zone : QTimeZone::utc();
    const QString tzid = zone_parameter.value_or(QStringLiteral("UTC"));
    const auto time_value = [&](QDate date, qint32 minutes) {
        if (zone_parameter)
            return local_value(date, minutes);
        const QDateTime local(date.addDays(minutes / kMinutesPerDay),
                              QTime(minutes % kMinutesPerDay / 60, minutes % 60), zone);
        return local_value(local.toUTC(), 0);
    };
    Writer out;
    const QString dtstamp = QStringLiteral("DTSTAMP:") + stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const QString calendar = escaped(calendar_name);
    // Without a stored id (a database that cannot be written just now) the
    // UIDs are unique to this export: its events never replace another
    // database's, though importing a later export adds copies instead of
    // updating them.
    const QString uid_tail = QStringLiteral("-calendar%1-%2@dayvane")
                                 .arg(year.calendar_id())
                                 .arg(database_id.isEmpty() ? new_database_id() : database_id);

    out.line(QStringLiteral("BEGIN:VCALENDAR"));
    out.line(QStringLiteral("VERSION:2.0"));
    out.line(QStringLiteral("PRODID:-//Dayvane//Dayvane work calendar//EN"));
    out.line(QStringLiteral("CALSCALE:GREGORIAN"));
    out.line(QStringLiteral("METHOD:PUBLISH"));
    out.line(QStringLiteral("X-WR-CALNAME:") + calendar);
    time_zone(out, written_zone, year.year());

    const QDate last(year.year(), 12, 31);
    for (QDate date(year.year(), 1, 1); date <= last; date = date.addDays(1)) {
        const DayEntry *day = year.entry(date);
        if (!day)
            continue;
        const std::vector<TimePeriod> periods = decode_time_segments(day->time_segments);
        for (std::size_t i = 0; i < periods.size(); ++i) {
            const TimePeriod &period = periods[i];
            const qint32 end = period.start < period.end ? period.end : period.end + kMinutesPerDay;
            out.line(QStringLiteral("BEGIN:VEVENT"));
            out.line(QStringLiteral("UID:%1-period%2%3").arg(date_value(date)).arg(i + 1).arg(uid_tail));
            out.line(dtstamp);
            out.line(QStringLiteral("DTSTART;TZID=%1:%2").arg(tzid, time_value(date, period.start)));
            out.line(QStringLiteral("DTEND;TZID=%1:%2").arg(tzid, time_value(date, end)));
            out.line(QStringLiteral("SUMMARY:%1 (%2)")
                         .arg(period.worked() ? QStringLiteral("Work") : QStringLiteral("Paid\\, no work"), calendar));
            out.line(QStringLiteral("END:VEVENT"));
        }
        if (!day->comment.trimmed().isEmpty()) {
            out.line(QStringLiteral("BEGIN:VEVENT"));
            out.line(QStringLiteral("UID:%1-comment%2").arg(date_value(date), uid_tail));
            out.line(dtstamp);
            out.line(QStringLiteral("DTSTART;VALUE=DATE:") + date_value(date));
            out.line(QStringLiteral("DTEND;VALUE=DATE:") + date_value(date.addDays(1)));
            out.line(QStringLiteral("SUMMARY:") + escaped(day->comment));
            // A note on a day does not make its owner busy.
            out.line(QStringLiteral("TRANSP:TRANSPARENT"));
            out.line(QStringLiteral("END:VEVENT"));
        }
    }
    out.line(QStringLiteral("END:VCALENDAR"));
    return out.take();
}

} // namespace dayvane
