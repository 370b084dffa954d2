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

QString name_test(const QString &name)
{
    return QStringLiteral("PARAMETERS NameTest Text ( 255 )=") + sql_text_literal(name)
           + QStringLiteral("; SELECT Q001.* FROM Q001;");
}

QString calendar(qint64 id)
{
    return QStringLiteral("PARAMETERS RecordID Long=%1; SELECT Q004.* FROM Q004;").arg(id);
}

int error_number(const std::function<void()> &action)
{
    try {
        action();
    } catch (const DbError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST(RecordSet, AddThenReadBackTheNewId)
{
    TestDatabase t;
    const QString name = QStringLiteral("O'Brien's \"team\"; -- 100%");
    RecordSet set = RecordSet::open(t.db(), name_test(name));
    ASSERT_EQ(set.record_count(), 0);
    ASSERT_TRUE(set.eof());
    set.add_new();
    set.set_field(QStringLiteral("Name"), name);
    set.update();
    EXPECT_EQ(set.record_count(), 1);
    set.move_last();
    const qint64 id = set.field(QStringLiteral("id")).toLongLong();
    EXPECT_GT(id, 0);
    EXPECT_EQ(id, set.last_added_id());

    // The same name is now found, and the record carries its defaults.
    EXPECT_EQ(RecordSet::open(t.db(), name_test(name)).record_count(), 1);
    RecordSet stored = RecordSet::open(t.db(), calendar(id));
    ASSERT_EQ(stored.record_count(), 1);
    EXPECT_EQ(stored.field(QStringLiteral("Name")).toString(), name);
    EXPECT_EQ(stored.field(QStringLiteral("revision")).toInt(), 0);
    EXPECT_EQ(stored.field(QStringLiteral("OwnerLink")).toInt(), 0);
    EXPECT_EQ(stored.field(QStringLiteral("RestrictRead")), QVariant(false));

    // A second calendar gets another id, never a reused one.
    RecordSet second = RecordSet::open(t.db(), name_test(QStringLiteral("other")));
    second.add_new();
    second.set_field(QStringLiteral("Name"), QStringLiteral("other"));
    second.update();
    EXPECT_GT(second.last_added_id(), id);
}

TEST(RecordSet, EditAndUpdateWriteThrough)
{
    TestDatabase t;
    const Sample s = fill_sample(t.db());
    RecordSet set = RecordSet::open(t.db(), calendar(s.alpha));
    set.edit();
    const QString long_name(255, QChar(u'é'));
    set.set_field(QStringLiteral("Name"), long_name);
    set.set_field(QStringLiteral("revision"), set.field(QStringLiteral("revision")).toInt() + 1);
    set.set_field(QStringLiteral("RestrictRead"), true);
    EXPECT_EQ(set.field(QStringLiteral("Name")).toString(), long_name);  // the edit buffer
    set.update();
    set.close();

    RecordSet stored = RecordSet::open(t.db(), calendar(s.alpha));
    EXPECT_EQ(stored.field(QStringLiteral("Name")).toString(), long_name);
    EXPECT_EQ(stored.field(QStringLiteral("revision")).toInt(), 1);
    EXPECT_EQ(stored.field(QStringLiteral("RestrictRead")), QVariant(true));

    // Edit while reading: every record of a range, nulls included.
    RecordSet days = RecordSet::open(t.db(), QStringLiteral("PARAMETERS CalendarID Long=%1, StartDt DateTime=#1/1/2024#, EndDt DateTime=#1/31/2024#; SELECT Q008.* FROM Q008;").arg(s.zeta));
    ASSERT_EQ(days.record_count(), 6);
    for (; !days.eof(); days.move_next()) {
        days.edit();
        days.set_field(QStringLiteral("TimeSegments"), QVariant());
        days.set_field(QStringLiteral("Date comment"), QStringLiteral("closed"));
        days.set_field(QStringLiteral("minutes1"), 0);
        days.update();
    }
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT count(*) FROM days WHERE TimeSegments IS NULL AND \"Date comment\" = 'closed' AND minutes1 = 0")), 6);
    // The other calendar's days are untouched.
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT count(*) FROM days WHERE \"Date comment\" IS NULL")), 2);
}

TEST(RecordSet, DeleteRemovesTheRecordAndItsDays)
{
    TestDatabase t;
    const Sample s = fill_sample(t.db());
    RecordSet set = RecordSet::open(t.db(), calendar(s.zeta));
    set.delete_record();
    EXPECT_EQ(set.record_count(), 0);
    EXPECT_EQ(error_number([&] { set.field(QStringLiteral("Name")); }), DbError::NoCurrentRecord);
    set.move_next();
    EXPECT_TRUE(set.eof());

    EXPECT_EQ(RecordSet::open(t.db(), calendar(s.zeta)).record_count(), 0);
    // Years and days go with their calendar: no orphans.
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT count(*) FROM calendar_years WHERE CalendarLink = %1").arg(s.zeta)), 0);
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT count(*) FROM days WHERE NameLink = %1").arg(s.zeta)), 0);
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT count(*) FROM days")), 1);

    // A year deleted through Q002 takes its days too.
    RecordSet year = RecordSet::open(t.db(), QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2024; SELECT Q002.* FROM Q002;").arg(s.alpha));
    year.delete_record();
    EXPECT_EQ(scalar(t.db(), QStringLiteral("SELECT count(*) FROM days")), 0);
}

TEST(RecordSet, AddsDayRecordsThroughTheYearQuery)
{
    TestDatabase t;
    const Sample s = fill_sample(t.db());
    RecordSet year = RecordSet::open(t.db(), QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2025; SELECT Q002.* FROM Q002;").arg(s.alpha));
    year.add_new();
    year.set_field(QStringLiteral("CalendarLink"), s.alpha);
    year.set_field(QStringLiteral("YearVal"), 2025);
    year.update();
    year.move_last();
    const qint64 year_id = year.field(QStringLiteral("id")).toLongLong();

    RecordSet days = RecordSet::open(t.db(), QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2025; SELECT Q003.* FROM Q003;").arg(s.alpha));
    for (QDate date(2025, 1, 1); date.year() == 2025; date = date.addDays(1)) {
        days.add_new();
        days.set_field(QStringLiteral("NameLink"), s.alpha);
        days.set_field(QStringLiteral("YearLink"), year_id);
        days.set_field(QStringLiteral("DateVal"), date);
        days.set_field(QStringLiteral("DayType"), 0);
        days.set_field(QStringLiteral("TimeSegments"), QString());
        days.set_field(QStringLiteral("Date comment"), QString());
        days.update();
    }
    EXPECT_EQ(days.record_count(), 365);
    days.move_last();
    EXPECT_EQ(days.field(QStringLiteral("DateVal")).toDate(), QDate(2025, 12, 31));

    RecordSet reread = RecordSet::open(t.db(), QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2025; SELECT Q003.* FROM Q003;").arg(s.alpha));
    EXPECT_EQ(reread.record_count(), 365);
    EXPECT_EQ(reread.field(QStringLiteral("DateVal")).toDate(), QDate(2025, 1, 1));
    EXPECT_EQ(reread.field(QStringLiteral("TimeSegments")).toString(), QString());
    EXPECT_FALSE(reread.is_null(QStringLiteral("TimeSegments")));
    EXPECT_EQ(reread.field(QStringLiteral("minutes1")).toInt(), 0);

    // A second record for one calendar date is refused by the engine.
    days.add_new();
    days.set_field(QStringLiteral("NameLink"), s.alpha);
    days.set_field(QStringLiteral("YearLink"), year_id);
    days.set_field(QStringLiteral("DateVal"), QDate(2025, 6, 1));
    EXPECT_EQ(error_number([&] { days.update(); }), 19);  // constraint
}

TEST(RecordSet, RefusesWhatCannotBeDone)
{
    TestDatabase t;
    const Sample s = fill_sample(t.db());
    const QString following = QStringLiteral("PARAMETERS CalendarID Long=%1, YearID Long=%2, [Date] DateTime=#1/1/2024#; SELECT Q007.* FROM Q007;").arg(s.zeta).arg(s.zeta_2024);

    RecordSet read_only = RecordSet::open(t.db(), following);
    EXPECT_EQ(error_number([&] { read_only.edit(); }), DbError::NotUpdatable);
    EXPECT_EQ(error_number([&] { read_only.add_new(); }), DbError::NotUpdatable);
    EXPECT_EQ(error_number([&] { read_only.field(QStringLiteral("nope")); }), DbError::UnknownField);

    RecordSet set = RecordSet::open(t.db(), calendar(s.alpha));
    EXPECT_EQ(error_number([&] { set.set_field(QStringLiteral("Name"), QStringLiteral("x")); }), DbError::NotEditing);
    EXPECT_EQ(error_number([&] { set.update(); }), DbError::NotEditing);
    set.edit();
    EXPECT_EQ(error_number([&] { set.set_field(QStringLiteral("id"), 5); }), DbError::NotUpdatable);
    set.cancel_update();

    // Another workstation deleted the record after it was read.
    t.db().exec(QStringLiteral("DELETE FROM calendars WHERE id = %1;").arg(s.alpha));
    set.edit();
    set.set_field(QStringLiteral("Name"), QStringLiteral("x"));
    EXPECT_EQ(error_number([&] { set.update(); }), DbError::RecordChanged);

    // Unknown queries and parameters, missing values.
    EXPECT_EQ(error_number([&] { RecordSet::open(t.db(), QStringLiteral("SELECT Q012.* FROM Q012;")); }), DbError::UnknownQuery);
    EXPECT_EQ(error_number([&] { RecordSet::open(t.db(), QStringLiteral("PARAMETERS Bogus Long=1; SELECT Q004.* FROM Q004;")); }), DbError::UnknownParameter);
    EXPECT_EQ(error_number([&] { RecordSet::open(t.db(), QStringLiteral("SELECT Q004.* FROM Q004;")); }), DbError::MissingParameter);
    EXPECT_EQ(error_number([&] { RecordSet::open(t.db(), QStringLiteral("PARAMETERS [Password] Text; SELECT Q011a.* FROM Q011a;")); }), DbError::MissingParameter);
    EXPECT_EQ(error_number([&] { RecordSet::open(t.db(), QStringLiteral("PARAMETERS RecordID Long='1'; SELECT Q004.* FROM Q004;")); }), DbError::RecordSetSyntax);
}
