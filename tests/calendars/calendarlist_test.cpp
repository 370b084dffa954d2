#include "calendars/calendarlistwindow.h"
#include "scriptedinteraction.h"
#include "store/connection.h"
#include "store/recordset.h"
#include "ui_common/appstate.h"
#include "ui_common/gridhelpers.h"
#include "users/security.h"
#include "windowdriver.h"

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

QTableWidget *grid(QDialog &window)
{
    return window.findChild<QTableWidget *>(QStringLiteral("grid"));
}

// "name year picture" of every calendar row.
QStringList rows(QDialog &window)
{
    QStringList result;
    QTableWidget *table = grid(window);
    for (int row = 0; row < table->rowCount() && row_data(table, row) != 0; ++row)
        result << table->item(row, 0)->text() + u' ' + table->item(row, 1)->text() + u' '
                      + table->item(row, 0)->data(Qt::UserRole).toString();
    return result;
}

void select_row(QDialog &window, const QString &name, const QString &year)
{
    QTableWidget *table = grid(window);
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0) && table->item(row, 0)->text() == name && table->item(row, 1)->text() == year) {
            table->setCurrentCell(row, 0);
            return;
        }
    }
    FAIL() << "no row " << name.toStdString() << " " << year.toStdString();
}

void press_enter(QWidget *widget)
{
    QTest::keyClick(widget, Qt::Key_Return);
}

qint64 count(const QString &sql)
{
    return scalar(*app_state().database, sql);
}

class CalendarList : public ::testing::Test
{
protected:
    // Opens the list and runs `drive` on it.
    void with_list(const std::function<void(QDialog &)> &drive)
    {
        user.on_window(QStringLiteral("calendar_list"), [&](QDialog &window) {
            drive(window);
            window.close();
        });
        open_calendar_list(nullptr);
    }

    ConnectedDatabase connected;
    ScriptedInteraction user;
};

} // namespace

TEST_F(CalendarList, ListsCalendarsWithYearsPicturesAndOwners)
{
    with_list([&](QDialog &window) {
        EXPECT_EQ(grid(window)->rowCount(), 50);
        EXPECT_EQ(rows(window), QStringList({"Alpha 2024 admin", "beta  admin", "zeta office 2023 read_write",
                                             "zeta office 2024 read_write"}));
        auto *owner = window.findChild<QLabel *>(QStringLiteral("lbl_owner"));
        EXPECT_EQ(owner->text(), QStringLiteral("Changes require system password"));
        // Name and year both in sight, without scrolling sideways.
        const QTableWidget *table = grid(window);
        const QHeaderView *header = table->horizontalHeader();
        EXPECT_LE(header->sectionViewportPosition(1) + header->sectionSize(1), table->viewport()->width());
        EXPECT_GE(header->sectionSize(1), table->fontMetrics().horizontalAdvance(QStringLiteral("2024")));
        EXPECT_GT(header->sectionSize(0), 3 * header->sectionSize(1));
        select_row(window, QStringLiteral("zeta office"), QStringLiteral("2024"));
        EXPECT_EQ(owner->text(), QStringLiteral("Ann Smith"));
        // An empty row moves the selection to the nearest calendar.
        grid(window)->setCurrentCell(30, 0);
        EXPECT_EQ(grid(window)->currentRow(), 3);
    });
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(CalendarList, AnEmptyDatabaseOffersOnlyANewName)
{
    app_state().database->exec(QStringLiteral("DELETE FROM calendars;"));
    with_list([&](QDialog &window) {
        EXPECT_EQ(grid(window)->rowCount(), 50);
        EXPECT_TRUE(rows(window).isEmpty());
        for (const char *key : {"rename", "add_year", "delete_year", "set_ownership", "remove_ownership",
                                "add_restrict_read_access", "remove_restrict_read_access", "open_calendar"})
            run_node(window, QString::fromLatin1(key));
        run_node(window, QStringLiteral("new_name"));
        EXPECT_EQ(grid(window)->currentRow(), 0);
        EXPECT_TRUE(window.findChild<QWidget *>(QStringLiteral("new_name_frame"))->isVisible());
    });
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(CalendarList, NewCalendarsGetTheirFirstYearOfEmptyDays)
{
    with_list([&](QDialog &window) {
        const auto try_new = [&](const QString &name, const QString &year) {
            run_node(window, QStringLiteral("new_name"));
            auto *box = window.findChild<QLineEdit *>(QStringLiteral("txt_new_name"));
            type_into(window, QStringLiteral("txt_new_name"), name);
            type_into(window, QStringLiteral("new_name_year"), year);
            press_enter(box);
        };
        try_new(QStringLiteral("  "), QStringLiteral("2024"));
        try_new(QStringLiteral("Depot"), QStringLiteral("1999"));
        try_new(QStringLiteral("Depot"), QStringLiteral("2101"));
        try_new(QStringLiteral("Depot"), QString());
        try_new(QStringLiteral("ALPHA"), QStringLiteral("2024"));
        try_new(QStringLiteral("Depot"), QStringLiteral("2024"));
        EXPECT_FALSE(window.findChild<QWidget *>(QStringLiteral("new_name_frame"))->isVisible());
        EXPECT_EQ(grid(window)->item(grid(window)->currentRow(), 0)->text(), QStringLiteral("Depot"));
        try_new(QStringLiteral("Yard"), QStringLiteral("2100"));
    });
    const QStringList texts = user.take_texts();
    EXPECT_EQ(texts, QStringList({"The calendar name cannot be blank.", "The calendar year must be between 2000 and 2100.",
                                  "The calendar year must be between 2000 and 2100.",
                                  "The calendar year must be between 2000 and 2100.",
                                  "The calendar name specified already exists."}));
    const qint64 depot = count(QStringLiteral("SELECT id FROM calendars WHERE Name = 'Depot'"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM days WHERE NameLink = %1").arg(depot)), 366);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM days WHERE NameLink = %1 AND TimeSegments = '' AND "
                                   "\"Date comment\" = '' AND DayType = 0 AND minutes1 = 0").arg(depot)), 366);
    RecordSet days = RecordSet::open(*app_state().database,
                                     QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=2024; SELECT Q003.* FROM Q003;").arg(depot));
    days.move_last();
    EXPECT_EQ(days.field(QStringLiteral("DateVal")).toDate(), QDate(2024, 12, 31));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM days d JOIN calendars c ON c.id = d.NameLink WHERE c.Name = 'Yard'")), 365);
}

TEST_F(CalendarList, RenamesKeepNamesUnique)
{
    with_list([&](QDialog &window) {
        auto *rename = window.findChild<QLineEdit *>(QStringLiteral("txt_rename"));
        const auto try_rename = [&](const QString &name) {
            select_row(window, QStringLiteral("Alpha"), QStringLiteral("2024"));
            run_node(window, QStringLiteral("rename"));
            EXPECT_TRUE(rename->isVisible());
            rename->setText(name);
            press_enter(rename);
        };
        try_rename(QStringLiteral("zeta OFFICE"));
        try_rename(QStringLiteral("Alpha"));
        try_rename(QStringLiteral(" "));
        try_rename(QStringLiteral("O'Brien's shift"));
        EXPECT_FALSE(rename->isVisible());
        EXPECT_EQ(grid(window)->item(grid(window)->currentRow(), 0)->text(), QStringLiteral("O'Brien's shift"));
    });
    EXPECT_EQ(user.take_texts(), QStringList({"The calendar name specified already exists.",
                                              "The calendar name specified already exists.",
                                              "The calendar name cannot be blank."}));
    EXPECT_EQ(count(QStringLiteral("SELECT revision FROM calendars WHERE id = %1").arg(connected.sample.alpha)), 1);
}

TEST_F(CalendarList, YearsAreAddedAndDeletedAtEitherEnd)
{
    Database &db = *app_state().database;
    const qint64 alpha = connected.sample.alpha;
    db.exec(QStringLiteral("DELETE FROM calendar_years WHERE CalendarLink = %1;").arg(alpha));
    for (int year : {2004, 2005, 2006})
        db.exec(QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (%1, %2);").arg(alpha).arg(year));
    with_list([&](QDialog &window) {
        auto *years = window.findChild<QListWidget *>(QStringLiteral("new_year_list"));
        select_row(window, QStringLiteral("Alpha"), QStringLiteral("2005"));
        run_node(window, QStringLiteral("add_year"));
        ASSERT_EQ(years->count(), 2);
        EXPECT_EQ(years->item(0)->text(), QStringLiteral("2003"));
        EXPECT_EQ(years->currentItem()->text(), QStringLiteral("2007"));
        press_enter(years);
        EXPECT_FALSE(years->isVisible());
        EXPECT_EQ(grid(window)->item(grid(window)->currentRow(), 1)->text(), QStringLiteral("2007"));

        // Another workstation adds 2003 after the choices were offered.
        select_row(window, QStringLiteral("Alpha"), QStringLiteral("2007"));
        run_node(window, QStringLiteral("add_year"));
        Database other = open_existing_database(connected.file.path());
        other.exec(QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (%1, 2003);").arg(alpha));
        press_enter(years);

        run_node(window, QStringLiteral("reload"));
        select_row(window, QStringLiteral("Alpha"), QStringLiteral("2005"));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("delete_year"));
        select_row(window, QStringLiteral("Alpha"), QStringLiteral("2007"));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("delete_year"));
        EXPECT_EQ(rows(window).filter(QStringLiteral("Alpha")),
                  QStringList({"Alpha 2003 admin", "Alpha 2004 admin", "Alpha 2005 admin", "Alpha 2006 admin"}));

        // The only year of a calendar takes its name along.
        select_row(window, QStringLiteral("beta"), QString());
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("delete_year"));
        select_row(window, QStringLiteral("zeta office"), QStringLiteral("2023"));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("delete_year"));
        select_row(window, QStringLiteral("zeta office"), QStringLiteral("2024"));
        user.answer_yes_no(true);
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("delete_year"));
        EXPECT_TRUE(rows(window).filter(QStringLiteral("zeta")).isEmpty());
    });
    const QStringList texts = user.take_texts();
    ASSERT_EQ(texts.size(), 9) << texts.join(u'|').toStdString();
    EXPECT_EQ(texts[0], QStringLiteral("The calendar has been changed by another user.\r\nThe Year options are no longer valid."));
    EXPECT_EQ(texts[1], QStringLiteral("Delete year 2005 from calendar ''Alpha'' ?"));
    EXPECT_EQ(texts[2], QStringLiteral("Calendar years must be contiguous.\r\nOnly the first year (2003) or the last year (2007) can be deleted."));
    EXPECT_EQ(texts[3], QStringLiteral("Delete year 2007 from calendar ''Alpha'' ?"));
    // A calendar without years has no range to delete from.
    EXPECT_EQ(texts[5], QStringLiteral("The application was unable to acquire the calendars year range."));
    EXPECT_EQ(texts[6], QStringLiteral("Delete year 2023 from calendar ''zeta office'' ?"));
    EXPECT_EQ(texts[8], QStringLiteral("Deleting the only year for this calendar name will cause\r\nthe deletion of the name as well."
                                       "\r\n\r\nDo you want to proceed?"));
    // 2007's days went with their year.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM days WHERE NameLink = %1").arg(alpha)), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM days WHERE NameLink NOT IN (SELECT id FROM calendars)")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM days WHERE YearLink NOT IN (SELECT id FROM calendar_years)")), 0);
    Statement check = app_state().database->prepare(QStringLiteral("PRAGMA foreign_key_check;"));
    EXPECT_FALSE(check.step());
    // Adding then deleting 2007 raised the revision twice.
    EXPECT_EQ(count(QStringLiteral("SELECT revision FROM calendars WHERE id = %1").arg(alpha)), 2);
}

TEST_F(CalendarList, OwnersAndRestrictionFollowTheirRules)
{
    store_user_password(*app_state().database, connected.sample.bob, QStringLiteral("Bobpw1"));
    const auto choose = [&](qint64 who) {
        user.on_window(QStringLiteral("user_list"), [who](QDialog &list) {
            if (who == 0) {
                list.close();
                return;
            }
            select_user_row(list, who);
            run_node(list, QStringLiteral("select_user"));
        });
    };
    with_list([&](QDialog &window) {
        select_row(window, QStringLiteral("Alpha"), QStringLiteral("2024"));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("add_restrict_read_access"));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("remove_ownership"));
        user.answer_yes_no(true);
        choose(0);  // no user chosen: nothing changes
        run_node(window, QStringLiteral("set_ownership"));
        user.answer_yes_no(true);
        choose(connected.sample.bob);
        run_node(window, QStringLiteral("set_ownership"));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("add_restrict_read_access"));
        EXPECT_EQ(rows(window).first(), QStringLiteral("Alpha 2024 read_write"));

        // A restricted calendar given a new owner is unrestricted.
        select_row(window, QStringLiteral("zeta office"), QStringLiteral("2024"));
        user.answer_yes_no(true);
        choose(connected.sample.bob);
        run_node(window, QStringLiteral("set_ownership"));
        EXPECT_EQ(rows(window).last(), QStringLiteral("zeta office 2024 write"));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("remove_restrict_read_access"));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("remove_ownership"));
        EXPECT_EQ(rows(window).last(), QStringLiteral("zeta office 2024 admin"));

        // Changed elsewhere after the list was read: every change is refused.
        app_state().database->exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
        select_row(window, QStringLiteral("Alpha"), QStringLiteral("2024"));
        for (const char *key : {"remove_ownership", "add_restrict_read_access", "remove_restrict_read_access"}) {
            user.answer_yes_no(true);
            run_node(window, QString::fromLatin1(key));
        }
        user.answer_yes_no(true);
        choose(connected.sample.bob);
        run_node(window, QStringLiteral("set_ownership"));
    });
    const QStringList texts = user.take_texts();
    ASSERT_EQ(texts.size(), 22) << texts.join(u'|').toStdString();
    EXPECT_EQ(texts[0], QStringLiteral("Add restriction to calendar:\r\n''Alpha''?\r\n\r\nNote:\r\nAdding ''Read restriction'' "
                                       "will allow only the owner to view this calendar.\r\nDo you want to proceed?"));
    EXPECT_EQ(texts[1], QStringLiteral("Cannot add ''Read restriction'' to this calendar because an ''Owner'' has not \r\nbeen assigned."));
    EXPECT_EQ(texts[3], QStringLiteral("The calendar does not have an owner assigned."));
    EXPECT_EQ(texts[4], QStringLiteral("Assign an owner to the calendar\r\n''Alpha''?"));
    EXPECT_EQ(texts[5], texts[4]);  // the first time no user was chosen
    EXPECT_EQ(texts[6], QStringLiteral("The calendar ownership selection has been applied successfully."));
    EXPECT_EQ(texts[8], QStringLiteral("The ''Read restriction'' has been added to the calendar successfully."));
    EXPECT_EQ(texts[9], QStringLiteral("Replace calendar owner \r\n''Ann Smith''?"));
    EXPECT_EQ(texts[11], QStringLiteral("Remove ''Read restriction'' from calendar:''zeta office''?\r\n\r\nNote:\r\n"
                                        "Removing the ''Read restriction'' will allow public viewing\r\nof the calendar."));
    for (int i : {15, 17, 19, 21})
        EXPECT_TRUE(texts[i].contains(QStringLiteral("Description: DB record out of date"))) << i << texts[i].toStdString();
}

TEST_F(CalendarList, EveryChangeNeedsTheSystemPassword)
{
    store_user_password(*app_state().database, connected.sample.bob, QStringLiteral("Bobpw1"));
    store_system_password(*app_state().database, QStringLiteral("Admin99"));
    install_system_password_check();
    bool given = false;
    // Scripts the system password window: closed without one, or given it.
    const auto ask = [&] {
        user.on_window(QStringLiteral("system_password"), [given](QDialog &password) {
            if (given) {
                type_into(password, QStringLiteral("password"), QStringLiteral("Admin99"), 0);
                run_node(password, QStringLiteral("accept_password"), 0);
            }
            password.close();
        });
    };
    const QString zeta = QString::number(connected.sample.zeta);
    // Each change, with the query whose value it changes once it goes through.
    struct Guarded
    {
        const char *command;
        std::function<void(QDialog &)> run;
        QString changes;
    };
    const auto typed = [](QDialog &window, const char *box, const QString &text) {
        type_into(window, QString::fromLatin1(box), text);
        press_enter(window.findChild<QLineEdit *>(QString::fromLatin1(box)));
    };
    // Runs `command` on the row, answering its question Yes.
    const auto on = [&](const char *name, const char *year, const char *command, bool question = true) {
        return [=, &ask, this](QDialog &window) {
            select_row(window, QString::fromLatin1(name), QString::fromLatin1(year));
            if (question)
                user.answer_yes_no(true);
            ask();
            run_node(window, QString::fromLatin1(command));
        };
    };
    const Guarded guarded[] = {
        {"new_name", [&](QDialog &window) {
             run_node(window, QStringLiteral("new_name"));
             type_into(window, QStringLiteral("new_name_year"), QStringLiteral("2024"));
             ask();
             typed(window, "txt_new_name", QStringLiteral("Depot"));
         }, QStringLiteral("SELECT count(*) FROM calendars WHERE Name = 'Depot'")},
        {"rename", [&](QDialog &window) {
             on("Alpha", "2024", "rename", false)(window);
             typed(window, "txt_rename", QStringLiteral("Omega"));
         }, QStringLiteral("SELECT count(*) FROM calendars WHERE Name = 'Omega'")},
        {"add_year", [&](QDialog &window) {
             on("Depot", "2024", "add_year", false)(window);
             press_enter(window.findChild<QListWidget *>(QStringLiteral("new_year_list")));
         }, QStringLiteral("SELECT count(*) FROM calendar_years y JOIN calendars c ON c.id = y.CalendarLink WHERE c.Name = 'Depot'")},
        {"delete_year", on("zeta office", "2023", "delete_year"),
         QStringLiteral("SELECT count(*) FROM calendar_years WHERE CalendarLink = ") + zeta},
        {"remove_restrict_read_access", on("zeta office", "2024", "remove_restrict_read_access"),
         QStringLiteral("SELECT RestrictRead FROM calendars WHERE id = ") + zeta},
        {"add_restrict_read_access", on("zeta office", "2024", "add_restrict_read_access"),
         QStringLiteral("SELECT RestrictRead FROM calendars WHERE id = ") + zeta},
        {"remove_ownership", on("zeta office", "2024", "remove_ownership"),
         QStringLiteral("SELECT OwnerLink FROM calendars WHERE id = ") + zeta},
        // The owner is chosen before the password is asked for.
        {"set_ownership", [&](QDialog &window) {
             select_row(window, QStringLiteral("zeta office"), QStringLiteral("2024"));
             user.answer_yes_no(true);
             user.on_window(QStringLiteral("user_list"), [&](QDialog &list) {
                 select_user_row(list, connected.sample.bob);
                 ask();
                 run_node(list, QStringLiteral("select_user"));
             });
             run_node(window, QStringLiteral("set_ownership"));
         }, QStringLiteral("SELECT OwnerLink FROM calendars WHERE id = ") + zeta},
    };
    with_list([&](QDialog &window) {
        for (const Guarded &change : guarded) {
            const qint64 before = count(change.changes);
            for (bool with_password : {false, true}) {
                given = with_password;
                app_state().entered_system_password.clear();
                change.run(window);
                EXPECT_EQ(count(change.changes) != before, given) << change.command << " given " << given;
            }
        }
    });
    set_system_password_check(nullptr);
}
