// The report commands of the main window, through the real window, the
// report database and the report engine, down to the PDF.
#include "mainwindowtest.h"
#include "pdftools.h"
#include "printing/engine/reportdata.h"
#include "store/database.h"
#include "store/databaseid.h"
#include "ui_common/menutree.h"

#include <QAction>
#include <QPrinter>

#include <algorithm>

using namespace dayvane;
using namespace dayvane::test;

namespace {

class CalendarReports : public MainWindowTest
{
protected:
    void SetUp() override
    {
        for (const char *name : {"Calendar.rpt", "Calendar_12.rpt"}) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(DAYVANE_REPORTS_DIR "/") + QLatin1String(name),
                                    home.filePath(QLatin1String(name))));
        }
        start_on(filled.office, QStringLiteral("1/10/2024"));
        ASSERT_TRUE(app_state().calendar_loaded);
    }
    std::vector<ReportRow> report_rows()
    {
        Database db = Database::open(home.filePath(QStringLiteral("QZX.mdb")), QByteArray());
        return read_report_rows(db);
    }
    // Runs the print `command` into the PDF file `pdf` instead of a printer
    // (no name: the print dialog is cancelled); returns the rows written.
    std::vector<ReportRow> print(const char *command, const QString &pdf = QString())
    {
        user.answer_printer([pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return !pdf.isEmpty();
        });
        window.run_command(QLatin1String(command));
        return report_rows();
    }
};

} // namespace

TEST_F(CalendarReports, PreviewPrintingAndExportShowWhatTheWindowShowsInThePartOrFileChosenUnlessStaleOrWithoutDefinition)
{
    const QString pdf = home.filePath(QStringLiteral("month.pdf"));
    user.answer_save_file(pdf);
    user.on_window(QStringLiteral("report_preview"), [&](QDialog &preview) {
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Calendar preview"));
        auto *save = preview.findChild<QAction *>(QStringLiteral("save_as_pdf"));
        ASSERT_NE(save, nullptr);
        save->trigger();
    });
    window.run_command(QStringLiteral("preview_calendar_1_month"));
    const auto rows = report_rows();
    ASSERT_GT(rows.size(), 18u);
    EXPECT_EQ(rows[0].fields[0], QStringLiteral("Office (January)"));
    // The first week's work and pay, with 31 December of the year before.
    EXPECT_EQ(QStringList({rows[1].fields[7], rows[1].fields[8]}), QStringList({"21h 0m", "29h 0m"}));
    EXPECT_EQ(rows[8].fields[1], text("lbl_month_work_typical_days"));
    EXPECT_EQ(rows[8].fields[4], text("lbl_year_work_typical_time"));
    EXPECT_TRUE(pdf_text(pdf).contains(QStringLiteral("Team day")));
    // Another workstation changed the calendar: nothing is written or shown.
    ASSERT_TRUE(QFile::remove(home.filePath(QStringLiteral("QZX.mdb"))));
    app_state().database->exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
    window.run_command(QStringLiteral("preview_calendar_12_month_part_1"));
    EXPECT_TRUE(user.take_texts().join(u'\n').contains(QStringLiteral("Calendar is out of date.")));
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("QZX.mdb"))));
    window.run_command(QStringLiteral("reload_calendar"));
    const QString events_only = home.filePath(QStringLiteral("events.pdf"));
    // The event list alone still writes the calendar rows; the formula picks the page.
    const auto event_rows = print("print_calendar_12_month_part_2", events_only);
    EXPECT_EQ(user.printer_titles(), QStringList{QStringLiteral("Print Dayvane")});
    for (const int page : {1, 2})
        EXPECT_TRUE(std::any_of(event_rows.begin(), event_rows.end(), [page](const ReportRow &r) { return r.page == page; })) << page;
    const QString events = pdf_text(events_only);
    EXPECT_TRUE(events.contains(QStringLiteral("Events (All commented dates)"))) << events.toStdString();
    EXPECT_TRUE(events.contains(QStringLiteral("Ides")));
    EXPECT_FALSE(events.contains(QStringLiteral("March")));
    const QString both = home.filePath(QStringLiteral("both.pdf"));
    const auto year_rows = print("print_calendar_12_month_part_1_2", both);
    EXPECT_EQ(pdf_page_count(both), 2);
    const QString text = pdf_text(both);
    EXPECT_TRUE(text.contains(QStringLiteral("Office (2024)")));
    EXPECT_LT(text.indexOf(QStringLiteral("March")), text.indexOf(QStringLiteral("Ides")));
    // The typical day's two periods, side by side in one row of four.
    EXPECT_TRUE(std::any_of(year_rows.begin(), year_rows.end(), [](const ReportRow &r) {
        return r.fields[0] == u"08:00 AM..12:00 PM (4h 0m Wrk)" && r.fields[1] == u"01:00 PM..05:00 PM (4h 0m Wrk)";
    }));
    // A cancelled print dialog prints nothing and says nothing, but the rows of the month are written.
    EXPECT_EQ(print("print_calendar_1_month").front().fields[0], QStringLiteral("Office (January)"));
    EXPECT_TRUE(user.take_texts().isEmpty());
    // Export has a heading of its own with a node for each kind of file.
    const QTreeWidgetItem *heading = find_menu_node(window.findChild<QTreeWidget *>(QStringLiteral("menu_tree")),
                                                    QStringLiteral("export"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(0), QStringLiteral("Export"));
    struct Case { const char *command, *node_text, *file, *expected; };
    for (const Case &c : {Case{"export_ics", "iCalendar file (.ics)", "office.ics", "SUMMARY:Team day\r\n"},
                          Case{"export_csv", "CSV file (.csv)", "office.csv", "2024-03-15,Friday,Typical workday,"},
                          Case{"export_csv_semicolon", "CSV file for spreadsheets using ; (.csv)", "office-semicolon.csv",
                               "2024-03-15;Friday;Typical workday;"}}) {
        EXPECT_EQ(find_menu_node(heading->treeWidget(), QLatin1String(c.command))->text(0), QLatin1String(c.node_text));
        const QString path = home.filePath(QLatin1String(c.file));
        user.answer_save_file(path);
        run_node(window, QLatin1String(c.command));
        EXPECT_TRUE(read_file(path).contains(c.expected)) << c.command;
        // Cancelled: nothing said; a folder that is not there: said.
        user.answer_save_file(std::nullopt);
        window.run_command(QLatin1String(c.command));
        EXPECT_TRUE(user.take_texts().isEmpty());
        user.answer_save_file(home.filePath(QStringLiteral("missing/") + QLatin1String(c.file)));
        window.run_command(QLatin1String(c.command));
        EXPECT_TRUE(user.take_texts().join(u'\n').contains(QStringLiteral("could not be written"))) << c.command;
    }
    // A database from before its id gets one at its first export, into the events' UIDs.
    app_state().database->exec(QStringLiteral("DROP TABLE database_identity;"));
    // Renamed in the calendar list while open: both reports and the exported events take the new name.
    rename_in_list(QStringLiteral("Office"), 2024, QStringLiteral("Depot"));
    for (const char *command : {"print_calendar_1_month", "print_calendar_12_month_part_1"})
        EXPECT_TRUE(print(command).front().fields[0].startsWith(QStringLiteral("Depot ("))) << command;
    user.answer_save_file(home.filePath(QStringLiteral("depot.ics")));
    window.run_command(QStringLiteral("export_ics"));
    const QByteArray depot = read_file(home.filePath(QStringLiteral("depot.ics")));
    EXPECT_TRUE(depot.contains("SUMMARY:Work (Depot)\r\n"));
    EXPECT_TRUE(depot.contains("-" + read_database_id(*app_state().database).value_or("none").toLatin1() + "@dayvane\r\n"));
    // Another workstation changed the calendar: no file is asked for.
    app_state().database->exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
    window.run_command(QStringLiteral("export_csv"));
    EXPECT_TRUE(user.take_texts().join(u'\n').contains(QStringLiteral("Calendar is out of date.")));
    // Without its definition a report says which one is missing.
    window.run_command(QStringLiteral("reload_calendar"));
    ASSERT_TRUE(QFile::remove(home.filePath(QStringLiteral("Calendar.rpt"))));
    window.run_command(QStringLiteral("preview_calendar_1_month"));
    const QString message = user.take_texts().join(u'\n');
    EXPECT_TRUE(message.contains(QStringLiteral("Calendar.rpt"))) << message.toStdString();
}
