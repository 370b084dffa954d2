// A workstation dies (power cut, killed process) in the middle of saving a
// whole year. The rollback journal must leave the year as it was before or
// after the save, never half of each, and the revision must agree.

#include "faultsupport.h"

#include "calendars/calendarstore.h"
#include "store/connection.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <iostream>

using namespace dayvane;
using namespace dayvane::faults;

namespace {

constexpr int kTimeoutMs = 60'000;

// The last revision the worker reported as committed; `before` if none.
qint32 last_saved(const QStringList &lines, qint32 before)
{
    qint32 saved = before;
    for (const QString &line : lines) {
        if (line.startsWith(u"saved "))
            saved = line.mid(6).toInt();
    }
    return saved;
}

} // namespace

TEST(Crash, KilledWholeYearSavesLeaveOneContent)
{
    const int kills = loop_count("DAYVANE_FAULT_KILLS", 100);
    test::TestDatabase base;
    const qint32 calendar = create_calendar(base.db(), QStringLiteral("Killed"), kFaultYear);
    ASSERT_GT(calendar, 0);
    const qint32 first_revision = stored_revision(base.db(), calendar);
    base.close();
    const QString journal = base.path() + QStringLiteral("-journal");

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    RecordProperty("seed", int(seed & 0x7fffffff));
    qint32 revision = first_revision;
    int survived = 0, interrupted = 0;
    for (int kill = 0; kill < kills; ++kill) {
        SCOPED_TRACE(QStringLiteral("kill %1, seed %2").arg(kill).arg(seed).toStdString());
        Worker worker({QStringLiteral("crash"), base.path(), QString::number(calendar), QString::number(kFaultYear)});
        ASSERT_TRUE(worker.wait_for_line(QStringLiteral("ready"), kTimeoutMs)) << worker.error_output().toStdString();
        QThread::msleep(random.bounded(3, 101));
        worker.kill();
        ASSERT_EQ(worker.process().exitStatus(), QProcess::CrashExit)
            << "the worker ended on its own: " << worker.error_output().toStdString();
        const qint32 reported = last_saved(worker.lines(), revision);
        // A hot journal: the kill caught a save between its first write and
        // its commit, and the next open must roll it back.
        if (QFileInfo(journal).size() > 0)
            ++interrupted;

        Database db = open_existing_database(base.path());
        ASSERT_EQ(integrity_check(db), u"ok");
        const qint32 stored = stored_revision(db, calendar);
        // The kill may land between a commit and its report, never earlier.
        ASSERT_TRUE(stored == reported || stored == reported + 1)
            << "stored revision " << stored << ", last reported " << reported;

        const std::map<QDate, StoredDay> days = read_days(db, calendar);
        ASSERT_EQ(days.size(), 366u);
        const StoredDay expected = stored == first_revision ? StoredDay() : stored_form(year_content(stored));
        int other = 0;
        for (const auto &[date, day] : days) {
            if (day != expected)
                ++other;
        }
        ASSERT_EQ(other, 0) << "days that do not belong to revision " << stored;
        revision = stored;
        ++survived;
    }

    const int saves = revision - first_revision;
    std::cout << "[ figures  ] crash: " << survived << " of " << kills << " kills survived, " << interrupted
              << " of them in the middle of a save (rolled back), " << saves
              << " whole-year saves committed; seed " << seed << "\n";
    RecordProperty("kills", kills);
    RecordProperty("kills_survived", survived);
    RecordProperty("kills_mid_save", interrupted);
    RecordProperty("saves_committed", saves);
}
