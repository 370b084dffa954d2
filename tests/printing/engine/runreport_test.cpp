#include "pdftools.h"
#include "printing/engine/reportengine.h"
#include "printingfixture.h"
#include "scriptedinteraction.h"
#include "ui_common/geometry.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace dayvane;
using namespace dayvane::test;

namespace {

class RunReport : public ::testing::Test
{
protected:
    RunReport()
    {
        m_hand_over.definition_file = shipped_report(QStringLiteral("Calendar.rpt"));
        m_hand_over.data_file = write_report_database(m_dir.path(), month_rows(february(), 0));
    }

    QTemporaryDir m_dir;
    ScriptedInteraction m_user;
    ReportHandOver m_hand_over;
};

} // namespace

TEST_F(RunReport, WritesAPdfFileOrPrintsAndEachFailureGivesOneMessageAndWritesNothing)
{
    m_hand_over.destination = ReportDestination::PdfFile;
    m_hand_over.pdf_file = m_dir.filePath(QStringLiteral("out.pdf"));
    EXPECT_TRUE(run_report(nullptr, m_hand_over));
    EXPECT_EQ(pdf_page_count(m_hand_over.pdf_file), 1);

    const QString bad_definition =
        write_file(m_dir.filePath(QStringLiteral("Bad.rpt")), "page paper=auto\nband A height=5\n  circle x=1\n");
    const QString foreign_data = write_file(m_dir.filePath(QStringLiteral("text.mdb")), QByteArray(4096, 'x'));
    const QString missing = m_dir.filePath(QStringLiteral("missing.rpt"));
    const QString no_data = m_dir.filePath(QStringLiteral("nothing.mdb"));
    const QString unwritable = m_dir.filePath(QStringLiteral("no/such/folder/out.pdf"));
    const QString pdf = m_dir.filePath(QStringLiteral("never.pdf"));
    // A change to the good hand-over, and the message it gives (its start
    // when it ends in a line break).
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
        hand_over.pdf_file = pdf;
        change(hand_over);
        EXPECT_FALSE(run_report(nullptr, hand_over)) << message.toStdString();
        const QStringList texts = m_user.take_texts();
        ASSERT_EQ(texts.size(), 1) << message.toStdString();
        if (message.endsWith(u'\n'))
            EXPECT_TRUE(texts[0].startsWith(message)) << texts[0].toStdString();
        else
            EXPECT_EQ(texts[0], message);
        EXPECT_FALSE(QFile::exists(pdf)) << message.toStdString();
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_dir.filePath(QStringLiteral("printed.pdf")));
    m_hand_over.definition_file = shipped_report(QStringLiteral("Calendar_12.rpt"));
    m_hand_over.data_file = write_report_database(m_dir.path(), year_rows(february(), {}));
    m_hand_over.destination = ReportDestination::Printer;
    m_hand_over.printer = &printer;
    EXPECT_TRUE(run_report(nullptr, m_hand_over));
    EXPECT_EQ(m_user.take_texts(), QStringList());
    EXPECT_EQ(pdf_page_count(printer.outputFileName()), 2);
}

TEST_F(RunReport, ThePreviewSavesAPdfOfTheReportOrPrintsIt)
{
    const QString saved = m_dir.filePath(QStringLiteral("Saved calendar.pdf"));
    m_user.answer_save_file(saved);
    m_user.answer_save_file(m_dir.filePath(QStringLiteral("missing/folder/x.pdf")));
    m_user.answer_save_file(std::nullopt);
    const QString unprintable = m_dir.filePath(QStringLiteral("missing/folder/printed.pdf"));
    const QString printed = m_dir.filePath(QStringLiteral("printed.pdf"));
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
        EXPECT_EQ(preview->zoomMode(), QPrintPreviewWidget::FitToWidth);
        EXPECT_EQ(preview->pageCount(), 1);
        auto *save = window.findChild<QAction *>(QStringLiteral("save_as_pdf"));
        ASSERT_TRUE(save);
        EXPECT_EQ(save->text(), QStringLiteral("Save as PDF…"));
        save->trigger();  // saved
        save->trigger();  // cannot be written
        save->trigger();  // cancelled
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
}
