// The change history: opening its window on 10,000 entries against a bare
// read of the same rows, and how much a year of typical use adds to a file.

#include "history/changehistorywindow.h"
#include "store/connection.h"
#include "store/history.h"
#include "store/postgresengine.h"
#include "store/sqlcipherengine.h"
#include "store/transaction.h"
#include "ui_common/appstate.h"

#include <libpq-fe.h>
#include <sqlcipher/sqlite3.h>

#include <QApplication>
#include <QFileInfo>

#include "benchserver.h"
#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <optional>

namespace {

using namespace dayvane;
using namespace dayvane::bench;

constexpr int kYear = 2024;
constexpr int kEntries = 10000;

const char *const kEntrySelect =
    "SELECT id, \"ChangedAt\", \"Workstation\", \"Login\", \"UserLink\", \"UserName\", \"CalendarLink\","
    " \"CalendarName\", \"Action\", \"FirstDate\", \"LastDate\", \"Days\" IS NOT NULL"
    " FROM change_history WHERE \"CalendarLink\" = 1 ORDER BY id DESC";

// One change of days: `dates` get periods and a comment that differ with
// `run`, so that every change really changes them.
qint32 change_days(Database &db, qint32 calendar, qint32 revision, const std::vector<QDate> &dates, int run)
{
    return change_calendar_days(db, calendar, revision, dates.front(), dates.back(), [&](std::vector<DayState> &days) {
        Statement &update = db.cached(QStringLiteral(
            "UPDATE days SET \"TimeSegments\" = ?, minutes1 = ?, minutes2 = ?, \"Date comment\" = ?"
            " WHERE \"NameLink\" = ? AND \"DateVal\" = ?"));
        for (const QDate &date : dates) {
            update.bind(1, QStringLiteral("y@480>%1+n@%1>%2").arg(720 + run % 60).arg(1000 + run % 7));
            update.bind(2, 240 + run % 60);
            update.bind(3, 520 + run % 7);
            update.bind(4, run % 3 == 0 ? QStringLiteral("Change %1").arg(run) : QString());
            update.bind(5, calendar);
            update.bind(6, date);
            update.send();
            update.reset();
        }
        days = read_day_states(db, calendar, dates.front(), dates.back());
        return QStringLiteral("Range saved: change %1").arg(run);
    });
}

struct Fixture
{
    std::optional<Database> db;
    qint32 calendar = 0;

    // 10,000 entries of week saves, written in one transaction.
    explicit Fixture(const QString &location)
    {
        db.emplace(create_calendar_database_at(location));
        calendar = new_calendar_year(*db, kYear).calendar;
        Transaction transaction(*db);
        for (int i = 0; i < kEntries; ++i) {
            std::vector<DayChange> days;
            const QDate monday = QDate(kYear, 1, 1).addDays(7 * (i % 52));
            for (int d = 0; d < 5; ++d) {
                DayState before{monday.addDays(d), 0, 0, 0, 0, 0, QString(), QString()};
                DayState after{before.date, 0, 480, 990, 480, 510, QStringLiteral("y@480>720+y@750>990"), QString()};
                days.push_back({before, after});
            }
            db->author().workstation = QStringLiteral("PC-%1").arg(i % 12);
            record_change(*db, calendar, QStringLiteral("Range saved: week %1").arg(i % 52 + 1), days);
        }
        transaction.commit();
    }
};

// The fixture's database made the program's, as the window reads it.
Fixture *use(benchmark::State &state, Backend backend)
{
    static Fixture *active = nullptr;
    Fixture *f = fixture_for<Fixture>(state, backend);
    if (!f || f == active)
        return f;
    if (active)
        active->db = std::move(app_state().database);
    app_state().database = std::move(f->db);
    f->db.reset();
    app_state().db_connected = true;
    app_state().calendar_id = f->calendar;
    app_state().calendar_loaded = true;
    active = f;
    return f;
}

// What a user waits for: the window made, its 10,000 entries read and
// shown with the newest one's days.
void BM_OpenHistoryWindow(benchmark::State &state, Backend backend)
{
    if (!use(state, backend))
        return;
    RoundTrips trips(*app_state().database);
    for (auto _ : state) {
        ChangeHistoryWindow window;
        if (!window.load() || window.entries().size() != size_t(kEntries))
            state.SkipWithError("the entries were not read");
        window.show();
        QApplication::processEvents();
    }
    trips.report(state);
}
BENCHMARK_CAPTURE(BM_OpenHistoryWindow, file, Backend::File)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenHistoryWindow, server, Backend::Server)->Unit(benchmark::kMillisecond);

// The store's part of it: the entries read into their records.
void BM_ReadHistory(benchmark::State &state, Backend backend)
{
    const Fixture *f = use(state, backend);
    if (!f)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(read_history(*app_state().database, {f->calendar, {}, {}, {}}));
}
BENCHMARK_CAPTURE(BM_ReadHistory, file, Backend::File)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadHistory, server, Backend::Server)->Unit(benchmark::kMillisecond);

// The same rows read with the engine's own calls, each text field taken.
void BM_BareHistoryRead(benchmark::State &state)
{
    if (!use(state, Backend::File))
        return;
    sqlite3 *handle = sqlcipher_handle(*app_state().database);
    for (auto _ : state) {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(handle, kEntrySelect, -1, &stmt, nullptr);
        qint64 sum = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int column = 0; column < 12; ++column)
                sum += sqlite3_column_bytes(stmt, column);
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_BareHistoryRead)->Unit(benchmark::kMillisecond);

void BM_BareLibpqHistoryRead(benchmark::State &state)
{
    if (!use(state, Backend::Server))
        return;
    PGconn *conn = postgres_handle(*app_state().database);
    for (auto _ : state) {
        PGresult *result = PQexec(conn, kEntrySelect);
        qint64 sum = 0;
        for (int row = 0; row < PQntuples(result); ++row) {
            for (int column = 0; column < 12; ++column)
                sum += PQgetlength(result, row, column);
        }
        PQclear(result);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_BareLibpqHistoryRead)->Unit(benchmark::kMillisecond);

// A year of typical use on a file: 300 saves of one week, 2 whole-year
// saves and 10 holiday applies of 10 days; the file's growth after VACUUM
// (goal below 1 MB) as the counter "growth_bytes".
void BM_YearOfTypicalUse(benchmark::State &state)
{
    for (auto _ : state) {
        const std::optional<QString> location = BenchBackends::new_database_location(Backend::File);
        if (!location) {
            state.SkipWithError("no folder");
            return;
        }
        Database db = create_calendar_database_at(*location);
        const qint32 calendar = new_calendar_year(db, kYear).calendar;
        const auto size = [&] {
            db.exec(QStringLiteral("VACUUM;"));
            return QFileInfo(*location).size();
        };
        const qint64 before = size();
        qint32 revision = 0;
        int run = 0;
        for (int week = 0; week < 300; ++week) {
            std::vector<QDate> dates;
            for (int d = 0; d < 7; ++d)
                dates.push_back(QDate(kYear, 1, 1).addDays(7 * (week % 52) + d));
            revision = change_days(db, calendar, revision, dates, run++);
        }
        std::vector<QDate> year;
        for (QDate date(kYear, 1, 1); date.year() == kYear; date = date.addDays(1))
            year.push_back(date);
        for (int i = 0; i < 2; ++i)
            revision = change_days(db, calendar, revision, year, run++);
        for (int apply = 0; apply < 10; ++apply) {
            std::vector<QDate> holidays;
            for (int h = 0; h < 10; ++h)
                holidays.push_back(QDate(kYear, 1, 1).addDays(36 * h + apply));
            revision = change_days(db, calendar, revision, holidays, run++);
        }
        const qint64 growth = size() - before;
        state.counters["growth_bytes"] = double(growth);
        if (growth >= 1024 * 1024)
            state.SkipWithError("the history grew the file by 1 MB or more");
    }
}
BENCHMARK(BM_YearOfTypicalUse)->Unit(benchmark::kMillisecond)->Iterations(1);

void print_figures(const TimingReporter &times)
{
    for (const auto &[window, bare] : {std::pair{"BM_OpenHistoryWindow/file", "BM_BareHistoryRead"},
                                       std::pair{"BM_OpenHistoryWindow/server", "BM_BareLibpqHistoryRead"}}) {
        if (times.wall(window) > 0 && times.wall(bare) > 0)
            std::printf("%s: %.1f ms for %d entries (goal < 100 ms); bare read %.1f ms, ratio %.2f (goal <= 2)\n",
                        window, times.wall(window), kEntries, times.wall(bare), times.wall(window) / times.wall(bare));
    }
    for (const auto &[read, bare] : {std::pair{"BM_ReadHistory/file", "BM_BareHistoryRead"},
                                     std::pair{"BM_ReadHistory/server", "BM_BareLibpqHistoryRead"}}) {
        if (times.wall(read) > 0 && times.wall(bare) > 0)
            std::printf("%s: %.1f ms; bare read %.1f ms, ratio %.2f\n", read, times.wall(read), times.wall(bare),
                        times.wall(read) / times.wall(bare));
    }
    if (const double growth = times.counter("BM_YearOfTypicalUse", "growth_bytes"); growth >= 0)
        std::printf("A year of typical use grows the file by %.0f KiB (goal < 1024 KiB)\n", growth / 1024);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const BenchBackends backends;
    const int status = run_benchmarks(&argc, argv, print_figures);
    app_state() = AppState();
    return status;
}
