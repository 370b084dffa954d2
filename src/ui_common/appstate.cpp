#include "ui_common/appstate.h"

#include "ui_common/interaction.h"

#include <QCoreApplication>

namespace dayvane {

namespace {
std::function<bool()> g_system_password_check;
}

AppState &app_state()
{
    static AppState state;
    return state;
}

void set_system_password_check(std::function<bool()> check)
{
    g_system_password_check = std::move(check);
}

bool check_operation_allowed(bool require_connection, bool require_system_password)
{
    if (require_connection || require_system_password) {
        if (!app_state().database) {
            inform(app_state().main_window,
                   message_lines({QCoreApplication::translate("dayvane", "The application is not connected to a database."),
                                  QCoreApplication::translate("dayvane", "Please click on <System> / <Set database location>,"),
                                  QCoreApplication::translate("dayvane", "select the database and then repeat this operation.")}));
            return false;
        }
    }
    if (require_system_password && g_system_password_check)
        return g_system_password_check();
    return true;
}

} // namespace dayvane
