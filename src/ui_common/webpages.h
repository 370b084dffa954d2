#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace dayvane {

// The pages of the maker's web server that the program opens.
enum class WebPage { Help, News, Contact, Home };

// "host[:port]" of the maker's web server: DAYVANE_WEB_HOST, else the
// system settings' web_host, else the server installed with the program
// (started now if need be), else the built-in default.
QString web_host();
QUrl web_page_url(WebPage page);
// The address of a file on the web server, e.g. "/cs/news_version.txt".
QUrl web_server_url(const QString &path);

// Opens the page in the desktop's browser; on failure tells the user with the
// page's message and returns false.
bool open_web_page(QWidget *parent, WebPage page);
// The help page's section about the window of this object name ("" for the
// page's top): F1 opens the page there.
QString help_section(const QString &window_name);
void open_online_help(QWidget *parent, const QString &section = {});
// The help page opens in language `code` ("de") when the program carries a
// page in it, else in English; English until set.
void set_help_language(const QString &code);
// The help page's address on the web server for language `code`.
QString help_page_path(const QString &code);

} // namespace dayvane
