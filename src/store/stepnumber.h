#pragma once

namespace dayvane {

// The step the running database operation has reached. Each operation sets
// it to 1 before its first step and counts up before each further one; the
// error report shows it as the failure's location. One value for each
// thread: the program's operations run on the user-interface thread.
void set_step_number(int step);
int step_number();

} // namespace dayvane
