#pragma once

#include <QByteArray>
#include <QChar>

namespace dayvane {

class CalendarYear;

// The days of the loaded year itself (January 1 to December 31; the grids'
// days of the neighbouring years are left out) as CSV: a header row, then one
// row per day, recorded or not, with the columns
//   Date (yyyy-mm-dd), Weekday (English), Day class (the reports' legend
//   name, see day_class_name), Periods (the program's display lines joined by
//   "; "), Worked minutes, Worked ("8h 0m"), Paid minutes, Paid, Comment.
// RFC 4180: fields separated by `separator`, a comma or, for spreadsheets
// that want it (much of Europe), a semicolon; CRLF after every row; a field
// holding the separator, a quote, CR or LF quoted with its quotes doubled.
// UTF-8 behind a byte order mark, which spreadsheet programs need to read the
// text as UTF-8 rather than in the workstation's code page.
QByteArray year_csv(const CalendarYear &year, QChar separator = QLatin1Char(','));

} // namespace dayvane
