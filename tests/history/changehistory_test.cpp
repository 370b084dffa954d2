#include "calendars/calendarstore.h"
#include "history/changehistorywindow.h"
#include "scriptedinteraction.h"
#include "store/history.h"
#include "ui_common/appstate.h"
#include "users/security.h"
#include "windowdriver.h"

#include <QLabel>
#include <QTableView>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// A calendar of 2024 changed from two workstations: "A" on 8 and 9 January, then "B" on 9 and 10, open in the main window.
class ChangeHistory : public ::testing::Test
{
protected:
    ChangeHistory()
    {
        AppState &state = app_state();
        state.calendar_id = create_calendar(db, QStringLiteral("Lab"), 2024);
        state.calendar_loaded = true;
        original = days();
        change({QStringLiteral("PC-1"), QStringLiteral("amy"), 0, {}}, {8, 9}, QStringLiteral("A"));
        change({QStringLiteral("PC-2"), QStringLiteral("bob"), 2, QStringLiteral("Bob Adams")}, {9, 10}, QStringLiteral("B"));
        window.load();
    }

    void change(const ChangeAuthor &author, std::initializer_list<int> january, const QString &mark)
    {
        db.author() = author;
        qint32 &revision = app_state().calendar_revision;
        revision = change_calendar_days(db, app_state().calendar_id, revision, QDate(2024, 1, 1), QDate(2024, 1, 31), [&](std::vector<DayState> &days) {
            for (int day : january) {
                db.exec(QStringLiteral("UPDATE days SET \"TimeSegments\" = 'y@480>720', minutes1 = 240, minutes2 = 240,"
                                       " \"Date comment\" = '%1' WHERE \"NameLink\" = %2 AND \"DateVal\" = '2024-01-%3';")
                            .arg(mark).arg(app_state().calendar_id).arg(day, 2, 10, QLatin1Char('0')));
            }
            days = this->days();
            return QStringLiteral("Changed: ") + mark;
        });
    }
    std::vector<DayState> days() { return read_day_states(db, app_state().calendar_id, QDate(2024, 1, 1), QDate(2024, 1, 31)); }
    QStringList column(int column)
    {
        QStringList texts;
        QAbstractItemModel *model = window.findChild<QTableView *>(QStringLiteral("entries"))->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }
    QStringList filtered(const QString &from, const QString &to, const QString &who)
    {
        retype(window, QStringLiteral("txt_from"), from);
        retype(window, QStringLiteral("txt_to"), to);
        retype(window, QStringLiteral("txt_who"), who);
        return column(5);
    }
    void select(const QString &what) { window.select_entry(window.entries()[size_t(column(5).indexOf(what))].id); }

    ConnectedDatabase connected;
    Database &db = *app_state().database;
    ScriptedInteraction user;
    std::vector<DayState> original;
    ChangeHistoryWindow window;
};

TEST_F(ChangeHistory, ShowsWhoChangedWhatFiltersAndUndoesNewestFirst)
{
    const QString created = QStringLiteral("Calendar created with the year 2024");
    EXPECT_EQ(column(5), QStringList({"Changed: B", "Changed: A", created}));
    EXPECT_EQ(column(1).mid(0, 2), QStringList({"PC-2", "PC-1"}));
    EXPECT_EQ(column(3).mid(0, 2), QStringList({"Bob Adams", ""}));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lbl_count"))->text(), QStringLiteral("3 changes"));
    QTableWidget *changed = window.findChild<QTableWidget *>(QStringLiteral("changed_days"));
    ASSERT_EQ(changed->rowCount(), 2);
    EXPECT_EQ(QStringList({changed->item(0, 0)->text(), changed->item(0, 1)->text(), changed->item(1, 2)->text()}),
              QStringList({"Tue 9 Jan 2024", "08:00 AM..12:00 PM (4h 0m Wrk) \u2014 \u201cA\u201d",
                           "08:00 AM..12:00 PM (4h 0m Wrk) \u2014 \u201cB\u201d"}));
    // The days a change changed, not its span; the creation made them all.
    EXPECT_EQ(filtered(QStringLiteral("2024-01-10"), {}, {}), QStringList({"Changed: B", created}));
    EXPECT_EQ(filtered(QStringLiteral("2024-01-02"), QStringLiteral("2024-01-07"), {}), QStringList({created}));
    EXPECT_EQ(filtered({}, {}, QStringLiteral("pc-1")), QStringList({"Changed: A"}));
    EXPECT_EQ(filtered({}, {}, QStringLiteral("AMY")), QStringList({"Changed: A"}));
    retype(window, QStringLiteral("txt_from"), QStringLiteral("9 January"));
    EXPECT_EQ(user.take_texts(), QStringList({"Please enter the date as yyyy-mm-dd, for example 2026-03-02."}));
    EXPECT_EQ(filtered({}, {}, {}).size(), 3);
    // A before B: refused, naming B and moving to it; nothing is written.
    select(QStringLiteral("Changed: A"));
    user.answer_yes_no(true);
    run_node(window, QStringLiteral("undo_change"));
    const QStringList refusal = user.take_texts();
    ASSERT_EQ(refusal.size(), 2);
    EXPECT_TRUE(refusal[1].startsWith(u"The days cannot be restored: Tue 9 Jan 2024 was changed since.")) << refusal[1].toStdString();
    EXPECT_TRUE(refusal[1].contains(u"on PC-2 (bob, Bob Adams):\r\nChanged: B")) << refusal[1].toStdString();
    EXPECT_EQ(window.entries()[size_t(window.findChild<QTableView *>(QStringLiteral("entries"))->currentIndex().row())].action,
              QStringLiteral("Changed: B"));
    EXPECT_EQ(app_state().calendar_revision, 2);
    // As any change of the unowned calendar: not without the system password.
    store_system_password(db, QStringLiteral("Admin99"));
    install_system_password_check();
    select(QStringLiteral("Changed: B"));
    user.answer_yes_no(true);
    answer_system_password(user, {});
    run_node(window, QStringLiteral("undo_change"));
    EXPECT_EQ(column(5).size(), 3);
    // B, then A: the days are as they were, each undo an entry of its own.
    answer_system_password(user, QStringLiteral("Admin99"));
    for (const QString &what : {QStringLiteral("Changed: B"), QStringLiteral("Changed: A")}) {
        select(what);
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("undo_change"));
        EXPECT_EQ(column(5).front(), QStringLiteral("Undone: ") + what);
    }
    set_system_password_check(nullptr);
    EXPECT_TRUE(days() == original);
    EXPECT_EQ(app_state().calendar_revision, 4);
    select(created);
    run_node(window, QStringLiteral("undo_change"));
    EXPECT_EQ(user.take_texts().last(), QStringLiteral("Only a change of days can be undone; this change is shown for the record."));
    // Undoing an undo puts the change back, and says so.
    select(QStringLiteral("Undone: Changed: A"));
    user.answer_yes_no(true);
    run_node(window, QStringLiteral("undo_change"));
    EXPECT_EQ(column(5).front(), QStringLiteral("Redone: Changed: A"));
    // A save that left every day as it was is listed as such, with nothing to restore.
    change({QStringLiteral("PC-1"), QStringLiteral("amy"), 0, {}}, {}, QStringLiteral("C"));
    window.load();
    EXPECT_EQ(column(5).front(), QStringLiteral("Changed: C (no day changed)"));
    user.take_texts();
    run_node(window, QStringLiteral("undo_change"));
    EXPECT_EQ(user.take_texts(), QStringList({"This change left every day as it was: there is nothing to restore."}));
    // An entry pruned by another workstation while the list showed it.
    select(QStringLiteral("Changed: B"));
    prune_history(db, QDate::currentDate().addDays(1));
    user.answer_yes_no(true);
    run_node(window, QStringLiteral("undo_change"));
    EXPECT_EQ(user.take_texts().last(), QStringLiteral("This change is no longer in the history."));
    EXPECT_EQ(column(5), QStringList());  // the list read again
    // Ctrl+Z: this workstation's login's newest change, confirmed first.
    const ChangeAuthor amy{QStringLiteral("PC-1"), QStringLiteral("amy"), 0, {}};
    db.author() = amy;
    undo_my_last_change(&window);
    EXPECT_EQ(user.take_texts(), QStringList({"There is no change of yours to this calendar to undo."}));
    const std::vector<DayState> before_d = days();
    change(amy, {12}, QStringLiteral("D"));
    change({QStringLiteral("PC-1"), QStringLiteral("bob"), 0, {}}, {13}, QStringLiteral("E"));
    db.author() = amy;
    user.answer_yes_no(false);
    undo_my_last_change(&window);
    EXPECT_TRUE(user.take_texts().last().endsWith(u"Changed: D"));
    user.answer_yes_no(true);
    undo_my_last_change(&window);
    window.load();
    EXPECT_EQ(column(5).mid(0, 2), QStringList({"Undone: Changed: D", "Changed: E"}));
    EXPECT_EQ(days()[11], before_d[11]);
    EXPECT_NE(days()[12], before_d[12]);
}

} // namespace
