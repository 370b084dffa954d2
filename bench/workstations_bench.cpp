// Two hundred workstations on one database server, ten to each of twenty
// calendars, for a minute: each with its own connection, on which it also
// listens for the others' changes, loading years, reading the history and
// saving days through the program's own store functions, with a user's
// pause between operations. Saves refused as out of date are the true
// conflicts of ten writers on one calendar; any other error is a failure.
// At the end every save that was acknowledged must be found in the
// database. The same load runs under each calendar's lock, under the
// whole database's lock, and through a PgBouncer in session mode.
// DAYVANE_LOAD_SECONDS shortens the run; DAYVANE_LOAD_POOL_MODE sets the
// pooler's pool_mode (to see what transaction mode does).

#include "calendars/calendarstore.h"
#include "calendaryear/calendaryear.h"
#include "editor/rangesave.h"
#include "holidays/holidayapply.h"
#include "store/calendarnotices.h"
#include "store/connection.h"
#include "store/dberror.h"
#include "store/history.h"
#include "store/transaction.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "benchserver.h"
#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <latch>
#include <map>
#include <optional>
#include <random>
#include <semaphore>
#include <thread>
#include <vector>

namespace {

using namespace dayvane;
using namespace dayvane::bench;
using Clock = std::chrono::steady_clock;

constexpr int kWorkstations = 200;
constexpr int kCalendars = 20;
constexpr int kYear = 2025;
// Room beside the workstations for the owner's connections and the
// superuser's reserve.
constexpr int kMaxConnections = kWorkstations + 60;
const QString kOutOfDate = QStringLiteral("Calendar is out of date.");

enum Operation { YearLoad, DaySave, RangeSave, HolidayApply, HistoryRead, kOperations };
const std::array<const char *, kOperations> kNames = {"year load", "day save", "range save", "holiday apply",
                                                      "history read"};
const std::array<const char *, kOperations> kKeys = {"load", "day", "range", "holiday", "history"};
// A workstation mostly looks: the year is loaded again (besides the reloads
// that others' changes bring) and the history read far more often than days
// are changed; a day is saved more often than a range, and holidays are
// applied once a year or so.
constexpr std::array<int, kOperations> kWeights = {40, 20, 10, 2, 28};

enum class Mode { CalendarLocks, DatabaseLock, Pooled };

std::chrono::seconds run_time()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("DAYVANE_LOAD_SECONDS", &ok);
    return std::chrono::seconds(ok && seconds > 0 ? seconds : 60);
}

// An acknowledged save: what it wrote into which days, and the revision it
// made.
struct Save
{
    qint32 calendar = 0;
    qint32 revision = 0;
    std::vector<std::pair<QDate, QString>> comments;
};

// What one workstation saw.
struct Tally
{
    std::array<std::vector<double>, kOperations> latencies_ms;
    std::array<int, kOperations> conflicts{};
    int failures = 0;
    int heard = 0;  // notices of another workstation's change of its calendar
    std::vector<Save> saves;
};

// One workstation as the program drives its connection: listening from
// the start, the year loaded, then a user's operations until `end`.
class Workstation
{
public:
    Workstation(const QString &address, int number, qint32 calendar, Mode mode)
        : m_db(Database::connect(address))
        , m_number(number)
        , m_calendar(calendar)
        , m_mode(mode)
        , m_random(std::uint32_t(number))
    {
        listen_for_calendar_changes(m_db);
        load_year();
    }

    void run(Clock::time_point end, Tally &tally)
    {
        std::uniform_int_distribution<int> think(50, 500);
        std::discrete_distribution<int> pick(kWeights.begin(), kWeights.end());
        while (Clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(think(m_random)));
            const auto operation = Operation(pick(m_random));
            // The main window reloads a calendar that another workstation
            // changed once it hears so; before a save that matters.
            if (operation != YearLoad && operation != HistoryRead && stale(tally))
                timed(YearLoad, tally);
            timed(operation, tally);
        }
    }

private:
    void timed(Operation operation, Tally &tally)
    {
        const Clock::time_point start = Clock::now();
        std::optional<DbError> failed;
        try {
            perform(operation, tally);
        } catch (const DbError &error) {
            failed = error;
        }
        tally.latencies_ms[operation].push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (!failed)
            return;
        if (failed->number() == DbError::ProgramError && failed->description() == kOutOfDate) {
            ++tally.conflicts[operation];
        } else {
            ++tally.failures;
            std::fprintf(stderr, "workstation %d, %s: %s\n", m_number, kNames[operation], failed->what());
        }
        // As a user would: see what the others did, then go on.
        try {
            load_year();
        } catch (const DbError &error) {
            ++tally.failures;
            std::fprintf(stderr, "workstation %d, reload: %s\n", m_number, error.what());
        }
    }

    void perform(Operation operation, Tally &tally)
    {
        switch (operation) {
        case YearLoad:
            load_year();
            break;
        case HistoryRead:
            benchmark::DoNotOptimize(read_history(m_db, {m_calendar, {}, {}, {}}));
            break;
        case DaySave:
        case RangeSave: {
            const QDate first = random_date();
            const bool month = operation == RangeSave && m_random() % 3 == 0;
            const QDate last = operation == DaySave ? first
                                                    : std::min(first.addDays(month ? 30 : 6), QDate(kYear, 12, 31));
            save_range(first, last, tally);
            break;
        }
        case HolidayApply:
            apply_holidays(tally);
            break;
        case kOperations:
            break;
        }
    }

    // The editor's save: the same periods and a comment unique to this save
    // in every day from `first` to `last`.
    void save_range(const QDate &first, const QDate &last, Tally &tally)
    {
        const qint32 start = 420 + qint32(m_random() % 120), end = start + 480;
        RangeWrite write{m_calendar, first, last, {}, {qint16(start), qint16(end), end - start, end - start},
                         QStringLiteral("y@%1>%2").arg(start).arg(end), next_comment()};
        write.weekdays.fill(true);
        Save save{m_calendar, 0, {}};
        for (QDate date = first; date <= last; date = date.addDays(1))
            save.comments.emplace_back(date, write.comment);
        save.revision = change(first, last, [&](std::vector<DayState> &days) {
            write_day_to_range(m_db, write, &days);
            return range_save_action(write);
        });
        tally.saves.push_back(std::move(save));
    }

    // The holiday window's apply: three holidays of the year, each named
    // uniquely.
    void apply_holidays(Tally &tally)
    {
        std::vector<HolidayChoice> choices;
        Save save{m_calendar, 0, {}};
        while (choices.size() < 3) {
            const QDate date = random_date();
            if (std::any_of(choices.begin(), choices.end(), [&](const HolidayChoice &c) { return c.date == date; }))
                continue;
            choices.push_back({date, next_comment(), choices.size() % 2 ? Treatment::Paid : Treatment::NoChange});
            save.comments.emplace_back(date, choices.back().name);
        }
        save.revision = change(QDate(kYear, 1, 1), QDate(kYear, 12, 31), [&](std::vector<DayState> &days) {
            return write_holidays(m_db, m_calendar, kYear, choices, &days).action();
        });
        tally.saves.push_back(std::move(save));
    }

    qint32 change(const QDate &first, const QDate &last, const DayWrites &writes)
    {
        if (m_mode == Mode::DatabaseLock) {
            // Inside a change of the whole database: every save waits for
            // every other, as all did before calendars had locks of their own.
            Transaction whole(m_db);
            m_revision = change_calendar_days(m_db, m_calendar, m_revision, first, last, writes);
            whole.commit();
        } else {
            m_revision = change_calendar_days(m_db, m_calendar, m_revision, first, last, writes);
        }
        return m_revision;
    }

    void load_year() { m_revision = load_calendar_year(m_db, m_calendar, kYear).calendar_revision(); }

    // Whether the notices heard so far tell of a revision newer than the
    // one loaded.
    bool stale(Tally &tally)
    {
        for (const CalendarChange &change : take_calendar_changes(m_db).changes) {
            if (change.calendar_id != m_calendar || change.revision <= m_revision)
                continue;
            m_heard = std::max(m_heard, change.revision);
            ++tally.heard;
        }
        return m_heard > m_revision;
    }

    QDate random_date() { return QDate(kYear, 1, 1).addDays(m_random() % 365); }
    QString next_comment() { return QStringLiteral("workstation %1 save %2").arg(m_number).arg(++m_saves); }

    Database m_db;
    int m_number;
    qint32 m_calendar;
    Mode m_mode;
    std::mt19937 m_random;
    qint32 m_revision = 0;
    qint32 m_heard = 0;
    int m_saves = 0;
};

// The saves that the database does not hold: a day whose comment is not
// that of the acknowledged save of the highest revision that wrote it, and
// a revision acknowledged twice.
int lost_changes(Database &db, const std::vector<Save> &saves)
{
    std::map<qint32, std::map<qint32, const Save *>> by_calendar;
    int lost = 0;
    for (const Save &save : saves) {
        if (!by_calendar[save.calendar].emplace(save.revision, &save).second)
            ++lost;
    }
    for (const auto &[calendar, ordered] : by_calendar) {
        std::map<QDate, QString> expected;
        for (const auto &[revision, save] : ordered) {
            for (const auto &[date, comment] : save->comments)
                expected[date] = comment;
        }
        for (const DayState &day : read_day_states(db, calendar, QDate(kYear, 1, 1), QDate(kYear, 12, 31))) {
            const auto it = expected.find(day.date);
            if (it != expected.end() && it->second != day.comment)
                ++lost;
        }
    }
    return lost;
}

// A PgBouncer of the bench's own in front of the server, on a socket in a
// folder of its own; `started` is false, with the reason printed, when
// there is none.
class Bouncer
{
public:
    explicit Bouncer(const QString &server_folder)
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pgbouncer"));
        if (program.isEmpty() || !m_dir.isValid()) {
            std::fprintf(stderr, "pgbouncer is not installed: the pooled run is skipped.\n");
            return;
        }
        const QString mode = qEnvironmentVariable("DAYVANE_LOAD_POOL_MODE", QStringLiteral("session"));
        write(QStringLiteral("users.txt"), "\"dayvane_bench\" \"\"\n");
        write(QStringLiteral("pgbouncer.ini"),
              QStringLiteral("[databases]\n* = host=%1\n[pgbouncer]\nlisten_addr =\nlisten_port = %2\n"
                             "unix_socket_dir = %3\nauth_type = trust\nauth_file = %3/users.txt\npool_mode = %4\n"
                             "max_client_conn = %5\ndefault_pool_size = %5\nlogfile = %3/pgbouncer.log\n")
                  .arg(server_folder)
                  .arg(kPort)
                  .arg(m_dir.path(), mode)
                  .arg(kWorkstations + 10)
                  .toUtf8());
        QStringList arguments{QStringLiteral("-q"), m_dir.filePath(QStringLiteral("pgbouncer.ini"))};
        // It refuses to run as root: as root, as the server's own user.
        if (const passwd *postgres = getuid() == 0 ? getpwnam("postgres") : nullptr) {
            for (const QString &path : {QString(), QStringLiteral("users.txt"), QStringLiteral("pgbouncer.ini")}) {
                if (chown(QFile::encodeName(m_dir.filePath(path)).constData(), postgres->pw_uid, postgres->pw_gid) != 0)
                    std::perror("chown");
            }
            arguments = QStringList{QStringLiteral("-u"), QStringLiteral("postgres")} + arguments;
        }
        m_process.start(program, arguments);
        for (int wait = 0; wait < 100 && !QFile::exists(socket()); ++wait)
            QThread::msleep(100);
        m_started = QFile::exists(socket());
        if (m_started) {
            std::printf("Through pgbouncer, pool_mode = %s\n", qPrintable(mode));
        } else {
            QFile log(m_dir.filePath(QStringLiteral("pgbouncer.log")));
            std::fprintf(stderr, "pgbouncer did not start: the pooled run is skipped.\n%s\n",
                         log.open(QIODevice::ReadOnly) ? log.readAll().constData() : "");
        }
    }
    ~Bouncer()
    {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

    bool started() const { return m_started; }
    // `address`, a server's, through the pooler.
    QString address(const QString &address, const QString &server_folder) const
    {
        return QString(address).replace(QStringLiteral("host=") + server_folder,
                                        QStringLiteral("host=%1 port=%2").arg(m_dir.path()).arg(kPort));
    }

private:
    static constexpr int kPort = 6432;
    QString socket() const { return m_dir.filePath(QStringLiteral(".s.PGSQL.%1").arg(kPort)); }
    void write(const QString &name, const QByteArray &text) const
    {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    bool m_started = false;
};

void BM_Workstations(benchmark::State &state, Mode mode)
{
    const std::optional<QString> location = BenchBackends::new_database_location(Backend::Workstation);
    if (!location) {
        state.SkipWithError("no database server");
        return;
    }
    Database owner = create_calendar_database_at(*location);
    Statement limit = owner.prepare(QStringLiteral("SELECT current_setting('max_connections')::int"));
    if (!limit.step() || limit.column(0).toInt() < kMaxConnections) {
        state.SkipWithError("the server takes too few connections (DAYVANE_TEST_SERVER's?)");
        return;
    }
    std::vector<qint32> calendars;
    for (int n = 1; n <= kCalendars; ++n)
        calendars.push_back(create_calendar(owner, QStringLiteral("Calendar %1").arg(n), kYear));
    QString address = BenchBackends::workstation_address(*location);
    const QString server_folder = location->section(u' ', 0, 0).mid(5);  // after "host="
    std::optional<Bouncer> bouncer;
    if (mode == Mode::Pooled) {
        bouncer.emplace(server_folder);
        if (!bouncer->started()) {
            state.SkipWithError("no pgbouncer");
            return;
        }
        address = bouncer->address(address, server_folder);
    }

    std::vector<Tally> tallies(kWorkstations);
    const std::chrono::seconds seconds = run_time();
    for (auto _ : state) {
        // The run starts once every workstation has connected.
        std::latch connected(kWorkstations + 1);
        std::latch go(1);
        // A few connect at a time, as workstations start through the morning:
        // two hundred at once overrun the server's five-second connect limit.
        std::counting_semaphore<> connecting(4);
        Clock::time_point end;
        std::vector<std::thread> workstations;
        for (int number = 0; number < kWorkstations; ++number) {
            workstations.emplace_back([&, number] {
                std::optional<Workstation> workstation;
                connecting.acquire();
                try {
                    workstation.emplace(address, number, calendars[size_t(number % kCalendars)], mode);
                } catch (const DbError &error) {
                    ++tallies[size_t(number)].failures;
                    std::fprintf(stderr, "workstation %d: %s\n", number, error.what());
                }
                connecting.release();
                connected.count_down();
                go.wait();
                if (workstation)
                    workstation->run(end, tallies[size_t(number)]);
            });
        }
        connected.arrive_and_wait();
        end = Clock::now() + seconds;
        go.count_down();
        for (std::thread &workstation : workstations)
            workstation.join();
    }

    Tally all;
    for (Tally &tally : tallies) {
        for (int op = 0; op < kOperations; ++op) {
            all.latencies_ms[size_t(op)].insert(all.latencies_ms[size_t(op)].end(),
                                                tally.latencies_ms[size_t(op)].begin(),
                                                tally.latencies_ms[size_t(op)].end());
            all.conflicts[size_t(op)] += tally.conflicts[size_t(op)];
        }
        all.failures += tally.failures;
        all.heard += tally.heard;
        all.saves.insert(all.saves.end(), tally.saves.begin(), tally.saves.end());
    }
    const int lost = lost_changes(owner, all.saves);
    for (int op = 0; op < kOperations; ++op) {
        std::vector<double> &times = all.latencies_ms[size_t(op)];
        std::sort(times.begin(), times.end());
        const std::string key = kKeys[size_t(op)];
        state.counters[key + "_per_s"] = double(times.size()) / double(seconds.count());
        state.counters[key + "_conflicts"] = all.conflicts[size_t(op)];
        state.counters[key + "_p50_ms"] = times.empty() ? 0 : times[times.size() / 2];
        state.counters[key + "_p99_ms"] = times.empty() ? 0 : times[times.size() * 99 / 100];
    }
    state.counters["saves"] = double(all.saves.size());
    state.counters["saves_per_s"] = double(all.saves.size()) / double(seconds.count());
    state.counters["failures"] = all.failures;
    state.counters["heard"] = all.heard;
    state.counters["lost"] = lost;
    if (all.failures > 0 || lost > 0 || all.saves.empty()) {
        const std::string why = QStringLiteral("%1 failures, %2 lost changes, %3 saves")
                                    .arg(all.failures)
                                    .arg(lost)
                                    .arg(all.saves.size())
                                    .toStdString();
        state.SkipWithError(why.c_str());
    }
}
BENCHMARK_CAPTURE(BM_Workstations, calendar_locks, Mode::CalendarLocks)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Workstations, database_lock, Mode::DatabaseLock)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Workstations, pgbouncer_session, Mode::Pooled)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

void print_table(const TimingReporter &times)
{
    const auto figure = [&](const std::string &mode, const std::string &counter) {
        return times.counter("BM_Workstations/" + mode + "/iterations:1/real_time", counter);
    };
    for (const auto &[mode, label] : {std::pair{"calendar_locks", "each calendar's lock"},
                                      {"database_lock", "the whole database's lock"},
                                      {"pgbouncer_session", "each calendar's lock, through pgbouncer"}}) {
        if (figure(mode, "failures") < 0)
            continue;
        std::printf("\n%d workstations on %d calendars, %s:\n  %-14s %8s %8s %8s %10s\n", kWorkstations, kCalendars,
                    label, "operation", "p50 ms", "p99 ms", "per s", "conflicts");
        for (int op = 0; op < kOperations; ++op) {
            const std::string key = kKeys[size_t(op)];
            std::printf("  %-14s %8.1f %8.1f %8.1f %10.0f\n", kNames[size_t(op)], figure(mode, key + "_p50_ms"),
                        figure(mode, key + "_p99_ms"), figure(mode, key + "_per_s"), figure(mode, key + "_conflicts"));
        }
        std::printf("  failures %.0f, acknowledged saves %.0f, lost %.0f, others' changes heard %.0f\n",
                    figure(mode, "failures"), figure(mode, "saves"), figure(mode, "lost"), figure(mode, "heard"));
    }
    const double own = figure("calendar_locks", "saves_per_s"), whole = figure("database_lock", "saves_per_s");
    if (own > 0 && whole > 0)
        std::printf("\nAcknowledged saves per second: %.1f with calendar locks, %.1f with the database's lock (%.2f"
                    " times); a day save's p99 %.0f ms against %.0f ms\n",
                    own, whole, own / whole, figure("calendar_locks", "day_p99_ms"),
                    figure("database_lock", "day_p99_ms"));
}

} // namespace

int main(int argc, char **argv)
{
    const BenchBackends backends(kMaxConnections);
    return run_benchmarks(&argc, argv, print_table);
}
