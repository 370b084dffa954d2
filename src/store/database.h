#pragma once

#include "store/statement.h"
#include "store/writescope.h"

#include <QByteArray>
#include <QStringList>
#include <QString>

#include <map>
#include <memory>
#include <optional>

namespace dayvane {

class DatabaseEngine;

// How a stored query is read and written: its SELECT with named parameters,
// and, when records may be changed through it, the table and key column that
// the writes go to.
struct StoredQuery
{
    QString name;
    QString select_sql;
    QString base_table;  // empty: read only
    QString key_column;
};

// Who the changes made through a connection are recorded as in the change
// history: this workstation and its login, and the program user who proved
// a password (0 and empty when nobody has).
struct ChangeAuthor
{
    QString workstation;
    QString login;
    qint32 user_id = 0;
    QString user_name;
};

// One open calendar or report database (RAII: closed on destruction), with
// its engine behind it. All methods throw DbError on failure.
class Database
{
public:
    // ReadOnly neither writes to the file nor changes its settings (such as
    // its journal mode): for a file that may be another program's.
    enum class OpenMode { Existing, Create, ReadOnly };

    // Opens `path` with `key` and proves the key by reading the schema; a
    // wrong key or a file that is no database throws DbError 26. Never
    // creates a file in Existing mode. Where the system refuses writing, the
    // engine opens the file read only (see read_only()).
    static Database open(const QString &path, const QByteArray &key,
                         OpenMode mode = OpenMode::Existing);
    // Connects to a database server at `address` (a libpq connection URI
    // or string) within five seconds, with `password` when the address and
    // libpq's password file give none. Throws DbError ServerUnreachable,
    // PasswordNeeded, AuthenticationFailed or DatabaseMissing.
    static Database connect(const QString &address, const QByteArray &password = {});

    // The SQL that the engine speaks; only the store's schema and the tools
    // that copy between engines look at it.
    enum class Dialect { SQLite, PostgreSQL };
    Dialect dialect() const;

    Database(Database &&) noexcept;
    Database &operator=(Database &&) noexcept;
    ~Database();

    void exec(const QString &sql);
    Statement prepare(const QString &sql);

    // A statement kept prepared for the life of the connection, reset and
    // unbound before it is handed out. Valid until the next call with the
    // same text; callers must not hold it across such a call.
    Statement &cached(const QString &sql);

    // How long a writer waits for another connection's lock before it gets
    // DbError 5 (busy).
    void set_busy_timeout(int milliseconds);

    // The schema version stored in the database; 0 when none is.
    int user_version();
    void set_user_version(int version);
    bool has_table(const QString &name);
    // What an INSERT appends so that its row is the new key (see
    // Statement::send); empty where last_insert_id() gives it.
    QString returning(const QString &quoted_key) const;

    // The outermost transaction (Transaction uses these); begin() waits for
    // the writers `scope` must not meet.
    void begin(WriteScope scope);
    void commit();
    void rollback() noexcept;
    // Runs every statement sent and not yet run; throws the first failure.
    void flush();
    // True when the connection cannot write to the file.
    bool read_only() const;
    // True while a transaction is open on this connection.
    bool in_transaction() const;
    // The scope the open transaction began with; the whole database's for
    // one begun otherwise than by begin().
    WriteScope write_scope() const { return m_scope; }
    qint64 last_insert_id();
    int changes() const;
    // The file path or server address.
    const QString &path() const { return m_path; }

    // The stored query of that name; throws DbError UnknownQuery.
    const StoredQuery &stored_query(const QString &name);
    // The column names of a table, as declared.
    const QStringList &table_columns(const QString &table);
    // Those of them this connection may read.
    const QStringList &readable_columns(const QString &table);
    // Whether a server holds the passwords and proofs itself (its schema is
    // 3 or later); false for a file.
    bool server_holds_proofs();
    // Forgets what was read of the schema, which has just changed.
    void forget_schema();

    // The source that this database's errors name.
    QString source() const;
    DatabaseEngine &engine() const { return *m_engine; }

    // Starts as this workstation and login without a program user.
    ChangeAuthor &author() { return m_author; }
    const ChangeAuthor &author() const { return m_author; }

private:
    Database(std::unique_ptr<DatabaseEngine> engine, QString path);

    std::unique_ptr<DatabaseEngine> m_engine;
    QString m_path;
    ChangeAuthor m_author;
    WriteScope m_scope = WriteScope::database();
    // Node-based maps: references handed out stay valid as entries are added.
    std::map<QString, Statement> m_cache;
    std::map<QString, StoredQuery> m_queries;
    std::map<QString, QStringList> m_columns;
    std::map<QString, QStringList> m_readable;
    std::optional<bool> m_server_proofs;
};

} // namespace dayvane
