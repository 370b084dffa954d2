// A workstation dies (power cut, killed process) in the middle of saving a
// whole year. The rollback journal must leave the year as it was before or
// after the save, never half of each, and the revision must agree.

#include "faultsupport.h"

#include "calendars/calendarstore.h"
#include "store/connection.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <iostream>

using namespace dayvane;
using namespace dayvane::faults;

TEST(Crash, KilledWholeYearSavesLeaveOneContent)
{
    const int kills = loop_count("DAYVANE_FAULT_KILLS", 100);
    test::TestDatabase base;
    const qint32 calendar = create_calendar(base.db(), QStringLiteral("Killed"), kFaultYear);
    ASSERT_GT(calendar, 0);
    const qint32 first_revision = stored_revision(base.db(), calendar);
    base.close();

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
