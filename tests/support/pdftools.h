#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

namespace dayvane::test {

// What poppler's tools make of a PDF file. A tool that fails or does not
// finish fails the running test and gives nothing (-1 pages, no text).
struct PdfWord
{
    QString text;
    int page = 0;
    QRectF box;
};
struct PdfPage
{
    double width = 0;
    double height = 0;
};
int pdf_page_count(const QString &path);
QString pdf_text(const QString &path);  // pdftotext -layout
std::vector<PdfWord> pdf_words(const QString &path, std::vector<PdfPage> *pages = nullptr);
// The words whose boxes leave their page, as "word (page n)".
QStringList words_outside_page(const QString &path);

} // namespace dayvane::test
