#include "store/revisions.h"

#include "store/database.h"
#include "store/dberror.h"
#include "store/recordset.h"
#include "store/stepnumber.h"

namespace dayvane {

namespace {

const QString kRevisionSource = QStringLiteral("calendar revision");

[[noreturn]] void raise(const char *description)
{
    throw DbError(DbError::ProgramError, QString::fromLatin1(description), kRevisionSource);
}

// Steps 1 and 2 of every function here: the calendar record, or 513 with
// `not_found` (the functions differ in its full stop).
RecordSet open_calendar(Database &db, qint32 calendar_id, const char *not_found)
{
    set_step_number(1);
    RecordSet calendar = RecordSet::open(db, calendar_record_query(calendar_id));
    set_step_number(2);
    if (calendar.record_count() == 0)
        raise(not_found);
    return calendar;
}

} // namespace

QString calendar_record_query(qint32 calendar_id)
{
    return QStringLiteral("PARAMETERS RecordID Long=%1; SELECT Q004.* FROM Q004;").arg(calendar_id);
}

void check_calendar_revision(Database &db, qint32 calendar_id, qint32 remembered)
{
    RecordSet calendar = open_calendar(db, calendar_id, "DB record not found");
    set_step_number(3);
    if (calendar.field(QStringLiteral("revision")).toInt() != remembered)
        raise("Calendar is out of date.");
}

qint32 increment_calendar_revision(Database &db, qint32 calendar_id)
{
    RecordSet calendar = open_calendar(db, calendar_id, "DB record not found.");
    set_step_number(3);
    const qint32 revision = calendar.field(QStringLiteral("revision")).toInt() + 1;
    calendar.edit();
    calendar.set_field(QStringLiteral("revision"), revision);
    set_step_number(4);
    calendar.update();
    return revision;
}

qint32 advance_calendar_revision(Database &db, qint32 calendar_id, qint32 remembered)
{
    Statement &update = db.cached(QStringLiteral("UPDATE calendars SET revision = ? WHERE id = ?"));
    update.bind(1, remembered + 1);
    update.bind(2, calendar_id);
    update.send(QStringLiteral("DB record not found."));
    return remembered + 1;
}

qint32 check_and_increment_calendar_revision(Database &db, qint32 calendar_id, qint32 remembered)
{
    RecordSet calendar = open_calendar(db, calendar_id, "DB record not found");
    set_step_number(3);
    const qint32 stored = calendar.field(QStringLiteral("revision")).toInt();
    if (stored != remembered)
        raise("DB record out of date");
    set_step_number(4);
    calendar.edit();
    calendar.set_field(QStringLiteral("revision"), stored + 1);
    calendar.update();
    return stored + 1;
}

CalendarOwnership read_calendar_ownership(Database &db, qint32 calendar_id)
{
    RecordSet calendar = open_calendar(db, calendar_id, "DB record not found.");
    set_step_number(3);
    CalendarOwnership ownership;
    ownership.owner_id = calendar.field(QStringLiteral("OwnerLink")).toInt();
    ownership.restrict_read = calendar.field(QStringLiteral("RestrictRead")).toBool();
    return ownership;
}

YearRange read_calendar_year_range(Database &db, qint32 calendar_id)
{
    set_step_number(1);
    RecordSet range = RecordSet::open(db, QStringLiteral("PARAMETERS CalendarID Long=%1; SELECT Q005.* FROM Q005;").arg(calendar_id));
    set_step_number(2);
    if (range.record_count() == 0 || range.is_null(QStringLiteral("CalendarLink")))
        return {};
    return {range.field(QStringLiteral("FirstYear")).toInt(), range.field(QStringLiteral("LastYear")).toInt(),
            range.field(QStringLiteral("count_of_years")).toInt()};
}

} // namespace dayvane
