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

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <iostream>
#include <set>

using namespace dayvane;
using namespace dayvane::faults;

namespace {

// A calendar of kFaultYear in a database file that the test holds closed.
class SharedFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        calendar = create_calendar(base.db(), QStringLiteral("Shared"), kFaultYear);
        ASSERT_GT(calendar, 0);
        first_revision = stored_revision(base.db(), calendar);
        base.close();
    }

    test::TestDatabase base;
    qint32 calendar = 0;
    qint32 first_revision = 0;
};
using Concurrency = SharedFile;
using Crash = SharedFile;

} // namespace

TEST_F(Concurrency, TwoProcessesLoseNoChangeAndRefuseEveryStaleOne)
{
    constexpr int kTimeoutMs = 120'000;
    const int changes = qMin(loop_count("DAYVANE_FAULT_CHANGES", 150), kMaxChangesPerWorker);
    const quint32 seed = QRandomGenerator::global()->generate();
    std::vector<std::unique_ptr<Worker>> workers;
    for (int tag = 0; tag < 2; ++tag) {
        workers.push_back(std::make_unique<Worker>(QStringList{QStringLiteral("concurrency"), base.path(),
            QString::number(calendar), QString::number(tag), QString::number(changes), QString::number(seed + tag)}));
        ASSERT_TRUE(workers.back()->wait_for_line(QStringLiteral("ready"), kTimeoutMs)) << workers.back()->error_output();
    }
    for (auto &worker : workers)
        worker->send_line("go");
    for (auto &worker : workers) {
        ASSERT_TRUE(worker->wait_for_exit(kTimeoutMs));
        ASSERT_EQ(worker->process().exitCode(), 0) << worker->error_output();
    }

    Database db = open_existing_database(base.path());
    EXPECT_EQ(integrity_check(db), u"ok");
    const std::map<QDate, QString> days = read_days(db, calendar);
    ASSERT_EQ(days.size(), 366u);
    int accepted = 0, refused = 0, lost = 0, written_by_refused = 0;
    std::set<qint32> revisions;
    for (int tag = 0; tag < 2; ++tag) {
        const QStringList lines = workers[size_t(tag)]->lines();
        EXPECT_EQ(lines.last(), QStringLiteral("done %1").arg(changes));
        EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^busy "))).size(), 0)
            << "a writer gave up waiting for the other";
        int outcomes = 0;
        for (const QString &line : lines) {
            const QStringList words = line.split(u' ');
            if (words.size() < 2 || (words[0] != u"accepted" && words[0] != u"refused"))
                continue;
            ++outcomes;
            const int change = words[1].toInt();
            const QDate date = concurrency_date(tag, change);
            if (words[0] == u"accepted") {
                ++accepted;
                revisions.insert(words[2].toInt());
                lost += days.at(date) != stored_form(change_content(tag, change, words[2].toInt()));
            } else {
                ++refused;
                written_by_refused += days.at(date) != stored_form({});
            }
        }
        EXPECT_EQ(outcomes, changes);
    }
    const qint32 final_revision = stored_revision(db, calendar);
    EXPECT_EQ(final_revision - first_revision, accepted);
    // Each accepted change made a revision of its own: none was based on
    // a revision that another accepted change had already used.
    EXPECT_EQ(int(revisions.size()), accepted);
    if (!revisions.empty()) {
        EXPECT_EQ(*revisions.begin(), first_revision + 1);
        EXPECT_EQ(*revisions.rbegin(), final_revision);
    }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(written_by_refused, 0);
    std::cout << "[ figures  ] concurrency: " << accepted << " changes accepted, " << refused
              << " refused as out of date, " << lost << " lost\n";
}

TEST_F(Crash, KilledWholeYearSavesLeaveOneContent)
{
    const int kills = loop_count("DAYVANE_FAULT_KILLS", 100);
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qint32 revision = first_revision;
    int interrupted = 0;
    for (int kill = 0; kill < kills; ++kill) {
        SCOPED_TRACE(QStringLiteral("kill %1, seed %2").arg(kill).arg(seed).toStdString());
        Worker worker({QStringLiteral("crash"), base.path(), QString::number(calendar), QString::number(kFaultYear)});
        ASSERT_TRUE(worker.wait_for_line(QStringLiteral("ready"), 60'000)) << worker.error_output();
        QThread::msleep(random.bounded(3, 101));
        worker.kill();
        ASSERT_EQ(worker.process().exitStatus(), QProcess::CrashExit) << "ended on its own: " << worker.error_output();
        // The last revision reported as committed.
        const QStringList saved = worker.lines().filter(QStringLiteral("saved "));
        const qint32 reported = saved.isEmpty() ? revision : saved.last().mid(6).toInt();
        // A hot journal: the kill caught a save between its first write and
        // its commit, and the next open must roll it back.
        interrupted += QFileInfo(base.path() + QStringLiteral("-journal")).size() > 0;

        Database db = open_existing_database(base.path());
        ASSERT_EQ(integrity_check(db), u"ok");
        const qint32 stored = stored_revision(db, calendar);
        // The kill may land between a commit and its report, never earlier.
        ASSERT_TRUE(stored == reported || stored == reported + 1)
            << "stored revision " << stored << ", last reported " << reported;
        const QString expected = stored_form(stored == first_revision ? DayContent() : year_content(stored));
        const std::map<QDate, QString> days = read_days(db, calendar);
        ASSERT_EQ(days.size(), 366u);
        int other = 0;
        for (const auto &[date, day] : days)
            other += day != expected;
        ASSERT_EQ(other, 0) << "days that do not belong to revision " << stored;
        revision = stored;
    }
    std::cout << "[ figures  ] crash: " << kills << " kills, " << interrupted << " in the middle of a save (rolled back), "
              << revision - first_revision << " whole-year saves committed; seed " << seed << "\n";
}
