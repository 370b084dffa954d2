// Creating a calendar with ten years of empty days and deleting it again,
// through the calendar list's store functions and with bare statements.

#include "calendars/calendarstore.h"
#include "store/connection.h"
#include "store/sqlcipherengine.h"
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

constexpr int kFirstYear = 2021;
constexpr int kYears = 10;  // 3,652 days

struct Fixture
{
    QTemporaryDir dir{QDir::current().absoluteFilePath(QStringLiteral("bench-XXXXXX"))};
    std::optional<Database> db;
    Fixture() { db.emplace(create_calendar_database(dir.filePath(QStringLiteral("QZDB.mdb")))); }
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

// The calendar list's steps: a name with its first year, nine more years,
// then the years deleted from the end; each step checks and raises the
// calendar's revision. `one_commit` runs them inside one outer transaction
// (the bare run's single commit); otherwise each commits on its own, as when
// a user makes the steps one by one.
void create_and_delete(Database &db, bool one_commit)
{
    std::optional<Transaction> outer;
    if (one_commit)
        outer.emplace(db);
    const qint32 id = create_calendar(db, QStringLiteral("Bench"), kFirstYear);
    qint32 revision = 0;
    for (int year = kFirstYear + 1; year < kFirstYear + kYears; ++year)
        revision = *add_calendar_year_record(db, id, revision, year);
    for (int year = kFirstYear + kYears - 1; year > kFirstYear; --year) {
        delete_calendar_year_record(db, id, revision, year, false);
        ++revision;
    }
    delete_calendar_year_record(db, id, revision, kFirstYear, true);
    if (outer)
        outer->commit();
}

void BM_CalendarListCreateAndDelete(benchmark::State &state)
{
    for (auto _ : state)
        create_and_delete(*fixture().db, true);
}
BENCHMARK(BM_CalendarListCreateAndDelete)->Unit(benchmark::kMillisecond);

void BM_CalendarListStepByStep(benchmark::State &state)
{
    for (auto _ : state)
        create_and_delete(*fixture().db, false);
}
BENCHMARK(BM_CalendarListStepByStep)->Unit(benchmark::kMillisecond);

// The floor: the same rows in one transaction with prepared statements.
void BM_BareCreateAndDelete(benchmark::State &state)
{
    Database &db = *fixture().db;
    sqlite3 *handle = sqlcipher_handle(db);
    for (auto _ : state) {
        Transaction transaction(db);
        db.exec(QStringLiteral("INSERT INTO calendars (Name) VALUES ('Bare');"));
        const qint64 id = db.last_insert_id();
        sqlite3_stmt *year_insert = nullptr;
        sqlite3_stmt *day_insert = nullptr;
        sqlite3_prepare_v2(handle, "INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (?, ?)", -1, &year_insert, nullptr);
        sqlite3_prepare_v2(handle,
                           "INSERT INTO days (NameLink, YearLink, DateVal, DayType, DayStart, DayStop, minutes1, minutes2,"
                           " TimeSegments, \"Date comment\") VALUES (?, ?, ?, 0, 0, 0, 0, 0, '', '')",
                           -1, &day_insert, nullptr);
        for (int year = kFirstYear; year < kFirstYear + kYears; ++year) {
            sqlite3_bind_int64(year_insert, 1, id);
            sqlite3_bind_int(year_insert, 2, year);
            sqlite3_step(year_insert);
            sqlite3_reset(year_insert);
            const qint64 year_id = sqlite3_last_insert_rowid(handle);
            for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
                const QByteArray iso = date.toString(Qt::ISODate).toLatin1();
                sqlite3_bind_int64(day_insert, 1, id);
                sqlite3_bind_int64(day_insert, 2, year_id);
                sqlite3_bind_text(day_insert, 3, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
                sqlite3_step(day_insert);
                sqlite3_reset(day_insert);
            }
        }
        sqlite3_finalize(year_insert);
        sqlite3_finalize(day_insert);
        db.exec(QStringLiteral("DELETE FROM calendars WHERE id = %1;").arg(id));
        transaction.commit();
    }
}
BENCHMARK(BM_BareCreateAndDelete)->Unit(benchmark::kMillisecond);

void print_ratio(const TimingReporter &times)
{
    const double list = times.wall("BM_CalendarListCreateAndDelete");
    const double bare = times.wall("BM_BareCreateAndDelete");
    if (list <= 0 || bare <= 0)
        return;
    std::printf("Calendar with 10 years (3,652 days) created and deleted in one commit: calendar list %.1f ms, "
                "bare %.1f ms, ratio %.2f (goal <= 2)\n",
                list, bare, list / bare);
    if (const double steps = times.wall("BM_CalendarListStepByStep"); steps > 0)
        std::printf("The same as 20 separate steps, each committed: %.1f ms\n", steps);
}

} // namespace

int main(int argc, char **argv)
{
    run_benchmarks(&argc, argv, print_ratio);
    return 0;
}
