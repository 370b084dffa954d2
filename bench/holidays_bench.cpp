// Decoding a holiday reply of 10,000 records and building the holiday
// window's command tree from it; the same for the full offer of the lists
// the project ships, for this year, and decoding it for all its years.

#include "holidays/holidayreply.h"
#include "holidays/holidaytree.h"

#include <QApplication>
#include <QDate>
#include <QTreeWidget>

#include "shippedholidays.h"
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

// Every shipped list, for this year only (what the holiday window fetches
// from a server started with --years for the year at hand) or for all the
// years the lists hold (the server's default).
const QByteArray &shipped_reply(bool all_years = false)
{
    const int year = QDate::currentDate().year();
    static const QByteArray one = shipped_holiday_reply(year, year);
    static const QByteArray all = shipped_holiday_reply(year - 10, year + 10);
    return all_years ? all : one;
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

// Argument 1: all the years of the shipped lists, else this year.
void BM_DecodeShippedLists(benchmark::State &state)
{
    const QByteArray &text = shipped_reply(state.range(0) == 1);
    for (auto _ : state) {
        DecodedReply decoded = decode_holiday_reply(text);
        benchmark::DoNotOptimize(decoded.tables.holidays.data());
    }
    if (decode_holiday_reply(text).status != ReplyStatus::Complete)
        state.SkipWithError("the shipped lists do not fit in a reply");
}
BENCHMARK(BM_DecodeShippedLists)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DecodeShippedListsForAYearAndBuildTree(benchmark::State &state)
{
    QTreeWidget tree;
    for (auto _ : state) {
        const DecodedReply decoded = decode_holiday_reply(shipped_reply());
        build_holiday_tree(&tree, &decoded.tables);
        benchmark::DoNotOptimize(tree.topLevelItemCount());
    }
    const DecodedReply decoded = decode_holiday_reply(shipped_reply());
    if (decoded.status != ReplyStatus::Complete || decoded.tables.countries.size() < 100 ||
        decoded.tables.years.size() != decoded.tables.countries.size())
        state.SkipWithError("the shipped lists do not come as one year of every list");
}
BENCHMARK(BM_DecodeShippedListsForAYearAndBuildTree)->Unit(benchmark::kMillisecond);

void print_figure(const TimingReporter &times)
{
    const double decode = times.wall("BM_DecodeHolidayReply");
    const double both = times.wall("BM_DecodeAndBuildTree");
    if (decode > 0 && both > 0) {
        std::printf("Holiday reply of 10,000 records (%.0f KiB): decoded in %.2f ms, decoded and tree built in %.2f ms "
                    "(goal < 10 ms)\n",
                    reply().size() / 1024.0, decode, both);
    }
    const double shipped = times.wall("BM_DecodeShippedLists/0");
    const double shipped_tree = times.wall("BM_DecodeShippedListsForAYearAndBuildTree");
    const double all_years = times.wall("BM_DecodeShippedLists/1");
    if (shipped <= 0 || shipped_tree <= 0 || all_years <= 0)
        return;
    const DecodedReply one = decode_holiday_reply(shipped_reply());
    const DecodedReply all = decode_holiday_reply(shipped_reply(true));
    std::printf("Shipped lists for %d: %zu lists, %zu holidays, %.0f KiB, decoded in %.2f ms, decoded and tree built "
                "in %.2f ms\n",
                QDate::currentDate().year(), one.tables.countries.size(), one.tables.holidays.size(),
                shipped_reply().size() / 1024.0, shipped, shipped_tree);
    std::printf("Shipped lists for all their years: %zu year lists, %zu holidays, %.0f KiB of the %lld KiB a reply may "
                "hold, decoded in %.2f ms\n",
                all.tables.years.size(), all.tables.holidays.size(), shipped_reply(true).size() / 1024.0,
                static_cast<long long>(kMaxHolidayReplyBytes / 1024), all_years);
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
