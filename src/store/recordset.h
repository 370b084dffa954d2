#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace dayvane {

class Database;
class ResultRows;
struct SentKey;
struct StoredQuery;

// An updatable record set over one stored query, opened from the program's
// SQL text (see parse_record_set_text). The rows are read in full when the
// set opens, so no read lock is held while a window works with them; they
// are kept as the engine gave them, and a value becomes a Qt type only when
// a field is read.
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
    bool is_null(const QString &name) const { return is_null(field_index(name)); }
    bool is_null(int index) const;
    // Typed reads by position, for loops over many records: each gives what
    // field(index) converted with QVariant's toInt(), toLongLong(),
    // toString() or toDate() gives (0, a null QString or an invalid date
    // for a null field), without making a QVariant.
    int field_int(int index) const;
    qint64 field_int64(int index) const;
    QString field_text(int index) const;
    QDate field_date(int index) const;

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
    // The current record; throws when there is none.
    qsizetype current_row() const;
    // The field of the current record (or of the edit buffer) when it is
    // held as a QVariant; null when it is still as read. Throws for a bad
    // index or no current record.
    const QVariant *held(int index) const;
    QVariant value_at(qsizetype row, int column) const;
    QVariantList row_values(qsizetype row) const;
    // The row's values to change in part, made QVariants on first need.
    QVariantList &written(qsizetype row) const;
    // Holds `values` as the row's, in place of what it held.
    QVariantList &keep(qsizetype row, QVariantList values) const;
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
    // Names looked up lately, by where their text lives, and their fields:
    // a loop that reads fields by name finds each with one comparison.
    mutable std::array<std::pair<const QChar *, int>, 16> m_recent{};
    mutable size_t m_next_recent = 0;
    // The rows as read, and the values of those written since (edited,
    // added, read back) with, for each row, its place among them or -1.
    std::shared_ptr<const ResultRows> m_rows;
    mutable std::vector<QVariantList> m_written;
    mutable std::vector<int> m_written_at;
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
