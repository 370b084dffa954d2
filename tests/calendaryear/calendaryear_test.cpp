#include "calendaryear/calendaryear.h"

#include "model/textforms.h"
#include "store/dberror.h"
#include "store/transaction.h"
#include "testdatabase.h"

#include <QCalendarWidget>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <tuple>
#include <vector>

using namespace dayvane;

namespace {

constexpr auto kTypical = "y@480>720+y@780>1020";

// Totals as one printable row: typical days, minutes; altered days, minutes; pay-only days; paid days, minutes.
using Row = std::array<qint64, 7>;
template <typename Totals>
Row row(const Totals &t)
{
    return {t.typical_days, t.typical_minutes, t.altered_days, t.altered_minutes, t.pay_only_days, t.pay_days, t.pay_minutes};
}

// The slot of `date`; a date without slot gives id -1, so checks fail cleanly.
DayEntry at(const CalendarYear &year, QDate date)
{
    const DayEntry *entry = year.entry(date);
    return entry ? *entry : DayEntry{-1, date, 0, 0, 0, 0, {}, {}};
}

// The calendar control; it records the date of every cell it paints.
class PaintedCalendar : public QCalendarWidget
{
public:
    mutable std::vector<QDate> painted;

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override
    {
        painted.push_back(date);
        QCalendarWidget::paintCell(painter, rect, date);
    }
};

// The week starts a workstation may choose; Sunday is restored after each use.
struct WeekStart
{
    explicit WeekStart(Qt::DayOfWeek day) { set_week_start(day); }
    ~WeekStart() { set_week_start(Qt::Sunday); }
};

// Every date of every grid, through the control set up as the main window's, over months starting on every weekday.
TEST(MonthGrid, MatchesTheDatesTheCalendarControlPaints)
{
    PaintedCalendar control;
    control.setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    control.setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    control.resize(420, 300);
    for (const Qt::DayOfWeek start : {Qt::Sunday, Qt::Monday, Qt::Saturday}) {
        const WeekStart week(start);
        control.setFirstDayOfWeek(start);
        for (int year : {1800, 1900, 2000, 2017, 2023, 2024, 2025, 2026, 2027, 2100, 9998})
            for (int month = 1; month <= 12; ++month) {
                control.setCurrentPage(year, month);
                control.painted.clear();
                control.grab();
                std::vector<QDate> expected;
                for (int cell = 0; cell < kShownDaysPerMonth; ++cell)
                    expected.push_back(first_shown_day(year, month).addDays(cell));
                EXPECT_EQ(control.painted, expected) << start << " " << year << "-" << month;
                EXPECT_EQ(last_shown_day(year, month), expected.back()) << year << "-" << month;
            }
    }
}

// March 2024 under both starts: work on every day of 3-16 March, on Sunday 17th, Saturday 23rd and Monday 25th (a
// week's first or last day under one start or the other), and a night shift from Saturday 30th 22:00, counted with
// its start day. Pay is work plus a minute a day.
TEST(WeekTotals, EachWeekCountsItsSevenDaysWhicheverDayStartsIt)
{
    struct Case
    {
        Qt::DayOfWeek start;
        QDate first_row;
        std::array<qint64, 6> work, pay;
    };
    const Case cases[] = {
        {Qt::Sunday, QDate(2024, 2, 25), {0, 420, 420, 300, 780, 0}, {0, 427, 427, 302, 782, 0}},
        {Qt::Monday, QDate(2024, 2, 26), {60, 420, 460, 200, 780, 0}, {61, 427, 467, 201, 782, 0}},
    };
    for (const Case &c : cases) {
        const WeekStart week(c.start);
        CalendarYear year(1, QStringLiteral("Shifts"), 0, 2024);
        const auto work = [&](QDate date, qint32 minutes, qint16 start = 480) {
            year.add_day(DayEntry{1, date, start, qint16((start + minutes) % 1440), minutes, minutes + 1, {}, {}});
        };
        for (QDate date(2024, 3, 3); date <= QDate(2024, 3, 16); date = date.addDays(1))
            work(date, 60);
        work(QDate(2024, 3, 17), 100);
        work(QDate(2024, 3, 23), 200);
        work(QDate(2024, 3, 25), 300);
        work(QDate(2024, 3, 30), 480, 1320);
        const std::array<WeekRow, 6> rows = week_rows(year, 2024, 3);
        EXPECT_EQ(rows[0].start, c.first_row) << c.start;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].end, rows[i].start.addDays(6)) << c.start << " row " << i;
            EXPECT_EQ(std::pair(rows[i].work, rows[i].pay), std::pair(c.work[i], c.pay[i])) << c.start << " row " << i;
        }
    }
}

TEST(CalendarYearMemory, SlotsCoverExactlyTheGridsAndDaysAreClassedAgainstTheTypicalDayExactly)
{
    CalendarYear year(3, QStringLiteral("Office"), 9, 2023);
    ASSERT_EQ(year.day_entries().size(), 378u);  // 25 Dec 2022 .. 6 Jan 2024
    EXPECT_EQ(year.date_at(377), QDate(2024, 1, 6));
    EXPECT_EQ(year.entry(QDate(2022, 12, 25)), &year.day_entries().front());
    EXPECT_EQ(year.entry(QDate(2023, 3, 1)), &year.day_entries()[66]);
    EXPECT_EQ(year.entry(QDate(2024, 1, 6)), &year.day_entries().back());
    EXPECT_THROW(year.month_totals(13), std::out_of_range);
    // A day outside the span has no slot; adding it is an error and changes nothing.
    for (const QDate date : {QDate(2022, 12, 24), QDate(2024, 1, 7), QDate()}) {
        EXPECT_EQ(year.entry(date), nullptr);
        EXPECT_EQ(test::db_failure([&] { year.add_day(DayEntry{1, date, 0, 0, 480, 480, {}, {}}); }).section(u' ', 0, 0),
                  QString::number(DbError::ProgramError)) << date.toString(Qt::ISODate).toStdString();
    }
    EXPECT_EQ(row(year.year_totals()), Row{});
    EXPECT_EQ(year.day_entries(), CalendarYear(3, QStringLiteral("Office"), 9, 2023).day_entries());
    // Without a typical day, a day off's empty period list is no typical workday.
    const DayEntry day_off{1, {}, 0, 0, 0, 0, {}, QStringLiteral("Event")};
    EXPECT_EQ(std::tuple(year.day_kind(day_off), is_listed(year, day_off, 1), is_listed(year, day_off, 4)),
              std::tuple(DayKind::NoWorkNoPay, false, true));
    year.set_typical_day(QString::fromLatin1(kTypical), 480, 480);
    // A commented day's class and the event filters 0..4 that list it.
    struct Case { qint32 worked, paid; const char *segments; DayKind kind; bool listed[kEventFilterCount]; };
    const Case cases[] = {
        {480, 480, kTypical, DayKind::TypicalWork, {true, true, false, false, false}},
        {1, 0, kTypical, DayKind::TypicalWork, {true, true, false, false, false}},
        {240, 480, "Y@480>720+y@780>1020", DayKind::AlteredWork, {true, false, true, false, false}},
        {480, 480, "y@480>720+y@780>1020 ", DayKind::AlteredWork, {true, false, true, false, false}},
        {0, 480, kTypical, DayKind::PaidNoWork, {true, false, false, true, false}},
        {0, 0, kTypical, DayKind::NoWorkNoPay, {true, false, false, false, true}},
        {-5, -1, "", DayKind::NoWorkNoPay, {true, false, false, false, false}},
    };
    for (const Case &c : cases) {
        const DayEntry day{1, {}, 0, 0, c.worked, c.paid, QString::fromLatin1(c.segments), QStringLiteral("Event")};
        EXPECT_EQ(year.day_kind(day), c.kind) << c.worked << "/" << c.paid << " " << c.segments;
        for (int filter = 0; filter < kEventFilterCount; ++filter)
            EXPECT_EQ(is_listed(year, day, filter), c.listed[filter]) << c.segments << " filter " << filter;
    }
}

// Calendars and days written in one change with plain SQL, not the loader's queries; ids by name and the half day's.
struct Stored { std::map<QString, qint32> ids; qint32 half_day = 0; };
Stored fill(Database &db)
{
    Stored stored;
    Transaction transaction(db);
    // Adds calendar `name` and its year records; returns {calendar, year ids...}.
    const auto calendar = [&](const char *name, std::initializer_list<int> years) {
        std::vector<qint32> ids{
            qint32(test::execute(db, QStringLiteral("INSERT INTO calendars (Name) VALUES (?);"), {name}))};
        stored.ids[name] = ids[0];
        for (int year : years)
            ids.push_back(qint32(test::execute(
                db, QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (?, ?);"), {ids[0], year})));
        return ids;
    };
    // A day of the calendar `ids` filed under its year record `ids[record]`.
    const auto day = [&](const std::vector<qint32> &ids, std::size_t record, const char *date, const QVariant &segments,
                         const QVariant &worked, const QVariant &paid, const QVariant &comment = {},
                         const QVariant &start = 0, const QVariant &stop = 0) {
        return qint32(test::insert_day(db, ids[0], ids[record], QString::fromLatin1(date), segments, worked, paid,
                                       comment, start, stop));
    };
    const QString typical = QString::fromLatin1(kTypical), holiday = QStringLiteral("n@480>960");
    // 2023 begins on a Sunday: January's grid starts on 25 Dec 2022 and December's ends on 6 Jan 2024.
    const auto office = calendar("Office", {2022, 2023, 2024});
    db.exec(QStringLiteral("UPDATE calendars SET revision = 7 WHERE id = %1;").arg(office[0]));
    day(office, 1, "2022-12-24", typical, 480, 480);  // before the span
    day(office, 1, "2022-12-26", holiday, 0, 480);
    day(office, 1, "2022-12-31", typical, 480, 480, QStringLiteral("Year end"));
    for (const char *date : {"2023-01-02", "2023-01-03", "2023-01-04", "2023-02-06", "2023-02-07", "2023-12-29"})
        day(office, 2, date, typical, 480, 480, {}, 480, 1020);
    day(office, 2, "2023-01-05", QStringLiteral("Y@480>720+y@780>1020"), 240, 480);
    stored.half_day = day(office, 2, "2023-01-06", QStringLiteral("y@480>600"), 120, 120, QStringLiteral("Half day"), 480, 600);
    day(office, 2, "2023-01-16", holiday, 0, 480, QStringLiteral("Holiday"));
    day(office, 2, "2023-02-11", QStringLiteral("y@540>600"), 60, 0);  // worked, not paid
    day(office, 2, "2023-03-01", {}, 0, 0, QStringLiteral("Note"));
    day(office, 2, "2023-03-02", {}, {}, {}, {}, {}, {});            // every field null
    day(office, 3, "2024-01-02", typical, 480, 480);
    day(office, 3, "2024-01-06", QStringLiteral("y@480>540"), 60, 60);  // the last shown day
    day(office, 3, "2024-01-07", typical, 480, 480);                  // after the span
    // Work without pay, as another writer might store it.
    const auto unpaid = calendar("Unpaid", {2023});
    for (const char *date : {"2023-04-03", "2023-04-04"})
        day(unpaid, 1, date, QStringLiteral("y@540>600"), 60, 0);
    day(unpaid, 1, "2023-04-05", QStringLiteral("y@600>630"), 30, 0);
    // Days of 2024 filed under the 2023 record: the typical-day query finds no work day of 2024.
    const auto unfiled = calendar("Unfiled", {2023});
    for (const char *date : {"2024-05-06", "2024-05-07"})
        day(unfiled, 1, date, typical, 480, 480);
    // Minutes no day can hold, as a damaged or hand-edited file may.
    const auto damaged = calendar("Damaged", {2023});
    for (const char *date : {"2023-05-01", "2023-05-02"})
        day(damaged, 1, date, QStringLiteral("y@0>1"), 2'000'000'000, 2'000'000'000);
    // A date not in the store's own form: no date of the span.
    day(calendar("Bad date", {2023}), 1, "2023-6-5", typical, 480, 480);
    transaction.commit();
    return stored;
}

TEST(LoadCalendarYear, ReadsTheCalendarAndEachDayPassingEveryLocationCountsTheYearAndStopsWhereAnErrorIsFound)
{
    test::TestDatabase file;
    Stored stored = fill(file.db());
    // Calendar `name` (0, no calendar, when never added).
    const auto load = [&](const char *name, int year, std::vector<int> *locations = nullptr) {
        return load_calendar_year(file.db(), stored.ids[name], year, [locations](int step) {
            if (locations)
                locations->push_back(step);
        });
    };
    std::vector<int> locations;
    const CalendarYear year = load("Office", 2023, &locations);
    EXPECT_EQ(locations, std::vector<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(std::tuple(year.calendar_name(), year.calendar_revision(), year.first_shown_date(), year.last_shown_date()),
              std::tuple(QStringLiteral("Office"), 7, QDate(2022, 12, 25), QDate(2024, 1, 6)));
    EXPECT_TRUE(at(year, QDate(2023, 1, 6)) == (DayEntry{stored.half_day, QDate(2023, 1, 6), 480, 600, 120, 120,
                                                          QStringLiteral("y@480>600"), QStringLiteral("Half day")}));
    const DayEntry all_null = at(year, QDate(2023, 3, 2));
    EXPECT_GT(all_null.id, 0);
    EXPECT_TRUE(all_null == (DayEntry{all_null.id, QDate(2023, 3, 2), 0, 0, 0, 0, {}, {}}));
    EXPECT_TRUE(at(year, QDate(2023, 1, 7)) == DayEntry());  // no record
    // Grid days of the neighbouring years are kept but never counted.
    const DayEntry year_end = at(year, QDate(2022, 12, 31));
    EXPECT_EQ(std::tuple(year_end.comment, year.day_kind(year_end), at(year, QDate(2022, 12, 26)).minutes2,
                         at(year, QDate(2024, 1, 2)).minutes1, at(year, QDate(2024, 1, 6)).minutes1),
              std::tuple(QStringLiteral("Year end"), DayKind::TypicalWork, 480, 480, 60));
    // January: three typical, two altered (letter case, half day), a paid holiday; February: one altered, unpaid.
    EXPECT_EQ(row(year.month_totals(1)), (Row{3, 1440, 2, 360, 1, 6, 2520}));
    EXPECT_EQ(row(year.month_totals(2)), (Row{2, 960, 1, 60, 0, 2, 960}));
    for (int month = 3; month <= 11; ++month)
        EXPECT_EQ(row(year.month_totals(month)), Row{}) << "month " << month;
    EXPECT_EQ(row(year.month_totals(12)), (Row{1, 480, 0, 0, 0, 1, 480}));
    // The year's totals against its typical day.
    struct Case { const char *calendar; int year; Row totals; const char *typical_segments; qint32 work, pay; };
    const Case cases[] = {
        {"Office", 2023, {6, 2880, 3, 420, 1, 9, 3960}, kTypical, 480, 480},
        // Work without pay is not paid.
        {"Unpaid", 2023, {2, 120, 1, 30, 0, 0, 0}, "y@540>600", 60, 0},
        // No typical day: every workday is altered.
        {"Unfiled", 2024, {0, 0, 2, 960, 0, 2, 960}, "", 0, 0},
        // Minutes no day can hold never wrap the totals.
        {"Damaged", 2023, {2, 4'000'000'000, 0, 0, 0, 2, 4'000'000'000}, "y@0>1", 2'000'000'000, 2'000'000'000},
    };
    for (const Case &c : cases) {
        const YearTotals totals = load(c.calendar, c.year).year_totals();
        EXPECT_EQ(row(totals), c.totals) << c.calendar;
        EXPECT_EQ(std::tuple(totals.typical_segments, totals.typical_work, totals.typical_pay),
                  std::tuple(QString::fromLatin1(c.typical_segments), c.work, c.pay)) << c.calendar;
    }
    const CalendarYear damaged = load("Damaged", 2023);
    EXPECT_EQ(row(damaged.month_totals(5)), row(damaged.year_totals()));
    EXPECT_EQ(week_rows(damaged, 2023, 5)[0].pay, 4'000'000'000);
    EXPECT_EQ(format_minutes(damaged.year_totals().pay_minutes), QStringLiteral("66666666h 40m"));
    // A missing calendar, a day outside the span.
    struct Failure { const char *calendar, *description; std::vector<int> locations; };
    const Failure failures[] = {
        {"Missing", "DB record not found", {1, 2}},
        {"Bad date", "Day record outside the loaded dates: no valid date", {1, 2, 3, 4, 5, 6, 7}}};
    for (const Failure &f : failures) {
        locations.clear();
        try {
            load(f.calendar, 2023, &locations);
            ADD_FAILURE() << "loaded calendar " << f.calendar;
        } catch (const DbError &error) {
            EXPECT_EQ(std::tuple(error.number(), error.description(), error.source()),
                      std::tuple(513, QString::fromLatin1(f.description), QStringLiteral("load_calendar_data")));
        }
        EXPECT_EQ(locations, f.locations) << f.calendar;
    }
}

} // namespace
