#pragma once

// The server engine's connection class, shared by the files that implement
// it (connecting, the request pipeline, statements). Private to the store.

#include "store/dberror.h"
#include "store/engine.h"
#include "store/postgresengine.h"

#include <libpq-fe.h>

#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace dayvane::pg {

inline const QString kSource = QStringLiteral("PostgreSQL");
constexpr int kConnectTimeoutSeconds = 5;
constexpr int kDefaultLockTimeoutMs = 5000;
// The writers' advisory lock: the whole database's under this key alone, a
// calendar's under this key and the calendar's id.
constexpr int kWriterLockKey = 7320151;
// How long a request waits for its answer before it is cancelled, unless
// the address sets kRequestLimitKey (seconds, 0 for no limit).
constexpr int kDefaultRequestLimitSeconds = 30;
inline const QString kRequestLimitKey = QStringLiteral("dayvane_request_timeout");

// How long a COMMIT whose answer was lost, found still at work on the server,
// is waited for before its outcome is told as unknown.
constexpr int kLostCommitWaitMs = 3000;

// The error of a request that did not get through, for `reason`: the
// program's reconnect path follows it.
DbError lost_connection(const QString &reason);
// The error of a COMMIT whose answer was lost: with `not_saved`, the server
// told that the change was not saved; else that could not be learned.
DbError lost_commit(const QString &reason, bool not_saved);

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
    kJson = 114,
    kDate = 1082,
    kNumeric = 1700,
};

struct ResultClear
{
    void operator()(PGresult *result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultClear>;

// A statement the server keeps parsed and planned under a name, for one
// connection (its generation): made when a statement is sent a second time.
struct PreparedName
{
    QByteArray name;
    quint64 generation = 0;
    std::vector<Oid> types;
    int sends = 0;
};

// A connection in one of two modes: requests answered one by one, or, inside
// a transaction, statements sent with send() queued in libpq's pipeline and
// answered together at the next point that needs an answer.
class PostgresDatabase final : public DatabaseEngine
{
public:
    // `request_limit_ms`: see kDefaultRequestLimitSeconds; 0 waits for ever.
    PostgresDatabase(PGconn *conn, int request_limit_ms)
        : m_conn(conn)
        , m_request_limit_ms(request_limit_ms)
    {
    }
    PostgresDatabase(const PostgresDatabase &) = delete;
    PostgresDatabase &operator=(const PostgresDatabase &) = delete;
    ~PostgresDatabase() override { PQfinish(m_conn); }

    void exec(const QString &sql) override;
    std::unique_ptr<StatementEngine> prepare(const QString &sql) override;
    void begin(WriteScope scope) override;
    void commit() override;
    void rollback() noexcept override;
    void flush() override;
    void set_busy_timeout(int milliseconds) override
    {
        m_lock_timeout_ms = milliseconds;
        exec(QStringLiteral("SET lock_timeout = %1;").arg(milliseconds));
    }
    int busy_timeout() const override { return m_lock_timeout_ms; }
    void keep_in_session(const QString &key, const QString &sql) override;
    std::vector<Notice> take_notices(std::size_t most, bool &lost) override;
    int notice_socket() const override;
    quint64 session_number() const override { return m_sessions; }
    int schema_version() override;
    void set_schema_version(int version) override;
    bool has_table(const QString &name) override;
    QStringList table_columns(const QString &table) override;
    QStringList readable_columns(const QString &table) override;
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
    // The description of `sql`'s parameters and columns, as the server
    // prepares it unnamed.
    Result describe(const QByteArray &sql, const std::vector<Oid> &types);

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
        int rows = 1;  // the rows it must change when `unchanged` is set
    };

    // A record set's row update, "UPDATE "t" SET "a" = $1, … WHERE "key" = $n":
    // its table and columns, and the one statement that updates many rows.
    struct UpdateShape
    {
        QByteArray table;
        std::vector<QByteArray> columns;  // set, then the key last
        QByteArray batch_sql;
        PreparedName prepared;
    };
    // Row updates of one shape queued in a row, not yet sent.
    struct HeldUpdates
    {
        UpdateShape *shape = nullptr;
        QByteArray sql;
        PreparedName *prepared = nullptr;
        QString unchanged;
        std::vector<std::vector<std::optional<QByteArray>>> rows;
        std::vector<std::vector<Oid>> types;
        std::set<QByteArray> keys;
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

    using Deadline = std::chrono::steady_clock::time_point;

    // A lost connection is connected again at the next request.
    void ensure_connected();
    // When the answer to a request sent now is given up.
    Deadline deadline() const;
    // Sends what libpq holds and reads until a result is ready, so that
    // PQgetResult does not wait; past `deadline`, cancels the request and
    // throws as for a lost connection.
    void wait_for_result(Deadline deadline);
    Result next_result(Deadline deadline);
    // The answer to the request sent (of several statements, the first
    // failure or the last result).
    Result answer();
    void send_query(const QByteArray &sql, const Parameters &parameters);
    // Into the pipeline (entered if need be): the deallocations due, then
    // the statement, prepared from its second time on when `prepared` is set.
    void send_in_pipeline(const QByteArray &sql, const Parameters &parameters, PreparedName *prepared);
    void send_prepared(const QByteArray &sql, const Parameters &parameters, PreparedName &prepared);
    // The shape of `sql` when it is a record set's row update, else null;
    // read once per text.
    UpdateShape *update_shape(const QByteArray &sql);
    // Holds a row update for the batch of its shape, sending the batch held
    // before when it differs or already has that row.
    void hold_update(UpdateShape &shape, const QByteArray &sql, const Parameters &parameters, const QString &unchanged,
                     PreparedName *prepared);
    // Sends the held row updates: one alone as it was queued, more as one
    // statement, so that the server's work per statement (its row-level
    // checks above all) is done once for a year of days.
    void send_held();
    // After COMMIT's answer was lost: whether transaction `xid` committed,
    // asked on a new connection; nullopt when that cannot be learned.
    std::optional<bool> committed(qint64 xid);
    // Ends the pipeline: answers every queued statement and, when
    // `wanted` is set, the one sent last; throws the first failure.
    Result drain(bool wanted);
    // The status of a finished request, throwing its failure.
    void check(const PGresult *result, ExecStatusType expected_status);
    void note_changes(const PGresult *result);
    // The first column of `sql`'s rows, given `table` as its one parameter.
    QStringList column_names(const QByteArray &sql, const QString &table);

    PGconn *m_conn;
    std::deque<Sent> m_sent;
    HeldUpdates m_held;
    std::map<QByteArray, std::unique_ptr<UpdateShape>> m_shapes;  // null: not a row update
    bool m_in_transaction = false;
    bool m_lost = false;  // a request failed with the connection
    QString m_loss_reason;
    // The server itself ended the session (its error came, nothing after it
    // ran); reset by commit().
    bool m_ended_by_server = false;
    int m_changes = 0;
    int m_lock_timeout_ms = kDefaultLockTimeoutMs;
    int m_request_limit_ms;
    qint64 m_round_trips = 0;
    // Prepared statements belong to one connection: a new generation forgets
    // them all. Names are never reused.
    quint64 m_generation = 1;
    quint64 m_prepared_names = 0;
    std::vector<QByteArray> m_unused;  // to deallocate with the next batch
    std::map<QString, QString> m_session_state;  // see keep_in_session()
    // When the server of this connection started: another server, or the same one started again, has another.
    QByteArray m_server_started;
    quint64 m_sessions = 1;  // see session_number()
};

} // namespace dayvane::pg
