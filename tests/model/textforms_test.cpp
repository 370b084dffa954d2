#include "model/textforms.h"
#include "model/timeinput.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <limits>
#include <tuple>

using namespace dayvane;

namespace {

// The text forms never follow the user's locale: every table runs under a
// Spanish one, whose month names and designators differ.
class ModelTextForms : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }
    void TearDown() override { QLocale::setDefault(m_saved); }
    const QLocale m_saved;
};

} // namespace

TEST_F(ModelTextForms, FormatsTimesOfDayModuloOneDayDurationsUnpaddedAndDatesInEveryForm)
{
    constexpr qint32 max = std::numeric_limits<qint32>::max(), min = std::numeric_limits<qint32>::min();
    // Time of day in the views and in the editor; duration in the editor and in the views.
    struct Case { qint32 minutes; const char *time, *editor_time, *duration, *view_duration; };
    const Case cases[] = {
        {0, "12:00 AM", "12:00 am", "0hrs 0min", "0h 0m"},
        {45, "12:45 AM", "12:45 am", "0hrs 45min", "0h 45m"},
        {510, "08:30 AM", "8:30 am", "8hrs 30min", "8h 30m"},
        {719, "11:59 AM", "11:59 am", "11hrs 59min", "11h 59m"},
        {720, "12:00 PM", "12:00 pm", "12hrs 0min", "12h 0m"},
        {725, "12:05 PM", "12:05 pm", "12hrs 5min", "12h 5m"},
        {1020, "05:00 PM", "5:00 pm", "17hrs 0min", "17h 0m"},
        {1439, "11:59 PM", "11:59 pm", "23hrs 59min", "23h 59m"},
        {1440, "12:00 AM", "12:00 am", "24hrs 0min", "24h 0m"},
        {7215, "12:15 AM", "12:15 am", "120hrs 15min", "120h 15m"},
        // Negative values come only from malformed data.
        {-1, "11:59 PM", "11:59 pm", "-0hrs 1min", "-0h 1m"},
        {-90, "10:30 PM", "10:30 pm", "-1hrs 30min", "-1h 30m"},
        {max, "02:07 AM", "2:07 am", "35791394hrs 7min", "35791394h 7m"},
        {min, "09:52 PM", "9:52 pm", "-35791394hrs 8min", "-35791394h 8m"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(QStringList({format_time_of_day(c.minutes), format_editor_time(c.minutes), format_editor_duration(c.minutes),
                               format_minutes(c.minutes)}),
                  QStringList({c.time, c.editor_time, c.duration, c.view_duration})) << c.minutes;
    // Dates in every form, and the settings form read back.
    struct Dates { QDate date; const char *editor, *list, *query, *settings; };
    const Dates dates[] = {
        {{2024, 3, 15}, "03-15-2024", "Mar-15", "=#3/15/2024#", "3/15/2024"},
        {{2024, 1, 5}, "01-05-2024", "Jan-05", "=#1/5/2024#", "1/5/2024"},
        {{1999, 12, 31}, "12-31-1999", "Dec-31", "=#12/31/1999#", "12/31/1999"},
        {{}, "", "", "", ""},  // every form of an invalid date
    };
    for (const Dates &c : dates)
        EXPECT_EQ(QStringList({format_editor_date(c.date), format_list_date(c.date), format_query_date(c.date),
                               format_settings_date(c.date)}),
                  QStringList({c.editor, c.list, c.query, c.settings}));
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1))
        EXPECT_EQ(parse_settings_date(format_settings_date(d)), d);
    EXPECT_EQ(parse_settings_date("03/05/2024"), QDate(2024, 3, 5));
    EXPECT_EQ(parse_settings_date(" 2/29/2024\r\n"), QDate(2024, 2, 29));
    const char *invalid[] = {"", "  ", "2/30/2024", "2/29/2023", "13/1/2024", "0/1/2024",
                             "1/0/2024", "3-15-2024", "3/15", "3/15/2024/1", "a/b/c",
                             "3/15/20245", "-3/15/2024", "3/ 15/2024", "3/15/0", "//"};
    for (const char *text : invalid)
        EXPECT_EQ(parse_settings_date(text), std::nullopt) << text;
    // On screen a workstation may choose its locale's forms; the fixed ones stay as they are.
    struct Screen { QLocale locale; const char *date, *time, *month; };
    const Screen screens[] = {
        {QLocale::c(), "Mar-15", "05:00 PM", "March"},
        {QLocale(QLocale::German, QLocale::Germany), "15.03.24", "17:00", "März"},
    };
    for (const Screen &c : screens) {
        set_screen_locale(c.locale);
        EXPECT_EQ(QStringList({screen_list_date({2024, 3, 15}), screen_time_of_day(1020), screen_month_name(3),
                               format_list_date({2024, 3, 15}), format_time_of_day(1020)}),
                  QStringList({QString::fromUtf8(c.date), QString::fromUtf8(c.time), QString::fromUtf8(c.month), "Mar-15",
                               "05:00 PM"}));
    }
    set_screen_locale(QLocale::c());
}

TEST(ModelTimeInput, ParsesTypedTimesOfDayAndNothingElse)
{
    // Beside every form the program shows (read back below): other forms a user types.
    struct Case { const char *text; qint32 minutes; };
    const Case cases[] = {
        {"17:45", 1065},   {"0:05", 5},      {"00:00", 0},      {"23:59", 1439},    {"8:30am", 510},
        {"8 am", 480},     {"12 PM", 720},   {"8:30:15 pm", 1230}, {"  9:05 Am  ", 545},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parse_time_of_day(c.text), c.minutes) << c.text;
    const char *refused[] = {
        "", "   ", "25:00", "24:00", "13:00 pm", "0:30 am", "8:60", "8:5", "17", "8",
        "noon", "am", "8:30 xm", "8:30 a", "8:30 amx", "8:30 a m", "8:30:60", "8:30:5 pm",
        "-8:30", "8.30", "123:00", "8:30 pm 9:00", "\xd9\xa1:\xd9\xa3\xd9\xa0",  // Arabic-Indic digits
    };
    for (const char *text : refused)
        EXPECT_EQ(parse_time_of_day(QString::fromUtf8(text)), std::nullopt) << text;
    // Every time the program shows reads back as itself.
    for (qint32 m = 0; m < 1440; ++m) {
        EXPECT_EQ(parse_time_of_day(format_time_of_day(m)), m);
        EXPECT_EQ(parse_time_of_day(format_editor_time(m)), m);
    }
}

TEST(ModelTimeInput, DurationRunsForwardUpToOneDayAndNamesTheInvalidBoxStartFirst)
{
    using S = DurationResult::Status;
    struct Case { const char *start, *end; S status; qint32 minutes; const char *text; };
    const Case cases[] = {
        {"10:00 PM", "6:00 AM", S::Valid, 480, "8hrs 0min"},  // over midnight
        {"9:00 AM", "9:00 AM", S::Valid, 1440, "24hrs 0min"},
        {"8:00 am", "4:30 pm", S::Valid, 510, "8hrs 30min"},
        {"8:00:59 am", "8:01:00 am", S::Valid, 1, "0hrs 1min"},  // seconds ignored
        {"11:59 PM", "12:00 AM", S::Valid, 1, "0hrs 1min"},
        {"00:00", "23:59", S::Valid, 1439, "23hrs 59min"},
        {"", "6:00 AM", S::InvalidStart, 0, "Enter start time"},
        {"", "", S::InvalidStart, 0, "Enter start time"},
        {"10:00 PM", "", S::InvalidEnd, 0, "Enter end time"},
        {"10:00 PM", "13:00 pm", S::InvalidEnd, 0, "Enter end time"},
    };
    for (const Case &c : cases) {
        const DurationResult result = calc_duration(c.start, c.end);
        EXPECT_EQ(std::tuple(result.status, result.valid(), result.minutes, result.text),
                  std::tuple(c.status, c.status == S::Valid, c.minutes, QString::fromUtf8(c.text)))
            << c.start << " " << c.end;
    }
}
