#include "app/mainmenu.h"

#include <QCoreApplication>

namespace dayvane {

std::vector<MenuNode> main_menu_nodes()
{
    const auto heading = [](const char *key, const char *text, const char *parent = "") {
        return MenuNode{QString::fromLatin1(key), QCoreApplication::translate("dayvane", text), QString::fromLatin1(parent), true};
    };
    const auto command = [](const char *key, const char *text, const char *parent) {
        return MenuNode{QString::fromLatin1(key), QCoreApplication::translate("dayvane", text), QString::fromLatin1(parent), false};
    };
    return {
        MenuNode{QStringLiteral("close"), QCoreApplication::translate("dayvane", "Close application"), QString(), false, kCloseNodeColour},
        heading("system", QT_TRANSLATE_NOOP("dayvane", "System")),
        heading("system_password", QT_TRANSLATE_NOOP("dayvane", "System password"), "system"),
        command("enter_system_password", QT_TRANSLATE_NOOP("dayvane", "Enter system password"), "system_password"),
        command("clear_system_password", QT_TRANSLATE_NOOP("dayvane", "Clear system password"), "system_password"),
        command("users", QT_TRANSLATE_NOOP("dayvane", "User list"), "system"),
        command("set_db", QT_TRANSLATE_NOOP("dayvane", "Set database location"), "system"),
        command("set_db_server", QT_TRANSLATE_NOOP("dayvane", "Set database server"), "system"),
        command("workstation_settings", QT_TRANSLATE_NOOP("dayvane", "Workstation settings"), "system"),
        heading("calendar_menu", QT_TRANSLATE_NOOP("dayvane", "Calendar menu")),
        command("open_calendar_list", QT_TRANSLATE_NOOP("dayvane", "Open calendar list"), "calendar_menu"),
        command("edit_calendar", QT_TRANSLATE_NOOP("dayvane", "Make changes to calendar"), "calendar_menu"),
        command("holiday_listing", QT_TRANSLATE_NOOP("dayvane", "Open holiday list"), "calendar_menu"),
        command("change_history", QT_TRANSLATE_NOOP("dayvane", "Change history"), "calendar_menu"),
        command("undo_my_last_change", QT_TRANSLATE_NOOP("dayvane", "Undo my last change"), "calendar_menu"),
        command("reload_calendar", QT_TRANSLATE_NOOP("dayvane", "Reload calendar"), "calendar_menu"),
        heading("calendar_event_dates", QT_TRANSLATE_NOOP("dayvane", "Event dates"), "calendar_menu"),
        command("move_to_event_date", QT_TRANSLATE_NOOP("dayvane", "Move to event date"), "calendar_event_dates"),
        command("show_all_calendar_event_dates", QT_TRANSLATE_NOOP("dayvane", "List all"), "calendar_event_dates"),
        command("show_typical_event_calendar_dates", QT_TRANSLATE_NOOP("dayvane", "Typical workdays"), "calendar_event_dates"),
        command("show_altered_work_calendar_dates", QT_TRANSLATE_NOOP("dayvane", "Altered workdays"), "calendar_event_dates"),
        command("show_pay_only_calendar_dates", QT_TRANSLATE_NOOP("dayvane", "Paid / no work"), "calendar_event_dates"),
        command("show_no_work_no_pay_calendar_dates", QT_TRANSLATE_NOOP("dayvane", "No work / no pay"), "calendar_event_dates"),
        heading("print_calendar", QT_TRANSLATE_NOOP("dayvane", "Print calendar"), "calendar_menu"),
        command("print_calendar_1_month", QT_TRANSLATE_NOOP("dayvane", "Selected month"), "print_calendar"),
        heading("print_calendar_12_month", QT_TRANSLATE_NOOP("dayvane", "12 month layout"), "print_calendar"),
        command("print_calendar_12_month_part_1_2", QT_TRANSLATE_NOOP("dayvane", "Calendar & Event list"), "print_calendar_12_month"),
        command("print_calendar_12_month_part_1", QT_TRANSLATE_NOOP("dayvane", "Calendar"), "print_calendar_12_month"),
        command("print_calendar_12_month_part_2", QT_TRANSLATE_NOOP("dayvane", "Event list"), "print_calendar_12_month"),
        heading("preview_calendar", QT_TRANSLATE_NOOP("dayvane", "Preview"), "print_calendar"),
        command("preview_calendar_1_month", QT_TRANSLATE_NOOP("dayvane", "Selected month"), "preview_calendar"),
        command("preview_calendar_12_month_part_1", QT_TRANSLATE_NOOP("dayvane", "Calendar (12 months)"), "preview_calendar"),
        command("preview_calendar_12_month_part_2", QT_TRANSLATE_NOOP("dayvane", "Event list"), "preview_calendar"),
        heading("export", QT_TRANSLATE_NOOP("dayvane", "Export"), "calendar_menu"),
        command("export_ics", QT_TRANSLATE_NOOP("dayvane", "iCalendar file (.ics)"), "export"),
        command("export_csv", QT_TRANSLATE_NOOP("dayvane", "CSV file (.csv)"), "export"),
        command("export_csv_semicolon", QT_TRANSLATE_NOOP("dayvane", "CSV file for spreadsheets using ; (.csv)"), "export"),
        heading("customer_service", QT_TRANSLATE_NOOP("dayvane", "Customer service")),
        heading("help", QT_TRANSLATE_NOOP("dayvane", "Help"), "customer_service"),
        command("on_line_help", QT_TRANSLATE_NOOP("dayvane", "On-line help"), "help"),
        command("about", QT_TRANSLATE_NOOP("dayvane", "About Dayvane"), "help"),
        command("news", QT_TRANSLATE_NOOP("dayvane", "Message from Corvantelle"), "customer_service"),
        command("contact_corvantelle", QT_TRANSLATE_NOOP("dayvane", "Contact Corvantelle"), "customer_service"),
        command("website", QT_TRANSLATE_NOOP("dayvane", "Go to Corvantelle website"), "customer_service"),
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
