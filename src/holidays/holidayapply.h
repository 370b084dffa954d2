#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

namespace dayvane {

class Database;
struct DayState;

// What a selected holiday does to its date, as the holiday grid stores it
// (column 5, "0" to "3").
enum class Treatment : int
{
    None = 0,      // not selected
    NoChange = 1,  // only the comment is set
    Paid = 2,      // every worked period becomes paid, not worked
    Clear = 3,     // the day loses all its periods
};

// One selected holiday.
struct HolidayChoice
{
    QDate date;
    QString name;
    Treatment treatment = Treatment::NoChange;
};

// A day's periods with every work flag "y" turned into "n" (paid, not
// worked); the start and end of each period stay.
QString paid_only_segments(const QString &segments);

struct HolidayWriteResult
{
    int written = 0;                       // day records changed
    std::array<int, 4> written_by_treatment{};  // indexed by Treatment
    std::vector<HolidayChoice> unmatched;  // choices whose date has no day record in the year

    // The change history's words: "Holidays applied: 9, paid".
    QString action() const;
};

// Writes `choices` into the day records of `calendar_id`'s `year` (stored
// query Q003), matching each choice to the record of its date, so a choice
// without a record (a date outside the year, or missing from it) is skipped
// without holding up the others. Every written record gets the holiday's
// name as its comment; Paid turns its work flags into paid-only ones and
// recomputes minutes1/minutes2 (a day without periods keeps them); Clear
// zeroes DayStart, DayStop and both minutes and empties TimeSegments. A
// choice of Treatment::None, or a later choice of an already written date,
// writes nothing.
//
// Throws DbError 513 "DB record not found." when the year has no day
// records, and any DbError of the store; run it inside the caller's
// transaction so that a failure leaves every day as it was. Sets the step
// number. With `states`, the year's days as stored before, the written ones
// get their new values there (for the change history).
HolidayWriteResult write_holidays(Database &db, qint32 calendar_id, int year, const std::vector<HolidayChoice> &choices,
                                  std::vector<DayState> *states = nullptr);

} // namespace dayvane
