#pragma once

#include "editor/dayeditor.h"

#include <QDate>
#include <QString>

namespace dayvane::faults {

// What the fault worker writes and the fault tests expect to find, shared so
// that both sides agree on every value.

inline const QString kOutOfDate = QStringLiteral("Calendar is out of date.");
inline constexpr int kFaultYear = 2024;  // a leap year: 366 days

struct DayContent { QString segments, comment; DayValues values; };

// The date that change `k` (0..182) of worker `tag` (0 or 1) writes: the two
// take every other date of the year.
inline QDate concurrency_date(int tag, int k) { return QDate(kFaultYear, 1, 1).addDays(2 * k + tag); }

// Change `k` of worker `tag`, expected to become `revision`: a period and a
// comment that name all three, so a lost or misplaced write shows.
inline DayContent change_content(int tag, int k, qint32 revision)
{
    const qint32 start = 360 + k, end = start + 240 + 60 * tag;
    return {QStringLiteral("y@%1>%2").arg(start).arg(end),
            QStringLiteral("worker %1 change %2 revision %3").arg(tag).arg(k).arg(revision),
            {qint16(start), qint16(end), end - start, end - start}};
}

// The whole-year content of a save that makes `revision`: "A" when it is odd,
// "B" (paid but not worked) when it is even.
inline DayContent year_content(qint32 revision)
{
    if (revision % 2 != 0)
        return {QStringLiteral("y@480>720+y@780>1020"), QStringLiteral("A"), {480, 1020, 480, 480}};
    return {QStringLiteral("n@540>1260"), QStringLiteral("B"), {540, 1260, 0, 720}};
}

} // namespace dayvane::faults
