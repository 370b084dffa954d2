#include "pdftools.h"
#include "printers.h"
#include "printing/engine/reportdefinition.h"
#include "printing/engine/reportengine.h"
#include "printing/engine/reportrenderer.h"
#include "printing/engine/selectionformula.h"
#include "printingfixture.h"
#include "scriptedinteraction.h"
#include "ui_common/geometry.h"

#include <QAction>
#include <QBuffer>
#include <QDialog>
#include <QFile>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <tuple>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// Runs the reports as the program hands them over, with the scripted user.
class ReportEngine : public ::testing::Test
{
protected:
    ReportEngine()
    {
        m_hand_over.definition_file = shipped_report(QStringLiteral("Calendar.rpt"));
        m_hand_over.data_file = write_report_database(m_dir.path(), month_rows(february(), 0));
    }
    // Runs a shipped report, its paper set to `paper`, into a PDF file named after the definition; returns its path.
    QString render(const QString &definition_file, const std::vector<ReportRow> &rows,
                   const QString &selection = QString(), const QByteArray &paper = "auto")
    {
        QFile shipped(shipped_report(definition_file));
        EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
        ReportHandOver hand_over;
        hand_over.definition_file = write_file(m_dir.filePath(definition_file),
                                               shipped.readAll().replace("paper=auto", "paper=" + paper));
        hand_over.data_file = write_report_database(m_dir.path(), rows);
        hand_over.selection_formula = selection;
        hand_over.destination = ReportDestination::PdfFile;
        hand_over.pdf_file = m_dir.filePath(definition_file + QStringLiteral(".pdf"));
        EXPECT_TRUE(run_report(nullptr, hand_over));
        EXPECT_EQ(m_user.take_texts(), QStringList());
        return hand_over.pdf_file;
    }

    QTemporaryDir m_dir;
    ScriptedInteraction m_user;
    ReportHandOver m_hand_over;
};

// The pages `rows` take on the definition's paper; `body` gets the millimetres the bands may fill above the footer.
std::vector<ReportPage> lay_out(const ReportDefinition &definition, const std::vector<ReportRow> &rows, double *body = nullptr)
{
    QBuffer buffer;
    QPdfWriter device(&buffer);
    apply_page_setup(definition.page, device);
    if (body)
        *body = device.pageLayout().paintRect(QPageLayout::Millimeter).height() - definition.page_footer->height;
    return lay_out_report(definition, rows, device);
}

} // namespace

TEST_F(ReportEngine, BothReportsShowTheirRowsInOrderWrapLongTextsAndFitA4AndLetter)
{
    // A calendar name of the longest kind, too wide for the heading in any type, and a comment of several lines.
    const QString name = QStringLiteral("Regional depot north and weekend cover ").repeated(7).left(255);
    const QString comment = QStringLiteral(
        "Stocktaking because the whole team counts the regional warehouse before the yearly planning session, "
        "starts at seven and stays late; overtime from last month is booked against this day as agreed with the "
        "works council");
    std::vector<ReportRow> month = month_rows(february(), 0);
    month[0].fields[0] = name;
    for (ReportRow &row : month)
        if (row.fields[0] == QLatin1String("Feb-13"))
            row.fields[1] = comment;
    // Every day number reads on its cell, however pale the report's own colour for it.
    for (const char *file : {"Calendar.rpt", "Calendar_12.rpt"}) {
        for (const auto &[code, style] : shipped_definition(QLatin1String(file)).day_classes)
            EXPECT_GE(contrast_ratio(day_number_colour(style), style.fill.isValid() ? style.fill : QColor(Qt::white)), 4.5)
                << file << " " << code;
    }
    for (const char *paper : {"A4", "Letter"}) {
        const QString month_pdf = render(QStringLiteral("Calendar.rpt"), month, {}, paper);
        EXPECT_TRUE(appear_in_order(
            pdf_text(month_pdf),
            {"Sunday", "Saturday", "Work", "Pay", "25", "26", "31", "w1", "p1", "w6", "p6", "February 2026",
             "Summary", "Work (typical)", "08:00 AM..12:00 PM (4h 0m Wrk)", "Work (altered)", "Work (total)",
             "No work (pay only)", "Pay", "<lbl_month_pay_days>", "<lbl_month_pay_time>", "<lbl_year_pay_days>",
             "<lbl_year_pay_time>", "Events (All commented dates)", "Feb-02", "Kick-off", "Feb-13", "10h 0m",
             "works council", "07:00 AM..12:00 PM", "Feb-20", "Closed for repairs", "Page 1 of 1"}));
        // Every word of the long texts, on several lines inside the margins.
        std::vector<PdfPage> pages;
        const std::vector<PdfWord> words = pdf_words(month_pdf, &pages);
        ASSERT_EQ(pages.size(), 1u);  // the month fits one page
        EXPECT_NEAR(pages[0].width, paper == QLatin1String("A4") ? 595 : 612, 1) << paper;
        for (const QString &text : {comment, name}) {
            const QStringList wanted = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QList<double> tops;  // of the words found in order
            for (const PdfWord &word : words)
                if (tops.size() < wanted.size() && word.text == wanted[tops.size()])
                    tops << word.box.top();
            ASSERT_EQ(tops.size(), wanted.size()) << "missing: " << wanted.value(tops.size()).toStdString();
            EXPECT_GT(tops.back() - tops.front(), 5) << "several lines: " << text.toStdString();
        }
        const double margin = 15 / 25.4 * 72 - 0.5;  // points
        for (const PdfWord &word : words)
            EXPECT_TRUE(word.box.left() >= margin && word.box.right() <= pages[0].width - margin) << word.text.toStdString();
        const QString year_pdf =
            render(QStringLiteral("Calendar_12.rpt"), year_rows(february(), {}), QStringLiteral("{T000.Page} = 1"), paper);
        EXPECT_EQ(pdf_page_count(year_pdf), 1) << "part 1 must fit one page";
        EXPECT_EQ(words_outside_page(year_pdf), QStringList());
        const QString text = pdf_text(year_pdf);
        EXPECT_TRUE(appear_in_order(text, {"Office \"North\" (2026)", "January", "February", "March",
                                           "Typical workdays", "October", "December", "Typical day", "Work:8h 0m",
                                           "Year totals", "2026", "Page 1 of 1"}));
        EXPECT_FALSE(text.contains(QStringLiteral("Events (")));
    }
}

TEST_F(ReportEngine, EventListsBreakPagesBetweenBandsWithTheFooterOnEach)
{
    // Plain dates push a heading and a date with four period rows down the event list row by row: wherever the page
    // breaks, the heading stays with the date and the periods with it, and no band runs into the footer.
    const std::array<const char *, 5> reports[] = {{"Calendar.rpt", "E", "a", "b", "c"},
                                                   {"Calendar_12.rpt", "D", "b", "c", "d"}};
    for (const auto &[file, group, heading, date, periods] : reports) {
        const ReportDefinition definition = shipped_definition(QLatin1String(file));
        const auto row = [&](const char *subgroup) {
            return ReportRow{QLatin1String(group), QLatin1String(subgroup), {}, {QStringLiteral("x")}};
        };
        std::vector<ReportRow> rows;
        for (int plain = 1; plain <= 120; ++plain) {
            rows.assign(std::size_t(plain), row(date));
            rows.push_back(row(heading));
            rows.push_back(row(date));
            rows.insert(rows.end(), 4, row(periods));
            double body = 0;
            for (const ReportPage &page : lay_out(definition, rows, &body)) {
                const PlacedBand &last = page.bands.back();
                EXPECT_LE(last.top + last.band->height + last.extra, body + 1e-6) << plain;
                EXPECT_NE(last.band->subgroup, QString::fromLatin1(heading)) << plain;
                EXPECT_NE(page.bands.front().band->subgroup, QString::fromLatin1(periods)) << plain;
            }
        }
        const QString pdf = render(QLatin1String(file), rows);
        const int pages = pdf_page_count(pdf);
        EXPECT_GE(pages, 3) << file;
        EXPECT_EQ(std::size_t(pages), lay_out(definition, rows).size()) << file;
        const QString text = pdf_text(pdf);
        for (int page = 1; page <= pages; ++page)
            EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages))) << file;
        EXPECT_EQ(words_outside_page(pdf), QStringList()) << file;
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
        return ReportRow{group, subgroup, page, {f0}};
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
    ASSERT_EQ(summary(pages[0]), QStringLiteral("D@0 Da@10 Db@30")) << "the empty D b row is left out";
    EXPECT_GT(pages[0].bands[2].extra, 3) << "the wrapped text makes its band taller";
    EXPECT_EQ(summary(pages[1]), QStringLiteral("E@0 F@100 F@180")) << "a change of Page begins a page";
    EXPECT_EQ(summary(pages[2]), QStringLiteral("F@0")) << "a band that does not fit goes to the next page";
    EXPECT_EQ(summary(pages[3]), QStringLiteral("G@0")) << "E fits after G, but not with the F it keeps";
    EXPECT_EQ(summary(pages[4]), QStringLiteral("E@0 F@100"));
}

TEST_F(ReportEngine, ThePreviewSavesAPdfOrPrintsAndEachFailureGivesOneMessageAndWritesNothing)
{
    const QString saved = m_dir.filePath(QStringLiteral("Saved calendar.pdf"));
    m_user.answer_save_file(saved);
    m_user.answer_save_file(m_dir.filePath(QStringLiteral("missing/folder/x.pdf")));
    m_user.answer_save_file(std::nullopt);
    const QString unprintable = m_dir.filePath("missing/folder/printed.pdf"), printed = m_dir.filePath("printed.pdf");
    for (const QString &pdf : {unprintable, printed}) {
        m_user.answer_printer([pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
    }
    m_user.on_window(QStringLiteral("report_preview"), [](QDialog &window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Calendar preview"));
        EXPECT_EQ(window.geometry().size(), QSize(650, 650));
        const auto *preview = window.findChild<QPrintPreviewWidget *>();
        ASSERT_TRUE(preview);
        EXPECT_EQ(std::tuple(preview->zoomMode(), preview->pageCount()), std::tuple(QPrintPreviewWidget::FitToWidth, 1));
        auto *save = window.findChild<QAction *>(QStringLiteral("save_as_pdf"));
        ASSERT_TRUE(save);
        EXPECT_EQ(save->text(), QStringLiteral("Save as PDF…"));
        for (int answer = 0; answer < 3; ++answer)
            save->trigger();  // saved, cannot be written, cancelled
        // Qt's own Print button of the preview.
        const auto actions = window.findChildren<QAction *>();
        const auto print = std::find_if(actions.begin(), actions.end(),
                                        [](const QAction *action) { return action->text() == u"Print"; });
        ASSERT_NE(print, actions.end());
        (*print)->trigger();  // cannot be printed: the preview stays
        EXPECT_TRUE(window.isVisible());
        (*print)->trigger();  // printed: the preview closes
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_TRUE(run_report(nullptr, m_hand_over));
    EXPECT_EQ(pdf_page_count(saved), 1);
    EXPECT_TRUE(appear_in_order(pdf_text(saved), {"Office \"North\" (February)", "Page 1 of 1"}));
    EXPECT_EQ(pdf_page_count(printed), 1);
    EXPECT_EQ(m_user.printer_titles(), QStringList({"Print Dayvane", "Print Dayvane"}));
    // Taller than the work area: opened as tall as the area, inside it.
    const QRect area = work_area();
    m_hand_over.preview_geometry.setHeight(area.height() + 200);
    m_user.on_window(QStringLiteral("report_preview"), [&](QDialog &window) {
        EXPECT_TRUE(area.contains(window.frameGeometry())) << window.frameGeometry().height();
        window.reject();
    });
    EXPECT_TRUE(run_report(nullptr, m_hand_over));
    EXPECT_EQ(m_user.take_texts(),
              QStringList({QStringLiteral("The PDF file \"%1\" cannot be written.")
                               .arg(m_dir.filePath(QStringLiteral("missing/folder/x.pdf"))),
                           QStringLiteral("The report could not be printed on \"%1\".").arg(unprintable)}));
    const QString bad_definition =
        write_file(m_dir.filePath(QStringLiteral("Bad.rpt")), "page paper=auto\nband A height=5\n  circle x=1\n");
    const QString foreign_data = write_file(m_dir.filePath(QStringLiteral("text.mdb")), QByteArray(4096, 'x'));
    const QString missing = m_dir.filePath("missing.rpt"), no_data = m_dir.filePath("nothing.mdb"),
                  unwritable = m_dir.filePath("no/such/folder/out.pdf"), pdf = m_dir.filePath("never.pdf");
    // A change to the good hand-over, and the message it gives (its start when it ends in a line break).
    const std::pair<std::function<void(ReportHandOver &)>, QString> cases[] = {
        {[&](ReportHandOver &h) { h.definition_file = missing; },
         QStringLiteral("The report definition \"%1\" cannot be found.").arg(missing)},
        {[&](ReportHandOver &h) { h.definition_file = bad_definition; },
         QStringLiteral("The report definition cannot be read:\r\nBad.rpt, line 3: unknown keyword \"circle\"")},
        {[](ReportHandOver &h) { h.selection_formula = QStringLiteral("{T000.Page} == 1"); },
         QStringLiteral("Unreadable selection formula: {T000.Page} == 1")},
        {[&](ReportHandOver &h) { h.data_file = no_data; },
         QStringLiteral("The report data file \"%1\" cannot be found.").arg(no_data)},
        {[&](ReportHandOver &h) { h.data_file = foreign_data; },
         QStringLiteral("The report data cannot be read from \"%1\":\r\n").arg(foreign_data)},
        {[&](ReportHandOver &h) { h.pdf_file = unwritable; },
         QStringLiteral("The PDF file \"%1\" cannot be written.").arg(unwritable)},
        {[](ReportHandOver &h) { h.destination = ReportDestination::Printer; },
         QStringLiteral("No printer was chosen for the report.")},
    };
    for (const auto &[change, message] : cases) {
        ReportHandOver hand_over = m_hand_over;
        hand_over.destination = ReportDestination::PdfFile;
        hand_over.pdf_file = pdf;
        change(hand_over);
        EXPECT_FALSE(run_report(nullptr, hand_over)) << message.toStdString();
        const QStringList texts = m_user.take_texts();
        ASSERT_EQ(texts.size(), 1) << message.toStdString();
        EXPECT_TRUE(message.endsWith(u'\n') ? texts[0].startsWith(message) : texts[0] == message)
            << texts[0].toStdString() << "\n  wanted: " << message.toStdString();
        EXPECT_FALSE(QFile::exists(pdf)) << message.toStdString();
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_dir.filePath(QStringLiteral("printer.pdf")));
    m_hand_over.definition_file = shipped_report(QStringLiteral("Calendar_12.rpt"));
    m_hand_over.data_file = write_report_database(m_dir.path(), year_rows(february(), {}));
    m_hand_over.destination = ReportDestination::Printer;
    m_hand_over.printer = &printer;
    EXPECT_TRUE(run_report(nullptr, m_hand_over));
    EXPECT_EQ(m_user.take_texts(), QStringList());
    EXPECT_EQ(pdf_page_count(printer.outputFileName()), 2);
}

namespace {

// Page breaks, group headers and the band attributes that steer the layout are read as the layout tests show.
const QString kGood = QStringLiteral(R"(# a small report
page paper=Letter orientation=landscape margins=10,12,14,16 width=150
font family="DejaVu Serif" size=8
dayclass 200 fill=#dddddd text=#112233 bold pattern=diagonal

header height=6
  text x=0 y=0 w=50 h=6 value="Page {page} of {pages}, {date}" align=right

band B height=12 keepnext   # the fallback for every B row
  day x=0 y=0 w=10 h=12 field=F0 size=11 valign=top
  line x1=0 y1=12 x2=150 y2=12 width=0.3 colour=#808080 bottom
band B c height=5 skipempty
  text x=2 y=1 w=100 h=4 value="Week {F7}, paid {F26}" italic grow
  box x=0 y=0 w=150 h=5 fill=#eeeeee width=0 stretch
)");

} // namespace

TEST(ReportDefinition, ReadsPageFontClassesBandsAndElementsFindsBandsAndNamesTheFileTheLineAndTheFaultOfAnError)
{
    const DefinitionResult read = parse_report_definition(kGood, QStringLiteral("Test.rpt"));
    ASSERT_TRUE(read.definition) << read.error.toStdString();
    const ReportDefinition &def = *read.definition;
    EXPECT_EQ(std::tuple(def.page.paper, def.page.landscape, def.page.margins, def.page.width),
              std::tuple(PageSetup::Paper::Letter, true, QMarginsF(10, 12, 14, 16), 150));
    EXPECT_EQ(std::tuple(def.day_class(200).fill, def.day_class(200).bold, def.day_class(200).pattern),
              std::tuple(QColor(0xdd, 0xdd, 0xdd), true, int(Qt::BDiagPattern)));
    EXPECT_FALSE(def.day_class(300).fill.isValid()) << "classes not described are plain";
    ASSERT_TRUE(def.page_header);
    EXPECT_FALSE(def.page_footer);
    ASSERT_EQ(def.bands.size(), 2u);
    const ReportBand &weeks = def.bands[0];
    EXPECT_EQ(weeks.height, 12);
    ASSERT_EQ(weeks.elements.size(), 2u);
    const ReportElement &day = weeks.elements[0];
    EXPECT_EQ(std::tuple(day.kind, day.align), std::tuple(ReportElement::Kind::Day, int(Qt::AlignRight | Qt::AlignTop)));
    EXPECT_EQ(std::tuple(day.font.family, day.font.size), std::tuple(QStringLiteral("DejaVu Serif"), 11)) << "the default font";
    EXPECT_TRUE(weeks.elements[1].bottom && weeks.elements[1].x2 == 150);
    const ReportElement &text = def.bands[1].elements[0];
    EXPECT_TRUE(text.font.italic);
    ASSERT_EQ(text.value.parts().size(), 4u);
    EXPECT_EQ(std::tuple(text.value.parts()[0].literal, text.value.parts()[1].field, text.value.parts()[3].field),
              std::tuple(QStringLiteral("Week "), 7, 26));
    EXPECT_EQ(std::tuple(def.bands[1].elements[1].stretch, def.bands[1].elements[1].fill), std::tuple(true, QColor(0xee, 0xee, 0xee)));
    const auto &header = def.page_header->elements[0].value.parts();
    EXPECT_EQ(std::tuple(header[1].field, header[3].field, header[5].field),
              std::tuple(int(TextTemplate::PageNumber), int(TextTemplate::PageCount), int(TextTemplate::PrintDate)));
    // Bands are found by group and subgroup, else by the group alone.
    EXPECT_EQ(std::tuple(def.band_for("B", "c"), def.band_for("B", "a"), def.band_for("B", QString()), def.band_for("C", "c")),
              std::tuple(&def.bands[1], &def.bands[0], &def.bands[0], nullptr));
    // A faulty definition is refused, naming the file, the line and the fault.
    const QString band = QStringLiteral("band A height=5\n");
    const std::pair<QString, const char *> cases[] = {
        {band + "\n  txet x=0 y=0 w=1 h=1 value=a", "line 3: unknown keyword \"txet\""},
        {band + "text x=0 y=1O w=1 h=1 value=a", "line 2: \"1O\" is not a number for y"},
        {band + "text x=0 y=0 w=1 value=a", "line 2: \"h\" is missing"},
        {band + "text x=0 y=0 w=1 h=1 value=a colour=blurple", "line 2: \"blurple\" is not a colour for colour"},
        {band + "text x=0 y=0 w=1 h=1 value=a wrap", "line 2: unknown attribute \"wrap\" for text"},
        {band + "text x=0 y=0 w=1 h=1 field=F27", "line 2: unknown field \"{F27}\""},
        {band + "text x=0 y=0 w=1 h=1 value=\"open", "line 2: unclosed quotation mark"},
        {band + "text x=0 y=0 w=1 h=1", "line 2: text needs a value or a field"},
        {"text x=0 y=0 w=1 h=1 value=a\n", "line 1: text outside a band"},
        {band + "band A height=4", "line 2: band A is defined twice"},
        {"band height=4", "line 1: band needs a group letter"},
        {"band A height=-4", "line 1: \"-4\" is not a number for height"},
        {"page paper=A3\n" + band, "line 1: paper must be auto, A4 or Letter"},
        {"page margins=1,2,x,4\n" + band, "line 1: margins must be one number or four"},
        {"dayclass 150 fill=#fff\n" + band, "line 1: dayclass needs a class code"},
        {"break always\n" + band, "line 1: break must read"},
        {band + "day x=0 y=0 w=1 h=1 field=F1 align=justify", "line 2: align must be"},
        {"# only a comment\n", "Test.rpt: the definition has no band"},
    };
    for (const auto &[bad, error] : cases) {
        const DefinitionResult refused = parse_report_definition(bad, QStringLiteral("Test.rpt"));
        EXPECT_FALSE(refused.definition) << bad.toStdString();
        EXPECT_TRUE(refused.error.startsWith(QStringLiteral("Test.rpt"))) << refused.error.toStdString();
        EXPECT_TRUE(refused.error.contains(QLatin1String(error))) << refused.error.toStdString() << "\n  wanted: " << error;
    }
}

TEST(SelectionFormula, ReadsThePageFormsAndTheEmptyTextAndRefusesAnythingElse)
{
    const std::pair<QString, std::optional<int>> pages[] = {
        {"{T000.Page} = 1", 1}, {"{T000.Page}=2", 2},      {"  { T000 . Page }   =   12  ", 12},
        {"{T000.Page} = -3", -3}, {QString(), std::nullopt}, {"   ", std::nullopt}};
    for (const auto &[text, page] : pages) {
        const SelectionResult read = parse_selection_formula(text);
        ASSERT_TRUE(read.formula) << text.toStdString() << ": " << read.error.toStdString();
        EXPECT_EQ(read.formula->page, page) << text.toStdString();
        EXPECT_TRUE(read.error.isEmpty());
    }
    for (const char *text : {"{T000.Page} =", "{T000.Page} = x", "Page = 1", "{T000.Page} > 1", "{T000.Group} = 1",
                             "{T000.Page} = 1 and", "{T000.Page} = 1.5", "{T000.Page = 1", "{T000.Page} = 99999999999"}) {
        const SelectionResult read = parse_selection_formula(QLatin1String(text));
        EXPECT_FALSE(read.formula) << text;
        EXPECT_EQ(read.error, QStringLiteral("Unreadable selection formula: ") + QLatin1String(text));
    }
}
