#include "users/userrecordwindow.h"

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
#include "users/userlistwindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dayvane {

namespace {

const QString kSource = QStringLiteral("user_record");

[[noreturn]] void raise_program_error(const char *description)
{
    throw DbError(DbError::ProgramError, QString::fromLatin1(description), kSource);
}

QLineEdit *text_box(const char *name, InputFilter filter)
{
    auto *box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(255);
    watch_input(box, filter);
    return box;
}

RecordSet open_user(qint32 user_id)
{
    return RecordSet::open(*app_state().database,
                           QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q017.* FROM Q017;").arg(user_id));
}

} // namespace

UserRecordWindow::UserRecordWindow(UserListWindow *list)
    : ModalWindow(QStringLiteral("user_record"), list)
    , m_list(list)
{
    auto *layout = new QVBoxLayout(this);
    m_tree = make_menu_tree({MenuNode{QStringLiteral("close"), tr("Close window"), QString(), false, kCloseNodeColour},
                             MenuNode{QStringLiteral("add_user"), tr("Add user record"), QString()},
                             MenuNode{QStringLiteral("save_user"), tr("Save user record"), QString()}},
                            MenuStyle::Flat, [this] { process_menu(); });
    layout->addWidget(m_tree);

    auto *form = new QFormLayout;
    m_employee_id = text_box("employee_id", InputFilter::Restricted);
    m_first_name = text_box("first_name", InputFilter::Restricted);
    m_last_name = text_box("last_name", InputFilter::Restricted);
    m_password = text_box("password", InputFilter::LettersDigitsOnly);
    // Masked always: the list opens the record only past the system
    // password gate, and only then may the password be shown on request.
    m_password->setEchoMode(QLineEdit::Password);
    auto *show = new QCheckBox(tr("Show"));
    show->setObjectName(QStringLiteral("show_password"));
    connect(show, &QCheckBox::toggled, this, [this](bool shown) {
        m_password->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    });
    auto *password_row = new QHBoxLayout;
    password_row->addWidget(m_password, 1);
    password_row->addWidget(show);
    form->addRow(tr("Employee ID"), m_employee_id);
    form->addRow(tr("First name"), m_first_name);
    form->addRow(tr("Last name"), m_last_name);
    form->addRow(tr("Password"), password_row);
    // The caption of a row of two names the box, as it does the others.
    if (auto *caption = qobject_cast<QLabel *>(form->labelForField(password_row)))
        caption->setBuddy(m_password);
    show->setAccessibleDescription(tr("Shows the password as it is typed"));
    layout->addLayout(form);
}

void UserRecordWindow::load_window(qint32 user_id, qint32 revision)
{
    m_user_id = user_id;
    m_revision = revision;
    m_password_kept = false;
    QString values[4];
    if (user_id != 0) {
        setWindowTitle(tr("Edit user record"));
        try {
            set_step_number(1);
            RecordSet user = open_user(user_id);
            set_step_number(2);
            if (user.record_count() == 0)
                raise_program_error(QT_TRANSLATE_NOOP("dayvane", "DB record not found."));
            set_step_number(3);
            if (user.field(QStringLiteral("revision")).toInt() != revision)
                raise_program_error(QT_TRANSLATE_NOOP("dayvane", "DB record out of date."));
            set_step_number(4);
            values[0] = user.field(QStringLiteral("EmployeeID")).toString();
            values[1] = user.field(QStringLiteral("FirstName")).toString();
            values[2] = user.field(QStringLiteral("LastName")).toString();
            values[3] = unscramble_password(user.field(QStringLiteral("password")));
            // A server never gives a password out: the box starts empty and
            // the stored one stays unless a new one is typed.
            m_password_kept = server_holds_proofs(*app_state().database);
        } catch (const DbError &error) {
            report_error(error);
            return;
        }
    } else {
        setWindowTitle(tr("Add new user"));
    }
    // Values read from the database pass unfiltered: the filter guards typing.
    QLineEdit *boxes[4] = {m_employee_id, m_first_name, m_last_name, m_password};
    for (int i = 0; i < 4; ++i)
        set_unfiltered_text(boxes[i], values[i]);
    m_employee_id->setFocus();
    show_modal();
}

void UserRecordWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    if (key == QLatin1String("close"))
        close();
    else if (key == QLatin1String("add_user"))
        add_user();
    else if (key == QLatin1String("save_user"))
        save_user();
}

void UserRecordWindow::add_user()
{
    m_user_id = 0;
    m_password_kept = false;
    for (QLineEdit *box : {m_employee_id, m_first_name, m_last_name, m_password})
        box->clear();
    m_employee_id->setFocus();
}

void UserRecordWindow::save_user()
{
    if (m_employee_id->text().trimmed().isEmpty() || m_last_name->text().trimmed().isEmpty()) {
        inform(this, tr("The employee id and last name cannot be blank."));
        return;
    }
    const QString password = m_password->text();
    if (!password.trimmed().isEmpty() && password.trimmed().size() < 6) {
        inform(this, tr("The user password must be at least 6 characters."));
        return;
    }
    const std::optional<QByteArray> scrambled = scramble_password(password);
    if (!scrambled) {
        inform(this, password_not_storable_message());
        return;
    }
    if (!check_operation_allowed(true, true))
        return;
    try {
        Transaction transaction(*app_state().database);
        set_step_number(1);
        RecordSet user = open_user(m_user_id);
        set_step_number(2);
        if (m_user_id != 0) {
            if (user.record_count() == 0)
                raise_program_error(QT_TRANSLATE_NOOP("dayvane", "DB record not found."));
            const qint32 stored = user.field(QStringLiteral("revision")).toInt();
            if (stored != m_revision)
                raise_program_error(QT_TRANSLATE_NOOP("dayvane", "DB record out of date"));
            set_step_number(3);
            user.edit();
            user.set_field(QStringLiteral("revision"), stored + 1);
        } else {
            set_step_number(3);
            user.add_new();
            user.set_field(QStringLiteral("revision"), 1);
        }
        set_step_number(4);
        user.set_field(QStringLiteral("EmployeeID"), m_employee_id->text());
        user.set_field(QStringLiteral("FirstName"), m_first_name->text());
        user.set_field(QStringLiteral("LastName"), m_last_name->text());
        if (!m_password_kept || m_password->isModified())
            user.set_field(QStringLiteral("password"), *scrambled);
        set_step_number(5);
        user.update();
        if (m_user_id == 0) {
            user.move_last();
        }
        const QString name = (m_first_name->text() + u' ' + m_last_name->text()).trimmed();
        record_change(*app_state().database, 0,
                      (m_user_id == 0 ? QStringLiteral("User added: ") : QStringLiteral("User changed: ")) + name);
        if (m_user_id == 0)
            m_user_id = user.field(QStringLiteral("id")).toInt();
        transaction.commit();
    } catch (const DbError &error) {
        report_error(error);
        return;
    }
    m_list->load_list(m_user_id);
    accept();
}

} // namespace dayvane
