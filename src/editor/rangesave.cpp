#include "editor/rangesave.h"

#include "model/textforms.h"
#include "store/recordset.h"
#include "store/stepnumber.h"

namespace dayvane {

int write_day_to_range(Database &db, const RangeWrite &write)
{
    set_step_number(1);
    RecordSet days = RecordSet::open(
        db, QStringLiteral("PARAMETERS CalendarID Long=%1, StartDt DateTime%2, EndDt DateTime%3; SELECT Q008.* FROM Q008;")
                .arg(write.calendar_id)
                .arg(format_query_date(write.start), format_query_date(write.end)));
    const QString comment = write.comment.trimmed();
    int written = 0;
    for (; !days.eof(); days.move_next()) {
        set_step_number(2);
        const QDate date = days.field(QStringLiteral("DateVal")).toDate();
        if (!write.weekdays[size_t(weekday_number(date) - 1)])
            continue;
        set_step_number(3);
        days.edit();
        days.set_field(QStringLiteral("DayStart"), write.values.day_start);
        days.set_field(QStringLiteral("DayStop"), write.values.day_stop);
        days.set_field(QStringLiteral("TimeSegments"), write.time_segments);
        days.set_field(QStringLiteral("minutes1"), write.values.minutes1);
        days.set_field(QStringLiteral("minutes2"), write.values.minutes2);
        days.set_field(QStringLiteral("Date comment"), comment);
        set_step_number(4);
        days.update();
        ++written;
    }
    return written;
}

} // namespace dayvane
