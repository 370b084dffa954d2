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

// Copies the file database `source` page by page into the new file `path`,
// keyed with `key` (the source's), in one step: a consistent copy that
// holds the source's read lock only while the pages are copied. Throws
// DbError.
void backup_sqlcipher(Database &source, const QString &path, const QByteArray &key);

// The engine's own handle of a file database, for benchmarks that compare
// with the bare engine; null for a database of another engine.
sqlite3 *sqlcipher_handle(Database &db);

} // namespace dayvane
