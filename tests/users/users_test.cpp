#include "scriptedinteraction.h"
#include "store/connection.h"
#include "store/history.h"
#include "store/scramble.h"
#include "ui_common/appstate.h"
#include "ui_common/menutree.h"
#include "users/passwords.h"
#include "users/security.h"
#include "users/systempasswordwindow.h"
#include "users/userlistwindow.h"
#include "testserver.h"
#include "windowdriver.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

const QString kActive = QStringLiteral("The system password will remain active until the application \r\n"
                                       "is closed or the password is cleared.");
const QString kInsufficient =
    QStringLiteral("Insufficient access permission.\r\n\r\nDo you want to proceed with the system password?");

// Types each non-empty text into the "password" box of its index, then runs `node`.
void type_and_run(QDialog &window, const QStringList &passwords, const char *node, int tree_index = -1)
{
    for (int box = 0; box < passwords.size(); ++box) {
        if (!passwords[box].isEmpty())
            type_into(window, QStringLiteral("password"), passwords[box], box);
    }
    run_node(window, QString::fromLatin1(node), tree_index);
}

// Ann has the password "Annpw1", Bob none; no system password is defined.
class Users : public ::testing::TestWithParam<Backend>
{
protected:
    void SetUp() override { store_user_password(connected.owner(), connected.sample.ann, QStringLiteral("Annpw1")); }
    void TearDown() override { set_system_password_check(nullptr); }
    static Database &db() { return *app_state().database; }
    // The history, newest first: "action|user who proved a password" of each entry, none with a calendar, day or password.
    static QStringList recorded()
    {
        QStringList entries;
        for (const HistoryEntry &entry : read_history(db())) {
            EXPECT_EQ(std::pair(entry.calendar_id, entry.undoable), std::pair(0, false)) << entry.action.toStdString();
            for (const char *password : {"Secret", "Admin99", "Annpw1", "pass2", "3nough"})
                EXPECT_FALSE(entry.action.contains(QLatin1String(password))) << entry.action.toStdString();
            entries << entry.action + u'|' + entry.user_name;
        }
        return entries;
    }
    // Defines the system password "Admin99", asked for by guarded operations.
    void guard()
    {
        store_system_password(connected.owner(), QStringLiteral("Admin99"));
        install_system_password_check();
    }
    // The system password window: given "Admin99", or closed without a password.
    void system_password(bool given) { answer_system_password(user, given ? QStringLiteral("Admin99") : QString()); }
    // The user list in password-request mode: `who` proves `password`, or nobody identifies when `who` is 0.
    void identify(qint64 who, const QString &password = {})
    {
        user.on_window(QStringLiteral("user_list"), [this, who, password](QDialog &list) {
            if (who == 0) {
                list.close();
                return;
            }
            select_user_row(list, who);
            user.on_window(QStringLiteral("user_password_input"),
                           [password](QDialog &input) { type_and_run(input, {password}, "accept_password"); });
            run_node(list, QStringLiteral("user_password"));
            EXPECT_FALSE(list.isVisible());
        });
    }
    ConnectedDatabase connected{GetParam()};
    ScriptedInteraction user;
};

} // namespace

// On a server as a workstation's login, the server checks what the program checks; the windows work through it.
INSTANTIATE_TEST_SUITE_P(Backends, Users, ::testing::ValuesIn(backends()), backend_name);

TEST_P(Users, TheSystemPasswordIsDefinedAskedForChangedAndMatchedAsStored)
{
    install_system_password_check();
    // None defined: guarded operations run without asking.
    EXPECT_TRUE(check_operation_allowed(true, true));
    // The window opens on the frame that defines one. Five characters padded to seven with blanks are still five: the
    // filter lets no blank through in this box, so the text is set directly.
    user.on_window(QStringLiteral("system_password"), [&](QDialog &window) {
        EXPECT_EQ(std::tuple(frame_shown(window, 0), frame_shown(window, 1)), std::tuple(false, true));
        type_and_run(window, {"", "abcde"}, "save_password", 1);
        QLineEdit *box = find_indexed<QLineEdit>(window, QStringLiteral("password"), 1);
        const QSignalBlocker unfiltered(box);
        box->setText(QStringLiteral(" abcde "));
        run_node(window, QStringLiteral("save_password"), 1);
        type_and_run(window, {"", "Secret1", "Secret2"}, "save_password", 1);
        type_and_run(window, {"", "", "Secret1"}, "save_password", 1);
        EXPECT_FALSE(window.isVisible());
    });
    open_system_password_window(nullptr);
    const QString too_short = QStringLiteral("The password must be at least 6 characters long.");
    const QString activated = QStringLiteral("The new password has been activated.");
    EXPECT_EQ(user.take_texts(),
              QStringList({too_short, too_short, "The confirmation password does not match the new password.", activated}));
    EXPECT_EQ(app_state().entered_system_password, QStringLiteral("Secret1"));
    // Entered once, it stays accepted for the run.
    EXPECT_TRUE(check_operation_allowed(true, true));
    // Cleared: the next guarded operation asks again.
    app_state().entered_system_password.clear();
    user.on_window(QStringLiteral("system_password"), [&](QDialog &window) {
        EXPECT_TRUE(frame_shown(window, 0));
        type_and_run(window, {"Secret9"}, "accept_password", 0);
        type_and_run(window, {"Secret1"}, "accept_password", 0);
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_TRUE(check_operation_allowed(true, true));
    EXPECT_EQ(user.take_texts(), QStringList({QStringLiteral("Incorrect system password."), kActive}));
    // Changing it needs the current one; the new one is stored scrambled and matches at the next operation.
    user.on_window(QStringLiteral("system_password"), [&](QDialog &window) {
        run_node(window, QStringLiteral("change_password"), 0);
        type_and_run(window, {"Secret2"}, "change_password", 0);
        EXPECT_TRUE(frame_shown(window, 0));
        type_and_run(window, {"Secret1"}, "change_password", 0);
        EXPECT_TRUE(frame_shown(window, 1));
        type_and_run(window, {"", "Fresh123", "Fresh123"}, "save_password", 1);
    });
    open_system_password_window(nullptr);
    EXPECT_EQ(user.take_texts(),
              QStringList({"Please enter the current system password.", "Incorrect system password.", activated}));
    EXPECT_TRUE(check_operation_allowed(true, true));
    // Another workstation changes it: the next operation is refused once.
    Database other = open_existing_database(connected.file.path());
    store_system_password(other, QStringLiteral("Changed7"));
    system_password(false);
    EXPECT_FALSE(check_operation_allowed(true, true));
    EXPECT_EQ(user.take_texts(), QStringList{"The system password supplied does not match the system\r\npassword stored on the database."});
    // A password whose stored form starts with a zero byte and an apostrophe (as the key stream gives) still matches.
    const QByteArray key = *scramble_text(QByteArray(2, '\0'));
    QString typed = QString::fromLatin1(key) + QStringLiteral("xyz1");
    typed[1] = QChar(key[1] ^ '\'');
    ASSERT_EQ(scramble_password(typed)->left(2), QByteArray("\0'", 2));
    store_system_password(connected.owner(), typed);
    app_state().entered_system_password = typed;
    EXPECT_TRUE(check_operation_allowed(true, true));
    EXPECT_TRUE(user.shown().empty());
    EXPECT_EQ(unscramble_password(*scramble_password(typed)), typed);
    EXPECT_FALSE(scramble_password(QString(946, u'a')).has_value());
    EXPECT_FALSE(scramble_password(QStringLiteral("pass\u20ac")).has_value());
    EXPECT_EQ(recorded(), QStringList({"System password changed|", "System password changed|"}));
}

TEST_P(Users, RecordsAndCalendarsOpenAndChangeOnlyWithTheSystemPasswordOrAsTheirOwnerAndRestrictionAllow)
{
    guard();
    user.on_window(QStringLiteral("user_list"), [&](QDialog &list) {
        EXPECT_TRUE(grid(list)->isColumnHidden(3));  // the passwords
        // Runs `command` with the system password refused, then given: only the second saves what `saved`
        // counts, showing the messages `checks` on the way.
        const auto guarded = [&](const char *command, const char *saved, const QStringList &checks,
                                 const std::function<void(bool given)> &run) {
            for (bool given : {false, true}) {
                app_state().entered_system_password.clear();
                run(given);
                EXPECT_EQ(scalar(db(), QLatin1String(saved)), given ? 1 : 0) << command << " given " << given;
                QStringList texts = user.take_texts();
                texts.removeAll(kActive);
                EXPECT_EQ(texts, given ? checks : QStringList()) << command;
            }
        };
        // A new record is checked before it is saved, then selected in the list.
        guarded("add_user", "SELECT count(*) FROM users WHERE \"LastName\" = 'Young' AND \"FirstName\" = 'Zoe' AND \"EmployeeID\" = 'E9'",
                {QStringLiteral("The employee id and last name cannot be blank."),
                 QStringLiteral("The user password must be at least 6 characters.")},
                [&](bool given) {
                    system_password(given);
                    if (given) {
                        user.on_window(QStringLiteral("user_record"), [](QDialog &record) {
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
                    }
                    run_node(list, QStringLiteral("add_user"));
                    EXPECT_EQ(column_texts(grid(list)).size(), given ? 3 : 2);
                    EXPECT_EQ(cell_text(grid(list), grid(list)->currentRow(), 2), given ? "Young" : "Adams");
                });
        // A record shows its password on request, so even opening one is guarded.
        guarded("edit_user", "SELECT count(*) FROM users WHERE \"FirstName\" = 'Anna' AND revision = 1", {}, [&](bool given) {
            select_user_row(list, connected.sample.ann);
            system_password(given);
            if (given) {
                user.on_window(QStringLiteral("user_record"), [server = GetParam() == Backend::Server](QDialog &record) {
                    EXPECT_EQ(record.windowTitle(), QStringLiteral("Edit user record"));
                    auto *password = record.findChild<QLineEdit *>(QStringLiteral("password"));
                    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
                    // A server never gives a password out: the box starts empty and keeps the stored one.
                    EXPECT_EQ(password->text(), server ? QString() : QStringLiteral("Annpw1"));
                    record.findChild<QCheckBox *>(QStringLiteral("show_password"))->setChecked(true);
                    EXPECT_EQ(password->echoMode(), QLineEdit::Normal);
                    type_into(record, QStringLiteral("first_name"), QStringLiteral("Anna"));
                    run_node(record, QStringLiteral("save_user"));
                });
            }
            run_node(list, QStringLiteral("edit_user"));
        });
        // Saving asks again when the password was cleared while the record was open.
        guarded("save_user", "SELECT count(*) FROM users WHERE \"FirstName\" = 'Rob'", {}, [&](bool given) {
            select_user_row(list, connected.sample.bob);
            app_state().entered_system_password = QStringLiteral("Admin99");
            user.on_window(QStringLiteral("user_record"), [this, given](QDialog &record) {
                app_state().entered_system_password.clear();
                type_into(record, QStringLiteral("first_name"), QStringLiteral("Rob"));
                system_password(given);
                run_node(record, QStringLiteral("save_user"));
                EXPECT_NE(record.isVisible(), given);
            });
            run_node(list, QStringLiteral("edit_user"));
        });
    });
    open_user_list(nullptr);
    // The saves that went through, each once.
    EXPECT_EQ(recorded(), QStringList({"User changed: Rob Adams|", "User changed: Anna Smith|", "User added: Zoe Young|"}));
    // Calendars are read and changed by whom their owner and restriction allow.
    store_user_password(connected.owner(), connected.sample.bob, QStringLiteral("Bobpw1"));
    const qint64 alpha = connected.sample.alpha, zeta = connected.sample.zeta, ann = connected.sample.ann, bob = connected.sample.bob;
    struct Case
    {
        qint64 calendar;
        bool restricted = false;
        qint64 current = 0;
        bool read = false;          // else a change
        bool entered = false;       // the system password was entered earlier in the run
        qint64 identifies = -1;     // who proves a password when asked; 0 nobody, -1 not asked
        int proceed = -1;           // the answer to going on with the system password; -1 not asked
        bool system_password = false;  // the system password window opens and is given
        bool allowed = true;
    };
    const Case cases[] = {
        // Without owner: read by anyone, changed with the system password, entered once a run.
        {.calendar = alpha, .read = true},
        {.calendar = alpha, .system_password = true},
        {.calendar = alpha, .entered = true},
        // Restricted: its owner reads and changes it without a question...
        {.calendar = zeta, .restricted = true, .current = ann, .read = true},
        {.calendar = zeta, .restricted = true, .current = ann},
        // ...anyone else is asked to identify, then offered the system password.
        {.calendar = zeta, .restricted = true, .current = bob, .read = true, .identifies = bob, .proceed = 0, .allowed = false},
        {.calendar = zeta, .restricted = true, .read = true, .identifies = 0, .proceed = 1, .system_password = true},
        {.calendar = zeta, .restricted = true, .read = true, .identifies = ann},
        // Owned but not restricted: read by all, changed by its owner only.
        {.calendar = zeta, .current = bob, .read = true},
        {.calendar = zeta, .current = bob, .identifies = 0, .proceed = 0, .allowed = false},
    };
    for (const Case &c : cases) {
        const int row = int(&c - cases);
        connected.owner().exec(QStringLiteral("UPDATE calendars SET \"RestrictRead\" = %1 WHERE id = %2;")
                                   .arg(QLatin1String(c.restricted ? "1 = 1" : "1 = 0"))
                                   .arg(zeta));
        app_state().calendar_id = qint32(c.calendar);
        app_state().current_user_id = qint32(c.current);
        app_state().entered_system_password = c.entered ? QStringLiteral("Admin99") : QString();
        if (c.identifies >= 0)
            identify(c.identifies, c.identifies == ann ? QStringLiteral("Annpw1") : QStringLiteral("Bobpw1"));
        if (c.proceed >= 0)
            user.answer_yes_no(c.proceed == 1);
        if (c.system_password)
            system_password(true);
        EXPECT_EQ(check_calendar_access(c.read), c.allowed) << "case " << row;
        QStringList texts;
        if (c.proceed >= 0)
            texts << kInsufficient;
        if (c.system_password)
            texts << kActive;
        EXPECT_EQ(user.take_texts(), texts) << "case " << row;
    }
    // A calendar that no longer exists is reported.
    app_state().calendar_id = 4242;
    EXPECT_FALSE(check_calendar_access(true));
    EXPECT_TRUE(user.take_texts().first().contains(QStringLiteral("Description: DB record not found.\r\n")));
}

TEST_P(Users, TheListProvesAndChangesPasswordsAndDeletesAllButCalendarOwners)
{
    const qint64 ann = connected.sample.ann, bob = connected.sample.bob;
    const qint64 cy = execute(connected.owner(), QStringLiteral("INSERT INTO users (\"EmployeeID\", \"FirstName\", \"LastName\") VALUES ('E3', 'Cy', 'Brown');"), {});
    const auto prove = [&](QDialog &list, qint64 who, const QString &typed) {
        select_user_row(list, who);
        user.on_window(QStringLiteral("user_password_input"), [&](QDialog &input) {
            EXPECT_EQ(input.windowTitle(), QStringLiteral("User password"));
            type_and_run(input, {typed}, "accept_password");
            EXPECT_FALSE(input.isVisible());
        });
        run_node(list, QStringLiteral("user_password"));
    };
    const auto delete_user = [&](QDialog &list, qint64 who, bool sure) {
        select_user_row(list, who);
        user.answer_yes_no(sure);
        run_node(list, QStringLiteral("delete_user"));
    };
    // In select mode only a user with a password is chosen.
    user.on_window(QStringLiteral("user_list"), [&](QDialog &list) {
        ASSERT_NE(find_menu_node(list.findChild<QTreeWidget *>(), QStringLiteral("select_user")), nullptr);
        for (const qint64 who : {bob, ann}) {
            select_user_row(list, who);
            run_node(list, QStringLiteral("select_user"));
            EXPECT_EQ(list.isVisible(), who == bob);
        }
    });
    EXPECT_EQ(choose_user(nullptr), ann);
    EXPECT_EQ(user.take_texts(), QStringList{"Please assign a password to the selected user first."});
    Database other = open_existing_database(connected.file.path());
    user.on_window(QStringLiteral("user_list"), [&](QDialog &list) {
        QTableWidget *table = grid(list);
        EXPECT_EQ(std::tuple(table->rowCount(), column_texts(grid(list)).size(), table->item(0, 2)->text()),
                  std::tuple(22, 3, QStringLiteral("Adams")));
        // Every column fits its header, and the grid needs no sideways scrolling.
        const QHeaderView *header = table->horizontalHeader();
        for (int column = 0; column < 3; ++column)
            EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << column;
        EXPECT_LE(header->sectionViewportPosition(2) + header->sectionSize(2), table->viewport()->width());
        EXPECT_EQ(find_menu_node(list.findChild<QTreeWidget *>(), QStringLiteral("select_user")), nullptr);
        // A proof in progress leaves nobody current, never the unproven user.
        prove(list, ann, QStringLiteral("Annpw1"));
        EXPECT_EQ(app_state().current_user_id, ann);
        EXPECT_EQ(app_state().current_user_name, QStringLiteral("Ann Smith"));
        prove(list, ann, QStringLiteral("annpw1"));  // letter case counts
        EXPECT_EQ(app_state().current_user_id, 0);
        prove(list, ann, QStringLiteral("Annpw1"));
        prove(list, bob, QStringLiteral("anything"));
        EXPECT_EQ(app_state().current_user_id, 0);
        prove(list, ann, QStringLiteral("   "));
        // Changing: a short new password is refused before the old one is checked.
        select_user_row(list, ann);
        user.on_window(QStringLiteral("change_password"), [&](QDialog &change) {
            type_and_run(change, {"wrong1", "abcde"}, "save_password");
            type_and_run(change, {"", "Newpass22", "Newpass2"}, "save_password");
            type_and_run(change, {"", "", "Newpass22"}, "save_password");
            EXPECT_EQ(app_state().current_user_id, 0);
            type_and_run(change, {"Annpw1"}, "save_password");
            EXPECT_FALSE(change.isVisible());
        });
        run_node(list, QStringLiteral("change_user_password"));
        EXPECT_EQ(app_state().current_user_id, ann);
        // Another workstation edits Bob after the list read him, then deletes him.
        other.exec(QStringLiteral("UPDATE users SET revision = revision + 1, \"FirstName\" = 'Robert' WHERE id = %1;").arg(bob));
        select_user_row(list, bob);
        run_node(list, QStringLiteral("edit_user"));
        other.exec(QStringLiteral("DELETE FROM users WHERE id = %1;").arg(bob));
        delete_user(list, bob, true);
        // An owner cannot be deleted; an empty row does nothing.
        delete_user(list, ann, true);
        table->setCurrentCell(20, 0);
        run_node(list, QStringLiteral("delete_user"));
        delete_user(list, cy, false);
        EXPECT_EQ(column_texts(grid(list)).size(), 3);
        delete_user(list, cy, true);
        EXPECT_EQ(column_texts(grid(list)).size(), 1);
        // An owner whose calendars cannot be counted is not deleted.
        other.exec(QStringLiteral("ALTER TABLE calendars RENAME TO calendars_elsewhere;"));
        delete_user(list, ann, true);
        list.close();
    });
    open_user_list(nullptr);
    ASSERT_EQ(user.shown().size(), 16u);
    EXPECT_EQ(user.shown()[8].icon, MessageIcon::Question);
    QStringList texts = user.take_texts();
    // The errors show where they arose; the rest is compared whole.
    for (const auto &[index, description] : {std::pair{7, "DB record out of date.\r\n"}, {9, "DB record not found.\r\n"}, {15, ""}}) {
        EXPECT_TRUE(texts[index].startsWith(QStringLiteral("Error:\r\nNumber: ")));
        EXPECT_TRUE(texts[index].contains(QStringLiteral("Description: ") + QString::fromLatin1(description))) << index;
        texts[index] = QStringLiteral("Error");
    }
    const auto sure = [](const char *who) { return QStringLiteral("Are you sure you want to delete user:\r\n") + QString::fromLatin1(who); };
    EXPECT_EQ(texts, QStringList({"Incorrect password for Ann Smith!", "User: Bob Adams does not have a password assigned.",
                                  "Password cannot be blank.", "The new password must be at least 6 characters.",
                                  "The new password does not match the confirmation password.", "Incorrect password for Ann Smith!",
                                  "The password was changed successfully.", "Error", sure("E2, Bob Adams"), "Error", sure("E1, Ann Smith"),
                                  "Cannot delete user.\r\nThis user is a calendar owner.\r\n"
                                  "Remove ownership or assign another user as owner\r\nand then delete this user.",
                                  sure("E3, Cy Brown"), sure("E3, Cy Brown"), sure("E1, Ann Smith"), "Error"}));
    // Ann stays, her password change raising her revision; Cy is gone.
    EXPECT_EQ(scalar(db(), QStringLiteral("SELECT revision FROM users WHERE id = %1").arg(ann)), 1);
    EXPECT_EQ(scalar(db(), QStringLiteral("SELECT count(*) FROM users WHERE id = %1").arg(cy)), 0);
    EXPECT_EQ(recorded(), QStringList({"User deleted: Cy Brown|Ann Smith", "Password changed: Ann Smith|Ann Smith"}));
}

// The owner's password in the user password window, the system password in its own (both refuse some characters).
TEST_P(Users, TheDemoDatabasesPrintedPasswordsAreAccepted)
{
    QTemporaryDir dir(QDir::current().absoluteFilePath(QStringLiteral("demo-XXXXXX")));
    const bool server = GetParam() == Backend::Server;
    const QString path = server ? TestServer::instance()->create_database() : dir.filePath(QStringLiteral("QZDB.mdb"));
    const ProgramRun demo = run_program(QStringLiteral(DAYVANE_DB_TOOL), {QStringLiteral("demo"), path});
    ASSERT_EQ(demo.exit_code, 0) << demo.errors.toStdString();
    app_state().database.emplace(open_existing_database(server ? TestServer::instance()->workstation_address(path) : path));
    const QRegularExpression printed(QStringLiteral("^The (?:system password|password of (.+), owner of .+,) is: (.+)$"),
                                     QRegularExpression::MultilineOption);
    int passwords = 0;
    for (auto lines = printed.globalMatch(demo.output); lines.hasNext(); ++passwords) {
        const QRegularExpressionMatch line = lines.next();
        const QString who = line.captured(1), password = line.captured(2);
        if (who.isEmpty()) {
            answer_system_password(user, password);
            open_system_password_window(nullptr);
            EXPECT_EQ(app_state().entered_system_password, password);
            EXPECT_EQ(user.take_texts(), QStringList{kActive});
        } else {
            identify(scalar(db(), QStringLiteral("SELECT id FROM users WHERE \"FirstName\" || ' ' || \"LastName\" = '%1'").arg(who)),
                     password);
            request_user_password(nullptr);
            EXPECT_EQ(app_state().current_user_name, who);
            EXPECT_EQ(user.take_texts(), QStringList());
        }
    }
    EXPECT_EQ(passwords, 2) << demo.output.toStdString();
}
