#pragma once

#include "ui_common/modalwindow.h"

class QLineEdit;
class QTreeWidget;

namespace dayvane {

// The window "database_server": the address of a calendar database on a
// database server, and its password when the server asks for one. The
// password is kept for this run only; it never reaches QZ.ini.
class DatabaseServerWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit DatabaseServerWindow(QWidget *parent);

    // Shows the window with `address` filled in (the password box focused
    // when `ask_password`); true when the user connected, false when they
    // closed it. The address and password are in app_state() then.
    bool choose(const QString &address, bool ask_password);
    void process_menu();
    void accept_address();

private:
    QTreeWidget *m_tree = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_password = nullptr;
};

} // namespace dayvane
