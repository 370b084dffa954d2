#include "holidaydata.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <ostream>

// Readable values in GoogleTest failure messages (found by argument lookup).
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QDate &date, std::ostream *os)
{
    *os << date.toString(Qt::ISODate).toStdString();
}
QT_END_NAMESPACE

using namespace dayvane;

namespace {

// The date of the holiday called `name`, or an invalid date.
QDate find_holiday(int country, int year, const QString &name)
{
    for (const Holiday &day : holidays_in_year(country, year))
        if (day.name == name)
            return day.date;
    return {};
}

// The dates of a year's holidays, in list order; with `weekdays_only` the
// days off a work calendar gets.
QList<QDate> all_dates(int country, int year, bool weekdays_only = false)
{
    QList<QDate> dates;
    for (const Holiday &day : holidays_in_year(country, year))
        if (!weekdays_only || day.date.dayOfWeek() <= Qt::Friday)
            dates.append(day.date);
    return dates;
}

QList<QDate> days_off(int country, int year)
{
    return all_dates(country, year, true);
}

QList<QDate> dates(int year, std::initializer_list<std::pair<int, int>> month_days)
{
    QList<QDate> result;
    for (const auto &[month, day] : month_days)
        result.append(QDate(year, month, day));
    return result;
}

} // namespace

TEST(HolidayRules, EasterSundayFollowsTheGregorianComputus)
{
    const QDate cases[] = {
        {2024, 3, 31}, {2025, 4, 20}, {2026, 4, 5}, {2027, 3, 28}, {2028, 4, 16},
        {2000, 4, 23}, {2011, 4, 24}, {2019, 4, 21}, {1961, 4, 2},
        {2038, 4, 25}, {1943, 4, 25}, // latest possible
        {2285, 3, 22}, {1818, 3, 22}, // earliest possible
    };
    for (const QDate &easter : cases)
        EXPECT_EQ(easter_sunday(easter.year()), easter);
    EXPECT_FALSE(easter_sunday(1582).isValid());
}

TEST(HolidayRules, NthWeekdayCountsFromTheStartOrTakesTheLast)
{
    EXPECT_EQ(nth_weekday(2026, 11, Qt::Thursday, 4), QDate(2026, 11, 26));
    EXPECT_EQ(nth_weekday(2026, 5, Qt::Monday, 1), QDate(2026, 5, 4));
    EXPECT_EQ(nth_weekday(2026, 5, Qt::Monday, -1), QDate(2026, 5, 25));
    EXPECT_EQ(nth_weekday(2026, 8, Qt::Monday, -1), QDate(2026, 8, 31));
    EXPECT_EQ(nth_weekday(2026, 2, Qt::Sunday, 1), QDate(2026, 2, 1));
    EXPECT_EQ(nth_weekday(2026, 2, Qt::Saturday, -1), QDate(2026, 2, 28));
    EXPECT_EQ(nth_weekday(2026, 12, Qt::Thursday, -1), QDate(2026, 12, 31));
    EXPECT_EQ(nth_weekday(2026, 3, Qt::Monday, 5), QDate(2026, 3, 30));
    EXPECT_FALSE(nth_weekday(2026, 2, Qt::Monday, 5).isValid());
    EXPECT_FALSE(nth_weekday(2026, 2, Qt::Monday, 0).isValid());
    EXPECT_FALSE(nth_weekday(2026, 2, Qt::Monday, -2).isValid());
    EXPECT_FALSE(nth_weekday(2026, 13, Qt::Monday, 1).isValid());
    EXPECT_FALSE(nth_weekday(2026, 2, 8, 1).isValid());
}

TEST(HolidayRules, NamedHolidaysFallOnTheirDates)
{
    struct Case { int country; QDate date; const char *name; };
    const Case cases[] = {
        {kUnitedStates, {2026, 11, 26}, "Thanksgiving Day"},
        {kUnitedStates, {2026, 1, 19}, "Birthday of Martin Luther King, Jr."},
        {kUnitedStates, {2026, 2, 16}, "Washington's Birthday"},
        {kUnitedStates, {2026, 5, 25}, "Memorial Day"},
        {kUnitedStates, {2026, 9, 7}, "Labor Day"},
        {kUnitedStates, {2026, 10, 12}, "Columbus Day"},
        {kUnitedStates, {2026, 7, 4}, "Independence Day"},
        {kUnitedStates, {2026, 7, 3}, "Independence Day (observed)"},
        {kUnitedStates, {2027, 7, 5}, "Independence Day (observed)"},
        {kUnitedKingdom, {2026, 5, 4}, "Early May bank holiday"},
        {kUnitedKingdom, {2026, 4, 3}, "Good Friday"},
        {kUnitedKingdom, {2026, 4, 6}, "Easter Monday"},
        {kUnitedKingdom, {2026, 5, 25}, "Spring bank holiday"},
        {kUnitedKingdom, {2026, 8, 31}, "Summer bank holiday"},
        {kUnitedKingdom, {2026, 12, 28}, "Boxing Day (substitute day)"},
        {kUnitedKingdom, {2028, 1, 3}, "New Year's Day (substitute day)"},
        {kGermany, {2025, 10, 3}, "Day of German Unity"},
        {kGermany, {2026, 10, 3}, "Day of German Unity"},
        {kGermany, {2026, 5, 14}, "Ascension Day"},
        {kGermany, {2026, 5, 25}, "Whit Monday"},
        {kGermany, {2025, 4, 18}, "Good Friday"},
        {kFrance, {2026, 7, 14}, "Bastille Day"},
        {kFrance, {2026, 5, 8}, "Victory in Europe Day"},
        {kFrance, {2025, 6, 9}, "Whit Monday"},
        {kCanada, {2026, 5, 18}, "Victoria Day"},
        {kCanada, {2025, 5, 19}, "Victoria Day"},
        {kCanada, {2026, 10, 12}, "Thanksgiving Day"},
        {kCanada, {2026, 8, 3}, "Civic Holiday"},
        {kCanada, {2029, 7, 2}, "Canada Day"}, // July 1 is a Sunday
    };
    for (const Case &c : cases)
        EXPECT_EQ(find_holiday(c.country, c.date.year(), QString::fromLatin1(c.name)), c.date) << c.name;
}

TEST(HolidayRules, UnitedStatesObservesWeekendHolidaysOnTheNearestWeekday)
{
    // The federal days off of 2027, New Year's Day 2028 (a Saturday)
    // included on December 31.
    EXPECT_EQ(days_off(kUnitedStates, 2027),
              dates(2027, {{1, 1}, {1, 18}, {2, 15}, {5, 31}, {6, 18}, {7, 5}, {9, 6},
                           {10, 11}, {11, 11}, {11, 25}, {12, 24}, {12, 31}}));
    EXPECT_EQ(find_holiday(kUnitedStates, 2027, QStringLiteral("New Year's Day (observed)")), QDate(2027, 12, 31));
    EXPECT_FALSE(find_holiday(kUnitedStates, 2028, QStringLiteral("New Year's Day (observed)")).isValid());
    EXPECT_EQ(find_holiday(kUnitedStates, 2028, QStringLiteral("New Year's Day")), QDate(2028, 1, 1));
}

TEST(HolidayRules, UnitedKingdomMovesWeekendBankHolidaysToTheNextFreeWeekday)
{
    EXPECT_EQ(days_off(kUnitedKingdom, 2027),
              dates(2027, {{1, 1}, {3, 26}, {3, 29}, {5, 3}, {5, 31}, {8, 30}, {12, 27}, {12, 28}}));
    EXPECT_EQ(find_holiday(kUnitedKingdom, 2027, QStringLiteral("Christmas Day (substitute day)")), QDate(2027, 12, 27));
    EXPECT_EQ(find_holiday(kUnitedKingdom, 2027, QStringLiteral("Boxing Day (substitute day)")), QDate(2027, 12, 28));
    // Christmas on a Sunday: Boxing Day keeps Monday, Christmas moves to Tuesday.
    EXPECT_EQ(find_holiday(kUnitedKingdom, 2022, QStringLiteral("Boxing Day")), QDate(2022, 12, 26));
    EXPECT_EQ(find_holiday(kUnitedKingdom, 2022, QStringLiteral("Christmas Day (substitute day)")), QDate(2022, 12, 27));
}

TEST(HolidayRules, FullListsOfCountriesWithoutReplacementDays)
{
    EXPECT_EQ(all_dates(kGermany, 2026),
              dates(2026, {{1, 1}, {4, 3}, {4, 6}, {5, 1}, {5, 14}, {5, 25}, {10, 3}, {12, 25}, {12, 26}}));
    EXPECT_EQ(all_dates(kFrance, 2026),
              dates(2026, {{1, 1}, {4, 6}, {5, 1}, {5, 8}, {5, 14}, {5, 25}, {7, 14}, {8, 15}, {11, 1},
                           {11, 11}, {12, 25}}));
    EXPECT_EQ(all_dates(kCanada, 2026),
              dates(2026, {{1, 1}, {4, 3}, {5, 18}, {7, 1}, {8, 3}, {9, 7}, {9, 30}, {10, 12}, {11, 11},
                           {12, 25}, {12, 26}}));
}

TEST(HolidayRules, ListsAreSortedWithinTheirYearAndUnknownCountriesAreEmpty)
{
    for (const HolidayCountry &country : holiday_countries()) {
        for (int year = 2021; year <= 2040; ++year) {
            const std::vector<Holiday> days = holidays_in_year(country.id, year);
            ASSERT_FALSE(days.empty());
            for (const Holiday &day : days)
                EXPECT_EQ(day.date.year(), year) << day.name.toStdString();
            EXPECT_TRUE(std::is_sorted(days.begin(), days.end(),
                                       [](const Holiday &a, const Holiday &b) { return a.date < b.date; }));
        }
    }
    EXPECT_TRUE(holidays_in_year(0, 2026).empty());
    EXPECT_TRUE(holidays_in_year(99, 2026).empty());
}

TEST(HolidayRules, NamesArePlainAsciiWithoutSeparators)
{
    static const QRegularExpression allowed(QStringLiteral("^[ -~]+$"));
    for (const HolidayCountry &country : holiday_countries()) {
        EXPECT_GT(country.id, 0);
        EXPECT_TRUE(allowed.match(country.name).hasMatch()) << country.name.toStdString();
        for (const Holiday &day : holidays_in_year(country.id, 2027)) {
            EXPECT_TRUE(allowed.match(day.name).hasMatch()) << day.name.toStdString();
            EXPECT_FALSE(day.name.contains(u'|') || day.name.contains(u'^')) << day.name.toStdString();
        }
    }
}

TEST(HolidayPayload, EveryRecordHasItsFieldCountAndRefersToEarlierRecords)
{
    const QString payload = holiday_payload(2025, 2028);
    ASSERT_TRUE(payload.endsWith(u'|'));
    const QStringList records = payload.chopped(1).split(u'|');
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    static const QRegularExpression date(QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})$"));
    QSet<QString> countries, lists;
    QHash<QString, QString> list_years;
    int holidays = 0;
    for (const QString &record : records) {
        const QString type = record.left(2);
        const QStringList fields = record.mid(2).split(u'^');
        const int numeric_fields = type == u"C=" ? 1 : type == u"Y=" ? 3 : 2;
        for (int i = 0; i < std::min<int>(numeric_fields, fields.size()); ++i)
            EXPECT_TRUE(number.match(fields[i]).hasMatch()) << record.toStdString();
        if (type == u"C=") {
            ASSERT_EQ(fields.size(), 2) << record.toStdString();
            countries.insert(fields[0]);
        } else if (type == u"Y=") {
            ASSERT_EQ(fields.size(), 3) << record.toStdString();
            EXPECT_TRUE(countries.contains(fields[0])) << record.toStdString();
            lists.insert(fields[0] + u'^' + fields[1]);
            list_years.insert(fields[1], fields[2]);
        } else {
            ASSERT_EQ(type, QStringLiteral("H=")) << record.toStdString();
            ASSERT_EQ(fields.size(), 4) << record.toStdString();
            EXPECT_TRUE(lists.contains(fields[0] + u'^' + fields[1])) << record.toStdString();
            const auto match = date.match(fields[2]);
            ASSERT_TRUE(match.hasMatch()) << record.toStdString();
            EXPECT_EQ(match.captured(3), list_years.value(fields[1])) << record.toStdString();
            EXPECT_TRUE(QDate(match.captured(3).toInt(), match.captured(1).toInt(), match.captured(2).toInt()).isValid());
            EXPECT_FALSE(fields[3].isEmpty());
            ++holidays;
        }
    }
    EXPECT_EQ(countries.size(), 5);
    EXPECT_EQ(lists.size(), 5 * 4);
    EXPECT_GT(holidays, 5 * 4 * 8);
}

TEST(HolidayPayload, RecordsAreWrittenInTheExchangeForm)
{
    const QString payload = holiday_payload(2026, 2026);
    EXPECT_TRUE(payload.startsWith(QStringLiteral("C=1^United States (federal)|Y=1^12026^2026|H=1^12026^1/1/2026^New Year's Day|")));
    EXPECT_TRUE(payload.contains(QStringLiteral("|H=1^12026^11/26/2026^Thanksgiving Day|")));
    EXPECT_TRUE(payload.contains(QStringLiteral("|C=3^Germany (nationwide)|Y=3^32026^2026|")));
    EXPECT_TRUE(payload.contains(QStringLiteral("|H=3^32026^10/3/2026^Day of German Unity|")));
    EXPECT_TRUE(payload.endsWith(QStringLiteral("|H=5^52026^12/26/2026^Boxing Day|")));
    EXPECT_EQ(year_list_id(kCanada, 2026), 52026);
    EXPECT_EQ(holiday_date_text(QDate(2026, 7, 4)), QStringLiteral("7/4/2026"));
}

TEST(HolidayPayload, WithoutYearsOnlyTheCountriesAreListed)
{
    EXPECT_EQ(holiday_payload(2027, 2026),
              QStringLiteral("C=1^United States (federal)|C=2^United Kingdom (England and Wales)|"
                             "C=3^Germany (nationwide)|C=4^France|C=5^Canada (federal)|"));
}

TEST(HolidayReply, HasOneSeparatorThenTheMarkerThenThePayload)
{
    const QString payload = holiday_payload(2025, 2028);
    const QString reply = holiday_reply(payload);
    const QStringList parts = reply.split(kHolidayReplySeparator);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_FALSE(parts[0].isEmpty());
    EXPECT_EQ(kHolidayListMarker.size(), 33);
    EXPECT_EQ(parts[1], kHolidayListMarker + payload);
    EXPECT_EQ(kHolidayListMarker, QStringLiteral("*** Corvantelle holdiday list ***"));
}

TEST(HolidayReply, CutShortKeepsTheMarkerButNotTheFinalBar)
{
    const QString reply = holiday_reply(holiday_payload(2025, 2028));
    const QString cut = cut_short(reply);
    EXPECT_TRUE(reply.startsWith(cut));
    EXPECT_LT(cut.size(), reply.size());
    EXPECT_FALSE(cut.endsWith(u'|'));
    EXPECT_EQ(cut.count(kHolidayReplySeparator), 1);
    EXPECT_TRUE(cut.contains(kHolidayReplySeparator + kHolidayListMarker + QStringLiteral("C=1^")));

    // Even a reply whose payload is only the bar loses it.
    EXPECT_EQ(cut_short(holiday_reply(QStringLiteral("|"))), holiday_reply(QString()));
}
