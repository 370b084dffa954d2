#pragma once

#include "calendars/calendarstore.h"
#include "store/revisions.h"
#include "ui_common/modalwindow.h"

#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;
class QTreeWidget;

namespace dayvane {

// The window "calendar_list": every calendar with its years. Opens a year in
// the main window; creates, renames, extends and shortens calendars; sets
// owners and read restriction. Names, years and new years are typed into
// small editors laid over the grid.
class CalendarListWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit CalendarListWindow(QWidget *parent = nullptr);

    // Fills the list and selects the first row of calendar `calendar_id`
    // (of `year`, when not 0).
    void load_calendar_name_list(qint32 calendar_id, int year);
    void process_menu();
    void open_calendar();
    void show_owner();

    void new_calendar_name();
    void save_new_calendar_name();
    void rename_calendar();
    void save_renamed_calendar();
    void add_calendar_year();
    void save_new_calendar_year();
    void delete_calendar_year();

    void set_ownership();
    void remove_ownership();
    void add_restrict_read_access();
    void remove_restrict_read_access();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The entry of the current row; nullptr on a row without a calendar.
    const CalendarListEntry *current_entry() const;
    void place_over_row(QWidget *editor, int row, int offset);
    void hide_editors();
    void new_name_focus_left(QLineEdit *box, QWidget *now);
    std::optional<YearRange> read_range(qint32 calendar_id);
    void after_change(qint32 calendar_id, const QString &message);

    std::vector<CalendarListEntry> m_entries;
    YearRange m_range_seen;
    QTreeWidget *m_tree = nullptr;
    QTableWidget *m_grid = nullptr;
    QLabel *m_owner = nullptr;
    QLineEdit *m_rename = nullptr;
    QFrame *m_new_name_frame = nullptr;
    QLineEdit *m_new_name = nullptr;
    QLineEdit *m_new_name_year = nullptr;
    QListWidget *m_new_year_list = nullptr;
};

// Opens the calendar list modally over the main window.
void open_calendar_list(QWidget *parent);

} // namespace dayvane
