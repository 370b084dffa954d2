#include "app/mainmenu.h"

namespace dayvane {

std::vector<MenuNode> main_menu_nodes()
{
    const auto heading = [](const char *key, const char *text, const char *parent = "") {
        return MenuNode{QString::fromLatin1(key), QString::fromLatin1(text), QString::fromLatin1(parent), true};
    };
    const auto command = [](const char *key, const char *text, const char *parent) {
        return MenuNode{QString::fromLatin1(key), QString::fromLatin1(text), QString::fromLatin1(parent), false};
    };
    return {
        MenuNode{QStringLiteral("close"), QStringLiteral("Close application"), QString(), false, kCloseNodeColour},
        heading("system", "System"),
        heading("system_password", "System password", "system"),
        command("enter_system_password", "Enter system password", "system_password"),
        command("clear_system_password", "Clear system password", "system_password"),
        command("users", "User list", "system"),
        command("set_db", "Set database location", "system"),
        command("set_db_server", "Set database server", "system"),
        heading("calendar_menu", "Calendar menu"),
        command("open_calendar_list", "Open calendar list", "calendar_menu"),
        command("edit_calendar", "Make changes to calendar", "calendar_menu"),
        command("holiday_listing", "Open holiday list", "calendar_menu"),
        command("change_history", "Change history", "calendar_menu"),
        command("undo_my_last_change", "Undo my last change", "calendar_menu"),
        command("reload_calendar", "Reload calendar", "calendar_menu"),
        heading("calendar_event_dates", "Event dates", "calendar_menu"),
        command("move_to_event_date", "Move to event date", "calendar_event_dates"),
        command("show_all_calendar_event_dates", "List all", "calendar_event_dates"),
        command("show_typical_event_calendar_dates", "Typical workdays", "calendar_event_dates"),
        command("show_altered_work_calendar_dates", "Altered workdays", "calendar_event_dates"),
        command("show_pay_only_calendar_dates", "Paid / no work", "calendar_event_dates"),
        command("show_no_work_no_pay_calendar_dates", "No work / no pay", "calendar_event_dates"),
        heading("print_calendar", "Print calendar", "calendar_menu"),
        command("print_calendar_1_month", "Selected month", "print_calendar"),
        heading("print_calendar_12_month", "12 month layout", "print_calendar"),
        command("print_calendar_12_month_part_1_2", "Calendar & Event list", "print_calendar_12_month"),
        command("print_calendar_12_month_part_1", "Calendar", "print_calendar_12_month"),
        command("print_calendar_12_month_part_2", "Event list", "print_calendar_12_month"),
        heading("preview_calendar", "Preview", "print_calendar"),
        command("preview_calendar_1_month", "Selected month", "preview_calendar"),
        command("preview_calendar_12_month_part_1", "Calendar (12 months)", "preview_calendar"),
        command("preview_calendar_12_month_part_2", "Event list", "preview_calendar"),
        heading("export", "Export", "calendar_menu"),
        command("export_ics", "iCalendar file (.ics)", "export"),
        command("export_csv", "CSV file (.csv)", "export"),
        command("export_csv_semicolon", "CSV file for spreadsheets using ; (.csv)", "export"),
        heading("customer_service", "Customer service"),
        heading("help", "Help", "customer_service"),
        command("on_line_help", "On-line help", "help"),
        command("about", "About Dayvane", "help"),
        command("news", "Message from Corvantelle", "customer_service"),
        command("contact_corvantelle", "Contact Corvantelle", "customer_service"),
        command("website", "Go to Corvantelle website", "customer_service"),
    };
}

std::vector<std::pair<QString, QKeySequence>> main_menu_shortcuts()
{
    return {
        {QStringLiteral("edit_calendar"), QKeySequence(Qt::CTRL | Qt::Key_E)},
        {QStringLiteral("change_history"), QKeySequence(Qt::CTRL | Qt::Key_H)},
        {QStringLiteral("undo_my_last_change"), QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {QStringLiteral("reload_calendar"), QKeySequence(Qt::Key_F5)},
        {QStringLiteral("print_calendar"), QKeySequence(Qt::CTRL | Qt::Key_P)},
    };
}

QStringList main_menu_expanded_headings()
{
    return {QStringLiteral("system"), QStringLiteral("system_password"), QStringLiteral("calendar_menu"),
            QStringLiteral("calendar_event_dates"), QStringLiteral("print_calendar")};
}

} // namespace dayvane
