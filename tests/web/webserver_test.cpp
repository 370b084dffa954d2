// dayvane-web: the holiday lists it serves (file format, iCalendar files read with libical, data folders, the
// exchange's records), and the program itself on a free loopback port, talked to byte for byte as the client does.

#include "holidaylists.h"
#include "holidays/icalendarlists.h"
#include "printers.h"
#include "webserverprocess.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <tuple>

using namespace dayvane;
using namespace dayvane::test;

namespace {

QByteArray event(const QByteArray &lines)
{
    static int uid = 0;
    return "BEGIN:VEVENT\r\nUID:test-" + QByteArray::number(++uid) + "\r\nDTSTAMP:20250101T000000Z\r\n" + lines +
           "END:VEVENT\r\n";
}

QByteArray calendar(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Dayvane tests//EN\r\n" + body + "END:VCALENDAR\r\n";
}

struct Reply
{
    int status = -1;  // of the status line "HTTP/1.x NNN Reason"
    QByteArray head;  // status line and headers
    QByteArray body;
};

Reply ask(const WebServerProcess &server, const QByteArray &request)
{
    const QByteArray text = exchange(server.port(), request).value_or("(no reply)");
    const qsizetype end = text.indexOf("\r\n\r\n");
    return {text.startsWith("HTTP/1.") ? text.mid(9, 3).toInt() : -1, text.left(end), end < 0 ? QByteArray() : text.mid(end + 4)};
}

Reply get(const WebServerProcess &server, const QByteArray &path)
{
    return ask(server, "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
}

// What follows the one separator of a holiday reply; empty when it has not exactly one.
QString list_of(const Reply &reply)
{
    const QStringList parts = QString::fromUtf8(reply.body).split(kWebReplySeparator);
    return parts.size() == 2 ? parts[1] : QString();
}

} // namespace

// A heading, then one holiday a line; a list has the code its heading names or the file's; a bad line is named.
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
    EXPECT_EQ(std::tuple(list.id, list.name, list.code), std::tuple(12, QStringLiteral("Works list"), QStringLiteral("x")));
    ASSERT_EQ(list.years.size(), 2u);
    EXPECT_EQ(list.years.at(2026), (std::vector<Holiday>{{QDate(2026, 1, 1), QStringLiteral("New Year")},
                                                         {QDate(2026, 12, 24), QStringLiteral("Christmas Eve")}}));
    EXPECT_EQ(list.years.at(2027).front().name, QStringLiteral("New Year again"));
    EXPECT_EQ(std::tuple(lists->back().name, lists->back().code), std::tuple(QString::fromUtf8("Works \u2014 North"), QStringLiteral("x-north")));
    EXPECT_EQ(lists->back().years.at(2026), (std::vector<Holiday>{{QDate(2026, 6, 1), QStringLiteral("Fair")}}));
    const struct { const char *text, *error; } bad[] = {
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
    // Names lose control characters and the exchange's separators.
    EXPECT_EQ(clean_holiday_name(QStringLiteral("  a|b^c~boundary~d\te\r\nf  ")), QStringLiteral("a b c boundary d e f"));
    EXPECT_EQ(clean_holiday_name(QString::fromUtf8("F\u00eate  du Travail")), QString::fromUtf8("F\u00eate du Travail"));
}

// Events with the calendar's name and id: single ones keep their year, all-day ones span their days (a month at most),
// timed ones their start date; recurring ones expand over the years asked for, without exceptions.
TEST(ICalendarLists, ReadEventsAsHolidaysOfTheYearsAskedFor)
{
    QString error;
    const auto read = [&error](const QByteArray &text) {
        error.clear();
        return read_icalendar_text(text, QStringLiteral("fallback"), 2025, 2027, &error);
    };
    const std::optional<HolidayList> named = read(calendar("X-WR-CALNAME:Acme Works\r\nX-DAYVANE-LIST-ID:42\r\n" +
                                                           event("DTSTART;VALUE=DATE:20261224\r\nSUMMARY:Works outing\\, winter\r\n") +
                                                           event("DTSTART;VALUE=DATE:20260501\r\nSUMMARY:F\xc3\xaate | ^ du travail\r\n")));
    ASSERT_TRUE(named) << error.toStdString();
    EXPECT_EQ(std::tuple(named->name, named->id), std::tuple(QStringLiteral("Acme Works"), 42));
    ASSERT_EQ(named->years.size(), 1u);
    EXPECT_EQ(named->years.at(2026), (std::vector<Holiday>{{QDate(2026, 5, 1), QString::fromUtf8("F\u00eate du travail")},
                                                           {QDate(2026, 12, 24), QStringLiteral("Works outing, winter")}}));
    const std::optional<HolidayList> list =
        read(calendar(event("DTSTART;VALUE=DATE:20301230\r\nDTEND;VALUE=DATE:20310102\r\nSUMMARY:Closed\r\n") +
                      event("DTSTART;VALUE=DATE:20200101\r\nDURATION:P2D\r\nSUMMARY:Long ago\r\n") +
                      event("DTSTART:20260704T220000Z\r\nDTEND:20260705T060000Z\r\nSUMMARY:Timed, past midnight\r\n") +
                      event("DTSTART;VALUE=DATE:20260101\r\nDTEND;VALUE=DATE:20260401\r\nSUMMARY:Capped at a month\r\n") +
                      event("DTSTART;VALUE=DATE:20260102\r\n") +  // no summary: adds nothing
                      event("SUMMARY:No start\r\n") +
                      event("DTSTART;VALUE=DATE:20200612\r\nRRULE:FREQ=YEARLY\r\nEXDATE;VALUE=DATE:20260612\r\n"
                            "SUMMARY:Founders' Day\r\n") +
                      event("DTSTART;VALUE=DATE:20241101\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1FR\r\nSUMMARY:Autumn Friday\r\n")));
    ASSERT_TRUE(list) << error.toStdString();
    EXPECT_EQ(std::tuple(list->name, list->id), std::tuple(QStringLiteral("fallback"), 0));
    QList<QDate> expected = {{2020, 1, 1}, {2020, 1, 2}, {2025, 6, 12}, {2025, 11, 7}}, dates;
    for (int day = 1; day <= 31; ++day)
        expected << QDate(2026, 1, day);
    expected << QDate(2026, 7, 4) << QDate(2026, 11, 6) << QDate(2027, 6, 12) << QDate(2027, 11, 5) << QDate(2030, 12, 30)
             << QDate(2030, 12, 31) << QDate(2031, 1, 1);
    for (const auto &[year, days] : list->years)
        for (const Holiday &day : days)
            dates << day.date;
    EXPECT_EQ(dates, expected);
    for (const char *text : {"", "hello", "BEGIN:VEVENT\r\nSUMMARY:x\r\nEND:VEVENT\r\n", "BEGIN:VCALENDAR\r\n"}) {
        EXPECT_FALSE(read(text)) << text;
        EXPECT_FALSE(error.isEmpty()) << text;
    }
    // Each date and name once; the turn of the year in any zone; a text that is not UTF-8 is Latin-1, NUL bytes dropped.
    const struct { QByteArray body; const char *days; } days_of[] = {
        {event("DTSTART;VALUE=DATE:20201231\r\nDTEND;VALUE=DATE:20210103\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Turn\r\n"),
         "2025-01-01 Turn,2025-01-02 Turn,2025-12-31 Turn,2026-01-01 Turn,2026-01-02 Turn,2026-12-31 Turn,2027-01-01 Turn,"
         "2027-01-02 Turn,2027-12-31 Turn"},
        {event("DTSTART;TZID=America/New_York:20241231T220000\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Late\r\n") +
             event("DTSTART:20241231T233000Z\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Night\r\n"),
         "2025-12-31 Late,2025-12-31 Night,2026-12-31 Late,2026-12-31 Night,2027-12-31 Late,2027-12-31 Night"},
        {event("DTSTART;VALUE=DATE:20260501\r\nRRULE:FREQ=YEARLY\r\nRDATE;VALUE=DATE:20270501\r\nSUMMARY:Fair\r\n") +
             event("DTSTART;VALUE=DATE:20260501\r\nSUMMARY:Fair\r\n") + event("DTSTART;VALUE=DATE:20260501\r\nSUMMARY:Fair 2\r\n"),
         "2026-05-01 Fair,2026-05-01 Fair 2,2027-05-01 Fair"},
        {event("DTSTART;VALUE=DATE:20260501\r\nSUMMARY:F\xea" "te\r\n"), "2026-05-01 F\xc3\xaate"},
        {event("DTSTART;VALUE=DATE:20260501\r\nSUMMARY:F" + QByteArray(1, '\0') + "air\r\n"), "2026-05-01 Fair"},
    };
    for (const auto &c : days_of) {
        const std::optional<HolidayList> read_list = read(calendar(c.body));
        QStringList days;
        for (const auto &[year, holidays] : read_list.value_or(HolidayList()).years)
            for (const Holiday &day : holidays)
                days << day.date.toString(Qt::ISODate) + u' ' + day.name;
        EXPECT_EQ(days.join(u','), QString::fromUtf8(c.days)) << error.toStdString();
    }
    // Bounds no file passes, each refused at once with what passed it.
    const struct { QByteArray text; const char *error; } refused[] = {
        {calendar(event("DTSTART:20260101T000000Z\r\nRRULE:FREQ=SECONDLY\r\nSUMMARY:Night closure\r\n")),
         "the recurring event \"Night closure\" repeats too often to expand"},
        {calendar(event("DTSTART:20260101T000000Z\r\nRRULE:FREQ=MINUTELY;COUNT=2000000000\r\nSUMMARY:Tick\r\n")),
         "the recurring event \"Tick\" repeats too often to expand"},
        {calendar(event("DTSTART:20260101T000000Z\r\nRRULE:FREQ=SECONDLY;BYMONTH=2;BYMONTHDAY=30\r\nSUMMARY:Never\r\n")),
         "the recurring event \"Never\" repeats too often to expand"},
        {calendar(event("DTSTART;VALUE=DATE:20260229\r\nSUMMARY:Leap day\r\n")),
         "the event \"Leap day\" has the date 2026-02-29, which does not exist"},
        {calendar(QByteArray("BEGIN:X\r\n").repeated(40) + QByteArray("END:X\r\n").repeated(40)),
         "line 35: components nested more than 32 deep"},
        {calendar("X-LONG:" + QByteArray(256'000, 'a') + "\r\n"), "line 4 is longer than 256 KB"},
        {QByteArray(32'000'001, ' '), "the file is larger than 32 MB"},
    };
    for (const auto &c : refused) {
        EXPECT_FALSE(read(c.text)) << c.error;
        EXPECT_EQ(error, QString::fromUtf8(c.error));
    }
    // Cancelled, the file's name is not added.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("x.ics"));
    write_file(path, calendar(event("DTSTART;VALUE=DATE:20260501\r\nSUMMARY:Fair\r\n")));
    const std::atomic<bool> cancel = true;
    EXPECT_FALSE(read_icalendar_file(path, 2025, 2027, &error, &cancel));
    EXPECT_EQ(error, QStringLiteral("cancelled"));
}

// A list keeps one holiday per date and name, and is left out with more holidays in a year than it has days.
TEST(HolidayFolders, GiveDroppedInCalendarsFreshIdsAndSkipWhatTheyCannotRead)
{
    QTemporaryDir folder;
    write_file(folder.filePath(QStringLiteral("b.holidays")), "list\t2\tSecond\n2026-01-01\tNew Year\n");
    write_file(folder.filePath(QStringLiteral("a.holidays")), "list\t5\tFifth\n2026-01-01\tNew Year\n");
    write_file(folder.filePath(QStringLiteral("c.holidays")), "list\t2\tRepeat\n2026-01-01\tNew Year\n");
    write_file(folder.filePath(QStringLiteral("d.holidays")), "nonsense\n");
    // Its year list ids would pass 2^31 - 1.
    write_file(folder.filePath(QStringLiteral("e.holidays")), "list\t214748\tHuge\n2026-01-01\tNew Year\n");
    write_file(folder.filePath(QStringLiteral("f.holidays")), "list\t3\tTwice\n2026-01-01\tNew Year\n2026-01-01\tOther\n"
                                                              "2026-01-01\tNew Year\n2026-01-02\tNew Year\n");
    QByteArray crowded = "list\t4\tCrowded\n";
    for (int day = 0; day <= kMaxHolidaysInYear; ++day)
        crowded += QDate(2024, 1, 1).addDays(day % 366).toString(Qt::ISODate).toLatin1() + "\tDay " + QByteArray::number(day) + '\n';
    write_file(folder.filePath(QStringLiteral("g.holidays")), crowded);
    const QByteArray our_day = event("DTSTART;VALUE=DATE:20260301\r\nSUMMARY:Our day\r\n");
    write_file(folder.filePath(QStringLiteral("works.ics")),
               calendar(our_day + event("DTSTART;VALUE=DATE:20260301\r\nSUMMARY:Our day\r\n")));
    write_file(folder.filePath(QStringLiteral("xtaken.ics")), calendar("X-DAYVANE-LIST-ID:5\r\n" + our_day));
    write_file(folder.filePath(QStringLiteral("zbroken.ics")), "not a calendar");
    write_file(folder.filePath(QStringLiteral("ignored.txt")), "list\t9\tIgnored\n");
    QStringList warnings;
    const std::vector<HolidayList> lists = load_holiday_folder(folder.path(), 2025, 2027, &warnings);
    QStringList names;
    for (const HolidayList &list : lists) {
        names << QStringLiteral("%1 %2:").arg(list.id).arg(list.name);
        for (const auto &[year, days] : list.years)
            for (const Holiday &day : days)
                names.last() += QStringLiteral(" %1 %2").arg(day.date.toString(u"MMdd"), day.name);
    }
    EXPECT_EQ(names, QStringList({"2 Second: 0101 New Year", "3 Twice: 0101 New Year 0101 Other 0102 New Year",
                                  "5 Fifth: 0101 New Year", "6 works: 0301 Our day", "7 xtaken: 0301 Our day"}));
    const char *starts[] = {"list \"Repeat\" left out", "d.holidays:1:", "list \"Huge\" left out: its id 214748 is above 214747",
                            "list \"Crowded\" left out: it has 367 holidays in 2024, more than 366", "zbroken.ics:"};
    ASSERT_EQ(warnings.size(), 5) << warnings.join(u'\n').toStdString();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(warnings[i].startsWith(QLatin1String(starts[i]))) << warnings[i].toStdString();
}

TEST(HolidayPayload, DatesAreMonthDayYearWithoutPadding)
{
    HolidayList list{3, QStringLiteral("L"), QStringLiteral("l"), {}};
    add_holiday(list, QDate(2026, 5, 1), QStringLiteral("B"));
    add_holiday(list, QDate(2026, 1, 1), QStringLiteral("A"));
    add_holiday(list, QDate(2026, 5, 1), QStringLiteral("C"));
    add_holiday(list, QDate(2026, 5, 1), QStringLiteral("B"));  // listed once
    EXPECT_EQ(holiday_payload({list}), QStringLiteral("C=3^L|Y=3^32026^2026|H=3^32026^1/1/2026^A|H=3^32026^5/1/2026^B|"
                                                      "H=3^32026^5/1/2026^C|"));
    std::vector<HolidayList> lists{list};
    keep_years(lists, 2027, 2030);
    EXPECT_EQ(holiday_payload(lists), QStringLiteral("C=3^L|"));
    // A list that would take the payload (UTF-8) past its limit makes way for the lists after it; exactly the limit is kept.
    HolidayList large{4, QStringLiteral("Large"), QStringLiteral("large"), {}};
    add_holiday(large, QDate(2026, 5, 1), QString(50, u'\u00e9'));
    const qsizetype bytes = holiday_payload({list}).toUtf8().size() + holiday_payload({large}).toUtf8().size();
    QStringList warnings;
    for (const auto &[limit, kept] : {std::pair{bytes, QStringList{"L", "Large"}}, {bytes - 1, {"L", "L"}}}) {
        std::vector<HolidayList> three{list, large, list};
        fit_payload(three, limit, &warnings);
        QStringList names;
        for (const HolidayList &fitted : three)
            names << fitted.name;
        EXPECT_EQ(names, kept) << limit;
    }
    EXPECT_EQ(warnings.size(), 2) << warnings.join(u'\n').toStdString();
}

// Each reply a word: "cut" is the whole reply broken off after the marker without its final "|", "whole" the list
// the program offers by default: the shipped data folder's, from two years back to four ahead.
TEST(WebServer, AnswersTheHolidayRequestWholeOrCutOrSplitAndCloses)
{
    const struct { QStringList options, replies; } cases[] = {
        {{}, {"whole"}},
        {{"--truncate-once"}, {"cut", "whole"}},
        {{"--truncate", "3"}, {"cut", "cut", "cut", "whole"}},
        {{"--split", "--split-bytes", "4096"}, {"whole"}},
    };
    const int year = QDate::currentDate().year();
    QStringList warnings;
    const QString whole = kWebListMarker + holiday_payload(load_holiday_folder(
                                                   QStringLiteral(DAYVANE_WEB_DATA_DIR), year - 2, year + 4, &warnings));
    for (const auto &c : cases) {
        WebServerProcess server(c.options);
        const std::string name = c.options.join(u' ').toStdString();
        ASSERT_GT(server.port(), 0) << name;
        for (const QString &expected : c.replies) {
            const Reply reply = ask(server, kHolidayRequest);
            EXPECT_EQ(reply.status, 200) << name;
            EXPECT_TRUE(reply.head.contains("\r\nConnection: close")) << name;
            const QString list = list_of(reply);
            if (expected == u"whole") {
                EXPECT_EQ(list, whole) << name;
            } else {
                EXPECT_TRUE(list.startsWith(kWebListMarker)) << name;
                EXPECT_FALSE(list.endsWith(u'|')) << name;
                EXPECT_TRUE(whole.startsWith(list)) << name;
            }
        }
        // Any other body is refused, without a list.
        const Reply refused = ask(server, QByteArray(kHolidayRequest).replace("info_type=?", "info_type=x"));
        EXPECT_EQ(refused.status, 400) << name;
        EXPECT_FALSE(refused.body.contains(kWebReplySeparator.toUtf8())) << name;
        EXPECT_EQ(server.exit_code(SIGINT), 0) << name;
    }
    // A held request is never answered, yet the shipped pages are, and it does not keep the program from stopping.
    WebServerProcess held({QStringLiteral("--hold")});
    EXPECT_FALSE(exchange(held.port(), kHolidayRequest, 500));
    EXPECT_EQ(get(held, "/help/qzhelp.htm").status, 200);
    EXPECT_EQ(held.exit_code(SIGTERM), 0);
}

TEST(WebServer, ServesThePagesOfItsFolderWithTheNewsVersion)
{
    QTemporaryDir folder;
    for (const char *path : {"help/de", "help/fr", "help/es", "cs"})
        ASSERT_TRUE(QDir(folder.path()).mkpath(QString::fromLatin1(path)));
    for (const char *name : {"index.htm", "help/qzhelp.htm", "help/de/qzhelp.htm", "help/fr/qzhelp.htm",
                             "help/es/qzhelp.htm", "cs/contact.htm", "style.css"})
        write_file(folder.filePath(QString::fromLatin1(name)), QByteArray("page ") + name);
    write_file(folder.filePath(QStringLiteral("notfound.htm")), "no {{path}}");
    // A folder without every page is refused.
    WebServerProcess incomplete({QStringLiteral("--pages"), folder.path()});
    EXPECT_EQ(std::tuple(incomplete.port(), incomplete.exit_code()), std::tuple(0, 2));
    write_file(folder.filePath(QStringLiteral("cs/news.htm")), "news {{news_version}}");
    WebServerProcess server({QStringLiteral("--pages"), folder.path(), QStringLiteral("--news-version"), QStringLiteral("<7>")});
    ASSERT_GT(server.port(), 0);
    const struct { const char *path; int status; const char *type, *body; } cases[] = {
        {"/", 200, "text/html", "page index.htm"},
        {"/help/qzhelp.htm", 200, "text/html", "page help/qzhelp.htm"},
        {"/help/es/qzhelp.htm", 200, "text/html", "page help/es/qzhelp.htm"},
        {"/cs/contact.htm", 200, "text/html", "page cs/contact.htm"},
        {"/cs/news.htm", 200, "text/html", "news &lt;7&gt;"},
        {"/style.css", 200, "text/css", "page style.css"},
        {"/cs/news_version.txt", 200, "text/plain", "<7>"},
        {"/help/<missing>.htm", 404, "text/html", "no /help/&lt;missing&gt;.htm"},
    };
    for (const auto &c : cases) {
        const Reply reply = get(server, c.path);
        EXPECT_EQ(reply.status, c.status) << c.path;
        EXPECT_TRUE(reply.head.contains(QByteArray("\r\nContent-Type: ") + c.type)) << c.path;
        EXPECT_EQ(reply.body, c.body) << c.path;
    }
    EXPECT_EQ(server.exit_code(SIGTERM), 0);
}

// The lists of a data folder (generated and recurring iCalendar) in the chosen years, or a file served as it is;
// addresses outside loopback and bad options stop the program before it listens.
TEST(WebServer, OffersTheListsOfItsDataFolderOrHolidayFileAndRefusesBadOptions)
{
    QTemporaryDir folder;
    write_file(folder.filePath(QStringLiteral("town.holidays")), "list\t3\tTown\n2025-03-01\tMarket day\n2026-03-02\tMarket day\n"
                                                                 "list\t5\tTown \xe2\x80\x94 North\ttown-n\n2026-06-01\tFair\n");
    write_file(folder.filePath(QStringLiteral("acme.ics")),
               calendar("X-WR-CALNAME:Acme Works\r\n" +
                        event("DTSTART;VALUE=DATE:20200814\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Founders\\, day\r\n")));
    const QString file = folder.filePath(QStringLiteral("holidays.txt"));
    write_file(file, "C=7^Testland|Y=7^70001^2026|H=7^70001^3/1/2026^Founders' Day|");
    // Two lists of 4.4 MB each, more than a client accepts in one reply.
    QTemporaryDir large;
    const QString large_file = large.filePath(QStringLiteral("large.holidays"));
    QByteArray text;
    for (const char *heading : {"list\t1\tFirst\n", "list\t2\tSecond\n"}) {
        text += heading;
        for (int day = 0; day < 366; ++day)
            text += QDate(2028, 1, 1).addDays(day).toString(Qt::ISODate).toLatin1() + '\t' + QByteArray(12'000, 'x') + '\n';
    }
    write_file(large_file, text + "list\t3\tThird\n2028-01-01\tNew Year\n");
    const struct { QStringList options; QString list; } cases[] = {  // no list: refused
        {{"--data", folder.path(), "--years", "2026-2027"},
         "C=3^Town|Y=3^32026^2026|H=3^32026^3/2/2026^Market day|C=5^Town — North|Y=5^52026^2026|"
         "H=5^52026^6/1/2026^Fair|C=6^Acme Works|Y=6^62026^2026|H=6^62026^8/14/2026^Founders, day|"
         "Y=6^62027^2027|H=6^62027^8/14/2027^Founders, day|"},
        // Lists narrowed by their codes: a pattern, a dropped-in file's name.
        {{"--data", folder.path(), "--years", "2026-2026", "--lists", "TOWN-*,acme"},
         "C=5^Town — North|Y=5^52026^2026|H=5^52026^6/1/2026^Fair|C=6^Acme Works|Y=6^62026^2026|"
         "H=6^62026^8/14/2026^Founders, day|"},
        {{"--data", folder.path(), "--lists", "town"},
         "C=3^Town|Y=3^32025^2025|H=3^32025^3/1/2025^Market day|Y=3^32026^2026|H=3^32026^3/2/2026^Market day|"},
        {{"--holiday-file", file}, "C=7^Testland|Y=7^70001^2026|H=7^70001^3/1/2026^Founders' Day|"},
        {{"--host", "0.0.0.0"}, {}}, {{"--host", "::"}, {}}, {{"--host", "192.0.2.1"}, {}}, {{"--host", "example.invalid"}, {}},
        {{"--years", "2027-2026"}, {}}, {{"--years", "soon"}, {}}, {{"--truncate", "-1"}, {}}, {{"--split-bytes", "0"}, {}},
        {{"--data", "/nonexistent/folder"}, {}}, {{"--holiday-file", "/nonexistent/file"}, {}}, {{"--lists", ","}, {}},
        {{"--lists", "us,nowhere"}, {}}, {{"--holiday-file", large_file}, {}},
    };
    for (const auto &c : cases) {
        WebServerProcess server(c.options);
        const std::string name = c.options.join(u' ').toStdString();
        if (c.list.isEmpty()) {
            EXPECT_EQ(std::tuple(server.port(), server.exit_code()), std::tuple(0, 2)) << name;
        } else {
            ASSERT_GT(server.port(), 0) << name;
            EXPECT_EQ(list_of(ask(server, kHolidayRequest)), kWebListMarker + c.list) << name;
        }
    }
    // The list that would take the reply past the client's limit is left out; the smaller one after it still comes.
    WebServerProcess server({QStringLiteral("--data"), large.path()});
    const Reply reply = ask(server, kHolidayRequest);
    EXPECT_LE(reply.head.size() + 4 + reply.body.size(), kMaxHolidayReplyBytes);
    QStringList owners = list_of(reply).mid(kWebListMarker.size()).split(u'|');
    owners.removeIf([](const QString &record) { return !record.startsWith(u"C="); });
    EXPECT_EQ(owners, QStringList({"C=1^First", "C=3^Third"}));
}

// The shipped lists where the holiday library's data needs care: every day of several-day holidays, substitute days
// whatever their type, no part days or days for part of the population, overrides, local names beside English ones.
TEST(HolidayData, TheShippedListsHoldTheWholeDaysOffOfEveryone)
{
    QStringList warnings;
    const std::vector<HolidayList> lists = load_holiday_folder(QStringLiteral(DAYVANE_WEB_DATA_DIR), 2025, 2031, &warnings);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
    const auto list_of_code = [&lists](const char *code) {
        const auto list = std::find_if(lists.begin(), lists.end(), [code](const HolidayList &l) { return l.code == QLatin1String(code); });
        return list == lists.end() ? HolidayList{} : *list;
    };
    const struct { const char *code; QDate date; bool held; } days[] = {
        {"kr", {2026, 2, 15}, false}, {"kr", {2026, 2, 16}, true}, {"kr", {2026, 2, 18}, true},  // Seollal
        {"kr", {2026, 2, 19}, false}, {"kr", {2027, 2, 9}, true}, {"kr", {2026, 9, 26}, true},   // Chuseok's last day
        {"ro", {2027, 1, 2}, true},                                                               // "1 January P2D"
        {"au-sa", {2026, 12, 24}, false}, {"au-sa", {2026, 12, 31}, false}, {"au-nt", {2027, 12, 24}, false},
        {"au-qld", {2026, 12, 24}, false}, {"au-sa", {2026, 12, 25}, true},
        {"is", {2026, 12, 24}, false}, {"is", {2026, 12, 31}, false}, {"is", {2028, 12, 24}, true},  // a Sunday: all day
        {"us-ky", {2026, 4, 3}, false}, {"ch-vs", {2026, 5, 1}, false},                           // from 14:00, 12:00
        {"cn", {2026, 3, 8}, false}, {"cn", {2026, 5, 4}, false}, {"cn", {2026, 6, 1}, false}, {"cn", {2026, 8, 1}, false},
        {"cn", {2026, 2, 19}, true}, {"cn", {2026, 5, 2}, true}, {"cn", {2026, 10, 3}, true},
        {"us", {2028, 11, 10}, true}, {"us", {2029, 11, 12}, true}, {"us-ca", {2029, 11, 12}, true},  // typed "bank"
        {"us", {2026, 7, 3}, true}, {"ie", {2026, 12, 28}, true}, {"es", {2025, 10, 13}, false},  // "observance"
        {"ca", {2029, 7, 2}, true}, {"ca-qc", {2029, 7, 2}, true}, {"ca-on", {2026, 4, 6}, false}, {"ca-on", {2026, 4, 3}, true},
        {"de-by", {2026, 1, 6}, true}, {"de-be", {2026, 1, 6}, false},
    };
    for (const auto &day : days) {
        const HolidayList list = list_of_code(day.code);
        const std::vector<Holiday> &year = list.years.count(day.date.year()) ? list.years.at(day.date.year()) : std::vector<Holiday>{};
        EXPECT_EQ(std::any_of(year.begin(), year.end(), [&](const Holiday &h) { return h.date == day.date; }), day.held)
            << day.code << " " << day.date.toString(Qt::ISODate).toStdString();
    }
    const struct { const char *code, *name; } names[] = {
        {"de", "Germany (Deutschland)"}, {"de-by", "Germany \u2014 Bavaria (Bayern)"}, {"us", "United States"},
        {"ch-ge", "Switzerland \u2014 Geneva (Gen\u00e8ve)"}, {"ch-zh", "Switzerland \u2014 Z\u00fcrich"}, {"at-9", "Austria \u2014 Vienna (Wien)"},
    };
    for (const auto &name : names)
        EXPECT_EQ(list_of_code(name.code).name, QString::fromUtf8(name.name)) << name.code;
}
