#pragma once

#include "store/database.h"
#include "store/engine.h"

#include <QByteArray>

struct sqlite3;

namespace dayvane {

// The engine of calendar database files: SQLCipher, an encrypted SQLite.

// Opens `path` with `key` (none for a plain file) and proves the key by
// reading the schema; see Database::open. Throws DbError.
std::unique_ptr<DatabaseEngine> open_sqlcipher(const QString &path, const QByteArray &key, Database::OpenMode mode);

// The engine's own handle of a file database, for benchmarks that compare
// with the bare engine; null for a database of another engine.
sqlite3 *sqlcipher_handle(Database &db);

} // namespace dayvane
