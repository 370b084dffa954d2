#include "pdftools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace dayvane::test {

namespace {

QString run_tool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

int pdf_page_count(const QString &path)
{
    static const QRegularExpression pages(QStringLiteral(R"(^Pages:\s+(\d+))"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(run_tool(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdf_text(const QString &path)
{
    return run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

std::vector<PdfWord> pdf_words(const QString &path, std::vector<PdfPage> *pages)
{
    std::vector<PdfWord> words;
    QXmlStreamReader xml(run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto number = [&](const char *name) { return xml.attributes().value(QLatin1String(name)).toDouble(); };
        if (xml.name() == QLatin1String("page")) {
            ++page;
            if (pages)
                pages->push_back({number("width"), number("height")});
        } else if (xml.name() == QLatin1String("word")) {
            const QRectF box(QPointF(number("xMin"), number("yMin")), QPointF(number("xMax"), number("yMax")));
            words.push_back({xml.readElementText(), page, box});
        }
    }
    return words;
}

QStringList words_outside_page(const QString &path)
{
    std::vector<PdfPage> pages;
    QStringList outside;
    for (const PdfWord &word : pdf_words(path, &pages)) {
        const PdfPage &page = pages.at(std::size_t(word.page - 1));
        if (word.box.left() < 0 || word.box.top() < 0 || word.box.right() > page.width || word.box.bottom() > page.height)
            outside << QStringLiteral("%1 (page %2)").arg(word.text).arg(word.page);
    }
    return outside;
}

} // namespace dayvane::test
