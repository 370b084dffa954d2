// Creating a calendar with ten years of empty days and deleting it again,
// through the calendar list's store functions and with bare statements, and
// opening a calendar from the list: on a file and on a database server.

#include "calendars/calendarstore.h"
#include "store/connection.h"
#include "store/postgresengine.h"
#include "store/revisions.h"
#include "store/scramble.h"
#include "store/serversecurity.h"
#include "store/sqlcipherengine.h"
#include "store/statement.h"
#include "store/transaction.h"
#include "calendaryear/calendaryear.h"

#include <libpq-fe.h>
#include <sqlcipher/sqlite3.h>

#include <QDate>

#include "benchserver.h"
#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace {

using namespace dayvane;
using namespace dayvane::bench;

constexpr int kFirstYear = 2021;
constexpr int kYears = 10;  // 3,652 days

struct Fixture
{
    std::optional<Database> db;
    explicit Fixture(const QString &location) { db.emplace(create_calendar_database_at(location)); }
};

Fixture *fixture(benchmark::State &state, Backend backend)
{
    return fixture_for<Fixture>(state, backend);
}

// The calendar list's steps: a name with its first year, nine more years,
// then the years deleted from the end; each step checks and raises the
// calendar's revision. `one_commit` runs them inside one outer transaction
// (the bare run's single commit); otherwise each commits on its own, as when
// a user makes the steps one by one.
void create_and_delete(Database &db, bool one_commit)
{
    std::optional<Transaction> outer;
    if (one_commit)
        outer.emplace(db);
    const qint32 id = create_calendar(db, QStringLiteral("Bench"), kFirstYear);
    qint32 revision = 0;
    for (int year = kFirstYear + 1; year < kFirstYear + kYears; ++year)
        revision = *add_calendar_year_record(db, id, revision, year);
    for (int year = kFirstYear + kYears - 1; year > kFirstYear; --year) {
        delete_calendar_year_record(db, id, revision, year, false);
        ++revision;
    }
    delete_calendar_year_record(db, id, revision, kFirstYear, true);
    if (outer)
        outer->commit();
}

void BM_CalendarListCreateAndDelete(benchmark::State &state, Backend backend, bool one_commit)
{
    Fixture *f = fixture(state, backend);
    if (!f)
        return;
    RoundTrips trips(*f->db);
    for (auto _ : state)
        create_and_delete(*f->db, one_commit);
    trips.report(state);
}
BENCHMARK_CAPTURE(BM_CalendarListCreateAndDelete, file, Backend::File, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalendarListCreateAndDelete, server, Backend::Server, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalendarListCreateAndDelete, steps_file, Backend::File, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalendarListCreateAndDelete, steps_server, Backend::Server, false)->Unit(benchmark::kMillisecond);

// The floor: the same rows in one transaction with prepared statements.
void BM_BareCreateAndDelete(benchmark::State &state)
{
    Database &db = *fixture(state, Backend::File)->db;
    sqlite3 *handle = sqlcipher_handle(db);
    for (auto _ : state) {
        Transaction transaction(db);
        db.exec(QStringLiteral("INSERT INTO calendars (\"Name\") VALUES ('Bare');"));
        const qint64 id = db.last_insert_id();
        sqlite3_stmt *year_insert = nullptr;
        sqlite3_stmt *day_insert = nullptr;
        sqlite3_prepare_v2(handle, "INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (?, ?)", -1, &year_insert, nullptr);
        sqlite3_prepare_v2(handle,
                           "INSERT INTO days (NameLink, YearLink, DateVal, DayType, DayStart, DayStop, minutes1, minutes2,"
                           " TimeSegments, \"Date comment\") VALUES (?, ?, ?, 0, 0, 0, 0, 0, '', '')",
                           -1, &day_insert, nullptr);
        for (int year = kFirstYear; year < kFirstYear + kYears; ++year) {
            sqlite3_bind_int64(year_insert, 1, id);
            sqlite3_bind_int(year_insert, 2, year);
            sqlite3_step(year_insert);
            sqlite3_reset(year_insert);
            const qint64 year_id = sqlite3_last_insert_rowid(handle);
            for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
                const QByteArray iso = date.toString(Qt::ISODate).toLatin1();
                sqlite3_bind_int64(day_insert, 1, id);
                sqlite3_bind_int64(day_insert, 2, year_id);
                sqlite3_bind_text(day_insert, 3, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
                sqlite3_step(day_insert);
                sqlite3_reset(day_insert);
            }
        }
        sqlite3_finalize(year_insert);
        sqlite3_finalize(day_insert);
        db.exec(QStringLiteral("DELETE FROM calendars WHERE id = %1;").arg(id));
        transaction.commit();
    }
}
BENCHMARK(BM_BareCreateAndDelete)->Unit(benchmark::kMillisecond);

// The floor on a server: one transaction of three round trips, each a
// pipelined batch of prepared statements: the calendar, its ten years in one
// statement, then every day, the delete and the commit.
void BM_BareLibpqCreateAndDelete(benchmark::State &state)
{
    Fixture *f = fixture(state, Backend::Server);
    if (!f)
        return;
    PGconn *conn = postgres_handle(*f->db);
    PQclear(PQprepare(conn, "bare_day",
                      "INSERT INTO days (\"NameLink\", \"YearLink\", \"DateVal\", \"DayType\", \"DayStart\", \"DayStop\","
                      " minutes1, minutes2, \"TimeSegments\", \"Date comment\") VALUES ($1, $2, $3, 0, 0, 0, 0, 0, '', '')",
                      3, nullptr));
    qint64 trips = 0;
    // Sends the statements queued and waits for every answer; the answers of
    // the statement `wanted` (counted from 0) are kept.
    auto sync = [&](int wanted) {
        PQpipelineSync(conn);
        ++trips;
        PGresult *kept = nullptr;
        for (int statement = 0;; ++statement) {
            PGresult *result = PQgetResult(conn);
            if (PQresultStatus(result) == PGRES_PIPELINE_SYNC) {
                PQclear(result);
                return kept;
            }
            if (PQresultStatus(result) != PGRES_COMMAND_OK && PQresultStatus(result) != PGRES_TUPLES_OK)
                state.SkipWithError(PQresultErrorMessage(result));
            if (statement == wanted)
                kept = result;
            else
                PQclear(result);
            PQclear(PQgetResult(conn));  // the null after each answer
        }
    };
    PQenterPipelineMode(conn);
    for (auto _ : state) {
        PQsendQueryParams(conn, "BEGIN", 0, nullptr, nullptr, nullptr, nullptr, 0);
        PQsendQueryParams(conn, "INSERT INTO calendars (\"Name\") VALUES ('Bare') RETURNING id", 0, nullptr, nullptr,
                          nullptr, nullptr, 0);
        PGresult *calendar = sync(1);
        const std::string id = PQgetvalue(calendar, 0, 0);
        PQclear(calendar);
        std::string years = "INSERT INTO calendar_years (\"CalendarLink\", \"YearVal\") VALUES ";
        for (int year = kFirstYear; year < kFirstYear + kYears; ++year)
            years += (year > kFirstYear ? ", (" : "(") + id + ", " + std::to_string(year) + ")";
        PQsendQueryParams(conn, (years + " RETURNING id, \"YearVal\"").c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0);
        PGresult *year_ids = sync(0);
        for (int row = 0; row < PQntuples(year_ids); ++row) {
            const char *year_id = PQgetvalue(year_ids, row, 0);
            const int year = std::atoi(PQgetvalue(year_ids, row, 1));
            for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
                const QByteArray iso = date.toString(Qt::ISODate).toLatin1();
                const char *values[] = {id.c_str(), year_id, iso.constData()};
                PQsendQueryPrepared(conn, "bare_day", 3, values, nullptr, nullptr, 0);
            }
        }
        PQclear(year_ids);
        PQsendQueryParams(conn, ("DELETE FROM calendars WHERE id = " + id).c_str(), 0, nullptr, nullptr, nullptr,
                          nullptr, 0);
        PQsendQueryParams(conn, "COMMIT", 0, nullptr, nullptr, nullptr, nullptr, 0);
        sync(-1);
    }
    PQexitPipelineMode(conn);
    PQclear(PQexec(conn, "DEALLOCATE bare_day"));
    state.counters["round_trips"] = double(trips) / double(state.iterations());
}
BENCHMARK(BM_BareLibpqCreateAndDelete)->Unit(benchmark::kMillisecond);

// Opening a calendar from the calendar list: the list, then what the main
// window loads for the chosen year (the access check's read of the calendar,
// the calendar, its typical day and the days). Each step's round trips are
// counted on their own; the file's figures are the same steps' times.
struct OpenSteps
{
    qint64 list = 0;
    qint64 access = 0;
    qint64 year = 0;
};

struct OpenFixture
{
    std::optional<Database> db;
    qint32 calendar = 0;
    explicit OpenFixture(const QString &location)
    {
        db.emplace(create_calendar_database_at(location));
        for (int i = 0; i < 5; ++i)
            create_calendar(*db, QStringLiteral("Office %1").arg(i), kFirstYear);
        calendar = create_calendar(*db, QStringLiteral("Bench"), kFirstYear);
        Statement add_user = db->prepare(QStringLiteral("INSERT INTO users (\"LastName\", password) VALUES ('Bench', ?)"));
        add_user.bind(1, *scramble_text("bench-pw1"));
        add_user.exec();
        user = qint32(db->last_insert_id());
        // As at a real site: a system password the workstation has not proved.
        Statement system = db->prepare(
            QStringLiteral("INSERT INTO system_variables (\"Variable\", \"Value\") VALUES ('System password', ?)"));
        system.bind(1, *scramble_text("bench-system1"));
        system.exec();
    }
    qint32 user = 0;
};

void BM_OpenFromCalendarList(benchmark::State &state, Backend backend)
{
    OpenFixture *f = fixture_for<OpenFixture>(state, backend);
    if (!f)
        return;
    Database &db = *f->db;
    OpenSteps steps;
    for (auto _ : state) {
        qint64 mark = postgres_round_trips(db);
        const auto count = [&](qint64 &step) {
            const qint64 now = postgres_round_trips(db);
            step += now - mark;
            mark = now;
        };
        const std::vector<CalendarListEntry> list = read_calendar_list(db);
        count(steps.list);
        if (list.size() != 6)
            state.SkipWithError("wrong calendar list");
        benchmark::DoNotOptimize(read_calendar_ownership(db, f->calendar));
        count(steps.access);
        benchmark::DoNotOptimize(load_calendar_year(db, f->calendar, kFirstYear).year_totals());
        count(steps.year);
    }
    if (postgres_handle(db)) {
        const double runs = double(state.iterations());
        state.counters["round_trips"] = double(steps.list + steps.access + steps.year) / runs;
        state.counters["list"] = double(steps.list) / runs;
        state.counters["access"] = double(steps.access) / runs;
        state.counters["year"] = double(steps.year) / runs;
    }
}
BENCHMARK_CAPTURE(BM_OpenFromCalendarList, file, Backend::File)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenFromCalendarList, server, Backend::Server)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OpenFromCalendarList, workstation, Backend::Workstation)->Unit(benchmark::kMicrosecond);

// A workstation proves a user's password to the server, which keeps the proof.
void BM_ProvePassword(benchmark::State &state)
{
    OpenFixture *f = fixture_for<OpenFixture>(state, Backend::Workstation);
    if (!f)
        return;
    Database &db = *f->db;
    const QByteArray typed = *scramble_text("bench-pw1");
    const qint64 mark = postgres_round_trips(db);
    for (auto _ : state) {
        if (!prove_user_on_server(db, f->user, typed).proven)
            state.SkipWithError("not proved");
    }
    state.counters["round_trips"] = double(postgres_round_trips(db) - mark) / double(state.iterations());
}
BENCHMARK(BM_ProvePassword)->Unit(benchmark::kMicrosecond);

int rounded(double value)
{
    return int(value + 0.5);
}

void print_ratio(const TimingReporter &times)
{
    struct Floor
    {
        const char *back_end;
        const char *bare_name;
    };
    for (const Floor floor : {Floor{"file", "BM_BareCreateAndDelete"}, Floor{"server", "BM_BareLibpqCreateAndDelete"}}) {
        const std::string name = std::string("BM_CalendarListCreateAndDelete/") + floor.back_end;
        const double list = times.wall(name);
        const double bare = times.wall(floor.bare_name);
        if (list <= 0 || bare <= 0)
            continue;
        std::printf("Calendar with 10 years (3,652 days) created and deleted in one commit on a %s: calendar list "
                    "%.1f ms, bare %.1f ms, ratio %.2f (goal <= 2)",
                    floor.back_end, list, bare, list / bare);
        if (const double trips = times.counter(name, "round_trips"); trips >= 0)
            std::printf("; round trips %d, bare %d", rounded(trips), rounded(times.counter(floor.bare_name, "round_trips")));
        std::printf("\n");
        const std::string steps = std::string("BM_CalendarListCreateAndDelete/steps_") + floor.back_end;
        if (times.wall(steps) > 0) {
            std::printf("The same as 20 separate steps, each committed: %.1f ms", times.wall(steps));
            if (const double trips = times.counter(steps, "round_trips"); trips >= 0)
                std::printf("; round trips %d", rounded(trips));
            std::printf("\n");
        }
    }
    const char *open = "BM_OpenFromCalendarList/server";
    if (times.wall("BM_OpenFromCalendarList/file") > 0)
        std::printf("Opening a calendar from the calendar list on a file: %.1f us\n", times.wall("BM_OpenFromCalendarList/file"));
    for (const char *name : {open, "BM_OpenFromCalendarList/workstation"}) {
        if (times.wall(name) > 0)
            std::printf("Opening a calendar from the calendar list on a server%s: %.1f us; round trips %d (goal <= 8):"
                        " list %d, access check %d, year load %d (goal <= 4)\n",
                        name == open ? " as the owner" : " as a workstation", times.wall(name),
                        rounded(times.counter(name, "round_trips")), rounded(times.counter(name, "list")),
                        rounded(times.counter(name, "access")), rounded(times.counter(name, "year")));
    }
    if (times.wall(open) > 0 && times.wall("BM_OpenFromCalendarList/workstation") > 0)
        std::printf("The same as a workstation against as the owner: ratio %.2f (goal <= 1.2)\n",
                    times.wall("BM_OpenFromCalendarList/workstation") / times.wall(open));
    if (times.wall("BM_ProvePassword") > 0)
        std::printf("Proving a user's password to the server: %.1f us; round trips %d (goal 1)\n",
                    times.wall("BM_ProvePassword"), rounded(times.counter("BM_ProvePassword", "round_trips")));
}

} // namespace

int main(int argc, char **argv)
{
    const BenchBackends backends;
    return run_benchmarks(&argc, argv, print_ratio);
}
