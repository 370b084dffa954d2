#pragma once

// The server engine's statements. Private to the store.

#include "store/postgresdatabase.h"

namespace dayvane::pg {

// The value at `row` and `column` of a text-format result, as Statement
// describes, and the typed reads of it (see ResultRows).
QVariant variant_at(const PGresult *result, int row, int column);
int int_at(const PGresult *result, int row, int column);
qint64 int64_at(const PGresult *result, int row, int column);
QString text_at(const PGresult *result, int row, int column);
QDate date_at(const PGresult *result, int row, int column);

// A result kept whole, from its row `first` on: values are read out of
// libpq's own copy when asked for.
class PostgresRows final : public ResultRows
{
public:
    PostgresRows(Result result, int first);

    qsizetype count() const override;
    QVariant value(qsizetype row, int column) const override { return variant_at(m_result.get(), at(row), column); }
    bool is_null(qsizetype row, int column) const override { return PQgetisnull(m_result.get(), at(row), column); }
    int int32(qsizetype row, int column) const override { return int_at(m_result.get(), at(row), column); }
    qint64 int64(qsizetype row, int column) const override { return int64_at(m_result.get(), at(row), column); }
    QString text(qsizetype row, int column) const override { return text_at(m_result.get(), at(row), column); }
    QDate date(qsizetype row, int column) const override { return date_at(m_result.get(), at(row), column); }

private:
    int at(qsizetype row) const { return m_first + int(row); }

    Result m_result;
    int m_first;
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
    bool column_is_null(int column) const override;
    int column_int(int column) const override;
    qint64 column_int64(int column) const override;
    QString column_text(int column) const override;
    QDate column_date(int column) const override;
    std::unique_ptr<ResultRows> take_rows() override;

private:
    // The current row of the result, or -1 when there is none.
    int current_row() const;
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
} // namespace dayvane::pg
