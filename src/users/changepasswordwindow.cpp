#include "users/changepasswordwindow.h"

#include "store/dberror.h"
#include "store/history.h"
#include "store/recordset.h"
#include "store/stepnumber.h"
#include "store/transaction.h"
#include "ui_common/appstate.h"
#include "ui_common/errorreport.h"
#include "ui_common/geometry.h"
#include "ui_common/inputfilter.h"
#include "ui_common/interaction.h"
#include "ui_common/menutree.h"
#include "users/passwords.h"
#include "users/security.h"
#include "users/userlistwindow.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dayvane {

namespace {

[[noreturn]] void raise_program_error(const char *description)
{
    throw DbError(DbError::ProgramError, QString::fromLatin1(description), QStringLiteral("change_password"));
}

} // namespace

ChangePasswordWindow::ChangePasswordWindow(UserListWindow *list)
    : ModalWindow(QStringLiteral("change_password"), list)
    , m_list(list)
{
    setWindowTitle(tr("Change password"));
    auto *layout = new QVBoxLayout(this);
    m_tree = make_menu_tree({MenuNode{QStringLiteral("close"), tr("Close window"), QString(), false, kCloseNodeColour},
                             MenuNode{QStringLiteral("save_password"), tr("Save password"), QString()}},
                            MenuStyle::Flat, [this] { process_menu(); });
    layout->addWidget(m_tree);

    auto *form = new QFormLayout;
    const char *captions[] = {QT_TRANSLATE_NOOP("dayvane", "Current password"), QT_TRANSLATE_NOOP("dayvane", "New password"), QT_TRANSLATE_NOOP("dayvane", "Confirm new password")};
    for (int index = 0; index < 3; ++index) {
        m_passwords[index] = new QLineEdit;
        m_passwords[index]->setObjectName(QStringLiteral("password"));
        m_passwords[index]->setProperty("index", index);
        m_passwords[index]->setEchoMode(QLineEdit::Password);
        m_passwords[index]->setMaxLength(255);
        watch_input(m_passwords[index], InputFilter::LettersDigitsOnly);
        form->addRow(QCoreApplication::translate("dayvane", captions[index]), m_passwords[index]);
    }
    layout->addLayout(form);
}

void ChangePasswordWindow::load_window(qint32 user_id, qint32 revision)
{
    m_user_id = user_id;
    m_revision = revision;
    m_passwords[0]->setFocus();
    show_modal();
}

void ChangePasswordWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    if (key == QLatin1String("close"))
        close();
    else if (key == QLatin1String("save_password"))
        save_password();
}

void ChangePasswordWindow::save_password()
{
    const QString current = m_passwords[0]->text();
    const QString replacement = m_passwords[1]->text();
    if (current.trimmed().isEmpty() || replacement.trimmed().isEmpty()) {
        inform(this, tr("Please enter your current and new password."));
        return;
    }
    if (replacement.trimmed().size() < 6) {
        inform(this, tr("The new password must be at least 6 characters."));
        return;
    }
    if (replacement != m_passwords[2]->text()) {
        inform(this, tr("The new password does not match the confirmation password."));
        return;
    }
    const std::optional<QByteArray> scrambled = scramble_password(replacement);
    if (!scrambled) {
        inform(this, password_not_storable_message());
        return;
    }
    if (!check_operation_allowed(true))
        return;
    verify_user_password(m_user_id, current);
    AppState &state = app_state();
    if (state.current_user_id == 0)
        return;
    try {
        Transaction transaction(*state.database);
        set_step_number(1);
        RecordSet user = RecordSet::open(
            *state.database, QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q017.* FROM Q017;").arg(state.current_user_id));
        set_step_number(2);
        if (user.record_count() == 0)
            raise_program_error(QT_TRANSLATE_NOOP("dayvane", "DB record not found."));
        set_step_number(3);
        const qint32 stored = user.field(QStringLiteral("revision")).toInt();
        if (stored != m_revision)
            raise_program_error(QT_TRANSLATE_NOOP("dayvane", "DB record out of date."));
        set_step_number(4);
        user.edit();
        user.set_field(QStringLiteral("password"), *scrambled);
        user.set_field(QStringLiteral("revision"), stored + 1);
        user.update();
        record_change(*state.database, 0, QStringLiteral("Password changed: ") + state.current_user_name);
        transaction.commit();
    } catch (const DbError &error) {
        report_error(error);
        return;
    }
    m_list->load_list(state.current_user_id);
    inform(this, tr("The password was changed successfully."));
    accept();
}

} // namespace dayvane
