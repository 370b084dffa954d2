#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

namespace dayvane {

// A calendar's revision as a committed change left it: what a server's
// notice of that change tells (see calendarnotices.h).
struct CalendarChange
{
    qint32 calendar_id = 0;
    qint32 revision = 0;

    bool operator==(const CalendarChange &) const = default;
};

// The change that a notice's payload "ID:REVISION" tells: the calendar's id
// (from 1) and its revision as decimal numbers of at most ten digits, the
// revision perhaps with a "-"; nullopt for anything else. Any session of the
// server may send such a notice, so nothing more is read from it.
std::optional<CalendarChange> read_calendar_change(QByteArrayView payload);

} // namespace dayvane
