#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace dayvane {

class Database;

// One row of the calendar list: a calendar with one of its years.
struct CalendarListEntry
{
    qint32 id = 0;  // 0: the list holds no calendar
    QString name;
    int year = 0;  // 0: a calendar without years
    qint32 owner_link = 0;  // below 1: no owner
    bool restrict_read = false;
    QString owner_name;
    qint32 revision = 0;
};

// Which of the access pictures a calendar shows.
enum class AccessPicture { Admin, ReadWrite, Write };
AccessPicture access_picture(const CalendarListEntry &entry);

// The changes the calendar list makes, each one transaction: either all of
// it is written or nothing. Every function sets the step number before its
// steps and throws DbError (513 with the fixed descriptions for missing or
// stale records); outcomes the user must be told about are returned. On a
// server a change of one calendar waits only for that calendar's writers;
// creating and renaming, which check a name against every calendar's, wait
// for all.

// Every calendar with each of its years, in name order.
std::vector<CalendarListEntry> read_calendar_list(Database &db);

bool calendar_name_exists(Database &db, const QString &name);

// A calendar name with its first year and the year's empty days (one record
// per date). Returns the new calendar's id, or 0 when the name is taken.
qint32 create_calendar(Database &db, const QString &name, int year);

// Adds a year to an existing calendar: checks the calendar's revision, adds
// the year and its days, and raises the revision, all or nothing. Returns
// the new revision, or nullopt when the year already exists.
std::optional<qint32> add_calendar_year_record(Database &db, qint32 calendar_id, qint32 remembered, int year);

// Renames; returns the new revision, or nullopt when the name is taken.
std::optional<qint32> rename_calendar_record(Database &db, qint32 calendar_id, qint32 remembered, const QString &name);

// Deletes a year (its days go with it); the only year deletes the name too.
void delete_calendar_year_record(Database &db, qint32 calendar_id, qint32 remembered, int year, bool only_year);

enum class OwnershipOutcome { Done, NoOwner };
OwnershipOutcome set_calendar_owner(Database &db, qint32 calendar_id, qint32 remembered, qint32 owner_id);
OwnershipOutcome remove_calendar_owner(Database &db, qint32 calendar_id, qint32 remembered);
OwnershipOutcome set_read_restriction(Database &db, qint32 calendar_id, qint32 remembered, bool restrict);

} // namespace dayvane
