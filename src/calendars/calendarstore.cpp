#include "calendars/calendarstore.h"

#include "store/dberror.h"
#include "store/history.h"
#include "store/recordset.h"
#include "store/recordsettext.h"
#include "store/revisions.h"
#include "store/serversecurity.h"
#include "store/stepnumber.h"
#include "store/transaction.h"

namespace dayvane {

namespace {

enum class YearOutcome { Added, YearExists };

const QString kSource = QStringLiteral("calendar_list");

[[noreturn]] void raise_program_error(const char *description)
{
    throw DbError(DbError::ProgramError, QString::fromLatin1(description), kSource);
}

QString year_parameters(qint32 calendar_id, int year)
{
    return QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=%2; ").arg(calendar_id).arg(year);
}

// The calendar record at the revision the list read; `out_of_date` is the
// description for a changed one.
RecordSet open_current_calendar(Database &db, qint32 calendar_id, qint32 remembered, const char *out_of_date,
                                int first_step)
{
    set_step_number(first_step);
    RecordSet calendar = RecordSet::open(db, calendar_record_query(calendar_id));
    set_step_number(first_step + 1);
    if (calendar.record_count() == 0)
        raise_program_error(QT_TRANSLATE_NOOP("dayvane", "DB record not found."));
    set_step_number(first_step + 2);
    if (calendar.field(QStringLiteral("revision")).toInt() != remembered)
        raise_program_error(out_of_date);
    return calendar;
}

void record_year_change(Database &db, qint32 calendar_id, const QString &action, int year)
{
    record_change(db, calendar_id, action, {}, QDate(year, 1, 1), QDate(year, 12, 31));
}

QString user_name(Database &db, qint32 user_id)
{
    RecordSet user = RecordSet::open(db, QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q015.* FROM Q015;").arg(user_id));
    return user.record_count() > 0 ? user.field(QStringLiteral("Name")).toString() : QString();
}

YearOutcome write_year(Database &db, qint32 calendar_id, int year)
{
    set_step_number(1);
    RecordSet years = RecordSet::open(db, year_parameters(calendar_id, year) + QStringLiteral("SELECT Q002.* FROM Q002;"));
    set_step_number(2);
    if (years.record_count() > 0)
        return YearOutcome::YearExists;
    set_step_number(3);
    years.add_new();
    set_step_number(4);
    years.set_field(QStringLiteral("CalendarLink"), calendar_id);
    years.set_field(QStringLiteral("YearVal"), year);
    set_step_number(5);
    years.update();
    set_step_number(6);
    years.move_last();
    set_step_number(7);
    const qint32 year_id = years.field(QStringLiteral("id")).toInt();

    set_step_number(8);
    claim_calendar_days(db, calendar_id);
    RecordSet days = RecordSet::open(db, year_parameters(calendar_id, year) + QStringLiteral("SELECT Q003.* FROM Q003;"));
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        set_step_number(9);
        days.add_new();
        set_step_number(10);
        days.set_field(QStringLiteral("NameLink"), calendar_id);
        days.set_field(QStringLiteral("YearLink"), year_id);
        days.set_field(QStringLiteral("DateVal"), date);
        days.set_field(QStringLiteral("DayType"), 0);
        days.set_field(QStringLiteral("DayStart"), 0);
        days.set_field(QStringLiteral("DayStop"), 0);
        days.set_field(QStringLiteral("minutes1"), 0);
        days.set_field(QStringLiteral("minutes2"), 0);
        days.set_field(QStringLiteral("TimeSegments"), QStringLiteral(""));
        days.set_field(QStringLiteral("Date comment"), QStringLiteral(""));
        set_step_number(11);
        days.update();
    }
    return YearOutcome::Added;
}

} // namespace

AccessPicture access_picture(const CalendarListEntry &entry)
{
    if (entry.owner_link < 1)
        return AccessPicture::Admin;
    return entry.restrict_read ? AccessPicture::ReadWrite : AccessPicture::Write;
}

std::vector<CalendarListEntry> read_calendar_list(Database &db)
{
    set_step_number(1);
    RecordSet list = RecordSet::open(db, QStringLiteral("SELECT Q000.* FROM Q000;"));
    set_step_number(2);
    std::vector<CalendarListEntry> entries;
    for (; !list.eof(); list.move_next()) {
        CalendarListEntry entry;
        entry.id = list.field(QStringLiteral("id")).toInt();
        entry.name = list.field(QStringLiteral("Name")).toString();
        entry.year = list.field(QStringLiteral("YearVal")).toInt();
        entry.owner_link = list.field(QStringLiteral("OwnerLink")).toInt();
        entry.restrict_read = list.field(QStringLiteral("RestrictRead")).toBool();
        entry.owner_name = list.field(QStringLiteral("OwnerName")).toString();
        entry.revision = list.field(QStringLiteral("revision")).toInt();
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool calendar_name_exists(Database &db, const QString &name)
{
    set_step_number(1);
    RecordSet names = RecordSet::open(db, QStringLiteral("PARAMETERS NameTest Text ( 255 )=") + sql_text_literal(name)
                                              + QStringLiteral("; SELECT Q001.* FROM Q001;"));
    set_step_number(2);
    return names.record_count() > 0;
}

qint32 create_calendar(Database &db, const QString &name, int year)
{
    // The whole database: the name is checked against every calendar's.
    Transaction transaction(db);
    if (calendar_name_exists(db, name))
        return 0;
    set_step_number(3);
    RecordSet names = RecordSet::open(db, QStringLiteral("PARAMETERS NameTest Text ( 255 )=") + sql_text_literal(name)
                                              + QStringLiteral("; SELECT Q001.* FROM Q001;"));
    set_step_number(4);
    names.add_new();
    names.set_field(QStringLiteral("Name"), name);
    set_step_number(5);
    names.update();
    set_step_number(6);
    names.move_last();
    set_step_number(7);
    const qint32 id = names.field(QStringLiteral("id")).toInt();
    write_year(db, id, year);
    record_year_change(db, id, QStringLiteral("Calendar created with the year %1").arg(year), year);
    transaction.commit();
    return id;
}

std::optional<qint32> add_calendar_year_record(Database &db, qint32 calendar_id, qint32 remembered, int year)
{
    Transaction transaction(db, WriteScope::calendar(calendar_id));
    check_calendar_revision(db, calendar_id, remembered);
    if (write_year(db, calendar_id, year) == YearOutcome::YearExists)
        return std::nullopt;
    record_year_change(db, calendar_id, QStringLiteral("Year added: %1").arg(year), year);
    const qint32 revision = increment_calendar_revision(db, calendar_id);
    transaction.commit();
    return revision;
}

std::optional<qint32> rename_calendar_record(Database &db, qint32 calendar_id, qint32 remembered, const QString &name)
{
    // The whole database, as for a new calendar: with the calendar's lock
    // alone two renames to one name would both pass the check, and the
    // second would fail on the unique name instead of being told.
    Transaction transaction(db);
    if (calendar_name_exists(db, name))
        return std::nullopt;
    RecordSet calendar = open_current_calendar(db, calendar_id, remembered, "DB record out of date.", 3);
    const QString old_name = calendar.field(QStringLiteral("Name")).toString();
    set_step_number(5);
    calendar.edit();
    set_step_number(6);
    calendar.set_field(QStringLiteral("Name"), name);
    calendar.set_field(QStringLiteral("revision"), remembered + 1);
    set_step_number(7);
    calendar.update();
    record_change(db, calendar_id, QStringLiteral("Renamed: %1 \u2192 %2").arg(old_name, name));
    transaction.commit();
    return remembered + 1;
}

void delete_calendar_year_record(Database &db, qint32 calendar_id, qint32 remembered, int year, bool only_year)
{
    // The calendar's scope even when its name goes: what could take the name
    // (a new calendar, a rename) waits for the whole database, and what goes
    // with the calendar (years, days) is its own.
    Transaction transaction(db, WriteScope::calendar(calendar_id));
    if (only_year) {
        RecordSet calendar = open_current_calendar(db, calendar_id, remembered, "DB record out of date", 1);
        // Written first: the entry copies the name the calendar still has.
        record_year_change(db, calendar_id, QStringLiteral("Calendar deleted with its only year %1").arg(year), year);
        set_step_number(4);
        calendar.delete_record();
    } else {
        check_and_increment_calendar_revision(db, calendar_id, remembered);
        set_step_number(5);
        RecordSet years = RecordSet::open(db, year_parameters(calendar_id, year) + QStringLiteral("SELECT Q002.* FROM Q002;"));
        set_step_number(6);
        if (years.record_count() == 0)
            raise_program_error(QT_TRANSLATE_NOOP("dayvane", "DB record not found"));
        set_step_number(7);
        years.delete_record();
        record_year_change(db, calendar_id, QStringLiteral("Year deleted: %1").arg(year), year);
    }
    transaction.commit();
}

OwnershipOutcome set_calendar_owner(Database &db, qint32 calendar_id, qint32 remembered, qint32 owner_id)
{
    Transaction transaction(db, WriteScope::calendar(calendar_id));
    RecordSet calendar = open_current_calendar(db, calendar_id, remembered, "DB record out of date", 1);
    set_step_number(4);
    calendar.edit();
    set_step_number(5);
    calendar.set_field(QStringLiteral("OwnerLink"), owner_id);
    calendar.set_field(QStringLiteral("RestrictRead"), false);
    calendar.set_field(QStringLiteral("revision"), remembered + 1);
    set_step_number(6);
    calendar.update();
    record_change(db, calendar_id, QStringLiteral("Owner set: ") + user_name(db, owner_id));
    transaction.commit();
    return OwnershipOutcome::Done;
}

OwnershipOutcome remove_calendar_owner(Database &db, qint32 calendar_id, qint32 remembered)
{
    Transaction transaction(db, WriteScope::calendar(calendar_id));
    RecordSet calendar = open_current_calendar(db, calendar_id, remembered, "DB record out of date.", 1);
    set_step_number(4);
    if (calendar.field(QStringLiteral("OwnerLink")).toInt() == 0)
        return OwnershipOutcome::NoOwner;
    set_step_number(5);
    calendar.edit();
    set_step_number(6);
    calendar.set_field(QStringLiteral("OwnerLink"), 0);
    calendar.set_field(QStringLiteral("RestrictRead"), false);
    calendar.set_field(QStringLiteral("revision"), remembered + 1);
    set_step_number(7);
    calendar.update();
    record_change(db, calendar_id, QStringLiteral("Owner removed"));
    transaction.commit();
    return OwnershipOutcome::Done;
}

OwnershipOutcome set_read_restriction(Database &db, qint32 calendar_id, qint32 remembered, bool restrict)
{
    Transaction transaction(db, WriteScope::calendar(calendar_id));
    RecordSet calendar = open_current_calendar(db, calendar_id, remembered, "DB record out of date.", 1);
    int step = 4;
    if (restrict) {
        set_step_number(step++);
        if (calendar.field(QStringLiteral("OwnerLink")).toInt() == 0)
            return OwnershipOutcome::NoOwner;
    }
    set_step_number(step++);
    calendar.edit();
    set_step_number(step++);
    calendar.set_field(QStringLiteral("RestrictRead"), restrict);
    calendar.set_field(QStringLiteral("revision"), remembered + 1);
    set_step_number(step);
    calendar.update();
    record_change(db, calendar_id,
                  restrict ? QStringLiteral("Reading restricted to the owner") : QStringLiteral("Reading open to all"));
    transaction.commit();
    return OwnershipOutcome::Done;
}

} // namespace dayvane
