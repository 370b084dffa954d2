#include "users/userpasswordinputwindow.h"

#include "ui_common/geometry.h"
#include "ui_common/inputfilter.h"
#include "ui_common/menutree.h"
#include "users/security.h"
#include "users/userlistwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dayvane {

UserPasswordInputWindow::UserPasswordInputWindow(UserListWindow *list)
    : ModalWindow(QStringLiteral("user_password_input"), list)
    , m_list(list)
{
    setWindowTitle(tr("User password"));
    auto *layout = new QVBoxLayout(this);
    m_tree = make_menu_tree({MenuNode{QStringLiteral("close"), tr("Close window"), QString(), false, kCloseNodeColour},
                             MenuNode{QStringLiteral("accept_password"), tr("Accept password"), QString()}},
                            MenuStyle::Flat, [this] { process_menu(); });
    layout->addWidget(m_tree);

    auto *row = new QHBoxLayout;
    auto *caption = new QLabel(tr("Password"));
    caption->setObjectName(QStringLiteral("lbl"));
    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(255);
    watch_input(m_password, InputFilter::Restricted);
    connect(m_password, &QLineEdit::returnPressed, this, &UserPasswordInputWindow::accept_password);
    caption->setBuddy(m_password);
    row->addWidget(caption);
    row->addWidget(m_password, 1);
    layout->addLayout(row);
    m_password->setFocus();
}

void UserPasswordInputWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    if (key == QLatin1String("close"))
        close();
    else if (key == QLatin1String("accept_password"))
        accept_password();
}

void UserPasswordInputWindow::accept_password()
{
    const qint32 user_id = m_list->selected_row_user();
    if (user_id >= 1)
        verify_user_password(user_id, m_password->text());
    close();
}

} // namespace dayvane
