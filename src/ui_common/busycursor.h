#pragma once

namespace dayvane {

// Shows the busy pointer for its lifetime; restored on every way out.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace dayvane
