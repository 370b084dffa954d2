#include "store/recordset.h"
#include "store/recordsettext.h"
#include "store/scramble.h"
#include "testdatabase.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// One filled database serves every read-only query case: opening a keyed
// file costs tens of milliseconds.
class StoredQueries : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_db = new TestDatabase;
        s_sample = fill_sample(s_db->db());
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        s_db = nullptr;
    }

    static RecordSet open(const QString &text) { return RecordSet::open(s_db->db(), text); }

    static QStringList column(RecordSet set, const QString &field)
    {
        QStringList values;
        for (; !set.eof(); set.move_next())
            values << set.field(field).toString();
        return values;
    }

    static TestDatabase *s_db;
    static Sample s_sample;
};

TestDatabase *StoredQueries::s_db = nullptr;
Sample StoredQueries::s_sample;

} // namespace

TEST_F(StoredQueries, CalendarListHasEveryCalendarAndYearInNameOrder)
{
    RecordSet list = open(QStringLiteral("SELECT Q000.* FROM Q000;"));
    ASSERT_EQ(list.record_count(), 4);
    // Names without regard to case, then years; a calendar without years
    // still has its row, with a null year.
    EXPECT_EQ(column(list, QStringLiteral("Name")),
              QStringList({"Alpha", "beta", "zeta office", "zeta office"}));
    EXPECT_EQ(column(list, QStringLiteral("YearVal")), QStringList({"2024", "", "2023", "2024"}));
    list.move_first();
    list.move_next();
    EXPECT_TRUE(list.is_null(QStringLiteral("YearVal")));
    EXPECT_TRUE(list.is_null(QStringLiteral("OwnerName")));
    EXPECT_EQ(list.field(QStringLiteral("RestrictRead")), QVariant(false));
    list.move_last();
    EXPECT_EQ(list.field(QStringLiteral("id")).toLongLong(), s_sample.zeta);
    EXPECT_EQ(list.field(QStringLiteral("OwnerLink")).toLongLong(), s_sample.ann);
    EXPECT_EQ(list.field(QStringLiteral("OwnerName")).toString(), QStringLiteral("Ann Smith"));
    EXPECT_EQ(list.field(QStringLiteral("RestrictRead")), QVariant(true));
    EXPECT_EQ(list.field(QStringLiteral("revision")).toInt(), 0);
}

TEST_F(StoredQueries, NameTestFindsAUsedNameWhateverItsCase)
{
    const auto count = [](const QString &name) {
        return open(QStringLiteral("PARAMETERS NameTest Text ( 255 )=") + sql_text_literal(name)
                    + QStringLiteral("; SELECT Q001.* FROM Q001;"))
            .record_count();
    };
    EXPECT_EQ(count(QStringLiteral("Alpha")), 1);
    EXPECT_EQ(count(QStringLiteral("ALPHA")), 1);
    EXPECT_EQ(count(QStringLiteral("Alph")), 0);
    EXPECT_EQ(count(QStringLiteral("Alpha' OR '1'='1")), 0);
}

TEST_F(StoredQueries, YearQueriesSelectOneCalendarYear)
{
    const QString zeta = QString::number(s_sample.zeta);
    RecordSet year = open(QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2024; SELECT Q002.* FROM Q002;").arg(zeta));
    ASSERT_EQ(year.record_count(), 1);
    EXPECT_EQ(year.field(QStringLiteral("id")).toLongLong(), s_sample.zeta_2024);
    EXPECT_EQ(open(QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2025; SELECT Q002.* FROM Q002;").arg(zeta))
                  .record_count(),
              0);

    RecordSet days = open(QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2024; SELECT Q003.* FROM Q003;").arg(zeta));
    EXPECT_EQ(column(days, QStringLiteral("DateVal")),
              QStringList({"2024-01-01", "2024-01-02", "2024-01-07", "2024-01-08", "2024-01-09", "2024-01-10"}));
    days.move_first();
    EXPECT_EQ(days.field(QStringLiteral("DateVal")).toDate(), QDate(2024, 1, 1));
    EXPECT_EQ(days.field(QStringLiteral("Date comment")).toString(), QStringLiteral("New Year's Day"));

    RecordSet range = open(QStringLiteral("PARAMETERS CalendarID Long=%1; SELECT Q005.* FROM Q005;").arg(zeta));
    ASSERT_EQ(range.record_count(), 1);
    EXPECT_EQ(range.field(QStringLiteral("CalendarLink")).toLongLong(), s_sample.zeta);
    EXPECT_EQ(range.field(QStringLiteral("FirstYear")).toInt(), 2023);
    EXPECT_EQ(range.field(QStringLiteral("LastYear")).toInt(), 2024);
    EXPECT_EQ(range.field(QStringLiteral("count_of_years")).toInt(), 2);
}

TEST_F(StoredQueries, RecordQueriesYieldExactlyTheirRecordOrNothing)
{
    RecordSet calendar = open(QStringLiteral("PARAMETERS RecordID Long=%1; SELECT Q004.* FROM Q004;").arg(s_sample.alpha));
    ASSERT_EQ(calendar.record_count(), 1);
    EXPECT_EQ(calendar.field(QStringLiteral("Name")).toString(), QStringLiteral("Alpha"));
    EXPECT_EQ(open(QStringLiteral("PARAMETERS RecordID Long=9999; SELECT Q004.* FROM Q004;")).record_count(), 0);

    RecordSet list = open(QStringLiteral("PARAMETERS CalendarID Long=%1, StartDt DateTime=#1/1/2024#, EndDt DateTime=#1/1/2024#; SELECT *  FROM Q008;").arg(s_sample.zeta));
    ASSERT_EQ(list.record_count(), 1);
    const qint64 day_id = list.field(QStringLiteral("id")).toLongLong();
    RecordSet day = open(QStringLiteral("PARAMETERS RecordID Long=%1; SELECT Q006.* FROM Q006;").arg(day_id));
    ASSERT_EQ(day.record_count(), 1);
    EXPECT_EQ(day.field(QStringLiteral("minutes2")).toInt(), 510);
    EXPECT_EQ(day.field(QStringLiteral("YearLink")).toLongLong(), s_sample.zeta_2024);
    EXPECT_EQ(open(QStringLiteral("PARAMETERS RecordID Long=0; SELECT Q006.* FROM Q006;")).record_count(), 0);

    // A user id that no longer exists yields nothing.
    EXPECT_EQ(open(QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q017.* FROM Q017;").arg(s_sample.bob)).record_count(), 1);
    EXPECT_EQ(open(QStringLiteral("PARAMETERS UserID Long=777; SELECT Q017.* FROM Q017;")).record_count(), 0);
    EXPECT_EQ(open(QStringLiteral("PARAMETERS UserID Long=777; SELECT Q015.* FROM Q015;")).record_count(), 0);
    RecordSet user = open(QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q015.* FROM Q015;").arg(s_sample.ann));
    EXPECT_EQ(user.field(QStringLiteral("Name")).toString(), QStringLiteral("Ann Smith"));
    EXPECT_TRUE(user.is_null(QStringLiteral("password")));
}

TEST_F(StoredQueries, DayListsComeInDateOrder)
{
    RecordSet range = open(QStringLiteral("PARAMETERS CalendarID Long=%1, StartDt DateTime=#12/31/2023#, EndDt DateTime=#1/8/2024#; SELECT *  FROM Q008;").arg(s_sample.zeta));
    // Both ends included; the other calendar's 2024-01-08 left out.
    EXPECT_EQ(column(range, QStringLiteral("DateVal")),
              QStringList({"2023-12-31", "2024-01-01", "2024-01-02", "2024-01-07", "2024-01-08"}));

    RecordSet following = open(QStringLiteral("PARAMETERS CalendarID Long=%1, YearID Long=%2, [Date] DateTime=#1/7/2024#; SELECT Q007.* FROM Q007;")
                                   .arg(s_sample.zeta)
                                   .arg(s_sample.zeta_2024));
    EXPECT_EQ(column(following, QStringLiteral("DateVal")),
              QStringList({"2024-01-07", "2024-01-08", "2024-01-09", "2024-01-10"}));
    // 7 January 2024 is a Sunday: weekday 1.
    EXPECT_EQ(column(following, QStringLiteral("WkDay")), QStringList({"1", "2", "3", "4"}));
    following.move_first();
    EXPECT_EQ(following.field(QStringLiteral("DayType")).toInt(), 0);
}

TEST_F(StoredQueries, TypicalDayIsTheMostFrequentWorkPattern)
{
    RecordSet typical = open(QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2024; SELECT Q009.* FROM Q009;").arg(s_sample.zeta));
    ASSERT_EQ(typical.record_count(), 1);
    EXPECT_EQ(typical.field(QStringLiteral("TimeSegments")).toString(), QStringLiteral("y@480>720+y@750>990"));
    EXPECT_EQ(typical.field(QStringLiteral("work")).toInt(), 480);
    EXPECT_EQ(typical.field(QStringLiteral("pay")).toInt(), 480);

    // A year without work days has no typical day.
    EXPECT_EQ(open(QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2024; SELECT Q009.* FROM Q009;").arg(s_sample.empty)).record_count(), 0);
}

TEST(StoredQueryTies, TypicalDayTieGoesToTheEarliestPattern)
{
    TestDatabase t;
    Database &db = t.db();
    db.exec(QStringLiteral("INSERT INTO calendars (id, Name) VALUES (1, 'c'); INSERT INTO calendar_years (id, CalendarLink, YearVal) VALUES (1, 1, 2025);"));
    insert_day(db, 1, 1, QStringLiteral("2025-03-04"), QStringLiteral("y@600>700"), 100, 100);
    insert_day(db, 1, 1, QStringLiteral("2025-03-05"), QStringLiteral("y@600>700"), 100, 100);
    insert_day(db, 1, 1, QStringLiteral("2025-03-02"), QStringLiteral("y@480>500+n@500>520"), 20, 40);
    insert_day(db, 1, 1, QStringLiteral("2025-03-09"), QStringLiteral("y@480>500+n@500>520"), 20, 40);
    // Paid-only days are no work days and never typical, however many.
    for (int day = 10; day < 20; ++day)
        insert_day(db, 1, 1, QStringLiteral("2025-03-%1").arg(day), QStringLiteral("n@0>60"), 0, 60);
    RecordSet typical = RecordSet::open(db, QStringLiteral("PARAMETERS CalendarID Long=1, [Year] Short=2025; SELECT Q009.* FROM Q009;"));
    ASSERT_EQ(typical.record_count(), 1);
    EXPECT_EQ(typical.field(QStringLiteral("TimeSegments")).toString(), QStringLiteral("y@480>500+n@500>520"));
    EXPECT_EQ(typical.field(QStringLiteral("work")).toInt(), 20);
    EXPECT_EQ(typical.field(QStringLiteral("pay")).toInt(), 40);
}

TEST_F(StoredQueries, UsersAndOwnership)
{
    RecordSet users = open(QStringLiteral("SELECT Q010.* FROM Q010;"));
    EXPECT_EQ(column(users, QStringLiteral("LastName")), QStringList({"Adams", "Smith"}));
    users.move_first();
    EXPECT_EQ(users.field(QStringLiteral("EmployeeID")).toString(), QStringLiteral("E2"));

    RecordSet owned = open(QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q014.* FROM Q014;").arg(s_sample.ann));
    ASSERT_EQ(owned.record_count(), 1);
    EXPECT_EQ(owned.field(QStringLiteral("OwnerCount")).toInt(), 1);
    RecordSet none = open(QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q014.* FROM Q014;").arg(s_sample.bob));
    EXPECT_EQ(none.field(QStringLiteral("OwnerCount")).toInt(), 0);
}

TEST(StoredQuerySystemPassword, MatchesTheScrambledPasswordByteForByte)
{
    TestDatabase t;
    Database &db = t.db();
    const auto password_matches = [&](const QByteArray &typed) {
        return RecordSet::open(db, QStringLiteral("PARAMETERS [Password] Text ( 255 ); SELECT Q011a.* FROM Q011a;"),
                               {{QStringLiteral("Password"), *scramble_text(typed)}})
                   .record_count()
               > 0;
    };
    EXPECT_EQ(RecordSet::open(db, QStringLiteral("SELECT Q011.*FROM Q011;")).record_count(), 0);
    EXPECT_FALSE(password_matches("secret"));

    // A typed password whose stored form holds a zero byte and a quote.
    QByteArray typed = "ab'cd";
    const QByteArray key_start = *scramble_text(QByteArray(3, '\0'));
    typed[0] = key_start[0];  // scrambles to 0
    typed[1] = char(key_start[1] ^ '\'');  // scrambles to an apostrophe
    const QByteArray stored = *scramble_text(typed);
    ASSERT_EQ(stored[0], '\0');
    ASSERT_EQ(stored[1], '\'');

    RecordSet variables = RecordSet::open(db, QStringLiteral("SELECT Q011.* FROM Q011;"));
    variables.add_new();
    variables.set_field(QStringLiteral("Variable"), QStringLiteral("System password"));
    variables.set_field(QStringLiteral("Value"), stored);
    variables.update();

    EXPECT_TRUE(password_matches(typed));
    EXPECT_FALSE(password_matches(typed.left(4)));
    // Every byte value survives the database as it is.
    QByteArray every_byte;
    for (int i = 0; i < 256; ++i)
        every_byte += char(i);
    RecordSet users = RecordSet::open(db, QStringLiteral("PARAMETERS UserID Long=0; SELECT Q017.* FROM Q017;"));
    users.add_new();
    users.set_field(QStringLiteral("LastName"), QStringLiteral("Bytes"));
    users.set_field(QStringLiteral("password"), *scramble_text(every_byte));
    users.update();
    RecordSet stored_user = RecordSet::open(
        db, QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q017.* FROM Q017;").arg(users.last_added_id()));
    EXPECT_EQ(*scramble_text(stored_user.field(QStringLiteral("password")).toByteArray()), every_byte);
    EXPECT_FALSE(password_matches(typed + 'x'));
    RecordSet reread = RecordSet::open(db, QStringLiteral("SELECT Q011.* FROM Q011;"));
    EXPECT_EQ(reread.field(QStringLiteral("Value")).toByteArray(), stored);
}
