#include "store/recordset.h"
#include "store/scramble.h"

#include "printers.h"
#include "testdatabase.h"

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
        const Sample s = fill_sample(s_db->db());
        Database &db = s_db->db();
        const qint64 new_year = scalar(db, QStringLiteral("SELECT id FROM days WHERE DateVal = '2024-01-01'"));
        // A year whose two most frequent work patterns tie, and whose
        // paid-only days, however many, are no work days.
        const qint64 ties = execute(db, QStringLiteral("INSERT INTO calendars (Name) VALUES ('ties');"), {});
        const qint64 year = execute(db, QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (?, 2025);"), {ties});
        for (const char *date : {"2025-03-04", "2025-03-05"})
            insert_day(db, ties, year, QString::fromLatin1(date), QStringLiteral("y@600>700"), 100, 100);
        for (const char *date : {"2025-03-02", "2025-03-09"})
            insert_day(db, ties, year, QString::fromLatin1(date), QStringLiteral("y@480>500+n@500>520"), 20, 40);
        for (int day = 10; day < 20; ++day)
            insert_day(db, ties, year, QStringLiteral("2025-03-%1").arg(day), QStringLiteral("n@0>60"), 0, 60);
        s_ids = {{"{zeta}", s.zeta}, {"{alpha}", s.alpha}, {"{empty}", s.empty}, {"{zeta_2024}", s.zeta_2024},
                 {"{ann}", s.ann},   {"{bob}", s.bob},     {"{new_year}", new_year}, {"{ties}", ties}};
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        s_db = nullptr;
    }

    // `text` with the sample's ids in place of their names in braces.
    static QString with_ids(QString text)
    {
        for (const auto &[name, id] : s_ids)
            text.replace(QLatin1String(name), QString::number(id));
        return text;
    }

    // The fields (comma-separated) of every record, "null" for a null
    // value: a record's values joined by ",", the records by "|".
    static QString records(const QString &query, const QString &fields)
    {
        RecordSet set = RecordSet::open(s_db->db(), with_ids(query));
        QStringList rows;
        for (; !set.eof(); set.move_next()) {
            QStringList values;
            for (const QString &field : fields.split(u','))
                values << (set.is_null(field) ? QStringLiteral("null") : set.field(field).toString());
            rows << values.join(u',');
        }
        EXPECT_EQ(set.record_count(), rows.size()) << query.toStdString();
        return rows.join(u'|');
    }

    static inline TestDatabase *s_db = nullptr;
    static inline std::vector<std::pair<const char *, qint64>> s_ids;
};

} // namespace

TEST_F(StoredQueries, EachYieldsExactlyItsRecordsInOrder)
{
    const char *zeta_2024_days = "PARAMETERS CalendarID Long={zeta}, [Year] Short=2024; SELECT Q003.* FROM Q003;";
    const char *ann = "PARAMETERS UserID Long={ann}; SELECT Q015.* FROM Q015;";
    struct Case { const char *query, *fields, *expected; };
    const Case cases[] = {
        // Names without regard to case, then years; a calendar without
        // years still has its row, with a null year.
        {"SELECT Q000.* FROM Q000;", "Name,YearVal,id,OwnerLink,OwnerName,RestrictRead,revision",
         "Alpha,2024,{alpha},0,null,false,0|beta,null,{empty},0,null,false,0|ties,2025,{ties},0,null,false,0|"
         "zeta office,2023,{zeta},{ann},Ann Smith,true,0|zeta office,2024,{zeta},{ann},Ann Smith,true,0"},
        // A used name whatever its case; the text is a value, never SQL.
        {"PARAMETERS NameTest Text ( 255 )='Alpha'; SELECT Q001.* FROM Q001;", "Name", "Alpha"},
        {"PARAMETERS NameTest Text ( 255 )='ALPHA'; SELECT Q001.* FROM Q001;", "Name", "Alpha"},
        {"PARAMETERS NameTest Text ( 255 )='Alph'; SELECT Q001.* FROM Q001;", "Name", ""},
        {"PARAMETERS NameTest Text ( 255 )='Alpha'' OR ''1''=''1'; SELECT Q001.* FROM Q001;", "Name", ""},
        // One calendar year, its days and the calendar's range of years.
        {"PARAMETERS CalendarID Long={zeta}, [Year] Short=2024; SELECT Q002.* FROM Q002;", "id", "{zeta_2024}"},
        {"PARAMETERS CalendarID Long={zeta}, [Year] Short=2025; SELECT Q002.* FROM Q002;", "id", ""},
        {zeta_2024_days, "DateVal", "2024-01-01|2024-01-02|2024-01-07|2024-01-08|2024-01-09|2024-01-10"},
        {zeta_2024_days, "Date comment", "New Year's Day|null|null|null|null|null"},
        {"PARAMETERS CalendarID Long={zeta}; SELECT Q005.* FROM Q005;", "CalendarLink,FirstYear,LastYear,count_of_years",
         "{zeta},2023,2024,2"},
        // Records by id: exactly the one, or nothing.
        {"PARAMETERS RecordID Long={alpha}; SELECT Q004.* FROM Q004;", "Name", "Alpha"},
        {"PARAMETERS RecordID Long=9999; SELECT Q004.* FROM Q004;", "Name", ""},
        {"PARAMETERS RecordID Long={new_year}; SELECT Q006.* FROM Q006;", "minutes2,YearLink", "510,{zeta_2024}"},
        {"PARAMETERS RecordID Long=0; SELECT Q006.* FROM Q006;", "minutes2", ""},
        {"PARAMETERS UserID Long={bob}; SELECT Q017.* FROM Q017;", "LastName", "Adams"},
        {"PARAMETERS UserID Long=777; SELECT Q017.* FROM Q017;", "LastName", ""},
        {ann, "Name,password", "Ann Smith,null"},
        {"PARAMETERS UserID Long=777; SELECT Q015.* FROM Q015;", "Name", ""},
        // Day lists in date order, both ends included; the other
        // calendar's 2024-01-08 left out. 7 January 2024 is a Sunday.
        {"PARAMETERS CalendarID Long={zeta}, StartDt DateTime=#1/1/2024#, EndDt DateTime=#1/1/2024#; SELECT *  FROM Q008;",
         "id", "{new_year}"},
        {"PARAMETERS CalendarID Long={zeta}, StartDt DateTime=#12/31/2023#, EndDt DateTime=#1/8/2024#; SELECT *  FROM Q008;",
         "DateVal", "2023-12-31|2024-01-01|2024-01-02|2024-01-07|2024-01-08"},
        {"PARAMETERS CalendarID Long={zeta}, YearID Long={zeta_2024}, [Date] DateTime=#1/7/2024#; SELECT Q007.* FROM Q007;",
         "DateVal,WkDay,DayType", "2024-01-07,1,0|2024-01-08,2,0|2024-01-09,3,0|2024-01-10,4,0"},
        // The most frequent work pattern, of two as frequent the earlier;
        // none in a year without work days.
        {"PARAMETERS CalendarID Long={zeta}, [Year] Short=2024; SELECT Q009.* FROM Q009;", "TimeSegments,work,pay",
         "y@480>720+y@750>990,480,480"},
        {"PARAMETERS CalendarID Long={ties}, [Year] Short=2025; SELECT Q009.* FROM Q009;", "TimeSegments,work,pay",
         "y@480>500+n@500>520,20,40"},
        {"PARAMETERS CalendarID Long={empty}, [Year] Short=2024; SELECT Q009.* FROM Q009;", "TimeSegments", ""},
        // Users by last name, and how many calendars each owns.
        {"SELECT Q010.* FROM Q010;", "LastName,EmployeeID", "Adams,E2|Smith,E1"},
        {"PARAMETERS UserID Long={ann}; SELECT Q014.* FROM Q014;", "OwnerCount", "1"},
        {"PARAMETERS UserID Long={bob}; SELECT Q014.* FROM Q014;", "OwnerCount", "0"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(records(QString::fromUtf8(c.query), QString::fromUtf8(c.fields)), with_ids(QString::fromUtf8(c.expected)))
            << c.query;
    }
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

    // A stored form holding a zero byte and a quote; the routine is its own inverse.
    const QByteArray stored("\0'cd5", 5);
    const QByteArray typed = *scramble_text(stored);
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
    const QString user = QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q017.* FROM Q017;").arg(users.last_added_id());
    EXPECT_EQ(*scramble_text(RecordSet::open(db, user).field(QStringLiteral("password")).toByteArray()), every_byte);
    EXPECT_FALSE(password_matches(typed + 'x'));
    RecordSet reread = RecordSet::open(db, QStringLiteral("SELECT Q011.* FROM Q011;"));
    EXPECT_EQ(reread.field(QStringLiteral("Value")).toByteArray(), stored);
}
