// Reading a calendar year through the record set against a bare engine
// statement over the same rows, and writing a year in one transaction.

#include "model/textforms.h"
#include "store/connection.h"
#include "store/sqlcipherengine.h"
#include "store/recordset.h"
#include "store/transaction.h"

#include <sqlcipher/sqlite3.h>

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace {

using namespace dayvane;

constexpr int kYear = 2024;  // a leap year: 366 days

struct Fixture
{
    QTemporaryDir dir{QDir::current().absoluteFilePath(QStringLiteral("bench-XXXXXX"))};
    std::optional<Database> db;
    qint64 calendar = 0;
    qint64 year_id = 0;

    Fixture()
    {
        db.emplace(create_calendar_database(dir.filePath(QStringLiteral("QZDB.mdb"))));
        db->exec(QStringLiteral("INSERT INTO calendars (Name) VALUES ('Bench');"));
        calendar = db->last_insert_id();
        db->exec(QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (%1, %2);").arg(calendar).arg(kYear));
        year_id = db->last_insert_id();
        Transaction transaction(*db);
        add_year_days(*db, calendar, year_id, kYear);
        transaction.commit();
    }

    static void add_year_days(Database &db, qint64 calendar, qint64 year_id, int year)
    {
        RecordSet days = RecordSet::open(
            db, QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=%2; SELECT Q003.* FROM Q003;").arg(calendar).arg(year));
        for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
            const bool weekday = date.dayOfWeek() <= 5;
            days.add_new();
            days.set_field(QStringLiteral("NameLink"), calendar);
            days.set_field(QStringLiteral("YearLink"), year_id);
            days.set_field(QStringLiteral("DateVal"), date);
            days.set_field(QStringLiteral("DayType"), 0);
            days.set_field(QStringLiteral("DayStart"), weekday ? 480 : 0);
            days.set_field(QStringLiteral("DayStop"), weekday ? 990 : 0);
            days.set_field(QStringLiteral("minutes1"), weekday ? 480 : 0);
            days.set_field(QStringLiteral("minutes2"), weekday ? 480 : 0);
            days.set_field(QStringLiteral("TimeSegments"), weekday ? QStringLiteral("y@480>720+y@750>990") : QString());
            days.set_field(QStringLiteral("Date comment"), QString());
            days.update();
        }
    }
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

// What the calendar load reads of each day.
struct DaySums
{
    qint64 worked = 0;
    qint64 paid = 0;
    qint64 text = 0;
};

void BM_ReadYearThroughRecordSet(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString text = QStringLiteral("PARAMETERS CalendarID Long=%1, StartDt DateTime%2, EndDt DateTime%3; SELECT *  FROM Q008;")
                             .arg(f.calendar)
                             .arg(format_query_date(QDate(kYear, 1, 1)), format_query_date(QDate(kYear, 12, 31)));
    for (auto _ : state) {
        DaySums sums;
        RecordSet days = RecordSet::open(*f.db, text);
        for (; !days.eof(); days.move_next()) {
            sums.worked += days.field(QStringLiteral("minutes1")).toInt();
            sums.paid += days.field(QStringLiteral("minutes2")).toInt();
            sums.text += days.field(QStringLiteral("TimeSegments")).toString().size()
                         + days.field(QStringLiteral("Date comment")).toString().size()
                         + days.field(QStringLiteral("DateVal")).toDate().day()
                         + days.field(QStringLiteral("id")).toInt() + days.field(QStringLiteral("DayStart")).toInt()
                         + days.field(QStringLiteral("DayStop")).toInt();
        }
        if (days.record_count() != 366)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(sums);
    }
}
BENCHMARK(BM_ReadYearThroughRecordSet)->Unit(benchmark::kMicrosecond);

// The floor: one statement, prepared once, reading the same columns of the
// same rows straight from the engine.
void BM_ReadYearBareStatement(benchmark::State &state)
{
    Fixture &f = fixture();
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(sqlcipher_handle(*f.db),
                       "SELECT id, DateVal, DayStart, DayStop, minutes1, minutes2, TimeSegments, \"Date comment\""
                       " FROM days WHERE NameLink = ? AND DateVal BETWEEN ? AND ? ORDER BY DateVal",
                       -1, &stmt, nullptr);
    for (auto _ : state) {
        DaySums sums;
        int rows = 0;
        sqlite3_bind_int64(stmt, 1, f.calendar);
        sqlite3_bind_text(stmt, 2, "2024-01-01", -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 3, "2024-12-31", -1, SQLITE_STATIC);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rows;
            sums.worked += sqlite3_column_int(stmt, 4);
            sums.paid += sqlite3_column_int(stmt, 5);
            sums.text += sqlite3_column_bytes(stmt, 6) + sqlite3_column_bytes(stmt, 7) + sqlite3_column_bytes(stmt, 1)
                         + sqlite3_column_int(stmt, 0) + sqlite3_column_int(stmt, 2) + sqlite3_column_int(stmt, 3);
        }
        sqlite3_reset(stmt);
        if (rows != 366)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(sums);
    }
    sqlite3_finalize(stmt);
}
BENCHMARK(BM_ReadYearBareStatement)->Unit(benchmark::kMicrosecond);

// A new calendar year: 366 empty day records added in one transaction.
void BM_AddYearInOneTransaction(benchmark::State &state)
{
    Fixture &f = fixture();
    static int year = 2400;  // leap years only, so every run writes 366 records
    for (auto _ : state) {
        year += 4;
        state.PauseTiming();
        f.db->exec(QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (%1, %2);").arg(f.calendar).arg(year));
        const qint64 year_id = f.db->last_insert_id();
        state.ResumeTiming();
        Transaction transaction(*f.db);
        Fixture::add_year_days(*f.db, f.calendar, year_id, year);
        transaction.commit();
    }
}
BENCHMARK(BM_AddYearInOneTransaction)->Unit(benchmark::kMillisecond);

// The ratio of record set to bare reads.
void print_ratio(const TimingReporter &times)
{
    const double through = times.wall("BM_ReadYearThroughRecordSet");
    const double bare = times.wall("BM_ReadYearBareStatement");
    if (through <= 0 || bare <= 0)
        return;
    std::printf("Year read (366 days): record set %.1f us, bare statement %.1f us, ratio %.2f (goal <= 3)\n",
                through, bare, through / bare);
}

} // namespace

int main(int argc, char **argv)
{
    run_benchmarks(&argc, argv, print_ratio);
    return 0;
}
