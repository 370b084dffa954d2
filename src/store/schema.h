#pragma once

#include <QStringList>

namespace dayvane {

class Database;

// The schema version this program writes into a file, kept in the database
// (its user_version). Version 2 added the change history.
inline constexpr int kSchemaVersion = 2;

// The schema version this program writes into a server database, ahead of
// a file's: 3 installed what the server enforces itself (serversecurity.h),
// 4 its notices of calendar changes (calendarnotices.h).
inline constexpr int kServerSchemaVersion = 4;

// The version this program writes into `db`: kSchemaVersion or
// kServerSchemaVersion.
int schema_version_of(const Database &db);

// Creates the tables and stored queries in an empty database, in one
// transaction. Throws DbError.
void create_schema(Database &db);

// Refuses a database that is no calendar database (SchemaMissing) or a
// newer program's (SchemaTooNew), changing nothing; true when its schema is
// this program's, false for an older one. Throws DbError.
bool check_schema(Database &db);

// Brings an older calendar database up to kSchemaVersion; a database that
// another connection brought up meanwhile is left as it is. Throws DbError
// SchemaTooNew for a file written by a newer program, SchemaMissing for a
// database that holds no calendar schema at all, Busy when another writer
// kept the lock too long, and UpgradeFailed when the upgrade itself failed.
void upgrade_schema(Database &db);

// The stored queries whose row in the table stored_query differs from this
// program's definition, or that only one of them has. The program runs its
// own definitions; the table is kept for older programs, and a difference
// means someone wrote it. Throws DbError.
QStringList stored_query_differences(Database &db);

} // namespace dayvane
