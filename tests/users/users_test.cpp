#include "scriptedinteraction.h"
#include "store/connection.h"
#include "store/recordset.h"
#include "ui_common/appstate.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/menutree.h"
#include "users/security.h"
#include "users/userlistwindow.h"
#include "windowdriver.h"

#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

int user_rows(QDialog &list)
{
    auto *grid = list.findChild<QTableWidget *>(QStringLiteral("grid"));
    int rows = 0;
    for (int row = 0; row < grid->rowCount(); ++row)
        rows += row_data(grid, row) != 0;
    return rows;
}

} // namespace

TEST(Users, AddEditAndDeleteThroughTheWindows)
{
    ConnectedDatabase connected;
    ScriptedInteraction user;
    qint32 new_user = 0;
    user.on_window(QStringLiteral("user_list"), [&](QDialog &list) {
        auto *grid = list.findChild<QTableWidget *>(QStringLiteral("grid"));
        EXPECT_EQ(grid->rowCount(), 22);
        EXPECT_EQ(user_rows(list), 2);
        EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("Adams"));
        // Every column fits its header, and the grid needs no sideways scrolling.
        const QHeaderView *header = grid->horizontalHeader();
        for (int column = 0; column < 3; ++column)
            EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << column;
        EXPECT_LE(header->sectionViewportPosition(2) + header->sectionSize(2), grid->viewport()->width());
        EXPECT_EQ(find_menu_node(list.findChild<QTreeWidget *>(), QStringLiteral("select_user")), nullptr);

        user.on_window(QStringLiteral("user_record"), [&](QDialog &record) {
            EXPECT_EQ(record.windowTitle(), QStringLiteral("Add new user"));
            type_into(record, QStringLiteral("last_name"), QStringLiteral("Young"));
            run_node(record, QStringLiteral("save_user"));
            type_into(record, QStringLiteral("employee_id"), QStringLiteral("E9"));
            type_into(record, QStringLiteral("first_name"), QStringLiteral("Zoe"));
            type_into(record, QStringLiteral("password"), QStringLiteral("short"));
            run_node(record, QStringLiteral("save_user"));
            type_into(record, QStringLiteral("password"), QStringLiteral("long3nough"));
            run_node(record, QStringLiteral("save_user"));
            EXPECT_FALSE(record.isVisible());
        });
        run_node(list, QStringLiteral("add_user"));
        EXPECT_EQ(user_rows(list), 3);
        // The new user is selected in the reloaded list.
        new_user = static_cast<UserListWindow &>(list).selected_row_user();
        EXPECT_EQ(grid->item(grid->currentRow(), 2)->text(), QStringLiteral("Young"));

        user.on_window(QStringLiteral("user_record"), [&](QDialog &record) {
            EXPECT_EQ(record.windowTitle(), QStringLiteral("Edit user record"));
            type_into(record, QStringLiteral("first_name"), QStringLiteral("Zoey"));
            run_node(record, QStringLiteral("save_user"));
        });
        run_node(list, QStringLiteral("edit_user"));

        // An owner cannot be deleted; an empty row does nothing.
        select_user_row(list, connected.sample.ann);
        user.answer_yes_no(true);
        run_node(list, QStringLiteral("delete_user"));
        grid->setCurrentCell(20, 0);
        run_node(list, QStringLiteral("delete_user"));
        EXPECT_EQ(user_rows(list), 3);

        select_user_row(list, new_user);
        user.answer_yes_no(false);
        run_node(list, QStringLiteral("delete_user"));
        EXPECT_EQ(user_rows(list), 3);
        user.answer_yes_no(true);
        run_node(list, QStringLiteral("delete_user"));
        EXPECT_EQ(user_rows(list), 2);
        list.close();
    });
    open_user_list(nullptr);

    EXPECT_EQ(user.shown()[2].icon, MessageIcon::Question);
    const QStringList texts = user.take_texts();
    ASSERT_EQ(texts.size(), 6) << texts.join(u'|').toStdString();
    EXPECT_EQ(texts[0], QStringLiteral("The employee id and last name cannot be blank."));
    EXPECT_EQ(texts[1], QStringLiteral("The user password must be at least 6 characters."));
    EXPECT_EQ(texts[2], QStringLiteral("Are you sure you want to delete user:\r\nE1, Ann Smith"));
    EXPECT_EQ(texts[3], QStringLiteral("Cannot delete user.\r\nThis user is a calendar owner.\r\n"
                                       "Remove ownership or assign another user as owner\r\nand then delete this user."));
    EXPECT_EQ(texts[4], QStringLiteral("Are you sure you want to delete user:\r\nE9, Zoey Young"));
    EXPECT_EQ(texts[5], texts[4]);
    EXPECT_EQ(scalar(*app_state().database, QStringLiteral("SELECT count(*) FROM users WHERE id = %1").arg(new_user)), 0);
}

TEST(Users, ChangesElsewhereAreRefused)
{
    ConnectedDatabase connected;
    Database other = open_existing_database(connected.file.path());
    ScriptedInteraction user;
    user.on_window(QStringLiteral("user_list"), [&](QDialog &list) {
        // Another workstation edits Bob after the list read him, then
        // deletes him.
        other.exec(QStringLiteral("UPDATE users SET revision = revision + 1, FirstName = 'Robert' WHERE id = %1;")
                       .arg(connected.sample.bob));
        select_user_row(list, connected.sample.bob);
        run_node(list, QStringLiteral("edit_user"));
        other.exec(QStringLiteral("DELETE FROM users WHERE id = %1;").arg(connected.sample.bob));
        user.answer_yes_no(true);
        run_node(list, QStringLiteral("delete_user"));
        // An owner whose calendars cannot be counted is not deleted.
        other.exec(QStringLiteral("ALTER TABLE calendars RENAME TO calendars_elsewhere;"));
        select_user_row(list, connected.sample.ann);
        user.answer_yes_no(true);
        run_node(list, QStringLiteral("delete_user"));
        list.close();
    });
    open_user_list(nullptr);
    const QStringList texts = user.take_texts();
    ASSERT_EQ(texts.size(), 5);
    EXPECT_TRUE(texts[4].startsWith(QStringLiteral("Error:\r\n"))) << texts[4].toStdString();
    EXPECT_EQ(scalar(*app_state().database, QStringLiteral("SELECT count(*) FROM users WHERE id = %1").arg(connected.sample.ann)), 1);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("Description: DB record out of date.\r\n"))) << texts[0].toStdString();
    EXPECT_TRUE(texts[2].contains(QStringLiteral("Description: DB record not found.\r\n"))) << texts[2].toStdString();
    EXPECT_TRUE(texts[2].startsWith(QStringLiteral("Error:\r\nNumber: 513\r\n")));
}

TEST(Users, PasswordsProveTheCurrentUserAndChange)
{
    ConnectedDatabase connected;
    store_user_password(*app_state().database, connected.sample.ann, QStringLiteral("Annpw1"));
    ScriptedInteraction user;
    const auto prove = [&](QDialog &list, qint64 who, const QString &typed) {
        select_user_row(list, who);
        user.on_window(QStringLiteral("user_password_input"), [&](QDialog &input) {
            EXPECT_EQ(input.windowTitle(), QStringLiteral("User password"));
            type_into(input, QStringLiteral("password"), typed);
            run_node(input, QStringLiteral("accept_password"));
            EXPECT_FALSE(input.isVisible());
        });
        run_node(list, QStringLiteral("user_password"));
    };
    user.on_window(QStringLiteral("user_list"), [&](QDialog &list) {
        prove(list, connected.sample.ann, QStringLiteral("Annpw1"));
        EXPECT_EQ(app_state().current_user_id, connected.sample.ann);
        EXPECT_EQ(app_state().current_user_name, QStringLiteral("Ann Smith"));
        prove(list, connected.sample.ann, QStringLiteral("annpw1"));  // letter case counts
        EXPECT_EQ(app_state().current_user_id, 0);
        prove(list, connected.sample.bob, QStringLiteral("anything"));
        EXPECT_EQ(app_state().current_user_id, 0);
        prove(list, connected.sample.ann, QStringLiteral("   "));

        // Changing: a short new password is refused before the old one is checked.
        select_user_row(list, connected.sample.ann);
        user.on_window(QStringLiteral("change_password"), [&](QDialog &change) {
            type_into(change, QStringLiteral("password"), QStringLiteral("wrong1"), 0);
            type_into(change, QStringLiteral("password"), QStringLiteral("abcde"), 1);
            run_node(change, QStringLiteral("save_password"));
            type_into(change, QStringLiteral("password"), QStringLiteral("Newpass22"), 1);
            type_into(change, QStringLiteral("password"), QStringLiteral("Newpass2"), 2);
            run_node(change, QStringLiteral("save_password"));
            type_into(change, QStringLiteral("password"), QStringLiteral("Newpass22"), 2);
            run_node(change, QStringLiteral("save_password"));
            EXPECT_EQ(app_state().current_user_id, 0);
            type_into(change, QStringLiteral("password"), QStringLiteral("Annpw1"), 0);
            run_node(change, QStringLiteral("save_password"));
            EXPECT_FALSE(change.isVisible());
        });
        run_node(list, QStringLiteral("change_user_password"));
        list.close();
    });
    open_user_list(nullptr);
    EXPECT_EQ(user.take_texts(),
              QStringList({QStringLiteral("Incorrect password for Ann Smith!"),
                           QStringLiteral("User: Bob Adams does not have a password assigned."),
                           QStringLiteral("Password cannot be blank."),
                           QStringLiteral("The new password must be at least 6 characters."),
                           QStringLiteral("The new password does not match the confirmation password."),
                           QStringLiteral("Incorrect password for Ann Smith!"),
                           QStringLiteral("The password was changed successfully.")}));
    EXPECT_EQ(app_state().current_user_id, connected.sample.ann);

    // A proof that cannot be made leaves nobody current, never the unproven user.
    std::optional<Database> database = std::move(app_state().database);
    app_state().database.reset();
    verify_user_password(connected.sample.bob, QStringLiteral("anything"));
    EXPECT_EQ(app_state().current_user_id, 0);
    app_state().database = std::move(database);
    user.take_texts();

    RecordSet ann = RecordSet::open(*app_state().database,
                                    QStringLiteral("PARAMETERS UserID Long=%1; SELECT Q017.* FROM Q017;").arg(connected.sample.ann));
    EXPECT_EQ(ann.field(QStringLiteral("revision")).toInt(), 1);
}

TEST(Users, SelectModeNeedsAUserWithAPassword)
{
    ConnectedDatabase connected;
    store_user_password(*app_state().database, connected.sample.ann, QStringLiteral("Ann-pw1"));
    ScriptedInteraction user;
    user.on_window(QStringLiteral("user_list"), [&](QDialog &list) {
        ASSERT_NE(find_menu_node(list.findChild<QTreeWidget *>(), QStringLiteral("select_user")), nullptr);
        select_user_row(list, connected.sample.bob);
        run_node(list, QStringLiteral("select_user"));
        EXPECT_TRUE(list.isVisible());
        select_user_row(list, connected.sample.ann);
        run_node(list, QStringLiteral("select_user"));
        EXPECT_FALSE(list.isVisible());
    });
    EXPECT_EQ(choose_user(nullptr), connected.sample.ann);
    EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("Please assign a password to the selected user first.")});
}

TEST(Users, RecordsOpenAndSaveOnlyWithTheSystemPassword)
{
    ConnectedDatabase connected;
    Database &db = *app_state().database;
    store_user_password(db, connected.sample.ann, QStringLiteral("Annpw1"));
    store_system_password(db, QStringLiteral("Secret1"));
    install_system_password_check();
    ScriptedInteraction user;
    // The system password window: closed without one, or given it.
    const auto system_password = [&](bool given) {
        user.on_window(QStringLiteral("system_password"), [given](QDialog &window) {
            if (given) {
                type_into(window, QStringLiteral("password"), QStringLiteral("Secret1"), 0);
                run_node(window, QStringLiteral("accept_password"), 0);
            }
            window.close();
        });
    };
    // Each guarded command with the system password asked for (`given` or
    // not); the query counts what the command, once through, has saved.
    struct Guarded
    {
        const char *command;
        std::function<void(QDialog &list, bool given)> run;
        QString saved;
    };
    const Guarded guarded[] = {
        {"add_user",
         [&](QDialog &list, bool given) {
             system_password(given);
             if (given) {
                 user.on_window(QStringLiteral("user_record"), [](QDialog &record) {
                     type_into(record, QStringLiteral("employee_id"), QStringLiteral("E9"));
                     type_into(record, QStringLiteral("last_name"), QStringLiteral("Young"));
                     run_node(record, QStringLiteral("save_user"));
                 });
             }
             run_node(list, QStringLiteral("add_user"));
         },
         QStringLiteral("SELECT count(*) FROM users WHERE LastName = 'Young'")},
        // A record shows its password on request, so even opening one is guarded.
        {"edit_user",
         [&](QDialog &list, bool given) {
             select_user_row(list, connected.sample.ann);
             system_password(given);
             if (given) {
                 user.on_window(QStringLiteral("user_record"), [](QDialog &record) {
                     auto *password = record.findChild<QLineEdit *>(QStringLiteral("password"));
                     EXPECT_EQ(password->echoMode(), QLineEdit::Password);
                     EXPECT_EQ(password->text(), QStringLiteral("Annpw1"));
                     record.findChild<QCheckBox *>(QStringLiteral("show_password"))->setChecked(true);
                     EXPECT_EQ(password->echoMode(), QLineEdit::Normal);
                     type_into(record, QStringLiteral("first_name"), QStringLiteral("Anna"));
                     run_node(record, QStringLiteral("save_user"));
                 });
             }
             run_node(list, QStringLiteral("edit_user"));
         },
         QStringLiteral("SELECT count(*) FROM users WHERE FirstName = 'Anna'")},
        // Saving asks again when the password was cleared while the record was open.
        {"save_user",
         [&](QDialog &list, bool given) {
             select_user_row(list, connected.sample.bob);
             app_state().entered_system_password = QStringLiteral("Secret1");
             user.on_window(QStringLiteral("user_record"), [&, given](QDialog &record) {
                 app_state().entered_system_password.clear();
                 type_into(record, QStringLiteral("first_name"), QStringLiteral("Rob"));
                 system_password(given);
                 run_node(record, QStringLiteral("save_user"));
                 EXPECT_NE(record.isVisible(), given);
                 record.close();
             });
             run_node(list, QStringLiteral("edit_user"));
         },
         QStringLiteral("SELECT count(*) FROM users WHERE FirstName = 'Rob'")},
    };
    user.on_window(QStringLiteral("user_list"), [&](QDialog &list) {
        EXPECT_TRUE(list.findChild<QTableWidget *>(QStringLiteral("grid"))->isColumnHidden(3));
        for (const Guarded &command : guarded) {
            for (bool given : {false, true}) {
                app_state().entered_system_password.clear();
                command.run(list, given);
                EXPECT_EQ(scalar(db, command.saved), given ? 1 : 0) << command.command << " given " << given;
            }
        }
        list.close();
    });
    open_user_list(nullptr);
    set_system_password_check(nullptr);
}
