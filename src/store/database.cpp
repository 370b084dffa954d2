#include "store/database.h"

#include "store/dberror.h"

#include <sqlcipher/sqlite3.h>

namespace dayvane {

namespace {

constexpr int kDefaultBusyTimeoutMs = 5000;

QString describe(sqlite3 *db, int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("The database is in use by another workstation. Please try again.");
    case SQLITE_NOTADB:
        return QStringLiteral("The file is not a database or its password is wrong.");
    default:
        return QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
    }
}

} // namespace

void Database::Closer::operator()(sqlite3 *db) const
{
    sqlite3_close_v2(db);
}

Database::Database(sqlite3 *db, QString path)
    : m_db(db)
    , m_path(std::move(path))
{
}

Database::Database(Database &&) noexcept = default;

Database &Database::operator=(Database &&other) noexcept
{
    if (this != &other) {
        // Statements must be finalized before their connection closes.
        m_cache.clear();
        m_db = std::move(other.m_db);
        m_path = std::move(other.m_path);
        m_cache = std::move(other.m_cache);
        m_queries = std::move(other.m_queries);
        m_columns = std::move(other.m_columns);
    }
    return *this;
}

Database::~Database()
{
    m_cache.clear();
}

Database Database::open(const QString &path, const QByteArray &key, OpenMode mode)
{
    sqlite3 *raw = nullptr;
    int flags = mode == OpenMode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (mode == OpenMode::Create)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
    Database db(raw, path);  // owns the handle even when the open failed
    if (rc != SQLITE_OK)
        db.throw_error(rc);

    // An empty key means a plain file (the report database); the engine
    // refuses to set an empty key rather than ignoring it.
    if (!key.isEmpty()) {
        const int keyed = sqlite3_key(raw, key.constData(), int(key.size()));
        if (keyed != SQLITE_OK)
            db.throw_error(keyed);
    }
    // Another workstation may be writing: wait for it from the first read.
    db.set_busy_timeout(kDefaultBusyTimeoutMs);
    // The key is only tried on the first read: this read proves it.
    db.exec(QStringLiteral("SELECT count(*) FROM sqlite_master;"));
    if (db.read_only())
        return db;
    // Rollback journal rather than WAL: WAL's shared memory does not work
    // for a file on a network share.
    db.exec(QStringLiteral("PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL; PRAGMA journal_mode = DELETE;"));
    return db;
}

void Database::exec(const QString &sql)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(m_db.get(), sql.toUtf8().constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        throw_error(rc);
}

Statement Database::prepare(const QString &sql)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const int rc = sqlite3_prepare_v2(m_db.get(), text.constData(), int(text.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        throw_error(rc);
    }
    return Statement(stmt, sql);
}

Statement &Database::cached(const QString &sql)
{
    auto it = m_cache.find(sql);
    if (it == m_cache.end())
        it = m_cache.emplace(sql, prepare(sql)).first;
    it->second.reset();
    return it->second;
}

void Database::set_busy_timeout(int milliseconds)
{
    sqlite3_busy_timeout(m_db.get(), milliseconds);
}

int Database::user_version()
{
    Statement stmt = prepare(QStringLiteral("PRAGMA user_version;"));
    return stmt.step() ? stmt.column(0).toInt() : 0;
}

bool Database::read_only() const
{
    return sqlite3_db_readonly(m_db.get(), "main") == 1;
}

bool Database::in_transaction() const
{
    return sqlite3_get_autocommit(m_db.get()) == 0;
}

qint64 Database::last_insert_id() const
{
    return sqlite3_last_insert_rowid(m_db.get());
}

int Database::changes() const
{
    return sqlite3_changes(m_db.get());
}

const StoredQuery &Database::stored_query(const QString &name)
{
    if (m_queries.empty()) {
        Statement stmt = prepare(QStringLiteral(
            "SELECT name, select_sql, base_table, key_column FROM stored_query;"));
        while (stmt.step()) {
            StoredQuery query{stmt.column(0).toString(), stmt.column(1).toString(),
                              stmt.column(2).toString(), stmt.column(3).toString()};
            m_queries.emplace(query.name.toLower(), std::move(query));
        }
    }
    const auto it = m_queries.find(name.toLower());
    if (it == m_queries.end())
        throw DbError(DbError::UnknownQuery,
                      QStringLiteral("The database has no query named '%1'.").arg(name), kEngineSource);
    return it->second;
}

const QStringList &Database::table_columns(const QString &table)
{
    auto it = m_columns.find(table);
    if (it == m_columns.end()) {
        QStringList columns;
        Statement stmt = prepare(QStringLiteral("PRAGMA table_info(\"%1\");").arg(table));
        while (stmt.step())
            columns << stmt.column(1).toString();
        it = m_columns.emplace(table, columns).first;
    }
    return it->second;
}

void Database::throw_error(int code) const
{
    throw_engine_error(m_db.get(), code);
}

void throw_engine_error(sqlite3 *db, int code)
{
    throw DbError(code & 0xff, describe(db, code), kEngineSource);
}

} // namespace dayvane
