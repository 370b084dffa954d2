#include "store/postgresengine.h"

#include "store/dberror.h"

#include <libpq-fe.h>
#include <poll.h>

#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <deque>
#include <limits>
#include <optional>
#include <utility>

namespace dayvane {

namespace {

const QString kSource = QStringLiteral("PostgreSQL");
constexpr int kConnectTimeoutSeconds = 5;
constexpr int kDefaultLockTimeoutMs = 5000;

// Type numbers of the values the schema uses (pg_type's oids).
enum : Oid {
    kBool = 16,
    kBytea = 17,
    kInt8 = 20,
    kInt2 = 21,
    kInt4 = 23,
    kOid = 26,
    kFloat4 = 700,
    kFloat8 = 701,
    kDate = 1082,
    kNumeric = 1700,
};

struct ResultClear
{
    void operator()(PGresult *result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultClear>;

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
        return DbError(DbError::ServerGone,
                       QStringLiteral("The connection to the database server was lost (%1). A change that was not "
                                      "finished was not saved; the next command connects again.")
                           .arg(message),
                       kSource);
    // Waited past lock_timeout, or chosen to give way to another writer.
    if (state == "55P03" || state == "40P01" || state == "40001")
        return DbError(DbError::Busy,
                       QStringLiteral("The database is in use by another workstation. Please try again."), kSource);
    if (state.startsWith("23"))
        return DbError(DbError::Constraint, message, kSource);
    return DbError(DbError::EngineError, message, kSource);
}

QByteArray text_of(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        // '1' and '0' read as both a boolean and a number.
        return value.toBool() ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
    case QMetaType::Double:
    case QMetaType::Float:
        return QByteArray::number(value.toDouble(), 'g', 17);
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate).toUtf8();
    default:
        return value.toString().toUtf8();
    }
}

class PostgresDatabase;

// A statement the server keeps parsed and planned under a name, for one
// connection (its generation): made when a statement is sent a second time.
struct PreparedName
{
    QByteArray name;
    quint64 generation = 0;
    std::vector<Oid> types;
    int sends = 0;
};

class PostgresStatement final : public StatementEngine
{
public:
    PostgresStatement(PostgresDatabase &db, ServerSql sql);
    ~PostgresStatement() override;

    void bind(int index, const QVariant &value) override;
    int parameter_count() const override { return int(m_sql.parameters.size()); }
    QString parameter_name(int index) const override { return m_sql.parameters.value(index - 1); }
    bool step() override;
    void send(const QString &unchanged, const std::shared_ptr<SentKey> &key) override;
    void reset() override
    {
        m_result.reset();
        m_row = -1;
        std::fill(m_values.begin(), m_values.end(), std::nullopt);
    }
    int column_count() const override { return PQnfields(described()); }
    QString column_name(int column) const override { return QString::fromUtf8(PQfname(described(), column)); }
    QVariant column(int column) const override;

private:
    // The result, or a description of its columns before the first step.
    const PGresult *described() const;
    // The text to run now: a row lock means something only inside a
    // transaction; outside one it would only make a reader wait for a
    // writer (and need the right to write).
    const QByteArray &text() const;
    // The server's prepared form of text().
    PreparedName *prepared();

    PostgresDatabase &m_db;
    ServerSql m_sql;
    QByteArray m_unlocked;  // the text without its row lock; empty without one
    PreparedName m_prepared;
    PreparedName m_prepared_unlocked;
    // Text, or bytes for a bytea parameter; nullopt is NULL.
    std::vector<std::optional<QByteArray>> m_values;
    std::vector<Oid> m_types = std::vector<Oid>(m_values.size(), 0);
    Result m_result;
    mutable Result m_description;
    int m_row = -1;
};

// A connection in one of two modes: requests answered one by one, or, inside
// a transaction, statements sent with send() queued in libpq's pipeline and
// answered together at the next point that needs an answer.
class PostgresDatabase final : public DatabaseEngine
{
public:
    explicit PostgresDatabase(PGconn *conn)
        : m_conn(conn)
    {
    }
    PostgresDatabase(const PostgresDatabase &) = delete;
    PostgresDatabase &operator=(const PostgresDatabase &) = delete;
    ~PostgresDatabase() override { PQfinish(m_conn); }

    void exec(const QString &sql) override;
    std::unique_ptr<StatementEngine> prepare(const QString &sql) override
    {
        return std::make_unique<PostgresStatement>(*this, to_server_sql(sql));
    }
    void begin() override;
    void commit() override;
    void rollback() noexcept override;
    void flush() override;
    void set_busy_timeout(int milliseconds) override
    {
        m_lock_timeout_ms = milliseconds;
        exec(QStringLiteral("SET lock_timeout = %1;").arg(milliseconds));
    }
    int schema_version() override;
    void set_schema_version(int version) override;
    bool has_table(const QString &name) override;
    QStringList table_columns(const QString &table) override;
    QString returning(const QString &quoted_key) const override { return QStringLiteral(" RETURNING ") + quoted_key; }
    bool read_only() const override { return false; }
    bool in_transaction() const override { return m_in_transaction; }
    qint64 last_insert_id() override;
    int changes() const override { return m_changes; }
    QString source() const override { return kSource; }
    Database::Dialect dialect() const override { return Database::Dialect::PostgreSQL; }

    // The session's settings, after connecting and after reconnecting.
    void set_up_session();

    struct Parameters
    {
        const std::vector<std::optional<QByteArray>> &values;
        const std::vector<Oid> &types;
    };
    static const Parameters &no_parameters();
    // Runs one statement and waits for its answer, after those sent before.
    // With `prepared`, a statement run again goes as a prepared one.
    Result run(const QByteArray &sql, const Parameters &parameters, PreparedName *prepared = nullptr);
    // Queues one statement within the transaction; outside one it runs now.
    // With `prepared`, as run().
    void queue(const QByteArray &sql, const Parameters &parameters, const QString &unchanged,
               const std::shared_ptr<SentKey> &key, PreparedName *prepared = nullptr);
    // The server may forget this statement.
    void release(const PreparedName &prepared);

    PGconn *handle() const { return m_conn; }
    qint64 round_trips() const { return m_round_trips; }
    void note_round_trip() { ++m_round_trips; }
    // The DbError for a failed request; a lost connection is connected
    // again at the next request.
    DbError failure(const PGresult *result);

private:
    struct Sent
    {
        QString unchanged;
        std::shared_ptr<SentKey> key;
    };

    // The parameters as libpq takes them: pointers into `parameters`.
    struct Wire
    {
        explicit Wire(const Parameters &parameters);
        int count;
        std::vector<const char *> values;
        std::vector<int> lengths;
        std::vector<int> formats;
    };

    // A lost connection is connected again at the next request.
    void ensure_connected();
    void send_query(const QByteArray &sql, const Parameters &parameters);
    // Into the pipeline (entered if need be): the deallocations due, then
    // the statement, prepared from its second time on when `prepared` is set.
    void send_in_pipeline(const QByteArray &sql, const Parameters &parameters, PreparedName *prepared);
    void send_prepared(const QByteArray &sql, const Parameters &parameters, PreparedName &prepared);
    // Ends the pipeline: answers every queued statement and, when
    // `wanted` is set, the one sent last; throws the first failure.
    Result drain(bool wanted);
    // The status of a finished request, throwing its failure.
    void check(const PGresult *result, ExecStatusType expected_status);
    void note_changes(const PGresult *result);

    PGconn *m_conn;
    std::deque<Sent> m_sent;
    bool m_in_transaction = false;
    bool m_lost = false;  // a request failed with the connection
    int m_changes = 0;
    int m_lock_timeout_ms = kDefaultLockTimeoutMs;
    qint64 m_round_trips = 0;
    // Prepared statements belong to one connection: a new generation forgets
    // them all. Names are never reused.
    quint64 m_generation = 1;
    quint64 m_prepared_names = 0;
    std::vector<QByteArray> m_unused;  // to deallocate with the next batch
};

PostgresStatement::PostgresStatement(PostgresDatabase &db, ServerSql sql)
    : m_db(db)
    , m_sql(std::move(sql))
    , m_values(size_t(m_sql.parameters.size()))
{
    static const QByteArray lock = QByteArrayLiteral(" FOR UPDATE");
    if (m_sql.text.endsWith(lock))
        m_unlocked = m_sql.text.chopped(lock.size());
}

PostgresStatement::~PostgresStatement()
{
    m_db.release(m_prepared);
    m_db.release(m_prepared_unlocked);
}

PreparedName *PostgresStatement::prepared()
{
    return &text() == &m_sql.text ? &m_prepared : &m_prepared_unlocked;
}

const QByteArray &PostgresStatement::text() const
{
    return m_unlocked.isEmpty() || m_db.in_transaction() ? m_sql.text : m_unlocked;
}

void PostgresStatement::bind(int index, const QVariant &value)
{
    if (index < 1 || index > parameter_count())
        throw DbError(DbError::UnknownParameter, QStringLiteral("Unknown parameter %1").arg(index), kSource);
    const size_t i = size_t(index - 1);
    m_types[i] = 0;
    if (!value.isValid() || value.isNull()) {
        m_values[i] = std::nullopt;
    } else if (value.typeId() == QMetaType::QByteArray) {
        // Sent as bytes: every byte kept, zeros included.
        m_values[i] = value.toByteArray();
        m_types[i] = kBytea;
    } else {
        m_values[i] = text_of(value);
    }
}

bool PostgresStatement::step()
{
    if (!m_result) {
        m_result = m_db.run(text(), {m_values, m_types}, prepared());
        m_row = -1;
    }
    ++m_row;
    return m_row < PQntuples(m_result.get());
}

void PostgresStatement::send(const QString &unchanged, const std::shared_ptr<SentKey> &key)
{
    m_db.queue(text(), {m_values, m_types}, unchanged, key, prepared());
}

const PGresult *PostgresStatement::described() const
{
    if (m_result)
        return m_result.get();
    if (!m_description) {
        // Callers that want the names before the first step pay a request.
        std::vector<Oid> types = m_types;
        Result prepared(PQprepare(m_db.handle(), "", text().constData(), int(types.size()), types.data()));
        m_db.note_round_trip();
        if (PQresultStatus(prepared.get()) != PGRES_COMMAND_OK)
            throw m_db.failure(prepared.get());
        m_description.reset(PQdescribePrepared(m_db.handle(), ""));
        m_db.note_round_trip();
        if (PQresultStatus(m_description.get()) != PGRES_COMMAND_OK)
            throw m_db.failure(m_description.get());
    }
    return m_description.get();
}

QVariant PostgresStatement::column(int column) const
{
    const PGresult *result = m_result.get();
    if (!result || m_row < 0 || m_row >= PQntuples(result) || PQgetisnull(result, m_row, column))
        return {};
    const char *text = PQgetvalue(result, m_row, column);
    const int size = PQgetlength(result, m_row, column);
    switch (PQftype(result, column)) {
    case kBool:
        return QVariant(text[0] == 't');
    case kInt2:
    case kInt4:
    case kInt8:
    case kOid: {
        const qint64 number = QByteArray::fromRawData(text, size).toLongLong();
        // Most values fit an int, and QVariant::toInt() is fastest on one.
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            return QVariant(int(number));
        return QVariant(number);
    }
    case kFloat4:
    case kFloat8:
    case kNumeric:
        return QVariant(QByteArray::fromRawData(text, size).toDouble());
    case kDate:
        return QVariant(QDate::fromString(QString::fromLatin1(text, size), Qt::ISODate));
    case kBytea:
        // Text results give bytes as "\x" and hex digits.
        return QVariant(QByteArray::fromHex(QByteArray::fromRawData(text + 2, size > 2 ? size - 2 : 0)));
    default:
        return QVariant(QString::fromUtf8(text, size));
    }
}

const PostgresDatabase::Parameters &PostgresDatabase::no_parameters()
{
    static const std::vector<std::optional<QByteArray>> values;
    static const std::vector<Oid> types;
    static const Parameters none{values, types};
    return none;
}

DbError PostgresDatabase::failure(const PGresult *result)
{
    DbError error = server_error(m_conn, result);
    if (error.number() == DbError::ServerGone)
        m_lost = true;
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
    m_in_transaction = false;
    ++m_generation;
    m_unused.clear();
    PQreset(m_conn);
    ++m_round_trips;
    if (PQstatus(m_conn) != CONNECTION_OK)
        throw failure(nullptr);
    m_lost = false;
    set_up_session();
}

void PostgresDatabase::set_up_session()
{
    // Dates as ISO text, notices kept off the console.
    exec(QStringLiteral("SET DateStyle = ISO; SET client_min_messages = warning; SET lock_timeout = %1;")
             .arg(m_lock_timeout_ms));
}

void PostgresDatabase::check(const PGresult *result, ExecStatusType expected_status)
{
    const ExecStatusType status = PQresultStatus(result);
    if (status == expected_status || status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
        return;
    throw failure(result);
}

void PostgresDatabase::note_changes(const PGresult *result)
{
    const char *tuples = PQcmdTuples(const_cast<PGresult *>(result));
    m_changes = tuples && *tuples ? std::atoi(tuples) : 0;
}

void PostgresDatabase::exec(const QString &sql)
{
    ensure_connected();
    flush();
    Result result(PQexec(m_conn, sql.toUtf8().constData()));
    ++m_round_trips;
    check(result.get(), PGRES_COMMAND_OK);
    note_changes(result.get());
}

PostgresDatabase::Wire::Wire(const Parameters &parameters)
    : count(int(parameters.values.size()))
    , values(size_t(count), nullptr)
    , lengths(size_t(count), 0)
    , formats(size_t(count), 0)
{
    for (size_t i = 0; i < size_t(count); ++i) {
        if (const auto &value = parameters.values[i]) {
            values[i] = value->constData();
            lengths[i] = int(value->size());
            formats[i] = parameters.types[i] == kBytea ? 1 : 0;  // bytes as they are
        }
    }
}

void PostgresDatabase::send_query(const QByteArray &sql, const Parameters &parameters)
{
    const Wire wire(parameters);
    if (!PQsendQueryParams(m_conn, sql.constData(), wire.count, parameters.types.data(), wire.values.data(),
                           wire.lengths.data(), wire.formats.data(), 0))
        throw failure(nullptr);
}

Result PostgresDatabase::run(const QByteArray &sql, const Parameters &parameters, PreparedName *prepared)
{
    ensure_connected();
    // A statement run again (a record set opened anew) is planned only once,
    // its PREPARE sent with it in one request.
    if (!m_sent.empty() || (prepared && prepared->sends >= 1)) {
        send_in_pipeline(sql, parameters, prepared);
        Result result = drain(true);
        note_changes(result.get());
        return result;
    }
    if (prepared)
        ++prepared->sends;
    const Wire wire(parameters);
    Result result(PQexecParams(m_conn, sql.constData(), wire.count, parameters.types.data(), wire.values.data(),
                               wire.lengths.data(), wire.formats.data(), 0));
    ++m_round_trips;
    check(result.get(), PGRES_TUPLES_OK);
    note_changes(result.get());
    return result;
}

void PostgresDatabase::queue(const QByteArray &sql, const Parameters &parameters, const QString &unchanged,
                             const std::shared_ptr<SentKey> &key, PreparedName *prepared)
{
    if (!m_in_transaction) {
        Result result = run(sql, parameters);
        if (!unchanged.isEmpty() && m_changes == 0)
            throw DbError(DbError::RecordChanged, unchanged, QStringLiteral("RecordSet"));
        if (key) {
            key->value = PQntuples(result.get()) > 0 ? QByteArray(PQgetvalue(result.get(), 0, 0)).toLongLong() : 0;
            key->known = true;
        }
        return;
    }
    // The batch writes of a change (a year of days) send one statement many
    // times: the server plans it once.
    send_in_pipeline(sql, parameters, prepared);
    m_sent.push_back({unchanged, key});
}

void PostgresDatabase::send_in_pipeline(const QByteArray &sql, const Parameters &parameters, PreparedName *prepared)
{
    if (PQpipelineStatus(m_conn) == PQ_PIPELINE_OFF && !PQenterPipelineMode(m_conn))
        throw failure(nullptr);
    for (const QByteArray &name : std::exchange(m_unused, {})) {
        send_query("DEALLOCATE " + name, no_parameters());
        m_sent.push_back({});
    }
    if (prepared && ++prepared->sends >= 2)
        send_prepared(sql, parameters, *prepared);
    else
        send_query(sql, parameters);
}

void PostgresDatabase::send_prepared(const QByteArray &sql, const Parameters &parameters, PreparedName &prepared)
{
    if (prepared.generation != m_generation || prepared.types != parameters.types) {
        release(prepared);
        prepared.name = "dayvane_" + QByteArray::number(++m_prepared_names);
        prepared.generation = m_generation;
        prepared.types = parameters.types;
        if (!PQsendPrepare(m_conn, prepared.name.constData(), sql.constData(), int(prepared.types.size()),
                           prepared.types.data()))
            throw failure(nullptr);
        m_sent.push_back({});
    }
    const Wire wire(parameters);
    if (!PQsendQueryPrepared(m_conn, prepared.name.constData(), wire.count, wire.values.data(), wire.lengths.data(),
                             wire.formats.data(), 0))
        throw failure(nullptr);
}

void PostgresDatabase::release(const PreparedName &prepared)
{
    if (!prepared.name.isEmpty() && prepared.generation == m_generation)
        m_unused.push_back(prepared.name);
}

Result PostgresDatabase::drain(bool wanted)
{
    if (!PQpipelineSync(m_conn)) {
        m_sent.clear();
        PQexitPipelineMode(m_conn);
        throw failure(nullptr);
    }
    ++m_round_trips;
    std::optional<DbError> first_failure;
    auto next = [&]() -> Result {
        // Each statement's answer is one result followed by a null.
        Result result(PQgetResult(m_conn));
        while (PGresult *extra = PQgetResult(m_conn))
            PQclear(extra);
        return result;
    };
    while (!m_sent.empty()) {
        const Sent sent = std::move(m_sent.front());
        m_sent.pop_front();
        Result result = next();
        if (first_failure)
            continue;
        const ExecStatusType status = PQresultStatus(result.get());
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
            first_failure = failure(result.get());
            continue;
        }
        note_changes(result.get());
        if (!sent.unchanged.isEmpty() && m_changes == 0)
            first_failure = DbError(DbError::RecordChanged, sent.unchanged, QStringLiteral("RecordSet"));
        if (sent.key) {
            sent.key->value =
                PQntuples(result.get()) > 0 ? QByteArray(PQgetvalue(result.get(), 0, 0)).toLongLong() : 0;
            sent.key->known = true;
        }
    }
    Result last;
    if (wanted)
        last = next();
    // The sync's own result, then the pipeline is idle and may end.
    while (PGresult *result = PQgetResult(m_conn)) {
        const bool synced = PQresultStatus(result) == PGRES_PIPELINE_SYNC;
        PQclear(result);
        if (synced)
            break;
    }
    PQexitPipelineMode(m_conn);
    if (PQstatus(m_conn) != CONNECTION_OK)
        throw failure(nullptr);
    if (first_failure) {
        // A failure skips the rest of the batch, its PREPAREs too.
        ++m_generation;
        m_unused.clear();
        throw *first_failure;
    }
    if (wanted)
        check(last.get(), PGRES_TUPLES_OK);
    return last;
}

void PostgresDatabase::flush()
{
    if (!m_sent.empty())
        drain(false);
}

void PostgresDatabase::begin()
{
    ensure_connected();
    flush();
    m_in_transaction = true;
    // One writer at a time, as on a file: every writing transaction of the
    // program first takes this lock (released at its end), waiting at most
    // lock_timeout. Sent, not run: it travels with the first request.
    static const QByteArray lock = QByteArrayLiteral("SELECT pg_advisory_xact_lock(7320151)");
    queue(QByteArrayLiteral("BEGIN"), no_parameters(), {}, {});
    queue(lock, no_parameters(), {}, {});
}

void PostgresDatabase::commit()
{
    // A write that must change a record is checked here, not on the
    // server: its answer must be in before the COMMIT is sent.
    if (std::any_of(m_sent.begin(), m_sent.end(), [](const Sent &sent) { return !sent.unchanged.isEmpty(); }))
        drain(false);
    queue(QByteArrayLiteral("COMMIT"), no_parameters(), {}, {});
    drain(false);
    m_in_transaction = false;
}

void PostgresDatabase::rollback() noexcept
{
    m_in_transaction = false;
    try {
        if (PQstatus(m_conn) != CONNECTION_OK || m_lost) {
            m_sent.clear();
            return;
        }
        if (!m_sent.empty())
            drain(false);
    } catch (...) {
        // The first failure was reported already; the rollback follows.
    }
    if (PQstatus(m_conn) == CONNECTION_OK && !m_lost) {
        PQclear(PQexec(m_conn, "ROLLBACK"));
        ++m_round_trips;
    }
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
    const std::vector<std::optional<QByteArray>> values{table.toUtf8()};
    const std::vector<Oid> types{0};
    const Result result = run(QByteArrayLiteral("SELECT column_name FROM information_schema.columns"
                                                " WHERE table_schema = current_schema() AND table_name = $1"
                                                " ORDER BY ordinal_position"),
                              {values, types});
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
    const QByteArray dbname = address.toUtf8();
    const QByteArray timeout = QByteArray::number(kConnectTimeoutSeconds);
    std::vector<const char *> keywords{"dbname", "connect_timeout", "application_name", "client_encoding"};
    std::vector<const char *> values{dbname.constData(), timeout.constData(), "Dayvane", "UTF8"};
    if (!password.isEmpty()) {
        keywords.push_back("password");
        values.push_back(password.constData());
    }
    keywords.push_back(nullptr);
    values.push_back(nullptr);
    PGconn *conn = PQconnectdbParams(keywords.data(), values.data(), 1);
    if (!conn)
        throw DbError(DbError::ServerUnreachable, QStringLiteral("Out of memory."), kSource);
    auto db = std::make_unique<PostgresDatabase>(conn);
    if (PQstatus(conn) != CONNECTION_OK) {
        const QString message = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
        if (PQconnectionNeedsPassword(conn))
            throw DbError(DbError::PasswordNeeded, message, kSource);
        if (message.contains(QStringLiteral("authentication failed"))
            || message.contains(QStringLiteral("no pg_hba.conf entry")))
            throw DbError(DbError::AuthenticationFailed, message, kSource);
        if (message.contains(QStringLiteral("database \"")) && message.contains(QStringLiteral("does not exist")))
            throw DbError(DbError::DatabaseMissing, message, kSource);
        throw DbError(DbError::ServerUnreachable, message, kSource);
    }
    PQsetNoticeProcessor(conn, ignore_notice, nullptr);
    db->set_up_session();
    return db;
}

ServerSql to_server_sql(const QString &sql)
{
    ServerSql out;
    QString text;
    text.reserve(sql.size() + 8);
    const qsizetype size = sql.size();
    auto is_name_char = [](QChar c) { return c.isLetterOrNumber() || c == u'_'; };
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') {
            // Quoted text or name, a doubled quote inside it.
            text += c;
            for (++i; i < size; ++i) {
                text += sql.at(i);
                if (sql.at(i) == c) {
                    if (i + 1 < size && sql.at(i + 1) == c)
                        text += sql.at(++i);
                    else
                        break;
                }
            }
        } else if (c == u'-' && i + 1 < size && sql.at(i + 1) == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? size : end;
            text += sql.mid(i, stop - i);
            i = stop - 1;
        } else if (c == u':' && i + 1 < size && sql.at(i + 1) == u':') {
            text += QStringLiteral("::");
            ++i;
        } else if (c == u':' && i + 1 < size && (sql.at(i + 1).isLetter() || sql.at(i + 1) == u'_')) {
            qsizetype end = i + 1;
            while (end < size && is_name_char(sql.at(end)))
                ++end;
            const QString name = sql.mid(i, end - i);
            qsizetype index = out.parameters.indexOf(name);
            if (index < 0) {
                out.parameters << name;
                index = out.parameters.size() - 1;
            }
            text += u'$' + QString::number(index + 1);
            i = end - 1;
        } else if (c == u'?') {
            out.parameters << QString();
            text += u'$' + QString::number(out.parameters.size());
        } else {
            text += c;
        }
    }
    // The extended protocol takes one statement without its final ";".
    while (text.endsWith(u';') || text.endsWith(u' '))
        text.chop(1);
    out.text = text.toUtf8();
    return out;
}

PGconn *postgres_handle(Database &db)
{
    const auto *engine = dynamic_cast<const PostgresDatabase *>(&db.engine());
    return engine ? engine->handle() : nullptr;
}

qint64 postgres_round_trips(Database &db)
{
    const auto *engine = dynamic_cast<const PostgresDatabase *>(&db.engine());
    return engine ? engine->round_trips() : 0;
}

} // namespace dayvane
