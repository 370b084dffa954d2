#pragma once

#include "editor/daterange.h"
#include "editor/dayeditor.h"
#include "ui_common/modalwindow.h"

#include <QDate>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTreeWidget;

namespace dayvane {

class DateField;
class TimeEntryFrame;

// The window "calendar_edit" ("Edit calendar"). It opens on the day
// app_state().selected_day_id and on the run of identical days after it,
// shows the day's periods in a grid of 12 rows ("grid", visible columns
// start, end, duration and work; hidden ones start, end and duration in
// minutes, "9999" as start of an empty row), and saves the day, its periods
// and its comment, to every date of the range start_date..end_date whose
// weekday box is ticked.
//
// Keyboard: Enter or a double click on the grid opens the time-entry frame
// on the current row, Enter in the frame accepts the period, Delete on the
// grid removes it; Escape hides an open frame, else closes the window
// without saving. Tab walks menu, grid, frame, comment, dates and weekdays;
// the grid has the focus when the window opens.
class CalendarEditWindow : public ModalWindow
{
    Q_OBJECT

public:
    // Loads the day at once; a window whose load failed stays empty and
    // saves nothing. `reload_main_window` runs after a successful save.
    CalendarEditWindow(QWidget *parent, std::function<void()> reload_main_window);

    void process_menu();
    void edit_calendar();
    // Takes the period typed into the frame; true when it was taken (or
    // emptied the row) and the frame is hidden. A refused period is told
    // and keeps the frame open.
    bool apply_time_input();
    void clear_row();
    void clear_day();
    // Takes a period still open in the frame first (a refused one stops the
    // save with its message), asks "Override calendar?", then passes the connection, revision and
    // access checks and writes the range in one transaction together with
    // the revision increment; on success reloads the main window and closes.
    void save_calendar();

    // Shows, above the day, that another workstation changed the calendar
    // since it was loaded: the save will be refused. Nothing else changes;
    // the save still checks the revision itself.
    void tell_calendar_changed();

    bool saved() const { return m_saved; }
    const DayEditor &day() const { return m_day; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Escape, the window's close button and "Close window" all end here:
    // changes not saved are discarded only when the user says so.
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *build_grid();
    QWidget *build_day_panel();
    QWidget *build_range_panel();
    void set_tab_order();

    void load();
    void show_loaded_day();
    void show_rows();
    void show_day_labels();
    void set_day_start_label(const QString &text);
    void make_current(int row, bool scroll_to_top);
    void highlight();
    void place_frame(int row);
    void frame_left(QWidget *left, bool to_grid);
    // The day, comment, range and weekdays as one text, to tell whether the
    // user changed anything since the load.
    QString edited_state() const;

    void choose_date(int index);
    void date_edited(int index);
    // Moves a date outside the calendar year into it, telling the user;
    // true when it did. The end date is checked only while both are valid.
    bool correct_year(int index, const QString &title);
    void enable_disable_weekday_check_boxes();
    void get_date_range_total();
    Weekdays ticked_weekdays() const;
    int calendar_year() const;

    std::function<void()> m_reload;
    DayEditor m_day;
    QDate m_first_date;
    qint32 m_name_link = 0;
    bool m_loaded = false;
    bool m_loading = true;
    bool m_saved = false;
    int m_editor_row = 0;
    QString m_loaded_state;

    QTreeWidget *m_tree = nullptr;
    QTableWidget *m_grid = nullptr;
    TimeEntryFrame *m_frame = nullptr;
    std::array<DateField *, 2> m_dates{};
    std::array<QCheckBox *, 7> m_weekdays{};
    QLineEdit *m_comment = nullptr;
    QLabel *m_changed = nullptr;  // hidden until tell_calendar_changed()
    QLabel *m_day_start = nullptr;
    QLabel *m_day_end = nullptr;
    QLabel *m_work_time = nullptr;
    QLabel *m_total_time = nullptr;
    QLabel *m_work_time_range = nullptr;
    QLabel *m_total_time_range = nullptr;
};

// Opens the editor modally over `parent` on app_state().selected_day_id.
// After a successful save it sets app_state().calendar_revision to the new
// revision and runs `reload_main_window`, which reloads the calendar year
// and redraws the main window's views, before the editor closes. True when
// the day was saved.
bool open_calendar_editor(QWidget *parent, std::function<void()> reload_main_window);

} // namespace dayvane
