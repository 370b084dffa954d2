#include "editor/dayload.h"

#include "model/textforms.h"
#include "store/dberror.h"
#include "store/recordset.h"
#include "store/stepnumber.h"

namespace dayvane {

namespace {

QString text_field(const RecordSet &set, const QString &name)
{
    return set.is_null(name) ? QString() : set.field(name).toString();
}

DayRecord read_day(Database &db, qint32 day_id)
{
    set_step_number(1);
    RecordSet day = RecordSet::open(db, QStringLiteral("PARAMETERS RecordID Long=%1; SELECT Q006.* FROM Q006;").arg(day_id));
    set_step_number(2);
    if (day.record_count() == 0)
        throw DbError(DbError::ProgramError, QString::fromUtf8(QT_TRANSLATE_NOOP("dayvane", "DB record not found")), QStringLiteral("calendar_edit"));
    set_step_number(3);
    DayRecord record;
    record.id = day_id;
    record.name_link = day.field(QStringLiteral("NameLink")).toInt();
    record.year_link = day.field(QStringLiteral("YearLink")).toInt();
    record.date = day.field(QStringLiteral("DateVal")).toDate();
    record.day_type = qint16(day.field(QStringLiteral("DayType")).toInt());
    record.day_start = qint16(day.field(QStringLiteral("DayStart")).toInt());
    record.day_stop = qint16(day.field(QStringLiteral("DayStop")).toInt());
    record.time_segments = text_field(day, QStringLiteral("TimeSegments"));
    record.minutes1 = day.field(QStringLiteral("minutes1")).toInt();
    record.minutes2 = day.field(QStringLiteral("minutes2")).toInt();
    record.comment = text_field(day, QStringLiteral("Date comment"));
    return record;
}

} // namespace

LoadedDay load_day_and_run(Database &db, qint32 day_id)
{
    LoadedDay loaded;
    loaded.day = read_day(db, day_id);
    const DayRecord &day = loaded.day;
    loaded.last_date = day.date;
    loaded.weekdays[size_t(weekday_number(day.date) - 1)] = true;

    set_step_number(4);
    RecordSet following = RecordSet::open(
        db, QStringLiteral("PARAMETERS CalendarID Long=%1, YearID Long=%2, [Date] DateTime%3; SELECT Q007.* FROM Q007;")
                .arg(day.name_link)
                .arg(day.year_link)
                .arg(format_query_date(day.date.addDays(1))));
    set_step_number(5);
    for (; !following.eof(); following.move_next()) {
        if (following.field(QStringLiteral("DayType")).toInt() != day.day_type
            || text_field(following, QStringLiteral("TimeSegments")) != day.time_segments
            || text_field(following, QStringLiteral("Date comment")) != day.comment)
            break;
        loaded.last_date = following.field(QStringLiteral("DateVal")).toDate();
        const int weekday = following.field(QStringLiteral("WkDay")).toInt();
        if (weekday >= 1 && weekday <= 7)
            loaded.weekdays[size_t(weekday - 1)] = true;
    }
    return loaded;
}

} // namespace dayvane
