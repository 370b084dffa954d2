#include "enginefixture.h"
#include "printing/engine/reportengine.h"
#include "printing/engine/reportrenderer.h"
#include "printing/engine/selectionformula.h"
#include "printers.h"

#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

class Rendering : public ::testing::Test
{
protected:
    // Renders through the report database, as the program does.
    QString render(const QString &definition_file, const std::vector<ReportRow> &rows, const QString &name,
                   const QString &selection = QString(), PageSetup::Paper paper = PageSetup::Paper::Auto)
    {
        const ReportDataResult data = read_report_data(write_report_database(m_dir.path(), rows));
        EXPECT_TRUE(data.rows) << data.error.toStdString();
        ReportDefinition definition = shipped_definition(definition_file);
        if (paper != PageSetup::Paper::Auto)
            definition.page.paper = paper;
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(render_report_to_pdf(definition,
                                         select_rows(data.rows.value_or(std::vector<ReportRow>()),
                                                     *parse_selection_formula(selection).formula),
                                         path));
        return path;
    }

    QTemporaryDir m_dir;
};

QStringList words_of(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

TEST_F(Rendering, BothReportsShowTheirRowsInOrderAndFitA4AndLetter)
{
    const std::vector<ReportRow> months = one_month_rows(), years = twelve_month_rows();
    for (const PageSetup::Paper paper : {PageSetup::Paper::A4, PageSetup::Paper::Letter}) {
        const QString month = render(QStringLiteral("Calendar.rpt"), months, QStringLiteral("m.pdf"), {}, paper);
        EXPECT_EQ(pdf_page_count(month), 1);
        EXPECT_EQ(words_outside_page(month), QStringList());
        EXPECT_TRUE(appear_in_order(
            pdf_text(month),
            {QStringLiteral("Head office (April)"), QStringLiteral("Sunday"), QStringLiteral("Saturday"),
             QStringLiteral("Work"), QStringLiteral("Pay"), QStringLiteral("29"), QStringLiteral("30"),
             QStringLiteral("31"), QStringLiteral("1"), QStringLiteral("40h 0m"), QStringLiteral("42h 30m"),
             QStringLiteral("April 2026"), QStringLiteral("Summary"), QStringLiteral("Work (typical)"),
             QStringLiteral("08:00 AM..12:00 PM (4h 0m Wrk)"), QStringLiteral("Work (altered)"),
             QStringLiteral("Work (total)"), QStringLiteral("No work (pay only)"), QStringLiteral("Pay"),
             QStringLiteral("Events (All commented dates)"), QStringLiteral("Apr-03"), QStringLiteral("Good Friday"),
             QStringLiteral("Apr-17"), QStringLiteral("Half day: staff outing"), QStringLiteral("Apr-22"),
             QStringLiteral("Page 1 of 1")}));

        const QString year = render(QStringLiteral("Calendar_12.rpt"), years, QStringLiteral("y.pdf"),
                                    QStringLiteral("{T000.Page} = 1"), paper);
        EXPECT_EQ(pdf_page_count(year), 1) << "part 1 must fit one page";
        EXPECT_EQ(words_outside_page(year), QStringList());
        const QString text = pdf_text(year);
        EXPECT_TRUE(appear_in_order(text, {QStringLiteral("Head office (2026)"), QStringLiteral("January"),
                                           QStringLiteral("February"), QStringLiteral("March"),
                                           QStringLiteral("Typical workdays"), QStringLiteral("October"),
                                           QStringLiteral("December"), QStringLiteral("Typical day"),
                                           QStringLiteral("Work:8h 0m"), QStringLiteral("Year totals"),
                                           QStringLiteral("2026"), QStringLiteral("Page 1 of 1")}));
        EXPECT_FALSE(text.contains(QStringLiteral("Events (")));
    }
}

TEST_F(Rendering, LongTextsWrapInsteadOfBeingCutOrRunningOffThePaper)
{
    const QString comment = QStringLiteral(
        "Half day because the whole team travels to the regional office for the yearly planning session, "
        "leaves at noon and returns on Monday morning; overtime from last month is booked against this afternoon "
        "as agreed with the works council");
    // A calendar name of the longest kind: too wide for the heading even in
    // the smallest type.
    QString name;
    while (name.size() < 255)
        name += QStringLiteral("Regional depot north and weekend cover ");
    name.truncate(255);
    std::vector<ReportRow> rows = one_month_rows(comment);
    rows[0].fields[0] = name;
    const QString pdf = render(QStringLiteral("Calendar.rpt"), rows, QStringLiteral("long.pdf"));
    std::vector<PdfPage> pages;
    const std::vector<PdfWord> words = pdf_words(pdf, &pages);
    ASSERT_EQ(pages.size(), 1u);
    for (const QString &text : {comment, name}) {
        const QStringList wanted = words_of(text);
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
    EXPECT_TRUE(appear_in_order(pdf_text(pdf), {QStringLiteral("Apr-17"), QStringLiteral("4h 0m"),
                                                QStringLiteral("Apr-22")}));
}

TEST_F(Rendering, ALongEventListBreaksPagesBetweenBandsWithTheFooterOnEach)
{
    const std::vector<ReportRow> rows = select_rows(twelve_month_rows(120), SelectionFormula{2});
    const QString pdf = render(QStringLiteral("Calendar_12.rpt"), rows, QStringLiteral("events.pdf"));
    const int pages = pdf_page_count(pdf);
    EXPECT_GE(pages, 2);
    const QString text = pdf_text(pdf);
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
    EXPECT_EQ(words_outside_page(pdf), QStringList());

    const ReportDefinition definition = shipped_definition(QStringLiteral("Calendar_12.rpt"));
    QPdfWriter device(m_dir.filePath(QStringLiteral("layout.pdf")));
    apply_page_setup(definition.page, device);
    const std::vector<ReportPage> laid_out = lay_out_report(definition, rows, device);
    const double body = device.pageLayout().paintRect(QPageLayout::Millimeter).height()
                      - definition.page_footer->height;
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
    auto make = [](const QString &group, const QString &subgroup, int page, const QString &f0 = QString()) {
        ReportRow row;
        row.group = group;
        row.subgroup = subgroup;
        row.page = page;
        row.fields[0] = f0;
        return row;
    };
    const std::vector<ReportRow> rows{
        make(QStringLiteral("D"), QStringLiteral("a"), 1), make(QStringLiteral("D"), QStringLiteral("b"), 1),
        make(QStringLiteral("D"), QStringLiteral("b"), 1, QStringLiteral("a text far too long for one line of 20 mm")),
        make(QStringLiteral("X"), QStringLiteral("z"), 1),  // no band: skipped
        make(QStringLiteral("E"), {}, 2), make(QStringLiteral("F"), {}, 2), make(QStringLiteral("F"), {}, 2),
        make(QStringLiteral("F"), {}, 2),
        make(QStringLiteral("G"), {}, 3), make(QStringLiteral("E"), {}, 3), make(QStringLiteral("F"), {}, 3)};
    QTemporaryDir dir;
    QPdfWriter device(dir.filePath(QStringLiteral("layout.pdf")));
    apply_page_setup(read.definition->page, device);
    const std::vector<ReportPage> pages = lay_out_report(*read.definition, rows, device);

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
    QTemporaryDir dir;
    for (const auto &report : reports) {
        const ReportDefinition definition = shipped_definition(QLatin1String(report.file));
        QPdfWriter device(dir.filePath(QStringLiteral("layout.pdf")));
        apply_page_setup(definition.page, device);
        const auto make = [&](const char *subgroup) {
            ReportRow row;
            row.group = QLatin1String(report.group);
            row.subgroup = QLatin1String(subgroup);
            row.fields[0] = QStringLiteral("x");
            return row;
        };
        QStringList split;  // the numbers of plain dates that left periods at the top of a page
        std::size_t pages = 0;
        for (int plain = 0; plain < 120; ++plain) {
            std::vector<ReportRow> rows(std::size_t(plain) + 1, make(report.date));
            rows.insert(rows.end(), 4, make(report.periods));
            const std::vector<ReportPage> laid_out = lay_out_report(definition, rows, device);
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
