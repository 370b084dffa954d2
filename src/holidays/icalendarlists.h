#pragma once

#include "holidays/holidaylist.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <optional>

namespace dayvane {

// Reads an iCalendar text (RFC 5545) as one holiday list, with libical.
//
// The text is UTF-8; a text that is not valid UTF-8 is read as Latin-1, NUL
// bytes and a byte order mark are dropped. The list's name is the calendar's
// X-WR-CALNAME, else `fallback_name`; its id is X-DAYVANE-LIST-ID when that
// is a number above 0, else 0 (the caller assigns one).
//
// Every VEVENT with a SUMMARY and a DTSTART is a holiday on the date of its
// start; an all-day event spanning several days (DTEND or DURATION) gives one
// holiday a day, at most 31, a timed one only its start date, in the zone of
// its start. Single events are kept whatever their year. Recurring events
// (RRULE, RDATE, EXDATE, EXRULE) are expanded over the years
// `first_year`..`last_year` with a month's margin on each side, so that an
// event crossing the turn of a year or starting late on 31 December in any
// zone keeps its days; only days of those years are kept. Events without a
// summary or start are skipped. The list holds each date and name once.
//
// Bounds, so that no file makes the reader hang or run out of memory: a text
// of at most 32 MB, content lines (unfolded) of at most 256 KB, components
// nested at most 32 deep; a recurring event gives at most 100,000
// occurrences and takes at most 250 ms to expand, the recurring events of a
// file at most 1.5 s in all (a rule whose expansion would step through more
// than 200,000 candidate times over the years, say FREQ=SECONDLY or
// FREQ=MINUTELY, is refused without expanding it); a file gives at most
// 1,000,000 holidays.
//
// Returns nullopt, with `error` set, when the text is not an iCalendar
// object, an event has a date that does not exist (20260229), or a bound is
// passed (the message names the event). When `cancel` turns true, reading
// stops within a few milliseconds (one call into libical for a contrived
// rule may take a few hundred) and returns nullopt with `error` "cancelled".
// Safe to run on a worker thread.
std::optional<HolidayList> read_icalendar_text(const QByteArray &text, const QString &fallback_name,
                                               int first_year, int last_year, QString *error,
                                               const std::atomic<bool> *cancel = nullptr);

// The same for a file; the fallback name is the file's base name, and an
// error but "cancelled" starts with the file's name.
std::optional<HolidayList> read_icalendar_file(const QString &path, int first_year, int last_year, QString *error,
                                               const std::atomic<bool> *cancel = nullptr);

} // namespace dayvane
