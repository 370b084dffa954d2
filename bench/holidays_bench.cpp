// Decoding a holiday reply of 10,000 records and building the holiday
// window's command tree from it.

#include "holidays/holidayreply.h"
#include "holidays/holidaytree.h"

#include <QApplication>
#include <QTreeWidget>

#include "timingreporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace dayvane;

constexpr int kCountries = 20;
constexpr int kYears = 10;
constexpr int kRecords = 10'000;

// 20 countries with 10 years each and holidays spread evenly over the years
// up to 10,000 records in all; names with accents, as real lists have.
QByteArray reply_of_10000_records()
{
    QByteArray payload;
    const int holidays = kRecords - kCountries - kCountries * kYears;
    const int per_year = holidays / (kCountries * kYears);
    int left_over = holidays - per_year * kCountries * kYears;
    for (int country = 1; country <= kCountries; ++country) {
        payload += "C=" + QByteArray::number(country) + "^Country " + QByteArray::number(country) + " (f\xc3\xaates)|";
        for (int year = 2021; year < 2021 + kYears; ++year) {
            const QByteArray list = QByteArray::number(country * 10000 + year);
            payload += "Y=" + QByteArray::number(country) + '^' + list + '^' + QByteArray::number(year) + '|';
            const int count = per_year + (left_over-- > 0 ? 1 : 0);
            for (int day = 0; day < count; ++day) {
                payload += "H=" + QByteArray::number(country) + '^' + list + '^' + QByteArray::number(day % 12 + 1) + '/'
                    + QByteArray::number(day % 28 + 1) + '/' + QByteArray::number(year) + "^Jour f\xc3\xa9ri\xc3\xa9 "
                    + QByteArray::number(day) + '|';
            }
        }
    }
    return "HTTP/1.1 200 OK\r\n\r\n~boundary~*** Corvantelle holdiday list ***" + payload;
}

const QByteArray &reply()
{
    static const QByteArray text = reply_of_10000_records();
    return text;
}

void BM_DecodeHolidayReply(benchmark::State &state)
{
    for (auto _ : state) {
        DecodedReply decoded = decode_holiday_reply(reply());
        benchmark::DoNotOptimize(decoded.tables.holidays.data());
    }
}
BENCHMARK(BM_DecodeHolidayReply)->Unit(benchmark::kMillisecond);

void BM_DecodeAndBuildTree(benchmark::State &state)
{
    QTreeWidget tree;
    for (auto _ : state) {
        const DecodedReply decoded = decode_holiday_reply(reply());
        build_holiday_tree(&tree, &decoded.tables);
        benchmark::DoNotOptimize(tree.topLevelItemCount());
    }
    const DecodedReply decoded = decode_holiday_reply(reply());
    const size_t records = decoded.tables.countries.size() + decoded.tables.years.size() + decoded.tables.holidays.size();
    if (records != size_t(kRecords) || tree.topLevelItemCount() != kCountries + 2)
        state.SkipWithError("the reply does not hold the records it should");
}
BENCHMARK(BM_DecodeAndBuildTree)->Unit(benchmark::kMillisecond);

void print_figure(const TimingReporter &times)
{
    const double decode = times.wall("BM_DecodeHolidayReply");
    const double both = times.wall("BM_DecodeAndBuildTree");
    if (decode <= 0 || both <= 0)
        return;
    std::printf("Holiday reply of 10,000 records (%.0f KiB): decoded in %.2f ms, decoded and tree built in %.2f ms "
                "(goal < 10 ms)\n",
                reply().size() / 1024.0, decode, both);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    run_benchmarks(&argc, argv, print_figure);
    return 0;
}
