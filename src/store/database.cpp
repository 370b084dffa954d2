#include "store/database.h"

#include "store/dberror.h"
#include "store/schemadefinition.h"
#include "store/engine.h"
#include "store/postgresengine.h"
#include "store/sqlcipherengine.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace dayvane {

namespace {

// The operating-system login of this process, as the change history names it.
QString login_name()
{
    if (const passwd *entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace

Database::Database(std::unique_ptr<DatabaseEngine> engine, QString path)
    : m_engine(std::move(engine))
    , m_path(std::move(path))
    , m_author{QSysInfo::machineHostName(), login_name(), 0, {}}
{
}

Database::Database(Database &&) noexcept = default;

Database &Database::operator=(Database &&other) noexcept
{
    if (this != &other) {
        // Statements must be finalized before their connection closes.
        m_cache.clear();
        m_engine = std::move(other.m_engine);
        m_path = std::move(other.m_path);
        m_author = std::move(other.m_author);
        m_scope = other.m_scope;
        m_cache = std::move(other.m_cache);
        m_queries = std::move(other.m_queries);
        m_columns = std::move(other.m_columns);
        m_readable = std::move(other.m_readable);
        m_server_proofs = std::move(other.m_server_proofs);
    }
    return *this;
}

Database::~Database()
{
    m_cache.clear();
}

Database Database::open(const QString &path, const QByteArray &key, OpenMode mode)
{
    return Database(open_sqlcipher(path, key, mode), path);
}

Database Database::connect(const QString &address, const QByteArray &password)
{
    return Database(connect_postgres(address, password), address);
}

Database::Dialect Database::dialect() const
{
    return m_engine->dialect();
}

void Database::exec(const QString &sql)
{
    m_engine->exec(sql);
}

Statement Database::prepare(const QString &sql)
{
    return Statement(m_engine->prepare(sql), sql);
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
    m_engine->set_busy_timeout(milliseconds);
}

int Database::user_version()
{
    return m_engine->schema_version();
}

void Database::set_user_version(int version)
{
    m_engine->set_schema_version(version);
}

QString Database::returning(const QString &quoted_key) const
{
    return m_engine->returning(quoted_key);
}

void Database::begin(WriteScope scope)
{
    m_engine->begin(scope);
    m_scope = scope;
}

void Database::commit()
{
    m_engine->commit();
    m_scope = WriteScope::database();
}

void Database::rollback() noexcept
{
    m_engine->rollback();
    m_scope = WriteScope::database();
}

void Database::flush()
{
    m_engine->flush();
}

bool Database::has_table(const QString &name)
{
    return m_engine->has_table(name);
}

bool Database::read_only() const
{
    return m_engine->read_only();
}

bool Database::in_transaction() const
{
    return m_engine->in_transaction();
}

qint64 Database::last_insert_id()
{
    return m_engine->last_insert_id();
}

int Database::changes() const
{
    return m_engine->changes();
}

QString Database::source() const
{
    return m_engine->source();
}

const QStringList &Database::readable_columns(const QString &table)
{
    auto it = m_readable.find(table);
    if (it == m_readable.end())
        it = m_readable.emplace(table, m_engine->readable_columns(table)).first;
    return it->second;
}

bool Database::server_holds_proofs()
{
    if (!m_server_proofs) {
        m_server_proofs = false;
        if (dialect() == Dialect::PostgreSQL) {
            Statement found = prepare(QStringLiteral("SELECT to_regprocedure('dayvane_prove_user(integer, bytea)') IS NOT NULL"));
            m_server_proofs = found.step() && found.column(0).toBool();
        }
    }
    return *m_server_proofs;
}

void Database::forget_schema()
{
    m_queries.clear();
    m_columns.clear();
    m_readable.clear();
    m_server_proofs.reset();
}

const StoredQuery &Database::stored_query(const QString &name)
{
    // The program's own definitions, never the stored table's text: whoever
    // can write that table (any workstation of a share or server) would
    // otherwise choose the SQL that every other workstation runs.
    if (m_queries.empty()) {
        const SchemaDefinition &schema = dialect() == Dialect::SQLite ? file_schema()
                                         : server_holds_proofs()      ? server_schema()
                                                                      : server_schema_before_proofs();
        for (StoredQuery &query : stored_queries_of(schema))
            m_queries.emplace(query.name.toLower(), std::move(query));
    }
    const auto it = m_queries.find(name.toLower());
    if (it == m_queries.end())
        throw DbError(DbError::UnknownQuery,
                      QStringLiteral("The database has no query named '%1'.").arg(name), source());
    return it->second;
}

const QStringList &Database::table_columns(const QString &table)
{
    auto it = m_columns.find(table);
    if (it == m_columns.end())
        it = m_columns.emplace(table, m_engine->table_columns(table)).first;
    return it->second;
}

} // namespace dayvane
