#pragma once

#include "editor/daterange.h"
#include "editor/dayeditor.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace dayvane {

class Database;
struct DayState;

// One day as the editor saves it, and where it goes.
struct RangeWrite
{
    qint32 calendar_id = 0;
    QDate start;          // the range, both ends included
    QDate end;
    Weekdays weekdays{};  // only dates of a ticked weekday are written
    DayValues values;
    QString time_segments;
    QString comment;      // stored without blanks at either end
};

// Writes DayStart, DayStop, TimeSegments, minutes1, minutes2 and the comment
// of every day record of the calendar in the range whose weekday is ticked;
// the day type stays as it is. Returns the number of records written.
// Throws DbError on any failure; run it inside the caller's transaction so
// that a failure leaves every date as it was. Sets the step number. With
// `states`, the days of the range as stored before, the written ones get their
// new values there (for the change history).
int write_day_to_range(Database &db, const RangeWrite &write, std::vector<DayState> *states = nullptr);

// The change history's words for a save: "Range saved: Mondays and
// Wednesdays, 3 Mar – 28 Apr 2026".
QString range_save_action(const RangeWrite &write);

} // namespace dayvane
