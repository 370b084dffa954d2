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
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            ++page;
            if (pages)
                pages->push_back({a.value(QLatin1String("width")).toDouble(), a.value(QLatin1String("height")).toDouble()});
        } else if (xml.name() == QLatin1String("word")) {
            const double x0 = a.value(QLatin1String("xMin")).toDouble(), y0 = a.value(QLatin1String("yMin")).toDouble();
            const double x1 = a.value(QLatin1String("xMax")).toDouble(), y1 = a.value(QLatin1String("yMax")).toDouble();
            words.push_back({xml.readElementText(), page, QRectF(QPointF(x0, y0), QPointF(x1, y1))});
        }
    }
    return words;
}

QStringList words_outside_page(const QString &path)
{
    std::vector<PdfPage> pages;
    const std::vector<PdfWord> words = pdf_words(path, &pages);
    QStringList outside;
    for (const PdfWord &word : words) {
        const PdfPage &page = pages.at(std::size_t(word.page - 1));
        if (word.box.left() < 0 || word.box.top() < 0 || word.box.right() > page.width || word.box.bottom() > page.height)
            outside << QStringLiteral("%1 (page %2)").arg(word.text).arg(word.page);
    }
    return outside;
}

} // namespace dayvane::test
