#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace dayvane {

class Database;
class RecordSet;

// The change history: one entry for every change, written inside the
// change's own transaction so that neither exists without the other. Each
// function throws DbError.

// A day record's stored values, as the history keeps them.
struct DayState
{
    QDate date;
    int day_type = 0;
    int day_start = 0;
    int day_stop = 0;
    int minutes1 = 0;
    int minutes2 = 0;
    QString time_segments;
    QString comment;

    bool operator==(const DayState &) const = default;
};

// One changed day: what it held before and after the change.
struct DayChange
{
    DayState before;
    DayState after;
};

struct HistoryEntry
{
    qint64 id = 0;
    QDateTime changed_at;  // UTC
    QString workstation;
    QString login;
    QString server_login;  // the login a server stamped on the entry; empty on a file
    qint32 user_id = 0;  // 0: no program user had proved a password
    QString user_name;
    qint32 calendar_id = 0;  // 0: a change of users or passwords
    QString calendar_name;  // as it was named then
    QString action;
    QDate first_date;  // the changed days' span; null when no day changed
    QDate last_date;
    bool undoable = false;  // a change of days, which undo can take back

    // The login, with the server's where it differs from what the program sent.
    QString shown_login() const
    {
        return server_login.isEmpty() || server_login == login ? login
                                                                : login + QStringLiteral(" (server: %1)").arg(server_login);
    }

    // A change of days that left every day as it was (a save of what was
    // stored): listed, with nothing to restore.
    bool no_day_changed() const { return undoable && !first_date.isValid(); }
};

// Writes an entry for a change of `calendar_id` (0 for users and passwords)
// by db.author(). `days` are the changed days; `span_first`/`span_last`
// give the days a change touched without keeping them (a year added or
// deleted), so that a later undo can name it. `day_change` marks a change
// of days even when it changed none. Call inside the change's transaction.
void record_change(Database &db, qint32 calendar_id, const QString &action, const std::vector<DayChange> &days = {},
                   const QDate &span_first = {}, const QDate &span_last = {}, bool day_change = false);

// The stored states of a calendar's days from `first` to `last`, by date.
std::vector<DayState> read_day_states(Database &db, qint32 calendar_id, const QDate &first, const QDate &last);

// The days whose state differs between two reads of the same dates.
std::vector<DayChange> changed_days(const std::vector<DayState> &before, const std::vector<DayState> &after);

// A change of a calendar's days between `first` and `last`: inside one
// transaction, checks the calendar's revision, reads the days, runs
// `writes`, records the days it changed and adds 1 to the revision.
// `writes` gets the days as read, in date order, leaves in them what it
// stores (WrittenDays does that for a write through a record set) and
// returns the entry's action. Returns the new revision.
using DayWrites = std::function<QString(std::vector<DayState> &days)>;
qint32 change_calendar_days(Database &db, qint32 calendar_id, qint32 remembered, const QDate &first,
                            const QDate &last, const DayWrites &writes);

// Keeps `days` (a change's days as read before it, in date order) up to
// date with the writes of `records`, a record set over the days table:
// note() after each update puts the set's current record into the day of
// its date, and throws when `days` has no such date, as the change could
// not be recorded. With null `days` it notes nothing.
class WrittenDays
{
public:
    WrittenDays(std::vector<DayState> *days, const RecordSet &records);
    void note(const RecordSet &records);

private:
    std::vector<DayState> *m_days;
    // Positions of DateVal, DayType (-1 when the set has none: a range save
    // keeps the day's), DayStart, DayStop, minutes1, minutes2, TimeSegments
    // and the comment.
    std::array<int, 8> m_fields{};
};

struct HistoryFilter
{
    std::optional<qint32> calendar_id;  // none: every entry
    QDate from;  // entries that changed a day in [from, to]; null: no limit
    QDate to;
    QString who;  // a part of the workstation, login or user name
};

// The entries that pass `filter`, newest first.
std::vector<HistoryEntry> read_history(Database &db, const HistoryFilter &filter = {});
std::optional<HistoryEntry> read_history_entry(Database &db, qint64 id);
// The days an entry changed, by date; empty for an entry without days.
std::vector<DayChange> read_changed_days(Database &db, qint64 id);

// Undoing an entry: the days it changed are written back as they were
// before it, itself a change of the calendar with its own entry. Refused
// (nothing written) when a day no longer holds what the entry left there,
// or when its year was deleted since (a year added again holds new days).
struct UndoOutcome
{
    std::optional<qint32> revision;  // the calendar's new revision when done
    QDate conflict_date;  // the first day that no longer matches
    std::optional<HistoryEntry> later;  // the later entry that changed it, if recorded
    bool gone = false;  // the entry is no longer in the history (pruned meanwhile)
};
UndoOutcome undo_change(Database &db, qint64 id, qint32 remembered);

// Removes the entries changed before the local midnight that starts
// `before`, recording that it did; returns how many it removed.
int prune_history(Database &db, const QDate &before);

} // namespace dayvane
