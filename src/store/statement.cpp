#include "store/statement.h"

#include "store/dberror.h"
#include "store/engine.h"

namespace dayvane {

Statement::Statement() = default;

Statement::Statement(std::unique_ptr<StatementEngine> engine, QString sql)
    : m_engine(std::move(engine))
    , m_sql(std::move(sql))
{
}

Statement::Statement(Statement &&other) noexcept = default;
Statement &Statement::operator=(Statement &&other) noexcept = default;
Statement::~Statement() = default;

void Statement::bind(const QString &name, const QVariant &value)
{
    for (int index = 1; index <= parameter_count(); ++index) {
        if (m_engine->parameter_name(index) == name) {
            bind(index, value);
            return;
        }
    }
    throw DbError(DbError::UnknownParameter, QStringLiteral("Unknown parameter %1").arg(name),
                  QStringLiteral("Statement"));
}

void Statement::bind(int index, const QVariant &value)
{
    m_engine->bind(index, value);
}

int Statement::parameter_count() const
{
    return m_engine->parameter_count();
}

QString Statement::parameter_name(int index) const
{
    return m_engine->parameter_name(index);
}

bool Statement::step()
{
    return m_engine->step();
}

void Statement::exec()
{
    while (step()) {
    }
}

void Statement::send(const QString &unchanged, const std::shared_ptr<SentKey> &key)
{
    m_engine->send(unchanged, key);
}

void Statement::reset()
{
    m_engine->reset();
}

int Statement::column_count() const
{
    return m_engine->column_count();
}

QString Statement::column_name(int column) const
{
    return m_engine->column_name(column);
}

QVariant Statement::column(int column) const
{
    return m_engine->column(column);
}

bool Statement::column_is_null(int column) const
{
    return m_engine->column_is_null(column);
}

int Statement::column_int(int column) const
{
    return m_engine->column_int(column);
}

qint64 Statement::column_int64(int column) const
{
    return m_engine->column_int64(column);
}

QString Statement::column_text(int column) const
{
    return m_engine->column_text(column);
}

QDate Statement::column_date(int column) const
{
    return m_engine->column_date(column);
}

std::unique_ptr<ResultRows> Statement::take_rows()
{
    return m_engine->take_rows();
}

} // namespace dayvane
