#include "editor/rangesave.h"

#include "model/textforms.h"
#include "store/history.h"
#include "store/recordset.h"
#include "store/stepnumber.h"

#include <QLocale>
#include <QStringList>

namespace dayvane {

int write_day_to_range(Database &db, const RangeWrite &write, std::vector<DayState> *states)
{
    set_step_number(1);
    RecordSet days = RecordSet::open(
        db, QStringLiteral("PARAMETERS CalendarID Long=%1, StartDt DateTime%2, EndDt DateTime%3; SELECT Q008.* FROM Q008;")
                .arg(write.calendar_id)
                .arg(format_query_date(write.start), format_query_date(write.end)));
    WrittenDays written_days(states, days);
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
        written_days.note(days);
        ++written;
    }
    return written;
}

QString range_save_action(const RangeWrite &write)
{
    const QLocale english = QLocale::c();
    if (write.start == write.end)
        return QStringLiteral("Day saved: ") + english.toString(write.start, QStringLiteral("d MMM yyyy"));
    // Monday first, as people name a week's days.
    static const char *const kPlural[] = {"Sundays", "Mondays", "Tuesdays", "Wednesdays", "Thursdays", "Fridays",
                                          "Saturdays"};
    const Weekdays occurring = weekdays_in_range(write.start, write.end);
    QStringList days;
    bool every_day = true;
    for (int i = 1; i <= 7; ++i) {
        const int weekday = i % 7;
        if (write.weekdays[size_t(weekday)])
            days << QString::fromLatin1(kPlural[weekday]);
        else if (occurring[size_t(weekday)])
            every_day = false;
    }
    QString which = QStringLiteral("every day");
    if (!every_day && !days.isEmpty()) {
        const QString last = days.takeLast();
        which = days.isEmpty() ? last : days.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    }
    const QString first_format = write.start.year() == write.end.year() ? QStringLiteral("d MMM") : QStringLiteral("d MMM yyyy");
    return QStringLiteral("Range saved: %1, %2 \u2013 %3")
        .arg(which, english.toString(write.start, first_format), english.toString(write.end, QStringLiteral("d MMM yyyy")));
}

} // namespace dayvane
