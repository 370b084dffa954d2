#pragma once

#include <QByteArray>
#include <QString>

class QDateTime;
class QTimeZone;

namespace dayvane {

class CalendarYear;

// The days of the loaded year itself (January 1 to December 31) as an
// iCalendar file (RFC 5545):
// - every period of a day as a timed event in `zone`, "Work (<calendar>)" or
//   "Paid, no work (<calendar>)" with `calendar_name` (the open calendar's
//   current name: a rename does not reload the year); a period that ends at or before its start
//   time ends the next day, as the day views count it;
// - every day with a comment as an all-day event whose summary is the
//   comment.
// The times are written as wall-clock times of `zone` with a VTIMEZONE built
// from the zone's transitions around the year (a zone without transitions,
// UTC for one, gets a single STANDARD block); a TZID holding ":", ";" or ","
// (a POSIX TZ such as "CET-1CEST,M3.5.0,M10.5.0/3") is quoted, and a zone
// whose id cannot be a parameter at all (a double quote or a control
// character in it) has its times converted to UTC. An invalid `zone` writes
// the times as UTC.
// UIDs depend only on `database_id` (see databaseid.h), the calendar id, the
// date and the period's position (or "comment"): unique to the database, and
// stable, so that a calendar program importing a later export updates the
// events it has instead of adding copies. An empty `database_id` gives UIDs
// unique to this export.
// Text values leave out control characters other than tabs and line breaks
// (written "\n").
// `stamp` is the DTSTAMP of every event, written in UTC. Lines end in CRLF
// and fold at 75 octets, never inside a UTF-8 sequence.
QByteArray year_icalendar(const CalendarYear &year, const QString &calendar_name, const QTimeZone &zone,
                          const QDateTime &stamp, const QString &database_id);

} // namespace dayvane
