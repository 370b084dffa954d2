#pragma once

#include "store/database.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstddef>
#include <memory>
#include <vector>

// The engine behind Database and Statement: one implementation per back end.
// Only the store includes this header; windows hold Database, Statement,
// Transaction and RecordSet, which never name an engine.

namespace dayvane {

struct SentKey;

// The rows a statement yielded, kept in the engine's own form: a value
// becomes a Qt type only when asked for. Each typed reader gives what
// value() would give converted with QVariant's toInt(), toLongLong(),
// toString() or toDate(); a null value reads as 0, a null QString or an
// invalid date.
class ResultRows
{
public:
    virtual ~ResultRows() = default;

    virtual qsizetype count() const = 0;
    virtual QVariant value(qsizetype row, int column) const = 0;
    virtual bool is_null(qsizetype row, int column) const = 0;
    virtual int int32(qsizetype row, int column) const = 0;
    virtual qint64 int64(qsizetype row, int column) const = 0;
    virtual QString text(qsizetype row, int column) const = 0;
    virtual QDate date(qsizetype row, int column) const = 0;
};

// "yyyy-mm-dd", as a file stores a date and a server writes one of the years
// a calendar holds; anything else (a year past 9999, BC) is not read as a
// date here.
inline QDate parse_iso_date(const char *text, int size)
{
    if (size != 10 || text[4] != '-' || text[7] != '-')
        return {};
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8};
    const int lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < lengths[p]; ++i) {
            const char c = text[starts[p] + i];
            if (c < '0' || c > '9')
                return {};
            parts[p] = parts[p] * 10 + (c - '0');
        }
    }
    return QDate(parts[0], parts[1], parts[2]);
}

// A prepared statement of one engine. Values cross as Statement describes.
// Every failure throws DbError.
class StatementEngine
{
public:
    virtual ~StatementEngine() = default;

    virtual void bind(int index, const QVariant &value) = 0;
    virtual int parameter_count() const = 0;
    // As written in the SQL, with its ":" prefix; empty for a "?".
    virtual QString parameter_name(int index) const = 0;
    virtual bool step() = 0;
    // See Statement::send. `key`, when given, receives the first value of
    // the row the statement returns, or else the engine's last insert id.
    virtual void send(const QString &unchanged, const std::shared_ptr<SentKey> &key) = 0;
    // Back to before the first step, with no values bound.
    virtual void reset() = 0;
    virtual int column_count() const = 0;
    virtual QString column_name(int column) const = 0;
    virtual QVariant column(int column) const = 0;
    // The current row's values as ResultRows reads them.
    virtual bool column_is_null(int column) const = 0;
    virtual int column_int(int column) const = 0;
    virtual qint64 column_int64(int column) const = 0;
    virtual QString column_text(int column) const = 0;
    virtual QDate column_date(int column) const = 0;
    // The current row and those after it, kept; the statement is left at
    // its end. Called after a step(): with no row current, none.
    virtual std::unique_ptr<ResultRows> take_rows() = 0;
};

// One connection of one engine. Every failure throws DbError.
class DatabaseEngine
{
public:
    virtual ~DatabaseEngine() = default;

    // Runs one or more statements that yield no rows, at once.
    virtual void exec(const QString &sql) = 0;
    virtual std::unique_ptr<StatementEngine> prepare(const QString &sql) = 0;

    // The outermost transaction. begin() takes whatever lock makes a second
    // writer that `scope` must not meet wait for this one, as long as the
    // busy timeout allows; an engine may keep every other writer out.
    virtual void begin(WriteScope scope) = 0;
    virtual void commit() = 0;
    // Never throws: the engine may have rolled back already.
    virtual void rollback() noexcept = 0;
    // Runs every statement sent and not yet run, throwing the first failure.
    virtual void flush() = 0;
    virtual void set_busy_timeout(int milliseconds) = 0;
    // The timeout last set, without asking the engine.
    virtual int busy_timeout() const = 0;
    // A statement that holds session state (a proof on a server): run again
    // under `key` whenever the connection is made anew, until replaced or
    // (with empty `sql`) dropped. Nothing for an engine without sessions.
    virtual void keep_in_session(const QString &key, const QString &sql)
    {
        Q_UNUSED(key);
        Q_UNUSED(sql);
    }

    // What a server sent this session of its own accord (LISTEN's notices).
    struct Notice
    {
        QByteArray channel;
        QByteArray payload;
    };
    // At most `most` notices received, read without waiting and only while
    // no request is under way (none otherwise, nor for an engine without
    // sessions). `lost` tells that the connection was found gone: the next
    // request connects again.
    virtual std::vector<Notice> take_notices(std::size_t most, bool &lost)
    {
        Q_UNUSED(most);
        lost = false;
        return {};
    }
    // The socket that notices arrive on; -1 when there is none to watch.
    virtual int notice_socket() const { return -1; }
    // Counts the sessions this connection has had: a new one got the
    // statements kept in session again, but not the notices sent meanwhile.
    virtual quint64 session_number() const { return 1; }

    // The schema version stored in the database; 0 when none is.
    virtual int schema_version() = 0;
    virtual void set_schema_version(int version) = 0;
    virtual bool has_table(const QString &name) = 0;
    // As declared, in order.
    virtual QStringList table_columns(const QString &table) = 0;
    // Those this connection may read; all where nothing is kept back.
    virtual QStringList readable_columns(const QString &table) { return table_columns(table); }
    // What an INSERT appends to return its new key as its row; empty where
    // last_insert_id() gives it.
    virtual QString returning(const QString &quoted_key) const = 0;

    virtual bool read_only() const = 0;
    virtual bool in_transaction() const = 0;
    virtual qint64 last_insert_id() = 0;
    virtual int changes() const = 0;

    // The source named by this engine's errors.
    virtual QString source() const = 0;
    virtual Database::Dialect dialect() const = 0;
};

} // namespace dayvane
