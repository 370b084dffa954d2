#include "ui_common/webpages.h"

#include "ui_common/bundledwebserver.h"
#include "ui_common/busycursor.h"
#include "ui_common/interaction.h"

#include <QTcpSocket>

namespace dayvane {

namespace {

const char *const kDefaultWebHost = "www.corvantelle.com";

QString page_path(WebPage page)
{
    switch (page) {
    case WebPage::Help:
        return QStringLiteral("/help/qzhelp.htm");
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
        return QStringLiteral("Unable to connect to Corvantelle website.");
    case WebPage::Help:
    case WebPage::Home:
        break;
    }
    return QStringLiteral("Unable to connect to Corvantelle On-line help.");
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
    const QUrl url = web_page_url(page);
    if (url.isValid() && interaction().open_url(url))
        return true;
    if (url.isValid() && server_answers(url)) {
        inform(parent, message_lines({QStringLiteral("No web browser could be started to show the page."),
                                      QStringLiteral("Its address is ") + url.toString()}));
        return false;
    }
    inform(parent, failure_message(page));
    return false;
}

void open_online_help(QWidget *parent)
{
    open_web_page(parent, WebPage::Help);
}

} // namespace dayvane
