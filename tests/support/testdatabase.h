#pragma once

#include "store/database.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace dayvane {
class RecordSet;
}

namespace dayvane::test {

// Where a test's calendar database is kept.
enum class Backend { File, Server };
// The back ends a test runs on: the file, and the test run's server (see
// TestServer; a server database fails without one).
std::vector<Backend> backends();
std::string backend_name(const testing::TestParamInfo<Backend> &info);
inline void PrintTo(Backend backend, std::ostream *out) { *out << (backend == Backend::File ? "file" : "server"); }

// A fresh calendar database: "QZDB.mdb" in its own temporary folder under the test's working directory (a fixed disk,
// unlike a RAM-backed /tmp), or a new database on the test server.
class TestDatabase
{
public:
    explicit TestDatabase(Backend backend = Backend::File);

    Database &db() { return *m_db; }
    // The file's path or the server database's address (as its owner).
    QString path() const;
    // Where a workstation opens it: the file's path, or the address for a workstation's login.
    QString workstation_path() const;
    void close() { m_db.reset(); }

private:
    QTemporaryDir m_dir;
    QString m_address;  // empty for a file
    std::optional<Database> m_db;
};

// Turns `db` (current, as its owner) into a database of schema `version`: before 4 a server's tells no calendar change,
// before 3 it has none of what the server enforces, before 2 no history.
void make_older(Database &db, int version);

// Ids of the sample data that fill_sample() writes.
struct Sample
{
    qint64 zeta = 0;       // "zeta office", years 2023 and 2024, owned by `ann`
    qint64 alpha = 0;      // "Alpha", year 2024
    qint64 empty = 0;      // "beta", no years
    qint64 zeta_2024 = 0;  // calendar year id
    qint64 ann = 0;        // user Ann Smith
    qint64 bob = 0;        // user Bob Adams
};

// Writes calendars, years, days and users with plain SQL, so the stored queries are checked against data they did not
// write. The SQL quotes its names, as the server needs and the file accepts.
Sample fill_sample(Database &db);

// Inserts one day record (a null QVariant as NULL); returns its id.
qint64 insert_day(Database &db, qint64 calendar, qint64 year_id, const QString &iso_date, const QVariant &segments,
                  const QVariant &worked, const QVariant &paid, const QVariant &comment = {},
                  const QVariant &start = 0, const QVariant &stop = 0);

// The first column of the first row; -1 without rows.
qint64 scalar(Database &db, const QString &sql);
// A command-line program run to its end (a minute at most), `input` on its
// standard input: dayvane-db on the databases above.
struct ProgramRun
{
    int exit_code = -1;
    QString output;
    QString errors;
};
ProgramRun run_program(const QString &program, const QStringList &arguments, const QByteArray &input = {});

// A file's bytes (empty when it cannot be read), and a file written whole; its path.
QByteArray read_file(const QString &path);
QString write_file(const QString &path, const QByteArray &content);
// A loopback port on which nothing listens just now (bound once, then released).
int unused_port();

// Runs `sql` with `values` bound in order; returns the last inserted row id.
qint64 execute(Database &db, const QString &sql, const QVariantList &values);

// Sets `fields` on the record being added or edited, then writes it.
void write_record(RecordSet &set, std::initializer_list<std::pair<const char *, QVariant>> fields);

// "NUMBER DESCRIPTION" of the DbError that `action` throws; empty if none.
QString db_failure(const std::function<void()> &action);

} // namespace dayvane::test
