// Reading a calendar year through the record set against a bare engine
// statement over the same rows, and writing a year in one transaction: on a
// file and on a database server, each against its engine's bare calls.

#include "model/textforms.h"
#include "store/connection.h"
#include "store/postgresengine.h"
#include "store/recordset.h"
#include "store/revisions.h"
#include "store/sqlcipherengine.h"
#include "store/transaction.h"
#include "calendaryear/calendaryear.h"

#include <libpq-fe.h>
#include <sqlcipher/sqlite3.h>

#include <QDate>

#include "benchserver.h"
#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace {

using namespace dayvane;
using namespace dayvane::bench;

constexpr int kYear = 2024;  // a leap year: 366 days

struct Fixture
{
    std::optional<Database> db;
    qint64 calendar = 0;
    qint64 year_id = 0;

    explicit Fixture(const QString &location)
    {
        db.emplace(create_calendar_database_at(location));
        db->exec(QStringLiteral("INSERT INTO calendars (\"Name\") VALUES ('Bench');"));
        calendar = db->last_insert_id();
        db->exec(QStringLiteral("INSERT INTO calendar_years (\"CalendarLink\", \"YearVal\") VALUES (%1, %2);")
                     .arg(calendar)
                     .arg(kYear));
        year_id = db->last_insert_id();
        Transaction transaction(*db);
        add_year_days(*db, calendar, year_id, kYear);
        transaction.commit();
    }

    static void add_year_days(Database &db, qint64 calendar, qint64 year_id, int year)
    {
        RecordSet days = RecordSet::open(
            db, QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=%2; SELECT Q003.* FROM Q003;").arg(calendar).arg(year));
        for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
            const bool weekday = date.dayOfWeek() <= 5;
            days.add_new();
            days.set_field(QStringLiteral("NameLink"), calendar);
            days.set_field(QStringLiteral("YearLink"), year_id);
            days.set_field(QStringLiteral("DateVal"), date);
            days.set_field(QStringLiteral("DayType"), 0);
            days.set_field(QStringLiteral("DayStart"), weekday ? 480 : 0);
            days.set_field(QStringLiteral("DayStop"), weekday ? 990 : 0);
            days.set_field(QStringLiteral("minutes1"), weekday ? 480 : 0);
            days.set_field(QStringLiteral("minutes2"), weekday ? 480 : 0);
            days.set_field(QStringLiteral("TimeSegments"), weekday ? QStringLiteral("y@480>720+y@750>990") : QString());
            days.set_field(QStringLiteral("Date comment"), QString());
            days.update();
        }
    }
};

Fixture *fixture(benchmark::State &state, Backend backend)
{
    return fixture_for<Fixture>(state, backend);
}

// What the calendar load reads of each day.
struct DaySums
{
    qint64 worked = 0;
    qint64 paid = 0;
    qint64 text = 0;
};

// Each field read as the year load reads it (by position, typed) or, with
// `by_name`, as a QVariant by its name.
void BM_ReadYearThroughRecordSet(benchmark::State &state, Backend backend, bool by_name)
{
    Fixture *f = fixture(state, backend);
    if (!f)
        return;
    const QString text = QStringLiteral("PARAMETERS CalendarID Long=%1, StartDt DateTime%2, EndDt DateTime%3; SELECT *  FROM Q008;")
                             .arg(f->calendar)
                             .arg(format_query_date(QDate(kYear, 1, 1)), format_query_date(QDate(kYear, 12, 31)));
    RoundTrips trips(*f->db);
    for (auto _ : state) {
        DaySums sums;
        RecordSet days = RecordSet::open(*f->db, text);
        if (by_name) {
            for (; !days.eof(); days.move_next()) {
                sums.worked += days.field(QStringLiteral("minutes1")).toInt();
                sums.paid += days.field(QStringLiteral("minutes2")).toInt();
                sums.text += days.field(QStringLiteral("TimeSegments")).toString().size()
                             + days.field(QStringLiteral("Date comment")).toString().size()
                             + days.field(QStringLiteral("DateVal")).toDate().day()
                             + days.field(QStringLiteral("id")).toInt() + days.field(QStringLiteral("DayStart")).toInt()
                             + days.field(QStringLiteral("DayStop")).toInt();
            }
        } else {
            int field[8];
            const char *const names[] = {"minutes1", "minutes2", "TimeSegments", "Date comment", "DateVal", "id", "DayStart", "DayStop"};
            for (int i = 0; i < 8; ++i)
                field[i] = days.field_index(QLatin1String(names[i]));
            for (; !days.eof(); days.move_next()) {
                sums.worked += days.field_int(field[0]);
                sums.paid += days.field_int(field[1]);
                sums.text += days.field_text(field[2]).size() + days.field_text(field[3]).size()
                             + days.field_date(field[4]).day() + days.field_int(field[5]) + days.field_int(field[6])
                             + days.field_int(field[7]);
            }
        }
        if (days.record_count() != 366)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(sums);
    }
    trips.report(state);
}
BENCHMARK_CAPTURE(BM_ReadYearThroughRecordSet, file, Backend::File, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadYearThroughRecordSet, server, Backend::Server, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadYearThroughRecordSet, file_by_name, Backend::File, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadYearThroughRecordSet, server_by_name, Backend::Server, true)->Unit(benchmark::kMicrosecond);

// What the main window does to show a year: the access check's read of the
// calendar, then the calendar, its typical day and the days of the year's
// grids.
void BM_LoadYearWithChecks(benchmark::State &state, Backend backend)
{
    Fixture *f = fixture(state, backend);
    if (!f)
        return;
    RoundTrips trips(*f->db);
    for (auto _ : state) {
        benchmark::DoNotOptimize(read_calendar_ownership(*f->db, qint32(f->calendar)));
        const CalendarYear year = load_calendar_year(*f->db, qint32(f->calendar), kYear);
        if (year.year_totals().typical_days == 0)
            state.SkipWithError("no typical days loaded");
    }
    trips.report(state);
}
BENCHMARK_CAPTURE(BM_LoadYearWithChecks, file, Backend::File)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadYearWithChecks, server, Backend::Server)->Unit(benchmark::kMicrosecond);

// The floor: one statement, prepared once, reading the same columns of the
// same rows straight from the engine.
void BM_ReadYearBareStatement(benchmark::State &state)
{
    Fixture *f = fixture(state, Backend::File);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(sqlcipher_handle(*f->db),
                       "SELECT id, DateVal, DayStart, DayStop, minutes1, minutes2, TimeSegments, \"Date comment\""
                       " FROM days WHERE NameLink = ? AND DateVal BETWEEN ? AND ? ORDER BY DateVal",
                       -1, &stmt, nullptr);
    for (auto _ : state) {
        DaySums sums;
        int rows = 0;
        sqlite3_bind_int64(stmt, 1, f->calendar);
        sqlite3_bind_text(stmt, 2, "2024-01-01", -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 3, "2024-12-31", -1, SQLITE_STATIC);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rows;
            sums.worked += sqlite3_column_int(stmt, 4);
            sums.paid += sqlite3_column_int(stmt, 5);
            sums.text += sqlite3_column_bytes(stmt, 6) + sqlite3_column_bytes(stmt, 7) + sqlite3_column_bytes(stmt, 1)
                         + sqlite3_column_int(stmt, 0) + sqlite3_column_int(stmt, 2) + sqlite3_column_int(stmt, 3);
        }
        sqlite3_reset(stmt);
        if (rows != 366)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(sums);
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(BM_ReadYearBareStatement)->Unit(benchmark::kMicrosecond);

// The floor of the year load on a file: the same four statements the load
// runs (the access check's and the load's calendar record, the typical day,
// the days of the year's grids), each prepared once, read straight from the
// engine.
void BM_LoadYearBareStatement(benchmark::State &state)
{
    Fixture *f = fixture(state, Backend::File);
    sqlite3 *handle = sqlcipher_handle(*f->db);
    const CalendarYear shown = load_calendar_year(*f->db, qint32(f->calendar), kYear);
    const auto prepare = [&](const char *query) {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(handle, f->db->stored_query(QLatin1String(query)).select_sql.toUtf8().constData(), -1,
                           &stmt, nullptr);
        sqlite3_bind_int64(stmt, 1, f->calendar);
        return stmt;
    };
    sqlite3_stmt *calendar = prepare("Q004");
    sqlite3_stmt *typical = prepare("Q009");
    sqlite3_bind_int(typical, 2, kYear);
    sqlite3_stmt *days = prepare("Q008");
    const QByteArray first = shown.first_shown_date().toString(Qt::ISODate).toLatin1();
    const QByteArray last = shown.last_shown_date().toString(Qt::ISODate).toLatin1();
    sqlite3_bind_text(days, 2, first.constData(), -1, SQLITE_STATIC);
    sqlite3_bind_text(days, 3, last.constData(), -1, SQLITE_STATIC);
    for (auto _ : state) {
        DaySums sums;
        for (int check = 0; check < 2; ++check) {
            if (sqlite3_step(calendar) == SQLITE_ROW)
                sums.text += sqlite3_column_bytes(calendar, 1) + sqlite3_column_int(calendar, 4);
            sqlite3_reset(calendar);
        }
        if (sqlite3_step(typical) == SQLITE_ROW)
            sums.text += sqlite3_column_bytes(typical, 0) + sqlite3_column_int(typical, 1) + sqlite3_column_int(typical, 2);
        sqlite3_reset(typical);
        int rows = 0;
        while (sqlite3_step(days) == SQLITE_ROW) {
            ++rows;
            sums.worked += sqlite3_column_int(days, 6);
            sums.paid += sqlite3_column_int(days, 7);
            sums.text += sqlite3_column_bytes(days, 3) + sqlite3_column_bytes(days, 8) + sqlite3_column_bytes(days, 9);
        }
        sqlite3_reset(days);
        if (rows < 366)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(sums);
    }
    for (sqlite3_stmt *stmt : {calendar, typical, days})
        sqlite3_finalize(stmt);
}
BENCHMARK(BM_LoadYearBareStatement)->Unit(benchmark::kMicrosecond);

int int_at(const PGresult *result, int row, int column)
{
    return std::atoi(PQgetvalue(result, row, column));
}

// The floor on a server: the same SELECT, prepared once, one round trip a
// year, its text answer read straight from libpq.
void BM_ReadYearBareLibpq(benchmark::State &state)
{
    Fixture *f = fixture(state, Backend::Server);
    if (!f)
        return;
    PGconn *conn = postgres_handle(*f->db);
    PQclear(PQprepare(conn, "bare_year",
                      "SELECT id, \"DateVal\", \"DayStart\", \"DayStop\", minutes1, minutes2, \"TimeSegments\","
                      " \"Date comment\" FROM days WHERE \"NameLink\" = $1 AND \"DateVal\" BETWEEN $2 AND $3"
                      " ORDER BY \"DateVal\"",
                      3, nullptr));
    const std::string calendar = std::to_string(f->calendar);
    const char *values[] = {calendar.c_str(), "2024-01-01", "2024-12-31"};
    qint64 trips = 0;
    for (auto _ : state) {
        DaySums sums;
        PGresult *result = PQexecPrepared(conn, "bare_year", 3, values, nullptr, nullptr, 0);
        ++trips;
        const int rows = PQntuples(result);
        for (int row = 0; row < rows; ++row) {
            sums.worked += int_at(result, row, 4);
            sums.paid += int_at(result, row, 5);
            sums.text += PQgetlength(result, row, 6) + PQgetlength(result, row, 7) + PQgetlength(result, row, 1)
                         + int_at(result, row, 0) + int_at(result, row, 2) + int_at(result, row, 3);
        }
        PQclear(result);
        if (rows != 366)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(sums);
    }
    PQclear(PQexec(conn, "DEALLOCATE bare_year"));
    state.counters["round_trips"] = double(trips) / double(state.iterations());
}
BENCHMARK(BM_ReadYearBareLibpq)->Unit(benchmark::kMicrosecond);

// The floor of the year load on a server: the same four requests the load
// makes (the access check's and the load's calendar record, the typical day,
// the days of the year's grids), each prepared once, read straight from
// libpq.
void BM_LoadYearBareLibpq(benchmark::State &state)
{
    Fixture *f = fixture(state, Backend::Server);
    if (!f)
        return;
    PGconn *conn = postgres_handle(*f->db);
    const CalendarYear shown = load_calendar_year(*f->db, qint32(f->calendar), kYear);
    const auto prepare = [&](const char *name, const char *query) {
        QByteArray text = to_server_sql(f->db->stored_query(QLatin1String(query)).select_sql).text;
        if (text.endsWith(" FOR UPDATE"))
            text.chop(11);  // a read takes no row lock
        PQclear(PQprepare(conn, name, text.constData(), 0, nullptr));
    };
    prepare("bare_calendar", "Q004");
    prepare("bare_typical", "Q009");
    prepare("bare_days", "Q008");
    const std::string calendar = std::to_string(f->calendar), year = std::to_string(kYear);
    const QByteArray first = shown.first_shown_date().toString(Qt::ISODate).toLatin1();
    const QByteArray last = shown.last_shown_date().toString(Qt::ISODate).toLatin1();
    const char *calendar_values[] = {calendar.c_str()};
    const char *typical_values[] = {calendar.c_str(), year.c_str()};
    const char *days_values[] = {calendar.c_str(), first.constData(), last.constData()};
    qint64 trips = 0;
    for (auto _ : state) {
        DaySums sums;
        for (int check = 0; check < 2; ++check) {
            PGresult *record = PQexecPrepared(conn, "bare_calendar", 1, calendar_values, nullptr, nullptr, 0);
            sums.text += PQgetlength(record, 0, 1) + int_at(record, 0, 4);
            PQclear(record);
        }
        PGresult *typical = PQexecPrepared(conn, "bare_typical", 2, typical_values, nullptr, nullptr, 0);
        sums.text += PQgetlength(typical, 0, 0) + int_at(typical, 0, 1) + int_at(typical, 0, 2);
        PQclear(typical);
        PGresult *days = PQexecPrepared(conn, "bare_days", 3, days_values, nullptr, nullptr, 0);
        trips += 4;
        for (int row = 0; row < PQntuples(days); ++row) {
            sums.worked += int_at(days, row, 6);
            sums.paid += int_at(days, row, 7);
            sums.text += PQgetlength(days, row, 3) + PQgetlength(days, row, 8) + PQgetlength(days, row, 9);
        }
        if (PQntuples(days) < 366)
            state.SkipWithError("wrong row count");
        PQclear(days);
        benchmark::DoNotOptimize(sums);
    }
    for (const char *name : {"bare_calendar", "bare_typical", "bare_days"})
        PQclear(PQexec(conn, (std::string("DEALLOCATE ") + name).c_str()));
    state.counters["round_trips"] = double(trips) / double(state.iterations());
}
BENCHMARK(BM_LoadYearBareLibpq)->Unit(benchmark::kMicrosecond);

// A new calendar year: 366 empty day records added in one transaction.
void BM_AddYearInOneTransaction(benchmark::State &state, Backend backend)
{
    Fixture *f = fixture(state, backend);
    if (!f)
        return;
    static int year = 2400;  // leap years only, so every run writes 366 records
    RoundTrips trips(*f->db);
    for (auto _ : state) {
        year += 4;
        state.PauseTiming();
        trips.pause();
        f->db->exec(QStringLiteral("INSERT INTO calendar_years (\"CalendarLink\", \"YearVal\") VALUES (%1, %2);")
                        .arg(f->calendar)
                        .arg(year));
        const qint64 year_id = f->db->last_insert_id();
        trips.resume();
        state.ResumeTiming();
        Transaction transaction(*f->db);
        Fixture::add_year_days(*f->db, f->calendar, year_id, year);
        transaction.commit();
    }
    trips.report(state);
}
BENCHMARK_CAPTURE(BM_AddYearInOneTransaction, file, Backend::File)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AddYearInOneTransaction, server, Backend::Server)->Unit(benchmark::kMillisecond);

// A round-trip count for the printed lines: "" on a file.
std::string round_trips(const TimingReporter &times, const std::string &name)
{
    const double trips = times.counter(name, "round_trips");
    return trips < 0 ? std::string() : "; round trips " + std::to_string(int(trips + 0.5));
}

// The ratios of record set and whole load to the bare reads.
void print_ratios(const TimingReporter &times)
{
    struct Floor
    {
        const char *back_end;
        const char *bare_name;
        const char *bare_label;
        double goal;
    };
    // The record set's own cost over a bare read, the same code on both.
    for (const Floor floor : {Floor{"file", "BM_ReadYearBareStatement", "bare statement", 2},
                              Floor{"server", "BM_ReadYearBareLibpq", "bare libpq", 2}}) {
        const double bare = times.wall(floor.bare_name);
        const std::string suffix = std::string("/") + floor.back_end;
        const double through = times.wall("BM_ReadYearThroughRecordSet" + suffix);
        const double load = times.wall("BM_LoadYearWithChecks" + suffix);
        if (bare <= 0 || through <= 0)
            continue;
        std::printf("Year read (366 days) on a %s: record set %.1f us, %s %.1f us, ratio %.2f (goal <= %.0f)%s\n",
                    floor.back_end, through, floor.bare_label, bare, through / bare, floor.goal,
                    round_trips(times, "BM_ReadYearThroughRecordSet" + suffix).c_str());
        if (const double by_name = times.wall("BM_ReadYearThroughRecordSet" + suffix + "_by_name"); by_name > 0)
            std::printf("  the same fields as QVariants by name: %.1f us, ratio %.2f\n", by_name, by_name / bare);
        if (load > 0)
            std::printf("Year load with its checks on a %s: %.1f us, %.2f times the bare read%s\n", floor.back_end,
                        load, load / bare, round_trips(times, "BM_LoadYearWithChecks" + suffix).c_str());
    }
    const double file_load = times.wall("BM_LoadYearWithChecks/file"), bare_file_load = times.wall("BM_LoadYearBareStatement");
    if (file_load > 0 && bare_file_load > 0)
        std::printf("Year load with its checks on a file: %.1f us, the same statements bare %.1f us, ratio %.2f (goal <= 2)\n",
                    file_load, bare_file_load, file_load / bare_file_load);
    const double load = times.wall("BM_LoadYearWithChecks/server"), bare_load = times.wall("BM_LoadYearBareLibpq");
    if (load > 0 && bare_load > 0)
        std::printf("Year load with its checks on a server: %.1f us, the same requests in bare libpq %.1f us, "
                    "ratio %.2f (goal <= 2)%s (goal <= 4)\n",
                    load, bare_load, load / bare_load, round_trips(times, "BM_LoadYearWithChecks/server").c_str());
    for (const char *back_end : {"file", "server"}) {
        const std::string name = std::string("BM_AddYearInOneTransaction/") + back_end;
        if (times.wall(name) > 0)
            std::printf("A year of 366 days added in one transaction on a %s: %.2f ms%s\n", back_end, times.wall(name),
                        round_trips(times, name).c_str());
    }
}

} // namespace

int main(int argc, char **argv)
{
    const BenchBackends backends;
    return run_benchmarks(&argc, argv, print_ratios);
}
