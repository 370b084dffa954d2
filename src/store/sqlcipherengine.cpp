#include "store/sqlcipherengine.h"

#include "store/dberror.h"

#include <sqlcipher/sqlite3.h>

#include <QDate>

#include <cstring>
#include <limits>

namespace dayvane {

namespace {

constexpr int kDefaultBusyTimeoutMs = 5000;

const QString kSource = QStringLiteral("SQLCipher");

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

[[noreturn]] void throw_engine_error(sqlite3 *db, int code)
{
    throw DbError(code & 0xff, describe(db, code), kSource);
}

// Dates are stored as ISO text and booleans as 0/1; the declared type of a
// column tells how to read them back.
enum class ColumnKind : char { Plain, Boolean, Date };

// One value as the engine gives it: its storage class and its number or
// bytes (valid only as long as their source).
struct SqlValue
{
    int type = SQLITE_NULL;
    qint64 integer = 0;
    double real = 0;
    const char *data = nullptr;
    int size = 0;
};

QVariant variant_of(const SqlValue &value, ColumnKind kind)
{
    switch (value.type) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        if (kind == ColumnKind::Boolean)
            return QVariant(value.integer != 0);
        // Most values fit an int, and QVariant::toInt() is fastest on one.
        if (value.integer >= std::numeric_limits<int>::min() && value.integer <= std::numeric_limits<int>::max())
            return QVariant(int(value.integer));
        return QVariant(value.integer);
    case SQLITE_FLOAT:
        return QVariant(value.real);
    case SQLITE_BLOB:
        return QVariant(QByteArray(value.data, value.size));
    default:
        if (kind == ColumnKind::Date) {
            const QDate date = parse_iso_date(value.data, value.size);
            if (date.isValid())
                return QVariant(date);
        }
        return QVariant(QString::fromUtf8(value.data, value.size));
    }
}

// The typed reads: the usual case straight, any other through the QVariant,
// so that each gives exactly what variant_of() converted would.
qint64 int64_of(const SqlValue &value, ColumnKind kind)
{
    if (value.type == SQLITE_NULL)
        return 0;
    if (value.type == SQLITE_INTEGER)
        return kind == ColumnKind::Boolean ? qint64(value.integer != 0) : value.integer;
    return variant_of(value, kind).toLongLong();
}

int int_of(const SqlValue &value, ColumnKind kind)
{
    // QVariant cuts a qint64 to an int as a cast does.
    if (value.type == SQLITE_NULL || value.type == SQLITE_INTEGER)
        return int(int64_of(value, kind));
    return variant_of(value, kind).toInt();
}

QString text_of(const SqlValue &value, ColumnKind kind)
{
    // A date read from text gives that text back: it is ISO already.
    if (value.type == SQLITE_TEXT)
        return QString::fromUtf8(value.data, value.size);
    if (value.type == SQLITE_NULL)
        return {};
    return variant_of(value, kind).toString();
}

QDate date_of(const SqlValue &value, ColumnKind kind)
{
    if (value.type == SQLITE_NULL)
        return {};
    if (value.type == SQLITE_TEXT) {
        const QDate date = parse_iso_date(value.data, value.size);
        if (date.isValid())
            return date;
    }
    return variant_of(value, kind).toDate();
}

// The rows of a finished statement in one allocation for their bytes and one
// for their cells: sqlite3's own values last only until the next step.
class SqlCipherRows final : public ResultRows
{
public:
    explicit SqlCipherRows(std::vector<ColumnKind> kinds)
        : m_kinds(std::move(kinds))
    {
    }

    void append(const SqlValue &value)
    {
        Cell cell{value.integer, value.size, char(value.type)};
        if (value.type == SQLITE_FLOAT) {
            std::memcpy(&cell.number, &value.real, sizeof value.real);
        } else if (value.type == SQLITE_TEXT || value.type == SQLITE_BLOB) {
            cell.number = m_bytes.size();
            m_bytes.append(value.data, value.size);
        }
        m_cells.push_back(cell);
    }

    qsizetype count() const override { return m_kinds.empty() ? 0 : qsizetype(m_cells.size() / m_kinds.size()); }
    QVariant value(qsizetype row, int column) const override { return variant_of(at(row, column), m_kinds[size_t(column)]); }
    bool is_null(qsizetype row, int column) const override { return cell(row, column).type == SQLITE_NULL; }
    int int32(qsizetype row, int column) const override { return int_of(at(row, column), m_kinds[size_t(column)]); }
    qint64 int64(qsizetype row, int column) const override { return int64_of(at(row, column), m_kinds[size_t(column)]); }
    QString text(qsizetype row, int column) const override { return text_of(at(row, column), m_kinds[size_t(column)]); }
    QDate date(qsizetype row, int column) const override { return date_of(at(row, column), m_kinds[size_t(column)]); }

private:
    struct Cell
    {
        qint64 number;  // the integer, the double's bits, or where the bytes start
        int size;
        char type;
    };

    const Cell &cell(qsizetype row, int column) const { return m_cells[size_t(row) * m_kinds.size() + size_t(column)]; }

    SqlValue at(qsizetype row, int column) const
    {
        const Cell &c = cell(row, column);
        SqlValue value{c.type, c.number, 0, nullptr, c.size};
        if (c.type == SQLITE_FLOAT) {
            std::memcpy(&value.real, &c.number, sizeof value.real);
        } else if (c.type == SQLITE_TEXT || (c.type == SQLITE_BLOB && c.size > 0)) {
            // The engine gives an empty blob no bytes at all, but text always.
            value.data = m_bytes.constData() + c.number;
        }
        return value;
    }

    std::vector<ColumnKind> m_kinds;
    std::vector<Cell> m_cells;
    QByteArray m_bytes;
};

class SqlCipherStatement final : public StatementEngine
{
public:
    explicit SqlCipherStatement(sqlite3_stmt *stmt)
        : m_stmt(stmt)
    {
    }
    SqlCipherStatement(const SqlCipherStatement &) = delete;
    SqlCipherStatement &operator=(const SqlCipherStatement &) = delete;
    ~SqlCipherStatement() override { sqlite3_finalize(m_stmt); }

    void bind(int index, const QVariant &value) override;
    int parameter_count() const override { return sqlite3_bind_parameter_count(m_stmt); }
    QString parameter_name(int index) const override
    {
        return QString::fromUtf8(sqlite3_bind_parameter_name(m_stmt, index));
    }
    bool step() override;
    // A file has no round trips to save: the statement runs at once.
    void send(const QString &unchanged, const std::shared_ptr<SentKey> &key) override;
    void reset() override
    {
        m_on_row = false;
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    int column_count() const override { return sqlite3_column_count(m_stmt); }
    QString column_name(int column) const override { return QString::fromUtf8(sqlite3_column_name(m_stmt, column)); }
    QVariant column(int column) const override { return variant_of(at(column), column_kind(column)); }
    bool column_is_null(int column) const override { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }
    int column_int(int column) const override { return int_of(at(column), column_kind(column)); }
    qint64 column_int64(int column) const override { return int64_of(at(column), column_kind(column)); }
    QString column_text(int column) const override { return text_of(at(column), column_kind(column)); }
    QDate column_date(int column) const override { return date_of(at(column), column_kind(column)); }
    std::unique_ptr<ResultRows> take_rows() override;

private:
    // The declared kind of each column.
    const std::vector<ColumnKind> &kinds() const;
    ColumnKind column_kind(int column) const { return kinds()[size_t(column)]; }
    SqlValue at(int column) const;
    [[noreturn]] void fail(int code) const { throw_engine_error(sqlite3_db_handle(m_stmt), code); }

    sqlite3_stmt *m_stmt;
    bool m_on_row = false;
    // Declared types, looked up once per column for a statement that is
    // stepped many times.
    mutable std::vector<ColumnKind> m_kinds;
};

void SqlCipherStatement::bind(int index, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(m_stmt, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::LongLong:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QDate: {
            const QByteArray iso = value.toDate().toString(Qt::ISODate).toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            // Blobs keep every byte, zeros included; an empty blob must not
            // turn into NULL, which a null data pointer would give.
            const QByteArray bytes = value.toByteArray();
            rc = bytes.isEmpty() ? sqlite3_bind_zeroblob(m_stmt, index, 0)
                                 : sqlite3_bind_blob(m_stmt, index, bytes.constData(), int(bytes.size()),
                                                     SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        fail(rc);
}

bool SqlCipherStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    m_on_row = rc == SQLITE_ROW;
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // Leave the statement reusable after a failure.
    sqlite3_reset(m_stmt);
    fail(rc);
}

void SqlCipherStatement::send(const QString &unchanged, const std::shared_ptr<SentKey> &key)
{
    while (step()) {
    }
    sqlite3 *db = sqlite3_db_handle(m_stmt);
    if (!unchanged.isEmpty() && sqlite3_changes(db) == 0)
        throw DbError(DbError::RecordChanged, unchanged, QStringLiteral("RecordSet"));
    if (key) {
        key->value = sqlite3_last_insert_rowid(db);
        key->known = true;
    }
}

const std::vector<ColumnKind> &SqlCipherStatement::kinds() const
{
    if (m_kinds.empty()) {
        const int count = column_count();
        m_kinds.reserve(size_t(count));
        for (int c = 0; c < count; ++c) {
            const char *declared = sqlite3_column_decltype(m_stmt, c);
            ColumnKind kind = ColumnKind::Plain;
            if (declared && sqlite3_stricmp(declared, "BOOLEAN") == 0)
                kind = ColumnKind::Boolean;
            else if (declared && sqlite3_stricmp(declared, "DATE") == 0)
                kind = ColumnKind::Date;
            m_kinds.push_back(kind);
        }
    }
    return m_kinds;
}

SqlValue SqlCipherStatement::at(int column) const
{
    // One look-up of the column, then the value's own readers: the column
    // readers each look it up again. Unprotected values are safe here, as
    // one thread uses a connection.
    sqlite3_value *raw = sqlite3_column_value(m_stmt, column);
    SqlValue value;
    value.type = sqlite3_value_type(raw);
    switch (value.type) {
    case SQLITE_INTEGER:
        value.integer = sqlite3_value_int64(raw);
        break;
    case SQLITE_FLOAT:
        value.real = sqlite3_value_double(raw);
        break;
    case SQLITE_BLOB:
        value.data = static_cast<const char *>(sqlite3_value_blob(raw));
        value.size = sqlite3_value_bytes(raw);
        break;
    case SQLITE_TEXT:
        value.data = reinterpret_cast<const char *>(sqlite3_value_text(raw));
        value.size = sqlite3_value_bytes(raw);
        break;
    default:
        break;
    }
    return value;
}

std::unique_ptr<ResultRows> SqlCipherStatement::take_rows()
{
    const int columns = column_count();
    auto rows = std::make_unique<SqlCipherRows>(kinds());
    for (bool row = m_on_row; row; row = step()) {
        for (int c = 0; c < columns; ++c)
            rows->append(at(c));
    }
    return rows;
}

class SqlCipherDatabase final : public DatabaseEngine
{
public:
    explicit SqlCipherDatabase(sqlite3 *db)
        : m_db(db)
    {
    }
    SqlCipherDatabase(const SqlCipherDatabase &) = delete;
    SqlCipherDatabase &operator=(const SqlCipherDatabase &) = delete;
    ~SqlCipherDatabase() override { sqlite3_close_v2(m_db); }

    void exec(const QString &sql) override;
    std::unique_ptr<StatementEngine> prepare(const QString &sql) override;
    // The write lock at once: a second workstation waits (up to the busy
    // timeout) instead of failing half way. A file has one writer whatever
    // the scope.
    void begin(WriteScope) override { exec(QStringLiteral("BEGIN IMMEDIATE;")); }
    void commit() override { exec(QStringLiteral("COMMIT;")); }
    void rollback() noexcept override { sqlite3_exec(m_db, "ROLLBACK;", nullptr, nullptr, nullptr); }
    void flush() override {}
    void set_busy_timeout(int milliseconds) override
    {
        sqlite3_busy_timeout(m_db, milliseconds);
        m_busy_timeout_ms = milliseconds;
    }
    int busy_timeout() const override { return m_busy_timeout_ms; }
    int schema_version() override;
    void set_schema_version(int version) override
    {
        exec(QStringLiteral("PRAGMA user_version = %1;").arg(version));
    }
    bool has_table(const QString &name) override;
    QStringList table_columns(const QString &table) override;
    QString returning(const QString &) const override { return {}; }
    bool read_only() const override { return sqlite3_db_readonly(m_db, "main") == 1; }
    bool in_transaction() const override { return sqlite3_get_autocommit(m_db) == 0; }
    qint64 last_insert_id() override { return sqlite3_last_insert_rowid(m_db); }
    int changes() const override { return sqlite3_changes(m_db); }
    QString source() const override { return kSource; }
    Database::Dialect dialect() const override { return Database::Dialect::SQLite; }

    sqlite3 *handle() const { return m_db; }
    [[noreturn]] void fail(int code) const { throw_engine_error(m_db, code); }

private:
    // A statement run to its end whose first column of the first row is
    // returned; a null QVariant when it yields no row.
    QVariant first_value(const QString &sql, const QVariant &parameter = {});

    sqlite3 *m_db;
    int m_busy_timeout_ms = 0;
};

void SqlCipherDatabase::exec(const QString &sql)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        fail(rc);
}

std::unique_ptr<StatementEngine> SqlCipherDatabase::prepare(const QString &sql)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const int rc = sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(rc);
    }
    return std::make_unique<SqlCipherStatement>(stmt);
}

QVariant SqlCipherDatabase::first_value(const QString &sql, const QVariant &parameter)
{
    const std::unique_ptr<StatementEngine> stmt = prepare(sql);
    if (parameter.isValid())
        stmt->bind(1, parameter);
    return stmt->step() ? stmt->column(0) : QVariant();
}

int SqlCipherDatabase::schema_version()
{
    return first_value(QStringLiteral("PRAGMA user_version;")).toInt();
}

bool SqlCipherDatabase::has_table(const QString &name)
{
    return first_value(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?;"), name)
        .isValid();
}

QStringList SqlCipherDatabase::table_columns(const QString &table)
{
    QStringList columns;
    const std::unique_ptr<StatementEngine> stmt = prepare(QStringLiteral("PRAGMA table_info(\"%1\");").arg(table));
    while (stmt->step())
        columns << stmt->column(1).toString();
    return columns;
}

// A calendar file may come from a share that others write: nothing in it
// may reach beyond it. No other file is attached, and the pragmas that
// would let a statement rewrite the schema's own records or the key are
// refused. (The engine predates its own defensive switch.)
int guard_calendar_file(void *, int action, const char *first, const char *, const char *, const char *)
{
    if (action == SQLITE_ATTACH || action == SQLITE_DETACH)
        return SQLITE_DENY;
    if (action == SQLITE_PRAGMA && first) {
        for (const char *refused : {"writable_schema", "key", "rekey", "hexkey", "hexrekey"}) {
            if (sqlite3_stricmp(first, refused) == 0)
                return SQLITE_DENY;
        }
    }
    return SQLITE_OK;
}

} // namespace

std::unique_ptr<DatabaseEngine> open_sqlcipher(const QString &path, const QByteArray &key, Database::OpenMode mode)
{
    sqlite3 *raw = nullptr;
    // One thread uses a connection, so the library need not lock it around
    // every call (which cost a read of a year a third of its time).
    int flags = SQLITE_OPEN_NOMUTEX | (mode == Database::OpenMode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    if (mode == Database::OpenMode::Create)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
    auto db = std::make_unique<SqlCipherDatabase>(raw);  // owns the handle even when the open failed
    if (rc != SQLITE_OK)
        db->fail(rc);

    // An empty key means a plain file (the report database); the engine
    // refuses to set an empty key rather than ignoring it.
    if (!key.isEmpty()) {
        const int keyed = sqlite3_key(raw, key.constData(), int(key.size()));
        if (keyed != SQLITE_OK)
            db->fail(keyed);
        sqlite3_limit(raw, SQLITE_LIMIT_ATTACHED, 0);
        sqlite3_set_authorizer(raw, guard_calendar_file, nullptr);
    }
    // Another workstation may be writing: wait for it from the first read.
    db->set_busy_timeout(kDefaultBusyTimeoutMs);
    // The key is only tried on the first read: this read proves it.
    db->exec(QStringLiteral("SELECT count(*) FROM sqlite_master;"));
    if (db->read_only())
        return db;
    // Rollback journal rather than WAL: WAL's shared memory does not work
    // for a file on a network share.
    db->exec(QStringLiteral("PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL; PRAGMA journal_mode = DELETE;"));
    return db;
}

sqlite3 *sqlcipher_handle(Database &db)
{
    const auto *engine = dynamic_cast<const SqlCipherDatabase *>(&db.engine());
    return engine ? engine->handle() : nullptr;
}

} // namespace dayvane
