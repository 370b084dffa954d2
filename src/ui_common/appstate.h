#pragma once

#include "store/database.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace dayvane {

class MainWindowLink;

// The state every window shares for the run: which calendar is open, the one
// database connection, the system password entered. One instance, touched
// only on the user-interface thread.
struct AppState
{
    // The open calendar.
    qint32 calendar_id = 0;  // 0: none
    QString calendar_name;
    qint32 calendar_revision = 0;  // as read when it was loaded
    QDate first_shown_date;        // first day of January's month grid
    QDate last_shown_date;         // last day of December's month grid
    QDate current_date;            // the date selected in the month view
    bool calendar_loaded = false;
    qint32 selected_day_id = 0;  // the day handed to the editor
    qint32 event_filter = 0;     // 0..4, of the event-dates list last shown

    // The database.
    QString db_path;
    bool db_connected = false;
    std::optional<Database> database;  // the one connection, when open
    QByteArray server_password;        // a database server's, for this run only: never saved

    // Security.
    QString entered_system_password;  // as typed; "" when none this run
    qint32 current_user_id = 0;       // the user who proved a password; 0: none
    QString current_user_name;
    qint32 selected_user_id = 0;      // the user last chosen in the user list's select mode

    // News notification.
    QString news_version;         // the last news page the user opened
    QString latest_news_version;  // the newest one known this run

    // The main window, parent and placement reference of every other window,
    // and what the other windows may ask of it.
    QWidget *main_window = nullptr;
    MainWindowLink *main_link = nullptr;
};

AppState &app_state();

// The gate in front of every database operation. With require_connection it
// checks that a database is open and otherwise tells the user how to set
// one; with require_system_password it also asks for the system password
// where one is defined. True when the operation may go on.
bool check_operation_allowed(bool require_connection, bool require_system_password = false);

// The system password check, supplied by the security windows. Until one is
// installed no operation is guarded by a system password.
void set_system_password_check(std::function<bool()> check);

} // namespace dayvane
