#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <vector>

struct sqlite3_stmt;

namespace dayvane {

// A prepared statement; move-only, finalized on destruction.
//
// Values cross the boundary as QVariant: a null QVariant is SQL NULL, QDate is
// stored as ISO text ("2024-01-05"), bool as 0/1, QByteArray as a blob (kept
// byte-exact, zero bytes included), QString as UTF-8 text. Reading converts
// back by the column's declared type: DATE columns give QDate, BOOLEAN
// columns give bool, integers give int, or qint64 beyond int's range.
class Statement
{
public:
    Statement() = default;
    Statement(sqlite3_stmt *stmt, QString sql);
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    ~Statement();

    // Binds by name, written with its prefix (":Year"). Throws DbError when
    // the statement has no such parameter.
    void bind(const QString &name, const QVariant &value);
    void bind(int index, const QVariant &value);
    int parameter_count() const;
    // The names as written in the SQL, with their ":" prefix.
    QString parameter_name(int index) const;

    // Runs to the next row: true while a row is available. Throws DbError.
    bool step();
    // Runs a statement that yields no rows.
    void exec();
    void reset();

    int column_count() const;
    QString column_name(int column) const;
    QVariant column(int column) const;

    const QString &sql() const { return m_sql; }
    sqlite3_stmt *handle() const { return m_stmt; }

private:
    // How a column's declared type asks its values to be read.
    enum class ColumnKind : char { Plain, Boolean, Date };
    ColumnKind column_kind(int column) const;

    sqlite3_stmt *m_stmt = nullptr;
    QString m_sql;
    // Declared types, looked up once per column for a statement that is
    // stepped many times.
    mutable std::vector<ColumnKind> m_kinds;
};

} // namespace dayvane
