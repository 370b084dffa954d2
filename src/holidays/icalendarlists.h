#pragma once

#include "holidays/holidaylist.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <optional>

namespace dayvane {

// Reads an iCalendar text (RFC 5545, UTF-8) as one holiday list, with
// libical. The list's name is the calendar's X-WR-CALNAME, else `fallback_name`;
// its id is X-DAYVANE-LIST-ID when that is a number above 0, else 0 (the
// caller assigns one). Every VEVENT with a SUMMARY and a DTSTART is a
// holiday on the date of its start; an all-day event spanning several days
// (DTEND or DURATION) gives one holiday a day, at most 31, a timed one only
// its start date. Recurring events (RRULE, RDATE, EXDATE) are expanded over the
// years `first_year`..`last_year`; single events are kept whatever their
// year. Events without a summary or start are skipped. Returns nullopt, with
// `error` set, when the text is not an iCalendar object.
std::optional<HolidayList> read_icalendar_text(const QByteArray &text, const QString &fallback_name,
                                               int first_year, int last_year, QString *error);

// The same for a file; the fallback name is the file's base name.
std::optional<HolidayList> read_icalendar_file(const QString &path, int first_year, int last_year, QString *error,
                                               const std::atomic<bool> *cancel = nullptr);

} // namespace dayvane
