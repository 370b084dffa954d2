#include "store/calendarchange.h"

#include <limits>

namespace dayvane {

namespace {

std::optional<qint32> read_number(QByteArrayView text, bool may_be_negative)
{
    const bool negative = may_be_negative && text.startsWith('-');
    if (negative)
        text = text.sliced(1);
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

} // namespace

std::optional<CalendarChange> read_calendar_change(QByteArrayView payload)
{
    const qsizetype colon = payload.indexOf(':');
    if (colon < 0)
        return std::nullopt;
    const std::optional<qint32> id = read_number(payload.first(colon), false);
    const std::optional<qint32> revision = read_number(payload.sliced(colon + 1), true);
    if (!id || *id < 1 || !revision)
        return std::nullopt;
    return CalendarChange{*id, *revision};
}

} // namespace dayvane
