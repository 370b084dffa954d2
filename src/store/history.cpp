#include "store/history.h"

#include "store/database.h"
#include "store/dberror.h"
#include "store/revisions.h"
#include "store/transaction.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>

namespace dayvane {

namespace {

const QString kHistorySource = QStringLiteral("change history");

// Quoted names: the server's tables keep the file's mixed-case names.
const QString kEntryColumns = QStringLiteral(
    "id, \"ChangedAt\", \"Workstation\", \"Login\", \"UserLink\", \"UserName\", \"CalendarLink\","
    " \"CalendarName\", \"Action\", \"FirstDate\", \"LastDate\", \"Days\" IS NOT NULL");

QVariant date_value(const QDate &date)
{
    return date.isValid() ? QVariant(date) : QVariant();
}

// The changed days as a versioned binary record, compressed: a whole-year
// save repeats the same values hundreds of times.
constexpr quint8 kDaysFormat = 1;

QDataStream &operator<<(QDataStream &out, const DayState &day)
{
    return out << qint32(day.day_type) << qint32(day.day_start) << qint32(day.day_stop) << qint32(day.minutes1)
               << qint32(day.minutes2) << day.time_segments << day.comment;
}

QDataStream &operator>>(QDataStream &in, DayState &day)
{
    qint32 values[5] = {};
    for (qint32 &value : values)
        in >> value;
    in >> day.time_segments >> day.comment;
    day.day_type = values[0];
    day.day_start = values[1];
    day.day_stop = values[2];
    day.minutes1 = values[3];
    day.minutes2 = values[4];
    return in;
}

QByteArray encode_days(const std::vector<DayChange> &days)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kDaysFormat << quint32(days.size());
    for (const DayChange &day : days)
        out << qint64(day.before.date.toJulianDay()) << day.before << day.after;
    return qCompress(bytes, 1);
}

// An unreadable record gives no days, never a wrong one.
std::vector<DayChange> decode_days(const QByteArray &stored)
{
    const QByteArray bytes = qUncompress(stored);
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint8 format = 0;
    quint32 count = 0;
    in >> format >> count;
    if (format != kDaysFormat)
        return {};
    std::vector<DayChange> days;
    while (days.size() < count && in.status() == QDataStream::Ok) {
        qint64 julian = 0;
        DayChange day;
        in >> julian >> day.before >> day.after;
        day.before.date = day.after.date = QDate::fromJulianDay(julian);
        days.push_back(std::move(day));
    }
    if (in.status() != QDataStream::Ok)
        return {};
    return days;
}

HistoryEntry entry_of(const Statement &row)
{
    HistoryEntry entry;
    entry.id = row.column(0).toLongLong();
    entry.changed_at = QDateTime::fromString(row.column(1).toString(), Qt::ISODateWithMs);
    entry.workstation = row.column(2).toString();
    entry.login = row.column(3).toString();
    entry.user_id = row.column(4).toInt();
    entry.user_name = row.column(5).toString();
    entry.calendar_id = row.column(6).toInt();
    entry.calendar_name = row.column(7).toString();
    entry.action = row.column(8).toString();
    entry.first_date = row.column(9).toDate();
    entry.last_date = row.column(10).toDate();
    entry.undoable = row.column(11).toBool();
    return entry;
}

bool changes_a_day_between(const std::vector<DayChange> &days, const QDate &from, const QDate &to)
{
    return std::any_of(days.begin(), days.end(), [&](const DayChange &day) {
        return (!from.isValid() || day.before.date >= from) && (!to.isValid() || day.before.date <= to);
    });
}

bool contains(const QString &text, const QString &part)
{
    return text.contains(part, Qt::CaseInsensitive);
}

// The first entry after `entry` that changed `date` of its calendar: a
// change of the day, or a year added or deleted over it.
std::optional<HistoryEntry> later_change_of(Database &db, const HistoryEntry &entry, const QDate &date)
{
    Statement later = db.prepare(QStringLiteral("SELECT ") + kEntryColumns + QStringLiteral(
        ", \"Days\" FROM change_history WHERE \"CalendarLink\" = ? AND id > ?"
        " AND \"FirstDate\" <= ? AND \"LastDate\" >= ? ORDER BY id"));
    later.bind(1, entry.calendar_id);
    later.bind(2, entry.id);
    later.bind(3, date);
    later.bind(4, date);
    while (later.step()) {
        if (!later.column(11).toBool() || changes_a_day_between(decode_days(later.column(12).toByteArray()), date, date))
            return entry_of(later);
    }
    return std::nullopt;
}

} // namespace

void record_change(Database &db, qint32 calendar_id, const QString &action, const std::vector<DayChange> &days,
                   const QDate &span_first, const QDate &span_last)
{
    const ChangeAuthor &author = db.author();
    QDate first = span_first;
    QDate last = span_last;
    if (!days.empty()) {
        first = days.front().before.date;
        last = days.back().before.date;
    }
    Statement &insert = db.cached(QStringLiteral(
        "INSERT INTO change_history (\"ChangedAt\", \"Workstation\", \"Login\", \"UserLink\", \"UserName\","
        " \"CalendarLink\", \"CalendarName\", \"Action\", \"FirstDate\", \"LastDate\", \"Days\")"
        " VALUES (?, ?, ?, ?, ?, ?, coalesce((SELECT \"Name\" FROM calendars WHERE id = ?), ''), ?, ?, ?, ?)"));
    insert.bind(1, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    insert.bind(2, author.workstation);
    insert.bind(3, author.login);
    insert.bind(4, author.user_id);
    insert.bind(5, author.user_name);
    insert.bind(6, calendar_id);
    insert.bind(7, calendar_id);
    insert.bind(8, action);
    insert.bind(9, date_value(first));
    insert.bind(10, date_value(last));
    insert.bind(11, days.empty() ? QVariant() : QVariant(encode_days(days)));
    insert.send();
}

std::vector<DayState> read_day_states(Database &db, qint32 calendar_id, const QDate &first, const QDate &last)
{
    Statement &days = db.cached(QStringLiteral(
        "SELECT \"DateVal\", \"DayType\", \"DayStart\", \"DayStop\", minutes1, minutes2, \"TimeSegments\","
        " \"Date comment\" FROM days WHERE \"NameLink\" = ? AND \"DateVal\" BETWEEN ? AND ? ORDER BY \"DateVal\""));
    days.bind(1, calendar_id);
    days.bind(2, first);
    days.bind(3, last);
    std::vector<DayState> states;
    while (days.step()) {
        states.push_back({days.column(0).toDate(), days.column(1).toInt(), days.column(2).toInt(),
                          days.column(3).toInt(), days.column(4).toInt(), days.column(5).toInt(),
                          days.column(6).toString(), days.column(7).toString()});
    }
    return states;
}

std::vector<DayChange> changed_days(const std::vector<DayState> &before, const std::vector<DayState> &after)
{
    // Both reads are in date order; a day only one of them holds was added
    // or removed with its year, which the year's own entry tells.
    std::vector<DayChange> changes;
    auto b = before.begin();
    auto a = after.begin();
    while (b != before.end() && a != after.end()) {
        if (b->date < a->date) {
            ++b;
        } else if (a->date < b->date) {
            ++a;
        } else {
            if (!(*b == *a))
                changes.push_back({*b, *a});
            ++b;
            ++a;
        }
    }
    return changes;
}

qint32 change_calendar_days(Database &db, qint32 calendar_id, qint32 remembered, const QDate &first,
                            const QDate &last, const std::function<QString()> &writes)
{
    Transaction transaction(db);
    check_calendar_revision(db, calendar_id, remembered);
    const std::vector<DayState> before = read_day_states(db, calendar_id, first, last);
    const QString action = writes();
    record_change(db, calendar_id, action, changed_days(before, read_day_states(db, calendar_id, first, last)));
    const qint32 revision = increment_calendar_revision(db, calendar_id);
    transaction.commit();
    return revision;
}

std::vector<HistoryEntry> read_history(Database &db, const HistoryFilter &filter)
{
    const bool by_date = filter.from.isValid() || filter.to.isValid();
    QString sql = QStringLiteral("SELECT ") + kEntryColumns + (by_date ? QStringLiteral(", \"Days\"") : QString())
                  + QStringLiteral(" FROM change_history");
    if (filter.calendar_id)
        sql += QStringLiteral(" WHERE \"CalendarLink\" = ?");
    sql += QStringLiteral(" ORDER BY id DESC");
    Statement rows = db.prepare(sql);
    if (filter.calendar_id)
        rows.bind(1, *filter.calendar_id);

    std::vector<HistoryEntry> entries;
    while (rows.step()) {
        HistoryEntry entry = entry_of(rows);
        if (!filter.who.isEmpty() && !contains(entry.workstation, filter.who) && !contains(entry.login, filter.who)
            && !contains(entry.user_name, filter.who))
            continue;
        if (by_date) {
            // The span is a quick refusal; the days themselves decide, as a
            // range save of Mondays leaves the Tuesdays between untouched.
            if (!entry.first_date.isValid() || (filter.to.isValid() && entry.first_date > filter.to)
                || (filter.from.isValid() && entry.last_date < filter.from))
                continue;
            if (entry.undoable
                && !changes_a_day_between(decode_days(rows.column(12).toByteArray()), filter.from, filter.to))
                continue;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<HistoryEntry> read_history_entry(Database &db, qint64 id)
{
    Statement row = db.prepare(QStringLiteral("SELECT ") + kEntryColumns
                               + QStringLiteral(" FROM change_history WHERE id = ?"));
    row.bind(1, id);
    if (!row.step())
        return std::nullopt;
    return entry_of(row);
}

std::vector<DayChange> read_changed_days(Database &db, qint64 id)
{
    Statement row = db.prepare(QStringLiteral("SELECT \"Days\" FROM change_history WHERE id = ?"));
    row.bind(1, id);
    if (!row.step() || row.column(0).isNull())
        return {};
    return decode_days(row.column(0).toByteArray());
}

UndoOutcome undo_change(Database &db, qint64 id, qint32 remembered)
{
    const std::optional<HistoryEntry> entry = read_history_entry(db, id);
    if (!entry)
        throw DbError(DbError::ProgramError, QStringLiteral("DB record not found"), kHistorySource);
    const std::vector<DayChange> days = read_changed_days(db, id);
    if (days.empty())
        throw DbError(DbError::ProgramError, QStringLiteral("This change cannot be undone."), kHistorySource);

    struct Conflict {};
    UndoOutcome outcome;
    try {
        outcome.revision = change_calendar_days(db, entry->calendar_id, remembered, entry->first_date,
                                                entry->last_date, [&] {
            const std::vector<DayState> now = read_day_states(db, entry->calendar_id, entry->first_date,
                                                              entry->last_date);
            for (const DayChange &day : days) {
                const auto stored = std::lower_bound(now.begin(), now.end(), day.after.date,
                                                     [](const DayState &state, const QDate &date) {
                                                         return state.date < date;
                                                     });
                if (stored == now.end() || !(*stored == day.after)) {
                    outcome.conflict_date = day.after.date;
                    throw Conflict{};
                }
            }
            Statement &write = db.cached(QStringLiteral(
                "UPDATE days SET \"DayType\" = ?, \"DayStart\" = ?, \"DayStop\" = ?, minutes1 = ?, minutes2 = ?,"
                " \"TimeSegments\" = ?, \"Date comment\" = ? WHERE \"NameLink\" = ? AND \"DateVal\" = ?"));
            for (const DayChange &day : days) {
                const DayState &old = day.before;
                const QVariant values[] = {old.day_type, old.day_start, old.day_stop, old.minutes1, old.minutes2,
                                           old.time_segments, old.comment, entry->calendar_id, old.date};
                for (int i = 0; i < int(std::size(values)); ++i)
                    write.bind(i + 1, values[i]);
                write.send(QStringLiteral("DB record not found"));
                write.reset();
            }
            return QStringLiteral("Undone: ") + entry->action;
        });
    } catch (const Conflict &) {
        outcome.later = later_change_of(db, *entry, outcome.conflict_date);
    }
    return outcome;
}

int prune_history(Database &db, const QDate &before)
{
    Transaction transaction(db);
    Statement remove = db.prepare(QStringLiteral("DELETE FROM change_history WHERE \"ChangedAt\" < ?"));
    remove.bind(1, before.startOfDay().toUTC().toString(Qt::ISODateWithMs));
    remove.exec();
    const int removed = db.changes();
    record_change(db, 0, QStringLiteral("History before %1 removed: %2 entries")
                             .arg(before.toString(Qt::ISODate))
                             .arg(removed));
    transaction.commit();
    return removed;
}

} // namespace dayvane
