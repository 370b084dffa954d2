#pragma once

#include "ui_common/modalwindow.h"

class QLineEdit;
class QTreeWidget;

namespace dayvane {

class UserListWindow;

// The window "user_password_input": the user selected in the user list
// proves their password and becomes the current user.
class UserPasswordInputWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit UserPasswordInputWindow(UserListWindow *list);

    void process_menu();
    // Verifies the password of the list's selected user, then closes
    // whatever the outcome.
    void accept_password();

private:
    UserListWindow *m_list;
    QLineEdit *m_password = nullptr;
    QTreeWidget *m_tree = nullptr;
};

} // namespace dayvane
