#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace dayvane {

// The fixed text forms of times, durations and dates. They do not follow the
// user's locale: designators and month names are always the English ones, so
// stored and printed texts read the same on every workstation.

// Time of day as "hh:mm AM" / "hh:mm PM" (12-hour clock, both fields two
// digits), e.g. "08:00 AM", "12:05 PM". `minutes` after midnight is taken
// modulo one day, so an end of 1800 shows as "06:00 AM"; negative values wrap
// the same way.
QString format_time_of_day(qint32 minutes);

// Time of day as typed into the editor's time boxes: "8:30 am", "12:05 pm"
// (hour not padded, lower-case designator). Taken modulo one day.
QString format_editor_time(qint32 minutes);

// Durations: "Nhrs Mmin" in the editor ("8hrs 30min"), "Nh Mm" in the views,
// summaries and reports ("9h 0m"). Neither part is padded. A negative value
// (only malformed data produces one) shows a leading "-" before the
// magnitude: -90 gives "-1h 30m".
QString format_editor_duration(qint64 minutes);
QString format_minutes(qint64 minutes);

// Dates. Every form of an invalid date is "".
QString format_editor_date(const QDate &date);   // "03-15-2024"
QString format_list_date(const QDate &date);     // "Mar-15"
// The full English name of `month` (1..12): "March".
QString full_month_name(int month);
QString format_query_date(const QDate &date);    // "=#3/15/2024#", a stored-query parameter
QString format_settings_date(const QDate &date); // "3/15/2024", the settings file

// Reads "m/d/yyyy" as the settings file holds it: one or two digits for month
// and day, one to four for the year, blanks around the text ignored. Anything
// else, or a date that does not exist (2/30/2024), gives nullopt.
std::optional<QDate> parse_settings_date(const QString &text);

// What the windows show of dates, times of day and month names: the fixed
// forms above, unless the workstation chose its locale's forms ("08.01.24",
// "08:00", "Januar" in German). Stored, exported, printed and typed texts
// keep the fixed forms whatever is chosen.
void set_screen_locale(const QLocale &locale);  // QLocale::c(): the fixed forms
QLocale screen_locale();
QString screen_list_date(const QDate &date);
QString screen_time_of_day(qint32 minutes);
QString screen_month_name(int month);

} // namespace dayvane
