// The server engine's statements, their prepared names on the server, and the
// translation of the program's SQL into the server's parameter form.

#include "store/postgresstatement.h"

#include <QDate>

#include <algorithm>
#include <limits>
#include <utility>

namespace dayvane {

namespace pg {

namespace {

QByteArray text_of(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        // '1' and '0' read as both a boolean and a number.
        return value.toBool() ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
    case QMetaType::Double:
    case QMetaType::Float:
        return QByteArray::number(value.toDouble(), 'g', 17);
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate).toUtf8();
    default:
        return value.toString().toUtf8();
    }
}

} // namespace

// The value at `row` and `column` of a text-format result, by the column's
// type; see Statement.
QVariant variant_at(const PGresult *result, int row, int column)
{
    if (PQgetisnull(result, row, column))
        return {};
    const char *text = PQgetvalue(result, row, column);
    const int size = PQgetlength(result, row, column);
    switch (PQftype(result, column)) {
    case kBool:
        return QVariant(text[0] == 't');
    case kInt2:
    case kInt4:
    case kInt8:
    case kOid: {
        const qint64 number = QByteArray::fromRawData(text, size).toLongLong();
        // Most values fit an int, and QVariant::toInt() is fastest on one.
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            return QVariant(int(number));
        return QVariant(number);
    }
    case kFloat4:
    case kFloat8:
    case kNumeric:
        return QVariant(QByteArray::fromRawData(text, size).toDouble());
    case kDate:
        return QVariant(QDate::fromString(QString::fromLatin1(text, size), Qt::ISODate));
    case kBytea:
        // Text results give bytes as "\x" and hex digits.
        return QVariant(QByteArray::fromHex(QByteArray::fromRawData(text + 2, size > 2 ? size - 2 : 0)));
    default:
        return QVariant(QString::fromUtf8(text, size));
    }
}

namespace {

bool is_integer_type(Oid type)
{
    return type == kInt2 || type == kInt4 || type == kInt8 || type == kOid;
}

// The server writes integers as an optional minus and digits.
qint64 parse_integer(const char *text, int size)
{
    const bool negative = size > 0 && text[0] == '-';
    quint64 number = 0;
    for (int i = negative ? 1 : 0; i < size; ++i)
        number = number * 10 + quint64(text[i] - '0');
    return negative ? qint64(0 - number) : qint64(number);
}

} // namespace

// The typed reads: the usual case straight from the text, any other through
// the QVariant, so that each gives exactly what variant_at() converted would.
qint64 int64_at(const PGresult *result, int row, int column)
{
    if (PQgetisnull(result, row, column))
        return 0;
    const Oid type = PQftype(result, column);
    if (is_integer_type(type))
        return parse_integer(PQgetvalue(result, row, column), PQgetlength(result, row, column));
    if (type == kBool)
        return PQgetvalue(result, row, column)[0] == 't' ? 1 : 0;
    return variant_at(result, row, column).toLongLong();
}

int int_at(const PGresult *result, int row, int column)
{
    const Oid type = PQftype(result, column);
    // QVariant cuts a qint64 to an int as a cast does.
    if (is_integer_type(type) || type == kBool || PQgetisnull(result, row, column))
        return int(int64_at(result, row, column));
    return variant_at(result, row, column).toInt();
}

QString text_at(const PGresult *result, int row, int column)
{
    if (PQgetisnull(result, row, column))
        return {};
    const char *text = PQgetvalue(result, row, column);
    const int size = PQgetlength(result, row, column);
    switch (PQftype(result, column)) {
    case kBool:
    case kInt2:
    case kInt4:
    case kInt8:
    case kOid:
    case kFloat4:
    case kFloat8:
    case kNumeric:
    case kBytea:
        return variant_at(result, row, column).toString();
    case kDate:
        // A date's text is ISO already, as QDate writes it.
        if (!parse_iso_date(text, size).isValid())
            return variant_at(result, row, column).toString();
        break;
    default:
        break;
    }
    return QString::fromUtf8(text, size);
}

QDate date_at(const PGresult *result, int row, int column)
{
    if (PQgetisnull(result, row, column))
        return {};
    if (PQftype(result, column) == kDate) {
        const QDate date = parse_iso_date(PQgetvalue(result, row, column), PQgetlength(result, row, column));
        if (date.isValid())
            return date;
    }
    return variant_at(result, row, column).toDate();
}

PostgresRows::PostgresRows(Result result, int first)
    : m_result(std::move(result))
    , m_first(first)
{
}

qsizetype PostgresRows::count() const
{
    return m_result ? std::max(PQntuples(m_result.get()) - m_first, 0) : 0;
}

std::unique_ptr<StatementEngine> PostgresDatabase::prepare(const QString &sql)
{
    return std::make_unique<PostgresStatement>(*this, to_server_sql(sql));
}

PostgresStatement::PostgresStatement(PostgresDatabase &db, ServerSql sql)
    : m_db(db)
    , m_sql(std::move(sql))
    , m_values(size_t(m_sql.parameters.size()))
{
    static const QByteArray lock = QByteArrayLiteral(" FOR UPDATE");
    if (m_sql.text.endsWith(lock))
        m_unlocked = m_sql.text.chopped(lock.size());
}

PostgresStatement::~PostgresStatement()
{
    m_db.release(m_prepared);
    m_db.release(m_prepared_unlocked);
}

PreparedName *PostgresStatement::prepared()
{
    return &text() == &m_sql.text ? &m_prepared : &m_prepared_unlocked;
}

const QByteArray &PostgresStatement::text() const
{
    return m_unlocked.isEmpty() || m_db.in_transaction() ? m_sql.text : m_unlocked;
}

void PostgresStatement::bind(int index, const QVariant &value)
{
    if (index < 1 || index > parameter_count())
        throw DbError(DbError::UnknownParameter, QStringLiteral("Unknown parameter %1").arg(index), kSource);
    const size_t i = size_t(index - 1);
    m_types[i] = 0;
    if (!value.isValid() || value.isNull()) {
        m_values[i] = std::nullopt;
    } else if (value.typeId() == QMetaType::QByteArray) {
        // Sent as bytes: every byte kept, zeros included.
        m_values[i] = value.toByteArray();
        m_types[i] = kBytea;
    } else {
        m_values[i] = text_of(value);
    }
}

bool PostgresStatement::step()
{
    if (!m_result) {
        m_result = m_db.run(text(), {m_values, m_types}, prepared());
        m_row = -1;
    }
    ++m_row;
    return m_row < PQntuples(m_result.get());
}

void PostgresStatement::send(const QString &unchanged, const std::shared_ptr<SentKey> &key)
{
    m_db.queue(text(), {m_values, m_types}, unchanged, key, prepared());
}

const PGresult *PostgresStatement::described() const
{
    if (m_result)
        return m_result.get();
    if (!m_description) {
        // Callers that want the names before the first step pay a request.
        m_description = m_db.describe(text(), m_types);
    }
    return m_description.get();
}

int PostgresStatement::current_row() const
{
    const PGresult *result = m_result.get();
    return result && m_row >= 0 && m_row < PQntuples(result) ? m_row : -1;
}

QVariant PostgresStatement::column(int column) const
{
    const int row = current_row();
    return row < 0 ? QVariant() : variant_at(m_result.get(), row, column);
}

bool PostgresStatement::column_is_null(int column) const
{
    const int row = current_row();
    return row < 0 || PQgetisnull(m_result.get(), row, column);
}

int PostgresStatement::column_int(int column) const
{
    const int row = current_row();
    return row < 0 ? 0 : int_at(m_result.get(), row, column);
}

qint64 PostgresStatement::column_int64(int column) const
{
    const int row = current_row();
    return row < 0 ? 0 : int64_at(m_result.get(), row, column);
}

QString PostgresStatement::column_text(int column) const
{
    const int row = current_row();
    return row < 0 ? QString() : text_at(m_result.get(), row, column);
}

QDate PostgresStatement::column_date(int column) const
{
    const int row = current_row();
    return row < 0 ? QDate() : date_at(m_result.get(), row, column);
}

std::unique_ptr<ResultRows> PostgresStatement::take_rows()
{
    const int first = std::max(current_row(), 0);
    auto rows = std::make_unique<PostgresRows>(std::move(m_result), first);
    m_row = -1;
    return rows;
}

} // namespace pg

ServerSql to_server_sql(const QString &sql)
{
    ServerSql out;
    QString text;
    text.reserve(sql.size() + 8);
    const qsizetype size = sql.size();
    auto is_name_char = [](QChar c) { return c.isLetterOrNumber() || c == u'_'; };
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') {
            // Quoted text or name, a doubled quote inside it.
            text += c;
            for (++i; i < size; ++i) {
                text += sql.at(i);
                if (sql.at(i) == c) {
                    if (i + 1 < size && sql.at(i + 1) == c)
                        text += sql.at(++i);
                    else
                        break;
                }
            }
        } else if (c == u'-' && i + 1 < size && sql.at(i + 1) == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? size : end;
            text += sql.mid(i, stop - i);
            i = stop - 1;
        } else if (c == u':' && i + 1 < size && sql.at(i + 1) == u':') {
            text += QStringLiteral("::");
            ++i;
        } else if (c == u':' && i + 1 < size && (sql.at(i + 1).isLetter() || sql.at(i + 1) == u'_')) {
            qsizetype end = i + 1;
            while (end < size && is_name_char(sql.at(end)))
                ++end;
            const QString name = sql.mid(i, end - i);
            qsizetype index = out.parameters.indexOf(name);
            if (index < 0) {
                out.parameters << name;
                index = out.parameters.size() - 1;
            }
            text += u'$' + QString::number(index + 1);
            i = end - 1;
        } else if (c == u'?') {
            out.parameters << QString();
            text += u'$' + QString::number(out.parameters.size());
        } else {
            text += c;
        }
    }
    // The extended protocol takes one statement without its final ";".
    while (text.endsWith(u';') || text.endsWith(u' '))
        text.chop(1);
    out.text = text.toUtf8();
    return out;
}

} // namespace dayvane
