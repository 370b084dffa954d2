#include "store/stepnumber.h"

namespace dayvane {

namespace {
thread_local int g_step = 0;
}

void set_step_number(int step)
{
    g_step = step;
}

int step_number()
{
    return g_step;
}

} // namespace dayvane
