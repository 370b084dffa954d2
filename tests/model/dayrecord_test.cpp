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
    for (const Case &c : cases)
        EXPECT_EQ(classify_day(c.minutes1, c.minutes2), c.expected) << c.minutes1 << "/" << c.minutes2;
}

TEST(ModelDayRecord, ClassifiesARecordByItsMinuteFields)
{
    DayRecord day;
    EXPECT_EQ(classify_day(day), DayClass::NoWorkNoPay);
    day.minutes2 = 60;
    EXPECT_EQ(classify_day(day), DayClass::PaidNoWork);
    day.minutes1 = 30;
    EXPECT_EQ(classify_day(day), DayClass::Work);
}
