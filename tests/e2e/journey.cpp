// A newcomer's whole journey through the real dayvane program, driven from
// inside it. The program loads this module when DAYVANE_AUTOMATION names it
// (see src/main.cpp); the module stands in for the user through the
// interaction seam from the first question on, runs one GoogleTest case
// once the program has started, and lets the program end as the user's
// "Close" ends it. Everything asserted is what the windows show.
//
// The module links Qt and GoogleTest only: the program's own functions
// (set_interaction, ...) come from the executable itself, so there is one
// copy of the program's state. run-journey starts the program twice under
// a virtual X server: "first" (no settings file yet) and "again".

#include "journeydriver.h"
#include "pdftools.h"
#include "scriptedinteraction.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace dayvane;
using namespace dayvane::e2e;
using dayvane::test::ScriptedInteraction;
using dayvane::test::pdf_text;

namespace {

QMainWindow *g_main = nullptr;
// Installed before the program starts, so it answers the start-up question;
// the test case ends it, so that scripted answers left over fail the case.
std::unique_ptr<ScriptedInteraction> g_user;

const QString kAskDatabase = QStringLiteral("The application requires the location of the Corvantelle database "
                                            "(QZBD.mdb).\r\nDo you want to select the database location now?");
const QString kCalendar = QStringLiteral("Head Office");
const QString kCountry = QStringLiteral("United States (federal)");
const QString kHoliday = QStringLiteral("Thanksgiving");

// The demo database holds last year and this year; the journey works in
// November of this year, where the holiday lists have Thanksgiving.
int journey_year()
{
    return QDate::currentDate().year();
}

// The day the user edits, and the date that comes back on the second start.
QDate second_monday_of_november()
{
    QDate date(journey_year(), 11, 1);
    while (date.dayOfWeek() != Qt::Monday)
        date = date.addDays(1);
    return date.addDays(7);
}

QDate thanksgiving()
{
    QDate date(journey_year(), 11, 1);
    while (date.dayOfWeek() != Qt::Thursday)
        date = date.addDays(1);
    return date.addDays(21);
}

QString editor_date(QDate date)
{
    return date.toString(QStringLiteral("MM-dd-yyyy"));
}

class Journey : public ::testing::Test
{
protected:
    void TearDown() override { g_user.reset(); }

    QWidget &main() { return *g_main; }
    ScriptedInteraction &user() { return *g_user; }
    QString label(const char *name) { return label_text(main(), QString::fromLatin1(name)); }
    QString caption() { return label("lbl_calendar_name"); }
    QCalendarWidget *calendar() { return main().findChild<QCalendarWidget *>(QStringLiteral("calendar")); }
    QTableWidget *events() { return main().findChild<QTableWidget *>(QStringLiteral("calendar_event_dates_grid")); }

    // Steps the month view with its arrow buttons to `month_name`.
    void go_to_month(int month, const QString &month_name)
    {
        for (int step = 0; step < 12 && month_shown(main()) != month_name; ++step) {
            const bool forward = calendar()->monthShown() < month;
            auto *button = main().findChild<QToolButton *>(forward ? QStringLiteral("next_month")
                                                                   : QStringLiteral("previous_month"));
            ASSERT_NE(button, nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        ASSERT_EQ(month_shown(main()), month_name);
    }

    // Opens the report preview with `command` and saves it as `pdf`.
    void preview_and_save(const QString &command, const QString &pdf, const QString &step)
    {
        user().answer_save_file(pdf);
        user().on_window(QStringLiteral("report_preview"), [&](QDialog &preview) {
            snap(step);
            auto *save = preview.findChild<QAction *>(QStringLiteral("save_as_pdf"));
            ASSERT_NE(save, nullptr);
            save->trigger();
            preview.reject();
        });
        run_node(main(), command);
        EXPECT_TRUE(QFileInfo(pdf).size() > 0) << pdf.toStdString();
    }

    void close_answering_yes()
    {
        user().answer_yes_no(true);
        run_node(main(), QStringLiteral("close"));
        EXPECT_FALSE(main().isVisible());
        ASSERT_FALSE(user().shown().empty());
        EXPECT_EQ(user().shown().back().title, QStringLiteral("QZ Calendar"));
        EXPECT_EQ(user().take_texts(), QStringList{QStringLiteral("Close Calendar application?")});
    }
};

// Opens the time-entry frame on `row` of the editor's grid with Enter, types
// the period and accepts it with Enter.
void enter_period(QDialog &editor, int row, const QString &start, const QString &end)
{
    auto *grid = editor.findChild<QTableWidget *>(QStringLiteral("grid"));
    ASSERT_NE(grid, nullptr);
    grid->setFocus();
    grid->setCurrentCell(row, 0);
    QTest::keyClick(grid, Qt::Key_Return);
    auto *frame = editor.findChild<QFrame *>(QStringLiteral("frame"));
    ASSERT_TRUE(frame && frame->isVisible());
    type_into(editor, QStringLiteral("start_time"), start);
    type_into(editor, QStringLiteral("end_time"), end);
    auto *work = editor.findChild<QCheckBox *>(QStringLiteral("work"));
    ASSERT_NE(work, nullptr);
    if (!work->isChecked())
        QTest::keyClick(work, Qt::Key_Space);
    QTest::keyClick(editor.findChild<QLineEdit *>(QStringLiteral("end_time")), Qt::Key_Return);
    EXPECT_FALSE(frame->isVisible());
}

// Ticks exactly the weekday boxes in `days` (1 Sunday .. 7 Saturday) with
// the space bar.
void tick_weekdays(QDialog &editor, std::initializer_list<int> days)
{
    for (QCheckBox *box : editor.findChildren<QCheckBox *>(QStringLiteral("weekdays"))) {
        const bool wanted = std::find(days.begin(), days.end(), box->property("index").toInt()) != days.end();
        if (box->isChecked() != wanted)
            QTest::keyClick(box, Qt::Key_Space);
        EXPECT_EQ(box->isChecked(), wanted) << box->text().toStdString();
    }
}

} // namespace

TEST_F(Journey, FirstRun)
{
    const int year = journey_year();
    const QDate monday = second_monday_of_november();
    const QString home = settings().home;

    // 1. No settings file yet: the program asks for its database, which the
    // user picks in the file dialog.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    snap(QStringLiteral("first-start"));
    EXPECT_EQ(user().take_texts(), QStringList{kAskDatabase});
    EXPECT_EQ(caption(), QStringLiteral("No calendar loaded"));

    // 2. A calendar of the demo, opened from the calendar list with Enter.
    user().on_window(QStringLiteral("calendar_list"), [&](QDialog &list) {
        snap(QStringLiteral("calendar-list"));
        auto *grid = list.findChild<QTableWidget *>(QStringLiteral("grid"));
        ASSERT_NE(grid, nullptr);
        int row = 0;
        while (row < grid->rowCount()
               && !(cell_text(grid, row, 0) == kCalendar && cell_text(grid, row, 1) == QString::number(year)))
            ++row;
        ASSERT_LT(row, grid->rowCount()) << "no row " << kCalendar.toStdString() << " " << year;
        grid->setCurrentCell(row, 0);
        QTest::keyClick(grid, Qt::Key_Return);
        EXPECT_FALSE(list.isVisible());
    });
    run_node(main(), QStringLiteral("open_calendar_list"));
    EXPECT_EQ(caption(), QStringLiteral("%1 / %2").arg(kCalendar).arg(year));
    EXPECT_TRUE(user().take_texts().isEmpty());
    go_to_month(11, QStringLiteral("November"));
    click_date(main(), monday);
    EXPECT_EQ(calendar()->selectedDate(), monday);
    // An ordinary office Monday of the demo: 8:00 to 12:00 and 12:30 to 16:30.
    EXPECT_EQ(label("lbl_work_time"), QStringLiteral("8h 0m"));
    const int month_work = minutes_of(label("lbl_month_work_total_time"));
    const int month_pay = minutes_of(label("lbl_month_pay_time"));
    ASSERT_GT(month_work, 0) << label("lbl_month_work_total_time").toStdString();
    snap(QStringLiteral("calendar-opened"));

    // 3. A double click on the date opens the editor; the new day goes to the
    // Mondays and Wednesdays of two weeks, with the system password that the
    // demo's unowned calendars ask for.
    user().on_window(QStringLiteral("calendar_edit"), [&](QDialog &editor) {
        QApplication::setActiveWindow(&editor);
        enter_period(editor, 0, QStringLiteral("7:00 am"), QStringLiteral("12:00 pm"));
        enter_period(editor, 1, QStringLiteral("12:30 pm"), QStringLiteral("5:00 pm"));
        EXPECT_EQ(label_text(editor, QStringLiteral("work_time")), QStringLiteral("9hrs 30min"));
        retype(editor, QStringLiteral("start_date"), editor_date(monday));
        retype(editor, QStringLiteral("end_date"), editor_date(monday.addDays(11)));
        tick_weekdays(editor, {2, 4});
        EXPECT_EQ(label_text(editor, QStringLiteral("work_time_range")), QStringLiteral("38hrs 0min"));
        snap(QStringLiteral("editor"));
        user().answer_yes_no(true);
        user().on_window(QStringLiteral("system_password"), [&](QDialog &password) {
            snap(QStringLiteral("system-password"));
            type_into(password, QStringLiteral("password"), settings().system_password, 0);
            run_node(password, QStringLiteral("accept_password"), 0);
        });
        run_node(editor, QStringLiteral("save_calendar"));
        EXPECT_FALSE(editor.isVisible());
    });
    click_date(main(), monday, true);
    EXPECT_EQ(user().take_texts(),
              QStringList({QStringLiteral("Override calendar?"),
                           QStringLiteral("The system password will remain active until the application \r\n"
                                          "is closed or the password is cleared.")}));
    // Four days, each 1h 30m longer.
    EXPECT_EQ(label("lbl_month_work_total_time"), duration_text(month_work + 4 * 90));
    EXPECT_EQ(label("lbl_month_pay_time"), duration_text(month_pay + 4 * 90));
    EXPECT_EQ(label("lbl_work_time"), QStringLiteral("9h 30m"));
    EXPECT_EQ(calendar()->selectedDate(), monday);
    snap(QStringLiteral("saved"));

    // 4. The holiday list from the web server: Thanksgiving, paid and not
    // worked, applied to the calendar.
    const int pay_only_days = label("lbl_month_no_work_pay_only_days").split(u' ').value(0).toInt();
    user().on_window(QStringLiteral("holiday_listing"), [&](QDialog &holidays) {
        QTreeWidgetItem *node = menu_node_by_text(holidays, QString::number(year), kCountry);
        ASSERT_NE(node, nullptr) << "no " << kCountry.toStdString() << " / " << year;
        run_node(holidays, node->data(0, Qt::UserRole).toString());
        EXPECT_EQ(label_text(holidays, QStringLiteral("lbl_selection")), QStringLiteral("%1 / %2").arg(kCountry).arg(year));
        auto *grid = holidays.findChild<QTableWidget *>(QStringLiteral("grid"));
        const int row = row_with(grid, 4, kHoliday);
        ASSERT_GE(row, 0);
        EXPECT_EQ(cell_text(grid, row, 3), thanksgiving().toString(QStringLiteral("MMM-dd")));
        click_cell(grid, row, 1);
        snap(QStringLiteral("holidays"));
        run_node(holidays, QStringLiteral("apply"));
        EXPECT_FALSE(holidays.isVisible());
    });
    run_node(main(), QStringLiteral("holiday_listing"));
    EXPECT_TRUE(user().take_texts().isEmpty());
    const int row = row_with(events(), 1, kHoliday);
    ASSERT_GE(row, 0) << "the holiday is not in the event list";
    EXPECT_EQ(cell_text(events(), row, 0), thanksgiving().toString(QStringLiteral("MMM-dd")));
    EXPECT_EQ(cell_text(events(), row, 2), QStringLiteral("0h 0m"));
    EXPECT_EQ(cell_text(events(), row, 3), QStringLiteral("8h 0m"));
    EXPECT_EQ(label("lbl_month_work_total_time"), duration_text(month_work + 4 * 90 - 8 * 60));
    EXPECT_EQ(label("lbl_month_no_work_pay_only_days").split(u' ').value(0).toInt(), pay_only_days + 1);
    snap(QStringLiteral("holiday-applied"));

    // 5. The month report and the twelve-month calendar, previewed and saved
    // as PDF from the preview.
    const QString month_pdf = QDir(home).filePath(QStringLiteral("november.pdf"));
    preview_and_save(QStringLiteral("preview_calendar_1_month"), month_pdf, QStringLiteral("month-preview"));
    const QString month_text = pdf_text(month_pdf);
    EXPECT_TRUE(month_text.contains(QStringLiteral("%1 (November)").arg(kCalendar))) << month_text.toStdString();
    EXPECT_TRUE(month_text.contains(kHoliday)) << month_text.toStdString();

    const QString year_pdf = QDir(home).filePath(QStringLiteral("year.pdf"));
    preview_and_save(QStringLiteral("preview_calendar_12_month_part_1"), year_pdf, QStringLiteral("year-preview"));
    const QString year_text = pdf_text(year_pdf);
    EXPECT_TRUE(year_text.contains(QStringLiteral("%1 (%2)").arg(kCalendar).arg(year))) << year_text.toStdString();
    for (const char *month : {"January", "June", "November", "December"})
        EXPECT_TRUE(year_text.contains(QLatin1String(month))) << month;
    EXPECT_TRUE(user().take_texts().isEmpty());

    // 6. Closed with Yes to the question; the program then ends by itself.
    click_date(main(), monday);
    close_answering_yes();
}

TEST_F(Journey, SecondRunComesBackWhereItWasLeft)
{
    // 7. No question this time: the same calendar, month and date, with the
    // saved day and the holiday read back from the database.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    snap(QStringLiteral("second-start"));
    EXPECT_TRUE(user().take_texts().isEmpty());
    EXPECT_EQ(caption(), QStringLiteral("%1 / %2").arg(kCalendar).arg(journey_year()));
    EXPECT_EQ(calendar()->selectedDate(), second_monday_of_november());
    EXPECT_EQ(month_shown(main()), QStringLiteral("November"));
    EXPECT_EQ(label("lbl_work_time"), QStringLiteral("9h 30m"));
    EXPECT_GE(row_with(events(), 1, kHoliday), 0);
    close_answering_yes();
}

// The entry point the program calls before it starts.
extern "C" Q_DECL_EXPORT void dayvane_automation(QMainWindow *main_window)
{
    g_main = main_window;
    g_user = std::make_unique<ScriptedInteraction>();
    const bool first = settings().phase == QLatin1String("first");
    if (first) {
        g_user->answer_yes_no(true);
        g_user->answer_file(settings().database);
    }
    QTimer::singleShot(0, main_window, [first] {
        static int argc = 1;
        static char program[] = "dayvane";
        static char *argv[] = {program, nullptr};
        ::testing::InitGoogleTest(&argc, argv);
        GTEST_FLAG_SET(filter, first ? "Journey.FirstRun" : "Journey.SecondRunComesBackWhereItWasLeft");
        if (!first && settings().phase != QLatin1String("again")) {
            std::fprintf(stderr, "DAYVANE_E2E_PHASE must be \"first\" or \"again\"\n");
            std::_Exit(2);
        }
        if (RUN_ALL_TESTS() != 0) {
            // Ends at once: a quit already queued by the closed window would
            // otherwise turn the failure into exit code 0.
            std::fflush(stdout);
            std::fflush(stderr);
            std::_Exit(1);
        }
        // On success the closed main window has ended the event loop.
    });
}
