#pragma once

#include "ui_common/modalwindow.h"

class QFrame;
class QLineEdit;
class QTreeWidget;

namespace dayvane {

// The window "system_password": enters the system password for the run,
// changes it, or defines the first one. Frame 0 takes the current password,
// frame 1 a new one and its confirmation.
class SystemPasswordWindow : public ModalWindow
{
    Q_OBJECT

public:
    explicit SystemPasswordWindow(QWidget *parent = nullptr);

    void process_menu(int tree);
    void accept_password();
    void change_password();
    void create_system_password();
    void save_password();

private:
    void load();
    void show_frame(int index);

    QFrame *m_frames[2] = {};
    QLineEdit *m_passwords[3] = {};
    QTreeWidget *m_trees[2] = {};
};

// Shows the window modally over `parent`.
void open_system_password_window(QWidget *parent);

} // namespace dayvane
