#pragma once

namespace dayvane {

class Database;

// The schema version this program writes, kept in the database (a file's user_version).
// Version 2 added the change history.
inline constexpr int kSchemaVersion = 2;

// Creates the tables and stored queries in an empty database, in one
// transaction. Throws DbError.
void create_schema(Database &db);

// Brings an older calendar database up to kSchemaVersion. Throws DbError
// SchemaTooNew for a file written by a newer program, and SchemaMissing for
// a database that holds no calendar schema at all.
void upgrade_schema(Database &db);

} // namespace dayvane
