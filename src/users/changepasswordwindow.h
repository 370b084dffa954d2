#pragma once

#include "ui_common/modalwindow.h"

class QLineEdit;
class QTreeWidget;

namespace dayvane {

class UserListWindow;

// The window "change_password": a user replaces their password, proving the
// current one first.
class ChangePasswordWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit ChangePasswordWindow(UserListWindow *list);

    // Keeps the user and the revision the list read, and shows the window.
    void load_window(qint32 user_id, qint32 revision);
    void process_menu();
    void save_password();

private:
    UserListWindow *m_list;
    qint32 m_user_id = 0;
    qint32 m_revision = 0;
    QLineEdit *m_passwords[3] = {};
    QTreeWidget *m_tree = nullptr;
};

} // namespace dayvane
