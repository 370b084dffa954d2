#pragma once

#include <QString>

#include <map>
#include <optional>
#include <string>

namespace dayvane {

// The web pages dayvane-web serves, read once at start from a folder that
// the project ships (tools/dayvane-web/pages): the home page "index.htm",
// "help/qzhelp.htm" (what F1 and "On-line help" open), "cs/news.htm",
// "cs/contact.htm", "style.css" and "notfound.htm". Pages are UTF-8 HTML.
// Two placeholders are filled in: "{{news_version}}" in the news page and
// "{{path}}" (HTML-escaped) in the not-found page.
class PageFolder
{
public:
    // Reads every page of the folder; nullopt, with `error` naming the first
    // missing or unreadable file, when one cannot be read.
    static std::optional<PageFolder> load(const QString &folder, const QString &news_version, QString *error);

    // The body served at `path` ("/", "/help/qzhelp.htm", ...) and its
    // content type; nullptr for a path that has no page.
    struct Page
    {
        std::string body;
        std::string content_type;
    };
    const Page *find(const std::string &path) const;

    // The body of the not-found page for `path`.
    std::string not_found(const std::string &path) const;

    // The paths served, for registering routes.
    const std::map<std::string, Page> &pages() const { return m_pages; }

private:
    std::map<std::string, Page> m_pages;
    QString m_not_found;
};

} // namespace dayvane
