#pragma once

#include "store/statement.h"

#include <QByteArray>
#include <QStringList>
#include <QString>

#include <map>
#include <memory>

struct sqlite3;

namespace dayvane {

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

// One open, password-protected database file (RAII: closed on destruction).
// All methods throw DbError on failure.
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

    int user_version();
    // True when the connection cannot write to the file.
    bool read_only() const;
    // True while a transaction is open on this connection.
    bool in_transaction() const;
    qint64 last_insert_id() const;
    int changes() const;
    const QString &path() const { return m_path; }

    // The stored query of that name; throws DbError UnknownQuery.
    const StoredQuery &stored_query(const QString &name);
    // The column names of a table, as declared.
    const QStringList &table_columns(const QString &table);

    sqlite3 *handle() const { return m_db.get(); }

    // Throws the DbError for an engine result code of this connection.
    [[noreturn]] void throw_error(int code) const;

private:
    struct Closer { void operator()(sqlite3 *db) const; };
    Database(sqlite3 *db, QString path);

    std::unique_ptr<sqlite3, Closer> m_db;
    QString m_path;
    // Node-based maps: references handed out stay valid as entries are added.
    std::map<QString, Statement> m_cache;
    std::map<QString, StoredQuery> m_queries;
    std::map<QString, QStringList> m_columns;
};

// Engine errors carry this source, so the error report names the engine.
inline const QString kEngineSource = QStringLiteral("SQLCipher");

// Throws the DbError for an engine result code of connection `db` (may be null).
[[noreturn]] void throw_engine_error(sqlite3 *db, int code);

} // namespace dayvane
