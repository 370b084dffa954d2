#pragma once

#include <QString>

#include <optional>

namespace dayvane {

class Database;

// Every calendar database carries an id of its own: 128 random bits as 32
// lower-case hex digits, the one row of the table database_identity.
// Exported events put it into their UIDs, so that two databases' exports
// never replace each other's events in one calendar program. A copy of a
// database carries its id. It is kept out of system_variables: earlier
// builds sharing the database take that table's first row for the system
// password's, and would see one set, or write over the id.
inline const QString kDatabaseIdentityTable = QStringLiteral("database_identity");

// A new random id, not stored anywhere.
QString new_database_id();

// Stores a new id in `db`, which holds none, inside the caller's
// transaction (the schema's creation), making the table when `db` has none
// yet; returns it. Throws DbError.
QString add_database_id(Database &db);

// The id of `db`; nullopt when it has none (a database from before the
// table) or when the stored one is not an id. Throws DbError.
std::optional<QString> read_database_id(Database &db);

// The id of `db`, made and stored on first need (the table too) in a short
// transaction of its own. nullopt when `db` holds none and cannot be given
// one just now (opened read only, locked past the busy timeout, the server
// refusing the write), or when it holds a row that is no id. Throws
// DbError when the connection is lost.
std::optional<QString> ensure_database_id(Database &db);

} // namespace dayvane
