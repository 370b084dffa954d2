// A newcomer's whole journey through the real dayvane program, driven from
// inside it: the program loads this module when DAYVANE_AUTOMATION names it
// (see src/main.cpp). It answers as the user through the interaction seam
// from the first question on, runs one GoogleTest case once the program has
// started and asserts only what the windows show. The program's own functions
// come from the executable, so there is one copy of the program's state.
// run-journey starts the program twice: "first" (no settings file, or one
// naming only the database server) and "again".

#include "pdftools.h"
#include "scriptedinteraction.h"
#include "store/connection.h"
#include "calendaryear/calendaryear.h"
#include "windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace dayvane::test;

namespace {

QMainWindow *g_main = nullptr;
// Installed before the program starts, so it answers the start-up question;
// the test case ends it, so that scripted answers left over fail the case.
std::unique_ptr<ScriptedInteraction> g_user;

const QString kAskDatabase = QStringLiteral("The application requires the location of the Corvantelle database "
                                            "(QZDB.mdb).\r\nDo you want to select the database location now?");
const QString kCalendar = QStringLiteral("Head Office");
const QString kCountry = QStringLiteral("United States");
const QString kHoliday = QStringLiteral("Thanksgiving Day");

// What run-journey passes: DAYVANE_E2E_PHASE ("first" or "again"), _OUTPUT
// (the folder for the PDFs), _DATABASE, _SYSTEM_PASSWORD (as dayvane-db
// printed it) and _SCREENSHOTS (a folder; empty: none taken).
QString setting(const char *name)
{
    return qEnvironmentVariable((QByteArrayLiteral("DAYVANE_E2E_") + name).constData());
}

// A database on a server is named in the settings file before the first
// start, so the program asks for no file.
bool on_server()
{
    return dayvane::is_calendar_server(setting("DATABASE"));
}

// Saves every visible top-level window as "NN-step[-window].png" in the
// screenshot folder, numbered in the order taken.
void snap(const QString &step)
{
    static int taken = 0;
    if (setting("SCREENSHOTS").isEmpty())
        return;
    const QString prefix = QStringLiteral("%1/%2-%3").arg(setting("SCREENSHOTS")).arg(++taken, 2, 10, QLatin1Char('0')).arg(step);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::ToolTip || window->windowType() == Qt::Popup)
            continue;
        const QString name = window->objectName().isEmpty() ? QStringLiteral("window") : window->objectName();
        const QString file = prefix + (name == u"calendar" ? QString() : u'-' + name) + QStringLiteral(".png");
        EXPECT_TRUE(window->grab().save(file)) << file.toStdString();
    }
}

// The first row showing every text of `cells` in its column, or -1.
int row_with(QTableWidget *grid, std::initializer_list<std::pair<int, QString>> cells)
{
    for (int row = 0; grid && row < grid->rowCount(); ++row) {
        if (std::all_of(cells.begin(), cells.end(), [&](const auto &c) { return cell_text(grid, row, c.first) == c.second; }))
            return row;
    }
    return -1;
}

// "12h 30m" as minutes (-1 for any other text), and back.
int minutes_of(const QString &duration)
{
    const auto match = QRegularExpression(QStringLiteral("^(\\d+)h (\\d+)m$")).match(duration.trimmed());
    return match.hasMatch() ? match.captured(1).toInt() * 60 + match.captured(2).toInt() : -1;
}

QString duration_text(int minutes)
{
    return QStringLiteral("%1h %2m").arg(minutes / 60).arg(minutes % 60);
}

// The demo database holds last year and this year; the journey works in
// November of this year, where the holiday lists have Thanksgiving.
const int kYear = QDate::currentDate().year();

// The `nth` `weekday` of November: the second Monday is the day the user
// edits, and the date that comes back on the second start.
QDate in_november(int weekday, int nth)
{
    const QDate first(kYear, 11, 1);
    return first.addDays((weekday - first.dayOfWeek() + 7) % 7 + 7 * (nth - 1));
}

class Journey : public ::testing::Test
{
protected:
    void TearDown() override { g_user.reset(); }

    QWidget &main() { return *g_main; }
    ScriptedInteraction &user() { return *g_user; }
    // The text of the label `name` of `window`, by default the main window.
    QString label(const char *name, QWidget *window = g_main)
    {
        const auto *found = window->findChild<QLabel *>(QLatin1String(name));
        return found ? found->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
    }
    QCalendarWidget *calendar() { return main().findChild<QCalendarWidget *>(QStringLiteral("calendar")); }
    QTableWidget *events() { return main().findChild<QTableWidget *>(QStringLiteral("calendar_event_dates_grid")); }
    QString month_shown()
    {
        return main().findChild<QTreeWidget *>(QStringLiteral("calendar_month_tree"))->topLevelItem(0)->text(0);
    }

    // Steps the month view to November with its arrow buttons.
    void go_to_november()
    {
        const char *arrow = calendar()->monthShown() < 11 ? "next_month" : "previous_month";
        for (int step = 0; step < 12 && calendar()->monthShown() != 11; ++step)
            QTest::mouseClick(main().findChild<QToolButton *>(QLatin1String(arrow)), Qt::LeftButton);
        ASSERT_EQ(month_shown(), QStringLiteral("November"));
    }

    // A click, or a double click, on a date of the month shown.
    void click_date(QDate date, bool twice = false)
    {
        auto *view = calendar()->findChild<QTableView *>();
        // Row 0 holds the day names.
        const qint64 position = dayvane::first_shown_day(calendar()->yearShown(), calendar()->monthShown()).daysTo(date);
        const QModelIndex cell = view->model()->index(1 + int(position / 7), int(position % 7));
        ASSERT_EQ(cell.data().toString(), QString::number(date.day()));
        const QPoint centre = view->visualRect(cell).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        if (twice)
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    }

    // Opens the report preview with `command`, saves it as the PDF `name`
    // and returns the PDF's text.
    QString preview_and_save(const char *command, const char *name, const char *step)
    {
        const QString pdf = QDir(setting("OUTPUT")).filePath(QLatin1String(name));
        user().answer_save_file(pdf);
        user().on_window(QStringLiteral("report_preview"), [&](QDialog &preview) {
            snap(QLatin1String(step));
            preview.findChild<QAction *>(QStringLiteral("save_as_pdf"))->trigger();
            preview.reject();
        });
        run_node(main(), QLatin1String(command));
        EXPECT_TRUE(QFileInfo(pdf).size() > 0) << pdf.toStdString();
        return pdf_text(pdf);
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
    grid->setFocus();
    grid->setCurrentCell(row, 0);
    QTest::keyClick(grid, Qt::Key_Return);
    auto *frame = editor.findChild<QFrame *>(QStringLiteral("frame"));
    ASSERT_TRUE(frame && frame->isVisible());
    type_into(editor, QStringLiteral("start_time"), start);
    type_into(editor, QStringLiteral("end_time"), end);
    auto *work = editor.findChild<QCheckBox *>(QStringLiteral("work"));
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
    const QDate monday = in_november(Qt::Monday, 2);
    const QDate thanksgiving = in_november(Qt::Thursday, 4);

    // 1. No settings file yet: the program asks for its database, which the
    // user picks in the file dialog. A server's address is already set.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    snap(QStringLiteral("first-start"));
    EXPECT_EQ(user().take_texts(), on_server() ? QStringList() : QStringList{kAskDatabase});
    EXPECT_EQ(label("lbl_calendar_name"), QStringLiteral("No calendar loaded"));

    // 2. A calendar of the demo, opened from the calendar list with Enter.
    user().on_window(QStringLiteral("calendar_list"), [&](QDialog &list) {
        snap(QStringLiteral("calendar-list"));
        auto *grid = list.findChild<QTableWidget *>(QStringLiteral("grid"));
        const int row = row_with(grid, {{0, kCalendar}, {1, QString::number(kYear)}});
        ASSERT_GE(row, 0) << "no row " << kCalendar.toStdString() << " " << kYear;
        grid->setCurrentCell(row, 0);
        QTest::keyClick(grid, Qt::Key_Return);
        EXPECT_FALSE(list.isVisible());
    });
    run_node(main(), QStringLiteral("open_calendar_list"));
    EXPECT_EQ(label("lbl_calendar_name"), QStringLiteral("%1 / %2").arg(kCalendar).arg(kYear));
    EXPECT_TRUE(user().take_texts().isEmpty());
    go_to_november();
    click_date(monday);
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
        EXPECT_EQ(label("work_time", &editor), QStringLiteral("9hrs 30min"));
        retype(editor, QStringLiteral("start_date"), monday.toString(QStringLiteral("MM-dd-yyyy")));
        retype(editor, QStringLiteral("end_date"), monday.addDays(11).toString(QStringLiteral("MM-dd-yyyy")));
        tick_weekdays(editor, {2, 4});
        EXPECT_EQ(label("work_time_range", &editor), QStringLiteral("38hrs 0min"));
        snap(QStringLiteral("editor"));
        user().answer_yes_no(true);
        user().on_window(QStringLiteral("system_password"), [&](QDialog &password) {
            snap(QStringLiteral("system-password"));
            type_into(password, QStringLiteral("password"), setting("SYSTEM_PASSWORD"), 0);
            run_node(password, QStringLiteral("accept_password"), 0);
        });
        run_node(editor, QStringLiteral("save_calendar"));
        EXPECT_FALSE(editor.isVisible());
    });
    click_date(monday, true);
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
        const auto years = holidays.findChild<QTreeWidget *>(QStringLiteral("menu_tree"))
                               ->findItems(QString::number(kYear), Qt::MatchExactly | Qt::MatchRecursive);
        const auto node = std::find_if(years.begin(), years.end(),
                                       [](auto *n) { return n->parent() && n->parent()->text(0) == kCountry; });
        ASSERT_NE(node, years.end()) << "no " << kCountry.toStdString() << " / " << kYear;
        run_node(holidays, (*node)->data(0, Qt::UserRole).toString());
        EXPECT_EQ(label("lbl_selection", &holidays), QStringLiteral("%1 / %2").arg(kCountry).arg(kYear));
        auto *grid = holidays.findChild<QTableWidget *>(QStringLiteral("grid"));
        const int row = row_with(grid, {{3, thanksgiving.toString(QStringLiteral("MMM-dd"))}, {4, kHoliday}});
        ASSERT_GE(row, 0) << "no " << kHoliday.toStdString() << " on " << thanksgiving.toString().toStdString();
        const QModelIndex cell = grid->model()->index(row, 1);
        grid->scrollTo(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        snap(QStringLiteral("holidays"));
        run_node(holidays, QStringLiteral("apply"));
        EXPECT_FALSE(holidays.isVisible());
    });
    run_node(main(), QStringLiteral("holiday_listing"));
    EXPECT_TRUE(user().take_texts().isEmpty());
    // Its date, no work, eight hours' pay.
    EXPECT_GE(row_with(events(), {{0, thanksgiving.toString(QStringLiteral("MMM-dd"))}, {1, kHoliday}, {2, "0h 0m"}, {3, "8h 0m"}}), 0)
        << "the holiday is not in the event list as applied";
    EXPECT_EQ(label("lbl_month_work_total_time"), duration_text(month_work + 4 * 90 - 8 * 60));
    EXPECT_EQ(label("lbl_month_no_work_pay_only_days").split(u' ').value(0).toInt(), pay_only_days + 1);
    snap(QStringLiteral("holiday-applied"));

    // The change history names both changes, newest first, made here.
    user().on_window(QStringLiteral("change_history"), [&](QDialog &history) {
        const QAbstractItemModel *entries = history.findChild<QTableView *>(QStringLiteral("entries"))->model();
        ASSERT_GE(entries->rowCount(), 2);
        EXPECT_EQ(entries->index(0, 5).data().toString(), QStringLiteral("Holidays applied: 1, paid"));
        EXPECT_EQ(entries->index(1, 5).data().toString(),
                  QStringLiteral("Range saved: Mondays and Wednesdays, %1 \u2013 %2")
                      .arg(QLocale::c().toString(monday, QStringLiteral("d MMM")),
                           QLocale::c().toString(monday.addDays(11), QStringLiteral("d MMM yyyy"))));
        EXPECT_EQ(entries->index(0, 1).data().toString(), QSysInfo::machineHostName());
        snap(QStringLiteral("change-history"));
        run_node(history, QStringLiteral("close"));
    });
    run_node(main(), QStringLiteral("change_history"));

    // 5. The month report and the twelve-month calendar, previewed and saved
    // as PDF from the preview.
    const QString month_text = preview_and_save("preview_calendar_1_month", "november.pdf", "month-preview");
    EXPECT_TRUE(month_text.contains(QStringLiteral("%1 (November)").arg(kCalendar))) << month_text.toStdString();
    EXPECT_TRUE(month_text.contains(kHoliday)) << month_text.toStdString();
    const QString year_text = preview_and_save("preview_calendar_12_month_part_1", "year.pdf", "year-preview");
    EXPECT_TRUE(year_text.contains(QStringLiteral("%1 (%2)").arg(kCalendar).arg(kYear))) << year_text.toStdString();
    for (const char *month : {"January", "June", "November", "December"})
        EXPECT_TRUE(year_text.contains(QLatin1String(month))) << month;
    EXPECT_TRUE(user().take_texts().isEmpty());

    // 6. Closed with Yes to the question; the program then ends by itself.
    click_date(monday);
    close_answering_yes();
}

TEST_F(Journey, SecondRunComesBackWhereItWasLeft)
{
    // 7. No question this time: the same calendar, month and date, with the
    // saved day and the holiday read back from the database.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    snap(QStringLiteral("second-start"));
    EXPECT_TRUE(user().take_texts().isEmpty());
    EXPECT_EQ(label("lbl_calendar_name"), QStringLiteral("%1 / %2").arg(kCalendar).arg(kYear));
    EXPECT_EQ(calendar()->selectedDate(), in_november(Qt::Monday, 2));
    EXPECT_EQ(month_shown(), QStringLiteral("November"));
    EXPECT_EQ(label("lbl_work_time"), QStringLiteral("9h 30m"));
    EXPECT_GE(row_with(events(), {{1, kHoliday}}), 0);
    close_answering_yes();
}

// The entry point the program calls before it starts.
extern "C" Q_DECL_EXPORT void dayvane_automation(QMainWindow *main_window)
{
    g_main = main_window;
    g_user = std::make_unique<ScriptedInteraction>();
    const bool first = setting("PHASE") == QLatin1String("first");
    if (first && !on_server()) {
        g_user->answer_yes_no(true);
        g_user->answer_file(setting("DATABASE"));
    }
    QTimer::singleShot(0, main_window, [first] {
        ::testing::InitGoogleTest();
        GTEST_FLAG_SET(filter, first ? "Journey.FirstRun" : "Journey.SecondRunComesBackWhereItWasLeft");
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
