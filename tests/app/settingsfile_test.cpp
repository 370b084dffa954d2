#include "app/settingsfile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dayvane;

TEST(SettingsFile, WritesTheLinesInTheirOrderUnderTheirConditions)
{
    SettingsToWrite settings;
    settings.news_version = QStringLiteral("3");
    settings.top = 1620;
    settings.left = 2400;
    settings.height = 9000;
    EXPECT_EQ(format_settings(settings), QStringLiteral("[NewsVersion]=3\r\n[Top]=1620\r\n[Left]=2400\r\n[Height]=9000\r\n"));

    settings.db_path = QStringLiteral("/srv/share/QZDB.mdb");
    settings.calendar_id = 12;
    settings.calendar_date = QDate(2024, 3, 5);
    EXPECT_EQ(format_settings(settings),
              QStringLiteral("[DB path]=/srv/share/QZDB.mdb\r\n[NewsVersion]=3\r\n[Top]=1620\r\n[Left]=2400\r\n"
                             "[Height]=9000\r\n[View index]=12\r\n[Calendar date]=3/5/2024\r\n"));
    settings.db_path = QStringLiteral("   ");
    EXPECT_FALSE(format_settings(settings).contains(QStringLiteral("[DB path]")));
}

TEST(SettingsFile, ReadsBackWhatItWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QZ.ini"));
    EXPECT_FALSE(read_settings_file(path).anything_read);

    SettingsToWrite written;
    written.db_path = QStringLiteral("/home/ann/Smith, J=2/QZDB.mdb");  // a comma and "=" in a folder name
    written.news_version = QStringLiteral("17");
    written.top = -300;
    written.left = 45;
    written.height = 7200;
    written.calendar_id = 4;
    written.calendar_date = QDate(2025, 12, 31);
    ASSERT_TRUE(write_settings_file(path, written));
    const Settings read = read_settings_file(path);
    EXPECT_TRUE(read.anything_read);
    EXPECT_EQ(read.db_path, written.db_path);
    EXPECT_EQ(read.news_version, QStringLiteral("17"));
    EXPECT_EQ(read.top, -300.0);
    EXPECT_EQ(read.left, 45.0);
    EXPECT_EQ(read.height, 7200.0);
    EXPECT_EQ(read.view_index, 4);
    EXPECT_EQ(read.calendar_date, QDate(2025, 12, 31));
}

TEST(SettingsFile, OddValuesNeverStopTheReading)
{
    const Settings empty = parse_settings(QStringLiteral("\r\n  \r\n"));
    EXPECT_FALSE(empty.anything_read);

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
    EXPECT_TRUE(odd.anything_read);
    EXPECT_EQ(odd.news_version, QStringLiteral("0"));
    EXPECT_FALSE(odd.top.has_value());
    EXPECT_EQ(odd.left, 240.0);
    EXPECT_EQ(odd.height, 7000.0);
    EXPECT_EQ(odd.view_index, 0);
    EXPECT_FALSE(odd.calendar_date.has_value());
    EXPECT_FALSE(odd.db_path.has_value());

    const Settings more = parse_settings(QStringLiteral(
        "[NewsVersion]=\r\n[View index]=5.6\r\n[Calendar date]=2/30/2024\r\n[Top]=1e99\r\n[Height]= 6480 \r\n"
        "[NewsVersion]=12.50rc"));
    EXPECT_EQ(more.news_version, QStringLiteral("12.5"));
    EXPECT_EQ(more.view_index, 6);
    EXPECT_FALSE(more.calendar_date.has_value());
    EXPECT_FALSE(more.top.has_value());
    EXPECT_EQ(more.height, 6480.0);
    EXPECT_EQ(leading_number(QStringLiteral("  -42x")), -42.0);
}
