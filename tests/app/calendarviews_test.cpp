#include "app/calendarviews.h"
#include "app/monthgrid.h"
#include "mainwindowtest.h"
#include "store/database.h"
#include "store/history.h"
#include "testserver.h"

#include <QHeaderView>
#include <QListWidget>
#include <QWheelEvent>

#include <functional>
#include <tuple>

using namespace dayvane;
using namespace dayvane::test;

using CalendarViewsTest = MainWindowTest;

namespace {

// Alpha of the sample data open on 8 Jan 2024, its one stored day, in a
// calendar database that another workstation changes too.
class OtherWorkstation : public MainWindowTest, public ::testing::WithParamInterface<Backend>
{
protected:
    void start_on_alpha()
    {
        window.set_watch_interval(100);
        write_ini(QStringLiteral("[DB path]=%1\r\n[View index]=%2\r\n[Calendar date]=1/8/2024\r\n")
                      .arg(shared.workstation_path())
                      .arg(sample.alpha));
        window.start();
    }
    // The other workstation saves `minutes` of work and pay on that day, as the editor does.
    void save_elsewhere(int minutes)
    {
        const qint32 alpha = qint32(sample.alpha);
        const qint32 remembered = qint32(scalar(other, revision_of(alpha)));
        change_calendar_days(other, alpha, remembered, QDate(2024, 1, 8), QDate(2024, 1, 8), [&](std::vector<DayState> &days) {
            execute(other, QStringLiteral("UPDATE days SET minutes1 = ?, minutes2 = ? WHERE \"NameLink\" = ?;"), {minutes, minutes, alpha});
            days = read_day_states(other, alpha, QDate(2024, 1, 8), QDate(2024, 1, 8));
            return QStringLiteral("Saved elsewhere");
        });
    }
    static QString revision_of(qint64 calendar) { return QStringLiteral("SELECT revision FROM calendars WHERE id = %1;").arg(calendar); }
    // True once the day shows `work` as its work time, within a second.
    bool shows_within_a_second(const char *work)
    {
        return QTest::qWaitFor([&] { return text("lbl_work_time") == QLatin1String(work); }, 1000);
    }

    TestDatabase shared{GetParam()};
    const Sample sample = fill_sample(shared.db());
    Database &other = shared.db();
};
INSTANTIATE_TEST_SUITE_P(Backends, OtherWorkstation, ::testing::ValuesIn(backends()), backend_name);

} // namespace

TEST_P(OtherWorkstation, ItsSaveIsShownWithinASecondOnTheSameDateAndAnOpenEditorIsToldBeforeSaving)
{
    start_on_alpha();
    // Nothing for another calendar, nor for a revision not newer than the one shown.
    const qint32 shown = app_state().calendar_revision;
    set_text("lbl_work_time", QStringLiteral("unchanged"));
    for (const auto &[revision, calendar] : {std::pair(shown + 5, sample.zeta), {shown - 1, sample.alpha}, {shown, sample.alpha}}) {
        other.exec(QStringLiteral("UPDATE calendars SET revision = %1 WHERE id = %2;").arg(revision).arg(calendar));
        QTest::qWait(250);
    }
    EXPECT_EQ(text("lbl_work_time"), QStringLiteral("unchanged"));
    window.run_command(QStringLiteral("reload_calendar"));
    EXPECT_EQ(text("lbl_work_time"), QStringLiteral("1h 0m"));

    save_elsewhere(120);
    EXPECT_TRUE(shows_within_a_second("2h 0m"));
    EXPECT_EQ(selected(), QDate(2024, 1, 8));
    EXPECT_EQ(text("lbl_year_work_total_time"), QStringLiteral("2h 0m"));
    EXPECT_EQ(app_state().calendar_revision, scalar(other, revision_of(sample.alpha)));

    // An open editor is told at once; the main window waits for it to close,
    // and the save is refused as ever.
    user.on_window(QStringLiteral("calendar_edit"), [&](QDialog &editor) {
        const auto *notice = editor.findChild<QLabel *>(QStringLiteral("lbl_calendar_changed"));
        ASSERT_TRUE(notice && notice->isHidden());
        save_elsewhere(180);
        EXPECT_TRUE(QTest::qWaitFor([&] { return notice->isVisible(); }, 1000));
        EXPECT_EQ(notice->accessibleName(), QStringLiteral("Calendar changed"));
        EXPECT_EQ(notice->accessibleDescription(), notice->text());
        EXPECT_EQ(text("lbl_work_time"), QStringLiteral("2h 0m"));
        user.answer_yes_no(true);
        run_node(editor, QStringLiteral("save_calendar"));
        editor.close();
    });
    double_click_date(QDate(2024, 1, 8));
    EXPECT_TRUE(shows_within_a_second("3h 0m"));
    const QStringList told = user.take_texts();
    EXPECT_TRUE(told.size() == 2 && told[1].contains(QStringLiteral("Calendar is out of date."))) << told.join(u'\n').toStdString();

    // A server's connection ended under the window: it connects again by
    // itself and hears the next change.
    if (GetParam() == Backend::Server) {
        const qint64 pid = scalar(*app_state().database, QStringLiteral("SELECT pg_backend_pid();"));
        Database admin = Database::connect(TestServer::instance()->admin_address());
        admin.exec(QStringLiteral("SELECT pg_terminate_backend(%1);").arg(pid));
        // Its new session has listened and read what it missed; the change
        // comes after.
        Statement name = other.prepare(QStringLiteral("SELECT current_database();"));
        ASSERT_TRUE(name.step());
        const QString caught_up = QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE datname = '%1' AND pid <> %2"
                                                 " AND query LIKE 'SELECT revision FROM calendars%';")
                                      .arg(name.column(0).toString())
                                      .arg(pid);
        EXPECT_TRUE(QTest::qWaitFor([&] { return scalar(admin, caught_up) == 1; }, 10000));
        save_elsewhere(240);
        EXPECT_TRUE(shows_within_a_second("4h 0m"));
    }
}

TEST_F(CalendarViewsTest, StartUpReopensTheStoredCalendarOnItsDateWithItsFiguresAndTheDayDetailsAndOnlyStoredDaysAreEdited)
{
    start_on(filled.office, QStringLiteral("1/10/2024"));
    EXPECT_EQ(selected(), QDate(2024, 1, 10));
    EXPECT_EQ(shown(), QStringLiteral("Office / 2024 | January | January 2024 | Jan-10 | "));
    // The grids of January and December reach into the years around; the user cannot leave the loaded year.
    EXPECT_EQ(app_state().first_shown_date, QDate(2023, 12, 31));
    EXPECT_EQ(app_state().last_shown_date, QDate(2025, 1, 4));
    EXPECT_EQ(calendar()->minimumDate(), QDate(2024, 1, 1));
    EXPECT_EQ(calendar()->maximumDate(), QDate(2024, 12, 31));
    EXPECT_FALSE(button("previous_month")->isEnabled());
    EXPECT_EQ(app_state().event_filter, 0);
    EXPECT_EQ(listed().size(), 5);
    // The first row adds 31 December of the stored year before; the fifth row adds 1 February to 31 January.
    EXPECT_EQ(weeks("work_week"), QStringList({"21h 0m", "8h 0m", "0h 0m", "0h 0m", "16h 0m", "0h 0m"}));
    EXPECT_EQ(weeks("pay_week"), QStringList({"29h 0m", "8h 0m", "0h 0m", "0h 0m", "16h 0m", "0h 0m"}));
    EXPECT_EQ(summary("month"), QStringList({"4 days", "32h 0m", "1 days", "4h 0m", "5 days", "36h 0m", "1 days", "6 days", "44h 0m"}));
    // Neither 31 Dec 2023 nor 2 Jan 2025 counts for the year.
    EXPECT_EQ(summary("year"), QStringList({"6 days", "48h 0m", "1 days", "4h 0m", "7 days", "52h 0m", "2 days", "9 days", "68h 0m"}));
    // Event text marks the date bold, one blank included; empty text does not.
    const QStringList january_marks{"2023-12-31", "2024-01-01", "2024-01-03", "2024-01-05", "2024-01-08"};
    EXPECT_EQ(bold_dates(), january_marks);
    // Each day of the month shows its class; the neighbouring month's days none.
    const std::pair<QDate, std::optional<DayKind>> classes[] = {
        {QDate(2023, 12, 31), std::nullopt},          {QDate(2024, 1, 1), DayKind::PaidNoWork},
        {QDate(2024, 1, 2), DayKind::TypicalWork},    {QDate(2024, 1, 4), DayKind::AlteredWork},
        {QDate(2024, 1, 5), DayKind::NoWorkNoPay},    {QDate(2024, 1, 6), DayKind::NoWorkNoPay}};
    for (const auto &[date, kind] : classes)
        EXPECT_EQ(day_class_of(calendar()->dateTextFormat(date)), kind) << date.toString(Qt::ISODate).toStdString();
    // The legend names them as the reports do, and its marks differ in grey as well.
    QStringList legend;
    QList<QImage> marks;
    for (QLabel *label : window.findChild<QWidget *>(QStringLiteral("day_class_legend"))->findChildren<QLabel *>()) {
        if (label->objectName() == QLatin1String("legend_text"))
            legend << label->text();
        else
            marks << label->pixmap().toImage().convertToFormat(QImage::Format_Grayscale8);
    }
    EXPECT_EQ(legend, QStringList({"Typical workday", "Altered workday", "Paid, no work", "No work, no pay"}));
    ASSERT_EQ(marks.size(), 4);
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j)
            EXPECT_NE(marks[i], marks[j]) << i << " " << j;
    }
    // Another month: its own marks and weeks only.
    QTest::keyClick(calendar()->findChild<QTableView *>(), Qt::Key_PageDown);
    EXPECT_EQ(shown(), QStringLiteral("Office / 2024 | February | February 2024 | Feb-10 | "));
    EXPECT_EQ(summary("month")[0], QStringLiteral("1 days"));
    EXPECT_EQ(weeks("work_week"), QStringList({"16h 0m", "0h 0m", "0h 0m", "0h 0m", "0h 0m", "0h 0m"}));
    EXPECT_TRUE(bold_dates().isEmpty());
    // The mouse wheel turns the page, and every view follows it.
    QWidget *days = calendar()->findChild<QTableView *>()->viewport();
    QWheelEvent wheel(QPointF(days->rect().center()), days->mapToGlobal(QPointF(days->rect().center())), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(days, &wheel);
    EXPECT_EQ(selected(), QDate(2024, 1, 10));
    EXPECT_EQ(shown(), QStringLiteral("Office / 2024 | January | January 2024 | Jan-10 | "));
    EXPECT_EQ(weeks("work_week")[0], QStringLiteral("21h 0m"));
    EXPECT_EQ(bold_dates(), january_marks);
    // Another year of the same calendar: the range follows the new date.
    window.views().select_date_for_load(QDate(2023, 12, 31));
    EXPECT_EQ(calendar()->minimumDate(), QDate(2023, 1, 1));
    window.run_command(QStringLiteral("reload_calendar"));
    EXPECT_EQ(shown(), QStringLiteral("Office / 2023 | December | December 2023 | Dec-31 | Old year"));
    EXPECT_EQ(text("lbl_year_work_total_days"), QStringLiteral("1 days"));
    EXPECT_TRUE(user.shown().empty());
    // Back in 2024: the day detail shows what the day has; only stored days of a current calendar are edited.
    window.views().select_date_for_load(QDate(2024, 1, 10));
    window.run_command(QStringLiteral("reload_calendar"));
    const std::pair<QDate, QStringList> cases[] = {
        {QDate(2024, 1, 2), {"Jan-02", "08:00 AM", "05:00 PM", "8h 0m", "8h 0m", ""}},
        // Paid, no work: times and no worked time.
        {QDate(2024, 1, 1), {"Jan-01", "08:00 AM", "04:00 PM", "0h 0m", "8h 0m", "New Year's Day"}},
        // Neither work nor pay: the date and the event only.
        {QDate(2024, 1, 5), {"Jan-05", "", "", "0h 0m", "0h 0m", "Closed"}},
        // No stored record.
        {QDate(2024, 1, 6), {"Jan-06", "", "", "0h 0m", "0h 0m", ""}},
    };
    for (const auto &[date, detail] : cases) {
        // A date of the same month changes the day detail only.
        set_text("lbl_month_pay_days", QStringLiteral("unchanged"));
        calendar()->setSelectedDate(date);
        EXPECT_EQ(selected(), date);
        QStringList shown_detail;
        for (const char *label : {"lbl_cal_date", "lbl_start_time", "lbl_end_time", "lbl_work_time", "lbl_paid_time", "lbl_event"})
            shown_detail << text(QLatin1String(label));
        EXPECT_EQ(shown_detail, detail) << date.toString().toStdString();
        EXPECT_EQ(text("lbl_month_pay_days"), QStringLiteral("unchanged"));
    }
    // A double click on a stored day opens the editor on it, by the command
    // too; on a day without a record nothing opens (it would be unscripted).
    const auto close_editor = [](QDialog &editor) { editor.close(); };
    user.on_window(QStringLiteral("calendar_edit"), close_editor);
    double_click_date(QDate(2024, 1, 2));
    EXPECT_EQ(app_state().selected_day_id, filled.jan_02);
    double_click_date(QDate(2024, 1, 6));
    EXPECT_EQ(app_state().selected_day_id, 0);
    window.run_command(QStringLiteral("edit_calendar"));
    calendar()->setSelectedDate(QDate(2024, 1, 8));
    user.on_window(QStringLiteral("calendar_edit"), close_editor);
    window.run_command(QStringLiteral("edit_calendar"));
    EXPECT_GT(app_state().selected_day_id, filled.jan_02);
    // Another workstation saved the calendar: refused until reloaded.
    app_state().database->exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
    window.run_command(QStringLiteral("edit_calendar"));
    const QStringList refused = user.take_texts();
    EXPECT_TRUE(refused.size() == 1 && refused[0].contains(QStringLiteral("Calendar is out of date."))) << refused.join(u'\n').toStdString();
    window.run_command(QStringLiteral("reload_calendar"));
    user.on_window(QStringLiteral("calendar_edit"), close_editor);
    window.run_command(QStringLiteral("edit_calendar"));
    // Stored text is shown as it is, never as markup.
    const QString markup = QStringLiteral("<b>x</b><img src=\"x.png\"><a href=\"file:///etc\">y</a>");
    execute(*app_state().database, QStringLiteral("UPDATE days SET \"Date comment\" = ? WHERE DateVal = '2024-01-05';"), {markup});
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
    // 31 Dec 2023 and 2 Jan 2025 carry events but are never listed.
    const struct { const char *command, *header; QStringList dates; } cases[] = {
        {"show_all_calendar_event_dates", "Events (All commented dates)",
         {"Jan-01", "Jan-03", "Jan-05", "Jan-08", "Mar-15"}},
        {"show_typical_event_calendar_dates", "Events (Typical workdays)", {"Jan-03", "Jan-08", "Mar-15"}},
        {"show_altered_work_calendar_dates", "Events (Non-typical workdays)", {"Jan-04"}},
        {"show_pay_only_calendar_dates", "Events (Dates paid and not worked)", {"Jan-01", "May-20"}},
        {"show_no_work_no_pay_calendar_dates", "Events (Dates not worked and not paid)", {"Jan-05"}},
    };
    int filter = 0;
    for (const auto &c : cases) {
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
    EXPECT_EQ(listed(1) + listed(2) + listed(3) + listed(4),
              QStringList({"New Year's Day", "", "0h 0m", "0h 0m", "8h 0m", "8h 0m", "2024-01-01", "2024-05-20"}));
    EXPECT_TRUE(grid()->isColumnHidden(4));
    EXPECT_EQ(grid()->item(0, 0)->background().color(), kEventRowColour);
    // Choosing an empty row highlights the nearest listed one instead.
    window.run_command(QStringLiteral("show_all_calendar_event_dates"));
    grid()->setCurrentCell(20, 0);
    EXPECT_EQ(grid()->currentRow(), 4);
    EXPECT_EQ(grid()->item(4, 2)->background().color(), kEventRowColour);
    // Moving to a listed date of another month redraws the month, not the year summary.
    set_text("lbl_year_pay_days", QStringLiteral("kept"));
    grid()->setCurrentCell(4, 0);
    window.run_command(QStringLiteral("move_to_event_date"));
    EXPECT_EQ(selected(), QDate(2024, 3, 15));
    EXPECT_EQ(shown(), QStringLiteral("Office / 2024 | March | March 2024 | Mar-15 | Ides"));
    EXPECT_EQ(weeks("work_week")[2], QStringLiteral("8h 0m"));
    EXPECT_EQ(text("lbl_year_pay_days"), QStringLiteral("kept"));
    // A double click on a listed row moves there; on an empty row or the header it does nothing.
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
    app_state().calendar_id = qint32(filled.sample.alpha);
    window.run_command(QStringLiteral("reload_calendar"));
    EXPECT_EQ(grid()->rowCount(), 49);
    EXPECT_FALSE(grid_has_data(grid()));
    app_state().calendar_id = qint32(filled.busy);
    window.run_command(QStringLiteral("reload_calendar"));
    EXPECT_EQ(grid()->rowCount(), 60);
    EXPECT_EQ(QStringList({listed().first(), listed().last()}), QStringList({"Feb-01", "Mar-31"}));
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(CalendarViewsTest, TheMonthListAndArrowsMoveToTheSameDayOfAnotherMonth)
{
    start_on(filled.office, QStringLiteral("3/15/2024"));
    auto *list = window.findChild<QListWidget *>(QStringLiteral("month_list"));
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
    const std::function<void()> closers[] = {[&] { QTest::keyClick(list, Qt::Key_Escape); },
                                              [&] { click_month_node(); }, [&] { calendar()->setFocus(); }};
    for (const auto &close : closers) {
        click_month_node();
        ASSERT_TRUE(list->isVisible());
        close();
        EXPECT_FALSE(list->isVisible());
    }
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

TEST_F(CalendarViewsTest, AFailedLoadIsReportedWithItsStepAndClosesTheCalendar)
{
    // Each load that fails: the report's lines, then nothing of a calendar is left.
    const auto expect_failure = [this](const QString &description, const QString &location) {
        const QStringList texts = user.take_texts();
        ASSERT_EQ(texts.size(), 1);
        EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Error:\r\nNumber: 513\r\nDescription: ") + description)) << texts[0].toStdString();
        EXPECT_TRUE(texts[0].endsWith(QStringLiteral("\r\nLocation: ") + location)) << texts[0].toStdString();
        EXPECT_EQ(std::tuple(app_state().calendar_id, app_state().calendar_name, app_state().calendar_loaded),
                  std::tuple(0, QString(), false));
        EXPECT_EQ(QStringList({text("lbl_calendar_name"), text("lbl_cal_date"), text("lbl_year_pay_days"), weeks("work_week")[0]}),
                  QStringList({"No calendar loaded", "", "0 days", "0h 0m"}));
        EXPECT_TRUE(bold_dates().isEmpty());
        EXPECT_FALSE(grid_has_data(grid()));
        EXPECT_TRUE(window.views().calendar_year().day_entries().empty());
    };
    // A calendar that is no longer there.
    start_on(filled.busy + 100, QStringLiteral("1/10/2024"));
    expect_failure(QStringLiteral("DB record not found"), QStringLiteral("2"));
    // A day whose date the store cannot read, after a good load.
    app_state().calendar_id = qint32(filled.office);
    window.run_command(QStringLiteral("reload_calendar"));
    ASSERT_TRUE(app_state().calendar_loaded);
    app_state().calendar_id = qint32(filled.broken);
    window.run_command(QStringLiteral("reload_calendar"));
    expect_failure(QStringLiteral("Day record outside the loaded dates"), QStringLiteral("7"));
}
