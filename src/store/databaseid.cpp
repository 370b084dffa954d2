#include "store/databaseid.h"

#include "store/database.h"
#include "store/dberror.h"
#include "store/schemadefinition.h"
#include "store/transaction.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace dayvane {

namespace {

// The stored id; nullopt without one (a database from before the table).
std::optional<QByteArray> stored_value(Database &db)
{
    if (!db.has_table(kDatabaseIdentityTable))
        return std::nullopt;
    Statement row = db.prepare(QStringLiteral("SELECT id FROM database_identity LIMIT 1"));
    if (!row.step())
        return std::nullopt;
    return row.column(0).toString().toLatin1();
}

// A stored value goes into every exported UID: only what this program
// writes is taken.
std::optional<QString> as_id(const QByteArray &value)
{
    const bool is_id = value.size() == 32 && std::all_of(value.begin(), value.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
    return is_id ? std::optional<QString>(QString::fromLatin1(value)) : std::nullopt;
}

} // namespace

QString new_database_id()
{
    std::array<quint32, 4> words;
    QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(words.data()), sizeof words).toHex());
}

QString add_database_id(Database &db)
{
    const SchemaDefinition &schema = db.dialect() == Database::Dialect::PostgreSQL ? server_schema() : file_schema();
    db.exec(QString::fromUtf8(schema.identity_table));
    const QString id = new_database_id();
    Statement insert = db.prepare(QStringLiteral("INSERT INTO database_identity (id) VALUES (:Id)"));
    insert.bind(QStringLiteral(":Id"), id);
    insert.exec();
    return id;
}

std::optional<QString> read_database_id(Database &db)
{
    const std::optional<QByteArray> value = stored_value(db);
    return value ? as_id(*value) : std::nullopt;
}

std::optional<QString> ensure_database_id(Database &db)
{
    if (const std::optional<QByteArray> value = stored_value(db))
        return as_id(*value);
    if (db.read_only())
        return std::nullopt;
    try {
        Transaction transaction(db);
        // Two workstations making the id at one moment: the second waits
        // for the first (a file's transaction takes the writer's lock at
        // once; on a server system_variables, which every database has,
        // stands for the table that may not exist yet, locked against other
        // writers only) and then finds its table and id.
        if (db.dialect() == Database::Dialect::PostgreSQL)
            db.exec(QStringLiteral("LOCK TABLE system_variables IN SHARE ROW EXCLUSIVE MODE;"));
        const std::optional<QByteArray> made_meanwhile = stored_value(db);
        const std::optional<QString> id = made_meanwhile ? as_id(*made_meanwhile) : add_database_id(db);
        transaction.commit();
        return id;
    } catch (const DbError &error) {
        // Not writable just now: the caller does without a stored id.
        if (error.number() == DbError::ServerGone)
            throw;
        return std::nullopt;
    }
}

} // namespace dayvane
