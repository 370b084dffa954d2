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
#include <QProcess>
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

// What run-journey passes: DAYVANE_E2E_PHASE ("first", "again" or
// "screen-reader", a first start on the accessibility bus), _WALKER (the
// screen reader's walk, screenreader.py), _OUTPUT
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
    // A phase may run more than one case; each answers as the user anew.
    void SetUp() override
    {
        if (!g_user)
            g_user = std::make_unique<ScriptedInteraction>();
    }
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

namespace {

// Whether a control at `next` reads after one at `before`: further right
// (the same line, or a column to the right) or on a later line.
bool reads_after(const QRect &before, const QRect &next)
{
    constexpr int slack = 4;
    return next.left() >= before.left() + before.width() - slack || next.top() >= before.top() + before.height() - slack;
}

// Tabs round `window` from its focused control and back. Every control that
// takes the focus is met; one step only (the wrap) goes back in reading order.
void expect_reading_order(QWidget &window)
{
    std::vector<QWidget *> cycle;
    for (int step = 0; step < 60; ++step) {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_TRUE(focus && focus->window() == &window) << "Tab left the window after " << cycle.size() << " steps";
        if (std::find(cycle.begin(), cycle.end(), focus) != cycle.end())
            break;
        cycle.push_back(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    const auto name = [&](QWidget *w) {
        const QPoint at = w->mapTo(&window, QPoint());
        return QStringLiteral("%1 %2 at %3,%4").arg(QLatin1String(w->metaObject()->className()), w->objectName()).arg(at.x()).arg(at.y()).toStdString();
    };
    const auto box = [&](QWidget *w) { return QRect(w->mapTo(&window, QPoint()), w->size()); };
    std::string backwards;
    int steps_back = 0;
    for (size_t i = 0; i < cycle.size() && cycle.size() > 1; ++i) {
        QWidget *next = cycle[(i + 1) % cycle.size()];
        if (!reads_after(box(cycle[i]), box(next))) {
            ++steps_back;
            backwards += "\n  " + name(cycle[i]) + " -> " + name(next);
        }
    }
    EXPECT_LE(steps_back, 1) << "Tab goes back in reading order:" << backwards;
    for (QWidget *control : window.findChildren<QWidget *>()) {
        const bool takes_tab = control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)
                               && !control->focusProxy() && control->window() == &window;
        EXPECT_TRUE(!takes_tab || std::find(cycle.begin(), cycle.end(), control) != cycle.end())
            << "Tab never reaches " << name(control);
    }
}

// What a screen reader finds in `window` over the accessibility bus (the
// walker fails on a control without a name), then its Tab order.
void inspect(QWidget &window)
{
    SCOPED_TRACE(window.objectName().toStdString());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QProcess walker;
    walker.setProcessChannelMode(QProcess::MergedChannels);
    walker.start(setting("WALKER"), {QString::number(QCoreApplication::applicationPid()), window.windowTitle()});
    // The program answers the walker's questions while it waits.
    EXPECT_TRUE(QTest::qWaitFor([&] { return walker.state() == QProcess::NotRunning; }, 30000));
    const QString said = QString::fromLocal8Bit(walker.readAll());
    EXPECT_EQ(walker.exitCode(), 0) << said.toStdString();
    std::printf("%s", qPrintable(said));
    expect_reading_order(window);
}

// The key pressed on the focused control, as on a keyboard.
void press(int key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key(key), modifiers);
}

// Tabs on until the control named `name` has the focus.
QWidget *tab_to(const QString &name)
{
    for (int step = 0; step < 40; ++step) {
        if (QWidget *focus = QApplication::focusWidget(); focus && focus->objectName() == name)
            return focus;
        press(Qt::Key_Tab);
    }
    QWidget *focus = QApplication::focusWidget();
    ADD_FAILURE() << "Tab never reaches " << name.toStdString() << "; the focus is on "
                  << (focus ? focus->objectName().toStdString() : "nothing");
    return nullptr;
}

// Tabs to the window's command tree and runs the command `key`, chosen with
// the arrow keys.
void run_by_keys(const QString &key)
{
    auto *tree = qobject_cast<QTreeWidget *>(tab_to(QStringLiteral("menu_tree")));
    ASSERT_NE(tree, nullptr);
    press(Qt::Key_Home);
    for (int step = 0; step < 60 && tree->currentItem()->data(0, Qt::UserRole).toString() != key; ++step)
        press(Qt::Key_Down);
    ASSERT_EQ(tree->currentItem()->data(0, Qt::UserRole).toString(), key);
    press(Qt::Key_Return);
}

} // namespace

// Open a calendar, change a range of days and save: every step by keys on the
// focused control alone. The screen reader's walk follows.
TEST_F(Journey, KeyboardAlone)
{
    const QDate day = in_november(Qt::Tuesday, 3);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    user().take_texts();
    QApplication::setActiveWindow(&main());
    user().on_window(QStringLiteral("calendar_list"), [&](QDialog &list) {
        QApplication::setActiveWindow(&list);
        auto *grid = qobject_cast<QTableWidget *>(tab_to(QStringLiteral("grid")));
        ASSERT_NE(grid, nullptr);
        const int row = row_with(grid, {{0, kCalendar}, {1, QString::number(kYear)}});
        press(Qt::Key_Home);
        for (int step = 0; step < 100 && grid->currentRow() < row; ++step)
            press(Qt::Key_Down);
        press(Qt::Key_Return);
        EXPECT_FALSE(list.isVisible());
    });
    run_by_keys(QStringLiteral("open_calendar_list"));
    EXPECT_EQ(label("lbl_calendar_name"), QStringLiteral("%1 / %2").arg(kCalendar).arg(kYear));
    QApplication::setActiveWindow(&main());
    // The month grid: Page Up and Down step the month, arrows the day.
    tab_to(calendar()->findChild<QTableView *>()->objectName());
    for (int step = 0; step < 12 && calendar()->monthShown() != 11; ++step)
        press(calendar()->monthShown() < 11 ? Qt::Key_PageDown : Qt::Key_PageUp);
    for (int step = 0; step < 31 && calendar()->selectedDate() != day; ++step)
        press(calendar()->selectedDate() < day ? Qt::Key_Right : Qt::Key_Left);
    ASSERT_EQ(calendar()->selectedDate(), day);

    user().on_window(QStringLiteral("calendar_edit"), [&](QDialog &editor) {
        QApplication::setActiveWindow(&editor);
        // The office day's two periods, each an hour and a half longer.
        tab_to(QStringLiteral("grid"));
        for (const auto &[start, end] : {std::pair{"6:30 am", "12:00 pm"}, std::pair{"12:30 pm", "6:00 pm"}}) {
            press(Qt::Key_Return);
            QTest::keyClicks(QApplication::focusWidget(), QLatin1String(start));
            press(Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QLatin1String(end));
            press(Qt::Key_Return);
            press(Qt::Key_Down);
        }
        EXPECT_EQ(label("work_time", &editor), QStringLiteral("11hrs 0min"));
        for (const auto &[box, date] : {std::pair{"start_date", day}, std::pair{"end_date", day.addDays(7)}}) {
            tab_to(QLatin1String(box));
            press(Qt::Key_A, Qt::ControlModifier);
            press(Qt::Key_Delete);
            QTest::keyClicks(QApplication::focusWidget(), date.toString(QStringLiteral("MM-dd-yyyy")));
            press(Qt::Key_Return);
        }
        // Only the Tuesdays: the other days' boxes off, one Tab after another.
        for (QCheckBox *box : editor.findChildren<QCheckBox *>(QStringLiteral("weekdays"))) {
            tab_to(QStringLiteral("weekdays"));
            while (QApplication::focusWidget() != box && QApplication::focusWidget()->objectName() == u"weekdays")
                press(Qt::Key_Tab);
            if (box->isChecked() != (box->property("index").toInt() == 3))
                press(Qt::Key_Space);
        }
        EXPECT_EQ(label("work_time_range", &editor), QStringLiteral("22hrs 0min"));
        user().answer_yes_no(true);
        user().on_window(QStringLiteral("system_password"), [&](QDialog &password) {
            QApplication::setActiveWindow(&password);
            tab_to(QStringLiteral("password"));
            QTest::keyClicks(QApplication::focusWidget(), setting("SYSTEM_PASSWORD"));
            press(Qt::Key_Return);
        });
        run_by_keys(QStringLiteral("save_calendar"));
        EXPECT_FALSE(editor.isVisible());
    });
    press(Qt::Key_E, Qt::ControlModifier);
    QApplication::setActiveWindow(&main());
    EXPECT_EQ(label("lbl_work_time"), QStringLiteral("11h 0m"));
    EXPECT_EQ(user().take_texts().value(0), QStringLiteral("Override calendar?"));
}

// Every window as a screen reader meets it, opened in turn from the main
// window and closed with Escape; the program then closes.
TEST_F(Journey, ScreenReaderNamesEveryControl)
{
    const auto inspect_and_close = [](QDialog &window) {
        inspect(window);
        QTest::keyClick(&window, Qt::Key_Escape);
    };
    inspect(main());
    user().on_window(QStringLiteral("calendar_list"), inspect_and_close);
    run_node(main(), QStringLiteral("open_calendar_list"));
    user().on_window(QStringLiteral("calendar_edit"), [&](QDialog &editor) {
        inspect(editor);
        user().on_window(QStringLiteral("date_selector"), inspect_and_close);
        QTest::keyClick(find_indexed<QToolButton>(editor, QStringLiteral("button"), 0), Qt::Key_Space);
        QTest::keyClick(&editor, Qt::Key_Escape);
    });
    run_node(main(), QStringLiteral("edit_calendar"));
    user().on_window(QStringLiteral("user_list"), [&](QDialog &list) {
        inspect(list);
        grid(list)->setCurrentCell(0, 0);
        for (const auto &[command, window] : {std::pair{"edit_user", "user_record"}, std::pair{"user_password", "user_password_input"},
                                              std::pair{"change_user_password", "change_password"}}) {
            user().on_window(QLatin1String(window), inspect_and_close);
            run_node(list, QLatin1String(command));
        }
        QTest::keyClick(&list, Qt::Key_Escape);
    });
    run_node(main(), QStringLiteral("users"));
    // The system password was entered on saving; the server window comes
    // last, as it closes the connection.
    user().answer_yes_no(true);
    for (const auto &[command, window] : {std::pair{"enter_system_password", "system_password"},
                                          std::pair{"holiday_listing", "holiday_listing"},
                                          std::pair{"change_history", "change_history"}, std::pair{"about", "about"},
                                          std::pair{"set_db_server", "database_server"}}) {
        user().on_window(QLatin1String(window), inspect_and_close);
        run_node(main(), QLatin1String(command));
    }
    user().take_texts();
    close_answering_yes();
}

// The entry point the program calls before it starts.
extern "C" Q_DECL_EXPORT void dayvane_automation(QMainWindow *main_window)
{
    g_main = main_window;
    g_user = std::make_unique<ScriptedInteraction>();
    const QString phase = setting("PHASE");
    if (phase != QLatin1String("again") && !on_server()) {
        g_user->answer_yes_no(true);
        g_user->answer_file(setting("DATABASE"));
    }
    QTimer::singleShot(0, main_window, [phase] {
        ::testing::InitGoogleTest();
        GTEST_FLAG_SET(filter, phase == QLatin1String("first")           ? "Journey.FirstRun"
                               : phase == QLatin1String("screen-reader") ? "Journey.KeyboardAlone:Journey.ScreenReaderNamesEveryControl"
                                                                         : "Journey.SecondRunComesBackWhereItWasLeft");
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
