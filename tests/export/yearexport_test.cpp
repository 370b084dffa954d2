// The year as CSV and iCalendar, read back by Python's csv module and libical; and the export of dayvane-db.

#include "export/yearcsv.h"
#include "export/yearicalendar.h"
#include "store/databaseid.h"
#include "store/history.h"
#include "store/scramble.h"
#include "calendaryear/calendaryear.h"

#include "store/connection.h"
#include "testdatabase.h"
#include "testserver.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// Comments no file format takes as they are: separators of both formats, quotes, line breaks of every kind, a
// backslash and text outside ASCII (long enough that an iCalendar line folds inside it).
const QString kHostileComment = QStringLiteral(
    "Team \"kick-off\", room 3; bring\\notes\r\nZ\u00fcrich \u2615 caf\u00e9 \u65e5\u672c\u8a9e "
    "\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc\u00e4\u00f6\u00fc");
const QString kSeparatorComment = QStringLiteral("a,b;c");
const QString kFormulaComment = QStringLiteral("=HYPERLINK(\"http://x\")");
const QString kDatabaseId = QStringLiteral("0123456789abcdef0123456789abcdef");

// Calendar 7 "Night Shift", 2024, typical day 08:00-12:00 and 13:00-17:00 worked. Jan 2 typical, hostile comment;
// Mar 15 (separator comment) and 30 altered, 22:00 to 06:00; Jul 4 paid only 08:00-16:00; Aug 1 a formula comment
// and Dec 31 "End\nof year", neither worked nor paid; Dec 31 2023 in January's grid but outside the year.
CalendarYear sample_year()
{
    CalendarYear year(7, QStringLiteral("Night Shift"), 1, 2024);
    year.set_typical_day(QStringLiteral("y@480>720+y@780>1020"), 480, 480);
    const auto day = [&](int m, int d, const char *segments, int work, int pay, const QString &comment) {
        year.add_day({m * 100 + d, QDate(m == 0 ? 2023 : 2024, m == 0 ? 12 : m, d), 0, 0, work, pay,
                      QString::fromLatin1(segments), comment});
    };
    day(1, 2, "y@480>720+y@780>1020", 480, 480, kHostileComment);
    day(3, 15, "y@1320>1800", 480, 480, kSeparatorComment);
    day(3, 30, "y@1320>1800", 480, 480, {});
    day(7, 4, "n@480>960", 0, 480, {});
    day(8, 1, "", 0, 0, kFormulaComment);
    day(12, 31, "", 0, 0, QStringLiteral("End\nof year"));
    day(0, 31, "y@480>720", 240, 240, QStringLiteral("last year"));
    return year;
}

// Whether `csv` starts with a byte order mark, and its rows, as readcsv.py reads them.
std::pair<bool, std::vector<QStringList>> read_with_python(const QByteArray &csv, char separator)
{
    QProcess python;
    python.start(QStringLiteral(DAYVANE_PYTHON), {QStringLiteral(DAYVANE_READ_CSV), QString(QLatin1Char(separator))});
    python.write(csv);
    python.closeWriteChannel();
    EXPECT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonObject json = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    std::vector<QStringList> rows;
    for (const QJsonValue &row : json.value(QStringLiteral("rows")).toArray())
        rows.push_back(row.toVariant().toStringList());
    return {json.value(QStringLiteral("bom")).toBool(), rows};
}

// Every event by UID as libical reads `ics`: "summary start..end", times in UTC for timed events, dates for all-day ones.
std::map<QString, QString> read_with_libical(const QByteArray &ics)
{
    const auto text = [](icaltimetype time) {
        if (time.is_date)
            return QString::asprintf("%04d-%02d-%02d", time.year, time.month, time.day);
        const icaltimetype utc = icaltime_convert_to_zone(time, icaltimezone_get_utc_timezone());
        return QString::asprintf("%04d-%02d-%02d %02d:%02dZ", utc.year, utc.month, utc.day, utc.hour, utc.minute);
    };
    std::unique_ptr<icalcomponent, void (*)(icalcomponent *)> calendar(icalparser_parse_string(ics.constData()),
                                                                       icalcomponent_free);
    std::map<QString, QString> events;
    EXPECT_TRUE(calendar);
    if (!calendar)
        return events;
    EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0);
    EXPECT_STREQ(icalproperty_get_version(icalcomponent_get_first_property(calendar.get(), ICAL_VERSION_PROPERTY)), "2.0");
    for (icalcomponent *event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        EXPECT_TRUE(icaltime_is_utc(icalcomponent_get_dtstamp(event)));
        events[QString::fromUtf8(icalcomponent_get_uid(event))] = QString::fromUtf8(icalcomponent_get_summary(event)) +
            u' ' + text(icalcomponent_get_dtstart(event)) + QStringLiteral("..") + text(icalcomponent_get_dtend(event));
    }
    return events;
}

TEST(YearCsv, ReadsBackWithARealCsvReaderWithEitherSeparator)
{
    for (const char separator : {',', ';'}) {
        const QByteArray csv = year_csv(sample_year(), QLatin1Char(separator));
        EXPECT_EQ(csv.count("\r\n"), 367 + 1);  // ending header, 366 days and the CRLF inside one comment
        const auto [bom, rows] = read_with_python(csv, separator);
        EXPECT_TRUE(bom);
        ASSERT_EQ(rows.size(), 367u);  // header and every day of leap year 2024, Dec 31 2023 left out
        EXPECT_EQ(rows[0].join(u'|'), u"Date|Weekday|Day class|Periods|Worked minutes|Worked|Paid minutes|Paid|Comment");
        // The fields after the date, joined by "|".
        const QString none = QStringLiteral("No work, no pay||0|0h 0m|0|0h 0m|");
        const std::map<QString, QString> expected{
            {"2024-01-01", "Monday|" + none},
            {"2024-01-02", "Tuesday|Typical workday|08:00 AM..12:00 PM (4h 0m Wrk); 01:00 PM..05:00 PM (4h 0m Wrk)|"
                           "480|8h 0m|480|8h 0m|" + kHostileComment},
            {"2024-03-15", "Friday|Altered workday|10:00 PM..06:00 AM (8h 0m Wrk)|480|8h 0m|480|8h 0m|" + kSeparatorComment},
            {"2024-07-04", "Thursday|Paid, no work|08:00 AM..04:00 PM (8h 0m)|0|0h 0m|480|8h 0m|"},
            {"2024-08-01", "Thursday|" + none + u'\'' + kFormulaComment},  // stays text in a spreadsheet
            {"2024-12-31", "Tuesday|" + none + "End\nof year"},
        };
        for (const auto &[date, fields] : expected) {
            const QStringList &read = rows[std::size_t(QDate(2024, 1, 1).daysTo(QDate::fromString(date, Qt::ISODate)) + 1)];
            EXPECT_EQ(read.join(u'|'), date + u'|' + fields) << separator;
        }
    }
}

// A comment's special characters: escaped for iCalendar (other controls dropped), quoted for CSV, formulas guarded.
TEST(YearExport, WritesEverySpecialCharacterAsItsFormatAsks)
{
    const struct { const char *comment, *ics, *comma, *semicolon; } cases[] = {
        {"a\\b", "a\\\\b", "a\\b", "a\\b"},
        {"c;d", "c\\;d", "c;d", "\"c;d\""},
        {"e,f", "e\\,f", "\"e,f\"", "e,f"},
        {"g\r\nh", "g\\nh", "\"g\r\nh\"", "\"g\r\nh\""},
        {"i\rj", "i\\nj", "\"i\rj\"", "\"i\rj\""},
        {"k\nl", "k\\nl", "\"k\nl\"", "\"k\nl\""},
        {"m\"n", "m\"n", "\"m\"\"n\"", "\"m\"\"n\""},
        {"o\x01p\x1bq\x7fr\tt", "opqr\tt", "o\x01p\x1bq\x7fr\tt", "o\x01p\x1bq\x7fr\tt"},
        {"=1+2", "=1+2", "'=1+2", "'=1+2"},
        {"+u", "+u", "'+u", "'+u"},
        {"-v", "-v", "'-v", "'-v"},
        {"@w", "@w", "'@w", "'@w"},
        {"\tx", "\tx", "'\tx", "'\tx"},
        {"\ry", "\\ny", "\"'\ry\"", "\"'\ry\""},
        {"=z;z,z", "=z\\;z\\,z", "\"'=z;z,z\"", "\"'=z;z,z\""},
    };
    CalendarYear year(7, QStringLiteral("Night Shift"), 1, 2024);
    for (int day = 1; day <= int(std::size(cases)); ++day)
        year.add_day({day, QDate(2024, 1, day), 0, 0, 0, 0, QString(), QString::fromLatin1(cases[day - 1].comment)});
    const QByteArray ics = year_icalendar(year, year.calendar_name(), QTimeZone::utc(), QDateTime::currentDateTimeUtc(), {});
    const QByteArray comma = year_csv(year, QLatin1Char(','));
    const QByteArray semicolon = year_csv(year, QLatin1Char(';'));
    for (const auto &c : cases) {
        EXPECT_TRUE(ics.contains("SUMMARY:" + QByteArray(c.ics) + "\r\n")) << c.ics;
        EXPECT_TRUE(comma.contains("," + QByteArray(c.comma) + "\r\n")) << c.comma;
        EXPECT_TRUE(semicolon.contains(";" + QByteArray(c.semicolon) + "\r\n")) << c.semicolon;
    }
}

// Periods as timed events of the workstation's zone, read back in UTC (Mar 30 loses an hour in Europe).
TEST(YearICalendar, ReadsBackWithLibicalInEveryZone)
{
    const char *const berlin[] = {"2024-01-02 07:00Z..2024-01-02 11:00Z", "2024-03-15 21:00Z..2024-03-16 05:00Z",
                                  "2024-03-30 21:00Z..2024-03-31 04:00Z"};
    // The zone, its TZID parameter as written, and the three nights' times.
    const struct { QTimeZone zone; const char *tzid, *jan2, *mar15, *mar30; } zones[] = {
        {QTimeZone("UTC"), "UTC", "2024-01-02 08:00Z..2024-01-02 12:00Z", "2024-03-15 22:00Z..2024-03-16 06:00Z",
         "2024-03-30 22:00Z..2024-03-31 06:00Z"},
        {QTimeZone("Europe/Berlin"), "Europe/Berlin", berlin[0], berlin[1], berlin[2]},
        {QTimeZone("America/New_York"), "America/New_York", "2024-01-02 13:00Z..2024-01-02 17:00Z",
         "2024-03-16 02:00Z..2024-03-16 10:00Z", "2024-03-31 02:00Z..2024-03-31 10:00Z"},
        // POSIX TZ rules, as a workstation's TZ gives them: quoted.
        {QTimeZone("CET-1CEST,M3.5.0,M10.5.0/3"), "\"CET-1CEST,M3.5.0,M10.5.0/3\"", berlin[0], berlin[1], berlin[2]},
        {QTimeZone("<+0330>-3:30"), "\"<+0330>-3:30\"", "2024-01-02 04:30Z..2024-01-02 08:30Z",
         "2024-03-15 18:30Z..2024-03-16 02:30Z", "2024-03-30 18:30Z..2024-03-31 02:30Z"},
        // No parameter holds a quote: the times converted to UTC.
        {QTimeZone("Plant \"B\"", 3600, "Plant B", "PB"), "UTC", "2024-01-02 07:00Z..2024-01-02 11:00Z",
         "2024-03-15 21:00Z..2024-03-16 05:00Z", "2024-03-30 21:00Z..2024-03-31 05:00Z"},
    };
    const CalendarYear year = sample_year();
    const QDateTime stamp(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
    for (const auto &z : zones) {
        ASSERT_TRUE(z.zone.isValid()) << z.tzid;
        const QByteArray ics = year_icalendar(year, year.calendar_name(), z.zone, stamp, kDatabaseId);
        EXPECT_TRUE(ics.contains(QByteArray("\r\nDTSTART;TZID=") + z.tzid + ":2024")) << z.tzid;
        const std::map<QString, QString> events = read_with_libical(ics);
        const QString work = QStringLiteral("Work (Night Shift) ");
        // Dec 31 2023 left out; each event starts with its text (the whole of it but where times vary).
        const std::map<QString, QString> expected{
            {"20240102-period1", work + z.jan2},
            {"20240102-period2", work},
            {"20240102-comment", QString(kHostileComment).replace("\r\n", "\n") + " 2024-01-02..2024-01-03"},
            {"20240315-period1", work + z.mar15},
            {"20240315-comment", kSeparatorComment + " 2024-03-15..2024-03-16"},
            {"20240330-period1", work + z.mar30},
            {"20240704-period1", "Paid, no work (Night Shift) "},
            {"20240801-comment", kFormulaComment + " 2024-08-01..2024-08-02"},
            {"20241231-comment", "End\nof year 2024-12-31..2025-01-01"},
        };
        ASSERT_EQ(events.size(), expected.size()) << z.tzid;
        for (const auto &[uid, event] : expected) {
            const auto found = events.find(uid + "-calendar7-" + kDatabaseId + "@dayvane");
            ASSERT_NE(found, events.end()) << uid.toStdString();
            EXPECT_TRUE(found->second.startsWith(event)) << z.tzid << ": " << found->second.toStdString();
        }
        // Folded lines: at most 75 octets, none starting inside a character.
        for (const QByteArray &line : ics.split('\n')) {
            EXPECT_LE(line.size(), 76) << line.toStdString();  // with its CR
            if (line.startsWith(' ') && line.size() > 1) {
                EXPECT_NE(uchar(line.at(1)) & 0xC0, 0x80) << line.toStdString();
            }
        }
        // A later export is the same file but for its stamp: the UIDs stay.
        QByteArray later = year_icalendar(year, year.calendar_name(), z.zone, stamp.addDays(3), kDatabaseId);
        EXPECT_NE(later, ics);
        EXPECT_EQ(later.replace("20240504T120000Z", "20240501T120000Z"), ics);
    }
    EXPECT_NE(year_icalendar(year, {}, {}, stamp, {}), year_icalendar(year, {}, {}, stamp, {}));  // no id: new UIDs
}

// dayvane-db as the real program, on a file and on the test server; a read-restricted calendar needs a password.
class DayvaneDb : public testing::TestWithParam<Backend> {};

TEST_P(DayvaneDb, PrintsItsHelpAndShowsARestrictedCalendarOnlyWithItsPassword)
{
    TestDatabase file(GetParam());
    QTemporaryDir folder;
    const Sample sample = fill_sample(file.db());
    execute(file.db(), QStringLiteral("UPDATE users SET password = ? WHERE id = ?;"), {*scramble_text("secret"), sample.ann});
    execute(file.db(), QStringLiteral("INSERT INTO system_variables (\"Variable\", \"Value\") VALUES (?, ?);"),
            {QStringLiteral("System password"), *scramble_text("admin")});
    record_change(file.db(), qint32(sample.zeta), QStringLiteral("Zeta changed"));
    record_change(file.db(), qint32(sample.alpha), QStringLiteral("Alpha changed"));
    const QString alpha_uid = QStringLiteral("UID:20240108-period1-calendar%1-%2@dayvane")
                                  .arg(sample.alpha).arg(read_database_id(file.db()).value_or(QString()));
    file.close();
    const QString out = folder.filePath(QStringLiteral("year.out"));
    const QString demo = GetParam() == Backend::Server ? TestServer::instance()->create_database()
                                                       : folder.filePath(QStringLiteral("QZDB.mdb"));
    // The arguments (DB: the database, NEW: a new one), what is typed, the exit code and what the output file
    // (standard output for "-", or when the call writes no file) or else the errors hold.
    const struct { QStringList args; QByteArray typed; int exit_code; QString expected; } cases[] = {
        {{"check", "DB"}, {}, 0, "read restricted to the owner\n    (read-restricted)\n  User E2 Bob Adams\n"},
        {{"check", "DB"}, "secret\n", 0, "read restricted to the owner\n    2023: 1 days, 1 work days"},
        {{"history", "DB"}, {}, 0, "\tAlpha changed\n\t\t\t\tzeta office\t(read-restricted)\n"},
        {{"history", "DB", "ZETA OFFICE"}, "wrong\n", 0, "\t\t\t\tzeta office\t(read-restricted)\n"},
        {{"history", "DB"}, "admin\n", 0, "\tzeta office\tZeta changed\n"},
        {{"demo", "NEW"}, {}, 0, "read restricted to the owner\n    (read-restricted)\n  Calendar \"Workshop\""},
        {{"--help"}, {}, 0, "Usage: dayvane-db create PATH"},
        {{"-h"}, {}, 0, "dayvane-db --help"},
        {{"check"}, {}, 2, "Usage:"},
        {{"export", "DB", "ALPHA", "2024", "--csv", out}, {}, 0, "2024-01-08,Monday,Typical workday,"},
        {{"export", "DB", "alpha", "2024", "--ics", "-"}, {}, 0, alpha_uid},
        {{"export", "DB", "Alpha", "2024", "--csv", "-", "--csv-separator", ";"}, {}, 0, "2024-01-08;Monday;Typical workday;"},
        {{"export", "DB", "Alpha", "2024", "--csv-separator", "|", "--csv", out}, {}, 2, "The CSV separator must be , or ;"},
        {{"export", "DB", "Zeta Office", "2024", "--csv", out}, "wrong\n", 1, "The password is wrong"},
        {{"export", "DB", "Zeta Office", "2024", "--csv", "-"}, "secret\n", 0, "2024-01-01,Monday,\"Paid, no work\","},
        {{"export", "DB", "zeta office", "2024", "--ics", "-"}, "admin\n", 0, "X-WR-CALNAME:zeta office"},
        {{"export", "DB", "Zeta Office", "2022", "--csv", out}, "secret\n", 1, "has no year 2022"},
        {{"export", "DB", "gamma", "2024", "--ics", out}, {}, 1, "There is no calendar named \"gamma\""},
        {{"export", "DB", "Alpha", "2024", "--pdf", out}, {}, 2, "Usage:"},
    };
    for (const auto &c : cases) {
        QFile::remove(out);
        QStringList args = c.args;
        std::replace(args.begin(), args.end(), QStringLiteral("DB"), file.path());
        std::replace(args.begin(), args.end(), QStringLiteral("NEW"), demo);
        const ProgramRun tool = run_program(QStringLiteral(DAYVANE_DB_TOOL), args, c.typed);
        EXPECT_EQ(tool.exit_code, c.exit_code) << tool.errors.toStdString();
        // Without a password that admits it, nothing of the restricted calendar shows.
        for (const char *content : {"Zeta changed", "    2023: "}) {
            EXPECT_TRUE(c.typed == "secret\n" || c.typed == "admin\n" || !tool.output.contains(QLatin1String(content)))
                << c.args.join(u' ').toStdString() << "\n" << tool.output.toStdString();
        }
        // Only a successful export to a file leaves one.
        QFile result(out);
        EXPECT_EQ(result.open(QIODevice::ReadOnly), c.exit_code == 0 && args.contains(out)) << c.args.join(u' ').toStdString();
        const QString written = c.exit_code != 0 ? tool.errors : result.isOpen() ? QString::fromUtf8(result.readAll()) : tool.output;
        EXPECT_TRUE(written.contains(c.expected)) << c.args.join(u' ').toStdString() << "\n" << written.toStdString();
    }
    // UIDs: the same in every export of a database, another's differ; without an id, new ones each time.
    const auto uids = [](const QString &path) {
        const ProgramRun tool = run_program(QStringLiteral(DAYVANE_DB_TOOL), {"export", path, "Alpha", "2024", "--ics", "-"});
        return tool.output.split(QStringLiteral("\r\n")).filter(QRegularExpression(QStringLiteral("^UID:"))) << tool.errors;
    };
    TestDatabase other(GetParam());
    fill_sample(other.db());
    const QStringList first = uids(file.path());
    EXPECT_EQ(uids(file.path()), first);
    EXPECT_NE(uids(other.path()), first);
    // A database written before the id: none.
    open_existing_database(file.path()).exec(QStringLiteral("DROP TABLE database_identity;"));
    const QStringList without_id = uids(file.path());
    EXPECT_TRUE(without_id.last().contains(QStringLiteral("no id of its own"))) << without_id.last().toStdString();
    EXPECT_NE(uids(file.path()), without_id);
    EXPECT_EQ(run_program(QStringLiteral(DAYVANE_DB_TOOL), {"upgrade", file.path()}).exit_code, 0);  // gives it one
    EXPECT_EQ(uids(file.path()), uids(file.path()));
    // SQL written into the stored queries fails the check, named.
    open_existing_database(file.path()).exec(QStringLiteral("UPDATE stored_query SET select_sql = 'SELECT 1' WHERE name = 'Q010';"));
    const ProgramRun planted = run_program(QStringLiteral(DAYVANE_DB_TOOL), {QStringLiteral("check"), file.path()});
    EXPECT_EQ(planted.exit_code, 1);
    EXPECT_TRUE(planted.output.contains(u"Stored queries: Q010 differ from this program's (not run by it)\n"))
        << planted.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Backends, DayvaneDb, testing::ValuesIn(backends()), backend_name);

} // namespace
