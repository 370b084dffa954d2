#include "store/recordset.h"

#include "store/database.h"
#include "store/dberror.h"
#include "store/engine.h"
#include "store/recordsettext.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace dayvane {

namespace {

const QString kSource = QStringLiteral("RecordSet");
const QString kDeletedMeanwhile = QStringLiteral("The record has been deleted by another user.");

[[noreturn]] void fail(int number, const QString &description)
{
    throw DbError(number, description, kSource);
}

QString quoted(const QString &identifier)
{
    return u'"' + identifier + u'"';
}

} // namespace

RecordSet RecordSet::open(Database &db, const QString &query_text, const QVariantMap &values)
{
    const RecordSetText text = parse_record_set_text(query_text);
    const StoredQuery &query = db.stored_query(text.query);
    Statement &stmt = db.cached(query.select_sql);

    std::set<int> bound;
    auto bind = [&](const QString &name, const QVariant &value) {
        const QString placeholder = u':' + name;
        int index = 0;
        for (int i = 1; i <= stmt.parameter_count() && index == 0; ++i) {
            if (stmt.parameter_name(i).compare(placeholder, Qt::CaseInsensitive) == 0)
                index = i;
        }
        if (index == 0)
            fail(DbError::UnknownParameter,
                 QStringLiteral("Query %1 has no parameter named '%2'.").arg(query.name, name));
        stmt.bind(index, value);
        bound.insert(index);
    };
    for (const QueryParameter &parameter : text.parameters) {
        if (values.contains(parameter.name))
            continue;
        if (!parameter.has_value)
            fail(DbError::MissingParameter, QStringLiteral("No value for parameter '%1'.").arg(parameter.name));
        bind(parameter.name, parameter.value);
    }
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        bind(it.key(), it.value());
    if (int(bound.size()) < stmt.parameter_count())
        fail(DbError::MissingParameter, QStringLiteral("Too few parameters for query %1: expected %2.")
                                            .arg(query.name)
                                            .arg(stmt.parameter_count()));

    RecordSet set;
    set.m_db = &db;
    set.m_base_table = query.base_table;
    set.m_key_column = query.key_column;
    // Stepped before the names are read: a server sends both in one answer.
    stmt.step();
    const int columns = stmt.column_count();
    for (int c = 0; c < columns; ++c)
        set.m_fields << stmt.column_name(c);
    set.m_rows = stmt.take_rows();
    // Release the read lock at once: another workstation may want to write.
    stmt.reset();
    const auto rows = size_t(set.m_rows->count());
    set.m_deleted.assign(rows, false);
    set.m_unread.assign(rows, false);
    set.m_written_at.assign(rows, -1);
    set.m_count = int(rows);
    return set;
}

void RecordSet::move_first()
{
    m_pos = 0;
    skip_deleted();
}

void RecordSet::move_next()
{
    if (eof())
        fail(DbError::NoCurrentRecord, QStringLiteral("No current record."));
    ++m_pos;
    skip_deleted();
}

void RecordSet::move_last()
{
    m_pos = qsizetype(m_deleted.size());
    for (qsizetype i = m_pos - 1; i >= 0; --i) {
        if (!m_deleted[size_t(i)]) {
            m_pos = i;
            break;
        }
    }
}

void RecordSet::skip_deleted()
{
    while (!eof() && m_deleted[size_t(m_pos)])
        ++m_pos;
}

int RecordSet::find_field(const QString &name) const
{
    for (const auto &[text, index] : m_recent) {
        if (text == name.constData() && m_fields.at(index).size() == name.size()
            && std::memcmp(text, m_fields.at(index).constData(), size_t(name.size()) * sizeof(QChar)) == 0)
            return index;
    }
    // Callers nearly always spell names as the query does: try that first.
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i) == name) {
            m_recent[m_next_recent++ % m_recent.size()] = {name.constData(), i};
            return i;
        }
    }
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int RecordSet::field_index(const QString &name) const
{
    const int index = find_field(name);
    if (index < 0)
        fail(DbError::UnknownField, QStringLiteral("Item '%1' not found in this collection.").arg(name));
    return index;
}

void RecordSet::resolve_keys() const
{
    if (m_sent_keys.empty())
        return;
    if (!m_sent_keys.back().second->known)
        m_db->flush();
    const int key = field_index(m_key_column);
    for (const auto &[row, sent] : m_sent_keys)
        written(row)[key] = sent->value;
    m_last_added_id = m_sent_keys.back().second->value;
    m_sent_keys.clear();
}

qint64 RecordSet::last_added_id() const
{
    resolve_keys();
    return m_last_added_id;
}

qsizetype RecordSet::current_row() const
{
    if (!m_sent_keys.empty())
        resolve_keys();
    if (eof() || m_deleted[size_t(m_pos)])
        fail(DbError::NoCurrentRecord, QStringLiteral("No current record."));
    if (m_unread[size_t(m_pos)])
        read_back(m_pos);
    return m_pos;
}

const QVariant *RecordSet::held(int index) const
{
    if (index < 0 || index >= m_fields.size())
        fail(DbError::UnknownField, QStringLiteral("Item %1 not found in this collection.").arg(index));
    if (m_mode != Mode::Browse)
        return &m_buffer.at(index);
    const int at = m_written_at[size_t(current_row())];
    return at < 0 ? nullptr : &m_written[size_t(at)].at(index);
}

QVariant RecordSet::value_at(qsizetype row, int column) const
{
    const int at = m_written_at[size_t(row)];
    return at < 0 ? m_rows->value(row, column) : m_written[size_t(at)].at(column);
}

QVariantList RecordSet::row_values(qsizetype row) const
{
    const int at = m_written_at[size_t(row)];
    if (at >= 0)
        return m_written[size_t(at)];
    QVariantList values;
    values.reserve(m_fields.size());
    for (int c = 0; c < m_fields.size(); ++c)
        values << m_rows->value(row, c);
    return values;
}

QVariantList &RecordSet::written(qsizetype row) const
{
    const int at = m_written_at[size_t(row)];
    return at < 0 ? keep(row, row_values(row)) : m_written[size_t(at)];
}

QVariantList &RecordSet::keep(qsizetype row, QVariantList values) const
{
    int &at = m_written_at[size_t(row)];
    if (at < 0) {
        at = int(m_written.size());
        m_written.push_back(std::move(values));
    } else {
        m_written[size_t(at)] = std::move(values);
    }
    return m_written[size_t(at)];
}

void RecordSet::read_back(qsizetype row) const
{
    m_unread[size_t(row)] = false;
    QVariantList &values = written(row);
    const QVariant key = values.at(field_index(m_key_column));
    // Only the columns this connection may read: a server keeps some back
    // (passwords), whose fields keep what was written.
    QStringList columns;
    if (m_readback.empty()) {
        for (const QString &column : m_db->readable_columns(m_base_table)) {
            if (const int field = find_field(column); field >= 0) {
                m_readback.push_back(field);
                columns << quoted(m_fields.at(field));
            }
        }
    } else {
        for (const int field : m_readback)
            columns << quoted(m_fields.at(field));
    }
    if (columns.isEmpty())
        return;
    Statement &read = m_db->cached(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?;")
                                       .arg(columns.join(QStringLiteral(", ")), quoted(m_base_table), quoted(m_key_column)));
    read.bind(1, key);
    if (read.step()) {
        for (int c = 0; c < int(m_readback.size()); ++c)
            values[m_readback[size_t(c)]] = read.column(c);
    }
    read.reset();
}

QVariant RecordSet::field(const QString &name) const
{
    return field(field_index(name));
}

QVariant RecordSet::field(int index) const
{
    const QVariant *value = held(index);
    return value ? *value : m_rows->value(m_pos, index);
}

bool RecordSet::is_null(int index) const
{
    const QVariant *value = held(index);
    return value ? value->isNull() : m_rows->is_null(m_pos, index);
}

int RecordSet::field_int(int index) const
{
    const QVariant *value = held(index);
    return value ? value->toInt() : m_rows->int32(m_pos, index);
}

qint64 RecordSet::field_int64(int index) const
{
    const QVariant *value = held(index);
    return value ? value->toLongLong() : m_rows->int64(m_pos, index);
}

QString RecordSet::field_text(int index) const
{
    const QVariant *value = held(index);
    return value ? value->toString() : m_rows->text(m_pos, index);
}

QDate RecordSet::field_date(int index) const
{
    const QVariant *value = held(index);
    return value ? value->toDate() : m_rows->date(m_pos, index);
}

void RecordSet::edit()
{
    if (m_base_table.isEmpty())
        fail(DbError::NotUpdatable, QStringLiteral("The query cannot be updated."));
    m_buffer = row_values(current_row());
    m_dirty.assign(size_t(m_fields.size()), false);
    m_mode = Mode::Edit;
}

void RecordSet::add_new()
{
    if (m_base_table.isEmpty() || m_db == nullptr)
        fail(DbError::NotUpdatable, QStringLiteral("The query cannot be updated."));
    m_buffer = QVariantList(m_fields.size());
    m_dirty.assign(size_t(m_fields.size()), false);
    m_mode = Mode::Add;
}

void RecordSet::set_field(const QString &name, const QVariant &value)
{
    if (m_mode == Mode::Browse)
        fail(DbError::NotEditing, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    const int index = field_index(name);
    if (m_writable.empty()) {
        const QStringList &columns = m_db->table_columns(m_base_table);
        for (const QString &field : m_fields)
            m_writable.push_back(field.compare(m_key_column, Qt::CaseInsensitive) != 0
                                 && columns.contains(field, Qt::CaseInsensitive));
    }
    if (!m_writable[size_t(index)])
        fail(DbError::NotUpdatable, QStringLiteral("Field '%1' cannot be updated.").arg(m_fields.at(index)));
    m_buffer[index] = value;
    m_dirty[size_t(index)] = true;
}

void RecordSet::update()
{
    switch (m_mode) {
    case Mode::Browse:
        fail(DbError::NotEditing, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    case Mode::Edit:
        write_edit();
        break;
    case Mode::Add:
        write_add();
        break;
    }
    m_mode = Mode::Browse;
    m_buffer.clear();
}

void RecordSet::write_edit()
{
    const qsizetype row = current_row();
    const QVariant key = value_at(row, field_index(m_key_column));
    if (std::find(m_dirty.begin(), m_dirty.end(), true) != m_dirty.end()) {
        Statement &stmt = m_db->cached(write_sql(Mode::Edit));
        int parameter = 1;
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_dirty[size_t(i)])
                stmt.bind(parameter++, m_buffer.at(i));
        }
        stmt.bind(parameter, key);
        stmt.send(kDeletedMeanwhile);
    }
    keep(row, m_buffer);
}

const QString &RecordSet::write_sql(Mode mode)
{
    if (mode == m_last_mode && m_dirty == m_last_written)
        return m_last_sql;
    QStringList columns;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_dirty[size_t(i)])
            columns << quoted(m_fields.at(i));
    }
    if (mode == Mode::Edit) {
        m_last_sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?;")
                         .arg(quoted(m_base_table), columns.join(QStringLiteral(" = ?, ")), quoted(m_key_column));
    } else if (columns.isEmpty()) {
        m_last_sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES%2;")
                         .arg(quoted(m_base_table), m_db->returning(quoted(m_key_column)));
    } else {
        m_last_sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)%4;")
                         .arg(quoted(m_base_table), columns.join(QStringLiteral(", ")),
                              QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")),
                              m_db->returning(quoted(m_key_column)));
    }
    m_last_written = m_dirty;
    m_last_mode = mode;
    return m_last_sql;
}

void RecordSet::write_add()
{
    Statement &stmt = m_db->cached(write_sql(Mode::Add));
    int parameter = 1;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_dirty[size_t(i)])
            stmt.bind(parameter++, m_buffer.at(i));
    }
    // Sent rather than run: a year of days reaches a server in one request.
    auto key = std::make_shared<SentKey>();
    stmt.send({}, key);
    m_sent_keys.emplace_back(qsizetype(m_deleted.size()), std::move(key));
    m_written_at.push_back(-1);
    keep(qsizetype(m_deleted.size()), m_buffer);
    m_deleted.push_back(false);
    m_unread.push_back(true);
    ++m_count;
}

void RecordSet::cancel_update()
{
    m_mode = Mode::Browse;
    m_buffer.clear();
}

void RecordSet::delete_record()
{
    if (m_base_table.isEmpty())
        fail(DbError::NotUpdatable, QStringLiteral("The query cannot be updated."));
    const QVariant key = value_at(current_row(), field_index(m_key_column));
    Statement &stmt =
        m_db->cached(QStringLiteral("DELETE FROM %1 WHERE %2 = ?;").arg(quoted(m_base_table), quoted(m_key_column)));
    stmt.bind(1, key);
    stmt.send(kDeletedMeanwhile);
    m_deleted[size_t(m_pos)] = true;
    --m_count;
}

void RecordSet::close()
{
    *this = RecordSet();
}

} // namespace dayvane
