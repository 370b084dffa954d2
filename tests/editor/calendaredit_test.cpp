// The calendar editor through its real window, and its day and date range without widgets.

#include "editor/calendareditwindow.h"
#include "editor/daterange.h"
#include "editor/dayeditor.h"
#include "scriptedinteraction.h"
#include "store/connection.h"
#include "store/history.h"
#include "ui_common/appstate.h"
#include "ui_common/gridhelpers.h"
#include "windowdriver.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

const QString kWorkday = QStringLiteral("y@480>720+y@750>990");
const QDate kMonday(2024, 3, 4);

QString text(QWidget &window, const char *name)
{
    return window.findChild<QWidget *>(QString::fromLatin1(name))->property("text").toString();
}

QCheckBox *weekday(QWidget &window, int number)
{
    return find_indexed<QCheckBox>(window, QStringLiteral("weekdays"), number);
}

// The weekday boxes 1 (Sunday) to 7 that are ticked, or enabled; others "-".
QString weekdays(QWidget &window, bool ticked = true)
{
    QString days;
    for (int number = 1; number <= 7; ++number) {
        const QCheckBox *box = weekday(window, number);
        days += (ticked ? box->isChecked() : box->isEnabled()) ? QString::number(number) : QStringLiteral("-");
    }
    return days;
}

// What the window shows, joined with " / ": the range "start end ticked weekdays comment"; each period's row as
// "start|end|duration|work|start minute|end minute|minutes" (visible, then hidden columns); the labels "day start|
// day end|work time|total time|range work|range total". The rows below must be empty, with the start key 9999.
QString shown(QWidget &window)
{
    QStringList parts{QStringList{text(window, "start_date"), text(window, "end_date"), weekdays(window), text(window, "comment")}.join(u' ')};
    const auto cell = [&](int row, int column) { return grid(window)->item(row, column)->text(); };
    int row = 0;
    for (; row < 12 && cell(row, 4) != QStringLiteral("9999"); ++row) {
        QStringList cells;
        for (int column = 0; column < 7; ++column)
            cells << cell(row, column);
        parts << cells.join(u'|');
    }
    for (; row < 12; ++row) {
        for (int column : {0, 1, 2, 3, 5, 6})
            EXPECT_EQ(cell(row, column), QString()) << row;
    }
    QStringList labels;
    for (const char *name : {"day_start", "day_end", "work_time", "total_time", "work_time_range", "total_time_range"})
        labels << text(window, name);
    parts << labels.join(u'|');
    return parts.join(QStringLiteral(" / "));
}

// Opens the frame on `row` with Enter, types the times, sets the work box and presses Enter in the end box.
void enter_period(QWidget &window, int row, const QString &start, const QString &end, bool work = true)
{
    QTableWidget *table = grid(window);
    table->setFocus();
    table->setCurrentCell(row, 0);
    QTest::keyClick(table, Qt::Key_Return);
    ASSERT_TRUE(frame_shown(window));
    type_into(window, QStringLiteral("start_time"), start);
    type_into(window, QStringLiteral("end_time"), end);
    window.findChild<QCheckBox *>(QStringLiteral("work"))->setChecked(work);
    QTest::keyClick(window.findChild<QLineEdit *>(QStringLiteral("end_time")), Qt::Key_Return);
}

void tick_only(QWidget &window, int number)
{
    for (int day = 1; day <= 7; ++day)
        weekday(window, day)->setChecked(number == 0 || day == number);
}

// A calendar "Office", unowned and unrestricted, every day of 2024 stored empty, loaded at revision 0.
class Editor : public ::testing::Test
{
protected:
    Editor()
    {
        app_state() = AppState();
        Database &db = file.db();
        const qint64 calendar = execute(db, QStringLiteral("INSERT INTO calendars (Name) VALUES ('Office');"), {});
        const qint64 year = execute(db, QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (?, 2024);"), {calendar});
        execute(db, QStringLiteral("WITH RECURSIVE d(x) AS (SELECT '2024-01-01' UNION ALL SELECT date(x, '+1 day') FROM d WHERE x < '2024-12-31')"
                                   " INSERT INTO days (NameLink, YearLink, DateVal, DayType, DayStart, DayStop, minutes1, minutes2,"
                                   " TimeSegments) SELECT ?, ?, x, 0, 0, 0, 0, 0, '' FROM d;"),
                {calendar, year});
        file.close();
        AppState &state = app_state();
        state.database.emplace(open_existing_database(file.path()));
        state.db_connected = true;
        state.calendar_id = qint32(calendar);
        state.calendar_loaded = true;
        state.current_date = QDate(2024, 1, 1);
    }
    ~Editor() override { app_state() = AppState(); }

    static Database &db() { return *app_state().database; }
    // Writes a stored day with plain SQL; a null QVariant stores NULL.
    void set_day(const QDate &date, const QVariant &segments, int worked, int paid, const QVariant &comment = {},
                 int day_start = 0, int day_stop = 0)
    {
        execute(db(), QStringLiteral("UPDATE days SET TimeSegments = ?, minutes1 = ?, minutes2 = ?, \"Date comment\" = ?,"
                                     " DayStart = ?, DayStop = ? WHERE DateVal = ?;"),
                {segments, worked, paid, comment, day_start, day_stop, date});
    }
    // The first column that `sql` selects, as text; empty for NULL.
    static QString text_of(const QString &sql)
    {
        Statement stmt = db().prepare(sql);
        return stmt.step() ? stmt.column(0).toString() : QString();
    }
    // A stored day: "DayStart|DayStop|TimeSegments|minutes1|minutes2|comment|DayType", empty if any is NULL.
    static QString stored(const QDate &date)
    {
        return text_of(QStringLiteral("SELECT DayStart || '|' || DayStop || '|' || TimeSegments || '|' || minutes1 || '|' || minutes2"
                                      " || '|' || \"Date comment\" || '|' || DayType FROM days WHERE DateVal = '%1';")
                           .arg(date.toString(Qt::ISODate)));
    }
    // The dates of the stored days that are no longer empty.
    static QString changed_days()
    {
        return text_of(QStringLiteral("SELECT group_concat(DateVal, ' ') FROM days WHERE DayStart OR DayStop OR minutes1"
                                      " OR minutes2 OR DayType OR TimeSegments IS NOT '' OR \"Date comment\" IS NOT NULL;"));
    }
    static qint64 revision() { return scalar(db(), QStringLiteral("SELECT revision FROM calendars;")); }
    // The messages shown as "title: text", in order; then forgets them.
    QStringList messages()
    {
        QStringList shown;
        for (const auto &message : user.shown())
            shown << message.title + QStringLiteral(": ") + message.text;
        user.take_texts();
        return shown;
    }
    // Opens the editor on `date`; `handle` drives it while it is shown. Returns open_calendar_editor's result; counts reloads.
    bool edit(const QDate &date, const std::function<void(QDialog &)> &handle)
    {
        app_state().selected_day_id =
            qint32(scalar(db(), QStringLiteral("SELECT id FROM days WHERE DateVal = '%1';").arg(date.toString(Qt::ISODate))));
        user.on_window(QStringLiteral("calendar_edit"), [&handle](QDialog &window) {
            QApplication::setActiveWindow(&window);
            handle(window);
        });
        return open_calendar_editor(nullptr, [this] {
            ++reloads;
            if (on_reload)
                on_reload();
        });
    }

    TestDatabase file;
    int reloads = 0;
    std::function<void()> on_reload;
    ScriptedInteraction user;
};

} // namespace

TEST_F(Editor, OpensOnTheStoredDayAndItsRunOfIdenticalDaysAndTheRangeFollowsDatesWeekdaysAndYear)
{
    // Monday to Thursday alike; Friday's comment differs by a trailing blank.
    for (int offset = 0; offset < 4; ++offset)
        set_day(kMonday.addDays(offset), kWorkday, 480, 480, QStringLiteral("Audit"), 480, 990);
    set_day(kMonday.addDays(4), kWorkday, 480, 480, QStringLiteral("Audit "), 480, 990);
    // An empty and a missing (NULL) period list or comment join one run; another day type or periods join neither.
    set_day(QDate(2024, 3, 11), QString(), 0, 0, QString());
    set_day(QDate(2024, 3, 12), QVariant(), 0, 0);
    db().exec(QStringLiteral("UPDATE days SET DayType = 3 WHERE DateVal = '2024-03-13';"));
    set_day(QDate(2024, 3, 14), QStringLiteral("y@480>720"), 240, 240);
    set_day(QDate(2024, 3, 16), QStringLiteral("y@480>720"), 240, 240, QVariant(), 480, 720);
    set_day(QDate(2024, 3, 17), QVariant(), 0, 0);
    // A period past midnight ends above one day (1800 minutes).
    set_day(QDate(2024, 3, 18), QStringLiteral("y@1320>1800"), 480, 480, QVariant(), 1320, 360);
    // A whole-day period as another writer may store it: shown, though its stored minutes are 0 and so no time is.
    set_day(QDate(2024, 3, 20), QStringLiteral("n@600>600"), 0, 0);
    const struct { QDate date; QString shows; } cases[] = {
        {kMonday, "03-04-2024 03-07-2024 -2345-- Audit / 08:00 AM|12:00 PM|4hrs 0min|Yes|480|720|240"
                  " / 12:30 PM|04:30 PM|4hrs 0min|Yes|750|990|240 / 08:00 AM|04:30 PM|8hrs 0min|8hrs 0min|32hrs 0min|32hrs 0min"},
        {QDate(2024, 3, 11), "03-11-2024 03-12-2024 -23----  / |||||"},
        {QDate(2024, 3, 16), "03-16-2024 03-16-2024 ------7  / 08:00 AM|12:00 PM|4hrs 0min|Yes|480|720|240"
                             " / 08:00 AM|12:00 PM|4hrs 0min|4hrs 0min|4hrs 0min|4hrs 0min"},
        {QDate(2024, 3, 18), "03-18-2024 03-18-2024 -2-----  / 10:00 PM|06:00 AM|8hrs 0min|Yes|1320|1800|480"
                             " / 10:00 PM|06:00 AM|8hrs 0min|8hrs 0min|8hrs 0min|8hrs 0min"},
        {QDate(2024, 3, 20), "03-20-2024 03-20-2024 ---4---  / 10:00 AM|10:00 AM|24hrs 0min|No|600|600|1440 / |||||"},
        // The last empty days of the year: no period, no time.
        {QDate(2024, 12, 30), "12-30-2024 12-31-2024 -23----  / |||||"},
    };
    for (const auto &c : cases) {
        edit(c.date, [&](QDialog &window) {
            EXPECT_EQ(window.windowTitle(), QStringLiteral("Edit calendar"));
            EXPECT_EQ(shown(window), c.shows);
            EXPECT_EQ(grid(window)->currentRow(), 0);
            window.close();
        });
    }
    EXPECT_TRUE(user.shown().empty());
    // The range follows the dates, the weekdays and the calendar year.
    const QString wrong_year = QStringLiteral("The calendar year must be 2024"), moved = QStringLiteral("03-10-2024");
    set_day(kMonday, QStringLiteral("y@480>720+n@720>750"), 240, 270, QVariant(), 480, 750);
    edit(kMonday, [&](QDialog &window) {
        const auto range_labels = [&] { return text(window, "work_time_range") + u'|' + text(window, "total_time_range"); };
        EXPECT_EQ(range_labels(), QStringLiteral("4hrs 0min|4hrs 30min"));
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-06-2024"));
        EXPECT_EQ(weekdays(window, false), QStringLiteral("-234---"));
        QTest::mouseClick(weekday(window, 4), Qt::LeftButton);
        EXPECT_EQ(range_labels(), QStringLiteral("8hrs 0min|9hrs 0min"));
        // The end before the start: no day in the range.
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-01-2024"));
        EXPECT_EQ(range_labels(), QStringLiteral("Date ?|Date ?"));
        EXPECT_EQ(weekdays(window, false), QStringLiteral("-------"));
        // A date of another year is moved into the calendar year.
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-10-2023"));
        EXPECT_EQ(std::tuple(user.take_texts(), text(window, "end_date")), std::tuple(QStringList{wrong_year}, moved));
        EXPECT_EQ(weekdays(window, false), QStringLiteral("1234567"));
        EXPECT_EQ(range_labels(), QStringLiteral("8hrs 0min|9hrs 0min"));
        // An end date typed while the start date was no date is checked as soon as the start date is.
        window.findChild<QLineEdit *>(QStringLiteral("start_date"))->clear();
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-10-2025"));
        retype(window, QStringLiteral("start_date"), QStringLiteral("03-04-2024"));
        EXPECT_EQ(std::tuple(user.take_texts(), text(window, "end_date")), std::tuple(QStringList{wrong_year}, moved));
        EXPECT_EQ(range_labels(), QStringLiteral("8hrs 0min|9hrs 0min"));
        // A save never writes outside the calendar year, even from a date typed but not yet confirmed.
        auto *end = window.findChild<QLineEdit *>(QStringLiteral("end_date"));
        end->setFocus();
        end->selectAll();
        QTest::keyClick(end, Qt::Key_Delete);
        QTest::keyClicks(end, QStringLiteral("03-10-2025"));
        run_node(window, QStringLiteral("save_calendar"));
        EXPECT_EQ(std::tuple(user.take_texts(), text(window, "end_date")), std::tuple(QStringList{wrong_year}, moved));
        EXPECT_TRUE(window.isVisible());
        // The end date's button opens the selector on the date (January 1 if none); closing it changes nothing.
        QToolButton *button = find_indexed<QToolButton>(window, QStringLiteral("button"), 1);
        ASSERT_NE(button, nullptr);
        end->clear();
        user.on_window(QStringLiteral("date_selector"), [](QDialog &selector) {
            EXPECT_EQ(selector.findChild<QCalendarWidget *>()->selectedDate(), QDate(2024, 1, 1));
            selector.close();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(text(window, "end_date"), QStringLiteral("--"));
        end->setText(QStringLiteral("03-04-2024"));
        user.on_window(QStringLiteral("date_selector"), [](QDialog &selector) {
            auto *calendar = selector.findChild<QCalendarWidget *>(QStringLiteral("calendar"));
            EXPECT_EQ(calendar->selectedDate(), QDate(2024, 3, 4));
            EXPECT_EQ(calendar->maximumDate(), QDate(2024, 12, 31));
            calendar->setSelectedDate(QDate(2024, 3, 20));
            run_node(selector, QStringLiteral("select"));
        });
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(text(window, "end_date"), QStringLiteral("03-20-2024"));
        EXPECT_EQ(weekdays(window, false), QStringLiteral("1234567"));
        // A changed range is not dropped without asking: "Close window" stays on No, the close button closes on Yes.
        user.answer_yes_no(false);
        run_node(window, QStringLiteral("close"));
        EXPECT_TRUE(window.isVisible());
        user.answer_yes_no(true);
        window.close();
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(user.take_texts(), QStringList(2, QStringLiteral("Discard the changes to this day?")));
    });
    // A day that is gone is reported; the window stays empty and saves nothing.
    app_state().selected_day_id = 999999;
    user.on_window(QStringLiteral("calendar_edit"), [this](QDialog &window) {
        EXPECT_EQ(text(window, "start_date"), QStringLiteral("--"));
        run_node(window, QStringLiteral("save_calendar"));  // no question
        window.close();
    });
    EXPECT_FALSE(open_calendar_editor(nullptr, {}));
    const QStringList gone = user.take_texts();
    ASSERT_EQ(gone.size(), 1);
    EXPECT_TRUE(gone[0].contains(QStringLiteral("Number: 513\r\nDescription: DB record not found\r\n")));
}

TEST_F(Editor, PeriodsAreEnteredCheckedAndSortedFromTheKeyboard)
{
    set_day(kMonday, QString(), 0, 0, QStringLiteral("Entry"));
    const QString range = QStringLiteral("03-04-2024 03-04-2024 -2----- Entry / ");
    const QString morning = QStringLiteral("08:00 AM|12:00 PM|4hrs 0min|Yes|480|720|240 / ");
    const QString lunch = QStringLiteral("12:00 PM|01:00 PM|1hrs 0min|No|720|780|60 / ");
    const QString night = QStringLiteral("10:00 PM|06:00 AM|8hrs 0min|Yes|1320|1800|480 / ");
    const QString early = QStringLiteral("07:00 AM|07:30 AM|0hrs 30min|Yes|420|450|30 / ");
    const QString conflict = QStringLiteral("Calendar: Time entry conflicts with 08:00 AM to 12:00 PM");
    const QString format = kMessageTitle + QStringLiteral(": The %1 time does not comply with the required\r\ntime format (HH:MM Am or PM)");
    // Entries after the morning's; a refused one shows its message, keeps the frame open and changes no row.
    const struct { int row; const char *start, *end; bool work; QString message, shows; } entries[] = {
        {1, "12:00", "13:00", false, {}, morning + lunch + "08:00 AM|01:00 PM|4hrs 0min|5hrs 0min|4hrs 0min|5hrs 0min"},  // touching
        {2, "07:00", "13:00", true, conflict, {}},  // encloses
        {2, "09:00", "10:00", true, conflict, {}},  // enclosed
        {2, "25:00", "9:00", true, format.arg(QStringLiteral("start")), {}},
        {2, "8:00 pm", "noon", true, format.arg(QStringLiteral("End")), {}},
        {2, "8:00", "", true, kMessageTitle + QStringLiteral(": Please provide or clear start and end time."), {}},
        // Past midnight the end is above one day.
        {2, "22:00", "6:00 am", true, {}, morning + lunch + night + "08:00 AM|06:00 AM|12hrs 0min|13hrs 0min|12hrs 0min|13hrs 0min"},
        // A period entered in the last row moves up to its place.
        {11, "7:00 am", "7:30 am", true, {}, early + morning + lunch + night + "07:00 AM|06:00 AM|12hrs 30min|13hrs 30min|12hrs 30min|13hrs 30min"},
    };
    const bool saved = edit(kMonday, [&](QDialog &window) {
        // The morning from the keyboard alone, starting in the grid's second row.
        QTableWidget *table = grid(window);
        EXPECT_TRUE(table->hasFocus());
        QTest::keyClick(table, Qt::Key_Down);
        QTest::keyClick(table, Qt::Key_Return);
        for (const auto &[box, typed] : {std::pair{"start_time", "8:00 am"}, {"end_time", "12:00 pm"}, {"work", " "}}) {
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(box));
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
            if (box != std::string_view("work"))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(shown(window), range + morning + "08:00 AM|12:00 PM|4hrs 0min|4hrs 0min|4hrs 0min|4hrs 0min");
        EXPECT_TRUE(table->hasFocus());
        // Tab out of the frame hides it and hands the focus to the grid; from there Tab passes the hidden boxes.
        QTest::keyClick(table, Qt::Key_Return);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_FALSE(frame_shown(window));
        EXPECT_TRUE(table->hasFocus());
        QTest::keyClick(table, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("comment"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("start_date"));
        // A click elsewhere takes the period, hides the frame and keeps the focus there; a refused one keeps the
        // frame open with its message and the focus where it was typed.
        QTest::keyClick(table, Qt::Key_Return);
        EXPECT_TRUE(frame_shown(window));
        QTest::mouseClick(window.findChild<QLineEdit *>(QStringLiteral("comment")), Qt::LeftButton);
        EXPECT_FALSE(frame_shown(window));
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("comment"));
        table->setFocus();
        table->setCurrentCell(1, 0);
        QTest::keyClick(table, Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("25:00"));
        QTest::mouseClick(window.findChild<QLineEdit *>(QStringLiteral("comment")), Qt::LeftButton);
        EXPECT_EQ(messages(), QStringList{format.arg(QStringLiteral("start"))});
        EXPECT_TRUE(frame_shown(window));
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("start_time"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        table->setCurrentCell(0, 0);
        // The frame opens on the period's times, its duration following the typing; Escape leaves the period as it was.
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
        EXPECT_EQ(text(window, "start_time") + u'|' + text(window, "duration"), QStringLiteral("8:00 am|4hrs 0min"));
        type_into(window, QStringLiteral("start_time"), QStringLiteral("9:00"));
        EXPECT_EQ(text(window, "duration"), QStringLiteral("3hrs 0min"));
        QTest::keyClick(window.findChild<QLineEdit *>(QStringLiteral("start_time")), Qt::Key_Escape);
        EXPECT_FALSE(frame_shown(window));
        EXPECT_TRUE(table->hasFocus());
        EXPECT_EQ(shown(window), range + morning + "08:00 AM|12:00 PM|4hrs 0min|4hrs 0min|4hrs 0min|4hrs 0min");
        for (const auto &entry : entries) {
            const QString before = shown(window);
            enter_period(window, entry.row, QString::fromLatin1(entry.start), QString::fromLatin1(entry.end), entry.work);
            const bool refused = !entry.message.isEmpty();
            EXPECT_EQ(messages(), refused ? QStringList{entry.message} : QStringList()) << entry.start;
            EXPECT_EQ(frame_shown(window), refused) << entry.start;
            EXPECT_EQ(shown(window), refused ? before : range + entry.shows) << entry.start;
            if (refused)
                QTest::keyClick(window.findChild<QLineEdit *>(QStringLiteral("end_time")), Qt::Key_Escape);
        }
        // The moved period stays current and highlighted, with its own row number.
        EXPECT_EQ(std::tuple(table->currentRow(), row_data(table, 0)), std::tuple(0, 12));
        EXPECT_EQ(table->item(0, 0)->background().color(), window.palette().color(QPalette::Highlight));
        // Delete on the grid removes the current period and goes to the top; two empty boxes clear a row.
        table->setCurrentCell(2, 0);
        QTest::keyClick(table, Qt::Key_Delete);
        EXPECT_EQ(table->currentRow(), 0);
        enter_period(window, 0, QString(), QString());
        EXPECT_EQ(shown(window), range + morning + night + "08:00 AM|06:00 AM|12hrs 0min|12hrs 0min|12hrs 0min|12hrs 0min");
        // Clearing the day asks, then takes periods and comment; a day without periods is not asked and keeps its comment.
        const QString before = shown(window);
        user.answer_yes_no(false);
        run_node(window, QStringLiteral("clear_day"));
        EXPECT_EQ(shown(window), before);
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("clear_day"));
        EXPECT_EQ(shown(window), QStringLiteral("03-04-2024 03-04-2024 -2-----  / |||||"));
        EXPECT_EQ(user.take_texts(), QStringList(2, QStringLiteral("Clear all time periods for the day?")));
        type_into(window, QStringLiteral("comment"), QStringLiteral("Meeting"));
        run_node(window, QStringLiteral("clear_day"));
        EXPECT_EQ(text(window, "comment"), QStringLiteral("Meeting"));
        // Equal times last a whole day.
        enter_period(window, 3, QStringLiteral("9:00"), QStringLiteral("9:00"));
        EXPECT_EQ(shown(window), QStringLiteral("03-04-2024 03-04-2024 -2----- Meeting / 09:00 AM|09:00 AM|24hrs 0min|Yes|540|1980|1440"
                                                " / 09:00 AM|09:00 AM|24hrs 0min|24hrs 0min|24hrs 0min|24hrs 0min"));
        // Escape on the grid closes the window without saving, once the user agrees to drop the changes.
        table->setFocus();
        user.answer_yes_no(false);
        QTest::keyClick(table, Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible());
        user.answer_yes_no(true);
        QTest::keyClick(table, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_FALSE(saved);
    EXPECT_EQ(stored(kMonday), QStringLiteral("0|0||0|0|Entry|0"));
}

TEST_F(Editor, SavingWritesTheTickedDaysOfTheRangeInOneChange)
{
    // Mondays only, over two weeks. A stored comment longer than typing allows, holding a character that cannot be
    // typed, is shown and saved whole; only what is typed is filtered.
    const QString comment = QStringLiteral("New Year's Day ") + QString(290, u'x');
    set_day(kMonday, QString(), 0, 0, comment);
    bool saved = edit(kMonday, [&](QDialog &window) {
        auto *box = window.findChild<QLineEdit *>(QStringLiteral("comment"));
        EXPECT_EQ(box->text(), comment);
        box->end(false);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("!x"));
        EXPECT_EQ(box->text(), comment);
        enter_period(window, 0, QStringLiteral("9:00"), QStringLiteral("17:00"));
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-17-2024"));
        tick_only(window, 2);
        // The evening is typed and left open in the frame: the save takes it.
        QTableWidget *table = grid(window);
        table->setFocus();
        table->setCurrentCell(1, 0);
        QTest::keyClick(table, Qt::Key_Return);
        for (const char *typed : {"6:00 pm", "\t", "7:00 pm", "\t", " "})
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("work"));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("save_calendar"));
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_TRUE(saved);
    EXPECT_EQ(user.take_texts(),
              QStringList({QStringLiteral("Chacacters ' ! ? # * % | ; : - [ ] and \" cannot be used for field input."),
                           QStringLiteral("Override calendar?")}));
    EXPECT_EQ(changed_days(), QStringLiteral("2024-03-04 2024-03-11"));
    EXPECT_EQ(stored(QDate(2024, 3, 11)), QStringLiteral("540|1140|y@540>1020+y@1080>1140|540|540|%1|0").arg(comment));
    EXPECT_EQ(std::tuple(revision(), app_state().calendar_revision, reloads), std::tuple(1, 1, 1));  // revisions, reloads
    // Every day of the year, each keeping its day type; the reload after the save already sees them all.
    db().exec(QStringLiteral("UPDATE days SET DayType = 3 WHERE DateVal = '2024-07-01';"));
    qint64 worked_in_reload = 0;
    on_reload = [&] { worked_in_reload = scalar(db(), QStringLiteral("SELECT sum(minutes1) FROM days;")); };
    saved = edit(QDate(2024, 1, 1), [this](QDialog &window) {
        enter_period(window, 0, QStringLiteral("12:30 pm"), QStringLiteral("1:00 pm"), false);
        enter_period(window, 1, QStringLiteral("8:00 am"), QStringLiteral("12:00 pm"));
        retype(window, QStringLiteral("end_date"), QStringLiteral("12-31-2024"));
        tick_only(window, 0);
        retype(window, QStringLiteral("comment"), QStringLiteral("  Shift  "));
        EXPECT_EQ(text(window, "work_time_range"), QStringLiteral("1464hrs 0min"));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("save_calendar"));
    });
    ASSERT_TRUE(saved);
    EXPECT_EQ(scalar(db(), QStringLiteral("SELECT count(*) FROM days WHERE DayStart = 480 AND DayStop = 780 AND minutes1 = 240"
                                          " AND minutes2 = 270 AND TimeSegments = 'y@480>720+n@750>780'"
                                          " AND \"Date comment\" = 'Shift';")),
              366);
    EXPECT_EQ(stored(QDate(2024, 7, 1)), QStringLiteral("480|780|y@480>720+n@750>780|240|270|Shift|3"));
    EXPECT_EQ(std::tuple(revision(), worked_in_reload), std::tuple(2, 366 * 240));
    // Its history entry keeps what it left in every day, day types included.
    std::vector<DayState> recorded;
    for (const DayChange &day : read_changed_days(db(), read_history(db()).front().id))
        recorded.push_back(day.after);
    EXPECT_EQ(recorded, read_day_states(db(), app_state().calendar_id, QDate(2024, 1, 1), QDate(2024, 12, 31)));
}

TEST_F(Editor, ARefusedOrFailedSaveWritesNothing)
{
    const QString override = kMessageTitle + QStringLiteral(": Override calendar?");
    // Each save of 9:00 to 17:00 from March 4 to `end`, all weekdays ticked, after `before` set the scene and the
    // answers; each message shown contains its expected part.
    const struct { const char *end; std::function<void()> before; QStringList shown; } cases[] = {
        {"03-01-2024", [] {}, {"Date input: No date of the range is selected.\r\nPlease check the start and end date and the weekdays."}},
        {"03-04-2024", [this] { user.answer_yes_no(false); }, {override}},
        // A period left open in the frame that its checks refuse.
        {"03-04-2024",
         [] {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
             QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("noon"));
         },
         {kMessageTitle + ": The start time does not comply with the required"}},
        // The 200th day written fails, as a full disk would.
        {"12-31-2024",
         [this] {
             db().exec(QStringLiteral("CREATE TABLE written (n INTEGER); INSERT INTO written VALUES (0);"
                                      "CREATE TRIGGER count_writes AFTER UPDATE ON days BEGIN UPDATE written SET n = n + 1; END;"
                                      "CREATE TRIGGER fail_writes BEFORE UPDATE ON days WHEN (SELECT n FROM written) >= 199"
                                      " BEGIN SELECT RAISE(ABORT, 'disk full'); END;"));
             user.answer_yes_no(true);
         },
         {override, "disk full"}},
        // An owned calendar: nobody identifies, and the system password is declined.
        {"03-04-2024",
         [this] {
             db().exec(QStringLiteral("INSERT INTO users (EmployeeID, FirstName, LastName) VALUES ('E1', 'Ann', 'Smith');"
                                      "UPDATE calendars SET OwnerLink = 1;"));
             user.answer_yes_no(true);
             user.on_window(QStringLiteral("user_list"), [](QDialog &list) { list.close(); });
             user.answer_yes_no(false);
         },
         {override, "Insufficient access permission."}},
        // Another workstation saved first.
        {"03-04-2024",
         [this] {
             Database other = open_existing_database(file.path());
             other.exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
             user.answer_yes_no(true);
         },
         {override, "Description: Calendar is out of date."}},
    };
    for (const auto &c : cases) {
        edit(QDate(2024, 1, 1), [&](QDialog &window) {
            enter_period(window, 0, QStringLiteral("9:00"), QStringLiteral("17:00"));
            retype(window, QStringLiteral("start_date"), QStringLiteral("03-04-2024"));
            retype(window, QStringLiteral("end_date"), QString::fromLatin1(c.end));
            tick_only(window, 0);
            grid(window)->setFocus();
            c.before();
            run_node(window, QStringLiteral("save_calendar"));
            EXPECT_TRUE(window.isVisible()) << c.end;
            user.answer_yes_no(true);
            window.close();
        });
        QStringList shown = messages();
        EXPECT_EQ(shown.takeLast(), kMessageTitle + QStringLiteral(": Discard the changes to this day?"));
        ASSERT_EQ(shown.size(), c.shown.size()) << shown.join(u'|').toStdString();
        for (int i = 0; i < shown.size(); ++i)
            EXPECT_TRUE(shown[i].contains(c.shown[i])) << shown[i].toStdString();
        EXPECT_EQ(changed_days(), QString()) << shown.join(u'|').toStdString();
    }
    EXPECT_EQ(scalar(db(), QStringLiteral("SELECT n FROM written;")), 0);
    // Only the other workstation's save raised the revision; nothing was reloaded.
    EXPECT_EQ(std::tuple(revision(), app_state().calendar_revision, reloads), std::tuple(1, 0, 0));
}

TEST(DayEditor, ConflictsAreOverlapsAndStoredPeriodsKeepTheirOrderAndValuesUntilTheFirstChange)
{
    DayEditor day;
    day.load(QStringLiteral("y@480>720+y@1320>1800"), {});
    const struct { qint32 start, end; int conflict; } cases[] = {
        {720, 780, -1},     // starts where the first ends
        {420, 480, -1},     // ends where the first starts
        {480, 720, -1},     // the same period again
        {660, 780, 0},      // ends inside
        {420, 780, 0},      // encloses
        {540, 600, 0},      // enclosed
        {420, 540, 0},      // starts inside
        {1380, 1500, 1},    // inside the night period
        {1200, 1800, 1},    // night period ends inside
    };
    for (const auto &c : cases)
        EXPECT_EQ(day.find_conflict(5, c.start, c.end), c.conflict) << c.start << ">" << c.end;
    EXPECT_EQ(day.find_conflict(0, 660, 780), -1);  // the edited row itself never conflicts
    day.load(QStringLiteral("n@780>840+Y@480>720"), {1, 2, 3, 4});
    EXPECT_EQ(day.row(0).start, 780);
    EXPECT_FALSE(day.row(1).worked);  // only "y" is worked
    EXPECT_EQ(day.values(), (DayValues{1, 2, 3, 4}));
    day.apply_time_input(2, QStringLiteral("6:00"), QStringLiteral("7:00"), true);
    EXPECT_EQ(day.time_segments(), QStringLiteral("y@360>420+n@480>720+n@780>840"));
    EXPECT_EQ(day.values(), (DayValues{360, 840, 60, 360}));
}

TEST(DateRange, ReadsTheDateFieldsFormAndCountsTheTickedWeekdaysOfTheRange)
{
    EXPECT_EQ(parse_editor_date(QStringLiteral("03-15-2024")), QDate(2024, 3, 15));
    EXPECT_EQ(parse_editor_date(QStringLiteral("02-29-2024")), QDate(2024, 2, 29));
    for (const char *bad : {"02-29-2023", "3-15-2024", "--", "03-1_-2024", "15-03-2024", ""})
        EXPECT_EQ(parse_editor_date(QString::fromLatin1(bad)), std::nullopt) << bad;
    const QDate start(2024, 1, 1);  // a Monday
    Weekdays mondays{}, weekend{}, all;
    mondays[1] = weekend[0] = weekend[6] = true;
    all.fill(true);
    EXPECT_EQ(count_of_days_in_range(start, QDate(2024, 12, 31), all), 366);
    EXPECT_EQ(count_of_days_in_range(start, QDate(2024, 12, 31), mondays), 53);
    EXPECT_EQ(count_of_days_in_range(start, QDate(2024, 1, 14), mondays), 2);
    EXPECT_EQ(count_of_days_in_range(start, start, mondays), 1);
    EXPECT_EQ(count_of_days_in_range(QDate(2024, 1, 2), QDate(2024, 1, 7), mondays), 0);
    EXPECT_EQ(count_of_days_in_range(start, QDate(2023, 12, 31), all), 0);
    EXPECT_EQ(count_of_days_in_range(std::nullopt, start, all), 0);
    // The weekend days of March 2024: eight in its four whole weeks and two in the three left (Friday 29 to Sunday 31).
    EXPECT_EQ(count_of_days_in_range(QDate(2024, 3, 1), QDate(2024, 3, 31), weekend), 10);
}
