#include "store/schema.h"

#include "store/calendarnotices.h"
#include "store/database.h"
#include "store/databaseid.h"
#include "store/dberror.h"
#include "store/schemadefinition.h"
#include "store/serversecurity.h"
#include "store/transaction.h"

#include <QStringList>

#include <iterator>
#include <map>
#include <vector>

namespace dayvane {

namespace {

// Ids are never reused (AUTOINCREMENT): a window that still holds the id of
// a deleted record must find nothing rather than a newer record.
const char *const kTables = R"sql(
CREATE TABLE calendars (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL UNIQUE COLLATE NOCASE,
    OwnerLink INTEGER NOT NULL DEFAULT 0,
    RestrictRead BOOLEAN NOT NULL DEFAULT 0,
    revision INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE calendar_years (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    CalendarLink INTEGER NOT NULL REFERENCES calendars(id) ON DELETE CASCADE,
    YearVal INTEGER NOT NULL,
    UNIQUE (CalendarLink, YearVal)
);
CREATE TABLE days (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    NameLink INTEGER NOT NULL REFERENCES calendars(id) ON DELETE CASCADE,
    YearLink INTEGER NOT NULL REFERENCES calendar_years(id) ON DELETE CASCADE,
    DateVal DATE NOT NULL,
    DayType INTEGER DEFAULT 0,
    DayStart INTEGER DEFAULT 0,
    DayStop INTEGER DEFAULT 0,
    minutes1 INTEGER DEFAULT 0,
    minutes2 INTEGER DEFAULT 0,
    TimeSegments TEXT,
    "Date comment" TEXT,
    UNIQUE (NameLink, DateVal)
);
CREATE INDEX days_by_year ON days (YearLink, DateVal);
CREATE TABLE users (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    EmployeeID TEXT NOT NULL DEFAULT '',
    FirstName TEXT,
    LastName TEXT NOT NULL DEFAULT '',
    password BLOB,
    revision INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE system_variables (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Variable TEXT NOT NULL,
    Value BLOB
);
CREATE TABLE stored_query (
    name TEXT PRIMARY KEY COLLATE NOCASE,
    select_sql TEXT NOT NULL,
    base_table TEXT NOT NULL DEFAULT '',
    key_column TEXT NOT NULL DEFAULT ''
);
)sql";

// Who changed what: one entry a change, written in the change's own
// transaction. Names and dates are copied, not linked, so an entry outlives
// a renamed or deleted calendar or user. Days holds the changed days before
// and after (a compact binary record), null for changes that cannot be undone.
const char *const kHistoryTable = R"sql(
CREATE TABLE change_history (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    ChangedAt TEXT NOT NULL,
    Workstation TEXT NOT NULL DEFAULT '',
    Login TEXT NOT NULL DEFAULT '',
    UserLink INTEGER NOT NULL DEFAULT 0,
    UserName TEXT NOT NULL DEFAULT '',
    CalendarLink INTEGER NOT NULL DEFAULT 0,
    CalendarName TEXT NOT NULL DEFAULT '',
    Action TEXT NOT NULL,
    FirstDate DATE,
    LastDate DATE,
    Days BLOB
);
CREATE INDEX change_history_by_calendar ON change_history (CalendarLink, id);
)sql";

// The database's id (see databaseid.h): one row, never more (the unique
// index on a constant), of 32 lower-case hex digits.
const char *const kIdentityTable = R"sql(
CREATE TABLE IF NOT EXISTS database_identity (
    id TEXT NOT NULL CHECK (length(id) = 32 AND id NOT GLOB '*[^0-9a-f]*')
);
CREATE UNIQUE INDEX IF NOT EXISTS database_identity_one_row ON database_identity ((1));
)sql";

// The stored queries. Scrambled passwords are blobs (byte-exact); dates are
// ISO text, so text order is date order. A query with a base table must
// select that table's id, through which its records are written.
const QueryDefinition kQueries[] = {
    {"Q000", "",
     "SELECT c.id AS id, c.Name AS Name, y.YearVal AS YearVal, c.OwnerLink AS OwnerLink,"
     " c.RestrictRead AS RestrictRead,"
     " CASE WHEN u.id IS NULL THEN NULL"
     "  ELSE trim(ifnull(u.FirstName, '') || ' ' || ifnull(u.LastName, '')) END AS OwnerName,"
     " c.revision AS revision"
     " FROM calendars c"
     " LEFT JOIN calendar_years y ON y.CalendarLink = c.id"
     " LEFT JOIN users u ON u.id = c.OwnerLink"
     " ORDER BY c.Name COLLATE NOCASE, c.id, y.YearVal"},
    {"Q001", "calendars", "SELECT id, Name FROM calendars WHERE Name = :NameTest ORDER BY id"},
    {"Q002", "calendar_years",
     "SELECT id, CalendarLink, YearVal FROM calendar_years"
     " WHERE CalendarLink = :CalendarID AND YearVal = :Year ORDER BY id"},
    {"Q003", "days",
     "SELECT d.id AS id, d.NameLink AS NameLink, d.YearLink AS YearLink, d.DateVal AS DateVal,"
     " d.DayType AS DayType, d.DayStart AS DayStart, d.DayStop AS DayStop,"
     " d.minutes1 AS minutes1, d.minutes2 AS minutes2, d.TimeSegments AS TimeSegments,"
     " d.\"Date comment\" AS \"Date comment\""
     " FROM days d JOIN calendar_years y ON y.id = d.YearLink"
     " WHERE d.NameLink = :CalendarID AND y.CalendarLink = :CalendarID AND y.YearVal = :Year"
     " ORDER BY d.DateVal"},
    {"Q004", "calendars",
     "SELECT id, Name, OwnerLink, RestrictRead, revision FROM calendars WHERE id = :RecordID"},
    {"Q005", "",
     "SELECT CalendarLink, min(YearVal) AS FirstYear, max(YearVal) AS LastYear,"
     " count(*) AS count_of_years"
     " FROM calendar_years WHERE CalendarLink = :CalendarID GROUP BY CalendarLink"},
    {"Q006", "days",
     "SELECT id, NameLink, YearLink, DateVal, DayType, DayStart, DayStop, minutes1, minutes2,"
     " TimeSegments, \"Date comment\" FROM days WHERE id = :RecordID"},
    {"Q007", "",
     "SELECT id, DateVal, CAST(strftime('%w', DateVal) AS INTEGER) + 1 AS WkDay, DayType,"
     " TimeSegments, \"Date comment\""
     " FROM days WHERE NameLink = :CalendarID AND YearLink = :YearID AND DateVal >= :Date"
     " ORDER BY DateVal"},
    {"Q008", "days",
     "SELECT id, NameLink, YearLink, DateVal, DayStart, DayStop, minutes1, minutes2,"
     " TimeSegments, \"Date comment\""
     " FROM days WHERE NameLink = :CalendarID AND DateVal BETWEEN :StartDt AND :EndDt"
     " ORDER BY DateVal"},
    // The year's typical day: its most frequent period list among work days,
    // the earliest first date breaking ties. SQLite takes the bare columns
    // minutes1 and minutes2 from the row that gave min(DateVal).
    {"Q009", "",
     "SELECT TimeSegments, work, pay FROM ("
     " SELECT d.TimeSegments AS TimeSegments, d.minutes1 AS work, d.minutes2 AS pay,"
     "  min(d.DateVal) AS first_date, count(*) AS frequency"
     " FROM days d JOIN calendar_years y ON y.id = d.YearLink"
     " WHERE d.NameLink = :CalendarID AND y.CalendarLink = :CalendarID AND y.YearVal = :Year"
     "  AND d.minutes1 >= 1"
     " GROUP BY d.TimeSegments)"
     " ORDER BY frequency DESC, first_date LIMIT 1"},
    {"Q010", "users",
     "SELECT id, EmployeeID, FirstName, LastName, password, revision FROM users"
     " ORDER BY LastName COLLATE NOCASE, FirstName COLLATE NOCASE, id"},
    {"Q011", "system_variables", "SELECT id, Variable, Value FROM system_variables ORDER BY id"},
    {"Q011a", "",
     "SELECT Variable, Value FROM system_variables"
     " WHERE Variable = 'System password' AND Value = :Password"},
    {"Q014", "",
     "SELECT count(*) AS OwnerCount FROM calendars WHERE OwnerLink = :UserID"},
    {"Q015", "",
     "SELECT trim(ifnull(FirstName, '') || ' ' || ifnull(LastName, '')) AS Name, password"
     " FROM users WHERE id = :UserID"},
    {"Q017", "users",
     "SELECT id, revision, EmployeeID, FirstName, LastName, password FROM users WHERE id = :UserID"},
};

} // namespace

const SchemaDefinition &file_schema()
{
    static const SchemaDefinition schema{kSchemaVersion, kTables, kHistoryTable, kIdentityTable, kQueries, std::size(kQueries)};
    return schema;
}

namespace {

const SchemaDefinition &schema_of(const Database &db)
{
    return db.dialect() == Database::Dialect::PostgreSQL ? server_schema() : file_schema();
}

// A stored query's row of the table stored_query: name, SQL, base table and
// key column.
QStringList row_of(const StoredQuery &query)
{
    return {query.name, query.select_sql, query.base_table, query.key_column};
}

// The table is kept for older programs, which run what it holds.
void write_stored_queries(Database &db)
{
    db.exec(QStringLiteral("DELETE FROM stored_query;"));
    Statement insert = db.prepare(QStringLiteral(
        "INSERT INTO stored_query (name, select_sql, base_table, key_column) VALUES (?, ?, ?, ?);"));
    for (const StoredQuery &query : stored_queries_of(schema_of(db))) {
        const QStringList row = row_of(query);
        insert.reset();
        for (int column = 0; column < row.size(); ++column)
            insert.bind(column + 1, row[column]);
        insert.exec();
    }
}

} // namespace

int schema_version_of(const Database &db)
{
    return schema_of(db).version;
}

std::vector<StoredQuery> stored_queries_of(const SchemaDefinition &schema)
{
    std::vector<StoredQuery> queries;
    for (std::size_t i = 0; i < schema.query_count; ++i) {
        const QueryDefinition &query = schema.queries[i];
        const QString base = QString::fromUtf8(query.base_table);
        queries.push_back({QString::fromUtf8(query.name), QString::fromUtf8(query.select_sql), base,
                           base.isEmpty() ? QString() : QStringLiteral("id")});
    }
    return queries;
}

QStringList stored_query_differences(Database &db)
{
    std::map<QString, QStringList> stored;
    Statement rows = db.prepare(QStringLiteral("SELECT name, select_sql, base_table, key_column FROM stored_query;"));
    while (rows.step()) {
        const QStringList row{rows.column(0).toString(), rows.column(1).toString(), rows.column(2).toString(),
                              rows.column(3).toString()};
        stored.emplace(row[0].toUpper(), row);
    }
    QStringList differing;
    for (const StoredQuery &query : stored_queries_of(schema_of(db))) {
        const QStringList row = row_of(query);
        const auto found = stored.find(row[0].toUpper());
        if (found == stored.end() || found->second != row)
            differing << row[0];
        if (found != stored.end())
            stored.erase(found);
    }
    for (const auto &[name, row] : stored)
        differing << row[0];
    return differing;
}

void create_schema(Database &db)
{
    Transaction transaction(db);
    db.exec(QString::fromUtf8(schema_of(db).tables));
    db.exec(QString::fromUtf8(schema_of(db).history_table));
    write_stored_queries(db);
    add_database_id(db);
    db.set_user_version(schema_version_of(db));
    if (db.dialect() == Database::Dialect::PostgreSQL) {
        install_server_security(db);
        install_calendar_notices(db);
    }
    transaction.commit();
    db.forget_schema();
}

namespace {

// Refuses a database this program cannot upgrade; true when it is current.
bool is_current(Database &db, int version)
{
    const int current = schema_version_of(db);
    if (version > current)
        throw DbError(DbError::SchemaTooNew,
                      QStringLiteral("The database was written by a newer version of the program "
                                     "(schema %1; this program reads up to %2). Please update the program.")
                          .arg(version)
                          .arg(current),
                      db.source());
    return version == current;
}

} // namespace

bool check_schema(Database &db)
{
    const int version = db.user_version();
    if (is_current(db, version))
        return true;
    if (version < 1 || !db.has_table(QStringLiteral("stored_query")))
        throw DbError(DbError::SchemaMissing, QStringLiteral("The database holds no calendar data."),
                      db.source());
    return false;
}

void upgrade_schema(Database &db)
{
    if (check_schema(db))
        return;
    try {
        // Another workstation may be upgrading at this moment: the version
        // is read again once this transaction holds the writer's lock, and
        // what that workstation did is not done again.
        Transaction transaction(db);
        const int locked = db.user_version();
        if (is_current(db, locked))
            return;
        // Each later version's step runs inside this one transaction; the
        // stored queries are written afresh.
        // On a server, only the tables' owner may install what protects
        // them; a workstation leaves the upgrade to the administrator.
        const bool server = db.dialect() == Database::Dialect::PostgreSQL;
        if (server && !administers(db))
            throw DbError(DbError::UpgradeNeeded,
                          QStringLiteral("The calendar database on the server is of an older version (schema %1). "
                                         "Please ask its administrator to run: dayvane-db upgrade ADDRESS")
                              .arg(locked),
                          db.source());
        if (locked < 2)
            db.exec(QString::fromUtf8(schema_of(db).history_table));
        write_stored_queries(db);
        db.set_user_version(schema_version_of(db));
        if (server && locked < kServerSecurityVersion)
            install_server_security(db);
        if (server && locked < kCalendarNoticeVersion)
            install_calendar_notices(db);
        transaction.commit();
        db.forget_schema();
    } catch (const DbError &error) {
        switch (error.number()) {
        case DbError::Busy:
        case DbError::Locked:
        case DbError::SchemaTooNew:
        case DbError::ServerGone:
        case DbError::ServerUnreachable:
        case DbError::UpgradeNeeded:
            throw;
        default:
            throw DbError(DbError::UpgradeFailed,
                          QStringLiteral("The database could not be brought up to this version of the program: ")
                              + error.description(),
                          error.source());
        }
    }
}

} // namespace dayvane
