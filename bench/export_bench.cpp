// A busy calendar year written out as CSV and as iCalendar, as the Export
// commands and dayvane-db export do once the year is loaded.

#include "export/yearcsv.h"
#include "export/yearicalendar.h"
#include "calendaryear/calendaryear.h"

#include <QDateTime>
#include <QTimeZone>

#include "busyyear.h"
#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace dayvane;
using namespace dayvane::bench;


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
        size = year_icalendar(year(), year().calendar_name(), zone, stamp, QStringLiteral("0123456789abcdef0123456789abcdef")).size();
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
