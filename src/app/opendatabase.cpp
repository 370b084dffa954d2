#include "app/opendatabase.h"

#include "app/databaseserverwindow.h"
#include "store/connection.h"
#include "store/dberror.h"
#include "store/serversecurity.h"
#include "ui_common/appstate.h"
#include "ui_common/errorreport.h"
#include "ui_common/interaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace dayvane {

namespace {

void tell_how_to_select_later(QWidget *parent)
{
    inform(parent, message_lines({QCoreApplication::translate("dayvane", "To select the database location at a later time, click on"),
                                  QCoreApplication::translate("dayvane", "<Set database location> listed under the <System> menu item.")}));
}

QString refusal_message(OpenStep step, const QString &detail)
{
    switch (step) {
    case OpenStep::UnknownDrive:
        return message_lines({QStringLiteral("Error:"),
                              QCoreApplication::translate("dayvane", "The database storage device is not recognized by the application."),
                              QCoreApplication::translate("dayvane", "Please install the database on your local drive for single user access"),
                              QCoreApplication::translate("dayvane", "or on a network drive for multi-user access.")});
    case OpenStep::PathTooShort:
        return message_lines({QCoreApplication::translate("dayvane", "Please select the ''QZDB.mdb'' database."),
                              QCoreApplication::translate("dayvane", "The database path must be 11 characters minimum"),
                              QCoreApplication::translate("dayvane", "e.g. ''C:\\QZDB.mdb''")});
    case OpenStep::WrongFileName:
        return QCoreApplication::translate("dayvane", "Please select the database named ''QZDB.mdb''.");
    case OpenStep::SchemaTooNew:
    case OpenStep::WriteProtected:
    case OpenStep::UpgradeFailed:
        return detail;
    case OpenStep::Busy:
        return QCoreApplication::translate("dayvane", "The calendar database is busy: another workstation is saving. Try again in a moment.");
    case OpenStep::Unreadable:
        return QCoreApplication::translate("dayvane", "The calendar database cannot be read: ") + detail;
    case OpenStep::ServerUnreachable:
        return message_lines({QCoreApplication::translate("dayvane", "The database server does not answer:"), detail,
                              QCoreApplication::translate("dayvane", "The address is kept: try again with <Set database server> once the"),
                              QCoreApplication::translate("dayvane", "server can be reached.")});
    case OpenStep::AuthenticationFailed:
        return message_lines({QCoreApplication::translate("dayvane", "The database server refused the user name or password:"), detail});
    case OpenStep::DatabaseMissing:
        return message_lines({QCoreApplication::translate("dayvane", "The database server has no such database:"), detail});
    case OpenStep::RoleMissing:
        return message_lines({QCoreApplication::translate("dayvane", "The database server has no such user:"), detail});
    case OpenStep::TooManyConnections:
        return message_lines({QCoreApplication::translate("dayvane", "The database server takes no more connections at the moment:"), detail,
                              QCoreApplication::translate("dayvane", "Try again later, or ask the server's administrator.")});
    case OpenStep::BadAddress:
        return message_lines({QCoreApplication::translate("dayvane", "The database server address cannot be read:"), detail});
    case OpenStep::TlsRefused:
        return message_lines({QCoreApplication::translate("dayvane", "The secure connection that the address asks for failed:"), detail,
                              QCoreApplication::translate("dayvane", "See its sslmode setting.")});
    case OpenStep::PasswordNeeded:
    case OpenStep::OpensWithFirstKey:
    case OpenStep::NotValid:
    case OpenStep::Opened:
        break;
    }
    return message_lines({QCoreApplication::translate("dayvane", "The selected database does not appear to be a valid"),
                          QCoreApplication::translate("dayvane", "Corvantelle database.")});
}

// Offers a new, empty calendar database to a user who picked no existing
// one, as `dayvane-db create` makes it, in a folder the user chooses. The
// file is always named QZDB.mdb, the only name the program opens. No system
// password is set, as with the tool: the user sets one later in the System
// password window, as for any database without one. The new file's path, or
// nullopt when declined or refused (the user has been told why).
std::optional<QString> create_new_database(QWidget *parent, const QString &folder)
{
    const bool create = interaction().ask_yes_no(
        parent, kMessageTitle,
        message_lines({QCoreApplication::translate("dayvane", "Do you want to create a new, empty calendar database?"),
                       QCoreApplication::translate("dayvane", "It is saved as QZDB.mdb in the folder you choose.")}),
        MessageIcon::Question, false);
    if (!create)
        return std::nullopt;
    const std::optional<QString> chosen = interaction().choose_save_file(
        parent, QCoreApplication::translate("dayvane", "Create Corvantelle database"),
        QStringLiteral("QZDB.mdb (QZDB.mdb)"), QDir(folder).filePath(kDatabaseFileName));
    if (!chosen)
        return std::nullopt;
    const QString path = QFileInfo(*chosen).absoluteDir().filePath(kDatabaseFileName);
    // Nothing is made where the program would refuse to open it.
    if (const OpenStep step = check_database_path(path); step != OpenStep::Opened) {
        inform(parent, refusal_message(step, QString()));
        return std::nullopt;
    }
    // The save dialog may have agreed to replace a file: an existing database
    // is never overwritten, whatever the dialog said.
    if (QFileInfo::exists(path)) {
        inform(parent, message_lines({QCoreApplication::translate("dayvane", "The folder already holds a database:"), path,
                                      QCoreApplication::translate("dayvane", "It is left as it is; choose another folder.")}));
        return std::nullopt;
    }
    try {
        create_calendar_database_at(path);
    } catch (const DbError &error) {
        inform(parent, message_lines({QCoreApplication::translate("dayvane", "The calendar database cannot be created:"),
                                      error.description()}));
        return std::nullopt;
    }
    inform(parent, message_lines({QCoreApplication::translate("dayvane", "Created an empty calendar database:"), path,
                                  QCoreApplication::translate("dayvane", "No system password is set: set one with "
                                                                         "<Enter system password> under <System>.")}));
    return path;
}

// True when the refusal says the path names no calendar database, so that
// the user is asked for another; a database that is busy, out of reach,
// newer or not yet upgraded is the right one and is tried again next time.
bool forgets_path(OpenStep step)
{
    switch (step) {
    case OpenStep::UnknownDrive:
    case OpenStep::PathTooShort:
    case OpenStep::WrongFileName:
    case OpenStep::OpensWithFirstKey:
    case OpenStep::NotValid:
    case OpenStep::DatabaseMissing:
    case OpenStep::RoleMissing:
    case OpenStep::BadAddress:
        return true;
    default:
        return false;
    }
}

// Connects to the server at the stored address, asking for its password
// when the server wants one.
bool open_server(QWidget *parent)
{
    AppState &state = app_state();
    OpenResult result = open_calendar_database_at(state.db_path, state.server_password);
    while (result.step == OpenStep::PasswordNeeded) {
        DatabaseServerWindow window(parent);
        if (!window.choose(state.db_path, true)) {
            tell_how_to_select_later(parent);
            return false;
        }
        result = open_calendar_database_at(state.db_path, state.server_password);
    }
    if (result.step != OpenStep::Opened) {
        inform(parent, refusal_message(result.step, result.detail));
        if (result.step == OpenStep::AuthenticationFailed)
            state.server_password.clear();
        if (forgets_path(result.step))
            state.db_path.clear();
        return false;
    }
    state.database = std::move(result.database);
    // Told, not refused: an administrator may work as the owner on purpose.
    try {
        if (const QString warning = privileged_connection_warning(*state.database); !warning.isEmpty())
            inform(parent, warning);
    } catch (const DbError &error) {
        report_error(error);
    }
    return true;
}

} // namespace

bool open_database(QWidget *parent, bool reselect)
{
    AppState &state = app_state();
    state.database.reset();
    // A user proven against one file means nothing in another: ids start
    // at 1 in every database.
    state.current_user_id = 0;
    state.current_user_name.clear();

    if (state.db_path.isEmpty() || reselect) {
        bool select_now = false;
        if (!reselect) {
            select_now = interaction().ask_yes_no(
                parent, kMessageTitle,
                message_lines({QCoreApplication::translate("dayvane", "The application requires the location of the Corvantelle database (QZDB.mdb)."),
                               QCoreApplication::translate("dayvane", "Do you want to select the database location now?")}),
                MessageIcon::Information);
        }
        const QString folder = state.db_path.isEmpty() ? QString() : QFileInfo(state.db_path).absolutePath();
        std::optional<QString> chosen;
        if (reselect || select_now)
            chosen = interaction().choose_open_file(parent, QStringLiteral("Select Corvantelle database"),
                                                    QStringLiteral("QZDB.mdb (QZDB.mdb)"), folder);
        // No existing database picked: perhaps there is none yet.
        if (!chosen)
            chosen = create_new_database(parent, folder.isEmpty() ? QDir::homePath() : folder);
        if (!chosen) {
            tell_how_to_select_later(parent);
            return false;
        }
        state.db_path = *chosen;
    }

    if (is_calendar_server(state.db_path))
        return open_server(parent);
    OpenResult result = open_calendar_database(state.db_path);
    if (result.step != OpenStep::Opened) {
        inform(parent, refusal_message(result.step, result.detail));
        if (forgets_path(result.step))
            state.db_path.clear();
        return false;
    }
    state.database = std::move(result.database);
    return true;
}

bool choose_database_server(QWidget *parent)
{
    AppState &state = app_state();
    DatabaseServerWindow window(parent);
    if (!window.choose(state.db_path, false))
        return state.database.has_value();
    return open_database(parent, false);
}

} // namespace dayvane
