// The holiday lists dayvane-web serves: the file format, iCalendar files
// read with libical, data folders, and the exchange's records built from
// them.

#include "holidaylists.h"
#include "holidays/icalendarlists.h"
#include "printers.h"
#include "webserverprocess.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace dayvane;
using namespace dayvane::test;

namespace {

std::optional<HolidayList> ics(const QByteArray &body, int first_year = 2025, int last_year = 2027)
{
    QString error;
    const QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dayvane tests//EN\r\n" + body + "END:VCALENDAR\r\n";
    std::optional<HolidayList> list = read_icalendar_text(text, QStringLiteral("fallback"), first_year, last_year, &error);
    EXPECT_TRUE(list.has_value()) << error.toStdString();
    return list;
}

QByteArray event(const QByteArray &lines)
{
    static int uid = 0;
    return "BEGIN:VEVENT\r\nUID:test-" + QByteArray::number(++uid) + "\r\nDTSTAMP:20250101T000000Z\r\n" + lines +
           "END:VEVENT\r\n";
}

QList<QDate> dates_of(const HolidayList &list)
{
    QList<QDate> dates;
    for (const auto &[year, days] : list.years)
        for (const Holiday &day : days)
            dates << day.date;
    return dates;
}

} // namespace

// A heading, then one holiday a line; each heading starts a list, which has
// the code it names or else the file's name. A malformed file is refused
// with the line named.
TEST(HolidayFiles, ReadTheHeadingAndOneHolidayALineOrNameTheBadLine)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("x.holidays"));
    write_file(path, "# comment\n\nlist\t12\tWorks ^list|\n2026-12-24\tChristmas Eve\n2026-01-01\tNew Year\n"
                     "2027-01-01\tNew Year | again\r\nlist\t13\tWorks \xe2\x80\x94 North\tX-North\n2026-06-01\tFair\n");
    QString error;
    const std::optional<std::vector<HolidayList>> lists = read_holiday_file(path, &error);
    ASSERT_TRUE(lists) << error.toStdString();
    ASSERT_EQ(lists->size(), 2u);
    const HolidayList &list = lists->front();
    EXPECT_EQ(list.id, 12);
    EXPECT_EQ(list.name, QStringLiteral("Works list"));
    EXPECT_EQ(list.code, QStringLiteral("x"));
    ASSERT_EQ(list.years.size(), 2u);
    EXPECT_EQ(list.years.at(2026), (std::vector<Holiday>{{QDate(2026, 1, 1), QStringLiteral("New Year")},
                                                         {QDate(2026, 12, 24), QStringLiteral("Christmas Eve")}}));
    EXPECT_EQ(list.years.at(2027).front().name, QStringLiteral("New Year again"));
    EXPECT_EQ(lists->back().name, QString::fromUtf8("Works \u2014 North"));
    EXPECT_EQ(lists->back().code, QStringLiteral("x-north"));
    EXPECT_EQ(lists->back().years.at(2026), (std::vector<Holiday>{{QDate(2026, 6, 1), QStringLiteral("Fair")}}));
    const struct
    {
        const char *text;
        const char *error;
    } bad[] = {
        {"2026-01-01\tNew Year\n", "x.holidays:1: expected \"list<TAB>id<TAB>name\" with an id above 0"},
        {"list\t0\tZero\n", "x.holidays:1: expected \"list<TAB>id<TAB>name\" with an id above 0"},
        {"list\t1\tA\n2026-02-30\tNo such day\n", "x.holidays:2: expected \"yyyy-mm-dd<TAB>name\""},
        {"list\t1\tA\n2026-02-01\t\n", "x.holidays:2: expected \"yyyy-mm-dd<TAB>name\""},
        {"# only a comment\n", "x.holidays:1: no \"list\" line"},
        {"list\t1\tA\n2026-02-01\tB\nlist\t2\n", "x.holidays:3: expected \"list<TAB>id<TAB>name\" with an id above 0"},
    };
    for (const auto &c : bad) {
        write_file(path, c.text);
        EXPECT_FALSE(read_holiday_file(path, &error)) << c.text;
        EXPECT_EQ(error, QString::fromLatin1(c.error)) << c.text;
    }
}

TEST(HolidayNames, LoseControlCharactersAndTheExchangesSeparators)
{
    EXPECT_EQ(clean_holiday_name(QStringLiteral("  a|b^c~boundary~d\te\r\nf  ")), QStringLiteral("a b c boundary d e f"));
    EXPECT_EQ(clean_holiday_name(QString::fromUtf8("F\u00eate  du Travail")), QString::fromUtf8("F\u00eate du Travail"));
}

TEST(ICalendarLists, ReadsAllDayEventsWithTheCalendarsNameAndId)
{
    const std::optional<HolidayList> list = ics("X-WR-CALNAME:Acme Works\r\nX-DAYVANE-LIST-ID:42\r\n" +
                                                event("DTSTART;VALUE=DATE:20261224\r\nSUMMARY:Works outing\\, winter\r\n") +
                                                event("DTSTART;VALUE=DATE:20260501\r\nSUMMARY:F\xc3\xaate | ^ du travail\r\n"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->name, QStringLiteral("Acme Works"));
    EXPECT_EQ(list->id, 42);
    ASSERT_EQ(list->years.size(), 1u);
    EXPECT_EQ(list->years.at(2026), (std::vector<Holiday>{{QDate(2026, 5, 1), QString::fromUtf8("F\u00eate du travail")},
                                                          {QDate(2026, 12, 24), QStringLiteral("Works outing, winter")}}));
}

// Single events keep their year; all-day ones span their days (a month at
// most), timed ones only their start date. Recurring ones expand over the
// years asked for, without their exceptions.
TEST(ICalendarLists, SingleEventsSpanTheirDaysAndRecurringOnesTheYears)
{
    const std::optional<HolidayList> list =
        ics(event("DTSTART;VALUE=DATE:20301230\r\nDTEND;VALUE=DATE:20310102\r\nSUMMARY:Closed\r\n") +
            event("DTSTART;VALUE=DATE:20200101\r\nDURATION:P2D\r\nSUMMARY:Long ago\r\n") +
            event("DTSTART:20260704T220000Z\r\nDTEND:20260705T060000Z\r\nSUMMARY:Timed, past midnight\r\n") +
            event("DTSTART;VALUE=DATE:20260101\r\nDTEND;VALUE=DATE:20260401\r\nSUMMARY:Capped at a month\r\n") +
            event("DTSTART;VALUE=DATE:20260102\r\n") +  // no summary: adds nothing
            event("SUMMARY:No start\r\n") +
            event("DTSTART;VALUE=DATE:20200612\r\nRRULE:FREQ=YEARLY\r\nEXDATE;VALUE=DATE:20260612\r\nSUMMARY:Founders' Day\r\n") +
            event("DTSTART;VALUE=DATE:20241101\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1FR\r\nSUMMARY:Autumn Friday\r\n"),
        2025, 2027);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->name, QStringLiteral("fallback"));
    EXPECT_EQ(list->id, 0);
    QList<QDate> expected = {{2020, 1, 1}, {2020, 1, 2}, {2025, 6, 12}, {2025, 11, 7}};
    for (int day = 1; day <= 31; ++day)
        expected << QDate(2026, 1, day);
    expected << QDate(2026, 7, 4) << QDate(2026, 11, 6) << QDate(2027, 6, 12) << QDate(2027, 11, 5) << QDate(2030, 12, 30)
             << QDate(2030, 12, 31) << QDate(2031, 1, 1);
    EXPECT_EQ(dates_of(*list), expected);
}

TEST(ICalendarLists, AnythingButAnICalendarObjectIsRefused)
{
    for (const char *text : {"", "hello", "BEGIN:VEVENT\r\nSUMMARY:x\r\nEND:VEVENT\r\n", "BEGIN:VCALENDAR\r\n"}) {
        QString error;
        EXPECT_FALSE(read_icalendar_text(text, QStringLiteral("x"), 2025, 2026, &error)) << text;
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(HolidayFolders, GiveDroppedInCalendarsFreshIdsAndSkipWhatTheyCannotRead)
{
    QTemporaryDir folder;
    write_file(folder.filePath(QStringLiteral("b.holidays")), "list\t2\tSecond\n2026-01-01\tNew Year\n");
    write_file(folder.filePath(QStringLiteral("a.holidays")), "list\t5\tFifth\n2026-01-01\tNew Year\n");
    write_file(folder.filePath(QStringLiteral("c.holidays")), "list\t2\tRepeat\n2026-01-01\tNew Year\n");
    write_file(folder.filePath(QStringLiteral("d.holidays")), "nonsense\n");
    // Its year list ids would pass 2^31 - 1.
    write_file(folder.filePath(QStringLiteral("e.holidays")), "list\t214748\tHuge\n2026-01-01\tNew Year\n");
    const QByteArray calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//EN\r\n%1"
                                "BEGIN:VEVENT\r\nUID:1\r\nDTSTAMP:20250101T000000Z\r\nDTSTART;VALUE=DATE:20260301\r\n"
                                "SUMMARY:Our day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    write_file(folder.filePath(QStringLiteral("works.ics")), QByteArray(calendar).replace("%1", ""));
    write_file(folder.filePath(QStringLiteral("xtaken.ics")), QByteArray(calendar).replace("%1", "X-DAYVANE-LIST-ID:5\r\n"));
    write_file(folder.filePath(QStringLiteral("zbroken.ics")), "not a calendar");
    write_file(folder.filePath(QStringLiteral("ignored.txt")), "list\t9\tIgnored\n");
    QStringList warnings;
    const std::vector<HolidayList> lists = load_holiday_folder(folder.path(), 2025, 2027, &warnings);
    QStringList names;
    for (const HolidayList &list : lists)
        names << QStringLiteral("%1 %2").arg(list.id).arg(list.name);
    EXPECT_EQ(names, QStringList({"2 Second", "5 Fifth", "6 works", "7 xtaken"}));
    ASSERT_EQ(warnings.size(), 4) << warnings.join(u'\n').toStdString();
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("list \"Repeat\" left out"))) << warnings[0].toStdString();
    EXPECT_TRUE(warnings[1].startsWith(QStringLiteral("d.holidays:1:"))) << warnings[1].toStdString();
    EXPECT_TRUE(warnings[2].startsWith(QStringLiteral("list \"Huge\" left out: its id 214748 is above 214747")))
        << warnings[2].toStdString();
    EXPECT_TRUE(warnings[3].startsWith(QStringLiteral("zbroken.ics:"))) << warnings[3].toStdString();
}

TEST(HolidayPayload, DatesAreMonthDayYearWithoutPadding)
{
    HolidayList list{3, QStringLiteral("L"), QStringLiteral("l"), {}};
    add_holiday(list, QDate(2026, 5, 1), QStringLiteral("B"));
    add_holiday(list, QDate(2026, 1, 1), QStringLiteral("A"));
    add_holiday(list, QDate(2026, 5, 1), QStringLiteral("C"));
    EXPECT_EQ(holiday_payload({list}), QStringLiteral("C=3^L|Y=3^32026^2026|H=3^32026^1/1/2026^A|H=3^32026^5/1/2026^B|"
                                                      "H=3^32026^5/1/2026^C|"));
    std::vector<HolidayList> lists{list};
    keep_years(lists, 2027, 2030);
    EXPECT_EQ(holiday_payload(lists), QStringLiteral("C=3^L|"));
}
