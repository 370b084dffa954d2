#include "app/databaseserverwindow.h"

#include "store/connection.h"
#include "store/serveraddress.h"
#include "ui_common/appstate.h"
#include "ui_common/geometry.h"
#include "ui_common/interaction.h"
#include "ui_common/menutree.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dayvane {

DatabaseServerWindow::DatabaseServerWindow(QWidget *parent)
    : ModalWindow(QStringLiteral("database_server"), parent)
{
    setWindowTitle(tr("Database server"));
    auto *layout = new QVBoxLayout(this);
    m_tree = make_menu_tree({MenuNode{QStringLiteral("close"), tr("Close window"), QString(), false,
                                      kCloseNodeColour},
                             MenuNode{QStringLiteral("connect"), tr("Connect"), QString()}},
                            MenuStyle::Flat, [this] { process_menu(); });
    layout->addWidget(m_tree);

    auto *form = new QFormLayout;
    m_address = new QLineEdit;
    m_address->setObjectName(QStringLiteral("server_address"));
    m_address->setPlaceholderText(QStringLiteral("postgresql://user@host:5432/dayvane"));
    m_address->setMinimumWidth(design_pixels(5400));
    form->addRow(tr("Server address"), m_address);
    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("server_password"));
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(tr("Password"), m_password);
    layout->addLayout(form);
    auto *note = new QLabel(tr("Leave the password empty when the server does not ask for one or when "
                                           "it is in the password file (~/.pgpass). It is kept until the program "
                                           "closes, never saved."));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    layout->addWidget(note);
    m_password->setAccessibleDescription(note->text());
    connect(m_address, &QLineEdit::returnPressed, this, &DatabaseServerWindow::accept_address);
    connect(m_password, &QLineEdit::returnPressed, this, &DatabaseServerWindow::accept_address);
}

bool DatabaseServerWindow::choose(const QString &address, bool ask_password)
{
    m_address->setText(is_calendar_server(address) ? without_password(address) : QString());
    m_password->clear();
    (ask_password ? m_password : m_address)->setFocus();
    return show_modal() == QDialog::Accepted;
}

void DatabaseServerWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    if (key == QLatin1String("close"))
        reject();
    else if (key == QLatin1String("connect"))
        accept_address();
}

void DatabaseServerWindow::accept_address()
{
    const QString typed = m_address->text().trimmed();
    if (!is_calendar_server(typed)) {
        inform(this, message_lines({tr("Please enter the address of the database server, such as"),
                                    QStringLiteral("postgresql://user@host:5432/dayvane"),
                                    tr("or host=server.example dbname=dayvane user=me")}));
        m_address->setFocus();
        return;
    }
    // A password written into the address is used like one typed into the
    // password box: for this run, never stored with the address.
    QByteArray password = server_address_password(typed);
    if (!password.isEmpty())
        inform(this, message_lines({tr("The password written in the address is used until the program closes;"),
                                    tr("it is not kept in the settings file.")}));
    if (!m_password->text().isEmpty())
        password = m_password->text().toUtf8();
    AppState &state = app_state();
    state.db_path = without_password(typed);
    state.server_password = password;
    accept();
}

} // namespace dayvane
