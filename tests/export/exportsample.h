#pragma once

#include "ui_common/calendaryear.h"

namespace dayvane::test {

// Comments no file format takes as they are: separators of both formats,
// quotes, line breaks of every kind, a backslash and text outside ASCII
// (long enough that an iCalendar line folds inside it).
inline const QString kHostileComment = QStringLiteral(
    "Team \"kick-off\", room 3; bring\\notes\r\nZ\u00fcrich \u2615 caf\u00e9 \u65e5\u672c\u8a9e "
    "\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc");
inline const QString kSeparatorComment = QStringLiteral("a,b;c");

// Calendar 7 "Night Shift", year 2024, typical day 08:00-12:00 and
// 13:00-17:00 worked. Days: Jan 2 typical with the hostile comment; Mar 15
// altered, 22:00 to 06:00 the next morning, with the separator comment;
// Jul 4 paid only 08:00-16:00; Dec 31 neither, comment "End\nof year";
// Dec 31 2023, shown in January's grid but outside the year.
inline CalendarYear sample_year()
{
    CalendarYear year(7, QStringLiteral("Night Shift"), 1, 2024);
    const QString typical = QStringLiteral("y@480>720+y@780>1020");
    year.set_typical_day(typical, 480, 480);
    const auto day = [&](int m, int d, const char *segments, int work, int pay, const QString &comment) {
        year.add_day({m * 100 + d, QDate(m == 0 ? 2023 : 2024, m == 0 ? 12 : m, d), 0, 0, work, pay,
                      QString::fromLatin1(segments), comment});
    };
    day(1, 2, "y@480>720+y@780>1020", 480, 480, kHostileComment);
    day(3, 15, "y@1320>1800", 480, 480, kSeparatorComment);
    day(7, 4, "n@480>960", 0, 480, {});
    day(12, 31, "", 0, 0, QStringLiteral("End\nof year"));
    day(0, 31, "y@480>720", 240, 240, QStringLiteral("last year"));
    return year;
}

} // namespace dayvane::test
