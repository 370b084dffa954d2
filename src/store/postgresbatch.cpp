// Row updates queued in a transaction (a year of days saved) reach the server
// as one statement per batch: each of its statements costs the server a fixed
// amount of work (planning checks, row-level security), which would otherwise
// be paid once per row.

#include "store/postgresdatabase.h"

#include <QRegularExpression>

#include <utility>

namespace dayvane::pg {

namespace {

// Enough for ten years of one calendar's days; bounds a request's size.
constexpr size_t kMaxBatchRows = 4000;

void append_json_string(QByteArray &json, const QByteArray &utf8)
{
    json += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            static const char hex[] = "0123456789abcdef";
            json += "\\u00";
            json += hex[byte >> 4];
            json += hex[byte & 0xf];
        } else {
            json += c;
        }
    }
    json += '"';
}

} // namespace

PostgresDatabase::UpdateShape *PostgresDatabase::update_shape(const QByteArray &sql)
{
    auto found = m_shapes.find(sql);
    if (found != m_shapes.end())
        return found->second.get();
    // Exactly as the record set writes it: quoted names, parameters in order,
    // the key last and not among the columns set.
    static const QRegularExpression form(
        QStringLiteral(R"re(^UPDATE "([^"]+)" SET ((?:"[^"]+" = \$\d+, )*"[^"]+" = \$\d+) WHERE "([^"]+)" = \$(\d+)$)re"));
    static const QRegularExpression assignment(QStringLiteral(R"re("([^"]+)" = \$(\d+))re"));
    std::unique_ptr<UpdateShape> shape;
    const QRegularExpressionMatch match = form.match(QString::fromUtf8(sql));
    if (match.hasMatch()) {
        shape = std::make_unique<UpdateShape>();
        shape->table = match.captured(1).toUtf8();
        const QString key = match.captured(3);
        int number = 0;
        bool in_order = true;
        for (const QRegularExpressionMatch &column : assignment.globalMatch(match.captured(2))) {
            in_order = in_order && column.captured(2).toInt() == ++number && column.captured(1) != key;
            shape->columns.push_back(column.captured(1).toUtf8());
        }
        shape->columns.push_back(key.toUtf8());
        if (!in_order || match.captured(4).toInt() != number + 1) {
            shape.reset();
        } else {
            QByteArrayList set;
            for (size_t i = 0; i + 1 < shape->columns.size(); ++i)
                set << '"' + shape->columns[i] + "\" = dayvane_new.\"" + shape->columns[i] + '"';
            const QByteArray table = '"' + shape->table + '"';
            shape->batch_sql = "UPDATE " + table + " AS dayvane_row SET " + set.join(", ")
                               + " FROM json_populate_recordset(NULL::" + table + ", $1) AS dayvane_new"
                               + " WHERE dayvane_row.\"" + key.toUtf8() + "\" = dayvane_new.\"" + key.toUtf8() + '"';
        }
    }
    return m_shapes.emplace(sql, std::move(shape)).first->second.get();
}

void PostgresDatabase::hold_update(UpdateShape &shape, const QByteArray &sql, const Parameters &parameters,
                                   const QString &unchanged, PreparedName *prepared)
{
    const std::optional<QByteArray> &key = parameters.values.back();
    // A row updated twice keeps its order: the first batch goes ahead.
    if (m_held.shape != &shape || m_held.unchanged != unchanged || m_held.rows.size() >= kMaxBatchRows
        || !key || m_held.keys.count(*key))
        send_held();
    if (!key) {
        send_in_pipeline(sql, parameters, prepared);
        m_sent.push_back({unchanged, {}});
        return;
    }
    m_held.shape = &shape;
    m_held.sql = sql;
    m_held.prepared = prepared;
    m_held.unchanged = unchanged;
    m_held.rows.push_back(parameters.values);
    m_held.types.push_back(parameters.types);
    m_held.keys.insert(*key);
}

void PostgresDatabase::send_held()
{
    HeldUpdates held = std::exchange(m_held, {});
    if (held.rows.empty())
        return;
    if (held.rows.size() == 1) {
        send_in_pipeline(held.sql, {held.rows.front(), held.types.front()}, held.prepared);
        m_sent.push_back({held.unchanged, {}});
        return;
    }
    // The rows as JSON objects: the server reads each value as it would the
    // parameter, by the column's own type.
    QByteArray json = "[";
    for (size_t row = 0; row < held.rows.size(); ++row) {
        json += row ? ",{" : "{";
        for (size_t i = 0; i < held.shape->columns.size(); ++i) {
            if (i)
                json += ',';
            append_json_string(json, held.shape->columns[i]);
            json += ':';
            const std::optional<QByteArray> &value = held.rows[row][i];
            if (!value)
                json += "null";
            else if (held.types[row][i] == kBytea)
                append_json_string(json, "\\x" + value->toHex());
            else
                append_json_string(json, *value);
        }
        json += '}';
    }
    json += ']';
    const std::vector<std::optional<QByteArray>> values{std::move(json)};
    const std::vector<Oid> types{kJson};
    send_in_pipeline(held.shape->batch_sql, {values, types}, &held.shape->prepared);
    m_sent.push_back({held.unchanged, {}, int(held.rows.size())});
}

} // namespace dayvane::pg
