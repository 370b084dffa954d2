#pragma once

#include "ui_common/modalwindow.h"

class QLineEdit;
class QTreeWidget;

namespace dayvane {

class UserListWindow;

// The window "user_record": adds a user or edits one. Saving reloads the
// user list it was opened from, selecting the saved user.
class UserRecordWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit UserRecordWindow(UserListWindow *list);

    // Reads user `user_id` (0: a new user) at `revision` and shows the
    // window modally; a missing or changed user is reported instead.
    void load_window(qint32 user_id, qint32 revision);
    void process_menu();
    void add_user();
    void save_user();

private:
    UserListWindow *m_list;
    qint32 m_user_id = 0;
    qint32 m_revision = 0;
    QLineEdit *m_employee_id = nullptr;
    QLineEdit *m_first_name = nullptr;
    QLineEdit *m_last_name = nullptr;
    QLineEdit *m_password = nullptr;
    bool m_password_kept = false;  // the stored password stays unless one is typed
    QTreeWidget *m_tree = nullptr;
};

} // namespace dayvane
