#pragma once

#include "ui_common/modalwindow.h"

#include <QDate>

class QCalendarWidget;
class QTreeWidget;

namespace dayvane {

// The date the selector opens on and, after the user confirmed a choice,
// the date chosen. One value for the run: the caller sets it, opens the
// selector and reads it back. Closing without a choice leaves it unchanged.
QDate &selector_date();

// The window "date_selector": picks one date of the year of selector_date()
// from a month calendar ("calendar"); earlier and later years cannot be
// selected. "Select date", a double click or Enter on a date confirms;
// "Close window" or Escape closes without change.
class DateSelectorWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit DateSelectorWindow(QWidget *owner = nullptr);

    void process_menu();
    // Stores the calendar's selected date in selector_date() and closes.
    void confirm_date();

private:
    QTreeWidget *m_tree = nullptr;
    QCalendarWidget *m_calendar = nullptr;
};

// Shows the selector modally over `owner` on selector_date(). True when the
// user confirmed a date, which selector_date() then holds.
bool show_date_selector(QWidget *owner);

} // namespace dayvane
