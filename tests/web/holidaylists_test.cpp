// The holiday lists dayvane-web serves: the generated data files the project
// ships, the file format, iCalendar files read with libical, and the
// exchange's records built from them.

#include "holidaylists.h"
#include "icalendarlists.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>

using namespace dayvane;

namespace {

const QString kShippedData = QStringLiteral(DAYVANE_WEB_DATA_DIR);

std::vector<HolidayList> shipped_lists()
{
    QStringList warnings;
    std::vector<HolidayList> lists = load_holiday_folder(kShippedData, 2024, 2030, &warnings);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
    return lists;
}

const HolidayList *list_named(const std::vector<HolidayList> &lists, const QString &name)
{
    const auto found = std::find_if(lists.begin(), lists.end(), [&](const HolidayList &list) { return list.name == name; });
    return found == lists.end() ? nullptr : &*found;
}

// The date of the holiday called `name` in the list's `year`, or an invalid date.
QDate date_of(const HolidayList &list, int year, const QString &name)
{
    const auto days = list.years.find(year);
    if (days == list.years.end())
        return {};
    for (const Holiday &day : days->second)
        if (day.name == name)
            return day.date;
    return {};
}

void write_file(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text);
}

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

TEST(ShippedHolidayData, HoldsSevenCountriesFrom2024To2030InIdOrder)
{
    const std::vector<HolidayList> lists = shipped_lists();
    ASSERT_EQ(lists.size(), 7u);
    for (size_t i = 0; i < lists.size(); ++i) {
        EXPECT_EQ(lists[i].id, int(i) + 1);
        ASSERT_EQ(lists[i].years.size(), 7u) << lists[i].name.toStdString();
        EXPECT_EQ(lists[i].years.begin()->first, 2024);
        EXPECT_EQ(lists[i].years.rbegin()->first, 2030);
        for (const auto &[year, days] : lists[i].years) {
            EXPECT_GE(days.size(), 7u) << lists[i].name.toStdString() << ' ' << year;
            EXPECT_TRUE(std::is_sorted(days.begin(), days.end(),
                                       [](const Holiday &a, const Holiday &b) { return a.date < b.date; }));
            for (const Holiday &day : days) {
                EXPECT_EQ(day.date.year(), year);
                EXPECT_EQ(clean_holiday_name(day.name), day.name);
            }
        }
    }
    EXPECT_EQ(lists[0].name, QStringLiteral("United States (federal)"));
}

// A few dates any calendar confirms, so that a regenerated file with broken
// data shows here.
TEST(ShippedHolidayData, KnownHolidaysFallOnTheirDates)
{
    const std::vector<HolidayList> lists = shipped_lists();
    struct Case
    {
        const char *list;
        QDate date;
        const char *name;
    };
    const Case cases[] = {
        {"United States (federal)", {2026, 7, 4}, "Independence Day"},
        {"United States (federal)", {2026, 7, 3}, "Independence Day (Observed)"},
        {"United States (federal)", {2026, 11, 26}, "Thanksgiving"},
        {"United Kingdom (England and Wales)", {2026, 12, 28}, "Boxing Day (Observed)"},
        {"United Kingdom (England and Wales)", {2027, 3, 26}, "Good Friday"},
        {"Germany (nationwide)", {2026, 10, 3}, "Tag der Deutschen Einheit"},
        {"France", {2026, 5, 1}, "F\u00eate du Travail"},
        {"France", {2026, 7, 14}, "F\u00eate nationale"},
        {"Canada (national)", {2029, 7, 2}, "Canada Day (Observed)"},
        {"Spain (nationwide)", {2026, 1, 6}, "Epifan\u00eda del Se\u00f1or"},
        {"Sweden", {2026, 6, 19}, "Midsommarafton"},
    };
    for (const Case &c : cases) {
        const HolidayList *list = list_named(lists, QString::fromUtf8(c.list));
        ASSERT_NE(list, nullptr) << c.list;
        EXPECT_EQ(date_of(*list, c.date.year(), QString::fromUtf8(c.name)), c.date) << c.list << ": " << c.name;
    }
    // Sweden lists its public holidays, not every Sunday.
    const HolidayList *sweden = list_named(lists, QStringLiteral("Sweden"));
    ASSERT_NE(sweden, nullptr);
    EXPECT_FALSE(date_of(*sweden, 2026, QString::fromUtf8("S\u00f6ndag")).isValid());
    EXPECT_LE(sweden->years.at(2026).size(), 20u);
}

TEST(HolidayFiles, ReadTheHeadingAndOneHolidayALine)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("x.holidays"));
    write_file(path, "# comment\n\nlist\t12\tWorks ^list|\n2026-12-24\tChristmas Eve\n2026-01-01\tNew Year\n"
                     "2027-01-01\tNew Year | again\r\n");
    QString error;
    const std::optional<HolidayList> list = read_holiday_file(path, &error);
    ASSERT_TRUE(list) << error.toStdString();
    EXPECT_EQ(list->id, 12);
    EXPECT_EQ(list->name, QStringLiteral("Works list"));
    ASSERT_EQ(list->years.size(), 2u);
    EXPECT_EQ(list->years.at(2026), (std::vector<Holiday>{{QDate(2026, 1, 1), QStringLiteral("New Year")},
                                                          {QDate(2026, 12, 24), QStringLiteral("Christmas Eve")}}));
    EXPECT_EQ(list->years.at(2027).front().name, QStringLiteral("New Year again"));
}

TEST(HolidayFiles, RefuseMalformedFilesNamingTheLine)
{
    QTemporaryDir folder;
    const struct
    {
        const char *text;
        const char *error;
    } cases[] = {
        {"2026-01-01\tNew Year\n", "bad.holidays:1: expected \"list<TAB>id<TAB>name\" with an id above 0"},
        {"list\t0\tZero\n", "bad.holidays:1: expected \"list<TAB>id<TAB>name\" with an id above 0"},
        {"list\t1\tA\n2026-02-30\tNo such day\n", "bad.holidays:2: expected \"yyyy-mm-dd<TAB>name\""},
        {"list\t1\tA\n2026-02-01\t\n", "bad.holidays:2: expected \"yyyy-mm-dd<TAB>name\""},
        {"# only a comment\n", "bad.holidays:1: no \"list\" line"},
    };
    const QString path = folder.filePath(QStringLiteral("bad.holidays"));
    for (const auto &c : cases) {
        write_file(path, c.text);
        QString error;
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

TEST(ICalendarLists, SingleEventsKeepTheirYearAndSpanTheirDays)
{
    const std::optional<HolidayList> list =
        ics(event("DTSTART;VALUE=DATE:20301230\r\nDTEND;VALUE=DATE:20310102\r\nSUMMARY:Closed\r\n") +
            event("DTSTART;VALUE=DATE:20200101\r\nDURATION:P2D\r\nSUMMARY:Long ago\r\n") +
            event("DTSTART:20260704T090000Z\r\nDTEND:20260704T170000Z\r\nSUMMARY:Timed\r\n") +
            event("DTSTART;VALUE=DATE:20260101\r\nDTEND;VALUE=DATE:20260401\r\nSUMMARY:Capped at a month\r\n") +
            event("DTSTART;VALUE=DATE:20260102\r\n") +         // no summary
            event("SUMMARY:No start\r\n"));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->name, QStringLiteral("fallback"));
    EXPECT_EQ(list->id, 0);
    const QList<QDate> dates = dates_of(*list);
    EXPECT_TRUE(dates.contains(QDate(2030, 12, 30)) && dates.contains(QDate(2030, 12, 31)) && dates.contains(QDate(2031, 1, 1)));
    EXPECT_FALSE(dates.contains(QDate(2031, 1, 2)));
    EXPECT_TRUE(dates.contains(QDate(2020, 1, 1)) && dates.contains(QDate(2020, 1, 2)));
    EXPECT_TRUE(dates.contains(QDate(2026, 7, 4)));
    EXPECT_TRUE(dates.contains(QDate(2026, 1, 31)));
    EXPECT_FALSE(dates.contains(QDate(2026, 2, 1)));
    EXPECT_EQ(dates.count(QDate(2026, 1, 2)), 1);  // the event without a summary adds nothing
    EXPECT_EQ(dates.size(), 3 + 2 + 1 + 31);
}

TEST(ICalendarLists, RecurringEventsExpandOverTheYearsWithoutTheirExceptions)
{
    const std::optional<HolidayList> list =
        ics(event("DTSTART;VALUE=DATE:20200612\r\nRRULE:FREQ=YEARLY\r\nEXDATE;VALUE=DATE:20260612\r\nSUMMARY:Founders' Day\r\n") +
                event("DTSTART;VALUE=DATE:20241101\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1FR\r\nSUMMARY:Autumn Friday\r\n"),
            2025, 2027);
    ASSERT_TRUE(list);
    EXPECT_EQ(dates_of(*list), (QList<QDate>{{2025, 6, 12}, {2025, 11, 7}, {2026, 11, 6},
                                             {2027, 6, 12}, {2027, 11, 5}}));
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

TEST(HolidayPayload, EveryRecordHasItsFieldCountAndRefersToEarlierRecords)
{
    const QString payload = holiday_payload(shipped_lists());
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
            EXPECT_EQ(fields[1].toInt(), year_list_id(fields[0].toInt(), fields[2].toInt()));
            lists.insert(fields[0] + u'^' + fields[1]);
            list_years.insert(fields[1], fields[2]);
        } else {
            ASSERT_EQ(type, QStringLiteral("H=")) << record.toStdString();
            ASSERT_EQ(fields.size(), 4) << record.toStdString();
            EXPECT_TRUE(lists.contains(fields[0] + u'^' + fields[1])) << record.toStdString();
            const auto match = date.match(fields[2]);
            ASSERT_TRUE(match.hasMatch()) << record.toStdString();
            EXPECT_EQ(match.captured(3), list_years.value(fields[1])) << record.toStdString();
            EXPECT_FALSE(fields[3].isEmpty());
            ++holidays;
        }
    }
    EXPECT_EQ(countries.size(), 7);
    EXPECT_EQ(lists.size(), 49);
    EXPECT_GT(holidays, 400);
    EXPECT_FALSE(payload.contains(kHolidayReplySeparator));
}

TEST(HolidayPayload, DatesAreMonthDayYearWithoutPadding)
{
    EXPECT_EQ(holiday_date_text(QDate(2026, 7, 4)), QStringLiteral("7/4/2026"));
    EXPECT_EQ(holiday_date_text(QDate(2026, 12, 25)), QStringLiteral("12/25/2026"));
    HolidayList list{3, QStringLiteral("L"), {}};
    add_holiday(list, QDate(2026, 5, 1), QStringLiteral("B"));
    add_holiday(list, QDate(2026, 1, 1), QStringLiteral("A"));
    add_holiday(list, QDate(2026, 5, 1), QStringLiteral("C"));
    EXPECT_EQ(holiday_payload({list}), QStringLiteral("C=3^L|Y=3^32026^2026|H=3^32026^1/1/2026^A|H=3^32026^5/1/2026^B|"
                                                      "H=3^32026^5/1/2026^C|"));
    std::vector<HolidayList> lists{list};
    keep_years(lists, 2027, 2030);
    EXPECT_EQ(holiday_payload(lists), QStringLiteral("C=3^L|"));
}

TEST(HolidayReplies, CutShortStopsHalfwayAfterTheMarkerWithoutAFinalBar)
{
    const QString reply = holiday_reply(QStringLiteral("C=1^A|C=2^B|C=3^C|C=4^D|"));
    EXPECT_EQ(reply.count(kHolidayReplySeparator), 1);
    EXPECT_TRUE(reply.endsWith(kHolidayListMarker + QStringLiteral("C=1^A|C=2^B|C=3^C|C=4^D|")));
    const QString cut = cut_short(reply);
    EXPECT_TRUE(reply.startsWith(cut));
    EXPECT_TRUE(cut.contains(kHolidayListMarker));
    EXPECT_FALSE(cut.endsWith(u'|'));
    EXPECT_LT(cut.size(), reply.size());
}
