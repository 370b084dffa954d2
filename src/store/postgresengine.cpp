// The server engine's connection: connecting, reconnecting after a loss, and what
// the server tells of its failures.

#include "store/postgresdatabase.h"
#include "store/serveraddress.h"

#include <poll.h>

#include <QRegularExpression>

#include <utility>

namespace dayvane {

namespace pg {

namespace {

QString server_message(PGconn *conn, const PGresult *result)
{
    const char *primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    return QString::fromUtf8(primary ? primary : PQerrorMessage(conn)).trimmed();
}

// True when the server sent something that nobody asked for: on an idle
// connection, that it is going away, or the end of the connection.
bool input_waiting(PGconn *conn)
{
    pollfd socket{PQsocket(conn), POLLIN, 0};
    return ::poll(&socket, 1, 0) > 0;
}

// The DbError for a failed request: the numbers a file's engine gives for
// the same trouble, so that callers need not know which engine answered.
DbError server_error(PGconn *conn, const PGresult *result)
{
    const QString message = server_message(conn, result);
    const char *field = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const QByteArray state = field ? QByteArray(field) : QByteArray();
    // The server gives every failure of its own a state; one without is
    // libpq's: the request or its answer did not get through.
    if (PQstatus(conn) == CONNECTION_BAD || state.isEmpty() || state.startsWith("08") || state.startsWith("57P"))
        return lost_connection(message);
    // Waited past lock_timeout, or chosen to give way to another writer.
    if (state == "55P03" || state == "40P01" || state == "40001")
        return DbError(DbError::Busy,
                       QStringLiteral("The database is in use by another workstation. Please try again."), kSource);
    if (state.startsWith("23"))
        return DbError(DbError::Constraint, message, kSource);
    return DbError(DbError::EngineError, message, kSource);
}

// The request limit that `address` sets with our own key, taken out of it
// (libpq refuses keys it does not know).
int take_request_limit(QString &address)
{
    const std::optional<QString> value = address_setting(address, kRequestLimitKey);
    if (!value)
        return kDefaultRequestLimitSeconds;
    bool number = false;
    const int seconds = value->trimmed().toInt(&number);
    if (!number || seconds < 0)
        throw DbError(DbError::BadAddress, QStringLiteral("invalid value for %1: \"%2\"").arg(kRequestLimitKey, *value),
                      kSource);
    address = without_setting(address, kRequestLimitKey);
    return seconds;
}

// Throws DbError BadAddress, with libpq's reason, when libpq cannot read
// `address` (a URI or "key=value" string).
void check_address(const QByteArray &address)
{
    char *reason = nullptr;
    PQconninfoOption *options = PQconninfoParse(address.constData(), &reason);
    PQconninfoFree(options);
    if (options)
        return;
    const QString message = reason ? QString::fromUtf8(reason).trimmed() : QStringLiteral("Out of memory.");
    PQfreemem(reason);
    throw DbError(DbError::BadAddress, message, kSource);
}

// The DbError for a connection that failed to open, by what went wrong.
DbError connection_refusal(PGconn *conn)
{
    // libpq reports a refused connection as text only: the server's own
    // reason after "FATAL:", or libpq's.
    const QString message = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
    const auto says = [&](const char *text) { return message.contains(QLatin1String(text)); };
    int number = DbError::ServerUnreachable;
    if (PQconnectionNeedsPassword(conn))
        number = DbError::PasswordNeeded;
    else if (says("authentication failed") || says("no pg_hba.conf entry"))
        number = DbError::AuthenticationFailed;
    else if (says("role \"") && says("does not exist"))
        number = DbError::RoleMissing;
    else if (says("database \"") && says("does not exist"))
        number = DbError::DatabaseMissing;
    else if (says("too many connections") || says("too many clients") || says("connection slots are reserved"))
        number = DbError::TooManyConnections;
    else if (says("SSL") || says("certificate"))
        number = DbError::TlsRefused;
    return DbError(number, message, kSource);
}

} // namespace

DbError lost_connection(const QString &reason)
{
    return DbError(DbError::ServerGone,
                   QStringLiteral("The connection to the database server was lost (%1). A change that was not "
                                  "finished was not saved; the next command connects again.")
                       .arg(reason),
                   kSource);
}

DbError lost_commit(const QString &reason, bool not_saved)
{
    return DbError(DbError::ServerGone,
                   QStringLiteral("The connection to the database server was lost (%1) while a change was being saved. %2; "
                                  "the next command connects again.")
                       .arg(reason, not_saved ? QStringLiteral("The server did not save the change")
                                              : QStringLiteral("The change may or may not have been saved: reload to see")),
                   kSource);
}

DbError PostgresDatabase::failure(const PGresult *result)
{
    DbError error = server_error(m_conn, result);
    if (error.number() == DbError::ServerGone) {
        // The first reason is kept: later failures only follow from it.
        if (!std::exchange(m_lost, true))
            m_loss_reason = server_message(m_conn, result);
        if (result && PQresultErrorField(result, PG_DIAG_SQLSTATE))
            m_ended_by_server = true;
    }
    return error;
}

void PostgresDatabase::ensure_connected()
{
    // A server that stopped or restarted while the connection was idle has
    // closed it; reading that costs no round trip, and the request below
    // then goes to a fresh connection instead of failing.
    if (!m_in_transaction) {
        while (PQstatus(m_conn) == CONNECTION_OK && input_waiting(m_conn) && PQconsumeInput(m_conn)) {
        }
    }
    if (PQstatus(m_conn) == CONNECTION_OK && !m_lost)
        return;
    // Never inside a transaction: what it wrote is gone with the old
    // connection, and its rest must not be written without it.
    if (m_in_transaction)
        throw failure(nullptr);
    m_sent.clear();
    m_held = {};
    m_in_transaction = false;
    ++m_generation;
    m_unused.clear();
    PQreset(m_conn);
    ++m_round_trips;
    if (PQstatus(m_conn) != CONNECTION_OK)
        throw failure(nullptr);
    m_lost = false;
    ++m_sessions;
    set_up_session();
}

void PostgresDatabase::set_up_session()
{
    // Requests are sent and answered by wait_for_result(), which never
    // waits past the request limit.
    if (PQsetnonblocking(m_conn, 1) != 0)
        throw failure(nullptr);
    // Dates as ISO text, notices kept off the console.
    // A calendar server's own session state (see serversecurity.cpp), in
    // the same request; it is this session's only, so its commit waits for
    // no standby.
    // Last, when the server started: committed() tells by it whether it still asks the server that gave a
    // transaction its id.
    const QByteArray sql = QStringLiteral("SET DateStyle = ISO; SET client_min_messages = warning; SET lock_timeout = %1;"
                                          " DO $$BEGIN IF to_regprocedure('dayvane_start_session()') IS NOT NULL THEN"
                                          " PERFORM set_config('synchronous_commit', 'local', true);"
                                          " PERFORM dayvane_start_session(); END IF; END$$;"
                                          " SELECT pg_postmaster_start_time()::text;")
                               .arg(m_lock_timeout_ms)
                               .toUtf8();
    if (!PQsendQuery(m_conn, sql.constData()))
        throw failure(nullptr);
    const Result started = answer();
    check(started.get(), PGRES_TUPLES_OK);
    m_server_started = PQgetvalue(started.get(), 0, 0);
    // A reconnect keeps what the session had proved, so the user sees no
    // difference.
    for (const auto &[key, sql] : m_session_state)
        exec(sql);
}

void PostgresDatabase::keep_in_session(const QString &key, const QString &sql)
{
    if (sql.isEmpty())
        m_session_state.erase(key);
    else
        m_session_state[key] = sql;
}

std::vector<DatabaseEngine::Notice> PostgresDatabase::take_notices(std::size_t most, bool &lost)
{
    std::vector<Notice> notices;
    lost = m_lost || PQstatus(m_conn) != CONNECTION_OK;
    // Between requests only: within one, or a transaction's pipeline, the
    // input belongs to the answers awaited.
    if (lost || m_in_transaction || !m_sent.empty() || PQpipelineStatus(m_conn) != PQ_PIPELINE_OFF
        || PQisBusy(m_conn))
        return notices;
    // What the socket holds, without waiting; a connection that the server
    // ended while idle is found out here.
    if (!PQconsumeInput(m_conn)) {
        failure(nullptr);
        lost = true;
        return notices;
    }
    while (notices.size() < most) {
        PGnotify *notify = PQnotifies(m_conn);
        if (!notify)
            break;
        notices.push_back({QByteArray(notify->relname), QByteArray(notify->extra)});
        PQfreemem(notify);
    }
    return notices;
}

int PostgresDatabase::notice_socket() const
{
    return PQstatus(m_conn) == CONNECTION_OK && !m_lost ? PQsocket(m_conn) : -1;
}

int PostgresDatabase::schema_version()
{
    if (!has_table(QStringLiteral("dayvane_schema")))
        return 0;
    const Result result = run(QByteArrayLiteral("SELECT max(version) FROM dayvane_schema"), no_parameters());
    return PQntuples(result.get()) > 0 ? QByteArray(PQgetvalue(result.get(), 0, 0)).toInt() : 0;
}

void PostgresDatabase::set_schema_version(int version)
{
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS dayvane_schema (version integer NOT NULL);"
                        " DELETE FROM dayvane_schema; INSERT INTO dayvane_schema (version) VALUES (%1);")
             .arg(version));
}

bool PostgresDatabase::has_table(const QString &name)
{
    const std::vector<std::optional<QByteArray>> values{name.toUtf8()};
    const std::vector<Oid> types{0};
    const Result result = run(QByteArrayLiteral("SELECT 1 FROM pg_catalog.pg_tables"
                                                " WHERE schemaname = current_schema() AND tablename = $1"),
                              {values, types});
    return PQntuples(result.get()) > 0;
}

QStringList PostgresDatabase::table_columns(const QString &table)
{
    return column_names(QByteArrayLiteral("SELECT column_name FROM information_schema.columns"
                                          " WHERE table_schema = current_schema() AND table_name = $1"
                                          " ORDER BY ordinal_position"),
                        table);
}

QStringList PostgresDatabase::readable_columns(const QString &table)
{
    return column_names(QByteArrayLiteral("SELECT attname FROM pg_catalog.pg_attribute"
                                          " WHERE attrelid = to_regclass(quote_ident($1)) AND attnum > 0"
                                          " AND NOT attisdropped AND has_column_privilege(attrelid, attnum, 'SELECT')"
                                          " ORDER BY attnum"),
                        table);
}

QStringList PostgresDatabase::column_names(const QByteArray &sql, const QString &table)
{
    const std::vector<std::optional<QByteArray>> values{table.toUtf8()};
    const std::vector<Oid> types{0};
    const Result result = run(sql, {values, types});
    QStringList columns;
    for (int row = 0; row < PQntuples(result.get()); ++row)
        columns << QString::fromUtf8(PQgetvalue(result.get(), row, 0));
    return columns;
}

qint64 PostgresDatabase::last_insert_id()
{
    const Result result = run(QByteArrayLiteral("SELECT lastval()"), no_parameters());
    return QByteArray(PQgetvalue(result.get(), 0, 0)).toLongLong();
}

} // namespace pg

namespace {

void ignore_notice(void *, const char *)
{
}

} // namespace

bool is_server_address(const QString &location)
{
    static const QRegularExpression keyword_form(QStringLiteral("^\\s*[A-Za-z_]+\\s*="));
    return location.startsWith(QStringLiteral("postgresql://")) || location.startsWith(QStringLiteral("postgres://"))
           || keyword_form.match(location).hasMatch();
}

std::unique_ptr<DatabaseEngine> connect_postgres(const QString &address, const QByteArray &password)
{
    QString libpq_address = address;
    const int request_limit = pg::take_request_limit(libpq_address);
    const QByteArray dbname = libpq_address.toUtf8();
    pg::check_address(dbname);
    const QByteArray timeout = QByteArray::number(pg::kConnectTimeoutSeconds);
    // A server or network that went away unnoticed is found out within a
    // minute or two rather than by the system's hours-long defaults. Before
    // "dbname": the address's own settings win.
    std::vector<const char *> keywords{"keepalives",     "keepalives_idle", "keepalives_interval", "keepalives_count",
                                       "tcp_user_timeout", "dbname",        "connect_timeout",     "application_name",
                                       "client_encoding"};
    std::vector<const char *> values{"1",   "30", "10", "3", "60000", dbname.constData(), timeout.constData(),
                                     "Dayvane", "UTF8"};
    if (!password.isEmpty()) {
        keywords.push_back("password");
        values.push_back(password.constData());
    }
    keywords.push_back(nullptr);
    values.push_back(nullptr);
    PGconn *conn = PQconnectdbParams(keywords.data(), values.data(), 1);
    if (!conn)
        throw DbError(DbError::ServerUnreachable, QStringLiteral("Out of memory."), pg::kSource);
    auto db = std::make_unique<pg::PostgresDatabase>(conn, request_limit * 1000);
    if (PQstatus(conn) != CONNECTION_OK)
        throw pg::connection_refusal(conn);
    PQsetNoticeProcessor(conn, ignore_notice, nullptr);
    db->set_up_session();
    return db;
}

PGconn *postgres_handle(Database &db)
{
    const auto *engine = dynamic_cast<const pg::PostgresDatabase *>(&db.engine());
    return engine ? engine->handle() : nullptr;
}

qint64 postgres_round_trips(Database &db)
{
    const auto *engine = dynamic_cast<const pg::PostgresDatabase *>(&db.engine());
    return engine ? engine->round_trips() : 0;
}

} // namespace dayvane
