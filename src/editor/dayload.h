#pragma once

#include "editor/daterange.h"
#include "model/dayrecord.h"

#include <QDate>
#include <QtGlobal>

namespace dayvane {

class Database;

// The day the editor opens and the run of identical days that follows it.
struct LoadedDay
{
    DayRecord day;       // time_segments and comment are "" when missing
    QDate last_date;     // the run's last date; day.date when no day follows
    Weekdays weekdays{}; // the weekdays of every date of the run, the first included
};

// Reads the day record `day_id` and then, in date order, the days of its
// calendar year that follow it for as long as each has the same day type,
// exactly the same periods and exactly the same comment (a missing value
// counting as ""). Throws DbError: 513 "DB record not found" when there is
// no such day, the engine's error on any failure. Sets the step number.
LoadedDay load_day_and_run(Database &db, qint32 day_id);

} // namespace dayvane
