#include "store/connection.h"
#include "store/dberror.h"
#include "store/recordset.h"
#include "store/revisions.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

QString failure(const std::function<void()> &action)
{
    try {
        action();
    } catch (const DbError &error) {
        EXPECT_EQ(error.number(), 513);
        return error.description();
    }
    return QString();
}

// Adds 1 to the worked minutes of every day of the calendar.
void add_a_minute(Database &db, qint64 calendar)
{
    RecordSet days = RecordSet::open(db, QStringLiteral("PARAMETERS CalendarID Long=%1, StartDt DateTime=#1/1/2000#, "
                                                        "EndDt DateTime=#12/31/2100#; SELECT Q008.* FROM Q008;")
                                             .arg(calendar));
    for (; !days.eof(); days.move_next()) {
        days.edit();
        days.set_field(QStringLiteral("minutes1"), days.field(QStringLiteral("minutes1")).toInt() + 1);
        days.update();
    }
}

} // namespace

TEST(Revisions, CheckAndIncrementWithTheirOwnMessages)
{
    TestDatabase t;
    const Sample s = fill_sample(t.db());
    Database &db = t.db();
    EXPECT_TRUE(failure([&] { check_calendar_revision(db, s.alpha, 0); }).isEmpty());
    EXPECT_EQ(increment_calendar_revision(db, s.alpha), 1);
    EXPECT_EQ(failure([&] { check_calendar_revision(db, s.alpha, 0); }), QStringLiteral("Calendar is out of date."));
    EXPECT_EQ(failure([&] { check_calendar_revision(db, 999, 0); }), QStringLiteral("DB record not found"));
    EXPECT_EQ(failure([&] { increment_calendar_revision(db, 999); }), QStringLiteral("DB record not found."));
    EXPECT_EQ(failure([&] { check_and_increment_calendar_revision(db, s.alpha, 0); }), QStringLiteral("DB record out of date"));
    EXPECT_EQ(failure([&] { check_and_increment_calendar_revision(db, 999, 0); }), QStringLiteral("DB record not found"));
    EXPECT_EQ(check_and_increment_calendar_revision(db, s.alpha, 1), 2);

    const CalendarOwnership zeta = read_calendar_ownership(db, s.zeta);
    EXPECT_EQ(zeta.owner_id, s.ann);
    EXPECT_TRUE(zeta.restrict_read);
    EXPECT_EQ(failure([&] { read_calendar_ownership(db, 999); }), QStringLiteral("DB record not found."));
    const YearRange range = read_calendar_year_range(db, s.zeta);
    EXPECT_EQ(range.first_year, 2023);
    EXPECT_EQ(range.last_year, 2024);
    EXPECT_EQ(range.count, 2);
    EXPECT_EQ(read_calendar_year_range(db, s.empty).count, 0);
}

TEST(Revisions, TheFirstOfTwoWorkstationsWinsAndAFailedChangeWritesNothing)
{
    TestDatabase t;
    const Sample s = fill_sample(t.db());
    Database second = open_existing_database(t.path());

    // Both loaded the calendar at revision 0; the first saves.
    EXPECT_EQ(change_calendar_days(t.db(), s.zeta, 0, [&] { add_a_minute(t.db(), s.zeta); }), 1);
    EXPECT_EQ(failure([&] { change_calendar_days(second, s.zeta, 0, [&] { add_a_minute(second, s.zeta); }); }),
              QStringLiteral("Calendar is out of date."));
    EXPECT_EQ(scalar(second, QStringLiteral("SELECT minutes1 FROM days WHERE DateVal = '2024-01-08' AND NameLink = %1").arg(s.zeta)), 481);
    // After reloading, the second goes through.
    EXPECT_EQ(change_calendar_days(second, s.zeta, 1, [&] { add_a_minute(second, s.zeta); }), 2);

    // A failure inside the writes leaves neither days nor revision changed.
    EXPECT_FALSE(failure([&] {
                     change_calendar_days(t.db(), s.zeta, 2, [&] {
                         add_a_minute(t.db(), s.zeta);
                         throw DbError(513, QStringLiteral("DB record not found"), QStringLiteral("test"));
                     });
                 }).isEmpty());
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT revision FROM calendars WHERE id = %1").arg(s.zeta)), 2);
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT minutes1 FROM days WHERE DateVal = '2024-01-08' AND NameLink = %1").arg(s.zeta)), 482);
}
