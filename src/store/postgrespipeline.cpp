// The server engine's requests: sent one by one, or queued in libpq's pipeline
// within a transaction and answered together.

#include "store/postgresdatabase.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <thread>
#include <utility>

namespace dayvane::pg {

const PostgresDatabase::Parameters &PostgresDatabase::no_parameters()
{
    static const std::vector<std::optional<QByteArray>> values;
    static const std::vector<Oid> types;
    static const Parameters none{values, types};
    return none;
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

PostgresDatabase::Deadline PostgresDatabase::deadline() const
{
    return m_request_limit_ms > 0 ? std::chrono::steady_clock::now() + std::chrono::milliseconds(m_request_limit_ms)
                                  : Deadline::max();
}

void PostgresDatabase::wait_for_result(Deadline deadline)
{
    for (;;) {
        // A connection found broken holds its error as the result.
        if (PQstatus(m_conn) == CONNECTION_BAD)
            return;
        const int unsent = PQflush(m_conn);
        if (unsent < 0)
            throw failure(nullptr);
        if (unsent == 0 && !PQisBusy(m_conn))
            return;
        int wait_ms = -1;
        if (deadline != Deadline::max()) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            wait_ms = int(left.count());
        }
        // Reading while sending: a server busy answering reads no more.
        pollfd socket{PQsocket(m_conn), short(POLLIN | (unsent ? POLLOUT : 0)), 0};
        const int ready = ::poll(&socket, 1, wait_ms);
        if (ready < 0 && errno != EINTR)
            throw failure(nullptr);
        if (ready > 0 && (socket.revents & (POLLIN | POLLERR | POLLHUP)) && !PQconsumeInput(m_conn)
            && PQstatus(m_conn) != CONNECTION_BAD)
            throw failure(nullptr);
    }
    // The server may still be at work on it: asked to stop, from a thread of
    // its own since asking means connecting, which a dead network stalls.
    if (PGcancel *cancel = PQgetCancel(m_conn)) {
        std::thread([cancel] {
            char reason[256];
            PQcancel(cancel, reason, sizeof reason);
            PQfreeCancel(cancel);
        }).detach();
    }
    // Its answer may yet arrive on this connection: a new one is made.
    m_lost = true;
    m_sent.clear();
    m_held = {};
    m_loss_reason =
        QStringLiteral("no answer within %1 seconds; the request was cancelled").arg(m_request_limit_ms / 1000.0);
    throw lost_connection(m_loss_reason);
}

Result PostgresDatabase::next_result(Deadline deadline)
{
    wait_for_result(deadline);
    return Result(PQgetResult(m_conn));
}

Result PostgresDatabase::answer()
{
    const Deadline until = deadline();
    ++m_round_trips;
    Result kept;
    while (Result result = next_result(until)) {
        const ExecStatusType status = PQresultStatus(kept.get());
        if (!kept || status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
            kept = std::move(result);
    }
    return kept;
}

void PostgresDatabase::exec(const QString &sql)
{
    ensure_connected();
    flush();
    if (!PQsendQuery(m_conn, sql.toUtf8().constData()))
        throw failure(nullptr);
    const Result result = answer();
    check(result.get(), PGRES_COMMAND_OK);
    note_changes(result.get());
}

Result PostgresDatabase::describe(const QByteArray &sql, const std::vector<Oid> &types)
{
    ensure_connected();
    flush();
    if (!PQsendPrepare(m_conn, "", sql.constData(), int(types.size()), types.data()))
        throw failure(nullptr);
    const Result prepared = answer();
    if (PQresultStatus(prepared.get()) != PGRES_COMMAND_OK)
        throw failure(prepared.get());
    if (!PQsendDescribePrepared(m_conn, ""))
        throw failure(nullptr);
    Result description = answer();
    if (PQresultStatus(description.get()) != PGRES_COMMAND_OK)
        throw failure(description.get());
    return description;
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
    send_held();
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
    send_query(sql, parameters);
    Result result = answer();
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
    // times: the server plans it once, or gets them all in one.
    if (!key && !parameters.values.empty()) {
        if (UpdateShape *shape = update_shape(sql)) {
            hold_update(*shape, sql, parameters, unchanged, prepared);
            return;
        }
    }
    send_in_pipeline(sql, parameters, prepared);
    m_sent.push_back({unchanged, key});
}

void PostgresDatabase::send_in_pipeline(const QByteArray &sql, const Parameters &parameters, PreparedName *prepared)
{
    send_held();
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
    if (m_held.prepared == &prepared)
        m_held.prepared = nullptr;
    if (!prepared.name.isEmpty() && prepared.generation == m_generation)
        m_unused.push_back(prepared.name);
}

Result PostgresDatabase::drain(bool wanted)
{
    send_held();
    if (!PQpipelineSync(m_conn)) {
        m_sent.clear();
        PQexitPipelineMode(m_conn);
        throw failure(nullptr);
    }
    ++m_round_trips;
    const Deadline until = deadline();
    std::optional<DbError> first_failure;
    auto next = [&]() -> Result {
        // Each statement's answer is one result followed by a null.
        Result result = next_result(until);
        while (next_result(until)) {
        }
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
        if (!sent.unchanged.isEmpty() && m_changes < sent.rows)
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
    while (const Result result = next_result(until)) {
        if (PQresultStatus(result.get()) == PGRES_PIPELINE_SYNC)
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
    send_held();
    if (!m_sent.empty())
        drain(false);
}

void PostgresDatabase::begin(WriteScope scope)
{
    ensure_connected();
    flush();
    m_in_transaction = true;
    // Every writing transaction of the program first takes the database's
    // lock (released at its end), waiting at most lock_timeout: alone for a
    // change of the whole database, shared with the other calendars' writers
    // and then with its calendar's own lock (two keys, a space apart from the
    // one key of the database's) for a change of one calendar. Always in
    // that order, so that writers never wait for each other in a circle.
    // Sent, not run: they travel with the first request.
    const QByteArray key = QByteArray::number(kWriterLockKey);
    const auto lock = [&](const QByteArray &call) { queue("SELECT " + call, no_parameters(), {}, {}); };
    queue(QByteArrayLiteral("BEGIN"), no_parameters(), {}, {});
    if (scope.whole_database()) {
        lock("pg_advisory_xact_lock(" + key + ')');
        return;
    }
    lock("pg_advisory_xact_lock_shared(" + key + ')');
    lock("pg_advisory_xact_lock(" + key + ", " + QByteArray::number(scope.calendar_id()) + ')');
}

void PostgresDatabase::commit()
{
    // A write that must change a record is checked here, not on the
    // server: its answer must be in before the COMMIT is sent.
    send_held();
    if (std::any_of(m_sent.begin(), m_sent.end(), [](const Sent &sent) { return !sent.unchanged.isEmpty(); }))
        drain(false);
    if (m_lost)
        throw lost_connection(m_loss_reason);
    // The transaction's id goes with the COMMIT, its answer sent ahead of
    // the COMMIT's, so that a COMMIT whose answer is lost can be asked after;
    // no id (0) means the transaction wrote nothing.
    const auto xid = std::make_shared<SentKey>();
    queue(QByteArrayLiteral("SELECT txid_current_if_assigned()"), no_parameters(), {}, xid);
    if (!PQsendFlushRequest(m_conn))
        throw failure(nullptr);
    queue(QByteArrayLiteral("COMMIT"), no_parameters(), {}, {});
    m_ended_by_server = false;
    try {
        drain(false);
    } catch (const DbError &error) {
        if (error.number() != DbError::ServerGone)
            throw;
        m_in_transaction = false;
        const QString reason = m_loss_reason;
        // Without the id, the server's own word that it ended the session
        // before the id's turn shows that the COMMIT never ran.
        if (!xid->known)
            throw m_ended_by_server ? lost_connection(reason) : lost_commit(reason, false);
        const std::optional<bool> saved = xid->value != 0 ? committed(xid->value) : std::optional<bool>(false);
        if (!saved || !*saved)
            throw lost_commit(reason, saved.has_value());
        // Saved: the caller goes on as after any commit, on the new connection.
    }
    m_in_transaction = false;
}

std::optional<bool> PostgresDatabase::committed(qint64 xid)
{
    const std::vector<std::optional<QByteArray>> values{QByteArray::number(xid)};
    const std::vector<Oid> types{kInt8};
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLostCommitWaitMs);
    const QByteArray ran_on = m_server_started;
    try {
        for (;;) {
            // Connects again: the session is set up afresh, prepared names forgotten.
            const Result result = run(QByteArrayLiteral("SELECT txid_status($1), "
                                                        "txid_visible_in_snapshot($1, txid_current_snapshot())"),
                                      {values, types});
            const QByteArray status = PQgetvalue(result.get(), 0, 0);
            const bool visible = *PQgetvalue(result.get(), 0, 1) == 't';
            const bool waited = std::chrono::steady_clock::now() >= until;
            if (status == "aborted")
                return false;
            // A standby promoted since, or this server started again, that never got the transaction gives its
            // id to one of its own (this session's start takes one): its answer may be another's.
            if (m_server_started != ran_on)
                return std::nullopt;
            // Committed, yet seen by others only once its old session ends.
            if (status == "committed" && (visible || waited))
                return true;
            // Empty: too old for the server to remember.
            if (waited || (status != "committed" && status != "in progress"))
                return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    } catch (const DbError &) {
        return std::nullopt;  // no new connection, or the server refused the question
    }
}

void PostgresDatabase::rollback() noexcept
{
    // Not after a COMMIT whose outcome was settled on a new connection.
    m_held = {};
    if (!std::exchange(m_in_transaction, false))
        return;
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
    if (PQstatus(m_conn) == CONNECTION_OK && !m_lost && PQsendQuery(m_conn, "ROLLBACK")) {
        try {
            answer();
        } catch (...) {
            // Lost with the connection, which ends the transaction.
        }
    }
}

} // namespace dayvane::pg
