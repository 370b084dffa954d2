#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace dayvane {

class Database;

// What one table holds after a copy, in the source and in the target.
struct CopiedTable
{
    QString table;
    qint64 source_rows = 0;
    qint64 target_rows = 0;
    QByteArray source_checksum;  // SHA-256 of its records in id order
    QByteArray target_checksum;
};

// The tables a copy carries, in the order their references need.
const std::vector<QString> &copied_tables();

// True when none of the calendar tables of `db` holds a record but the
// database's id.
bool holds_no_records(Database &db);

// The first (by name) table or view of `db` that is not one of the calendar
// database's own; none for an empty database or one holding only ours.
std::optional<QString> foreign_table(Database &db);

// Copies every record of every calendar table from `source` into `target`,
// an empty calendar database of either engine, in one transaction: ids,
// revisions, scrambled passwords, the system password and the database's
// id (see databaseid.h) as they are, and each table's id high-water mark, so
// a copy never hands out an id the source had used. A server source is read
// in one read-only snapshot, without the writers' lock: the workstations'
// saves go on. Rows travel in batches, so memory stays bounded however large
// the database. Then reads the target back: when any table's count or
// checksum differs from the source's, throws DbError and writes nothing.
std::vector<CopiedTable> copy_database(Database &source, Database &target);

} // namespace dayvane
