#include "users/userlistwindow.h"

#include "store/dberror.h"
#include "store/history.h"
#include "store/recordset.h"
#include "store/stepnumber.h"
#include "store/transaction.h"
#include "ui_common/appstate.h"
#include "ui_common/errorreport.h"
#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/interaction.h"
#include "ui_common/menutree.h"
#include "users/changepasswordwindow.h"
#include "users/passwords.h"
#include "users/userpasswordinputwindow.h"
#include "users/userrecordwindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>

namespace dayvane {

namespace {

const QString kSource = QStringLiteral("user_list");
constexpr int kMinimumRows = 22;
constexpr int kPasswordColumn = 3;
constexpr int kRevisionColumn = 4;

[[noreturn]] void raise_program_error(const char *description)
{
    throw DbError(DbError::ProgramError, QString::fromLatin1(description), kSource);
}

// The user record behind a grid row, checked against the revision the row
// was read at.
RecordSet open_checked_user(qint32 user_id, qint32 revision, const char *out_of_date)
{
    set_step_number(1);
    RecordSet user = RecordSet::open(*app_state().database,
                                     QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q017.* FROM Q017;").arg(user_id));
    set_step_number(2);
    if (user.record_count() == 0)
        raise_program_error(QT_TRANSLATE_NOOP("dayvane", "DB record not found."));
    set_step_number(3);
    if (user.field(QStringLiteral("revision")).toInt() != revision)
        raise_program_error(out_of_date);
    return user;
}

// The number of calendars the user owns; a failure throws, so that nothing
// is deleted on a count that was never made.
int get_owner_count(qint32 user_id)
{
    set_step_number(1);
    RecordSet count = RecordSet::open(*app_state().database,
                                      QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q014.* FROM Q014;").arg(user_id));
    set_step_number(2);
    if (count.record_count() == 0 || count.is_null(QStringLiteral("OwnerCount")))
        return 0;
    return count.field(QStringLiteral("OwnerCount")).toInt();
}

} // namespace

UserListWindow::UserListWindow(Mode mode, QWidget *parent)
    : ModalWindow(QStringLiteral("user_list"), parent)
    , m_mode(mode)
{
    setWindowTitle(tr("User list"));
    auto *layout = new QHBoxLayout(this);
    std::vector<MenuNode> nodes;
    if (mode == Mode::Select)
        nodes.push_back({QStringLiteral("select_user"), tr("Select user"), QString(), false, QColor(0, 128, 0)});
    const std::vector<MenuNode> common = {
        {QStringLiteral("close"), tr("Close window"), QString(), false, kCloseNodeColour},
        {QStringLiteral("add_user"), tr("Add new user record"), QString()},
        {QStringLiteral("edit_user"), tr("Edit user record"), QString()},
        {QStringLiteral("delete_user"), tr("Delete user record"), QString(), false, QColor(255, 0, 0)},
        {QStringLiteral("user_account"), tr("User account"), QString(), true},
        {QStringLiteral("user_password"), tr("Enter user password"), QStringLiteral("user_account")},
        {QStringLiteral("change_user_password"), tr("Change password"), QStringLiteral("user_account")},
        {QStringLiteral("reload"), tr("Reload user list"), QString()},
    };
    nodes.insert(nodes.end(), common.begin(), common.end());
    m_tree = make_menu_tree(nodes, MenuStyle::Headings, [this] { process_menu(); });
    keep_menu_tree_fitted(m_tree, design_pixels(2200));
    layout->addWidget(m_tree);

    m_grid = make_read_only_grid(QStringLiteral("grid"), QAbstractItemView::SingleSelection);
    m_grid->setAccessibleName(tr("Users"));
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &UserListWindow::edit_user);
    layout->addWidget(m_grid, 1);

    load_list(0);
    set_design_size(6530, 4800, 2760);
    if (mode == Mode::PasswordRequest)
        m_tree->setCurrentItem(find_menu_node(m_tree, QStringLiteral("user_password")));
}

bool UserListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            edit_user();
            return true;
        }
    }
    return ModalWindow::eventFilter(watched, event);
}

void UserListWindow::load_list(qint32 select_user_id)
{
    const QSignalBlocker quiet(m_grid);
    m_grid->clear();
    m_grid->setRowCount(0);
    m_grid->setColumnCount(5);
    m_grid->setHorizontalHeaderLabels({tr("Employee ID"), tr("First name"),
                                       tr("Last name"), QString(), QString()});
    // The three columns fit the grid and their headers at any resolution:
    // the employee id keeps room for its header, the names share the rest.
    QHeaderView *header = m_grid->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    m_grid->setColumnWidth(0, std::max(design_pixels(1020), header->sectionSizeHint(0)));
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    m_grid->setColumnHidden(kPasswordColumn, true);
    m_grid->setColumnHidden(kRevisionColumn, true);
    keep_headers_whole(m_grid);

    if (check_operation_allowed(true)) {
        try {
            set_step_number(1);
            RecordSet users = RecordSet::open(*app_state().database, QStringLiteral("SELECT Q010.* FROM Q010;"));
            set_step_number(2);
            for (; !users.eof(); users.move_next()) {
                const int row = m_grid->rowCount();
                m_grid->insertRow(row);
                const QString texts[] = {users.field(QStringLiteral("EmployeeID")).toString(),
                                         users.field(QStringLiteral("FirstName")).toString(),
                                         users.field(QStringLiteral("LastName")).toString(),
                                         unscramble_password(users.field(QStringLiteral("password"))),
                                         users.field(QStringLiteral("revision")).toString()};
                for (int column = 0; column < 5; ++column)
                    m_grid->setItem(row, column, new QTableWidgetItem(texts[column]));
                set_row_data(m_grid, row, users.field(QStringLiteral("id")).toLongLong());
            }
        } catch (const DbError &error) {
            report_error(error);
        }
    }
    const int users = m_grid->rowCount();
    if (users < kMinimumRows)
        m_grid->setRowCount(kMinimumRows);
    for (int row = users; row < m_grid->rowCount(); ++row)
        set_row_data(m_grid, row, 0);
    int selected = 0;
    for (int row = 0; row < users; ++row) {
        if (row_data(m_grid, row) == select_user_id)
            selected = row;
    }
    m_grid->setCurrentCell(selected, 0);
}

qint32 UserListWindow::selected_row_user() const
{
    const int row = m_grid->currentRow();
    return row < 0 ? 0 : qint32(row_data(m_grid, row));
}

void UserListWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    if (key == QLatin1String("select_user"))
        select_user();
    else if (key == QLatin1String("close"))
        close();
    else if (key == QLatin1String("add_user"))
        add_user();
    else if (key == QLatin1String("edit_user"))
        edit_user();
    else if (key == QLatin1String("delete_user"))
        delete_user();
    else if (key == QLatin1String("user_password"))
        enter_user_password();
    else if (key == QLatin1String("change_user_password"))
        change_user_password();
    else if (key == QLatin1String("reload"))
        load_list(selected_row_user());
}

// A user record shows the password on request, so opening one needs the
// system password that saving it needs anyway.
void UserListWindow::add_user()
{
    if (!check_operation_allowed(true, true))
        return;
    UserRecordWindow record(this);
    record.load_window(0, 0);
}

void UserListWindow::edit_user()
{
    const qint32 user_id = selected_row_user();
    if (user_id == 0 || !check_operation_allowed(true, true))
        return;
    UserRecordWindow record(this);
    record.load_window(user_id, m_grid->item(m_grid->currentRow(), kRevisionColumn)->text().toInt());
}

void UserListWindow::delete_user()
{
    const qint32 user_id = selected_row_user();
    if (user_id == 0 || !check_operation_allowed(true))
        return;
    const int row = m_grid->currentRow();
    const auto cell = [&](int column) { return m_grid->item(row, column)->text(); };
    const bool sure = interaction().ask_yes_no(
        this, kMessageTitle,
        message_lines({tr("Are you sure you want to delete user:"),
                       cell(0) + QStringLiteral(", ") + cell(1) + u' ' + cell(2)}),
        MessageIcon::Question);
    if (!sure)
        return;
    bool owner = false;
    try {
        // Counted inside the delete's transaction, so that an ownership given
        // meanwhile from another workstation cannot slip in before the delete.
        Transaction transaction(*app_state().database);
        owner = get_owner_count(user_id) >= 1;
        if (!owner) {
            RecordSet user = open_checked_user(user_id, cell(kRevisionColumn).toInt(), "DB record out of date");
            set_step_number(4);
            user.delete_record();
            record_change(*app_state().database, 0,
                          QStringLiteral("User deleted: ") + (cell(1) + u' ' + cell(2)).trimmed());
            transaction.commit();
        }
    } catch (const DbError &error) {
        report_error(error);
        return;
    }
    if (owner) {
        inform(this, message_lines({tr("Cannot delete user."), tr("This user is a calendar owner."),
                                    tr("Remove ownership or assign another user as owner"),
                                    tr("and then delete this user.")}));
        return;
    }
    load_list(0);
}

void UserListWindow::select_user()
{
    AppState &state = app_state();
    state.selected_user_id = 0;
    const qint32 user_id = selected_row_user();
    if (user_id == 0 || !check_operation_allowed(true))
        return;
    try {
        RecordSet user = open_checked_user(
            user_id, m_grid->item(m_grid->currentRow(), kRevisionColumn)->text().toInt(), "DB record out of date.");
        if (!has_stored_password(user)) {
            inform(this, tr("Please assign a password to the selected user first."));
            return;
        }
    } catch (const DbError &error) {
        report_error(error);
        return;
    }
    state.selected_user_id = user_id;
    accept();
}

void UserListWindow::enter_user_password()
{
    if (!check_operation_allowed(true))
        return;
    UserPasswordInputWindow input(this);
    input.show_modal();
    if (m_mode == Mode::PasswordRequest)
        close();
}

void UserListWindow::change_user_password()
{
    const qint32 user_id = selected_row_user();
    if (user_id == 0 || !check_operation_allowed(true))
        return;
    ChangePasswordWindow change(this);
    change.load_window(user_id, m_grid->item(m_grid->currentRow(), kRevisionColumn)->text().toInt());
}

void open_user_list(QWidget *parent)
{
    UserListWindow list(UserListWindow::Mode::Plain, parent);
    list.show_modal();
}

qint32 choose_user(QWidget *parent)
{
    app_state().selected_user_id = 0;
    UserListWindow list(UserListWindow::Mode::Select, parent);
    list.show_modal();
    return app_state().selected_user_id;
}

void request_user_password(QWidget *parent)
{
    UserListWindow list(UserListWindow::Mode::PasswordRequest, parent);
    list.show_modal();
}

} // namespace dayvane
