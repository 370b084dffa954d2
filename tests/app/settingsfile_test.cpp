#include "app/settingsfile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dayvane;

TEST(SettingsFile, WritesTheLinesInTheirOrderUnderTheirConditionsAndReadsThemBack)
{
    SettingsToWrite settings;
    settings.news_version = QStringLiteral("17");
    settings.top = -300;
    settings.left = 45;
    settings.height = 7200;
    EXPECT_EQ(format_settings(settings), QStringLiteral("[NewsVersion]=17\r\n[Top]=-300\r\n[Left]=45\r\n[Height]=7200\r\n"));

    // A blank path is left out; an open calendar adds its id and date.
    settings.db_path = QStringLiteral("   ");
    settings.calendar_id = 4;
    settings.calendar_date = QDate(2025, 3, 5);
    EXPECT_EQ(format_settings(settings), QStringLiteral("[NewsVersion]=17\r\n[Top]=-300\r\n[Left]=45\r\n[Height]=7200\r\n"
                                                        "[View index]=4\r\n[Calendar date]=3/5/2025\r\n"));

    settings.db_path = QStringLiteral("/home/ann/Smith, J=2/QZDB.mdb");  // a comma and "=" in a folder name
    EXPECT_TRUE(format_settings(settings).startsWith(QStringLiteral("[DB path]=%1\r\n[NewsVersion]=").arg(settings.db_path)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QZ.ini"));
    EXPECT_FALSE(read_settings_file(path).anything_read);
    ASSERT_TRUE(write_settings_file(path, settings));
    const Settings read = read_settings_file(path);
    EXPECT_TRUE(read.anything_read);
    EXPECT_EQ(read.db_path, settings.db_path);
    EXPECT_EQ(read.news_version, QStringLiteral("17"));
    EXPECT_EQ(read.top, -300.0);
    EXPECT_EQ(read.left, 45.0);
    EXPECT_EQ(read.height, 7200.0);
    EXPECT_EQ(read.view_index, 4);
    EXPECT_EQ(read.calendar_date, QDate(2025, 3, 5));
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
