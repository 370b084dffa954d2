#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVariant>

#include <memory>

namespace dayvane {

class ResultRows;
class StatementEngine;

// The key of a record inserted with Statement::send, known once the insert
// has run (at the latest after Database::flush()).
struct SentKey
{
    qint64 value = 0;
    bool known = false;
};

// A prepared statement; move-only, finalized on destruction.
//
// Values cross the boundary as QVariant: a null QVariant is SQL NULL, QDate is
// stored as ISO text ("2024-01-05"), bool as 0/1, QByteArray as a blob (kept
// byte-exact, zero bytes included), QString as UTF-8 text. Reading converts
// back by the column's declared type: DATE columns give QDate, BOOLEAN
// columns give bool, integers give int, or qint64 beyond int's range.
// The typed readers give the same as column() converted by QVariant's
// toInt(), toLongLong(), toString() or toDate(), without making a QVariant.
class Statement
{
public:
    Statement();
    Statement(std::unique_ptr<StatementEngine> engine, QString sql);
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
    // Runs a statement that yields no rows, or an INSERT whose key `key`
    // receives. The engine may hold it back and send it with the statements
    // after it in one request to a server; it runs at the latest with the
    // next step() or exec() of this connection, the commit or
    // Database::flush(), which then throw its failure. With `unchanged` set,
    // a statement that changed no record fails with DbError RecordChanged and
    // that description.
    void send(const QString &unchanged = {}, const std::shared_ptr<SentKey> &key = {});
    void reset();

    int column_count() const;
    QString column_name(int column) const;
    QVariant column(int column) const;
    bool column_is_null(int column) const;
    int column_int(int column) const;
    qint64 column_int64(int column) const;
    QString column_text(int column) const;
    QDate column_date(int column) const;
    // For the store's record sets: the current row and the rest, kept in the
    // engine's form. The statement is left at its end; reset() it to run it
    // again.
    std::unique_ptr<ResultRows> take_rows();

    const QString &sql() const { return m_sql; }

private:
    std::unique_ptr<StatementEngine> m_engine;
    QString m_sql;
};

} // namespace dayvane
