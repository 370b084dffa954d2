// Two workstations change the same calendar at full speed. Every change
// checks the revision it read and adds 1 in one transaction, so a stale
// change must be refused and no accepted change may ever be lost.

#include "faultsupport.h"

#include "calendars/calendarstore.h"
#include "store/connection.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <iostream>
#include <set>

using namespace dayvane;
using namespace dayvane::faults;

namespace {

constexpr int kTimeoutMs = 120'000;

struct Outcome
{
    int tried = 0;
    std::map<int, qint32> accepted;  // change -> the revision it made
    std::set<int> refused;
    int busy = 0;
};

Outcome outcome_of(Worker &worker)
{
    Outcome outcome;
    for (const QString &line : worker.lines()) {
        const QStringList words = line.split(u' ');
        if (words.at(0) == u"accepted")
            outcome.accepted[words.at(1).toInt()] = words.at(2).toInt();
        else if (words.at(0) == u"refused")
            outcome.refused.insert(words.at(1).toInt());
        else if (words.at(0) == u"busy")
            ++outcome.busy;
        else if (words.at(0) == u"done")
            outcome.tried = words.at(1).toInt();
    }
    return outcome;
}

} // namespace

TEST(Concurrency, TwoProcessesLoseNoChangeAndRefuseEveryStaleOne)
{
    const int changes = qMin(loop_count("DAYVANE_FAULT_CHANGES", 150), kMaxChangesPerWorker);
    test::TestDatabase base;
    const qint32 calendar = create_calendar(base.db(), QStringLiteral("Shared"), kFaultYear);
    ASSERT_GT(calendar, 0);
    const qint32 first_revision = stored_revision(base.db(), calendar);
    base.close();

    const quint32 seed = QRandomGenerator::global()->generate();
    Worker one({QStringLiteral("concurrency"), base.path(), QString::number(calendar), QStringLiteral("0"),
                QString::number(changes), QString::number(seed)});
    Worker two({QStringLiteral("concurrency"), base.path(), QString::number(calendar), QStringLiteral("1"),
                QString::number(changes), QString::number(seed + 1)});
    ASSERT_TRUE(one.wait_for_line(QStringLiteral("ready"), kTimeoutMs)) << one.error_output().toStdString();
    ASSERT_TRUE(two.wait_for_line(QStringLiteral("ready"), kTimeoutMs)) << two.error_output().toStdString();
    one.send_line("go");
    two.send_line("go");
    ASSERT_TRUE(one.wait_for_exit(kTimeoutMs));
    ASSERT_TRUE(two.wait_for_exit(kTimeoutMs));
    ASSERT_EQ(one.process().exitCode(), 0) << one.error_output().toStdString();
    ASSERT_EQ(two.process().exitCode(), 0) << two.error_output().toStdString();

    const Outcome outcomes[] = {outcome_of(one), outcome_of(two)};
    int tried = 0, accepted = 0, refused = 0;
    std::set<qint32> revisions;
    for (const Outcome &outcome : outcomes) {
        EXPECT_EQ(outcome.tried, changes);
        EXPECT_EQ(outcome.busy, 0) << "a writer gave up waiting for the other";
        EXPECT_EQ(int(outcome.accepted.size() + outcome.refused.size()), changes);
        tried += outcome.tried;
        accepted += int(outcome.accepted.size());
        refused += int(outcome.refused.size());
        for (const auto &[change, revision] : outcome.accepted)
            revisions.insert(revision);
    }

    Database db = open_existing_database(base.path());
    EXPECT_EQ(integrity_check(db), u"ok");
    const qint32 final_revision = stored_revision(db, calendar);
    EXPECT_EQ(final_revision - first_revision, accepted);
    // Each accepted change made a revision of its own: none was based on
    // a revision that another accepted change had already used.
    EXPECT_EQ(int(revisions.size()), accepted);
    if (!revisions.empty()) {
        EXPECT_EQ(*revisions.begin(), first_revision + 1);
        EXPECT_EQ(*revisions.rbegin(), final_revision);
    }

    const std::map<QDate, StoredDay> days = read_days(db, calendar);
    ASSERT_EQ(days.size(), 366u);
    int lost = 0, written_by_refused = 0;
    for (int tag = 0; tag < 2; ++tag) {
        for (const auto &[change, revision] : outcomes[tag].accepted) {
            if (days.at(concurrency_date(tag, change)) != stored_form(change_content(tag, change, revision)))
                ++lost;
        }
        for (int change : outcomes[tag].refused) {
            if (days.at(concurrency_date(tag, change)) != StoredDay())
                ++written_by_refused;
        }
    }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(written_by_refused, 0);

    std::cout << "[ figures  ] concurrency: " << tried << " changes tried, " << accepted << " accepted, " << refused
              << " refused as out of date, " << lost << " lost; final revision " << final_revision << " (started at "
              << first_revision << ")\n";
    RecordProperty("changes_tried", tried);
    RecordProperty("changes_accepted", accepted);
    RecordProperty("changes_refused", refused);
    RecordProperty("changes_lost", lost);
}
