#include "ui_common/webpages.h"

#include "ui_common/bundledwebserver.h"
#include "ui_common/busycursor.h"
#include "ui_common/interaction.h"

#include <QCoreApplication>
#include <QTcpSocket>

namespace dayvane {

namespace {

const char *const kDefaultWebHost = "www.corvantelle.com";

QString g_help_language;

QString page_path(WebPage page)
{
    switch (page) {
    case WebPage::Help:
        return help_page_path(g_help_language);
    case WebPage::News:
        return QStringLiteral("/cs/news.htm");
    case WebPage::Contact:
        return QStringLiteral("/cs/contact.htm");
    case WebPage::Home:
        break;
    }
    return QStringLiteral("/");
}

QString failure_message(WebPage page)
{
    switch (page) {
    case WebPage::News:
    case WebPage::Contact:
        return QCoreApplication::translate("dayvane", "Unable to connect to Corvantelle website.");
    case WebPage::Help:
    case WebPage::Home:
        break;
    }
    return QCoreApplication::translate("dayvane", "Unable to connect to Corvantelle On-line help.");
}

// True when the page's server accepts a connection within a short wait: a
// page that did not show is then the browser's failure, not the server's.
bool server_answers(const QUrl &url)
{
    const BusyCursor busy;
    QTcpSocket socket;
    socket.connectToHost(url.host(), quint16(url.port(80)));
    return socket.waitForConnected(2000);
}

// Opens `url` (of `page`) in the browser, or tells why it did not show.
bool open_or_tell(QWidget *parent, const QUrl &url, WebPage page)
{
    if (url.isValid() && interaction().open_url(url))
        return true;
    if (url.isValid() && server_answers(url)) {
        inform(parent, message_lines({QCoreApplication::translate("dayvane", "No web browser could be started to show the page."),
                                      QCoreApplication::translate("dayvane", "Its address is ") + url.toString()}));
        return false;
    }
    inform(parent, failure_message(page));
    return false;
}

} // namespace

QString web_host()
{
    const QString configured = qEnvironmentVariable("DAYVANE_WEB_HOST").trimmed();
    if (!configured.isEmpty())
        return configured;
    if (const QString system = system_web_host(); !system.isEmpty())
        return system;
    const QString bundled = bundled_web_host();
    return bundled.isEmpty() ? QString::fromLatin1(kDefaultWebHost) : bundled;
}

QUrl web_server_url(const QString &path)
{
    return QUrl(QStringLiteral("http://") + web_host() + path);
}

QUrl web_page_url(WebPage page)
{
    return web_server_url(page_path(page));
}

bool open_web_page(QWidget *parent, WebPage page)
{
    return open_or_tell(parent, web_page_url(page), page);
}

QString help_section(const QString &window_name)
{
    // The page's sections are named after the windows; the user and
    // password windows share one, the server window the database's.
    static const QStringList own{QStringLiteral("calendar"), QStringLiteral("calendar_list"),
                                 QStringLiteral("calendar_edit"), QStringLiteral("date_selector"),
                                 QStringLiteral("holiday_listing"), QStringLiteral("change_history"),
                                 QStringLiteral("about"), QStringLiteral("workstation_settings")};
    static const QStringList users{QStringLiteral("user_list"), QStringLiteral("user_record"),
                                   QStringLiteral("change_password"), QStringLiteral("user_password_input"),
                                   QStringLiteral("system_password")};
    if (own.contains(window_name))
        return window_name;
    if (users.contains(window_name))
        return QStringLiteral("users");
    return window_name == QLatin1String("database_server") ? QStringLiteral("database") : QString();
}

QString help_page_path(const QString &code)
{
    // The pages of the other languages keep the English page's anchors.
    static const QStringList translated{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
    if (translated.contains(code))
        return QStringLiteral("/help/%1/qzhelp.htm").arg(code);
    return QStringLiteral("/help/qzhelp.htm");
}

void set_help_language(const QString &code)
{
    g_help_language = code;
}

void open_online_help(QWidget *parent, const QString &section)
{
    QUrl url = web_page_url(WebPage::Help);
    if (!section.isEmpty())
        url.setFragment(section);
    open_or_tell(parent, url, WebPage::Help);
}

} // namespace dayvane
