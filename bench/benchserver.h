#pragma once

// The two back ends the benchmarks compare: calendar databases in files and
// on a throw-away PostgreSQL server, in the same run.

#include "store/database.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <vector>

namespace dayvane::bench {

// Server: as the tables' owner (a superuser), which passes every check the
// server enforces; Workstation: the same server as a workstation's login,
// through those checks.
enum class Backend { File, Server, Workstation };

// Where the run keeps its calendar databases: files in a temporary folder,
// and databases on the server whose pgcluster state file DAYVANE_TEST_SERVER
// names, or else on a cluster of its own, started at the first server
// database and stopped when this object goes. Make one in main around the
// run; while it lives, new_database_location() hands out places. A
// cluster of its own takes `max_connections` connections (0: as the tests'
// servers).
class BenchBackends
{
public:
    explicit BenchBackends(int max_connections = 0);
    ~BenchBackends();
    BenchBackends(const BenchBackends &) = delete;
    BenchBackends &operator=(const BenchBackends &) = delete;

    // The location of a new, empty calendar database (for
    // create_calendar_database_at); nullopt for the server when none could
    // be started or reached, which is printed once.
    static std::optional<QString> new_database_location(Backend backend);
    // The address of the server database at `location` for a workstation's
    // login (made a member of the workstations' group).
    static QString workstation_address(const QString &location);

private:
    struct Places;
    std::unique_ptr<Places> m_places;
    static Places *s_current;
};

// The fixture of `backend`, built from a new database location on first
// use and kept for the run; null, after marking the benchmark skipped, when
// the back end has no database to give.
template <typename Fixture>
Fixture *fixture_for(benchmark::State &state, Backend backend)
{
    static std::unique_ptr<Fixture> made[3];
    std::unique_ptr<Fixture> &fixture = made[int(backend)];
    if (!fixture) {
        const std::optional<QString> location = BenchBackends::new_database_location(backend);
        if (!location) {
            state.SkipWithError("no database server");
            return nullptr;
        }
        fixture = std::make_unique<Fixture>(*location);
        // Made by the owner, then used as a workstation.
        if (backend == Backend::Workstation)
            fixture->db.emplace(Database::connect(BenchBackends::workstation_address(*location)));
    }
    return fixture.get();
}

// A calendar "Bench" with one year of empty day records, in `db`.
struct BenchCalendar
{
    qint32 calendar = 0;
    qint64 year_id = 0;
    std::vector<qint64> day_ids;  // in date order
};
BenchCalendar new_calendar_year(Database &db, int year);

// Counts the server's round trips during the timed part of a benchmark
// (pause() and resume() beside state.PauseTiming() and ResumeTiming()) and
// reports those of one iteration as the counter "round_trips". Reports
// nothing on a file.
class RoundTrips
{
public:
    explicit RoundTrips(Database &db);
    void pause();
    void resume();
    void report(benchmark::State &state);

private:
    Database &m_db;
    qint64 m_counted = 0;
    qint64 m_mark = 0;
};

} // namespace dayvane::bench
