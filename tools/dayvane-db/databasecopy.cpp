#include "databasecopy.h"

#include "store/database.h"
#include "store/databaseid.h"
#include "store/dberror.h"
#include "store/serversecurity.h"
#include "store/transaction.h"

#include <QCryptographicHash>
#include <QDate>
#include <QtEndian>

#include <algorithm>
#include <functional>
#include <optional>

// The one place outside the store that knows both engines: the id counters
// are each engine's own.

namespace dayvane {

namespace {

const QString kCopySource = QStringLiteral("dayvane-db copy");

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString column_list(const QStringList &columns)
{
    QStringList names;
    for (const QString &column : columns)
        names << quoted(column);
    return names.join(QStringLiteral(", "));
}

// Each value with its kind and length, so that no two different records
// hash alike and a value that changed kind on the way (text that became
// bytes) shows as a difference.
void add_to_checksum(QCryptographicHash &hash, const QVariant &value)
{
    char kind = 'N';
    QByteArray bytes;
    if (value.isNull()) {
        // kind N, no bytes
    } else if (value.typeId() == QMetaType::QByteArray) {
        kind = 'B';
        bytes = value.toByteArray();
    } else if (value.typeId() == QMetaType::QDate) {
        kind = 'D';
        bytes = value.toDate().toString(Qt::ISODate).toLatin1();
    } else if (value.typeId() == QMetaType::QString) {
        kind = 'T';
        bytes = value.toString().toUtf8();
    } else {
        // Numbers and booleans: a file keeps a boolean as 0 or 1.
        kind = 'I';
        bytes = QByteArray::number(value.toLongLong());
    }
    const quint32 size = qToBigEndian(quint32(bytes.size()));
    hash.addData(QByteArrayView(&kind, 1));
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(&size), sizeof size));
    hash.addData(bytes);
}

// The table's columns, the same in both databases but for what a server
// stamps itself: a copy between different schema versions would lose fields.
QStringList shared_columns(Database &source, Database &target, const QString &table)
{
    const auto without_stamps = [&](QStringList columns) {
        columns.removeIf([&](const QString &column) { return server_stamp_columns(table).contains(column); });
        return columns;
    };
    const QStringList columns = without_stamps(source.table_columns(table));
    if (columns != without_stamps(target.table_columns(table)))
        throw DbError(DbError::EngineError,
                      QStringLiteral("The table %1 has other fields in the target database.").arg(table), kCopySource);
    return columns;
}

// Rows a server hands over at a time: a whole table's answer (millions of
// days) would otherwise be held in memory at once.
constexpr int kBatchRows = 5000;

// Runs `select` and gives every row to `each_row`; on a server through a
// cursor, a batch at a time (inside the caller's transaction).
void for_each_row(Database &db, const QString &select, const std::function<void(const Statement &)> &each_row)
{
    if (db.dialect() == Database::Dialect::SQLite) {
        Statement rows = db.prepare(select);
        while (rows.step())
            each_row(rows);
        return;
    }
    db.exec(QStringLiteral("DECLARE copied_rows NO SCROLL CURSOR FOR ") + select);
    Statement fetch = db.prepare(QStringLiteral("FETCH %1 FROM copied_rows").arg(kBatchRows));
    for (bool more = true; more;) {
        fetch.reset();
        int rows = 0;
        for (; fetch.step(); ++rows)
            each_row(fetch);
        more = rows == kBatchRows;
    }
    db.exec(QStringLiteral("CLOSE copied_rows"));
}

// Rows and checksum of a table as `db` reads it; `each_row` sees every row.
std::pair<qint64, QByteArray> table_summary(Database &db, const QString &table, const QStringList &columns,
                                            const std::function<void(const Statement &)> &each_row = {})
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 count = 0;
    for_each_row(db, QStringLiteral("SELECT %1 FROM %2 ORDER BY id").arg(column_list(columns), table),
                 [&](const Statement &row) {
        for (int column = 0; column < columns.size(); ++column)
            add_to_checksum(hash, row.column(column));
        if (each_row)
            each_row(row);
        ++count;
    });
    return {count, hash.result()};
}

// The highest id the table has handed out, deleted records included.
qint64 id_high_water(Database &db, const QString &table)
{
    Statement stmt = db.prepare(
        db.dialect() == Database::Dialect::SQLite
            ? QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = :Table")
            : QStringLiteral(
                  "SELECT coalesce(pg_sequence_last_value(pg_get_serial_sequence(:Table, 'id')::regclass), 0)"));
    stmt.bind(QStringLiteral(":Table"), table);
    qint64 mark = stmt.step() ? stmt.column(0).toLongLong() : 0;
    Statement highest = db.prepare(QStringLiteral("SELECT coalesce(max(id), 0) FROM %1").arg(table));
    if (highest.step())
        mark = std::max(mark, highest.column(0).toLongLong());
    return mark;
}

void set_id_high_water(Database &db, const QString &table, qint64 mark)
{
    if (mark <= 0)
        return;
    if (db.dialect() == Database::Dialect::SQLite) {
        Statement forget = db.prepare(QStringLiteral("DELETE FROM sqlite_sequence WHERE name = :Table"));
        forget.bind(QStringLiteral(":Table"), table);
        forget.exec();
        Statement set = db.prepare(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (:Table, :Mark)"));
        set.bind(QStringLiteral(":Table"), table);
        set.bind(QStringLiteral(":Mark"), mark);
        set.exec();
    } else {
        Statement set = db.prepare(QStringLiteral("SELECT setval(pg_get_serial_sequence(:Table, 'id'), :Mark)"));
        set.bind(QStringLiteral(":Table"), table);
        set.bind(QStringLiteral(":Mark"), mark);
        set.step();
    }
}

// Copies the rows; returns the source's count and checksum, read on the way.
std::pair<qint64, QByteArray> copy_rows(Database &source, Database &target, const QString &table,
                                        const QStringList &columns)
{
    QStringList places;
    for (int i = 0; i < columns.size(); ++i)
        places << QStringLiteral("?");
    Statement insert = target.prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, column_list(columns), places.join(u',')));
    qint64 sent = 0;
    return table_summary(source, table, columns, [&](const Statement &row) {
        for (int column = 0; column < columns.size(); ++column)
            insert.bind(column + 1, row.column(column));
        // Sent in batches to a server: no round trip per record, and no
        // more than a batch of answers waiting.
        insert.send();
        insert.reset();
        if (++sent % kBatchRows == 0)
            target.flush();
    });
}

} // namespace

const std::vector<QString> &copied_tables()
{
    static const std::vector<QString> tables{
        QStringLiteral("users"),          QStringLiteral("calendars"),        QStringLiteral("calendar_years"),
        QStringLiteral("days"),           QStringLiteral("system_variables"), QStringLiteral("change_history"),
        kDatabaseIdentityTable,
    };
    return tables;
}

bool holds_no_records(Database &db)
{
    for (const QString &table : copied_tables()) {
        // Every new database has its id.
        if (table == kDatabaseIdentityTable)
            continue;
        Statement any = db.prepare(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(table));
        if (any.step())
            return false;
    }
    return true;
}

std::optional<QString> foreign_table(Database &db)
{
    // A server's tables in the schema ours go into, as the engine looks them up.
    Statement tables = db.prepare(
        db.dialect() == Database::Dialect::SQLite
            ? QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'view')"
                             " AND name NOT LIKE 'sqlite|_%' ESCAPE '|' ORDER BY name")
            : QStringLiteral("SELECT c.relname FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n"
                             " ON n.oid = c.relnamespace WHERE n.nspname = current_schema()"
                             " AND c.relkind IN ('r', 'p', 'v', 'm', 'f') ORDER BY c.relname"));
    const QStringList own{QStringLiteral("stored_query"), QStringLiteral("dayvane_schema"), QStringLiteral("dayvane_claims")};
    while (tables.step()) {
        const QString name = tables.column(0).toString();
        if (!own.contains(name) && std::find(copied_tables().begin(), copied_tables().end(), name) == copied_tables().end())
            return name;
    }
    return std::nullopt;
}

std::vector<CopiedTable> copy_database(Database &source, Database &target)
{
    std::vector<CopiedTable> copied;
    // One moment's state of a server without its writer's lock, so that the
    // workstations' saves go on meanwhile. (A file is copied from a
    // snapshot of its own, see snapshot_calendar_file.)
    const bool server = source.dialect() == Database::Dialect::PostgreSQL;
    if (server)
        source.exec(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ, READ ONLY;"));
    Transaction transaction(target);
    // A copy is the same database: the target's own id gives way to the
    // source's (a source without one leaves the copy without one, to be made
    // on first need). An empty database from before the table gets it here.
    if (!target.has_table(kDatabaseIdentityTable))
        add_database_id(target);
    target.exec(QStringLiteral("DELETE FROM database_identity;"));
    // Entries copied from elsewhere were not made on this server: it stamps
    // none of them.
    const bool stamped = target.dialect() == Database::Dialect::PostgreSQL && target.has_table(QStringLiteral("dayvane_claims"));
    if (stamped)
        target.exec(QStringLiteral("ALTER TABLE change_history DISABLE TRIGGER dayvane_stamp;"));
    for (const QString &table : copied_tables()) {
        // A database from before the history or the id has none to copy.
        const bool added_later = table == QLatin1String("change_history") || table == kDatabaseIdentityTable;
        if (added_later && !source.has_table(table)) {
            // As a table without records reads: the target's must read the same.
            copied.push_back({table, 0, 0, QCryptographicHash::hash({}, QCryptographicHash::Sha256), {}});
            continue;
        }
        const QStringList columns = shared_columns(source, target, table);
        CopiedTable entry;
        entry.table = table;
        std::tie(entry.source_rows, entry.source_checksum) = copy_rows(source, target, table, columns);
        // The id is text, handed out by no counter.
        if (table != kDatabaseIdentityTable)
            set_id_high_water(target, table, id_high_water(source, table));
        copied.push_back(entry);
    }
    if (server)
        source.exec(QStringLiteral("COMMIT;"));
    if (stamped)
        target.exec(QStringLiteral("ALTER TABLE change_history ENABLE TRIGGER dayvane_stamp;"));
    // Read back what the target now holds, before anything is committed.
    for (CopiedTable &entry : copied) {
        std::tie(entry.target_rows, entry.target_checksum) =
            table_summary(target, entry.table, shared_columns(target, target, entry.table));
        if (entry.target_rows != entry.source_rows || entry.target_checksum != entry.source_checksum)
            throw DbError(DbError::EngineError,
                          QStringLiteral("The table %1 reads back differently from the target database (%2 records "
                                         "copied, %3 read); nothing was copied.")
                              .arg(entry.table)
                              .arg(entry.source_rows)
                              .arg(entry.target_rows),
                          kCopySource);
    }
    transaction.commit();
    return copied;
}

} // namespace dayvane
