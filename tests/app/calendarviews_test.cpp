#include "app/calendarviews.h"
#include "mainwindowtest.h"
#include "store/database.h"

#include <QHeaderView>
#include <QListWidget>
#include <QTableView>
#include <QTest>
#include <QTextCharFormat>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

using namespace dayvane;
using namespace dayvane::test;

namespace {

class CalendarViewsTest : public MainWindowTest
{
protected:
    // What the window shows of the open calendar and the selected day:
    // "caption | month node | month and year summarised | day | event".
    QString shown() const
    {
        return QStringList{text("lbl_calendar_name"), month_tree()->topLevelItem(0)->text(0),
                           text("lbl_summary_month") + u' ' + text("lbl_summary_year"), text("lbl_cal_date"),
                           text("lbl_event")}
            .join(QStringLiteral(" | "));
    }
    // The selected date, after checking that the shared state follows it.
    QDate selected() const
    {
        EXPECT_EQ(app_state().current_date, calendar()->selectedDate());
        return calendar()->selectedDate();
    }
    void set_text(const char *name, const QString &value)
    {
        window.findChild<QLabel *>(QString::fromLatin1(name))->setText(value);
    }
    // The nine summary labels of "month" or "year".
    QStringList summary(const QString &period) const
    {
        QStringList texts;
        for (const char *name : {"work_typical_days", "work_typical_time", "work_altered_days", "work_altered_time",
                                 "work_total_days", "work_total_time", "no_work_pay_only_days", "pay_days", "pay_time"})
            texts << text(QStringLiteral("lbl_%1_%2").arg(period, QLatin1String(name)));
        return texts;
    }
    // Column `column` of every data row of the event grid.
    QStringList listed(int column = 0) const
    {
        QStringList texts;
        for (int row = 0; row < grid()->rowCount(); ++row) {
            if (row_data(grid(), row) != 0)
                texts << grid()->item(row, column)->text();
        }
        return texts;
    }
    QListWidget *month_list() const { return window.findChild<QListWidget *>(QStringLiteral("month_list")); }
    QTreeWidget *month_tree() const { return window.findChild<QTreeWidget *>(QStringLiteral("calendar_month_tree")); }
    QToolButton *button(const char *name) const { return window.findChild<QToolButton *>(QLatin1String(name)); }
    bool bold(QDate date) const { return calendar()->dateTextFormat(date).fontWeight() == QFont::Bold; }

    void click_month_node()
    {
        QTest::mouseClick(month_tree()->viewport(), Qt::LeftButton, {},
                          month_tree()->visualItemRect(month_tree()->topLevelItem(0)).center());
    }
    // A click and a double click on `view`'s cell at `index`.
    static void double_click(QAbstractItemView *view, const QModelIndex &index)
    {
        const QPoint centre = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    }
    void double_click_date(QDate date)
    {
        auto *view = calendar()->findChild<QTableView *>();
        const qint64 position = first_shown_day(calendar()->yearShown(), calendar()->monthShown()).daysTo(date);
        double_click(view, view->model()->index(1 + int(position / 7), int(position % 7)));
    }
};

} // namespace

TEST_F(CalendarViewsTest, StartUpReopensTheStoredCalendarOnItsDateWithItsFigures)
{
    start_on(filled.office, QStringLiteral("1/10/2024"));
    EXPECT_TRUE(user.shown().empty());
    EXPECT_TRUE(app_state().calendar_loaded);
    EXPECT_EQ(app_state().calendar_name, QStringLiteral("Office"));
    EXPECT_EQ(selected(), QDate(2024, 1, 10));
    EXPECT_EQ(shown(), QStringLiteral("Office / 2024 | January | January 2024 | Jan-10 | "));
    // The grids of January and December reach into the years around; the
    // user cannot leave the loaded year.
    EXPECT_EQ(app_state().first_shown_date, QDate(2023, 12, 31));
    EXPECT_EQ(app_state().last_shown_date, QDate(2025, 1, 4));
    EXPECT_EQ(calendar()->minimumDate(), QDate(2024, 1, 1));
    EXPECT_EQ(calendar()->maximumDate(), QDate(2024, 12, 31));
    EXPECT_FALSE(button("previous_month")->isEnabled());
    EXPECT_EQ(app_state().event_filter, 0);
    EXPECT_EQ(listed().size(), 5);

    // The first row adds 31 December of the stored year before; the fifth
    // row adds 1 February to 31 January.
    EXPECT_EQ(weeks("work_week"), QStringList({"21h 0m", "8h 0m", "0h 0m", "0h 0m", "16h 0m", "0h 0m"}));
    EXPECT_EQ(weeks("pay_week"), QStringList({"29h 0m", "8h 0m", "0h 0m", "0h 0m", "16h 0m", "0h 0m"}));
    EXPECT_EQ(summary("month"), QStringList({"4 days", "32h 0m", "1 days", "4h 0m", "5 days", "36h 0m", "1 days",
                                             "6 days", "44h 0m"}));
    // Neither 31 Dec 2023 nor 2 Jan 2025 counts for the year.
    EXPECT_EQ(summary("year"), QStringList({"6 days", "48h 0m", "1 days", "4h 0m", "7 days", "52h 0m", "2 days",
                                            "9 days", "68h 0m"}));
    // Event text marks the date bold, one blank included; empty text does not.
    for (const QDate date : {QDate(2023, 12, 31), QDate(2024, 1, 1), QDate(2024, 1, 3)})
        EXPECT_TRUE(bold(date)) << date.toString().toStdString();
    EXPECT_FALSE(bold(QDate(2024, 1, 2)));
    EXPECT_FALSE(bold(QDate(2024, 1, 4)));

    // Another month: its own marks and weeks only.
    QTest::keyClick(calendar()->findChild<QTableView *>(), Qt::Key_PageDown);
    EXPECT_EQ(calendar()->selectedDate(), QDate(2024, 2, 10));
    EXPECT_EQ(text("lbl_summary_month"), QStringLiteral("February"));
    EXPECT_EQ(text("lbl_month_work_typical_days"), QStringLiteral("1 days"));
    EXPECT_EQ(weeks("work_week"), QStringList({"16h 0m", "0h 0m", "0h 0m", "0h 0m", "0h 0m", "0h 0m"}));
    EXPECT_FALSE(bold(QDate(2024, 1, 3)));

    // The mouse wheel turns the page, and every view follows it.
    QWidget *days = calendar()->findChild<QTableView *>()->viewport();
    QWheelEvent wheel(QPointF(days->rect().center()), days->mapToGlobal(QPointF(days->rect().center())), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(days, &wheel);
    EXPECT_EQ(selected(), QDate(2024, 1, 10));
    EXPECT_EQ(text("lbl_summary_month"), QStringLiteral("January"));
    EXPECT_EQ(weeks("work_week")[0], QStringLiteral("21h 0m"));
    EXPECT_TRUE(bold(QDate(2024, 1, 3)));

    // Another year of the same calendar: the range follows the new date.
    window.views().select_date_for_load(QDate(2023, 12, 31));
    EXPECT_EQ(calendar()->selectedDate(), QDate(2023, 12, 31));
    EXPECT_EQ(calendar()->minimumDate(), QDate(2023, 1, 1));
    window.run_command(QStringLiteral("reload_calendar"));
    EXPECT_EQ(shown(), QStringLiteral("Office / 2023 | December | December 2023 | Dec-31 | Old year"));
    EXPECT_EQ(text("lbl_year_work_total_days"), QStringLiteral("1 days"));
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(CalendarViewsTest, TheDayDetailShowsWhatTheDayHas)
{
    start_on(filled.office, QStringLiteral("1/10/2024"));
    struct Case
    {
        QDate date;
        QStringList detail;
    };
    const Case cases[] = {
        {QDate(2024, 1, 2), {"Jan-02", "08:00 AM", "05:00 PM", "8h 0m", "8h 0m", ""}},
        // Paid, no work: times and no worked time.
        {QDate(2024, 1, 1), {"Jan-01", "08:00 AM", "04:00 PM", "0h 0m", "8h 0m", "New Year's Day"}},
        // Neither work nor pay: the date and the event only.
        {QDate(2024, 1, 5), {"Jan-05", "", "", "0h 0m", "0h 0m", "Closed"}},
        // No stored record.
        {QDate(2024, 1, 6), {"Jan-06", "", "", "0h 0m", "0h 0m", ""}},
    };
    for (const Case &c : cases) {
        // A date of the same month changes the day detail only.
        set_text("lbl_month_pay_days", QStringLiteral("unchanged"));
        calendar()->setSelectedDate(c.date);
        EXPECT_EQ(selected(), c.date);
        EXPECT_EQ(QStringList({text("lbl_cal_date"), text("lbl_start_time"), text("lbl_end_time"), text("lbl_work_time"),
                               text("lbl_paid_time"), text("lbl_event")}),
                  c.detail)
            << c.date.toString().toStdString();
        EXPECT_EQ(text("lbl_month_pay_days"), QStringLiteral("unchanged"));
    }

    // Stored text is shown as it is, never as markup.
    const QString markup = QStringLiteral("<b>x</b><img src=\"x.png\"><a href=\"file:///etc\">y</a>");
    execute(*app_state().database, QStringLiteral("UPDATE days SET \"Date comment\" = ? WHERE DateVal = '2024-01-05';"),
            {markup});
    execute(*app_state().database, QStringLiteral("UPDATE calendars SET Name = ? WHERE id = ?;"), {markup, filled.office});
    window.run_command(QStringLiteral("reload_calendar"));
    calendar()->setSelectedDate(QDate(2024, 1, 5));
    for (const char *name : {"lbl_event", "lbl_calendar_name"}) {
        const auto *label = window.findChild<QLabel *>(QLatin1String(name));
        EXPECT_TRUE(label->text().startsWith(markup)) << name;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name;
    }
}

TEST_F(CalendarViewsTest, TheEventListFiltersTheLoadedYearAndMovesToItsDates)
{
    start_on(filled.office, QStringLiteral("1/10/2024"));
    struct Case
    {
        const char *command;
        const char *header;
        QStringList dates;
    };
    // 31 Dec 2023 and 2 Jan 2025 carry events but are never listed.
    const Case cases[] = {
        {"show_all_calendar_event_dates", "Events (All commented dates)",
         {"Jan-01", "Jan-03", "Jan-05", "Jan-08", "Mar-15"}},
        {"show_typical_event_calendar_dates", "Events (Typical workdays)", {"Jan-03", "Jan-08", "Mar-15"}},
        {"show_altered_work_calendar_dates", "Events (Non-typical workdays)", {"Jan-04"}},
        {"show_pay_only_calendar_dates", "Events (Dates paid and not worked)", {"Jan-01", "May-20"}},
        {"show_no_work_no_pay_calendar_dates", "Events (Dates not worked and not paid)", {"Jan-05"}},
    };
    int filter = 0;
    for (const Case &c : cases) {
        window.run_command(QString::fromLatin1(c.command));
        EXPECT_EQ(app_state().event_filter, filter++);
        EXPECT_EQ(grid()->horizontalHeaderItem(1)->text(), QString::fromLatin1(c.header));
        EXPECT_EQ(listed(), c.dates) << c.command;
        EXPECT_EQ(grid()->rowCount(), 49) << c.command;
        EXPECT_EQ(row_data(grid(), c.dates.size()), 0);
        EXPECT_EQ(grid()->currentRow(), 0);
    }
    // A paid holiday without text: empty event, no work, its pay, its date.
    window.run_command(QStringLiteral("show_pay_only_calendar_dates"));
    EXPECT_EQ(listed(1), QStringList({"New Year's Day", ""}));
    EXPECT_EQ(listed(2), QStringList({"0h 0m", "0h 0m"}));
    EXPECT_EQ(listed(3), QStringList({"8h 0m", "8h 0m"}));
    EXPECT_EQ(listed(4), QStringList({"2024-01-01", "2024-05-20"}));
    EXPECT_TRUE(grid()->isColumnHidden(4));
    EXPECT_EQ(grid()->item(0, 0)->background().color(), kEventRowColour);

    // Choosing an empty row highlights the nearest listed one instead.
    window.run_command(QStringLiteral("show_all_calendar_event_dates"));
    grid()->setCurrentCell(20, 0);
    EXPECT_EQ(grid()->currentRow(), 4);
    EXPECT_EQ(grid()->item(4, 2)->background().color(), kEventRowColour);
    EXPECT_EQ(grid()->item(0, 2)->background(), QBrush());

    // Moving to a listed date of another month redraws the month, not the
    // year summary.
    set_text("lbl_year_pay_days", QStringLiteral("kept"));
    grid()->setCurrentCell(4, 0);
    window.run_command(QStringLiteral("move_to_event_date"));
    EXPECT_EQ(selected(), QDate(2024, 3, 15));
    EXPECT_EQ(shown(), QStringLiteral("Office / 2024 | March | March 2024 | Mar-15 | Ides"));
    EXPECT_EQ(weeks("work_week")[2], QStringLiteral("8h 0m"));
    EXPECT_EQ(text("lbl_year_pay_days"), QStringLiteral("kept"));

    // A double click on a listed row moves there; on an empty row or the
    // header it does nothing.
    double_click(grid(), grid()->model()->index(3, 0));
    EXPECT_EQ(shown(), QStringLiteral("Office / 2024 | January | January 2024 | Jan-08 | Team day"));
    double_click(grid(), grid()->model()->index(6, 0));
    QHeaderView *header = grid()->horizontalHeader();
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {},
                       QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    EXPECT_EQ(selected(), QDate(2024, 1, 8));
    EXPECT_EQ(text("lbl_cal_date"), QStringLiteral("Jan-08"));

    // After a change elsewhere the list comes back with the filter in use.
    ASSERT_TRUE(window.views().reload(2));
    EXPECT_EQ(listed(), QStringList{"Jan-04"});
    EXPECT_EQ(app_state().event_filter, 2);

    // An empty year shows empty rows (50 with the header); a busy one grows past them.
    window.run_command(QStringLiteral("show_all_calendar_event_dates"));
    app_state().calendar_id = qint32(filled.quiet);
    window.run_command(QStringLiteral("reload_calendar"));
    EXPECT_EQ(text("lbl_calendar_name"), QStringLiteral("Quiet / 2024"));
    EXPECT_EQ(grid()->rowCount(), 49);
    EXPECT_FALSE(grid_has_data(grid()));
    app_state().calendar_id = qint32(filled.busy);
    window.run_command(QStringLiteral("reload_calendar"));
    EXPECT_EQ(text("lbl_calendar_name"), QStringLiteral("Busy / 2024"));
    EXPECT_EQ(grid()->rowCount(), 60);
    EXPECT_EQ(listed().first(), QStringLiteral("Feb-01"));
    EXPECT_EQ(listed().last(), QStringLiteral("Mar-31"));
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(CalendarViewsTest, TheMonthListAndArrowsMoveToTheSameDayOfAnotherMonth)
{
    start_on(filled.office, QStringLiteral("3/15/2024"));
    QListWidget *list = month_list();
    click_month_node();
    ASSERT_TRUE(list->isVisible());
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_GE(list->geometry().top(), month_tree()->mapTo(&window, QPoint(0, 0)).y());  // below the node

    set_text("lbl_summary_year", QStringLiteral("stale"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(selected(), QDate(2024, 5, 15));
    EXPECT_EQ(shown(), QStringLiteral("Office / 2024 | May | May 2024 | May-15 | "));
    EXPECT_EQ(weeks("pay_week")[3], QStringLiteral("8h 0m"));  // 20 May, paid

    // Escape, a second click on the node and losing the focus close it unchanged.
    click_month_node();
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    click_month_node();
    ASSERT_TRUE(list->isVisible());
    click_month_node();
    EXPECT_FALSE(list->isVisible());
    click_month_node();
    calendar()->setFocus();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(calendar()->selectedDate(), QDate(2024, 5, 15));

    // A 31st lands on the last day of a shorter month, by the list or the arrows.
    calendar()->setSelectedDate(QDate(2024, 1, 31));
    click_month_node();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(calendar()->selectedDate(), QDate(2024, 2, 29));
    EXPECT_EQ(text("lbl_summary_month"), QStringLiteral("February"));
    calendar()->setSelectedDate(QDate(2024, 3, 31));
    button("next_month")->click();
    EXPECT_EQ(calendar()->selectedDate(), QDate(2024, 4, 30));
    EXPECT_EQ(text("lbl_summary_month"), QStringLiteral("April"));
    button("previous_month")->click();
    EXPECT_EQ(selected(), QDate(2024, 3, 30));
    calendar()->setSelectedDate(QDate(2024, 12, 31));
    EXPECT_FALSE(button("next_month")->isEnabled());
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(CalendarViewsTest, EditingHandsOnlyStoredDaysOfACurrentCalendarToTheEditor)
{
    start_on(filled.office, QStringLiteral("1/10/2024"));
    int opened = 0;
    window.set_editor_opener([&] { ++opened; });

    double_click_date(QDate(2024, 1, 2));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(app_state().selected_day_id, filled.jan_02);
    double_click_date(QDate(2024, 1, 6));  // no stored record
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(app_state().selected_day_id, 0);

    // Another workstation saved the calendar: refused until reloaded.
    app_state().database->exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
    calendar()->setSelectedDate(QDate(2024, 1, 2));
    window.run_command(QStringLiteral("edit_calendar"));
    EXPECT_EQ(opened, 1);
    ASSERT_EQ(user.shown().size(), 1u);
    EXPECT_TRUE(user.take_texts()[0].contains(QStringLiteral("Calendar is out of date.")));
    window.run_command(QStringLiteral("reload_calendar"));
    window.run_command(QStringLiteral("edit_calendar"));
    EXPECT_EQ(opened, 2);
}

TEST_F(CalendarViewsTest, AFailedLoadIsReportedWithItsStepAndClosesTheCalendar)
{
    // Each load that fails: the report's lines, then nothing of a calendar is left.
    const auto expect_failure = [this](const char *description, const char *location) {
        const QStringList texts = user.take_texts();
        ASSERT_EQ(texts.size(), 1);
        const QStringList lines = texts[0].split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 5) << texts[0].toStdString();
        EXPECT_EQ(lines[0], QStringLiteral("Error:"));
        EXPECT_EQ(lines[1], QStringLiteral("Number: 513"));
        EXPECT_TRUE(lines[2].startsWith(QLatin1String(description))) << lines[2].toStdString();
        EXPECT_EQ(lines[4], QLatin1String(location));
        EXPECT_EQ(app_state().calendar_id, 0);
        EXPECT_EQ(app_state().calendar_name, QString());
        EXPECT_FALSE(app_state().calendar_loaded);
        EXPECT_EQ(text("lbl_calendar_name"), QStringLiteral("No calendar loaded"));
        EXPECT_EQ(text("lbl_cal_date"), QString());
        EXPECT_EQ(text("lbl_year_pay_days"), QStringLiteral("0 days"));
        EXPECT_EQ(weeks("work_week")[0], QStringLiteral("0h 0m"));
        EXPECT_FALSE(bold(QDate(2024, 1, 1)));
        EXPECT_FALSE(grid_has_data(grid()));
        EXPECT_TRUE(window.views().calendar_year().day_entries().empty());
    };
    // A calendar that is no longer there.
    start_on(filled.busy + 100, QStringLiteral("1/10/2024"));
    expect_failure("Description: DB record not found", "Location: 2");

    // A day whose date the store cannot read, after a good load.
    app_state().calendar_id = qint32(filled.office);
    window.run_command(QStringLiteral("reload_calendar"));
    ASSERT_TRUE(app_state().calendar_loaded);
    app_state().calendar_id = qint32(filled.broken);
    window.run_command(QStringLiteral("reload_calendar"));
    expect_failure("Description: Day record outside the loaded dates", "Location: 7");
}
