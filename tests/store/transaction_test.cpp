#include "store/connection.h"
#include "store/dberror.h"
#include "store/recordset.h"
#include "store/transaction.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

TEST(Transaction, AFailureHalfWayLeavesNoChange)
{
    TestDatabase t;
    const Sample s = fill_sample(t.db());
    const auto edit_calendar = [&](qint64 id, const char *field, const QVariant &value) {
        RecordSet set = RecordSet::open(t.db(), QStringLiteral("PARAMETERS RecordID Long=%1; SELECT Q004.* FROM Q004;").arg(id));
        set.edit();
        set.set_field(QString::fromUtf8(field), value);
        set.update();
    };
    try {
        Transaction transaction(t.db());
        edit_calendar(s.alpha, "revision", 7);
        // Renaming onto a used name fails inside the same transaction.
        edit_calendar(s.zeta, "Name", QStringLiteral("ALPHA"));
        transaction.commit();
        ADD_FAILURE() << "the duplicate name was accepted";
    } catch (const DbError &error) {
        EXPECT_EQ(error.number(), 19);
    }
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT revision FROM calendars WHERE id = %1").arg(s.alpha)), 0);
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT count(*) FROM calendars WHERE Name = 'zeta office'")), 1);
}

TEST(Transaction, ASecondWriterGetsAClearBusyErrorUntilTheFirstEnds)
{
    TestDatabase t;
    fill_sample(t.db());
    Database second = open_existing_database(t.path());
    second.set_busy_timeout(100);
    {
        Transaction first(t.db());
        t.db().exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
        try {
            Transaction transaction(second);
            ADD_FAILURE() << "two writers at once";
        } catch (const DbError &error) {
            EXPECT_EQ(error.number(), 5);
            EXPECT_TRUE(error.description().contains(QStringLiteral("in use"))) << error.description().toStdString();
        }
        first.commit();
    }
    Transaction transaction(second);
    second.exec(QStringLiteral("UPDATE calendars SET revision = revision + 10;"));
    transaction.commit();
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT min(revision) FROM calendars")), 11);
}

TEST(Transaction, NestedTransactionsAreSavepointsOfTheOuterOne)
{
    TestDatabase t;
    fill_sample(t.db());
    Database &db = t.db();
    const auto revision = [&] { return scalar(db, QStringLiteral("SELECT max(revision) FROM calendars")); };
    {
        Transaction outer(db);
        db.exec(QStringLiteral("UPDATE calendars SET revision = 1;"));
        {
            Transaction inner(db);
            db.exec(QStringLiteral("UPDATE calendars SET revision = 2;"));
        }  // rolled back to the savepoint: the outer change stays
        EXPECT_EQ(revision(), 1);
        {
            Transaction inner(db);
            db.exec(QStringLiteral("UPDATE calendars SET revision = 3;"));
            inner.commit();
        }
        EXPECT_TRUE(db.in_transaction());
    }  // the outer one decides: nothing is written
    EXPECT_FALSE(db.in_transaction());
    EXPECT_EQ(revision(), 0);
    {
        Transaction outer(db);
        Transaction inner(db);
        db.exec(QStringLiteral("UPDATE calendars SET revision = 4;"));
        inner.commit();
        outer.commit();
    }
    EXPECT_EQ(revision(), 4);
}
