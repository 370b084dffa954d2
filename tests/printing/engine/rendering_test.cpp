#include "pdftools.h"
#include "printers.h"
#include "printing/engine/reportengine.h"
#include "printing/engine/reportrenderer.h"
#include "printing/engine/selectionformula.h"
#include "printingfixture.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

class Rendering : public ::testing::Test
{
protected:
    // Renders through the report database, as the program does, into a PDF
    // file named after the definition.
    QString render(const QString &definition_file, const std::vector<ReportRow> &rows,
                   const QString &selection = QString(), PageSetup::Paper paper = PageSetup::Paper::Auto)
    {
        const ReportDataResult data = read_report_data(write_report_database(m_dir.path(), rows));
        EXPECT_TRUE(data.rows) << data.error.toStdString();
        ReportDefinition definition = shipped_definition(definition_file);
        if (paper != PageSetup::Paper::Auto)
            definition.page.paper = paper;
        const QString path = m_dir.filePath(definition_file + QStringLiteral(".pdf"));
        EXPECT_TRUE(render_report_to_pdf(definition,
                                         select_rows(data.rows.value_or(std::vector<ReportRow>()),
                                                     *parse_selection_formula(selection).formula),
                                         path));
        return path;
    }

    QTemporaryDir m_dir;
};

// The pages `rows` take on the definition's paper; `body` gets the height in
// millimetres that the bands may fill above the page footer.
std::vector<ReportPage> lay_out(const ReportDefinition &definition, const std::vector<ReportRow> &rows,
                                double *body = nullptr)
{
    QBuffer buffer;
    QPdfWriter device(&buffer);
    apply_page_setup(definition.page, device);
    if (body)
        *body = device.pageLayout().paintRect(QPageLayout::Millimeter).height() - definition.page_footer->height;
    return lay_out_report(definition, rows, device);
}

} // namespace

TEST_F(Rendering, BothReportsShowTheirRowsInOrderAndFitA4AndLetter)
{
    const std::vector<ReportRow> month = month_rows(february(), 0);
    const std::vector<ReportRow> year =
        year_rows(february(), {QDate(2026, 2, 13), QDate(2026, 2, 16), QDate(2026, 2, 20)});
    for (const PageSetup::Paper paper : {PageSetup::Paper::A4, PageSetup::Paper::Letter}) {
        const QString month_pdf = render(QStringLiteral("Calendar.rpt"), month, {}, paper);
        EXPECT_EQ(pdf_page_count(month_pdf), 1);
        EXPECT_EQ(words_outside_page(month_pdf), QStringList());
        EXPECT_TRUE(appear_in_order(
            pdf_text(month_pdf),
            {"Office \"North\" (February)", "Sunday", "Saturday", "Work", "Pay", "25", "26", "31", "w1", "p1",
             "w6", "p6", "February 2026", "Summary", "Work (typical)", "08:00 AM..12:00 PM (4h 0m Wrk)",
             "Work (altered)", "Work (total)", "No work (pay only)", "Pay", "<lbl_month_pay_days>",
             "<lbl_month_pay_time>", "<lbl_year_pay_days>", "<lbl_year_pay_time>", "Events (All commented dates)", "Feb-02", "Kick-off", "Feb-13", "Stocktaking",
             "10h 0m", "07:00 AM..12:00 PM", "Feb-20", "Closed for repairs", "Page 1 of 1"}));

        const QString year_pdf = render(QStringLiteral("Calendar_12.rpt"), year, QStringLiteral("{T000.Page} = 1"), paper);
        EXPECT_EQ(pdf_page_count(year_pdf), 1) << "part 1 must fit one page";
        EXPECT_EQ(words_outside_page(year_pdf), QStringList());
        const QString text = pdf_text(year_pdf);
        EXPECT_TRUE(appear_in_order(text, {"Office \"North\" (2026)", "January", "February", "March",
                                           "Typical workdays", "October", "December", "Typical day", "Work:8h 0m",
                                           "Year totals", "2026", "Page 1 of 1"}));
        EXPECT_FALSE(text.contains(QStringLiteral("Events (")));
    }
}

TEST_F(Rendering, LongTextsWrapInsteadOfBeingCutOrRunningOffThePaper)
{
    const QString comment = QStringLiteral(
        "Stocktaking because the whole team counts the regional warehouse before the yearly planning session, "
        "starts at seven and stays late; overtime from last month is booked against this day as agreed with the "
        "works council");
    // A calendar name of the longest kind: too wide for the heading even in
    // the smallest type.
    QString name;
    while (name.size() < 255)
        name += QStringLiteral("Regional depot north and weekend cover ");
    name.truncate(255);
    std::vector<ReportRow> rows = month_rows(february(), 0);
    rows[0].fields[0] = name;
    for (ReportRow &row : rows) {
        if (row.fields[0] == QLatin1String("Feb-13"))
            row.fields[1] = comment;
    }
    const QString pdf = render(QStringLiteral("Calendar.rpt"), rows);
    std::vector<PdfPage> pages;
    const std::vector<PdfWord> words = pdf_words(pdf, &pages);
    ASSERT_EQ(pages.size(), 1u);
    for (const QString &text : {comment, name}) {
        const QStringList wanted = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QStringList found;
        double first_line = -1, last_line = -1;
        for (const PdfWord &word : words) {
            if (found.size() < wanted.size() && word.text == wanted[found.size()]) {
                if (found.isEmpty())
                    first_line = word.box.top();
                last_line = word.box.top();
                found << word.text;
            }
        }
        EXPECT_EQ(found, wanted);
        EXPECT_GT(last_line - first_line, 5) << "several lines: " << text.toStdString();
    }
    const double margin = 15 / 25.4 * 72 - 0.5;  // points
    for (const PdfWord &word : words)
        EXPECT_TRUE(word.box.left() >= margin && word.box.right() <= pages[0].width - margin) << word.text.toStdString();
    EXPECT_TRUE(appear_in_order(pdf_text(pdf), {"Feb-13", "10h 0m", "works council", "07:00 AM", "Feb-20"}));
}

TEST_F(Rendering, ALongEventListBreaksPagesBetweenBandsWithTheFooterOnEach)
{
    const int days[] = {2, 13, 16, 20};
    std::vector<QDate> events;
    for (int i = 0; i < 120; ++i)
        events.push_back(QDate(2026, 2, days[i % 4]));
    const std::vector<ReportRow> rows = select_rows(year_rows(february(), events), SelectionFormula{2});
    const QString pdf = render(QStringLiteral("Calendar_12.rpt"), rows);
    const int pages = pdf_page_count(pdf);
    EXPECT_GE(pages, 2);
    const QString text = pdf_text(pdf);
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
    EXPECT_EQ(words_outside_page(pdf), QStringList());

    const ReportDefinition definition = shipped_definition(QStringLiteral("Calendar_12.rpt"));
    double body = 0;
    const std::vector<ReportPage> laid_out = lay_out(definition, rows, &body);
    EXPECT_EQ(int(laid_out.size()), pages);
    for (const ReportPage &page : laid_out) {
        ASSERT_FALSE(page.bands.empty());
        const PlacedBand &last = page.bands.back();
        EXPECT_LE(last.top + last.band->height + last.extra, body + 1e-6);
        EXPECT_NE(last.band->group + last.band->subgroup, QStringLiteral("Db")) << "headings stay with a row";
    }
}

TEST(Layout, GroupHeadersSkippedRowsPageChangesAndKeptBands)
{
    const DefinitionResult read = parse_report_definition(QStringLiteral(R"(
page paper=A4 margins=10 width=100
break on-page-change
groupheader D height=10
band D a height=20
band D b height=5 skipempty
  text x=0 y=0 w=20 h=5 field=F0 grow
band E height=100 keepnext
band F height=80
band G height=150
)"),
                                                          QStringLiteral("Layout.rpt"));
    ASSERT_TRUE(read.definition) << read.error.toStdString();
    const auto row = [](const QString &group, const QString &subgroup, int page, const QString &f0 = QString()) {
        ReportRow made{group, subgroup, page, {}};
        made.fields[0] = f0;
        return made;
    };
    const std::vector<ReportRow> rows{row("D", "a", 1), row("D", "b", 1),
                                      row("D", "b", 1, "a text far too long for one line of 20 mm"),
                                      row("X", "z", 1),  // no band: skipped
                                      row("E", {}, 2), row("F", {}, 2), row("F", {}, 2), row("F", {}, 2),
                                      row("G", {}, 3), row("E", {}, 3), row("F", {}, 3)};
    const std::vector<ReportPage> pages = lay_out(*read.definition, rows);

    auto summary = [](const ReportPage &page) {
        QStringList bands;
        for (const PlacedBand &placed : page.bands)
            bands << QStringLiteral("%1%2@%3").arg(placed.band->group, placed.band->subgroup).arg(placed.top);
        return bands.join(QLatin1Char(' '));
    };
    ASSERT_EQ(pages.size(), 5u);
    EXPECT_EQ(summary(pages[0]).section(QLatin1Char(' '), 0, 1), QStringLiteral("D@0 Da@10"));
    ASSERT_EQ(pages[0].bands.size(), 3u) << "the empty D b row is left out";
    EXPECT_EQ(pages[0].bands[2].top, 30);
    EXPECT_GT(pages[0].bands[2].extra, 3) << "the wrapped text makes its band taller";
    EXPECT_EQ(summary(pages[1]), QStringLiteral("E@0 F@100 F@180")) << "a change of Page begins a page";
    EXPECT_EQ(summary(pages[2]), QStringLiteral("F@0")) << "a band that does not fit goes to the next page";
    EXPECT_EQ(summary(pages[3]), QStringLiteral("G@0")) << "E fits after G, but not with the F it keeps";
    EXPECT_EQ(summary(pages[4]), QStringLiteral("E@0 F@100"));
}

TEST(Layout, ADateKeepsItsPeriodRowsOnItsPageWhereverThePageBreaks)
{
    // Plain dates push one date with four period rows down the event list,
    // one row at a time, until the list runs over several pages.
    const struct
    {
        const char *file;
        const char *group, *date, *periods;
    } reports[] = {{"Calendar.rpt", "E", "b", "c"}, {"Calendar_12.rpt", "D", "c", "d"}};
    for (const auto &report : reports) {
        const ReportDefinition definition = shipped_definition(QLatin1String(report.file));
        const auto row = [&](const char *subgroup) {
            return ReportRow{QLatin1String(report.group), QLatin1String(subgroup), {}, {QStringLiteral("x")}};
        };
        QStringList split;  // the numbers of plain dates that left periods at the top of a page
        std::size_t pages = 0;
        for (int plain = 0; plain < 120; ++plain) {
            std::vector<ReportRow> rows(std::size_t(plain) + 1, row(report.date));
            rows.insert(rows.end(), 4, row(report.periods));
            const std::vector<ReportPage> laid_out = lay_out(definition, rows);
            for (const ReportPage &page : laid_out) {
                if (page.bands.front().band->subgroup == QLatin1String(report.periods))
                    split << QString::number(plain);
            }
            pages = laid_out.size();
        }
        EXPECT_EQ(split, QStringList()) << report.file;
        EXPECT_GE(pages, 2u) << report.file;
    }
}
