#include "store/statement.h"

#include "store/database.h"
#include "store/dberror.h"

#include <sqlcipher/sqlite3.h>

#include <QDate>

#include <limits>

namespace dayvane {

namespace {

[[noreturn]] void throw_engine(sqlite3_stmt *stmt, int code)
{
    throw_engine_error(stmt ? sqlite3_db_handle(stmt) : nullptr, code);
}

// "yyyy-mm-dd", as dates are stored; anything else is not a date.
QDate parse_iso_date(const char *text, int size)
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

} // namespace

Statement::Statement(sqlite3_stmt *stmt, QString sql)
    : m_stmt(stmt)
    , m_sql(std::move(sql))
{
}

Statement::Statement(Statement &&other) noexcept
    : m_stmt(std::exchange(other.m_stmt, nullptr))
    , m_sql(std::move(other.m_sql))
    , m_kinds(std::move(other.m_kinds))
{
}

Statement &Statement::operator=(Statement &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_stmt = std::exchange(other.m_stmt, nullptr);
        m_sql = std::move(other.m_sql);
        m_kinds = std::move(other.m_kinds);
    }
    return *this;
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::bind(const QString &name, const QVariant &value)
{
    const int index = sqlite3_bind_parameter_index(m_stmt, name.toUtf8().constData());
    if (index == 0)
        throw DbError(DbError::UnknownParameter, QStringLiteral("Unknown parameter %1").arg(name), kEngineSource);
    bind(index, value);
}

void Statement::bind(int index, const QVariant &value)
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
        throw_engine(m_stmt, rc);
}

int Statement::parameter_count() const
{
    return sqlite3_bind_parameter_count(m_stmt);
}

QString Statement::parameter_name(int index) const
{
    return QString::fromUtf8(sqlite3_bind_parameter_name(m_stmt, index));
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // Leave the statement reusable after a failure.
    sqlite3_reset(m_stmt);
    throw_engine(m_stmt, rc);
}

void Statement::exec()
{
    while (step()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::column_count() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::column_name(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

Statement::ColumnKind Statement::column_kind(int column) const
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
    return m_kinds[size_t(column)];
}

QVariant Statement::column(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER: {
        const qint64 number = sqlite3_column_int64(m_stmt, column);
        if (column_kind(column) == ColumnKind::Boolean)
            return QVariant(number != 0);
        // Most values fit an int, and QVariant::toInt() is fastest on one.
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            return QVariant(int(number));
        return QVariant(number);
    }
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(m_stmt, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(m_stmt, column)));
    }
    default: {
        const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
        const int size = sqlite3_column_bytes(m_stmt, column);
        if (column_kind(column) == ColumnKind::Date) {
            const QDate date = parse_iso_date(data, size);
            if (date.isValid())
                return QVariant(date);
        }
        return QVariant(QString::fromUtf8(data, size));
    }
    }
}

} // namespace dayvane
