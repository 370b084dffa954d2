#include "store/dberror.h"
#include "store/recordset.h"
#include "store/recordsettext.h"
#include "testdatabase.h"

#include <QDate>

#include <functional>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// Every test here writes: each gets a freshly filled database.
class RecordSetWrites : public ::testing::Test
{
protected:
    RecordSet open(const QString &text) { return RecordSet::open(t.db(), text); }
    RecordSet calendar(qint64 id) { return open(QStringLiteral("PARAMETERS RecordID Long=%1; SELECT Q004.* FROM Q004;").arg(id)); }
    qint64 count(const char *sql) { return scalar(t.db(), QString::fromUtf8(sql)); }

    // Sets `fields` on the record being added or edited, then writes it.
    static void write(RecordSet &set, std::initializer_list<std::pair<const char *, QVariant>> fields)
    {
        for (const auto &[name, value] : fields)
            set.set_field(QString::fromUtf8(name), value);
        set.update();
    }
    static int error_number(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const DbError &error) {
            return error.number();
        }
        return 0;
    }

    TestDatabase t;
    const Sample s = fill_sample(t.db());
};

} // namespace

TEST_F(RecordSetWrites, AddThenReadBackTheNewId)
{
    const QString name = QStringLiteral("O'Brien's \"team\"; -- 100%");
    const QString name_test = QStringLiteral("PARAMETERS NameTest Text ( 255 )=%1; SELECT Q001.* FROM Q001;").arg(sql_text_literal(name));
    RecordSet set = open(name_test);
    ASSERT_TRUE(set.eof());
    set.add_new();
    write(set, {{"Name", name}});
    EXPECT_EQ(set.record_count(), 1);
    set.move_last();
    const qint64 id = set.field(QStringLiteral("id")).toLongLong();
    EXPECT_GT(id, s.empty);  // after every calendar there is
    EXPECT_EQ(id, set.last_added_id());

    // The same name is now found, and the record carries its defaults.
    EXPECT_EQ(open(name_test).record_count(), 1);
    RecordSet stored = calendar(id);
    ASSERT_EQ(stored.record_count(), 1);
    EXPECT_EQ(stored.field(QStringLiteral("Name")).toString(), name);
    EXPECT_EQ(stored.field(QStringLiteral("revision")).toInt(), 0);
    EXPECT_EQ(stored.field(QStringLiteral("OwnerLink")).toInt(), 0);
    EXPECT_EQ(stored.field(QStringLiteral("RestrictRead")), QVariant(false));
}

TEST_F(RecordSetWrites, EditAndUpdateWriteThrough)
{
    RecordSet set = calendar(s.alpha);
    set.edit();
    const QString long_name(255, QChar(u'é'));
    set.set_field(QStringLiteral("Name"), long_name);
    EXPECT_EQ(set.field(QStringLiteral("Name")).toString(), long_name);  // the edit buffer
    write(set, {{"revision", set.field(QStringLiteral("revision")).toInt() + 1}, {"RestrictRead", true}});
    set.close();
    RecordSet stored = calendar(s.alpha);
    EXPECT_EQ(stored.field(QStringLiteral("Name")).toString(), long_name);
    EXPECT_EQ(stored.field(QStringLiteral("revision")).toInt(), 1);
    EXPECT_EQ(stored.field(QStringLiteral("RestrictRead")), QVariant(true));

    // Edit while reading: every record of a range, nulls included.
    RecordSet days = open(QStringLiteral("PARAMETERS CalendarID Long=%1, StartDt DateTime=#1/1/2024#, "
                                         "EndDt DateTime=#1/31/2024#; SELECT Q008.* FROM Q008;").arg(s.zeta));
    ASSERT_EQ(days.record_count(), 6);
    for (; !days.eof(); days.move_next()) {
        days.edit();
        write(days, {{"TimeSegments", QVariant()}, {"Date comment", QStringLiteral("closed")}, {"minutes1", 0}});
    }
    EXPECT_EQ(count("SELECT count(*) FROM days WHERE TimeSegments IS NULL AND \"Date comment\" = 'closed' AND minutes1 = 0"), 6);
    // The other calendar's days are untouched.
    EXPECT_EQ(count("SELECT count(*) FROM days WHERE \"Date comment\" IS NULL"), 2);
}

TEST_F(RecordSetWrites, DeleteRemovesTheRecordAndItsDays)
{
    RecordSet set = calendar(s.zeta);
    set.delete_record();
    EXPECT_EQ(set.record_count(), 0);
    EXPECT_EQ(error_number([&] { set.field(QStringLiteral("Name")); }), DbError::NoCurrentRecord);
    set.move_next();
    EXPECT_TRUE(set.eof());
    EXPECT_EQ(calendar(s.zeta).record_count(), 0);
    // Years and days go with their calendar: no orphans; alpha's one day stays.
    EXPECT_EQ(count("SELECT count(*) FROM calendar_years"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM days"), 1);

    // A year deleted through Q002 takes its days too.
    open(QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2024; SELECT Q002.* FROM Q002;").arg(s.alpha)).delete_record();
    EXPECT_EQ(count("SELECT count(*) FROM days"), 0);
}

TEST_F(RecordSetWrites, AddsDayRecordsThroughTheYearQuery)
{
    RecordSet year = open(QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2025; SELECT Q002.* FROM Q002;").arg(s.alpha));
    year.add_new();
    write(year, {{"CalendarLink", s.alpha}, {"YearVal", 2025}});
    year.move_last();
    const qint64 year_id = year.field(QStringLiteral("id")).toLongLong();

    const QString year_days = QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2025; SELECT Q003.* FROM Q003;").arg(s.alpha);
    RecordSet days = open(year_days);
    for (QDate date(2025, 1, 1); date.year() == 2025; date = date.addDays(1)) {
        days.add_new();
        write(days, {{"NameLink", s.alpha}, {"YearLink", year_id}, {"DateVal", date}, {"DayType", 0},
                     {"TimeSegments", QString()}, {"Date comment", QString()}});
    }
    EXPECT_EQ(days.record_count(), 365);
    days.move_last();
    EXPECT_EQ(days.field(QStringLiteral("DateVal")).toDate(), QDate(2025, 12, 31));

    RecordSet reread = open(year_days);
    EXPECT_EQ(reread.record_count(), 365);
    EXPECT_EQ(reread.field(QStringLiteral("DateVal")).toDate(), QDate(2025, 1, 1));
    EXPECT_EQ(reread.field(QStringLiteral("TimeSegments")).toString(), QString());
    EXPECT_FALSE(reread.is_null(QStringLiteral("TimeSegments")));
    EXPECT_EQ(reread.field(QStringLiteral("minutes1")).toInt(), 0);

    // A second record for one calendar date is refused by the engine.
    days.add_new();
    EXPECT_EQ(error_number([&] { write(days, {{"NameLink", s.alpha}, {"YearLink", year_id}, {"DateVal", QDate(2025, 6, 1)}}); }),
              19);  // constraint
}

TEST_F(RecordSetWrites, RefusesWhatCannotBeDone)
{
    RecordSet read_only = open(QStringLiteral("PARAMETERS CalendarID Long=%1, YearID Long=%2, [Date] DateTime=#1/1/2024#; "
                                              "SELECT Q007.* FROM Q007;").arg(s.zeta).arg(s.zeta_2024));
    EXPECT_EQ(error_number([&] { read_only.edit(); }), DbError::NotUpdatable);
    EXPECT_EQ(error_number([&] { read_only.add_new(); }), DbError::NotUpdatable);
    EXPECT_EQ(error_number([&] { read_only.field(QStringLiteral("nope")); }), DbError::UnknownField);

    RecordSet set = calendar(s.alpha);
    EXPECT_EQ(error_number([&] { set.set_field(QStringLiteral("Name"), QStringLiteral("x")); }), DbError::NotEditing);
    EXPECT_EQ(error_number([&] { set.update(); }), DbError::NotEditing);
    set.edit();
    EXPECT_EQ(error_number([&] { set.set_field(QStringLiteral("id"), 5); }), DbError::NotUpdatable);
    set.cancel_update();

    // Another workstation deleted the record after it was read.
    t.db().exec(QStringLiteral("DELETE FROM calendars WHERE id = %1;").arg(s.alpha));
    set.edit();
    EXPECT_EQ(error_number([&] { write(set, {{"Name", QStringLiteral("x")}}); }), DbError::RecordChanged);

    // Unknown queries and parameters, missing values.
    struct Case { const char *text; int number; };
    const Case cases[] = {
        {"SELECT Q012.* FROM Q012;", DbError::UnknownQuery},
        {"PARAMETERS Bogus Long=1; SELECT Q004.* FROM Q004;", DbError::UnknownParameter},
        {"SELECT Q004.* FROM Q004;", DbError::MissingParameter},
        {"PARAMETERS [Password] Text; SELECT Q011a.* FROM Q011a;", DbError::MissingParameter},
        {"PARAMETERS RecordID Long='1'; SELECT Q004.* FROM Q004;", DbError::RecordSetSyntax},
    };
    for (const Case &c : cases)
        EXPECT_EQ(error_number([&] { open(QString::fromUtf8(c.text)); }), c.number) << c.text;
}
