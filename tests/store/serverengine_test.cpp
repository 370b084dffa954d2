#include "store/connection.h"
#include "store/dberror.h"
#include "store/postgresengine.h"
#include "store/recordset.h"
#include "store/transaction.h"

#include "testdatabase.h"
#include "testserver.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

TEST(ServerSql, NamesAndQuestionMarksBecomeNumberedParametersOutsideQuotes)
{
    struct Case
    {
        const char *sql, *server;
        QStringList parameters;
    };
    const Case cases[] = {
        {"SELECT a FROM t WHERE x = :CalendarID AND y.z = :CalendarID AND w = :Year;",
         "SELECT a FROM t WHERE x = $1 AND y.z = $1 AND w = $2", {":CalendarID", ":Year"}},
        {"UPDATE \"days\" SET \"a\" = ?, \"b\" = ? WHERE \"id\" = ?;", "UPDATE \"days\" SET \"a\" = $1, \"b\" = $2 WHERE \"id\" = $3",
         {"", "", ""}},
        {"SELECT ':no', \"a:b\", 'it''s :x', x::integer -- :comment ?\nFROM t WHERE v = :v_1",
         "SELECT ':no', \"a:b\", 'it''s :x', x::integer -- :comment ?\nFROM t WHERE v = $1", {":v_1"}},
        {"SELECT 1", "SELECT 1", {}},
    };
    for (const Case &c : cases) {
        const ServerSql sql = to_server_sql(QString::fromUtf8(c.sql));
        EXPECT_EQ(sql.text, QByteArray(c.server)) << c.sql;
        EXPECT_EQ(sql.parameters, c.parameters) << c.sql;
    }
    EXPECT_TRUE(is_calendar_server(QStringLiteral("postgresql://ann@db.example/dayvane?sslmode=require")));
    EXPECT_TRUE(is_calendar_server(QStringLiteral("host=/run/postgresql dbname=dayvane")));
    EXPECT_FALSE(is_calendar_server(QStringLiteral("/srv/share/QZDB.mdb")));
}

// A year of days is written in a handful of requests, however many days it
// has, and a write that finds its record gone fails the whole change.
TEST(ServerEngine, WritesOfAChangeTravelTogetherAndFailTogether)
{
    if (!TestServer::instance())
        GTEST_SKIP() << "the run started no database server";
    TestDatabase server{Backend::Server};
    Database &db = server.db();
    const Sample sample = fill_sample(db);
    const auto of_2025 = [&](const char *query) {
        return RecordSet::open(db, QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2025; SELECT %2.* FROM %2;")
                                         .arg(sample.alpha).arg(QLatin1String(query)));
    };
    qint64 before = postgres_round_trips(db);
    {
        Transaction transaction(db);
        RecordSet years = of_2025("Q002");
        years.add_new();
        write_record(years, {{"CalendarLink", sample.alpha}, {"YearVal", 2025}});
        const qint64 year = years.last_added_id();
        RecordSet days = of_2025("Q003");
        for (QDate date(2025, 1, 1); date.year() == 2025; date = date.addDays(1)) {
            days.add_new();
            write_record(days, {{"NameLink", sample.alpha}, {"YearLink", year}, {"DateVal", date},
                                {"minutes1", date.dayOfWeek() < 6 ? 480 : 0}});
        }
        days.move_last();
        EXPECT_EQ(days.field(QStringLiteral("DateVal")).toDate(), QDate(2025, 12, 31));
        EXPECT_GT(days.field(QStringLiteral("id")).toLongLong(), 0);
        transaction.commit();
    }
    EXPECT_LE(postgres_round_trips(db) - before, 10);
    RecordSet days = of_2025("Q003");
    ASSERT_EQ(days.record_count(), 365);
    EXPECT_EQ(days.field(QStringLiteral("minutes1")).toInt(), 480);  // Wednesday 1 January
    // Another workstation deletes the first day after this one read it.
    open_existing_database(server.path())
        .exec(QStringLiteral("DELETE FROM days WHERE id = %1;").arg(days.field(QStringLiteral("id")).toLongLong()));
    before = postgres_round_trips(db);
    const QString failed = db_failure([&] {
        Transaction transaction(db);
        for (days.move_first(); !days.eof(); days.move_next()) {
            days.edit();
            write_record(days, {{"minutes2", 60}});
        }
        transaction.commit();
    });
    EXPECT_EQ(failed.section(u' ', 0, 0).toInt(), DbError::RecordChanged) << failed.toStdString();
    EXPECT_LE(postgres_round_trips(db) - before, 3);
    RecordSet after = of_2025("Q003");
    EXPECT_EQ(after.record_count(), 364);
    EXPECT_EQ(after.field(QStringLiteral("minutes2")).toInt(), 0);
}

} // namespace
