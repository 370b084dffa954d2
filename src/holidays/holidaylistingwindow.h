#pragma once

#include "holidays/holidayapply.h"
#include "holidays/holidayexchange.h"
#include "holidays/holidaylist.h"
#include "holidays/holidayreply.h"
#include "ui_common/modalwindow.h"

#include <atomic>
#include <optional>
#include <vector>

class QLabel;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace dayvane {

// The window "holiday_listing" (caption "Holiday list"): fetches the
// holiday lists of the maker's web server when it loads, shows the
// countries and their years in its command tree and a chosen year's
// holidays in its grid, lets the user mark holidays with one of three
// treatments (pictures in columns 0 to 2, keys N, P and C), and applies the
// marked holidays to the calendar year open in the main window. An
// organisation's own iCalendar file (its closing days) is listed and marked
// the same way, with or without the server.
//
// Grid: one row a holiday of the chosen year, at least 24 rows; the row
// data is the holiday's position in the fetched list + 1, 0 on the empty
// rows that fill the grid, which are never marked. Columns: three picture
// columns, "Date" (mmm-dd), "Holiday", and a hidden column 5 holding the
// row's treatment "0" to "3". At most one holiday a date is marked.
//
// The filter box "txt_filter" above the tree (Ctrl+F) keeps the countries
// whose name holds the typed text; Down or Enter in it moves to the first
// one shown (Enter also opens it), Escape empties it, and in an empty box
// closes the window as elsewhere. The tree starts wide enough for the longest
// name, up to a limit; a splitter shares the width between the lists and the
// holidays, never narrowing the legend under the grid.
class HolidayListingWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit HolidayListingWindow(QWidget *parent = nullptr, HolidayExchangeSettings settings = {});

    // The window's load: fetches the lists (showing progress in the main
    // window's status label, restored afterwards) and builds the tree. On
    // failure the user has been told and the tree holds only "close" and
    // "apply".
    void load();

    // Runs the selected node: "close", "apply", "ics_file", or a year node
    // "Y...".
    void process_menu();
    // Asks for an iCalendar file and lists its events of the calendar's
    // year as one more list, shown at once; a file that cannot be read, or
    // has no event that year, is told and lists nothing.
    void open_icalendar_file();
    // Marks or unmarks the holiday in `row` with the treatment of picture
    // column `column` (0 to 2); other columns and empty rows do nothing.
    void process_selection(int row, int column);
    // Writes the marked holidays into the open calendar year and closes the
    // window; refuses with a message, or after a failed check, and stays.
    void apply();

    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setup_grid();
    void filter_lists();
    void enter_tree(bool open);
    bool filter_key(const QKeyEvent *press);
    void fit_tree_to_names();
    void show_year(QTreeWidgetItem *node);
    void list_holidays(qint32 country_id, qint32 year_list_id);
    Treatment treatment(int row) const;
    void set_treatment(int row, Treatment treatment);
    bool any_selected() const;
    int row_with_same_date(int row) const;
    void recount();
    std::vector<HolidayChoice> selected_holidays() const;
    void show_status(const QString &text);
    // Reads the file on a worker thread while the window shows "Reading"
    // with a Cancel; nullopt with an empty `error` when the user cancelled.
    std::optional<HolidayList> read_in_background(const QString &path, int year, QString *error);

    HolidayExchangeSettings m_settings;
    HolidayTables m_tables;
    qint32 m_country_id = 0;
    qint32 m_year_list_id = 0;
    int m_year = 0;

    QLineEdit *m_filter = nullptr;
    QSplitter *m_splitter = nullptr;
    QTreeWidget *m_tree = nullptr;
    QTableWidget *m_grid = nullptr;
    QLabel *m_selection = nullptr;
    QLabel *m_totals[3] = {};
    QWidget *m_reading = nullptr;
    QLabel *m_reading_text = nullptr;
    QPushButton *m_cancel_reading = nullptr;
    std::atomic<bool> *m_cancel = nullptr;  // while a file is read
};

// Opens the holiday list modally over the main window. The main window's
// "holiday_listing" command calls this.
void open_holiday_listing(QWidget *parent);
// The same with other limits for the exchange (tests shorten the time-outs).
void open_holiday_listing(QWidget *parent, const HolidayExchangeSettings &settings);

} // namespace dayvane
