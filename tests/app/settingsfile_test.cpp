#include "app/settingsfile.h"
#include "app/workstationoptions.h"
#include "printers.h"
#include "testdatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

using namespace dayvane;

namespace {

// Everything read, for one comparison.
auto fields(const Settings &s)
{
    return std::tuple(s.anything_read, s.db_path, s.news_version, s.top, s.left, s.height, s.view_index, s.calendar_date);
}

constexpr std::nullopt_t none = std::nullopt;

} // namespace

TEST(SettingsFile, WritesTheLinesInTheirOrderUnderTheirConditionsAndReadsThemBackWhateverTheValues)
{
    // A blank path is left out, and so are the calendar lines without an open calendar.
    SettingsToWrite settings{QStringLiteral("   "), QStringLiteral("17"), -300, 45, 7200, 0, QDate()};
    EXPECT_EQ(format_settings(settings), QStringLiteral("[NewsVersion]=17\r\n[Top]=-300\r\n[Left]=45\r\n[Height]=7200\r\n"));
    settings.db_path = QStringLiteral("/home/ann/Smith, J=2/QZDB.mdb");  // a comma and "=" in a folder name
    settings.calendar_id = 4;
    settings.calendar_date = QDate(2025, 3, 5);
    EXPECT_EQ(format_settings(settings),
              QStringLiteral("[DB path]=/home/ann/Smith, J=2/QZDB.mdb\r\n[NewsVersion]=17\r\n[Top]=-300\r\n[Left]=45\r\n"
                             "[Height]=7200\r\n[View index]=4\r\n[Calendar date]=3/5/2025\r\n"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QZ.ini"));
    EXPECT_FALSE(read_settings_file(path).anything_read);
    ASSERT_TRUE(write_settings_file(path, settings));
    EXPECT_EQ(fields(read_settings_file(path)),
              std::tuple(true, settings.db_path, "17", -300.0, 45.0, 7200.0, 4, QDate(2025, 3, 5)));
    // Odd values never stop the reading.
    EXPECT_FALSE(parse_settings(QStringLiteral("\r\n  \r\n")).anything_read);
    const Settings odd = parse_settings(QStringLiteral(
        "[NewsVersion]=abc\r\n"
        "[Top]=high\r\n"
        "[Left]=120\r\n"
        "[Left]=240\r\n"                 // a key twice: the last value counts
        "[Height]=7000,5\r\n"            // a comma ends the value
        "[View index]=x\r\n"
        "[Calendar date]=12/30/1899\r\n" // the zero date
        "[Unknown]=1\r\n"
        "[top]=99\n"));                  // keys compare with their letter case
    EXPECT_EQ(fields(odd), std::tuple(true, none, "0", none, 240.0, 7000.0, 0, none));
    const Settings more = parse_settings(QStringLiteral(
        "[NewsVersion]=\r\n[View index]=5.6\r\n[Calendar date]=2/30/2024\r\n[Top]=1e99\r\n[Height]= 6480 \r\n"
        "[NewsVersion]=12.50rc"));
    EXPECT_EQ(fields(more), std::tuple(true, none, "12.5", none, none, 6480.0, 6, none));
    EXPECT_EQ(leading_number(QStringLiteral("  -42x")), -42.0);
}

TEST(WorkstationOptions, TheFirstDayOfTheWeekIsTheFilesElseTheLocalesAndSundayWithoutALanguage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dayvane.ini"));
    struct Case
    {
        const char *file;  // null: no file
        const char *locale;
        Qt::DayOfWeek expected;
    };
    const Case cases[] = {
        {nullptr, "C", Qt::Sunday},
        {nullptr, "de_DE", Qt::Monday},
        {nullptr, "en_US", Qt::Sunday},
        {"[Week]\nFirstDay=Monday\n", "en_US", Qt::Monday},
        {"[Week]\nFirstDay= saturday \n", "de_DE", Qt::Saturday},
        {"[Week]\nFirstDay=locale\n", "de_DE", Qt::Monday},
        {"[Week]\nFirstDay=Moonday\n", "en_US", Qt::Sunday},
        {"not an ini file \x01\xff", "fr_FR", Qt::Monday},
    };
    for (const Case &c : cases) {
        QFile::remove(path);
        if (c.file)
            test::write_file(path, c.file);
        EXPECT_EQ(chosen_week_start(read_workstation_options(path), QLocale(QString::fromLatin1(c.locale))), c.expected)
            << (c.file ? c.file : "(none)") << " " << c.locale;
    }
}
