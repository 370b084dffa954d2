#pragma once

#include "calendaryear/calendaryear.h"

#include <QColor>
#include <QDate>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

class QCalendarWidget;
class QListWidget;
class QTableWidget;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace dayvane {

class MonthPicker;

// The widgets of the main window that the views fill. The labels are found
// by object name under `window`; the week labels by their names "work_week"
// and "pay_week" and their "index" property 1..6.
struct ViewWidgets
{
    QWidget *window = nullptr;
    QCalendarWidget *calendar = nullptr;
    QTreeWidget *month_tree = nullptr;  // one node, key "month"
    QListWidget *month_list = nullptr;  // the twelve month names, hidden pop-up
    QToolButton *previous_month = nullptr;
    QToolButton *next_month = nullptr;
    QTableWidget *event_grid = nullptr;
};

// The main window's memory of the loaded calendar year and everything drawn
// from it: the month view with week totals and event marks, the day detail,
// the month and year summaries and the event-dates list. It also answers the
// user's moves inside the month control, the month picker and the list.
//
// Works on app_state() (calendar id, revision, shown span, current date,
// loaded flag, event filter) and on the widgets it is given, which must
// outlive it. Only load_calendar_data() and edit_calendar() touch the
// database; every view reads memory alone.
class CalendarViews : public QObject
{
    Q_OBJECT

public:
    explicit CalendarViews(const ViewWidgets &widgets, QObject *parent = nullptr);

    // The loaded year; an empty CalendarYear (no slots) when none is loaded.
    const CalendarYear &calendar_year() const { return m_year; }

    // Resets memory and views: 1 also forgets the open calendar, 2 empties the
    // loaded year (and does 3 to 5), 3 the month view (and 4), 4 the day
    // detail, 5 the event-dates list.
    void clear(int scope);

    // Loads the year of the control's selected date for app_state().calendar_id
    // and limits the control to that year. Needs a connected database and a
    // calendar id. A refused read access closes the calendar (scope 1); a
    // database failure closes it too and is reported with the step it
    // reached. True when the year is in memory; the caller sets
    // calendar_loaded from it.
    bool load_calendar_data();
    // Loads and, when that worked, draws year, month, day and the event list
    // with `filter`; sets calendar_loaded. A window that changed the days of
    // the open calendar passes app_state().event_filter.
    bool reload(int filter);
    // The command "reload_calendar": reload(0), every event date listed.
    void reload_calendar() { reload(0); }
    // Hands the selected day to the editor when the database is connected, a
    // calendar is loaded, its revision is current and the day has a stored
    // record (app_state().selected_day_id). The checks tell the user why not.
    void edit_calendar();
    // What edit_calendar() opens; by default nothing.
    void set_editor_opener(std::function<void()> open) { m_open_editor = std::move(open); }

    // Selects `date` in the control, first widening its range and then
    // limiting it to the year of `date`, ready for a load of that year.
    void select_date_for_load(QDate date);

    void show_year();
    // Month name, and with a calendar loaded its week totals, event marks and
    // month summary, for the control's month. Resets the day detail.
    void show_month();
    // The detail of `date`, which becomes the selected date (the month view
    // is not redrawn); an invalid date keeps the control's selection.
    void show_day(QDate date = QDate());
    // Fills the event-dates list with the days of the loaded year that
    // `filter` (0..4) selects, in date order, at least 49 rows below the
    // header; remembers the filter in app_state().event_filter.
    void show_calendar_event_dates(int filter);
    // Selects the date of the list's selected row and shows it; does nothing
    // on an empty row.
    void move_to_event_date();

private:
    void connect_widgets();
    void reset_event_grid();
    void fill_event_row(int row, qsizetype index, const DayEntry &day);
    void on_selection_changed();
    void move_to_month_of(QDate date);
    void limit_to_year(int year);
    void set_label(const QString &name, const QString &text) const;

    ViewWidgets m_w;
    MonthPicker *m_picker = nullptr;  // child
    CalendarYear m_year;
    std::array<WeekRow, 6> m_weeks{};
    std::function<void()> m_open_editor;
};

// The highlight of the event grid's selected row, the month list's and the
// month node's background: a green dark enough for light text (5.2:1).
inline const QColor kEventRowColour = QColor(52, 120, 95);
inline const QColor kEventRowTextColour = QColor(Qt::white);

} // namespace dayvane
