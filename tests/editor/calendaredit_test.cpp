// Loading a day into the editor, entering and removing periods, the date
// range and the keyboard, through the real window.

#include "windowdriver.h"
#include "editorfixture.h"
#include "dialogs/dateselectorwindow.h"
#include "editor/calendareditwindow.h"
#include "ui_common/appstate.h"
#include "ui_common/gridhelpers.h"

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

QString checked_weekdays(QWidget &window)
{
    QString days;
    for (int number = 1; number <= 7; ++number)
        days += weekday(window, number)->isChecked() ? QString::number(number) : QStringLiteral("-");
    return days;
}

QString enabled_weekdays(QWidget &window)
{
    QString days;
    for (int number = 1; number <= 7; ++number)
        days += weekday(window, number)->isEnabled() ? QString::number(number) : QStringLiteral("-");
    return days;
}

QString date_text(QWidget &window, const QString &name)
{
    return window.findChild<QLineEdit *>(name)->text();
}

class Editor : public ::testing::Test
{
protected:
    EditorFixture f;
};

} // namespace

TEST_F(Editor, OpensOnTheRunOfIdenticalDaysThatFollows)
{
    for (int offset = 0; offset < 4; ++offset)
        f.set_day(kMonday.addDays(offset), kWorkday, 480, 480, QStringLiteral("Audit"), 480, 990);
    f.set_day(kMonday.addDays(4), kWorkday, 480, 480, QStringLiteral("Audit "), 480, 990);
    f.edit(kMonday, [](QDialog &window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Edit calendar"));
        EXPECT_EQ(date_text(window, QStringLiteral("start_date")), QStringLiteral("03-04-2024"));
        EXPECT_EQ(date_text(window, QStringLiteral("end_date")), QStringLiteral("03-07-2024"));
        EXPECT_EQ(checked_weekdays(window), QStringLiteral("-2345--"));
        EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("comment"))->text(), QStringLiteral("Audit"));
        EXPECT_EQ(cell(window, 1, 0), QStringLiteral("12:30 PM"));
        EXPECT_EQ(cell(window, 1, 2), QStringLiteral("4hrs 0min"));
        EXPECT_EQ(start_keys(window), QStringLiteral("480,750,9999,9999,9999,9999,9999,9999,9999,9999,9999,9999"));
        EXPECT_EQ(label(window, QStringLiteral("day_start")), QStringLiteral("08:00 AM"));
        EXPECT_EQ(label(window, QStringLiteral("day_end")), QStringLiteral("04:30 PM"));
        EXPECT_EQ(label(window, QStringLiteral("work_time_range")), QStringLiteral("32hrs 0min"));
        EXPECT_EQ(grid(window)->currentRow(), 0);
        window.close();
    });
}

TEST_F(Editor, AMissingPeriodListJoinsTheRunOnlyOfADayWithoutPeriods)
{
    // An empty text, then missing values: one run. A missing comment too.
    f.set_day(kMonday, QString(), 0, 0, QString());
    f.set_day(kMonday.addDays(1), QVariant(), 0, 0);
    f.set_day(kMonday.addDays(2), QVariant(), 0, 0);
    f.set_day(kMonday.addDays(3), QStringLiteral("y@480>720"), 240, 240);
    f.edit(kMonday, [](QDialog &window) {
        EXPECT_EQ(date_text(window, QStringLiteral("end_date")), QStringLiteral("03-06-2024"));
        window.close();
    });
    f.set_day(kMonday.addDays(5), QStringLiteral("y@480>720"), 240, 240);
    f.edit(kMonday.addDays(5), [](QDialog &window) {
        EXPECT_EQ(date_text(window, QStringLiteral("end_date")), QStringLiteral("03-09-2024"));
        window.close();
    });
}

TEST_F(Editor, AnEmptyDayShowsTwelveEmptyRowsAndNoTimes)
{
    f.edit(kMonday, [](QDialog &window) {
        for (const char *name : {"day_start", "day_end", "work_time", "total_time", "work_time_range", "total_time_range"})
            EXPECT_EQ(label(window, QString::fromLatin1(name)), QString()) << name;
        EXPECT_EQ(start_keys(window), QStringLiteral("9999,9999,9999,9999,9999,9999,9999,9999,9999,9999,9999,9999"));
        for (int column : {0, 1, 2, 3, 5, 6})
            EXPECT_EQ(cell(window, 11, column), QString());
        window.close();
    });
}

TEST_F(Editor, APeriodPastMidnightKeepsItsEndAboveOneDay)
{
    f.set_day(kMonday, QStringLiteral("y@1320>1800"), 480, 480, QVariant(), 1320, 360);
    f.edit(kMonday, [](QDialog &window) {
        const QStringList row = {cell(window, 0, 0), cell(window, 0, 1), cell(window, 0, 2), cell(window, 0, 3),
                                 cell(window, 0, 4), cell(window, 0, 5), cell(window, 0, 6)};
        EXPECT_EQ(row, QStringList({"10:00 PM", "06:00 AM", "8hrs 0min", "Yes", "1320", "1800", "480"}));
        EXPECT_EQ(label(window, QStringLiteral("day_end")), QStringLiteral("06:00 AM"));
        EXPECT_EQ(label(window, QStringLiteral("work_time")), QStringLiteral("8hrs 0min"));

        // Entered again from the boxes it stays the same.
        enter_period(window, 0, QStringLiteral("22:00"), QStringLiteral("6:00 am"));
        EXPECT_EQ(cell(window, 0, 5), QStringLiteral("1800"));
        EXPECT_EQ(cell(window, 0, 6), QStringLiteral("480"));
        EXPECT_EQ(label(window, QStringLiteral("day_end")), QStringLiteral("06:00 AM"));
        window.close();
    });
}

TEST_F(Editor, StoredPeriodsShowEvenWhenTheirMinutesAreZero)
{
    // A whole-day period as another writer may store it sums to 0 minutes.
    f.set_day(kMonday, QStringLiteral("n@600>600"), 0, 0);
    f.edit(kMonday, [](QDialog &window) {
        EXPECT_EQ(cell(window, 0, 0), QStringLiteral("10:00 AM"));
        EXPECT_EQ(cell(window, 0, 2), QStringLiteral("24hrs 0min"));
        EXPECT_EQ(label(window, QStringLiteral("total_time")), QString());
        window.close();
    });
}

TEST_F(Editor, EscapeHidesTheFrameThenClosesTheWindow)
{
    f.set_day(kMonday, QStringLiteral("y@480>720"), 240, 240, QVariant(), 480, 720);
    const QString before = f.stored(kMonday);
    const bool saved = f.edit(kMonday, [](QDialog &window) {
        QTest::keyClick(grid(window), Qt::Key_Return);
        auto *start = window.findChild<QLineEdit *>(QStringLiteral("start_time"));
        EXPECT_EQ(start->text(), QStringLiteral("8:00 am"));
        EXPECT_EQ(label(window, QStringLiteral("duration")), QStringLiteral("4hrs 0min"));
        type_into(window, QStringLiteral("start_time"), QStringLiteral("9:00"));
        EXPECT_EQ(label(window, QStringLiteral("duration")), QStringLiteral("3hrs 0min"));
        QTest::keyClick(start, Qt::Key_Escape);
        EXPECT_FALSE(frame_shown(window));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(cell(window, 0, 0), QStringLiteral("08:00 AM"));
        EXPECT_TRUE(grid(window)->hasFocus());
        QTest::keyClick(grid(window), Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_FALSE(saved);
    EXPECT_EQ(f.stored(kMonday), before);
}

TEST_F(Editor, OverlappingPeriodsAreRefusedWithTheFirstConflictingRow)
{
    f.edit(kMonday, [this](QDialog &window) {
        enter_period(window, 0, QStringLiteral("08:00"), QStringLiteral("12:00"));
        const QStringList first = {cell(window, 0, 0), cell(window, 0, 1), cell(window, 0, 2), cell(window, 0, 3),
                                   cell(window, 0, 4), cell(window, 0, 5), cell(window, 0, 6)};
        EXPECT_EQ(first, QStringList({"08:00 AM", "12:00 PM", "4hrs 0min", "Yes", "480", "720", "240"}));
        EXPECT_EQ(label(window, QStringLiteral("work_time")), QStringLiteral("4hrs 0min"));
        EXPECT_EQ(label(window, QStringLiteral("day_end")), QStringLiteral("12:00 PM"));

        enter_period(window, 1, QStringLiteral("12:00"), QStringLiteral("13:00"), false);  // touching: accepted
        EXPECT_EQ(cell(window, 1, 3), QStringLiteral("No"));
        EXPECT_EQ(label(window, QStringLiteral("work_time")), QStringLiteral("4hrs 0min"));
        EXPECT_EQ(label(window, QStringLiteral("total_time")), QStringLiteral("5hrs 0min"));
        EXPECT_TRUE(f.user.take_texts().isEmpty());

        for (const auto &[start, end] : {std::pair{"11:00", "13:00"}, {"07:00", "13:00"}, {"09:00", "10:00"}}) {
            enter_period(window, 2, QString::fromLatin1(start), QString::fromLatin1(end));
            ASSERT_EQ(f.user.shown().size(), 1u) << start;
            EXPECT_EQ(f.user.shown()[0].title, QStringLiteral("Calendar"));
            EXPECT_EQ(f.user.shown()[0].text, QStringLiteral("Time entry conflicts with 08:00 AM to 12:00 PM"));
            f.user.take_texts();
            EXPECT_TRUE(frame_shown(window));
            EXPECT_EQ(cell(window, 2, 4), QStringLiteral("9999"));
            EXPECT_EQ(label(window, QStringLiteral("total_time")), QStringLiteral("5hrs 0min"));
            QTest::keyClick(window.findChild<QLineEdit *>(QStringLiteral("end_time")), Qt::Key_Escape);
        }
        window.close();
    });
}

TEST_F(Editor, BadOrHalfEntriesAreExplainedAndTwoEmptyBoxesClearTheRow)
{
    f.set_day(kMonday, QStringLiteral("y@480>720"), 240, 240, QVariant(), 480, 720);
    f.edit(kMonday, [this](QDialog &window) {
        enter_period(window, 1, QStringLiteral("25:00"), QStringLiteral("9:00"));
        enter_period(window, 1, QStringLiteral("8:00 pm"), QStringLiteral("noon"));
        enter_period(window, 1, QStringLiteral("8:00"), QString());
        EXPECT_EQ(f.user.take_texts(),
                  QStringList({QStringLiteral("The start time does not comply with the required\r\ntime format (HH:MM Am or PM)"),
                               QStringLiteral("The End time does not comply with the required\r\ntime format (HH:MM Am or PM)"),
                               QStringLiteral("Please provide or clear start and end time.")}));
        EXPECT_EQ(cell(window, 1, 4), QStringLiteral("9999"));

        enter_period(window, 0, QString(), QString());
        EXPECT_EQ(cell(window, 0, 4), QStringLiteral("9999"));
        EXPECT_EQ(cell(window, 0, 0), QString());
        EXPECT_EQ(label(window, QStringLiteral("day_start")), QString());
        EXPECT_EQ(label(window, QStringLiteral("work_time")), QString());
        EXPECT_TRUE(f.user.take_texts().isEmpty());
        window.close();
    });
}

TEST_F(Editor, ANewPeriodIsSortedIntoPlaceAndStaysCurrent)
{
    f.set_day(kMonday, QStringLiteral("y@480>540+y@600>660+y@720>780"), 180, 180, QVariant(), 480, 780);
    f.edit(kMonday, [](QDialog &window) {
        enter_period(window, 11, QStringLiteral("9:00 am"), QStringLiteral("9:30 am"));
        EXPECT_EQ(start_keys(window), QStringLiteral("480,540,600,720,9999,9999,9999,9999,9999,9999,9999,9999"));
        EXPECT_EQ(grid(window)->currentRow(), 1);
        EXPECT_EQ(row_data(grid(window), 1), 12);  // the row's own number came along
        EXPECT_EQ(grid(window)->item(1, 0)->background().color(), window.palette().color(QPalette::Highlight));
        EXPECT_FALSE(frame_shown(window));

        // Delete on the grid removes the current period and goes to the top.
        grid(window)->setCurrentCell(2, 0);
        QTest::keyClick(grid(window), Qt::Key_Delete);
        EXPECT_EQ(start_keys(window), QStringLiteral("480,540,720,9999,9999,9999,9999,9999,9999,9999,9999,9999"));
        EXPECT_EQ(grid(window)->currentRow(), 0);
        EXPECT_EQ(label(window, QStringLiteral("work_time")), QStringLiteral("2hrs 30min"));
        window.close();
    });
}

TEST_F(Editor, RangeTotalsFollowTheDatesAndTheWeekdays)
{
    f.set_day(kMonday, QStringLiteral("y@480>720+n@720>750"), 240, 270, QVariant(), 480, 750);
    f.edit(kMonday, [this](QDialog &window) {
        EXPECT_EQ(label(window, QStringLiteral("total_time_range")), QStringLiteral("4hrs 30min"));
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-06-2024"));
        EXPECT_EQ(enabled_weekdays(window), QStringLiteral("-234---"));
        QTest::mouseClick(weekday(window, 4), Qt::LeftButton);
        EXPECT_EQ(label(window, QStringLiteral("work_time_range")), QStringLiteral("8hrs 0min"));

        // The end before the start: no day in the range.
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-01-2024"));
        EXPECT_EQ(label(window, QStringLiteral("work_time_range")), QStringLiteral("Date ?"));
        EXPECT_EQ(label(window, QStringLiteral("total_time_range")), QStringLiteral("Date ?"));
        EXPECT_EQ(enabled_weekdays(window), QStringLiteral("-------"));

        // A date of another year is moved into the calendar year.
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-10-2023"));
        EXPECT_EQ(f.user.take_texts(), QStringList{QStringLiteral("The calendar year must be 2024")});
        EXPECT_EQ(date_text(window, QStringLiteral("end_date")), QStringLiteral("03-10-2024"));
        EXPECT_EQ(enabled_weekdays(window), QStringLiteral("1234567"));
        EXPECT_EQ(label(window, QStringLiteral("work_time_range")), QStringLiteral("8hrs 0min"));

        // An end date typed while the start date was no date is checked as
        // soon as the start date is.
        window.findChild<QLineEdit *>(QStringLiteral("start_date"))->clear();
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-10-2025"));
        retype(window, QStringLiteral("start_date"), QStringLiteral("03-04-2024"));
        EXPECT_EQ(f.user.take_texts(), QStringList{QStringLiteral("The calendar year must be 2024")});
        EXPECT_EQ(date_text(window, QStringLiteral("end_date")), QStringLiteral("03-10-2024"));
        EXPECT_EQ(label(window, QStringLiteral("work_time_range")), QStringLiteral("8hrs 0min"));

        // A save never writes outside the calendar year, even from a date
        // typed but not yet confirmed.
        auto *end = window.findChild<QLineEdit *>(QStringLiteral("end_date"));
        end->setFocus();
        end->selectAll();
        QTest::keyClick(end, Qt::Key_Delete);
        QTest::keyClicks(end, QStringLiteral("03-10-2025"));
        run_node(window, QStringLiteral("save_calendar"));
        EXPECT_EQ(f.user.take_texts(), QStringList{QStringLiteral("The calendar year must be 2024")});
        EXPECT_EQ(date_text(window, QStringLiteral("end_date")), QStringLiteral("03-10-2024"));
        EXPECT_TRUE(window.isVisible());
        window.close();
    });
}

TEST_F(Editor, ClearDayAsksOnlyWhenThereArePeriods)
{
    f.set_day(kMonday, QString(), 0, 0, QStringLiteral("Meeting"));
    f.edit(kMonday, [](QDialog &window) {
        run_node(window, QStringLiteral("clear_day"));
        EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("comment"))->text(), QStringLiteral("Meeting"));
        window.close();
    });
    f.set_day(kMonday, QStringLiteral("y@480>720"), 240, 240, QStringLiteral("Meeting"), 480, 720);
    f.edit(kMonday, [this](QDialog &window) {
        f.user.answer_yes_no(false);
        run_node(window, QStringLiteral("clear_day"));
        EXPECT_EQ(cell(window, 0, 4), QStringLiteral("480"));
        f.user.answer_yes_no(true);
        run_node(window, QStringLiteral("clear_day"));
        EXPECT_EQ(f.user.take_texts(), QStringList(2, QStringLiteral("Clear all time periods for the day?")));
        EXPECT_EQ(cell(window, 0, 4), QStringLiteral("9999"));
        EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("comment"))->text(), QString());
        EXPECT_EQ(label(window, QStringLiteral("work_time")), QString());
        EXPECT_EQ(label(window, QStringLiteral("work_time_range")), QString());
        window.close();
    });
}

TEST_F(Editor, TheDateButtonsOpenTheSelectorOnTheFieldsDate)
{
    f.edit(kMonday, [this](QDialog &window) {
        QToolButton *end_button = nullptr;
        for (QToolButton *button : window.findChildren<QToolButton *>(QStringLiteral("button")))
            if (button->property("index").toInt() == 1)
                end_button = button;
        ASSERT_NE(end_button, nullptr);

        // An end date that is no date opens the selector on January 1;
        // closing it changes nothing.
        window.findChild<QLineEdit *>(QStringLiteral("end_date"))->clear();
        f.user.on_window(QStringLiteral("date_selector"), [](QDialog &selector) {
            EXPECT_EQ(selector.findChild<QCalendarWidget *>()->selectedDate(), QDate(2024, 1, 1));
            selector.close();
        });
        QTest::mouseClick(end_button, Qt::LeftButton);
        EXPECT_EQ(date_text(window, QStringLiteral("end_date")), QStringLiteral("--"));

        window.findChild<QLineEdit *>(QStringLiteral("end_date"))->setText(QStringLiteral("03-04-2024"));
        f.user.on_window(QStringLiteral("date_selector"), [](QDialog &selector) {
            auto *calendar = selector.findChild<QCalendarWidget *>(QStringLiteral("calendar"));
            EXPECT_EQ(calendar->selectedDate(), QDate(2024, 3, 4));
            EXPECT_EQ(calendar->maximumDate(), QDate(2024, 12, 31));
            calendar->setSelectedDate(QDate(2024, 3, 20));
            run_node(selector, QStringLiteral("select"));
        });
        QTest::mouseClick(end_button, Qt::LeftButton);
        EXPECT_EQ(date_text(window, QStringLiteral("end_date")), QStringLiteral("03-20-2024"));
        EXPECT_EQ(enabled_weekdays(window), QStringLiteral("1234567"));
        window.close();
    });
}

TEST_F(Editor, WorksFromTheKeyboardAlone)
{
    f.edit(kMonday, [](QDialog &window) {
        QTableWidget *table = grid(window);
        EXPECT_TRUE(table->hasFocus());
        QTest::keyClick(table, Qt::Key_Down);
        QTest::keyClick(table, Qt::Key_Return);
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->objectName(), QStringLiteral("start_time"));
        QTest::keyClicks(focus, QStringLiteral("8:00 am"));
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        EXPECT_EQ(focus->objectName(), QStringLiteral("end_time"));
        QTest::keyClicks(focus, QStringLiteral("5:00 pm"));
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        EXPECT_EQ(focus->objectName(), QStringLiteral("work"));
        QTest::keyClick(focus, Qt::Key_Space);
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_EQ(cell(window, 0, 3), QStringLiteral("Yes"));
        EXPECT_EQ(cell(window, 0, 2), QStringLiteral("9hrs 0min"));
        EXPECT_TRUE(table->hasFocus());

        // Tab out of the frame hides it and hands the focus to the grid;
        // from there Tab passes the hidden boxes.
        QTest::keyClick(table, Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_FALSE(frame_shown(window));
        EXPECT_TRUE(table->hasFocus());
        QTest::keyClick(table, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("comment"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("start_date"));

        // A click elsewhere hides the frame and keeps the focus there.
        QTest::keyClick(table, Qt::Key_Return);
        EXPECT_TRUE(frame_shown(window));
        QTest::mouseClick(window.findChild<QLineEdit *>(QStringLiteral("comment")), Qt::LeftButton);
        EXPECT_FALSE(frame_shown(window));
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("comment"));
        EXPECT_EQ(cell(window, 0, 3), QStringLiteral("Yes"));
        window.close();
    });
}

TEST_F(Editor, AStoredCommentIsShownAndSavedAsItIs)
{
    // Typed comments pass the input filter; a stored one, e.g. a holiday's
    // name, is not refused when the day opens.
    f.set_day(kMonday, QString(), 0, 0, QStringLiteral("New Year's Day"));
    f.edit(kMonday, [this](QDialog &window) {
        EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("comment"))->text(), QStringLiteral("New Year's Day"));
        EXPECT_TRUE(f.user.shown().empty());
        enter_period(window, 0, QStringLiteral("9:00"), QStringLiteral("10:00"));
        f.user.answer_yes_no(true);
        run_node(window, QStringLiteral("save_calendar"));
    });
    EXPECT_EQ(f.stored(kMonday), QStringLiteral("540|600|y@540>600|60|60|New Year's Day|0"));
}

TEST_F(Editor, AMissingDayIsReportedAndLeavesTheWindowEmpty)
{
    app_state().selected_day_id = 999999;
    f.user.on_window(QStringLiteral("calendar_edit"), [this](QDialog &window) {
        EXPECT_EQ(date_text(window, QStringLiteral("start_date")), QStringLiteral("--"));
        run_node(window, QStringLiteral("save_calendar"));  // nothing to save: no question
        window.close();
    });
    EXPECT_FALSE(open_calendar_editor(nullptr, {}));
    ASSERT_EQ(f.user.shown().size(), 1u);
    EXPECT_TRUE(f.user.shown()[0].text.contains(QStringLiteral("Number: 513\r\nDescription: DB record not found\r\n")));
}
