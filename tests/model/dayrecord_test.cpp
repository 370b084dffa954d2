#include "model/dayrecord.h"

#include <gtest/gtest.h>

using namespace dayvane;

TEST(ModelDayRecord, ClassifiesByWorkedThenPaidMinutes)
{
    struct Case { qint32 minutes1, minutes2; DayClass expected; };
    const Case cases[] = {
        {1, 0, DayClass::Work},           {480, 480, DayClass::Work},
        {0, 1, DayClass::PaidNoWork},     {-5, 60, DayClass::PaidNoWork},
        {0, 0, DayClass::NoWorkNoPay},    {0, -1, DayClass::NoWorkNoPay},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(classify_day(c.minutes1, c.minutes2), c.expected) << c.minutes1 << "/" << c.minutes2;
        DayRecord day;
        day.minutes1 = c.minutes1;
        day.minutes2 = c.minutes2;
        EXPECT_EQ(classify_day(day), c.expected) << c.minutes1 << "/" << c.minutes2;
    }
}
