#include "store/connection.h"
#include "store/dberror.h"
#include "store/recordset.h"
#include "store/transaction.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

using namespace dayvane;
using namespace dayvane::test;

TEST(Transaction, AFailureHalfWayLeavesNoChange)
{
    TestDatabase t;
    const Sample s = fill_sample(t.db());
    try {
        Transaction transaction(t.db());
        RecordSet set = RecordSet::open(t.db(), QStringLiteral("PARAMETERS RecordID Long=%1; SELECT Q004.* FROM Q004;").arg(s.alpha));
        set.edit();
        set.set_field(QStringLiteral("revision"), 7);
        set.update();
        // Renaming onto a used name fails inside the same transaction.
        RecordSet other = RecordSet::open(t.db(), QStringLiteral("PARAMETERS RecordID Long=%1; SELECT Q004.* FROM Q004;").arg(s.zeta));
        other.edit();
        other.set_field(QStringLiteral("Name"), QStringLiteral("ALPHA"));
        other.update();
        transaction.commit();
        ADD_FAILURE() << "the duplicate name was accepted";
    } catch (const DbError &error) {
        EXPECT_EQ(error.number(), 19);
    }
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT revision FROM calendars WHERE id = %1").arg(s.alpha)), 0);
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT count(*) FROM calendars WHERE Name = 'zeta office'")), 1);

    {
        Transaction transaction(t.db());
        t.db().exec(QStringLiteral("UPDATE calendars SET revision = 3;"));
        transaction.commit();
    }
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT min(revision) FROM calendars")), 3);
}

TEST(Transaction, ASecondWriterWaitsForTheFirst)
{
    TestDatabase t;
    fill_sample(t.db());
    Database second = open_existing_database(t.path());

    std::promise<void> locked;
    std::promise<void> release;
    std::thread first([&] {
        Transaction transaction(t.db());
        t.db().exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
        locked.set_value();
        release.get_future().wait();
        transaction.commit();
    });
    locked.get_future().wait();

    // Within the timeout the second writer gets a clear busy error...
    second.set_busy_timeout(100);
    try {
        Transaction transaction(second);
        ADD_FAILURE() << "two writers at once";
    } catch (const DbError &error) {
        EXPECT_EQ(error.number(), 5);
        EXPECT_TRUE(error.description().contains(QStringLiteral("in use")));
    }
    // ...and with a longer wait it goes on once the first commits.
    second.set_busy_timeout(10000);
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        release.set_value();
    });
    {
        Transaction transaction(second);
        second.exec(QStringLiteral("UPDATE calendars SET revision = revision + 10;"));
        transaction.commit();
    }
    first.join();
    releaser.join();

    EXPECT_EQ(scalar(second, QStringLiteral("SELECT min(revision) FROM calendars")), 11);
    Statement check = second.prepare(QStringLiteral("PRAGMA integrity_check;"));
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.column(0).toString(), QStringLiteral("ok"));
}

TEST(Transaction, NestedTransactionsAreSavepointsOfTheOuterOne)
{
    TestDatabase t;
    fill_sample(t.db());
    Database &db = t.db();
    {
        Transaction outer(db);
        db.exec(QStringLiteral("UPDATE calendars SET revision = 1;"));
        {
            Transaction inner(db);
            db.exec(QStringLiteral("UPDATE calendars SET revision = 2;"));
        }  // rolled back to the savepoint: the outer change stays
        EXPECT_EQ(scalar(db, QStringLiteral("SELECT max(revision) FROM calendars")), 1);
        {
            Transaction inner(db);
            db.exec(QStringLiteral("UPDATE calendars SET revision = 3;"));
            inner.commit();
        }
        EXPECT_TRUE(db.in_transaction());
    }  // the outer one decides: nothing is written
    EXPECT_FALSE(db.in_transaction());
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT max(revision) FROM calendars")), 0);
}
