#pragma once

#include "calendaryear/calendaryear.h"

#include <QDate>
#include <QString>

namespace dayvane::bench {

inline constexpr auto kTypical = "y@480>720+y@780>1020";

// A well-filled year: every weekday worked, Fridays altered and running
// past midnight, a paid holiday on the 1st of each month and a comment with
// commas, quotes and a semicolon on every 10th.
inline CalendarYear busy_year()
{
    CalendarYear year(1, QStringLiteral("Head office"), 1, 2026);
    year.set_typical_day(kTypical, 480, 480);
    qint32 id = 1;
    for (QDate date(2026, 1, 1); date.year() == 2026; date = date.addDays(1)) {
        DayEntry day{id++, date, 480, 1020, 480, 480, kTypical, {}};
        if (date.day() == 1) {
            day = DayEntry{day.id, date, 0, 0, 0, 480, QStringLiteral("n@480>960"), QStringLiteral("Holiday")};
        } else if (date.dayOfWeek() >= 6) {
            day = DayEntry{day.id, date, 0, 0, 0, 0, {}, {}};
        } else if (date.dayOfWeek() == 5) {
            day.time_segments = QStringLiteral("y@420>720+y@1320>1680");
            day.minutes1 = day.minutes2 = 660;
        }
        if (date.day() == 10)
            day.comment = QStringLiteral("Team meeting, \"quarterly figures\"; room %1").arg(date.month());
        year.add_day(day);
    }
    return year;
}

// The busy year, built once for the run.
inline const CalendarYear &year()
{
    static const CalendarYear loaded = busy_year();
    return loaded;
}

} // namespace dayvane::bench
