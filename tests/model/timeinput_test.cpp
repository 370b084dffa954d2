#include "model/timeinput.h"

#include "model/textforms.h"
#include "printers.h"

#include <gtest/gtest.h>

using namespace dayvane;

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
        EXPECT_EQ(result.status, c.status) << c.start << " " << c.end;
        EXPECT_EQ(result.valid(), c.status == S::Valid) << c.start << " " << c.end;
        EXPECT_EQ(result.minutes, c.minutes) << c.start << " " << c.end;
        EXPECT_EQ(result.text, c.text) << c.start << " " << c.end;
    }
}
