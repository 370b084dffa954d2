// Twenty workstations saving days at once on a database server, each in a
// calendar of its own: the throughput and the slowest saves when a save
// waits only for its calendar's writers, against the same saves each made
// inside a change of the whole database, which waits for every writer.

#include "store/connection.h"
#include "store/dberror.h"
#include "store/history.h"
#include "store/transaction.h"

#include <QDate>

#include "benchserver.h"
#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

namespace {

using namespace dayvane;
using namespace dayvane::bench;
using Clock = std::chrono::steady_clock;

constexpr int kWriters = 20;
constexpr int kYear = 2024;
constexpr auto kRunTime = std::chrono::seconds(6);

// A database with one calendar a writer, each with a year of empty days, and
// its address for a workstation's login.
std::optional<QString> writers_database()
{
    const std::optional<QString> location = BenchBackends::new_database_location(Backend::Server);
    if (!location)
        return std::nullopt;
    Database db = create_calendar_database_at(*location);
    db.exec(QStringLiteral(
        "INSERT INTO calendars (\"Name\") SELECT 'Writer ' || n FROM generate_series(1, %1) n;"
        "INSERT INTO calendar_years (\"CalendarLink\", \"YearVal\") SELECT id, %2 FROM calendars;"
        "INSERT INTO days (\"NameLink\", \"YearLink\", \"DateVal\", \"DayType\", \"TimeSegments\", \"Date comment\")"
        " SELECT y.\"CalendarLink\", y.id, d::date, 0, '', '' FROM calendar_years y,"
        " generate_series(make_date(%2, 1, 1), make_date(%2, 12, 31), '1 day') d;")
                .arg(kWriters)
                .arg(kYear));
    return BenchBackends::workstation_address(*location);
}

// One save as the editor makes it: a week of days given periods, changing
// with `run`, in one change of the calendar.
qint32 save_week(Database &db, qint32 calendar, qint32 revision, int run)
{
    const QDate first = QDate(kYear, 1, 1).addDays(7 * (run % 52));
    const QDate last = first.addDays(6);
    return change_calendar_days(db, calendar, revision, first, last, [&](std::vector<DayState> &days) {
        Statement &update = db.cached(QStringLiteral(
            "UPDATE days SET \"TimeSegments\" = ?, minutes1 = ?, minutes2 = ? WHERE \"NameLink\" = ? AND \"DateVal\" = ?"));
        for (DayState &day : days) {
            day.time_segments = QStringLiteral("y@480>%1").arg(720 + run % 60);
            day.minutes1 = day.minutes2 = 240 + run % 60;
            update.bind(1, day.time_segments);
            update.bind(2, day.minutes1);
            update.bind(3, day.minutes2);
            update.bind(4, calendar);
            update.bind(5, day.date);
            update.send(QStringLiteral("DB record not found"));
            update.reset();
        }
        return QStringLiteral("Range saved: run %1").arg(run);
    });
}

// `whole_database`: each save inside a change of the whole database, which
// takes the lock every writer waits for, as every save did before.
void BM_TwentyWriters(benchmark::State &state, bool whole_database)
{
    static const std::optional<QString> address = writers_database();
    if (!address) {
        state.SkipWithError("no database server");
        return;
    }
    std::vector<double> latencies_ms;
    std::atomic<int> failures = 0;
    for (auto _ : state) {
        std::vector<std::vector<double>> latencies(kWriters);
        std::vector<std::thread> writers;
        const Clock::time_point end = Clock::now() + kRunTime;
        for (int writer = 0; writer < kWriters; ++writer) {
            writers.emplace_back([&, writer] {
                try {
                    Database db = Database::connect(*address);
                    Statement read = db.prepare(QStringLiteral("SELECT id, revision FROM calendars WHERE \"Name\" = ?"));
                    read.bind(1, QStringLiteral("Writer %1").arg(writer + 1));
                    read.step();
                    const qint32 calendar = read.column(0).toInt();
                    qint32 revision = read.column(1).toInt();
                    for (int run = 0; Clock::now() < end; ++run) {
                        const Clock::time_point start = Clock::now();
                        if (whole_database) {
                            Transaction whole(db);
                            revision = save_week(db, calendar, revision, run);
                            whole.commit();
                        } else {
                            revision = save_week(db, calendar, revision, run);
                        }
                        latencies[size_t(writer)].push_back(
                            std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                    }
                } catch (const DbError &error) {
                    std::fprintf(stderr, "writer %d: %s\n", writer, qPrintable(error.description()));
                    ++failures;
                }
            });
        }
        for (std::thread &writer : writers)
            writer.join();
        for (const std::vector<double> &own : latencies)
            latencies_ms.insert(latencies_ms.end(), own.begin(), own.end());
    }
    if (failures > 0 || latencies_ms.empty()) {
        state.SkipWithError("a writer failed");
        return;
    }
    std::sort(latencies_ms.begin(), latencies_ms.end());
    const double seconds = std::chrono::duration<double>(kRunTime).count() * double(state.iterations());
    state.counters["saves_per_s"] = double(latencies_ms.size()) / seconds;
    state.counters["p99_ms"] = latencies_ms[latencies_ms.size() * 99 / 100];
    state.counters["median_ms"] = latencies_ms[latencies_ms.size() / 2];
}
BENCHMARK_CAPTURE(BM_TwentyWriters, calendar_locks, false)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_TwentyWriters, database_lock, true)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

void print_ratio(const TimingReporter &times)
{
    const auto line = [&](const char *label, const std::string &name) {
        const double saves = times.counter(name, "saves_per_s");
        if (saves > 0)
            std::printf("%d writers on %d calendars, %s: %.0f saves/s, p99 %.1f ms, median %.1f ms\n", kWriters,
                        kWriters, label, saves, times.counter(name, "p99_ms"), times.counter(name, "median_ms"));
        return saves;
    };
    const double own = line("each calendar's lock", "BM_TwentyWriters/calendar_locks/iterations:1/real_time");
    const double whole = line("the whole database's lock", "BM_TwentyWriters/database_lock/iterations:1/real_time");
    if (own > 0 && whole > 0)
        std::printf("Throughput with calendar locks: %.2f times that with the database's lock (goal >= 1.5)\n",
                    own / whole);
}

} // namespace

int main(int argc, char **argv)
{
    const BenchBackends backends;
    return run_benchmarks(&argc, argv, print_ratio);
}
