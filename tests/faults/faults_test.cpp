// Faults from outside the program, each met by the fault worker in a process
// of its own, so that a crash or a hang fails that process, not the test run:
// no stale change accepted nor accepted one lost, no half-saved year, and
// files not what the program expects fail cleanly, never changed.

#include "faultcontent.h"
#include "printers.h"

#include "calendars/calendarstore.h"
#include "store/connection.h"
#include "store/drivetype.h"
#include "store/dberror.h"
#include "store/schema.h"
#include "store/serveraddress.h"
#include "store/transaction.h"
#include "testdatabase.h"
#include "testserver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include <sys/stat.h>
#include <unistd.h>
using namespace dayvane;
using namespace dayvane::faults;

namespace {

// Long enough for the sanitizer build on a busy machine; only a hang takes it.
constexpr int kTimeoutMs = 120'000;

// The fault worker as a child process, killed if it still runs at the end.
// `command` is the program and what comes before `arguments`: the worker
// itself, or a launcher that runs a copy of it.
struct Worker
{
    explicit Worker(const QStringList &arguments, QStringList command = {QStringLiteral(DAYVANE_FAULT_WORKER)})
    {
        const QString program = command.takeFirst();
        process.start(program, command + arguments);
    }
    ~Worker() { kill(); }
    // Waits, as long as output keeps coming, for the line `line`.
    bool wait_for_line(const QString &line)
    {
        while (!lines().contains(line))
            if (!process.waitForReadyRead(kTimeoutMs))
                return false;
        return true;
    }
    void kill()  // SIGKILL, and waits until the worker is gone
    {
        process.kill();
        process.waitForFinished(-1);
    }
    QStringList lines()  // every complete line so far
    {
        output += process.readAllStandardOutput();
        return QString::fromUtf8(output.left(output.lastIndexOf('\n') + 1)).split(u'\n', Qt::SkipEmptyParts);
    }
    std::string error_output() { return process.readAllStandardError().toStdString(); }
    QProcess process;
    QByteArray output;
};

// The revision and the days read with plain SQL, not the code under test.
qint32 revision(Database &db, qint32 calendar)
{
    return qint32(test::scalar(db, QStringLiteral("SELECT revision FROM calendars WHERE id = %1;").arg(calendar)));
}

// Checks the file's integrity and reads every day of the year as
// "segments|comment|minutes1|minutes2|start|stop" (texts never null).
std::map<QDate, QString> days(Database &db, qint32 calendar)
{
    if (db.dialect() == Database::Dialect::SQLite) {
        Statement check = db.prepare(QStringLiteral("PRAGMA integrity_check;"));
        EXPECT_TRUE(check.step() && check.column(0).toString() == u"ok");
    }
    Statement stmt = db.prepare(QStringLiteral(
        "SELECT \"DateVal\", coalesce(\"TimeSegments\", 'NULL') || '|' || coalesce(\"Date comment\", 'NULL') || '|'"
        " || minutes1 || '|' || minutes2 || '|' || \"DayStart\" || '|' || \"DayStop\" FROM days WHERE \"NameLink\" = ?;"));
    stmt.bind(1, calendar);
    std::map<QDate, QString> days;
    while (stmt.step())
        days[stmt.column(0).toDate()] = stmt.column(1).toString();
    EXPECT_EQ(days.size(), 366u);
    return days;
}

// What days() gives for a day holding `content`.
QString stored_form(const DayContent &content)
{
    const DayValues &v = content.values;
    return QStringLiteral("%1|%2|%3|%4|%5|%6").arg(content.segments, content.comment).arg(v.minutes1).arg(v.minutes2)
        .arg(v.day_start).arg(v.day_stop);
}

// The history entries of the saves of the calendar: one for each accepted
// save, none for a refused or cut-off one.
qint32 saves_recorded(Database &db, qint32 calendar)
{
    return qint32(test::scalar(db, QStringLiteral("SELECT count(*) FROM change_history WHERE \"CalendarLink\" = %1"
                                                  " AND \"Action\" LIKE '%saved:%'").arg(calendar)));
}

// After whole-year saves were cut off: the stored revision is the last one
// `reported` as committed, or the one after (cut between its commit and the
// report), and every day holds that revision's content. Updates `reported`.
void expect_one_content(Database &db, qint32 calendar, qint32 first_revision, qint32 &reported)
{
    const qint32 stored = revision(db, calendar);
    ASSERT_TRUE(stored == reported || stored == reported + 1)
        << "stored revision " << stored << ", last reported " << reported;
    EXPECT_EQ(saves_recorded(db, calendar), stored - first_revision);
    const QString expected = stored_form(stored == first_revision ? DayContent() : year_content(stored));
    for (const auto &[date, day] : days(db, calendar))
        ASSERT_EQ(day, expected) << date.toString(Qt::ISODate).toStdString() << " is not of revision " << stored;
    reported = stored;
}

// The revision reported last among a crash worker's lines; `reported` if none.
qint32 last_saved(Worker &worker, qint32 reported)
{
    const QStringList saved = worker.lines().filter(QStringLiteral("saved "));
    return saved.isEmpty() ? reported : saved.last().mid(6).toInt();
}

// A calendar of kFaultYear in a database that the test holds closed, a file
// or on the test server.
class SharedFile : public ::testing::TestWithParam<test::Backend>
{
protected:
    void SetUp() override
    {
        calendar = create_calendar(base.db(), QStringLiteral("Shared"), kFaultYear);
        ASSERT_GT(calendar, 0);
        first_revision = revision(base.db(), calendar);
        base.close();
    }

    test::TestDatabase base{GetParam()};
    qint32 calendar = 0, first_revision = 0;
    const quint32 seed = QRandomGenerator::global()->generate();
};
using Concurrency = SharedFile;
using Crash = SharedFile;
INSTANTIATE_TEST_SUITE_P(Backends, Concurrency, ::testing::ValuesIn(test::backends()), test::backend_name);
// Killing a workstation mid-save: on a server the transaction simply ends
// with its connection; on a file the next open must roll the journal back.
INSTANTIATE_TEST_SUITE_P(Backends, Crash, ::testing::Values(test::Backend::File), test::backend_name);

// The worker's lines for `mode` on `path`, after checking that it neither
// hung nor crashed.
QStringList run_worker(const char *mode, const QString &path, const QStringList &command = {QStringLiteral(DAYVANE_FAULT_WORKER)})
{
    Worker worker({QString::fromLatin1(mode), path}, command);
    EXPECT_TRUE(worker.process.waitForFinished(kTimeoutMs)) << mode << " hangs: " << path.toStdString();
    EXPECT_TRUE(worker.process.exitStatus() == QProcess::NormalExit && worker.process.exitCode() == 0)
        << mode << " crashes or fails: " << path.toStdString() << "\n" << worker.error_output();
    return worker.lines();
}

// The bytes of a filled calendar database, made once.
const QByteArray &database_bytes()
{
    static const QByteArray bytes = [] {
        test::TestDatabase source;
        test::fill_sample(source.db());
        create_calendar(source.db(), QStringLiteral("Full year"), 2024);
        source.close();
        return test::read_file(source.path());
    }();
    return bytes;
}

// The worker's openings of one file.
struct OpenAttempt
{
    int step = -1;        // open_calendar_database
    int files_left = -1;  // more open after it than before
    QString detail;
    bool opened = false;  // open_existing_database
    QString existing;     // "NUMBER DESCRIPTION" of its error, or what it read
};

OpenAttempt open_in_worker(const QString &path, const QStringList &command)
{
    OpenAttempt attempt;
    for (const QString &line : run_worker("open", path, command)) {
        if (line.startsWith(u"calendar ")) {
            attempt.step = line.section(u' ', 1, 1).toInt();
            attempt.files_left = line.section(u' ', 2, 2).toInt();
            attempt.detail = line.section(u' ', 3);
        } else if (line.startsWith(u"existing ")) {
            attempt.opened = line.section(u' ', 1, 1) == u"opened";
            attempt.existing = line.section(u' ', 2);
        }
    }
    EXPECT_NE(attempt.step, -1) << "the worker reported nothing";
    return attempt;
}

using P = QFileDevice;
constexpr P::Permissions kRead = P::ReadOwner | P::ReadOther, kWrite = P::WriteOwner | P::WriteOther,
                         kEnter = P::ExeOwner | P::ExeOther;
using Make = std::function<void(const QString &)>;

Make holding(const QByteArray &content)
{
    return [=](const QString &path) { test::write_file(path, content); };
}

Make keyed(const QString &connect, const char *sql)
{
    return [=](const QString &path) {
        Database::open(path, key_from_connect_string(connect), Database::OpenMode::Create).exec(QString::fromUtf8(sql));
    };
}

} // namespace

TEST_P(Concurrency, TwoProcessesLoseNoChangeAndRefuseEveryStaleOne)
{
    constexpr int kChanges = 150;
    std::vector<std::unique_ptr<Worker>> workers;
    const QString station = base.workstation_path();
    for (int tag = 0; tag < 2; ++tag) {
        workers.push_back(std::make_unique<Worker>(QStringList{QStringLiteral("concurrency"), station,
            QString::number(calendar), QString::number(tag), QString::number(kChanges), QString::number(seed + tag)}));
        ASSERT_TRUE(workers.back()->wait_for_line(QStringLiteral("ready"))) << workers.back()->error_output();
    }
    for (auto &worker : workers) {
        worker->process.write("go\n");
        worker->process.waitForBytesWritten();
    }
    for (auto &worker : workers)
        ASSERT_TRUE(worker->process.waitForFinished(kTimeoutMs) && worker->process.exitCode() == 0) << worker->error_output();
    Database db = open_existing_database(base.path());
    const std::map<QDate, QString> stored = days(db, calendar);
    std::set<qint32> revisions;  // made by accepted changes
    for (int tag = 0; tag < 2; ++tag) {
        // After "ready", one verdict a change: accepted with the revision it
        // made, or refused as out of date. Any other error, such as giving up
        // waiting for the other writer, ends the worker.
        const QStringList lines = workers[size_t(tag)]->lines().mid(1);
        ASSERT_EQ(lines.size(), kChanges + 1) << lines.join(u'\n').toStdString();
        EXPECT_EQ(lines.last(), QStringLiteral("done %1").arg(kChanges));
        for (int change = 0; change < kChanges; ++change) {
            const QString day = stored.at(concurrency_date(tag, change));
            if (lines[change] == QStringLiteral("refused %1").arg(change)) {
                EXPECT_EQ(day, stored_form({})) << "written by refused change " << change;
                continue;
            }
            const qint32 made = lines[change].section(u' ', 2).toInt();
            EXPECT_EQ(lines[change], QStringLiteral("accepted %1 %2").arg(change).arg(made));
            EXPECT_TRUE(revisions.insert(made).second) << "two changes made revision " << made;
            EXPECT_EQ(day, stored_form(change_content(tag, change, made))) << "lost: change " << change << " of " << tag;
        }
    }
    // The accepted changes made every revision since the first, one each.
    const qint32 last = revision(db, calendar);
    EXPECT_EQ(int(revisions.size()), last - first_revision);
    EXPECT_EQ(saves_recorded(db, calendar), last - first_revision);
    EXPECT_TRUE(revisions.empty() || (*revisions.begin() == first_revision + 1 && *revisions.rbegin() == last));
}

// Two workstations open an older database together: both read its version
// while a third holds the writer's lock, then both upgrade when it lets go.
// The second finds the work done, and neither is told the database is not
// a calendar database.
TEST_P(Concurrency, TwoProcessesOpeningAnOlderDatabaseTogetherBothOpenIt)
{
    Database db = open_existing_database(base.path());
    test::make_older(db, 1);
    std::optional<Transaction> holding(std::in_place, db);
    test::scalar(db, QStringLiteral("SELECT count(*) FROM calendars;"));  // the lock is taken
    std::vector<std::unique_ptr<Worker>> workers;
    for (int i = 0; i < 2; ++i)
        workers.push_back(std::make_unique<Worker>(QStringList{QStringLiteral("open"), base.path()}));
    QThread::msleep(2000);
    holding.reset();
    for (auto &worker : workers) {
        ASSERT_TRUE(worker->process.waitForFinished(kTimeoutMs)) << worker->error_output();
        EXPECT_TRUE(worker->lines().value(0).startsWith(u"calendar 0 ")) << worker->lines().join(u'\n').toStdString();
    }
    EXPECT_EQ(db.user_version(), schema_version_of(db));
    EXPECT_TRUE(db.has_table(QStringLiteral("change_history")));
}

TEST_P(Crash, KilledWholeYearSavesLeaveOneContent)
{
    constexpr int kKills = 100;
    QRandomGenerator random(seed);
    qint32 reported = first_revision;  // the last revision reported as committed
    int interrupted = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(QStringLiteral("kill %1, seed %2").arg(kill).arg(seed).toStdString());
        Worker worker({QStringLiteral("crash"), base.path(), QString::number(calendar)});
        ASSERT_TRUE(worker.wait_for_line(QStringLiteral("ready"))) << worker.error_output();
        QThread::msleep(random.bounded(3, 101));
        worker.kill();
        ASSERT_EQ(worker.process.exitStatus(), QProcess::CrashExit) << "ended on its own: " << worker.error_output();
        reported = last_saved(worker, reported);
        // A hot journal: the kill caught a save between its first write and
        // its commit, and the next open must roll it back.
        interrupted += QFileInfo(base.path() + QStringLiteral("-journal")).size() > 0;
        Database db = open_existing_database(base.path());
        ASSERT_NO_FATAL_FAILURE(expect_one_content(db, calendar, first_revision, reported));
    }
    EXPECT_GT(interrupted, 0) << "no kill caught a save in the middle";
}

// A primary and its synchronous standby on loopback, the workstation's
// address naming both with target_session_attrs=read-write. Failovers take
// turns: the primary stopped at once mid-save, or its machine hanging while
// cut off from the standby too, with a save waiting for the standby. Each
// time the standby is promoted, the workstation's next command finds it by
// itself, and it holds every change told saved; a change in flight is told
// saved, not saved, or "may or may not" (then either holds). The old primary
// then follows the new one, and the next failover goes back.
// DAYVANE_FAILOVERS sets how many (2 when unset); each prints its time from
// the fault to the workstation's next save.
TEST(ServerFailover, ThePromotedStandbyHoldsEveryChangeToldSavedAndTheWorkstationFindsIt)
{
    const int asked = qEnvironmentVariableIntValue("DAYVANE_FAILOVERS"), failovers = asked > 0 ? asked : 2;
    std::unique_ptr<test::TestServer> primary = test::TestServer::start_own(true);
    const QString owner = primary->create_database();
    qint32 calendar = 0, first_revision = 0;
    {
        Database db = Database::connect(owner);
        create_schema(db);
        calendar = create_calendar(db, QStringLiteral("Shared"), kFaultYear);
        first_revision = revision(db, calendar);
    }
    ASSERT_GT(calendar, 0);
    primary->workstation_address(owner);
    std::unique_ptr<test::TestServer> standby = primary->start_standby();
    // The hung primary's connections are given up after the request limit
    // (4 s) and its new ones after connect_timeout (5 s).
    const auto both = [&, ports = std::pair(primary->port(), standby->port())](const char *user) {
        return QStringLiteral("postgresql://%1@127.0.0.1:%2,127.0.0.1:%3/%4?target_session_attrs=read-write"
                              "&dayvane_request_timeout=4")
            .arg(QLatin1String(user)).arg(ports.first).arg(ports.second).arg(*address_setting(owner, QStringLiteral("dbname")));
    };
    Worker worker({QStringLiteral("failover"), both("dayvane_ws"), QString::number(calendar)});
    ASSERT_TRUE(worker.wait_for_line(QStringLiteral("ready"))) << worker.error_output();
    const auto now_ms = [] {  // the worker's clock
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
    };
    // The worker's lines "what detail time" told after `after`, starting with `what`.
    const auto told_after = [&](qint64 after, const QString &what) {
        QStringList told;
        for (const QString &line : worker.lines())
            if (line.section(u' ', 2).toLongLong() > after && line.startsWith(what + u' '))
                told << line;
        return told;
    };
    // Waits for `count` saves told after `after`; the time of the first.
    const auto saves_after = [&](qint64 after, int count) -> std::optional<qint64> {
        while (told_after(after, QStringLiteral("saved")).size() < count)
            if (!worker.process.waitForReadyRead(kTimeoutMs))
                return std::nullopt;
        return told_after(after, QStringLiteral("saved")).first().section(u' ', 2).toLongLong();
    };
    std::map<QString, std::vector<qint64>> times;  // by kind of fault
    QRandomGenerator random(QRandomGenerator::global()->generate());
    for (int failover = 0; failover < failovers; ++failover) {
        // The old primary is the address's first host, then its second, and
        // so on: hung first (a connection to it waits for connect_timeout)
        // and second, stopped (refused at once) second and first.
        const bool hangs = failover % 4 == 0 || failover % 4 == 3;
        SCOPED_TRACE(QStringLiteral("failover %1").arg(failover).toStdString());
        // Saves waited for by the standby.
        ASSERT_TRUE(saves_after(now_ms(), 2)) << worker.error_output();
        if (hangs) {
            standby->cut_off();
            Database admin = Database::connect(primary->admin_address());
            bool waiting = false;
            const QString waits = QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE wait_event = 'SyncRep'");
            for (int i = 0; i < 1000 && !waiting; ++i, QThread::msleep(10))
                waiting = test::scalar(admin, waits) > 0;
            ASSERT_TRUE(waiting) << "no save waits for the standby";
        } else {
            QThread::msleep(random.bounded(1, 60));
        }
        const qint64 fault = now_ms();
        hangs ? primary->freeze() : primary->stop_immediately();
        const qint64 down = now_ms();
        standby->promote();
        const std::optional<qint64> saved = saves_after(down, 1);
        ASSERT_TRUE(saved) << worker.error_output();
        const QString kind = hangs ? QStringLiteral("hung, cut off") : QStringLiteral("stopped");
        times[kind].push_back(*saved - down);
        // What each command that failed was told.
        const QStringList lost = told_after(fault, QStringLiteral("lost")).replaceInStrings(QRegularExpression(QStringLiteral(" \\d+$")), QString());
        std::printf("failover %d (%s): next save %lld ms after the primary went; before it: %s\n", failover,
                    qPrintable(kind), *saved - down, qPrintable(lost.join(u' ')));
        if (failover + 1 < failovers)
            primary->follow(*standby);
        std::swap(primary, standby);
    }
    ASSERT_TRUE(saves_after(now_ms(), 1)) << worker.error_output();
    worker.kill();
    // Each save made one more than the revision the server held: the last
    // told saved or, after a change told "may or may not", maybe one more.
    // A change told saved and lost, or told not saved and kept, breaks it.
    const QStringList lines = worker.lines().mid(1);
    qint32 held = first_revision;
    bool maybe = false;
    for (const QString &line : lines) {
        if (line.startsWith(u"lost ")) {
            maybe = maybe || line.section(u' ', 1, 1) == u"unknown";
            continue;
        }
        const qint32 made = line.section(u' ', 1, 1).toInt();
        ASSERT_TRUE(made == held + 1 || (maybe && made == held + 2)) << "held " << held << ", then " << line.toStdString();
        held = made;
        maybe = false;
    }
    Database db = Database::connect(both("dayvane_admin"));
    ASSERT_NO_FATAL_FAILURE(expect_one_content(db, calendar, first_revision, held));
    for (auto &[kind, ms] : times) {
        std::sort(ms.begin(), ms.end());
        std::printf("%s: %zu failovers, next save after %lld / %lld / %lld ms (min / median / max)\n", qPrintable(kind),
                    ms.size(), ms.front(), ms[ms.size() / 2], ms.back());
    }
}

TEST(HostileSettings, HugeOrEndlessFilesGiveDefaults)
{
    QTemporaryDir dir;
    const QString huge = dir.filePath("huge"), pipe = dir.filePath("pipe"), device = dir.filePath("zero");
    // 100 MiB of near misses of the real keys, which must all be ignored.
    const QByteArray lines =
        QByteArray("[top]=1\r\n[Unknown 1]=1,2,3\r\nTop=2,[Left ]=5\r\n[View Index]=7,=,,==[db path]=x\r\n").repeated(10'000);
    {
        QFile out(huge);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        while (out.size() < 100 * 1024 * 1024)
            ASSERT_EQ(out.write(lines), lines.size());
    }
    // Nobody ever writes to the pipe: reading it would wait for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
    for (const QString &path : {huge, pipe, device}) {
        // "settings READ VALUES PEAK_KIB": only a regular file is read, and
        // only its beginning, whatever its size.
        const QStringList words = run_worker("settings", path).value(0).split(u' ');
        ASSERT_EQ(words.size(), 4) << path.toStdString();
        EXPECT_EQ(words.mid(1, 2), QStringList({path == huge ? "1" : "0", "0"})) << path.toStdString();
        EXPECT_LT(words[3].toInt() / 1024, 150) << path.toStdString() << ": peak MiB";
    }
}

TEST(HostileDatabase, WhatIsNoUsableCalendarDatabaseIsRefusedAndLeftAsItWas)
{
    // Root writes and reads every file, so root opens as nobody: from a
    // folder of the system's temporary space (the build tree may be closed
    // to nobody), with a copy of the worker there.
    const QString temp = get_drive_type(QDir::tempPath()) != 0 ? QDir::tempPath() : QStringLiteral("/var/tmp");
    QTemporaryDir dir(QDir(temp).filePath(QStringLiteral("hostile-XXXXXX")));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), kRead | kEnter | P::WriteOwner));
    QStringList command{QStringLiteral(DAYVANE_FAULT_WORKER)};
    if (geteuid() == 0) {
        const QString copy = dir.filePath(QStringLiteral("worker"));
        ASSERT_TRUE(QFile::copy(command.first(), copy));
        command = QStringList{"runuser", "-u", "nobody", "--", copy};
    }
    const QByteArray &bytes = database_bytes();
    const qsizetype size = bytes.size();
    // Each file in a folder of its own name; the step where opening it must
    // stop (kCut: a file cut short, which may open if no page that a query
    // reads was cut; kRefused: any refusal); whether it opens without the
    // checks; what the program may do with the file and its folder.
    constexpr int kCut = -1, kRefused = -2;
    struct Case { QString name; Make make; int step; bool opens = false;
                  P::Permissions file = kRead | kWrite, folder = kRead | kWrite | kEnter; };
    std::vector<Case> cases = {
        {QStringLiteral("intact"), holding(bytes), int(OpenStep::Opened), true},
        // The message names the file; the folder is where each save keeps
        // its journal.
        {QStringLiteral("read-only"), holding(bytes), int(OpenStep::WriteProtected), true, kRead},
        {QStringLiteral("read-only folder"), holding(bytes), int(OpenStep::WriteProtected), true, kRead | kWrite, kRead | kEnter},
        {QStringLiteral("unreadable"), holding(bytes), int(OpenStep::Unreadable), false, {}},
        {QStringLiteral("first page"), holding(bytes.left(600)), int(OpenStep::NotValid)},
        {QStringLiteral("zeroed"), holding(QByteArray(size, '\0')), int(OpenStep::NotValid)},
        {QStringLiteral("text"), holding(QByteArray(5000, 'x')), int(OpenStep::NotValid)},
        // An empty file is an empty database to the engine, whatever the key.
        {QStringLiteral("empty"), holding({}), int(OpenStep::OpensWithFirstKey)},
        // Another program's database, keyed with the first candidate, in WAL mode.
        {QStringLiteral("first key"), keyed(kFirstConnectString, "PRAGMA journal_mode = WAL; CREATE TABLE t (x);"),
         int(OpenStep::OpensWithFirstKey)},
        // Keyed with the right password but holding no calendar schema.
        {QStringLiteral("bare"), keyed(kSecondConnectString, "CREATE TABLE t (x);"), int(OpenStep::NotValid)},
        {QStringLiteral("newer"),
         [](const QString &path) { create_calendar_database(path).exec(QStringLiteral("PRAGMA user_version = 99;")); },
         int(OpenStep::SchemaTooNew)},
        {QStringLiteral("missing"), [](const QString &) {}, int(OpenStep::NotValid)},
        {QStringLiteral("folder"), [](const QString &path) { QDir().mkpath(path); }, int(OpenStep::NotValid)},
        {QStringLiteral("loop"), [](const QString &path) {
             const QString other = QFileInfo(path).path() + QStringLiteral("/other.mdb");
             ASSERT_TRUE(QFile::link(other, path) && QFile::link(path, other));
         }, kRefused},
    };
    std::vector<qsizetype> offsets = {0, 1, 15, 16, 100, 1023, 1024, 1025, 2048, 4096, size / 2, size - 1024, size - 1};
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    for (int i = 0; i < 8; ++i)
        offsets.push_back(random.bounded(qint64(size)));
    for (const qsizetype offset : offsets)
        cases.push_back({QStringLiteral("cut at %1").arg(offset), holding(bytes.left(offset)), kCut});
    OpenAttempt intact;
    for (const Case &c : cases) {
        const QString path = QDir(dir.filePath(c.name)).filePath(kDatabaseFileName);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        c.make(path);
        ASSERT_TRUE(!QFileInfo(path).isFile() || QFile::setPermissions(path, c.file));
        ASSERT_TRUE(QFile::setPermissions(QFileInfo(path).path(), c.folder));
        const bool existed = QFileInfo::exists(path);
        const QByteArray before = test::read_file(path);
        const OpenAttempt attempt = open_in_worker(path, command);
        const std::string what = QStringLiteral("%1 of %2 bytes (seed %3): %4 / %5")
                                     .arg(c.name).arg(size).arg(seed).arg(attempt.detail, attempt.existing).toStdString();
        if (c.name == u"intact")
            intact = attempt;
        // Opening must never write into a damaged file nor make one.
        EXPECT_EQ(QFileInfo::exists(path), existed) << what;
        EXPECT_TRUE(test::read_file(path) == before) << what;
        if (c.step >= 0) {
            EXPECT_EQ(attempt.step, c.step) << what;
        } else if (c.step == kRefused) {
            EXPECT_NE(attempt.step, int(OpenStep::Opened)) << what;
        }
        EXPECT_TRUE(attempt.step == int(OpenStep::Opened) || attempt.files_left == 0) << what << ": a connection stays open";
        EXPECT_TRUE(attempt.step != int(OpenStep::WriteProtected) || attempt.detail.contains(QStringLiteral("''%1''").arg(path)))
            << what;
        EXPECT_TRUE(attempt.step != int(OpenStep::Unreadable) || attempt.detail == u"Permission denied") << what;
        if (c.step != kCut || attempt.step != int(OpenStep::Opened)) {
            EXPECT_EQ(attempt.opened, c.opens) << what;
        } else if (attempt.opened) {
            // Only pages that no query reads were cut: every record must
            // read exactly as in the intact file. The integrity check at the
            // end of the line may still name the damage.
            EXPECT_EQ(attempt.existing.section(u' ', 0, 2), intact.existing.section(u' ', 0, 2)) << what;
        }  // else opening read past the damage, and reading everything found it
        EXPECT_TRUE(attempt.opened || (attempt.existing.section(u' ', 0, 0).toInt() > 0 &&  // an engine error
                                       !attempt.existing.section(u' ', 1).trimmed().isEmpty())) << what;  // described
        ASSERT_TRUE(QFile::setPermissions(QFileInfo(path).path(), kRead | kWrite | kEnter));
    }
    EXPECT_TRUE(intact.existing.endsWith(u" ok")) << intact.existing.toStdString();
}
