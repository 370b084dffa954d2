// One calendar database file and processes that share it. Two workstations
// change the same calendar at full speed: every change checks the revision
// it read and adds 1 in one transaction, so a stale change must be refused
// and no accepted change may ever be lost. A workstation dies (power cut,
// killed process) in the middle of saving a whole year: the rollback
// journal must leave the year as it was before or after the save, never
// half of each, and the revision must agree.

#include "faultsupport.h"

#include "calendars/calendarstore.h"
#include "store/connection.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <iostream>
#include <map>
#include <set>

using namespace dayvane;
using namespace dayvane::faults;

namespace {

// A calendar of kFaultYear in a file that the test holds closed; the checks
// read it with plain SQL so they do not lean on the code under test.
class SharedFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        calendar = create_calendar(base.db(), QStringLiteral("Shared"), kFaultYear);
        ASSERT_GT(calendar, 0);
        first_revision = revision(base.db());
        base.close();
    }

    qint32 revision(Database &db) const
    {
        return qint32(test::scalar(db, QStringLiteral("SELECT revision FROM calendars WHERE id = %1;").arg(calendar)));
    }
    // Checks the file's integrity and reads every day of the year as
    // "segments|comment|minutes1|minutes2|start|stop" (texts never null).
    std::map<QDate, QString> days(Database &db) const
    {
        Statement check = db.prepare(QStringLiteral("PRAGMA integrity_check;"));
        EXPECT_TRUE(check.step() && check.column(0).toString() == u"ok");
        Statement stmt = db.prepare(QStringLiteral("SELECT DateVal, printf('%s|%s|%d|%d|%d|%d', ifnull(TimeSegments, 'NULL'), "
                                                   "ifnull(\"Date comment\", 'NULL'), minutes1, minutes2, DayStart, DayStop) "
                                                   "FROM days WHERE NameLink = ?;"));
        stmt.bind(1, calendar);
        std::map<QDate, QString> days;
        while (stmt.step())
            days[stmt.column(0).toDate()] = stmt.column(1).toString();
        EXPECT_EQ(days.size(), 366u);
        return days;
    }
    // What days() gives for a day holding `content`; a day never written for
    // an empty DayContent.
    static QString stored_form(const DayContent &content)
    {
        const DayValues &v = content.values;
        return QStringLiteral("%1|%2|%3|%4|%5|%6").arg(content.segments, content.comment).arg(v.minutes1).arg(v.minutes2)
            .arg(v.day_start).arg(v.day_stop);
    }

    test::TestDatabase base;
    qint32 calendar = 0;
    qint32 first_revision = 0;
    const quint32 seed = QRandomGenerator::global()->generate();
};
using Concurrency = SharedFile;
using Crash = SharedFile;

} // namespace

TEST_F(Concurrency, TwoProcessesLoseNoChangeAndRefuseEveryStaleOne)
{
    constexpr int kChanges = 150;
    std::vector<std::unique_ptr<Worker>> workers;
    for (int tag = 0; tag < 2; ++tag) {
        workers.push_back(std::make_unique<Worker>(QStringList{QStringLiteral("concurrency"), base.path(),
            QString::number(calendar), QString::number(tag), QString::number(kChanges), QString::number(seed + tag)}));
        ASSERT_TRUE(workers.back()->wait_for_line(QStringLiteral("ready"))) << workers.back()->error_output();
    }
    for (auto &worker : workers) {
        worker->process.write("go\n");
        worker->process.waitForBytesWritten();
    }
    for (auto &worker : workers) {
        ASSERT_TRUE(worker->process.waitForFinished(kTimeoutMs));
        ASSERT_EQ(worker->process.exitCode(), 0) << worker->error_output();
    }

    Database db = open_existing_database(base.path());
    const std::map<QDate, QString> stored = days(db);
    std::set<qint32> revisions;  // made by accepted changes
    int refused = 0;
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
                ++refused;
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
    const qint32 last = revision(db);
    EXPECT_EQ(int(revisions.size()), last - first_revision);
    EXPECT_TRUE(revisions.empty() || (*revisions.begin() == first_revision + 1 && *revisions.rbegin() == last));
    std::cout << "[ figures  ] concurrency: " << revisions.size() << " changes accepted, " << refused << " refused\n";
}

TEST_F(Crash, KilledWholeYearSavesLeaveOneContent)
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
        const QStringList saved = worker.lines().filter(QStringLiteral("saved "));
        if (!saved.isEmpty())
            reported = saved.last().mid(6).toInt();
        // A hot journal: the kill caught a save between its first write and
        // its commit, and the next open must roll it back.
        interrupted += QFileInfo(base.path() + QStringLiteral("-journal")).size() > 0;

        Database db = open_existing_database(base.path());
        const qint32 stored = revision(db);
        // The kill may land between a commit and its report, never earlier.
        ASSERT_TRUE(stored == reported || stored == reported + 1)
            << "stored revision " << stored << ", last reported " << reported;
        const QString expected = stored_form(stored == first_revision ? DayContent() : year_content(stored));
        int other = 0;
        for (const auto &[date, day] : days(db))
            other += day != expected;
        ASSERT_EQ(other, 0) << "days that do not belong to revision " << stored;
        reported = stored;
    }
    std::cout << "[ figures  ] crash: " << kKills << " kills, " << interrupted << " in the middle of a save (rolled back), "
              << reported - first_revision << " whole-year saves committed\n";
}
