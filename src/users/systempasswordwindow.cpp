#include "users/systempasswordwindow.h"

#include "store/dberror.h"
#include "store/history.h"
#include "store/recordset.h"
#include "store/serversecurity.h"
#include "store/stepnumber.h"
#include "store/transaction.h"
#include "ui_common/appstate.h"
#include "ui_common/errorreport.h"
#include "ui_common/geometry.h"
#include "ui_common/inputfilter.h"
#include "ui_common/interaction.h"
#include "ui_common/menutree.h"
#include "users/passwords.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dayvane {

namespace {

QLineEdit *password_box(int index)
{
    auto *box = new QLineEdit;
    box->setObjectName(QStringLiteral("password"));
    box->setProperty("index", index);
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(255);
    watch_input(box, InputFilter::LettersDigitsOnly);
    return box;
}

// Whether `typed` is the stored system password; nullopt after reporting a
// failure to read it.
std::optional<bool> system_password_matches(const QString &typed)
{
    const std::optional<QByteArray> scrambled = scramble_password(typed);
    if (!scrambled)
        return false;
    try {
        set_step_number(1);
        RecordSet match = RecordSet::open(*app_state().database,
                                          QStringLiteral("PARAMETERS [Password] Text ( 255 ); SELECT Q011a.* FROM Q011a;"),
                                          {{QStringLiteral("Password"), *scrambled}});
        set_step_number(2);
        // A server that proved it keeps the proof for this session.
        note_system_password_proof(*app_state().database, *scrambled, match.record_count() > 0);
        return match.record_count() > 0;
    } catch (const DbError &error) {
        report_error(error);
        return std::nullopt;
    }
}

} // namespace

SystemPasswordWindow::SystemPasswordWindow(QWidget *parent)
    : ModalWindow(QStringLiteral("system_password"), parent)
{
    setWindowTitle(tr("System password"));
    auto *layout = new QVBoxLayout(this);
    const QStringList captions[2] = {{tr("Password")},
                                     {tr("New password"), tr("Confirm password")}};
    const std::vector<MenuNode> nodes[2] = {
        {MenuNode{QStringLiteral("close"), tr("Close"), QString(), false, kCloseNodeColour},
         MenuNode{QStringLiteral("accept_password"), tr("Accept password"), QString()},
         MenuNode{QStringLiteral("change_password"), tr("Change password"), QString()}},
        {MenuNode{QStringLiteral("close"), tr("Close"), QString(), false, kCloseNodeColour},
         MenuNode{QStringLiteral("save_password"), tr("Save password"), QString()}},
    };
    int box = 0;
    for (int index = 0; index < 2; ++index) {
        m_frames[index] = new QFrame;
        m_frames[index]->setObjectName(QStringLiteral("frame"));
        m_frames[index]->setProperty("index", index);
        auto *grid = new QGridLayout(m_frames[index]);
        for (int row = 0; row < captions[index].size(); ++row) {
            auto *caption = new QLabel(captions[index].at(row));
            if (index == 0)
                caption->setObjectName(QStringLiteral("lbl"));
            grid->addWidget(caption, row, 0);
            m_passwords[box] = password_box(box);
            caption->setBuddy(m_passwords[box]);
            grid->addWidget(m_passwords[box++], row, 1);
        }
        m_trees[index] = make_menu_tree(nodes[index], MenuStyle::Flat, [this, index] { process_menu(index); });
        m_trees[index]->setProperty("index", index);
        grid->addWidget(m_trees[index], int(captions[index].size()), 0, 1, 2);
        layout->addWidget(m_frames[index]);
    }
    connect(m_passwords[0], &QLineEdit::returnPressed, this, &SystemPasswordWindow::accept_password);
    load();
}

void SystemPasswordWindow::load()
{
    show_frame(0);
    try {
        set_step_number(1);
        const int count = RecordSet::open(*app_state().database, QStringLiteral("SELECT Q011.*FROM Q011;")).record_count();
        if (count == 0)
            create_system_password();
    } catch (const DbError &error) {
        report_error(error);
    }
}

void SystemPasswordWindow::show_frame(int index)
{
    m_frames[0]->setVisible(index == 0);
    m_frames[1]->setVisible(index == 1);
    m_passwords[index == 0 ? 0 : 1]->setFocus();
}

void SystemPasswordWindow::process_menu(int tree)
{
    const QString key = selected_menu_key(m_trees[tree]);
    if (key == QLatin1String("close"))
        close();
    else if (key == QLatin1String("accept_password"))
        accept_password();
    else if (key == QLatin1String("change_password"))
        change_password();
    else if (key == QLatin1String("save_password"))
        save_password();
}

void SystemPasswordWindow::create_system_password()
{
    show_frame(1);
}

void SystemPasswordWindow::accept_password()
{
    const QString typed = m_passwords[0]->text();
    if (typed.trimmed().size() < 6) {
        inform(this, tr("Please supply your password."));
        return;
    }
    if (!check_operation_allowed(true))
        return;
    const std::optional<bool> matches = system_password_matches(typed);
    if (!matches)
        return;
    if (*matches) {
        app_state().entered_system_password = typed;
        inform(this, message_lines({tr("The system password will remain active until the application "),
                                    tr("is closed or the password is cleared.")}));
        accept();
        return;
    }
    app_state().entered_system_password.clear();
    inform(this, tr("Incorrect system password."));
    m_passwords[0]->setFocus();
}

void SystemPasswordWindow::change_password()
{
    if (m_passwords[0]->text().trimmed().isEmpty()) {
        inform(this, tr("Please enter the current system password."));
        return;
    }
    if (!check_operation_allowed(true))
        return;
    const std::optional<bool> matches = system_password_matches(m_passwords[0]->text());
    if (!matches)
        return;
    if (*matches) {
        show_frame(1);
        return;
    }
    inform(this, tr("Incorrect system password."));
    m_passwords[0]->setFocus();
}

void SystemPasswordWindow::save_password()
{
    const QString typed = m_passwords[1]->text();
    if (typed.trimmed().size() < 6) {
        inform(this, tr("The password must be at least 6 characters long."));
        return;
    }
    if (typed != m_passwords[2]->text()) {
        inform(this, tr("The confirmation password does not match the new password."));
        return;
    }
    const std::optional<QByteArray> scrambled = scramble_password(typed);
    if (!scrambled) {
        inform(this, password_not_storable_message());
        return;
    }
    if (!check_operation_allowed(true))
        return;
    try {
        Database &db = *app_state().database;
        Transaction transaction(db);
        set_step_number(1);
        if (server_holds_proofs(db)) {
            set_system_password_on_server(db, *scrambled);
        } else {
            RecordSet variables = RecordSet::open(db, QStringLiteral("SELECT Q011.* FROM Q011;"));
            set_step_number(2);
            if (variables.record_count() > 0) {
                variables.edit();
            } else {
                variables.add_new();
                variables.set_field(QStringLiteral("Variable"), QStringLiteral("System password"));
            }
            set_step_number(3);
            variables.set_field(QStringLiteral("Value"), *scrambled);
            variables.update();
        }
        record_change(db, 0, QStringLiteral("System password changed"));
        transaction.commit();
    } catch (const DbError &error) {
        report_error(error);
        return;
    }
    app_state().entered_system_password = typed;
    inform(this, tr("The new password has been activated."));
    accept();
}

void open_system_password_window(QWidget *parent)
{
    SystemPasswordWindow window(parent);
    window.show_modal();
}

} // namespace dayvane
