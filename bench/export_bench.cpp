// A busy calendar year written out as CSV and as iCalendar, as the Export
// commands and dayvane-db export do once the year is loaded.

#include "export/yearcsv.h"
#include "export/yearicalendar.h"
#include "ui_common/calendaryear.h"

#include <QDateTime>
#include <QTimeZone>

#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace dayvane;

constexpr auto kTypical = "y@480>720+y@780>1020";

// Every weekday worked, Fridays altered and running past midnight, a paid
// holiday on the 1st of each month and a comment on every 10th.
CalendarYear busy_year()
{
    CalendarYear year(1, QStringLiteral("Head office"), 1, 2026);
    year.set_typical_day(kTypical, 480, 480);
    qint32 id = 1;
    for (QDate date(2026, 1, 1); date.year() == 2026; date = date.addDays(1)) {
        DayEntry day{id++, date, 480, 1020, 480, 480, kTypical, {}};
        if (date.day() == 1) {
            day = DayEntry{day.id, date, 0, 0, 0, 480, QStringLiteral("n@480>960"), QStringLiteral("Holiday")};
        } else if (date.dayOfWeek() >= 6) {
            day = DayEntry{day.id, date, 0, 0, 0, 0, {}, {}};
        } else if (date.dayOfWeek() == 5) {
            day.time_segments = QStringLiteral("y@420>720+y@1320>1680");
            day.minutes1 = day.minutes2 = 660;
        }
        if (date.day() == 10)
            day.comment = QStringLiteral("Team meeting, \"quarterly figures\"; room %1").arg(date.month());
        year.add_day(day);
    }
    return year;
}

const CalendarYear &year()
{
    static const CalendarYear loaded = busy_year();
    return loaded;
}

void BM_YearCsv(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state)
        size = year_csv(year()).size();
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_YearCsv)->Unit(benchmark::kMillisecond);

void BM_YearICalendar(benchmark::State &state)
{
    const QTimeZone zone("Europe/Berlin");
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    qsizetype size = 0;
    for (auto _ : state)
        size = year_icalendar(year(), year().calendar_name(), zone, stamp).size();
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_YearICalendar)->Unit(benchmark::kMillisecond);

// The floor: the same days' fields as bare comma-separated text, without
// classes, period texts, quoting or time zones.
void BM_YearBareText(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        QString text;
        for (const DayEntry &day : year().day_entries()) {
            text += day.date.toString(Qt::ISODate) + u',' + day.time_segments + u',' + QString::number(day.minutes1)
                    + u',' + QString::number(day.minutes2) + u',' + day.comment + QStringLiteral("\r\n");
        }
        size = text.toUtf8().size();
    }
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_YearBareText)->Unit(benchmark::kMillisecond);

void print_figures(const TimingReporter &times)
{
    const double csv = times.wall("BM_YearCsv");
    const double ics = times.wall("BM_YearICalendar");
    const double bare = times.wall("BM_YearBareText");
    if (csv <= 0 || ics <= 0 || bare <= 0)
        return;
    std::printf("A busy year written as CSV in %.2f ms and as iCalendar in %.2f ms (goal < 100 ms each); "
                "its fields as bare text in %.2f ms: ratios %.1f and %.1f\n",
                csv, ics, bare, csv / bare, ics / bare);
}

} // namespace

int main(int argc, char **argv)
{
    run_benchmarks(&argc, argv, print_figures);
    return 0;
}
