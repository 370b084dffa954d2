#include "calendars/calendarlistwindow.h"
#include "calendars/calendarstore.h"
#include "scriptedinteraction.h"
#include "store/connection.h"
#include "store/history.h"
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

qint64 count(const QString &sql) { return scalar(*app_state().database, sql); }

class CalendarList : public ::testing::Test
{
protected:
    void with_list(const std::function<void(QDialog &)> &drive)
    {
        user.on_window(QStringLiteral("calendar_list"), [&](QDialog &window) {
            drive(window);
            window.close();
        });
        open_calendar_list(nullptr);
    }
    // Runs `command` on the row of `name` and `year`, answering Yes to `yes` questions.
    void run_on(QDialog &window, const char *name, const char *year, const char *command, int yes = 1)
    {
        select_calendar_row(window, QString::fromLatin1(name), QString::fromLatin1(year));
        for (int i = 0; i < yes; ++i)
            user.answer_yes_no(true);
        run_node(window, QString::fromLatin1(command));
    }
    // The list's user list chooses `who`, or nobody when 0.
    void choose(qint64 who)
    {
        user.on_window(QStringLiteral("user_list"), [who](QDialog &list) {
            if (who == 0) {
                list.close();
                return;
            }
            select_user_row(list, who);
            run_node(list, QStringLiteral("select_user"));
        });
    }
    // "calendar: action" of every history entry, oldest first.
    static QStringList recorded()
    {
        QStringList entries;
        for (const HistoryEntry &entry : read_history(*app_state().database))
            entries.prepend(entry.calendar_name + QStringLiteral(": ") + entry.action);
        return entries;
    }
    ConnectedDatabase connected;
    ScriptedInteraction user;
};

} // namespace

TEST_F(CalendarList, ListsCalendarsAndTakesOnlyNewNamesThatAreNotBlank)
{
    const QString blank = QStringLiteral("The calendar name cannot be blank.");
    const QString year_range = QStringLiteral("The calendar year must be between 2000 and 2100.");
    const QString taken = QStringLiteral("The calendar name specified already exists.");
    // A new name with its year (none: a rename of "Alpha"); a refused one keeps its box open, a saved one is current.
    const struct { const char *name, *year; QString refusal; } cases[] = {
        {"  ", "2024", blank}, {"Depot", "1999", year_range}, {"Depot", "2101", year_range}, {"Depot", "", year_range},
        {"ALPHA", "2024", taken},       // letter case does not make a name new
        {"zeta OFFICE", nullptr, taken}, {"Alpha", nullptr, taken},  // nor does renaming to its own name
        {" ", nullptr, blank},
        {"O'Brien's shift", nullptr, {}}, {"Depot", "2024", {}}, {"Yard", "2100", {}},
    };
    // A new calendar's days in `year`, each stored empty.
    const auto empty_days = [](const char *name, const char *year) {
        return count(QStringLiteral("SELECT count(*) FROM days d JOIN calendars c ON c.id = d.NameLink WHERE c.Name = '%1'"
                                    " AND d.DateVal BETWEEN '%2-01-01' AND '%2-12-31' AND d.TimeSegments = ''"
                                    " AND d.\"Date comment\" = '' AND d.DayType = 0 AND d.minutes1 = 0")
                         .arg(QString::fromLatin1(name), QString::fromLatin1(year)));
    };
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
        select_calendar_row(window, QStringLiteral("zeta office"), QStringLiteral("2024"));
        EXPECT_EQ(owner->text(), QStringLiteral("Ann Smith"));
        // An empty row moves the selection to the nearest calendar.
        grid(window)->setCurrentCell(30, 0);
        EXPECT_EQ(grid(window)->currentRow(), 3);
        for (const auto &c : cases) {
            const QString name = QString::fromLatin1(c.name);
            QLineEdit *box = window.findChild<QLineEdit *>(c.year ? QStringLiteral("txt_new_name") : QStringLiteral("txt_rename"));
            if (c.year) {
                run_node(window, QStringLiteral("new_name"));
                type_into(window, QStringLiteral("txt_new_name"), name);
                type_into(window, QStringLiteral("new_name_year"), QString::fromLatin1(c.year));
            } else {
                run_on(window, "Alpha", "2024", "rename", 0);
                box->setText(name);
            }
            QTest::keyClick(box, Qt::Key_Return);
            EXPECT_EQ(user.take_texts(), c.refusal.isEmpty() ? QStringList() : QStringList{c.refusal}) << c.name;
            EXPECT_EQ(box->isVisible(), !c.refusal.isEmpty()) << c.name;
            if (c.refusal.isEmpty()) {
                EXPECT_EQ(cell_text(grid(window), grid(window)->currentRow(), 0), name) << c.name;
            }
        }
        EXPECT_EQ(count(QStringLiteral("SELECT revision FROM calendars WHERE id = %1").arg(connected.sample.alpha)), 1);
        EXPECT_EQ(std::tuple(empty_days("Depot", "2024"), empty_days("Yard", "2100")), std::tuple(366, 365));
        // Without calendars only a new name is offered.
        app_state().database->exec(QStringLiteral("DELETE FROM calendars;"));
        run_node(window, QStringLiteral("reload"));
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
    // Under the name each change left; the calendars deleted since keep theirs.
    EXPECT_EQ(recorded(), QStringList({"O'Brien's shift: Renamed: Alpha \u2192 O'Brien's shift",
                                       "Depot: Calendar created with the year 2024", "Yard: Calendar created with the year 2100"}));
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
        run_on(window, "Alpha", "2005", "add_year", 0);
        ASSERT_EQ(years->count(), 2);
        EXPECT_EQ(years->item(0)->text(), QStringLiteral("2003"));
        EXPECT_EQ(years->currentItem()->text(), QStringLiteral("2007"));
        QTest::keyClick(years, Qt::Key_Return);
        EXPECT_FALSE(years->isVisible());
        EXPECT_EQ(grid(window)->item(grid(window)->currentRow(), 1)->text(), QStringLiteral("2007"));
        // Another workstation adds 2003 after the choices were offered.
        run_on(window, "Alpha", "2007", "add_year", 0);
        Database other = open_existing_database(connected.file.path());
        other.exec(QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (%1, 2003);").arg(alpha));
        QTest::keyClick(years, Qt::Key_Return);
        run_node(window, QStringLiteral("reload"));
        run_on(window, "Alpha", "2005", "delete_year");
        run_on(window, "Alpha", "2007", "delete_year");
        EXPECT_EQ(rows(window).filter(QStringLiteral("Alpha")),
                  QStringList({"Alpha 2003 admin", "Alpha 2004 admin", "Alpha 2005 admin", "Alpha 2006 admin"}));
        // The only year of a calendar takes its name along.
        run_on(window, "beta", "", "delete_year");
        run_on(window, "zeta office", "2023", "delete_year");
        run_on(window, "zeta office", "2024", "delete_year", 2);
        EXPECT_TRUE(rows(window).filter(QStringLiteral("zeta")).isEmpty());
    });
    const auto sure = [](const char *year, const char *name) {
        return QStringLiteral("Delete year %1 from calendar ''%2'' ?").arg(QString::fromLatin1(year), QString::fromLatin1(name));
    };
    EXPECT_EQ(user.take_texts(),
              QStringList({"The calendar has been changed by another user.\r\nThe Year options are no longer valid.",
                           sure("2005", "Alpha"),
                           "Calendar years must be contiguous.\r\nOnly the first year (2003) or the last year (2007) can be deleted.",
                           sure("2007", "Alpha"), sure("0", "beta"),
                           // A calendar without years has no range to delete from.
                           "The application was unable to acquire the calendars year range.",
                           sure("2023", "zeta office"), sure("2024", "zeta office"),
                           "Deleting the only year for this calendar name will cause\r\nthe deletion of the name as well."
                           "\r\n\r\nDo you want to proceed?"}));
    // 2007's days went with their year; nothing is left without its calendar or year.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM days WHERE NameLink = %1").arg(alpha)), 0);
    Statement check = app_state().database->prepare(QStringLiteral("PRAGMA foreign_key_check;"));
    EXPECT_FALSE(check.step());
    // A year that another workstation added meanwhile is refused, not written twice.
    EXPECT_EQ(add_calendar_year_record(db, qint32(alpha), 2, 2003), std::nullopt);
    // Adding then deleting 2007 raised the revision twice; the refusal did not.
    EXPECT_EQ(count(QStringLiteral("SELECT revision FROM calendars WHERE id = %1").arg(alpha)), 2);
    EXPECT_EQ(recorded(), QStringList({"Alpha: Year added: 2007", "Alpha: Year deleted: 2007", "zeta office: Year deleted: 2023",
                                       "zeta office: Calendar deleted with its only year 2024"}));
}

TEST_F(CalendarList, OwnersAndRestrictionFollowTheirRules)
{
    store_user_password(*app_state().database, connected.sample.bob, QStringLiteral("Bobpw1"));
    with_list([&](QDialog &window) {
        run_on(window, "Alpha", "2024", "add_restrict_read_access");
        run_on(window, "Alpha", "2024", "remove_ownership");
        choose(0);  // no user chosen: nothing changes
        run_on(window, "Alpha", "2024", "set_ownership");
        choose(connected.sample.bob);
        run_on(window, "Alpha", "2024", "set_ownership");
        run_on(window, "Alpha", "2024", "add_restrict_read_access");
        EXPECT_EQ(rows(window).first(), QStringLiteral("Alpha 2024 read_write"));
        // A restricted calendar given a new owner is unrestricted.
        choose(connected.sample.bob);
        run_on(window, "zeta office", "2024", "set_ownership");
        EXPECT_EQ(rows(window).last(), QStringLiteral("zeta office 2024 write"));
        run_on(window, "zeta office", "2024", "remove_restrict_read_access");
        run_on(window, "zeta office", "2024", "remove_ownership");
        EXPECT_EQ(rows(window).last(), QStringLiteral("zeta office 2024 admin"));
        // Changed elsewhere after the list was read: every change is refused.
        app_state().database->exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
        for (const char *key : {"remove_ownership", "add_restrict_read_access", "remove_restrict_read_access"})
            run_on(window, "Alpha", "2024", key);
        choose(connected.sample.bob);
        run_on(window, "Alpha", "2024", "set_ownership");
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
    // Each change once, the refused ones not at all.
    EXPECT_EQ(recorded(), QStringList({"Alpha: Owner set: Bob Adams", "Alpha: Reading restricted to the owner",
                                       "zeta office: Owner set: Bob Adams", "zeta office: Reading open to all",
                                       "zeta office: Owner removed"}));
}

TEST_F(CalendarList, EveryChangeNeedsTheSystemPassword)
{
    store_user_password(*app_state().database, connected.sample.bob, QStringLiteral("Bobpw1"));
    store_system_password(*app_state().database, QStringLiteral("Admin99"));
    install_system_password_check();
    // Every calendar's name, owner, read restriction and years as stored.
    const auto stored = [] {
        Statement all = app_state().database->prepare(QStringLiteral(
            "SELECT group_concat(Name || ' ' || OwnerLink || ' ' || RestrictRead || ' ' || ifnull((SELECT group_concat(YearVal)"
            " FROM calendar_years WHERE CalendarLink = c.id), ''), '|') FROM (SELECT * FROM calendars ORDER BY id) c;"));
        return all.step() ? all.column(0).toString() : QString();
    };
    const auto enter = [](QWidget *box) { QTest::keyClick(box, Qt::Key_Return); };
    with_list([&](QDialog &window) {
        // Runs `change` with the system password refused, then given: only the second writes. It is asked for
        // after the change's question and after a new owner is chosen.
        const auto guarded = [&](const char *command, const std::function<void()> &change) {
            for (bool given : {false, true}) {
                const QString before = stored();
                app_state().entered_system_password.clear();
                if (command == std::string_view("set_ownership"))
                    choose(connected.sample.bob);
                answer_system_password(user, given ? QStringLiteral("Admin99") : QString());
                change();
                EXPECT_EQ(stored() != before, given) << command << " given " << given;
            }
        };
        guarded("new_name", [&] {
            run_node(window, QStringLiteral("new_name"));
            type_into(window, QStringLiteral("new_name_year"), QStringLiteral("2024"));
            type_into(window, QStringLiteral("txt_new_name"), QStringLiteral("Depot"));
            enter(window.findChild<QLineEdit *>(QStringLiteral("txt_new_name")));
        });
        guarded("rename", [&] {
            run_on(window, "Alpha", "2024", "rename", 0);
            type_into(window, QStringLiteral("txt_rename"), QStringLiteral("Omega"));
            enter(window.findChild<QLineEdit *>(QStringLiteral("txt_rename")));
        });
        guarded("add_year", [&] {
            run_on(window, "Depot", "2024", "add_year", 0);
            enter(window.findChild<QListWidget *>(QStringLiteral("new_year_list")));
        });
        for (const char *command :
             {"delete_year", "remove_restrict_read_access", "add_restrict_read_access", "remove_ownership", "set_ownership"}) {
            const char *year = command == std::string_view("delete_year") ? "2023" : "2024";
            guarded(command, [&] { run_on(window, "zeta office", year, command); });
        }
    });
    EXPECT_EQ(stored(), QStringLiteral("zeta office %1 0 2024|Omega 0 0 2024|beta 0 0 |Depot 0 0 2024,2025").arg(connected.sample.bob));
    set_system_password_check(nullptr);
}
