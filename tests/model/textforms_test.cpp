#include "model/textforms.h"

#include "printers.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <limits>

using namespace dayvane;

TEST(ModelTextForms, FormatsTimesOfDayModuloOneDay)
{
    struct Case { qint32 minutes; const char *view; const char *editor; };
    const Case cases[] = {
        {0, "12:00 AM", "12:00 am"},    {1, "12:01 AM", "12:01 am"},
        {510, "08:30 AM", "8:30 am"},   {719, "11:59 AM", "11:59 am"},
        {720, "12:00 PM", "12:00 pm"},  {725, "12:05 PM", "12:05 pm"},
        {1020, "05:00 PM", "5:00 pm"},  {1439, "11:59 PM", "11:59 pm"},
        {1440, "12:00 AM", "12:00 am"}, {1800, "06:00 AM", "6:00 am"},
        {-1, "11:59 PM", "11:59 pm"},
        {std::numeric_limits<qint32>::max(), "02:07 AM", "2:07 am"},
        {std::numeric_limits<qint32>::min(), "09:52 PM", "9:52 pm"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(format_time_of_day(c.minutes), c.view) << c.minutes;
        EXPECT_EQ(format_editor_time(c.minutes), c.editor) << c.minutes;
    }
}

TEST(ModelTextForms, FormatsDurationsWithoutPadding)
{
    struct Case { qint32 minutes; const char *editor; const char *view; };
    const Case cases[] = {
        {540, "9hrs 0min", "9h 0m"},       {510, "8hrs 30min", "8h 30m"},
        {485, "8hrs 5min", "8h 5m"},       {45, "0hrs 45min", "0h 45m"},
        {0, "0hrs 0min", "0h 0m"},         {1440, "24hrs 0min", "24h 0m"},
        {7215, "120hrs 15min", "120h 15m"}, {-90, "-1hrs 30min", "-1h 30m"},
        {-30, "-0hrs 30min", "-0h 30m"},
        {std::numeric_limits<qint32>::max(), "35791394hrs 7min", "35791394h 7m"},
        {std::numeric_limits<qint32>::min(), "-35791394hrs 8min", "-35791394h 8m"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(format_editor_duration(c.minutes), c.editor);
        EXPECT_EQ(format_minutes(c.minutes), c.view);
    }
}

TEST(ModelTextForms, FormatsDates)
{
    const QDate date(2024, 3, 15);
    EXPECT_EQ(format_editor_date(date), "03-15-2024");
    EXPECT_EQ(format_list_date(date), "Mar-15");
    EXPECT_EQ(format_query_date(date), "=#3/15/2024#");
    EXPECT_EQ(format_settings_date(date), "3/15/2024");
    EXPECT_EQ(format_editor_date(QDate(2024, 1, 5)), "01-05-2024");
    EXPECT_EQ(format_query_date(QDate(2024, 1, 5)), "=#1/5/2024#");
    EXPECT_EQ(format_settings_date(QDate(1999, 12, 31)), "12/31/1999");

    const char *months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(format_list_date(QDate(2024, m, 5)), QString(months[m - 1]) + "-05");

    for (const QString &text : {format_editor_date({}), format_list_date({}),
                                format_query_date({}), format_settings_date({})})
        EXPECT_EQ(text, "");
}

TEST(ModelTextForms, IgnoresTheUserLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(format_list_date(QDate(2024, 3, 15)), "Mar-15");
    EXPECT_EQ(format_time_of_day(1230), "08:30 PM");
    EXPECT_EQ(format_editor_time(1230), "8:30 pm");
    QLocale::setDefault(saved);
}

TEST(ModelTextForms, ParsesSettingsDates)
{
    EXPECT_EQ(parse_settings_date("3/15/2024"), QDate(2024, 3, 15));
    EXPECT_EQ(parse_settings_date("03/05/2024"), QDate(2024, 3, 5));
    EXPECT_EQ(parse_settings_date(" 2/29/2024\r\n"), QDate(2024, 2, 29));
    const char *invalid[] = {"", "  ", "2/30/2024", "2/29/2023", "13/1/2024", "0/1/2024",
                             "1/0/2024", "3-15-2024", "3/15", "3/15/2024/1", "a/b/c",
                             "3/15/20245", "-3/15/2024", "3/ 15/2024", "3/15/0", "//"};
    for (const char *text : invalid)
        EXPECT_EQ(parse_settings_date(text), std::nullopt) << text;

    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1))
        EXPECT_EQ(parse_settings_date(format_settings_date(d)), d);
}
