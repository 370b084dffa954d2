#pragma once

#include <QCursor>

#include <vector>

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

// Lifts every busy pointer for its lifetime and puts them back afterwards:
// a window that waits for the user shows the normal pointer, however deep
// in busy work it was opened.
class NormalPointer
{
public:
    NormalPointer();
    ~NormalPointer();
    NormalPointer(const NormalPointer &) = delete;
    NormalPointer &operator=(const NormalPointer &) = delete;

private:
    std::vector<QCursor> m_lifted;  // innermost first
};

} // namespace dayvane
