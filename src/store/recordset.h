#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>
#include <utility>
#include <vector>

namespace dayvane {

class Database;
struct SentKey;
struct StoredQuery;

// An updatable record set over one stored query, opened from the program's
// SQL text (see parse_record_set_text). The rows are read in full when the
// set opens, so no read lock is held while a window works with them.
//
// Writes go straight to the query's base table by its key: edit() or
// add_new(), set_field(), update(). A record added through the set is
// appended at its end (move_last() reaches it) and its key is available from
// last_added_id(). Values are QVariants as Statement describes them; a null
// field is a null QVariant. Every failure throws DbError.
class RecordSet
{
public:
    // Opens `query_text` on `db`. `values` supplies or overrides parameter
    // values by name (without brackets or colon): a QByteArray is bound as a
    // blob, byte for byte, for values that must not pass through text.
    static RecordSet open(Database &db, const QString &query_text, const QVariantMap &values = {});

    RecordSet() = default;

    int record_count() const { return m_count; }
    bool eof() const { return m_pos >= qsizetype(m_deleted.size()); }
    void move_first();
    void move_next();
    void move_last();

    const QStringList &field_names() const { return m_fields; }
    // The current record's field; names compare without regard to case.
    QVariant field(const QString &name) const;
    // The same by position: for loops over many records, look the position
    // up once with field_index().
    QVariant field(int index) const;
    int field_index(const QString &name) const;  // throws when missing
    bool is_null(const QString &name) const { return field(name).isNull(); }

    void edit();
    void add_new();
    void set_field(const QString &name, const QVariant &value);
    void update();
    void cancel_update();
    // Deletes the current record; the position stays until the next move.
    void delete_record();

    // Runs the inserts sent so far when the key is not known yet.
    qint64 last_added_id() const;
    void close();

private:
    enum class Mode { Browse, Edit, Add };

    int find_field(const QString &name) const;  // -1 when missing
    // Puts the keys of the records added so far into their rows.
    void resolve_keys() const;
    // The current record's first value; throws when there is none.
    qsizetype current_offset() const;
    void read_back(qsizetype row) const;
    void skip_deleted();
    void write_edit();
    void write_add();
    // The statement text for the dirty fields, built once per set of fields.
    const QString &write_sql(Mode mode);

    Database *m_db = nullptr;
    QString m_base_table;
    QString m_key_column;
    QStringList m_fields;
    // All rows' values in one list, row after row: one allocation for the
    // set instead of one a row.
    mutable QVariantList m_values;
    std::vector<bool> m_deleted;
    // Added records are read back (for their defaults) only when a field of
    // theirs is first read, so adding a year of days stays one insert a day.
    mutable std::vector<bool> m_unread;
    qsizetype m_pos = 0;
    int m_count = 0;
    Mode m_mode = Mode::Browse;
    QVariantList m_buffer;
    std::vector<bool> m_dirty;
    mutable qint64 m_last_added_id = 0;
    // Added rows whose keys arrive with their inserts: (row, key).
    mutable std::vector<std::pair<qsizetype, std::shared_ptr<SentKey>>> m_sent_keys;
    // For each column of the base table, the field it fills after an add
    // (-1: not selected); worked out on the first add.
    mutable std::vector<int> m_readback;
    // Which fields are base-table columns that may be written; worked out on
    // the first write.
    std::vector<bool> m_writable;
    // The last write's SQL and the fields it set: a run of records written
    // alike (a year of days) builds its statement once.
    std::vector<bool> m_last_written;
    Mode m_last_mode = Mode::Browse;
    QString m_last_sql;
};

} // namespace dayvane
