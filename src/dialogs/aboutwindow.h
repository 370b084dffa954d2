#pragma once

#include "ui_common/modalwindow.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace dayvane {

// The window "about": product name, version ("Version 1.0.1"), a title, a
// description and a disclaimer; "cmdOK" and Escape close it, "cmdSysInfo"
// starts the desktop's system-information program.
class AboutWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // Starts the first system-information program found; when there is none,
    // or it cannot be started, tells the user so.
    void start_sys_info();
};

// "Version " and the program's major, minor and revision numbers.
QString version_text();

// The system-information programs looked for, best first.
QStringList system_information_programs();

// The full path of the first of system_information_programs() found in
// `search_paths` (the PATH when empty); nullopt when none is installed.
std::optional<QString> find_system_information_program(const QStringList &search_paths = {});

// Shows the About window modally over `parent` (the main window's "about").
void open_about_window(QWidget *parent);

} // namespace dayvane
