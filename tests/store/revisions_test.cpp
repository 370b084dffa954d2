#include "store/connection.h"
#include "store/dberror.h"
#include "store/recordset.h"
#include "store/revisions.h"
#include "store/transaction.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// A filled database file, and a second workstation on the same file.
class SampleFile : public ::testing::Test
{
protected:
    // "NUMBER DESCRIPTION" of the DbError that `action` throws; empty if none.
    static QString failure(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const DbError &error) {
            return QStringLiteral("%1 %2").arg(error.number()).arg(error.description());
        }
        return QString();
    }
    // Adds 1 to the worked minutes of every day of zeta.
    void add_a_minute(Database &to) { to.exec(QStringLiteral("UPDATE days SET minutes1 = minutes1 + 1 WHERE NameLink = %1;").arg(s.zeta)); }
    qint64 value(const char *sql) { return scalar(db, QString::fromUtf8(sql)); }

    TestDatabase t;
    const Sample s = fill_sample(t.db());
    Database &db = t.db();
    Database second = open_existing_database(t.path());
};
using Revisions = SampleFile;
using Transactions = SampleFile;

} // namespace

TEST_F(Revisions, CheckAndIncrementWithTheirOwnMessagesAndReadOwnershipAndYears)
{
    EXPECT_EQ(failure([&] { check_calendar_revision(db, s.alpha, 0); }), QString());
    EXPECT_EQ(increment_calendar_revision(db, s.alpha), 1);
    EXPECT_EQ(failure([&] { check_calendar_revision(db, s.alpha, 0); }), u"513 Calendar is out of date.");
    EXPECT_EQ(failure([&] { check_calendar_revision(db, 999, 0); }), u"513 DB record not found");
    EXPECT_EQ(failure([&] { increment_calendar_revision(db, 999); }), u"513 DB record not found.");
    EXPECT_EQ(failure([&] { check_and_increment_calendar_revision(db, s.alpha, 0); }), u"513 DB record out of date");
    EXPECT_EQ(failure([&] { check_and_increment_calendar_revision(db, 999, 0); }), u"513 DB record not found");
    EXPECT_EQ(check_and_increment_calendar_revision(db, s.alpha, 1), 2);

    const CalendarOwnership zeta = read_calendar_ownership(db, s.zeta);
    EXPECT_EQ(std::tuple(qint64(zeta.owner_id), zeta.restrict_read), std::tuple(s.ann, true));
    EXPECT_EQ(failure([&] { read_calendar_ownership(db, 999); }), u"513 DB record not found.");
    const YearRange range = read_calendar_year_range(db, s.zeta);
    EXPECT_EQ(std::tuple(range.first_year, range.last_year, range.count), std::tuple(2023, 2024, 2));
    EXPECT_EQ(read_calendar_year_range(db, s.empty).count, 0);
}

TEST_F(Revisions, TheFirstOfTwoWorkstationsWinsAndAFailedChangeWritesNothing)
{
    const QString minutes = QStringLiteral("SELECT minutes1 FROM days WHERE DateVal = '2024-01-08' AND NameLink = %1").arg(s.zeta);
    // Both loaded the calendar at revision 0; the first saves.
    EXPECT_EQ(change_calendar_days(db, s.zeta, 0, [&] { add_a_minute(db); }), 1);
    EXPECT_EQ(failure([&] { change_calendar_days(second, s.zeta, 0, [&] { add_a_minute(second); }); }),
              u"513 Calendar is out of date.");
    EXPECT_EQ(scalar(second, minutes), 481);
    // After reloading, the second goes through.
    EXPECT_EQ(change_calendar_days(second, s.zeta, 1, [&] { add_a_minute(second); }), 2);

    // A failure half-way, here renaming onto a used name whatever its case
    // (the engine's 19), leaves neither days nor revision changed.
    const QString renamed = failure([&] {
        change_calendar_days(db, s.zeta, 2, [&] {
            add_a_minute(db);
            RecordSet calendar = RecordSet::open(db, calendar_record_query(qint32(s.zeta)));
            calendar.edit();
            calendar.set_field(QStringLiteral("Name"), QStringLiteral("ALPHA"));
            calendar.update();
        });
    });
    EXPECT_TRUE(renamed.startsWith(u"19 ")) << renamed.toStdString();
    EXPECT_EQ(value("SELECT revision FROM calendars WHERE Name = 'zeta office'"), 2);
    EXPECT_EQ(scalar(db, minutes), 482);
}

TEST_F(Transactions, ASecondWriterIsBusyUntilTheFirstEndsAndNestedOnesAreSavepoints)
{
    second.set_busy_timeout(100);
    {
        Transaction first(db);
        db.exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
        const QString busy = failure([&] { Transaction transaction(second); });
        EXPECT_TRUE(busy.startsWith(u"5 ") && busy.contains(QStringLiteral("in use"))) << busy.toStdString();
        first.commit();
    }
    {
        Transaction transaction(second);
        second.exec(QStringLiteral("UPDATE calendars SET revision = revision + 10;"));
        transaction.commit();
    }
    EXPECT_EQ(value("SELECT min(revision) FROM calendars"), 11);

    const char *revisions = "SELECT max(revision) FROM calendars";
    {
        Transaction outer(db);
        db.exec(QStringLiteral("UPDATE calendars SET revision = 1;"));
        {
            Transaction inner(db);
            db.exec(QStringLiteral("UPDATE calendars SET revision = 2;"));
        }  // rolled back to the savepoint: the outer change stays
        EXPECT_EQ(value(revisions), 1);
        {
            Transaction inner(db);
            db.exec(QStringLiteral("UPDATE calendars SET revision = 3;"));
            inner.commit();
        }
        EXPECT_TRUE(db.in_transaction());
    }  // the outer one decides: nothing is written
    EXPECT_FALSE(db.in_transaction());
    EXPECT_EQ(value(revisions), 11);
    {
        Transaction outer(db);
        Transaction inner(db);
        db.exec(QStringLiteral("UPDATE calendars SET revision = 4;"));
        inner.commit();
        outer.commit();
    }
    EXPECT_EQ(value(revisions), 4);
}
