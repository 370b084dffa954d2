#include "store/history.h"

#include "store/database.h"
#include "store/dberror.h"
#include "store/recordset.h"
#include "store/revisions.h"
#include "store/serversecurity.h"
#include "store/transaction.h"

#include <QDataStream>
#include <QHash>

#include <algorithm>
#include <tuple>

namespace dayvane {

namespace {

const QString kHistorySource = QStringLiteral("change history");

// Quoted names: the server's tables keep the file's mixed-case names. The
// login the server stamped comes last: a file has none.
QString entry_columns(Database &db)
{
    return QStringLiteral("id, \"ChangedAt\", \"Workstation\", \"Login\", \"UserLink\", \"UserName\", \"CalendarLink\","
                          " \"CalendarName\", \"Action\", \"FirstDate\", \"LastDate\", \"Days\" IS NOT NULL, ")
           + (db.server_holds_proofs() ? QStringLiteral("coalesce(\"ServerLogin\", '')") : QStringLiteral("''"));
}
constexpr int kDaysColumn = 13;  // after the entry's columns

QVariant date_value(const QDate &date)
{
    return date.isValid() ? QVariant(date) : QVariant();
}

// The changed days as a versioned binary record: each distinct day state
// once, then for each day the step from the date before and the numbers of
// its states before and after, all as variable-length numbers. A
// whole-year save repeats a few states hundreds of times, so the record is
// small without the cost of compressing it in every save.
constexpr quint8 kDaysFormat = 2;
// The first format, a compressed data stream: qCompress starts with the
// length as four bytes, the first of them 0 for any record below 16 MB.
constexpr quint8 kCompressedFormat = 1;

void append_number(QByteArray &bytes, quint64 value)
{
    for (; value >= 0x80; value >>= 7)
        bytes += char(value | 0x80);
    bytes += char(value);
}

void append_state(QByteArray &bytes, const DayState &day)
{
    for (const int value : {day.day_type, day.day_start, day.day_stop, day.minutes1, day.minutes2})
        append_number(bytes, (quint64(qint64(value)) << 1) ^ quint64(qint64(value) >> 63));  // zigzag
    for (const QString &text : {day.time_segments, day.comment}) {
        const QByteArray utf8 = text.toUtf8();
        append_number(bytes, quint64(utf8.size()));
        bytes += utf8;
    }
}

// Equal but for the date.
bool same_values(const DayState &a, const DayState &b)
{
    return std::tie(a.day_type, a.day_start, a.day_stop, a.minutes1, a.minutes2, a.time_segments, a.comment)
           == std::tie(b.day_type, b.day_start, b.day_stop, b.minutes1, b.minutes2, b.time_segments, b.comment);
}

QByteArray encode_days(const std::vector<DayChange> &days)
{
    QByteArray states;
    QByteArray steps;
    QHash<QByteArray, quint64> numbers;
    // Runs of equal days are common: each side's last state and its number.
    struct Last { const DayState *day = nullptr; quint64 number = 0; } last[2];
    const auto number_of = [&](const DayState &day, int side) {
        if (last[side].day && same_values(*last[side].day, day))
            return last[side].number;
        QByteArray state;
        append_state(state, day);
        auto known = numbers.constFind(state);
        if (known == numbers.cend()) {
            states += state;
            known = numbers.insert(state, quint64(numbers.size()));
        }
        last[side] = {&day, *known};
        return *known;
    };
    qint64 previous = 0;
    for (const DayChange &day : days) {
        append_number(steps, quint64(day.before.date.toJulianDay() - previous));
        previous = day.before.date.toJulianDay();
        append_number(steps, number_of(day.before, 0));
        append_number(steps, number_of(day.after, 1));
    }
    QByteArray bytes(1, char(kDaysFormat));
    append_number(bytes, quint64(numbers.size()));
    bytes += states;
    append_number(bytes, quint64(days.size()));
    return bytes + steps;
}

// Reads what encode_days wrote; a read past the end or a wrong number
// leaves it failed.
class DaysReader
{
public:
    explicit DaysReader(const QByteArray &bytes) : m_bytes(bytes) {}

    bool failed() const { return m_failed; }
    qsizetype left() const { return m_bytes.size() - m_pos; }

    quint64 number()
    {
        quint64 value = 0;
        for (int shift = 0; shift < 64 && m_pos < m_bytes.size(); shift += 7) {
            const auto byte = quint8(m_bytes[m_pos++]);
            value |= quint64(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return value;
        }
        m_failed = true;
        return 0;
    }

    int integer()
    {
        const quint64 zigzag = number();
        return int(qint64(zigzag >> 1) ^ -qint64(zigzag & 1));
    }

    QString text()
    {
        const quint64 size = number();
        if (m_failed || size > quint64(left())) {
            m_failed = true;
            return {};
        }
        const QString text = QString::fromUtf8(m_bytes.constData() + m_pos, qsizetype(size));
        m_pos += qsizetype(size);
        return text;
    }

    DayState state()
    {
        DayState day;
        for (int *value : {&day.day_type, &day.day_start, &day.day_stop, &day.minutes1, &day.minutes2})
            *value = integer();
        day.time_segments = text();
        day.comment = text();
        return day;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 1;  // after the format
    bool m_failed = false;
};

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

std::vector<DayChange> decode_compressed_days(const QByteArray &stored)
{
    const QByteArray bytes = qUncompress(stored);
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint8 format = 0;
    quint32 count = 0;
    in >> format >> count;
    if (format != kCompressedFormat)
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

// An unreadable record gives no days, never a wrong one.
std::vector<DayChange> decode_days(const QByteArray &stored)
{
    if (stored.isEmpty() || quint8(stored[0]) != kDaysFormat)
        return decode_compressed_days(stored);
    DaysReader in(stored);
    std::vector<DayState> states(size_t(std::min<quint64>(in.number(), quint64(in.left()))));
    for (DayState &state : states)
        state = in.state();
    const quint64 count = in.number();
    if (count > quint64(in.left()))
        return {};
    std::vector<DayChange> days;
    qint64 julian = 0;
    while (days.size() < count && !in.failed()) {
        julian += qint64(in.number());
        const quint64 before = in.number();
        const quint64 after = in.number();
        if (before >= states.size() || after >= states.size())
            return {};
        DayChange day{states[before], states[after]};
        day.before.date = day.after.date = QDate::fromJulianDay(julian);
        days.push_back(std::move(day));
    }
    if (in.failed())
        return {};
    return days;
}

// The time of a change as written: "yyyy-MM-ddTHH:mm:ss.zzzZ" read
// directly, anything else as ISO text.
QDateTime changed_at(const QString &text)
{
    if (text.size() == 24 && text.at(4) == u'-' && text.at(7) == u'-' && text.at(10) == u'T' && text.at(13) == u':'
        && text.at(16) == u':' && text.at(19) == u'.' && text.at(23) == u'Z') {
        bool ok = true;
        const auto number = [&](qsizetype from, qsizetype count) {
            int value = 0;
            for (qsizetype i = from; i < from + count; ++i) {
                const char16_t c = text.at(i).unicode();
                ok = ok && c >= u'0' && c <= u'9';
                value = value * 10 + (c - u'0');
            }
            return value;
        };
        const QDate date(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2), number(20, 3));
        if (ok && date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

HistoryEntry entry_of(const Statement &row)
{
    HistoryEntry entry;
    entry.id = row.column_int64(0);
    entry.changed_at = changed_at(row.column_text(1));
    entry.workstation = row.column_text(2);
    entry.login = row.column_text(3);
    entry.user_id = row.column_int(4);
    entry.user_name = row.column_text(5);
    entry.calendar_id = row.column_int(6);
    entry.calendar_name = row.column_text(7);
    entry.action = row.column_text(8);
    entry.first_date = row.column_date(9);
    entry.last_date = row.column_date(10);
    entry.undoable = row.column_int(11) != 0;
    entry.server_login = row.column_text(12);
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

// The day of `days` (in date order) at `date`, or null.
DayState *day_at(std::vector<DayState> &days, const QDate &date)
{
    const auto day = std::lower_bound(days.begin(), days.end(), date,
                                      [](const DayState &state, const QDate &at) { return state.date < at; });
    return day == days.end() || day->date != date ? nullptr : &*day;
}

// The first entry after `entry` that changed `date` of its calendar: a
// change of the day, or a year added or deleted over it.
std::optional<HistoryEntry> later_change_of(Database &db, const HistoryEntry &entry, const QDate &date)
{
    Statement later = db.prepare(QStringLiteral("SELECT ") + entry_columns(db) + QStringLiteral(
        ", \"Days\" FROM change_history WHERE \"CalendarLink\" = ? AND id > ?"
        " AND \"FirstDate\" <= ? AND \"LastDate\" >= ? ORDER BY id"));
    later.bind(1, entry.calendar_id);
    later.bind(2, entry.id);
    later.bind(3, date);
    later.bind(4, date);
    while (later.step()) {
        if (!later.column(11).toBool() || changes_a_day_between(decode_days(later.column(kDaysColumn).toByteArray()), date, date))
            return entry_of(later);
    }
    return std::nullopt;
}

// The first entry after `entry` that deleted (or added) a year over one of
// `days`, and the first of those days.
std::optional<std::pair<HistoryEntry, QDate>> later_year_change(Database &db, const HistoryEntry &entry,
                                                                const std::vector<DayChange> &days)
{
    Statement later = db.prepare(QStringLiteral("SELECT ") + entry_columns(db) + QStringLiteral(
        " FROM change_history WHERE \"CalendarLink\" = ? AND id > ? AND \"Days\" IS NULL"
        " AND \"FirstDate\" <= ? AND \"LastDate\" >= ? ORDER BY id"));
    later.bind(1, entry.calendar_id);
    later.bind(2, entry.id);
    later.bind(3, entry.last_date);
    later.bind(4, entry.first_date);
    while (later.step()) {
        const HistoryEntry year = entry_of(later);
        for (const DayChange &day : days) {
            if (day.before.date >= year.first_date && day.before.date <= year.last_date)
                return std::pair{year, day.before.date};
        }
    }
    return std::nullopt;
}

// An undo of an undo puts the change back.
QString undo_action(const QString &action)
{
    const QString undone = QStringLiteral("Undone: ");
    const QString redone = QStringLiteral("Redone: ");
    if (action.startsWith(undone))
        return redone + action.mid(undone.size());
    if (action.startsWith(redone))
        return undone + action.mid(redone.size());
    return undone + action;
}

} // namespace

void record_change(Database &db, qint32 calendar_id, const QString &action, const std::vector<DayChange> &days,
                   const QDate &span_first, const QDate &span_last, bool day_change)
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
    // A change of days that changed none still holds its (empty) days, so
    // that it is listed as what it was, not as a change of names or years.
    insert.bind(11, days.empty() && !day_change ? QVariant() : QVariant(encode_days(days)));
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
        states.push_back({days.column_date(0), days.column_int(1), days.column_int(2), days.column_int(3),
                          days.column_int(4), days.column_int(5), days.column_text(6), days.column_text(7)});
    }
    return states;
}

std::vector<DayChange> changed_days(const std::vector<DayState> &before, const std::vector<DayState> &after)
{
    // Both reads are in date order; a day only one of them holds was added
    // or removed with its year, which the year's own entry tells.
    std::vector<DayChange> changes;
    changes.reserve(std::min(before.size(), after.size()));
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
                            const QDate &last, const DayWrites &writes)
{
    Transaction transaction(db, WriteScope::calendar(calendar_id));
    check_calendar_revision(db, calendar_id, remembered);
    const std::vector<DayState> before = read_day_states(db, calendar_id, first, last);
    claim_calendar_days(db, calendar_id);
    std::vector<DayState> after = before;
    const QString action = writes(after);
    record_change(db, calendar_id, action, changed_days(before, after), {}, {}, true);
    const qint32 revision = advance_calendar_revision(db, calendar_id, remembered);
    transaction.commit();
    return revision;
}

WrittenDays::WrittenDays(std::vector<DayState> *days, const RecordSet &records)
    : m_days(days)
{
    if (!days)
        return;
    static const char *const kNames[] = {"DateVal", "DayType", "DayStart", "DayStop", "minutes1", "minutes2",
                                         "TimeSegments", "Date comment"};
    const QStringList &names = records.field_names();
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const QString name = QString::fromLatin1(kNames[i]);
        m_fields[i] = i == 1 && !names.contains(name, Qt::CaseInsensitive) ? -1 : records.field_index(name);
    }
}

void WrittenDays::note(const RecordSet &records)
{
    if (!m_days)
        return;
    DayState *day = day_at(*m_days, records.field(m_fields[0]).toDate());
    if (!day)
        throw DbError(DbError::ProgramError, QString::fromUtf8(QT_TRANSLATE_NOOP("dayvane", "DB record not found")), kHistorySource);
    if (m_fields[1] >= 0)
        day->day_type = records.field(m_fields[1]).toInt();
    day->day_start = records.field(m_fields[2]).toInt();
    day->day_stop = records.field(m_fields[3]).toInt();
    day->minutes1 = records.field(m_fields[4]).toInt();
    day->minutes2 = records.field(m_fields[5]).toInt();
    day->time_segments = records.field(m_fields[6]).toString();
    day->comment = records.field(m_fields[7]).toString();
}

std::vector<HistoryEntry> read_history(Database &db, const HistoryFilter &filter)
{
    const bool by_date = filter.from.isValid() || filter.to.isValid();
    const QString where = filter.calendar_id ? QStringLiteral(" FROM change_history WHERE \"CalendarLink\" = ?")
                                             : QStringLiteral(" FROM change_history");
    // The entries are counted first and their room taken at once: grown step
    // by step, ten thousand of them would be moved, and their memory touched
    // afresh, many times over.
    Statement count = db.prepare(QStringLiteral("SELECT count(*)") + where);
    Statement rows = db.prepare(QStringLiteral("SELECT ") + entry_columns(db)
                                + (by_date ? QStringLiteral(", \"Days\"") : QString()) + where
                                + QStringLiteral(" ORDER BY id DESC"));
    if (filter.calendar_id) {
        count.bind(1, *filter.calendar_id);
        rows.bind(1, *filter.calendar_id);
    }
    std::vector<HistoryEntry> entries;
    if (count.step())
        entries.reserve(size_t(count.column_int64(0)));
    count.reset();
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
                && !changes_a_day_between(decode_days(rows.column(kDaysColumn).toByteArray()), filter.from, filter.to))
                continue;
        }
        entries.push_back(std::move(entry));
    }
    // A filter may have left most of the room unused.
    if (!filter.who.isEmpty() || by_date)
        entries.shrink_to_fit();
    return entries;
}

std::optional<HistoryEntry> read_history_entry(Database &db, qint64 id)
{
    Statement row = db.prepare(QStringLiteral("SELECT ") + entry_columns(db) + QStringLiteral(" FROM change_history WHERE id = ?"));
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
    UndoOutcome outcome;
    const std::optional<HistoryEntry> entry = read_history_entry(db, id);
    if (!entry) {
        outcome.gone = true;
        return outcome;
    }
    const std::vector<DayChange> days = read_changed_days(db, id);
    if (days.empty())
        throw DbError(DbError::ProgramError, QString::fromUtf8(QT_TRANSLATE_NOOP("dayvane", "This change cannot be undone.")), kHistorySource);

    struct Conflict {};
    try {
        outcome.revision = change_calendar_days(db, entry->calendar_id, remembered, entry->first_date,
                                                entry->last_date, [&](std::vector<DayState> &now) {
            // Checked inside the change, so no deletion slips in between.
            if (auto year = later_year_change(db, *entry, days)) {
                outcome.later = year->first;
                outcome.conflict_date = year->second;
                throw Conflict{};
            }
            for (const DayChange &day : days) {
                DayState *stored = day_at(now, day.after.date);
                if (!stored || !(*stored == day.after)) {
                    outcome.conflict_date = day.after.date;
                    throw Conflict{};
                }
                *stored = day.before;
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
            return undo_action(entry->action);
        });
    } catch (const Conflict &) {
        if (!outcome.later)
            outcome.later = later_change_of(db, *entry, outcome.conflict_date);
    }
    return outcome;
}

int prune_history(Database &db, const QDate &before)
{
    Transaction transaction(db);
    const QString cut = before.startOfDay().toUTC().toString(Qt::ISODateWithMs);
    int removed = 0;
    if (server_holds_proofs(db)) {
        removed = prune_history_on_server(db, cut);
    } else {
        Statement remove = db.prepare(QStringLiteral("DELETE FROM change_history WHERE \"ChangedAt\" < ?"));
        remove.bind(1, cut);
        remove.exec();
        removed = db.changes();
    }
    record_change(db, 0, QStringLiteral("History before %1 removed: %2 entries")
                             .arg(before.toString(Qt::ISODate))
                             .arg(removed));
    transaction.commit();
    return removed;
}

} // namespace dayvane
