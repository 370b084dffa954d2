#include "app/databaseserverwindow.h"

#include "store/connection.h"
#include "ui_common/appstate.h"
#include "ui_common/interaction.h"
#include "ui_common/menutree.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace dayvane {

std::pair<QString, QByteArray> split_server_password(const QString &address)
{
    if (address.startsWith(QStringLiteral("postgres"))) {
        QUrl url(address);
        const QByteArray password = url.password(QUrl::FullyDecoded).toUtf8();
        if (password.isEmpty())
            return {address, {}};
        url.setPassword(QString());
        return {url.toString(), password};
    }
    // "password=secret" or "password='a secret'" in a keyword string.
    static const QRegularExpression keyword(QStringLiteral("\\s*\\bpassword\\s*=\\s*('(?:[^'\\\\]|\\\\.)*'|\\S*)"));
    const QRegularExpressionMatch match = keyword.match(address);
    if (!match.hasMatch())
        return {address, {}};
    QString password = match.captured(1);
    if (password.startsWith(u'\''))
        password = password.mid(1, password.size() - 2).replace(QStringLiteral("\\'"), QStringLiteral("'"));
    QString rest = address;
    rest.remove(match.capturedStart(), match.capturedLength());
    return {rest.trimmed(), password.toUtf8()};
}

DatabaseServerWindow::DatabaseServerWindow(QWidget *parent)
    : ModalWindow(QStringLiteral("database_server"), parent)
{
    setWindowTitle(QStringLiteral("Database server"));
    auto *layout = new QVBoxLayout(this);
    m_tree = make_menu_tree({MenuNode{QStringLiteral("close"), QStringLiteral("Close window"), QString(), false,
                                      kCloseNodeColour},
                             MenuNode{QStringLiteral("connect"), QStringLiteral("Connect"), QString()}},
                            MenuStyle::Flat, [this] { process_menu(); });
    layout->addWidget(m_tree);

    auto *form = new QFormLayout;
    m_address = new QLineEdit;
    m_address->setObjectName(QStringLiteral("server_address"));
    m_address->setPlaceholderText(QStringLiteral("postgresql://user@host:5432/dayvane"));
    m_address->setMinimumWidth(360);
    form->addRow(QStringLiteral("Server address"), m_address);
    m_password = new QLineEdit;
    m_password->setObjectName(QStringLiteral("server_password"));
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Password"), m_password);
    layout->addLayout(form);
    auto *note = new QLabel(QStringLiteral("Leave the password empty when the server does not ask for one or when "
                                           "it is in the password file (~/.pgpass). It is kept until the program "
                                           "closes, never saved."));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    layout->addWidget(note);
    connect(m_address, &QLineEdit::returnPressed, this, &DatabaseServerWindow::accept_address);
    connect(m_password, &QLineEdit::returnPressed, this, &DatabaseServerWindow::accept_address);
}

bool DatabaseServerWindow::choose(const QString &address, bool ask_password)
{
    m_address->setText(is_calendar_server(address) ? address : QString());
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
        inform(this, message_lines({QStringLiteral("Please enter the address of the database server, such as"),
                                    QStringLiteral("postgresql://user@host:5432/dayvane"),
                                    QStringLiteral("or host=server.example dbname=dayvane user=me")}));
        m_address->setFocus();
        return;
    }
    auto [address, password] = split_server_password(typed);
    if (!m_password->text().isEmpty())
        password = m_password->text().toUtf8();
    AppState &state = app_state();
    state.db_path = address;
    state.server_password = password;
    accept();
}

} // namespace dayvane
