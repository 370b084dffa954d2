#pragma once

#include <QString>
#include <QtGlobal>

namespace dayvane {

class Database;

// The text that opens the record of calendar `calendar_id` (none when it
// is missing): every revision, ownership and loading step starts with it.
QString calendar_record_query(qint32 calendar_id);

// Record revisions: every change of a calendar (or of its days) checks that
// the revision the window read is still the stored one and adds 1. Each
// function sets the step number before each step and throws DbError 513
// with the description given below; the caller's boundary reports it.

// Throws "DB record not found" when the calendar is missing and "Calendar
// is out of date." when its revision is not `remembered`.
void check_calendar_revision(Database &db, qint32 calendar_id, qint32 remembered);

// Adds 1 to the stored revision and returns the new one. Throws "DB record
// not found." when the calendar is missing.
qint32 increment_calendar_revision(Database &db, qint32 calendar_id);

// Inside a change that has checked the revision `remembered`, which keeps
// the calendar to it until the commit: stores remembered + 1 without
// reading it again and returns it. Throws "DB record not found." when the
// calendar is missing.
qint32 advance_calendar_revision(Database &db, qint32 calendar_id, qint32 remembered);

// Both, in one record set: throws "DB record not found" or "DB record out of
// date", else returns the new revision.
qint32 check_and_increment_calendar_revision(Database &db, qint32 calendar_id, qint32 remembered);

// Owner and read restriction of a calendar. Throws "DB record not found."
// when the calendar is missing.
struct CalendarOwnership
{
    qint32 owner_id = 0;  // below 1: no owner
    bool restrict_read = false;
};
CalendarOwnership read_calendar_ownership(Database &db, qint32 calendar_id);

// First and last year and the number of years of a calendar; all 0 when it
// has no years.
struct YearRange
{
    int first_year = 0;
    int last_year = 0;
    int count = 0;
};
YearRange read_calendar_year_range(Database &db, qint32 calendar_id);

} // namespace dayvane
