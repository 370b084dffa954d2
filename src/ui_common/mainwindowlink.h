#pragma once

#include <QDate>

namespace dayvane {

// What the other windows ask of the main window. The main window installs
// itself in app_state().main_link; the windows it opens call back through
// here instead of reaching into it.
class MainWindowLink
{
public:
    virtual ~MainWindowLink() = default;

    // Loads the year of `date` of the calendar named by app_state()
    // (calendar_id, calendar_name, calendar_revision), selects the date and
    // draws every view. True when the year was loaded.
    virtual bool show_calendar_year(QDate date) = 0;
    // Reloads the loaded year and redraws every view, keeping the selected
    // date and the event filter: after a change of the calendar's days.
    virtual void reload_and_redraw() = 0;
    virtual void clear_calendar_data(int scope) = 0;
    // The date selected in the month view.
    virtual QDate selected_date() const = 0;
    // Writes the calendar caption ("2026 / Head Office") again.
    virtual void refresh_calendar_caption() = 0;
};

} // namespace dayvane
