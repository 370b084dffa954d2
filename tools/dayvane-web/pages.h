#pragma once

#include <QString>

namespace dayvane {

// The web pages dayvane-web serves, each a complete HTML document (UTF-8,
// ASCII-only text with entities). The help page is what F1 and the
// "On-line help" command open; the others are the news, contact and home
// pages of the customer-service commands.
QString help_page();
QString news_page(const QString &news_version);
QString contact_page();
QString home_page();

// The page for any path nothing else answers; `path` is shown escaped.
QString not_found_page(const QString &path);

} // namespace dayvane
