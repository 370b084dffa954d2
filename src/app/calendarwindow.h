#pragma once

#include "ui_common/mainwindowlink.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <map>

class QCalendarWidget;
class QLabel;
class QListWidget;
class QTableView;
class QTableWidget;
class QToolButton;
class QTreeWidget;

namespace dayvane {

class CalendarViews;
class CalendarWatch;

// The main window "calendar": the command tree, the month view with its week
// totals, the month and year summary, the selected day and the event-dates
// list. The program's only top-level window; every other window opens
// modally over it.
class CalendarWindow : public QMainWindow, public MainWindowLink
{
    Q_OBJECT

public:
    explicit CalendarWindow(QWidget *parent = nullptr);
    ~CalendarWindow() override;

    // The start-up sequence: settings file, placement, the window shown, the
    // database connected and the last calendar reopened.
    void start();

    // Runs the command of the selected menu node.
    void process_menu();
    // Runs the command with this key, as a click on its node would.
    void run_command(const QString &key);
    // Plugs in the command of a node whose window lives elsewhere; `guarded`
    // commands first need a connected database.
    void set_command(const QString &key, std::function<void()> command, bool guarded = false);

    // Resets the calendar memory and views; scope 1 also forgets the open
    // calendar, 2 empties the loaded year, 3 the month view, 4 the day
    // detail, 5 the event-dates list (each scope also does those after it,
    // 1 and 2 all of them, 3 also 4).
    void clear_calendar_data(int scope) override;
    // The loaded year and the views drawn from it. A window that changed the
    // open calendar's days reloads and redraws through it.
    CalendarViews &views() { return *m_views; }
    // What "Make changes to calendar" and a double click on a date open for
    // the selected day (app_state().selected_day_id); by default nothing.
    void set_editor_opener(std::function<void()> open);
    // Saves the window's state to the settings file (pulled into the work
    // area first); failures are ignored.
    // The reports of the loaded calendar: the selected month, and the year as
    // part 1 (the twelve grids), part 2 (the event list) or 0 (both).
    void print_calendar_1_month(bool preview);
    void print_calendar_12_month(int part, bool preview);
    // Asks for a file and writes the loaded year into it; refused as the
    // reports are, and a file that cannot be written is reported. An
    // iCalendar export gives the database its id on first need.
    enum class ExportFormat { ICalendar, Csv, CsvSemicolon };
    void export_calendar(ExportFormat format);

    void write_ini();
    // Asks before closing an open connection, then closes the calendar;
    // false when the user keeps the connection.
    bool may_close_connection();
    void set_db();
    void set_db_server();
    void clear_system_password();

    // How often the open calendar's revision is read from a file, in
    // milliseconds (3000 unless set); 0 leaves other workstations' changes
    // unnoticed until the next reload, on a server too. A change found
    // reloads the views at once, keeping the selected date; while the
    // editor is open, it is told instead, and the reload follows it.
    void set_watch_interval(int milliseconds);

    // Learns the newest news version; a version differing from the one last
    // read starts the blinking news notification.
    void set_latest_news_version(const QString &version);
    // Asks the web server for the newest news version, in the background.
    void check_news_version();

    // What the windows opened from here ask of the main window.
    bool show_calendar_year(QDate date) override;
    void reload_and_redraw() override;
    QDate selected_date() const override;
    void refresh_calendar_caption() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build_widgets();
    QWidget *build_month_view();
    void build_command_tree();
    // Opens `heading` in the command tree and selects its first command.
    void choose_under(const QString &heading);
    void build_commands();
    QWidget *build_month_header();
    void apply_settings();
    void open_news();
    void news_tick();
    void set_news_nodes_plain();
    void set_month_node_text(int month);
    void place_week_labels();

    QTreeWidget *m_menu_tree = nullptr;
    QTreeWidget *m_month_tree = nullptr;
    QListWidget *m_month_list = nullptr;
    QToolButton *m_previous_month = nullptr;
    QToolButton *m_next_month = nullptr;
    QCalendarWidget *m_calendar = nullptr;
    QTableView *m_calendar_view = nullptr;  // the month grid inside m_calendar
    QWidget *m_weeks = nullptr;
    QTableWidget *m_event_grid = nullptr;
    QLabel *m_status = nullptr;
    CalendarViews *m_views = nullptr;  // child QObject, deleted before the widgets
    CalendarWatch *m_watch = nullptr;  // child
    QTimer m_news_timer;
    bool m_news_bold_next = true;
    // The news node blinks once a second for five seconds at most.
    static constexpr int kNewsBlinkTicks = 5;
    int m_news_ticks = 0;
    std::map<QString, std::function<void()>> m_commands;
};

} // namespace dayvane
