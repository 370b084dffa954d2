// Saving one edited day to a whole year (366 dates, every weekday ticked):
// the editor's save with its checks and the reload of the year, against a
// bare batched update of the same rows in one transaction; on a file and on
// a database server.

#include "editor/calendareditwindow.h"
#include "editor/dayeditor.h"
#include "editor/rangesave.h"
#include "store/connection.h"
#include "store/history.h"
#include "store/postgresengine.h"
#include "store/sqlcipherengine.h"
#include "store/recordset.h"
#include "store/revisions.h"
#include "store/transaction.h"
#include "ui_common/appstate.h"
#include "ui_common/interaction.h"

#include <libpq-fe.h>
#include <sqlcipher/sqlite3.h>

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QLineEdit>

#include "benchserver.h"
#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace dayvane;

constexpr int kYear = 2024;  // a leap year: 366 days

using namespace dayvane::bench;

struct Fixture
{
    // Held by app_state() while this back end's benchmarks run (see use()).
    std::optional<Database> db;
    qint64 calendar = 0;
    std::vector<qint64> day_ids;
    qint32 revision = 0;

    explicit Fixture(const QString &location)
    {
        db.emplace(create_calendar_database_at(location));
        BenchCalendar made = new_calendar_year(*db, kYear);
        calendar = made.calendar;
        day_ids = std::move(made.day_ids);
    }
};

// The fixture of `backend` with its database made the program's (the
// window works on app_state()); the other back end's waits in its fixture.
Fixture *use(benchmark::State &state, Backend backend)
{
    static Fixture *active = nullptr;
    Fixture *f = fixture_for<Fixture>(state, backend);
    if (!f || f == active)
        return f;
    AppState &app = app_state();
    if (active) {
        active->db = std::move(app.database);
        active->revision = app.calendar_revision;
    }
    app.database = std::move(f->db);
    f->db.reset();
    app.db_connected = true;
    app.calendar_id = qint32(f->calendar);
    app.calendar_revision = f->revision;
    app.calendar_loaded = true;
    app.selected_day_id = qint32(f->day_ids.front());
    active = f;
    return f;
}

// What the main window's load reads: the year's days through the record set.
qint64 reload_year(Database &db, qint64 calendar)
{
    RecordSet days = RecordSet::open(
        db, QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=%2; SELECT Q003.* FROM Q003;").arg(calendar).arg(kYear));
    qint64 sum = 0;
    for (; !days.eof(); days.move_next())
        sum += days.field(QStringLiteral("minutes1")).toInt() + days.field(QStringLiteral("TimeSegments")).toString().size()
               + days.field(QStringLiteral("DateVal")).toDate().day();
    return sum;
}

// A different day each run, so every run really changes the rows.
DayEditor edited_day(int run)
{
    DayEditor day;
    day.apply_time_input(0, QStringLiteral("8:00"), QStringLiteral("12:00"), true);
    day.apply_time_input(1, QStringLiteral("12:30"), QString::number(13 + run % 5) + QStringLiteral(":00"), run % 2 == 0);
    return day;
}

RangeWrite whole_year(const Fixture &f, const DayEditor &day)
{
    RangeWrite write;
    write.calendar_id = qint32(f.calendar);
    write.start = QDate(kYear, 1, 1);
    write.end = QDate(kYear, 12, 31);
    write.weekdays.fill(true);
    write.values = day.values();
    write.time_segments = day.time_segments();
    write.comment = QStringLiteral("Shift");
    return write;
}

// The editor's save: revision check, the writes through Q008, the history
// entry with the changed days and the revision increment in one
// transaction; `recorded` false leaves the history out, the save as it was
// before there was one.
void BM_SaveDayToYear(benchmark::State &state, Backend backend, bool recorded)
{
    const Fixture *f = use(state, backend);
    if (!f)
        return;
    Database &db = *app_state().database;
    const auto calendar = qint32(f->calendar);
    qint32 &revision = app_state().calendar_revision;
    RoundTrips trips(db);
    int run = 0;
    for (auto _ : state) {
        const RangeWrite write = whole_year(*f, edited_day(run++));
        int written = 0;
        if (recorded) {
            revision = change_calendar_days(db, calendar, revision, write.start, write.end, [&](std::vector<DayState> &days) {
                written = write_day_to_range(db, write, &days);
                return range_save_action(write);
            });
        } else {
            Transaction transaction(db);
            check_calendar_revision(db, calendar, revision);
            written = write_day_to_range(db, write);
            revision = increment_calendar_revision(db, calendar);
            transaction.commit();
        }
        if (written != 366)
            state.SkipWithError("wrong number of days written");
    }
    trips.report(state);
}
BENCHMARK_CAPTURE(BM_SaveDayToYear, file, Backend::File, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveDayToYear, file_unrecorded, Backend::File, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveDayToYear, server, Backend::Server, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveDayToYear, server_unrecorded, Backend::Server, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveDayToYear, workstation, Backend::Workstation, true)->Unit(benchmark::kMillisecond);

// The reload that follows a save.
void BM_ReloadYear(benchmark::State &state, Backend backend)
{
    const Fixture *f = use(state, backend);
    if (!f)
        return;
    RoundTrips trips(*app_state().database);
    for (auto _ : state)
        benchmark::DoNotOptimize(reload_year(*app_state().database, f->calendar));
    trips.report(state);
}
BENCHMARK_CAPTURE(BM_ReloadYear, file, Backend::File)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReloadYear, server, Backend::Server)->Unit(benchmark::kMillisecond);

// The floor: one prepared UPDATE by id for each of the 366 rows, in one
// transaction, and nothing else.
void BM_BareBatchedUpdate(benchmark::State &state)
{
    const Fixture *f = use(state, Backend::File);
    sqlite3 *handle = sqlcipher_handle(*app_state().database);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(handle,
                       "UPDATE days SET DayStart = ?, DayStop = ?, TimeSegments = ?, minutes1 = ?, minutes2 = ?,"
                       " \"Date comment\" = ? WHERE id = ?",
                       -1, &stmt, nullptr);
    int run = 0;
    for (auto _ : state) {
        const std::string segments = "y@480>720+y@750>" + std::to_string(780 + 60 * (run++ % 5));
        sqlite3_exec(handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        for (const qint64 id : f->day_ids) {
            sqlite3_bind_int(stmt, 1, 480);
            sqlite3_bind_int(stmt, 2, 780);
            sqlite3_bind_text(stmt, 3, segments.c_str(), int(segments.size()), SQLITE_STATIC);
            sqlite3_bind_int(stmt, 4, 270);
            sqlite3_bind_int(stmt, 5, 270);
            sqlite3_bind_text(stmt, 6, "Shift", -1, SQLITE_STATIC);
            sqlite3_bind_int64(stmt, 7, id);
            if (sqlite3_step(stmt) != SQLITE_DONE)
                state.SkipWithError("update failed");
            sqlite3_reset(stmt);
        }
        sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(BM_BareBatchedUpdate)->Unit(benchmark::kMillisecond);

// The floor on a server: the same UPDATE, prepared once, for each of the 366
// rows in one pipelined batch between BEGIN and COMMIT: one round trip.
void BM_BareLibpqBatchedUpdate(benchmark::State &state)
{
    const Fixture *f = use(state, Backend::Server);
    if (!f)
        return;
    PGconn *conn = postgres_handle(*app_state().database);
    PQclear(PQprepare(conn, "bare_update",
                      "UPDATE days SET \"DayStart\" = $1, \"DayStop\" = $2, \"TimeSegments\" = $3, minutes1 = $4,"
                      " minutes2 = $5, \"Date comment\" = $6 WHERE id = $7",
                      7, nullptr));
    PQenterPipelineMode(conn);
    qint64 trips = 0;
    int run = 0;
    for (auto _ : state) {
        const std::string segments = "y@480>720+y@750>" + std::to_string(780 + 60 * (run++ % 5));
        PQsendQueryParams(conn, "BEGIN", 0, nullptr, nullptr, nullptr, nullptr, 0);
        for (const qint64 id : f->day_ids) {
            const std::string key = std::to_string(id);
            const char *values[] = {"480", "780", segments.c_str(), "270", "270", "Shift", key.c_str()};
            PQsendQueryPrepared(conn, "bare_update", 7, values, nullptr, nullptr, 0);
        }
        PQsendQueryParams(conn, "COMMIT", 0, nullptr, nullptr, nullptr, nullptr, 0);
        PQpipelineSync(conn);
        ++trips;
        // Each statement's answer and its null, then the sync's.
        for (PGresult *result = PQgetResult(conn);; result = PQgetResult(conn)) {
            if (!result && PQstatus(conn) != CONNECTION_OK) {
                state.SkipWithError("connection lost");
                break;
            }
            if (!result)
                continue;
            const ExecStatusType status = PQresultStatus(result);
            PQclear(result);
            if (status == PGRES_PIPELINE_SYNC)
                break;
            if (status != PGRES_COMMAND_OK)
                state.SkipWithError("update failed");
        }
    }
    PQexitPipelineMode(conn);
    PQclear(PQexec(conn, "DEALLOCATE bare_update"));
    state.counters["round_trips"] = double(trips) / double(state.iterations());
}
BENCHMARK(BM_BareLibpqBatchedUpdate)->Unit(benchmark::kMillisecond);

// Answers every question Yes and shows nothing: the user who saves.
class YesInteraction : public Interaction
{
public:
    void show_message(QWidget *, const QString &, const QString &text, MessageIcon) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
    }
    bool ask_yes_no(QWidget *, const QString &, const QString &, MessageIcon, bool) override { return true; }
    std::optional<QString> choose_open_file(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> choose_save_file(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    bool choose_printer(QWidget *, QPrinter &, const QString &) override { return false; }
    bool open_url(const QUrl &) override { return false; }
    bool start_program(const QString &, const QStringList &) override { return false; }
    int show_modal(QDialog &) override { return 0; }
};

// The whole command in the real window: "Override calendar?", the gate,
// the revision and access checks, the writes and the reload callback
// (BM_ReloadYear's work).
// Building and loading the window is not counted.
void BM_SaveThroughEditorWindow(benchmark::State &state, Backend backend)
{
    const Fixture *f = use(state, backend);
    if (!f)
        return;
    YesInteraction yes;
    set_interaction(&yes);
    RoundTrips trips(*app_state().database);
    for (auto _ : state) {
        state.PauseTiming();
        trips.pause();
        auto window = std::make_unique<CalendarEditWindow>(nullptr, [f] {
            benchmark::DoNotOptimize(reload_year(*app_state().database, f->calendar));
        });
        window->findChild<QLineEdit *>(QStringLiteral("start_date"))->setText(QStringLiteral("01-01-2024"));
        window->findChild<QLineEdit *>(QStringLiteral("end_date"))->setText(QStringLiteral("12-31-2024"));
        for (QCheckBox *box : window->findChildren<QCheckBox *>(QStringLiteral("weekdays")))
            box->setChecked(true);
        trips.resume();
        state.ResumeTiming();
        window->save_calendar();
        if (!window->saved())
            state.SkipWithError("not saved");
        state.PauseTiming();
        trips.pause();
        window.reset();
        trips.resume();
        state.ResumeTiming();
    }
    trips.report(state);
    set_interaction(nullptr);
}
BENCHMARK_CAPTURE(BM_SaveThroughEditorWindow, file, Backend::File)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveThroughEditorWindow, server, Backend::Server)->Unit(benchmark::kMillisecond);

// The ratios to the bare update. Wall times include the commit's wait for
// the disk, which varies from run to run; processor times show the
// program's own work (on a server, the server's work is in neither).
void print_ratios(const TimingReporter &times)
{
    for (const auto &[back_end, bare] : {std::pair{"file", "BM_BareBatchedUpdate"},
                                         std::pair{"server", "BM_BareLibpqBatchedUpdate"}}) {
        if (times.wall(bare) <= 0 || times.cpu(bare) <= 0)
            continue;
        for (const char *operation : {"BM_SaveDayToYear", "BM_SaveThroughEditorWindow"}) {
            const std::string name = std::string(operation) + '/' + back_end;
            if (times.wall(name) <= 0)
                continue;
            std::printf("%s against the bare batched update: wall %.2f / %.2f ms, ratio %.2f;"
                        " processor %.2f / %.2f ms, ratio %.2f (goal <= 2)",
                        name.c_str(), times.wall(name), times.wall(bare), times.wall(name) / times.wall(bare),
                        times.cpu(name), times.cpu(bare), times.cpu(name) / times.cpu(bare));
            if (const double trips = times.counter(name, "round_trips"); trips >= 0)
                std::printf("; round trips %d, bare %d%s", int(trips + 0.5), int(times.counter(bare, "round_trips") + 0.5),
                            name == "BM_SaveDayToYear/server" ? " (goal <= 5)" : "");
            std::printf("\n");
        }
    }
}

// What recording the history costs the whole-year save.
void print_recording_cost(const TimingReporter &times)
{
    const char *owner = "BM_SaveDayToYear/server", *station = "BM_SaveDayToYear/workstation";
    if (times.wall(owner) > 0 && times.wall(station) > 0)
        std::printf("%s (through the server's checks) against as the owner: wall %.2f / %.2f ms, ratio %.2f (goal <= 1.2);"
                    " round trips %d (goal <= 5)\n",
                    station, times.wall(station), times.wall(owner), times.wall(station) / times.wall(owner),
                    int(times.counter(station, "round_trips") + 0.5));
    for (const char *back_end : {"file", "server"}) {
        const std::string recorded = std::string("BM_SaveDayToYear/") + back_end;
        const std::string bare = recorded + "_unrecorded";
        if (times.wall(recorded) > 0 && times.wall(bare) > 0)
            std::printf("%s with its history entry against without: wall %.2f / %.2f ms, ratio %.2f%s\n",
                        recorded.c_str(), times.wall(recorded), times.wall(bare), times.wall(recorded) / times.wall(bare),
                        std::string(back_end) == "file" ? " (goal <= 1.3)" : "");
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const BenchBackends backends;
    const int status = run_benchmarks(&argc, argv, [](const TimingReporter &times) {
        print_ratios(times);
        print_recording_cost(times);
    });
    app_state() = AppState();
    return status;
}
