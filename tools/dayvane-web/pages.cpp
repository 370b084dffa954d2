#include "pages.h"

#include <QDir>
#include <QFile>

namespace dayvane {

namespace {

constexpr char kHtml[] = "text/html; charset=utf-8";
constexpr char kCss[] = "text/css; charset=utf-8";

// Served path and file, relative to the folder.
struct PageFile
{
    const char *path;
    const char *file;
    const char *content_type;
};

constexpr PageFile kPageFiles[] = {
    {"/", "index.htm", kHtml},
    {"/help/qzhelp.htm", "help/qzhelp.htm", kHtml},
    {"/help/de/qzhelp.htm", "help/de/qzhelp.htm", kHtml},
    {"/help/fr/qzhelp.htm", "help/fr/qzhelp.htm", kHtml},
    {"/help/es/qzhelp.htm", "help/es/qzhelp.htm", kHtml},
    {"/cs/news.htm", "cs/news.htm", kHtml},
    {"/cs/contact.htm", "cs/contact.htm", kHtml},
    {"/style.css", "style.css", kCss},
};

std::optional<QString> read_text(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

std::optional<PageFolder> PageFolder::load(const QString &folder, const QString &news_version, QString *error)
{
    const QDir dir(folder);
    PageFolder pages;
    for (const PageFile &page : kPageFiles) {
        std::optional<QString> text = read_text(dir.filePath(QString::fromLatin1(page.file)), error);
        if (!text)
            return std::nullopt;
        text->replace(QStringLiteral("{{news_version}}"), news_version.toHtmlEscaped());
        pages.m_pages[page.path] = Page{text->toStdString(), page.content_type};
    }
    std::optional<QString> not_found = read_text(dir.filePath(QStringLiteral("notfound.htm")), error);
    if (!not_found)
        return std::nullopt;
    pages.m_not_found = *not_found;
    return pages;
}

const PageFolder::Page *PageFolder::find(const std::string &path) const
{
    const auto page = m_pages.find(path);
    return page == m_pages.end() ? nullptr : &page->second;
}

std::string PageFolder::not_found(const std::string &path) const
{
    QString text = m_not_found;
    return text.replace(QStringLiteral("{{path}}"), QString::fromStdString(path).toHtmlEscaped()).toStdString();
}

} // namespace dayvane
