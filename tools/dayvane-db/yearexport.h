#pragma once

#include <QString>

class QTextStream;

namespace dayvane {

class Database;

// What `dayvane-db export` was asked for.
struct YearExportRequest
{
    QString calendar;   // by name, compared as the program compares names
    int year = 0;
    bool icalendar = false;  // else CSV
    QChar csv_separator = QLatin1Char(',');  // or ';'
    QString output;     // a file path, or "-" for standard output
};

// Writes one calendar year of `db` as the request says. A read-restricted
// calendar needs its owner's password or the system password, asked on the
// terminal without echo (read as a line from standard input when that is no
// terminal). Refusals and failures are written to `err`; returns the exit
// code (0 written, 1 refused or failed). Database errors pass as DbError.
// `db` is only read: an iCalendar export of a database without an id of its
// own (see databaseid.h) gets UIDs unique to it, and a note on `err` says so.
int export_calendar_year(Database &db, const YearExportRequest &request, QTextStream &err);

} // namespace dayvane
