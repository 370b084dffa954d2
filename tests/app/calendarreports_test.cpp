// The report commands of the main window, through the real window, the
// report database and the report engine, down to the PDF.
#include "app/calendarwindow.h"
#include "pdftools.h"
#include "printing/engine/reportdata.h"
#include "scriptedinteraction.h"
#include "store/database.h"
#include "testdatabase.h"
#include "ui_common/appstate.h"
#include "windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace dayvane;
using namespace dayvane::test;

namespace {

constexpr auto kTypical = "y@480>720+y@780>1020";

class CalendarReports : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app_state() = AppState();
        qputenv("DAYVANE_HOME", home.path().toUtf8());
        qputenv("DAYVANE_WEB_HOST", "127.0.0.1:9");
        for (const char *name : {"Calendar.rpt", "Calendar_12.rpt"}) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(DAYVANE_REPORTS_DIR "/") + QLatin1String(name),
                                    home.filePath(QLatin1String(name))));
        }
        Database &db = database.db();
        db.exec(QStringLiteral("INSERT INTO calendars (Name) VALUES ('Office');"));
        calendar = db.last_insert_id();
        db.exec(QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (%1, 2026);").arg(calendar));
        const qint64 year = db.last_insert_id();
        for (QDate date(2026, 2, 2); date.month() == 2; date = date.addDays(1)) {
            if (date.dayOfWeek() < 6)
                insert_day(db, calendar, year, date.toString(Qt::ISODate), kTypical, 480, 480);
        }
        insert_day(db, calendar, year, QStringLiteral("2026-02-14"), QStringLiteral("y@420>720"), 300, 300,
                   QStringLiteral("Stocktaking"));
        insert_day(db, calendar, year, QStringLiteral("2026-09-07"), QStringLiteral("n@480>1020"), 0, 480,
                   QStringLiteral("Labour Day"));
        database.close();

        QFile ini(home.filePath(QStringLiteral("QZ.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[DB path]=%1\r\n[View index]=%2\r\n[Calendar date]=2/10/2026\r\n")
                      .arg(database.path())
                      .arg(calendar)
                      .toUtf8());
        ini.close();
        window.start();
        ASSERT_TRUE(app_state().calendar_loaded);
    }
    void TearDown() override
    {
        app_state() = AppState();
        qunsetenv("DAYVANE_HOME");
        qunsetenv("DAYVANE_WEB_HOST");
    }

    std::vector<ReportRow> report_rows()
    {
        Database db = Database::open(home.filePath(QStringLiteral("QZX.mdb")), QByteArray());
        return read_report_rows(db);
    }
    QString label(const char *name) const { return window.findChild<QLabel *>(QLatin1String(name))->text(); }
    QString week_label(const char *array, int index) const
    {
        for (const QLabel *found : window.findChildren<QLabel *>(QLatin1String(array))) {
            if (found->property("index").toInt() == index)
                return found->text();
        }
        return QStringLiteral("<missing>");
    }
    // Prints to a PDF file instead of a printer.
    void print_to(const QString &pdf)
    {
        user.answer_printer([pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
    }

    QTemporaryDir home{QDir::current().absoluteFilePath(QStringLiteral("home-XXXXXX"))};
    TestDatabase database;
    qint64 calendar = 0;
    ScriptedInteraction user;
    CalendarWindow window;
};

} // namespace

TEST_F(CalendarReports, ThePreviewOfTheMonthShowsWhatTheWindowShowsAndSavesAsPdf)
{
    const QString pdf = home.filePath(QStringLiteral("month.pdf"));
    user.answer_save_file(pdf);
    QString title;
    user.on_window(QStringLiteral("report_preview"), [&](QDialog &preview) {
        title = preview.windowTitle();
        auto *save = preview.findChild<QAction *>(QStringLiteral("save_as_pdf"));
        ASSERT_NE(save, nullptr);
        save->trigger();
        preview.reject();
    });
    window.run_command(QStringLiteral("preview_calendar_1_month"));
    EXPECT_EQ(title, QStringLiteral("Calendar preview"));

    const auto rows = report_rows();
    ASSERT_GT(rows.size(), 18u);
    EXPECT_EQ(rows[0].fields[0], QStringLiteral("Office (February)"));
    EXPECT_EQ(rows[3].fields[7], week_label("work_week", 3));
    EXPECT_EQ(rows[3].fields[8], week_label("pay_week", 3));
    EXPECT_EQ(rows[3].fields[7], QStringLiteral("45h 0m"));
    EXPECT_EQ(rows[8].fields[1], label("lbl_month_work_typical_days"));
    EXPECT_EQ(rows[8].fields[4], label("lbl_year_work_typical_time"));

    const QString text = pdf_text(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Office (February)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Stocktaking")));
    EXPECT_LT(text.indexOf(QStringLiteral("Office (February)")), text.indexOf(QStringLiteral("Stocktaking")));
    EXPECT_EQ(pdf_page_count(pdf), 1);
}

TEST_F(CalendarReports, PrintingTheYearAsksForThePrinterAndPrintsThePartChosen)
{
    const QString events_only = home.filePath(QStringLiteral("events.pdf"));
    print_to(events_only);
    window.run_command(QStringLiteral("print_calendar_12_month_part_2"));
    EXPECT_EQ(user.printer_titles(), QStringList{QStringLiteral("Print Dayvane")});
    // Part 2 alone still writes the calendar part; the formula picks the page.
    const auto rows = report_rows();
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const ReportRow &r) { return r.page == 1; }));
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const ReportRow &r) { return r.page == 2; }));
    const QString events = pdf_text(events_only);
    EXPECT_TRUE(events.contains(QStringLiteral("Events (All commented dates)"))) << events.toStdString();
    EXPECT_TRUE(events.contains(QStringLiteral("Labour Day")));
    EXPECT_FALSE(events.contains(QStringLiteral("September")));

    const QString both = home.filePath(QStringLiteral("both.pdf"));
    print_to(both);
    window.run_command(QStringLiteral("print_calendar_12_month_part_1_2"));
    EXPECT_EQ(pdf_page_count(both), 2);
    const QString text = pdf_text(both);
    EXPECT_TRUE(text.contains(QStringLiteral("Office (2026)")));
    EXPECT_LT(text.indexOf(QStringLiteral("September")), text.indexOf(QStringLiteral("Labour Day")));

    // A cancelled print dialog prints nothing and says nothing, but the rows
    // of the month are written.
    user.answer_printer([](QPrinter &) { return false; });
    window.run_command(QStringLiteral("print_calendar_1_month"));
    EXPECT_EQ(report_rows().front().fields[0], QStringLiteral("Office (February)"));
    EXPECT_TRUE(user.take_texts().isEmpty());

    // Renamed in the calendar list while open: both reports take the new name.
    user.on_window(QStringLiteral("calendar_list"), [](QDialog &list) {
        run_node(list, QStringLiteral("rename"));
        auto *name = list.findChild<QLineEdit *>(QStringLiteral("txt_rename"));
        name->setText(QStringLiteral("Depot"));
        QTest::keyClick(name, Qt::Key_Return);
        list.reject();
    });
    window.run_command(QStringLiteral("open_calendar_list"));
    for (const char *command : {"print_calendar_1_month", "print_calendar_12_month_part_1"}) {
        user.answer_printer([](QPrinter &) { return false; });
        window.run_command(QLatin1String(command));
        EXPECT_TRUE(report_rows().front().fields[0].startsWith(QStringLiteral("Depot ("))) << command;
    }
}

TEST_F(CalendarReports, AStaleCalendarOrAMissingDefinitionStopsWithAMessage)
{
    // Another workstation changed the calendar: nothing is written or shown.
    app_state().database->exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
    window.run_command(QStringLiteral("preview_calendar_12_month_part_1"));
    EXPECT_TRUE(user.take_texts().join(u'\n').contains(QStringLiteral("Calendar is out of date.")));
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("QZX.mdb"))));

    window.run_command(QStringLiteral("reload_calendar"));
    ASSERT_TRUE(QFile::remove(home.filePath(QStringLiteral("Calendar.rpt"))));
    window.run_command(QStringLiteral("preview_calendar_1_month"));
    const QString message = user.take_texts().join(u'\n');
    EXPECT_TRUE(message.contains(QStringLiteral("Calendar.rpt"))) << message.toStdString();
}
