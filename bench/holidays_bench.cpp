// Decoding a holiday reply of 10,000 records and building the holiday
// window's command tree from it; the same for the full offer of the lists
// the project ships, for this year, and decoding it for all its years.
// Reading an iCalendar file of 42,000 events (10 MB) beside libical's bare
// parse of it, and how soon files whose recurring events repeat too often
// are refused.

#include "holidays/holidayreply.h"
#include "holidays/holidaytree.h"
#include "holidays/icalendarlists.h"

#include <QApplication>
#include <QDate>
#include <QTreeWidget>

#include "shippedholidays.h"
#include "timingreporter.h"

#include <benchmark/benchmark.h>
#include <libical/ical.h>

#include <atomic>

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

constexpr int kEvents = 42'000;

// 42,000 single all-day events over ten years, about 250 bytes each, as an
// organisation's exported calendar of closures and shifts.
const QByteArray &icalendar_of_42000_events()
{
    static const QByteArray text = [] {
        QByteArray body = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dayvane bench//EN\r\nX-WR-CALNAME:Acme Works\r\n";
        for (int i = 0; i < kEvents; ++i) {
            const QDate day = QDate(2021, 1, 1).addDays(i % 3650);
            const QByteArray date = day.toString(QStringLiteral("yyyyMMdd")).toLatin1();
            body += "BEGIN:VEVENT\r\nUID:closure-" + QByteArray::number(i) + "@acme.example\r\nDTSTAMP:20250101T000000Z\r\n"
                "DTSTART;VALUE=DATE:" + date + "\r\nDTEND;VALUE=DATE:" + day.addDays(1).toString(QStringLiteral("yyyyMMdd")).toLatin1()
                + "\r\nSUMMARY:Site closure " + QByteArray::number(i % 97) + " (f\xc3\xaate)\r\nDESCRIPTION:Closed all day; "
                "night shift starts next day as usual.\r\nEND:VEVENT\r\n";
        }
        return body + "END:VCALENDAR\r\n";
    }();
    return text;
}

// Argument 1: with a cancel flag the reader watches, as the window runs it.
void BM_ReadICalendar(benchmark::State &state)
{
    const QByteArray &text = icalendar_of_42000_events();
    QString error;
    const std::atomic<bool> cancel = false;
    size_t days = 0;
    for (auto _ : state) {
        const std::optional<HolidayList> list =
            read_icalendar_text(text, QStringLiteral("bench"), 2021, 2030, &error, state.range(0) ? &cancel : nullptr);
        days = 0;
        for (const auto &[year, holidays] : list.value_or(HolidayList()).years)
            days += holidays.size();
    }
    if (days != size_t(kEvents))
        state.SkipWithError("the file does not give one holiday an event");
}
BENCHMARK(BM_ReadICalendar)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The baseline: libical's own parse of the same text, nothing read from it.
void BM_LibicalParse(benchmark::State &state)
{
    const QByteArray &text = icalendar_of_42000_events();
    for (auto _ : state) {
        icalcomponent *root = icalparser_parse_string(text.constData());
        benchmark::DoNotOptimize(root);
        icalcomponent_free(root);
    }
}
BENCHMARK(BM_LibicalParse)->Unit(benchmark::kMillisecond);

// Files whose recurring events pass the bounds: each must be refused within
// 2 s, where libical alone would run for minutes and run out of memory.
const char *const kHostileRules[] = {"FREQ=SECONDLY", "FREQ=MINUTELY;COUNT=2000000000",
                                     "FREQ=SECONDLY;BYMONTH=2;BYMONTHDAY=30", "FREQ=HOURLY"};

QByteArray hostile_icalendar(int rule)
{
    // The last one is legitimate once; a thousand of them pass the bound on
    // a file's time.
    QByteArray body = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dayvane bench//EN\r\n";
    for (int i = 0; i < (rule == 3 ? 1000 : 1); ++i) {
        body += "BEGIN:VEVENT\r\nUID:night-" + QByteArray::number(i) + "\r\nDTSTART:20260101T000000Z\r\nRRULE:" +
            kHostileRules[rule] + "\r\nSUMMARY:Night closure " + QByteArray::number(i) + "\r\nEND:VEVENT\r\n";
    }
    return body + "END:VCALENDAR\r\n";
}

void BM_RefuseHostileICalendar(benchmark::State &state)
{
    const QByteArray text = hostile_icalendar(int(state.range(0)));
    QString error;
    bool refused = true;
    for (auto _ : state)
        refused = refused && !read_icalendar_text(text, QStringLiteral("bench"), 2026, 2026, &error);
    if (!refused)
        state.SkipWithError("the file was read");
}
BENCHMARK(BM_RefuseHostileICalendar)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(3);

void print_figure(const TimingReporter &times)
{
    const double ics = times.wall("BM_ReadICalendar/0");
    const double bare = times.wall("BM_LibicalParse");
    if (ics > 0 && bare > 0) {
        std::printf("iCalendar file of %d events (%.1f MB): read in %.0f ms (%.0f ms with a cancel flag), libical's bare "
                    "parse %.0f ms\n",
                    kEvents, icalendar_of_42000_events().size() / 1e6, ics, times.wall("BM_ReadICalendar/1"), bare);
    }
    for (int rule = 0; rule < 4; ++rule) {
        const double refused = times.wall("BM_RefuseHostileICalendar/" + std::to_string(rule) + "/iterations:3");
        if (refused > 0)
            std::printf("iCalendar file refused in %.2f ms (goal < 2000 ms): %s%s\n", refused,
                        rule == 3 ? "1,000 events " : "", kHostileRules[rule]);
    }
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
