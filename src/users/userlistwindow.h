#pragma once

#include "ui_common/modalwindow.h"

class QTableWidget;
class QTreeWidget;

namespace dayvane {

// The window "user_list": lists the users and runs the user commands. Other
// windows open it to choose a calendar owner (Select) or to let the user
// identify before a protected calendar is touched (PasswordRequest).
class UserListWindow : public ModalWindow
{
    Q_OBJECT

public:
    enum class Mode { Plain, Select, PasswordRequest };

    explicit UserListWindow(Mode mode, QWidget *parent = nullptr);

    void load_list(qint32 select_user_id);
    void process_menu();
    void edit_user();
    void delete_user();
    void select_user();
    void change_user_password();

    // The user of the selected row; 0 for an empty row.
    qint32 selected_row_user() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void add_user();
    void enter_user_password();

    Mode m_mode;
    QTreeWidget *m_tree = nullptr;
    QTableWidget *m_grid = nullptr;
};

void open_user_list(QWidget *parent);
// Select mode: returns the chosen user's id (also in
// app_state().selected_user_id), 0 when none was chosen.
qint32 choose_user(QWidget *parent);
// Password-request mode: the user selects themselves and proves a password.
void request_user_password(QWidget *parent);

} // namespace dayvane
