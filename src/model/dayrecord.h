#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

namespace dayvane {

// One row of the day record table: one record per date of a calendar year.
// A plain value; the store fills it and writes it back by `id`.
struct DayRecord {
    qint32 id = 0;
    qint32 name_link = 0;   // id of the calendar name
    qint32 year_link = 0;   // id of the calendar year
    QDate date;
    qint16 day_type = 0;    // always 0 as written; compared between days only
    qint16 day_start = 0;   // minutes after midnight of the earliest period, 0 without periods
    qint16 day_stop = 0;    // minutes after midnight of the end of the period starting last;
                            // below day_start when that period runs past midnight
    QString time_segments;  // encoded periods (timesegments.h); null when the field is missing
    qint32 minutes1 = 0;    // worked minutes
    qint32 minutes2 = 0;    // paid minutes, worked or not
    QString comment;        // the day's event; a missing value is read as an empty text

    friend bool operator==(const DayRecord &, const DayRecord &) = default;
};

// How a day counts in the views, summaries and reports. Whether a work day is
// typical or altered is decided later, against the year's typical day.
enum class DayClass {
    Work,         // at least one worked minute
    PaidNoWork,   // no worked minute, at least one paid minute
    NoWorkNoPay,
};

constexpr DayClass classify_day(qint32 minutes1, qint32 minutes2)
{
    if (minutes1 >= 1)
        return DayClass::Work;
    if (minutes2 >= 1)
        return DayClass::PaidNoWork;
    return DayClass::NoWorkNoPay;
}

inline DayClass classify_day(const DayRecord &day)
{
    return classify_day(day.minutes1, day.minutes2);
}

} // namespace dayvane
