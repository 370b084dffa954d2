#pragma once

#include "holidays/holidaylist.h"
#include "holidays/holidayreply.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace dayvane {

// The holiday lists dayvane-web offers. Each list belongs to one owner (a
// country, or an organisation that publishes its own days) and holds
// holidays for one or more years. Lists come from the files of a data
// folder:
// - "*.holidays": lists generated from a holiday library, one or more a
//   file (generator/generate-holiday-lists.js describes the format);
// - "*.ics": iCalendar files an organisation drops in (read by
//   holidays/icalendarlists.h, which the program uses too).

// The text that separates the reply's preamble from the list, and the marker
// that must open the list (33 characters, spelled so). Named apart from the
// client's constants in src/holidays, which a program may link beside these.
inline const QString kWebReplySeparator = QStringLiteral("~boundary~");
inline const QString kWebListMarker = QStringLiteral("*** Corvantelle holdiday list ***");

// Reads one "*.holidays" file (UTF-8): every "list" line starts a list, so a
// file holds one list or more. On failure returns nullopt and sets `error`
// to a one-line reason with the file name and line number.
std::optional<std::vector<HolidayList>> read_holiday_file(const QString &path, QString *error);

// The most holidays a list may have in one year: more than a year has days,
// which no list of days off needs, is a list gone wrong.
inline constexpr int kMaxHolidaysInYear = 366;

// The lists of a data folder: the "*.holidays" files in the order of their
// ids, then every "*.ics" file in file name order. An iCalendar list without an
// id of its own gets the next id above every id in use. Recurring iCalendar
// events are expanded over `first_year`..`last_year`. Each list keeps one
// holiday per date and name. Files that cannot be read, and lists whose id
// repeats an earlier one or is above kHighestListId, or with more than
// kMaxHolidaysInYear holidays in a year, are left out with a line in
// `warnings`.
std::vector<HolidayList> load_holiday_folder(const QString &folder, int first_year, int last_year,
                                             QStringList *warnings);

// Drops the years outside `first_year`..`last_year`.
void keep_years(std::vector<HolidayList> &lists, int first_year, int last_year);

// Keeps the lists whose code matches one of `patterns`: a code ("de-by"),
// or a wildcard pattern ("us-*" for every region of the United States, not
// the nationwide list), in any case. Returns the patterns that matched no
// list.
QStringList keep_lists(std::vector<HolidayList> &lists, const QStringList &patterns);

// The id of one list's year: list id * 10000 + year, stable across runs.
int year_list_id(int list_id, int year);

// The highest list id whose year list ids, for every year up to 9999, fit the
// exchange's 32-bit numbers. The data folder refuses lists above it.
inline constexpr int kHighestListId = 214747;

// "m/d/yyyy" without padding of month and day ("7/4/2026").
QString holiday_date_text(const QDate &date);

// The records of the holiday-list exchange: per list "C=id^name|", then per
// year "Y=list id^year list id^year|" followed by that year's holidays as
// "H=list id^year list id^m/d/yyyy^name|". Every record ends with "|".
QString holiday_payload(const std::vector<HolidayList> &lists);

// The most bytes (UTF-8) a holiday reply's payload may take: a client refuses
// a reply above kMaxHolidayReplyBytes, and 4 KiB stay for the status line,
// the headers and the preamble.
inline constexpr qsizetype kMaxWebPayloadBytes = kMaxHolidayReplyBytes - 4096;

// Leaves out every list whose records would take the payload above
// `max_bytes`, with a line in `warnings` each, so that one large list cannot
// make a client refuse them all. Earlier lists are kept first: the generated
// ones before the files an organisation drops in.
void fit_payload(std::vector<HolidayList> &lists, qsizetype max_bytes, QStringList *warnings);

// The whole body of a holiday reply: a few preamble lines, the separator, the
// marker and then `payload` unchanged.
QString holiday_reply(const QString &payload);

// A copy of `reply` broken off halfway through what follows the marker (or
// halfway through the whole text when it has no marker), without any "|" at
// its end: what a client sees of a transfer that stopped early.
QString cut_short(const QString &reply);

} // namespace dayvane
