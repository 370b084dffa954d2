#include "scriptedinteraction.h"
#include "ui_common/appstate.h"
#include "users/security.h"
#include "windowdriver.h"

#include <QDialog>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

const QString kInsufficient =
    QStringLiteral("Insufficient access permission.\r\n\r\nDo you want to proceed with the system password?");

// The user list in password-request mode: `who` proves `password`, or
// nobody identifies when `who` is 0.
void identify(ScriptedInteraction &user, qint64 who, const QString &password)
{
    user.on_window(QStringLiteral("user_list"), [&user, who, password](QDialog &list) {
        if (who == 0) {
            list.close();
            return;
        }
        select_user_row(list, who);
        user.on_window(QStringLiteral("user_password_input"), [password](QDialog &input) {
            type_into(input, QStringLiteral("password"), password);
            run_node(input, QStringLiteral("accept_password"));
        });
        run_node(list, QStringLiteral("user_password"));
        EXPECT_FALSE(list.isVisible());
    });
}

class Access : public ::testing::Test
{
protected:
    void SetUp() override
    {
        install_system_password_check();
        store_user_password(*app_state().database, connected.sample.ann, QStringLiteral("Annpw1"));
        store_user_password(*app_state().database, connected.sample.bob, QStringLiteral("Bobpw1"));
        store_system_password(*app_state().database, QStringLiteral("Admin99"));
    }
    void TearDown() override { set_system_password_check(nullptr); }

    void open_calendar(qint64 id) { app_state().calendar_id = qint32(id); }

    ConnectedDatabase connected;
    ScriptedInteraction user;
};

} // namespace

TEST_F(Access, ACalendarWithoutOwnerIsReadByAnyoneAndChangedWithTheSystemPassword)
{
    open_calendar(connected.sample.alpha);
    EXPECT_TRUE(check_calendar_access(true));
    EXPECT_TRUE(user.shown().empty());

    user.on_window(QStringLiteral("system_password"), [](QDialog &window) {
        type_into(window, QStringLiteral("password"), QStringLiteral("Admin99"), 0);
        run_node(window, QStringLiteral("accept_password"), 0);
    });
    EXPECT_TRUE(check_calendar_access(false));
    user.take_texts();
    EXPECT_TRUE(check_calendar_access(false));  // entered for the run
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(Access, ARestrictedCalendarOpensForItsOwnerOnly)
{
    open_calendar(connected.sample.zeta);  // owned by Ann, restricted
    app_state().current_user_id = qint32(connected.sample.ann);
    EXPECT_TRUE(check_calendar_access(true));
    EXPECT_TRUE(check_calendar_access(false));
    EXPECT_TRUE(user.shown().empty());

    // Bob: asked to identify, then offered the system password.
    app_state().current_user_id = qint32(connected.sample.bob);
    identify(user, connected.sample.bob, QStringLiteral("Bobpw1"));
    user.answer_yes_no(false);
    EXPECT_FALSE(check_calendar_access(true));
    EXPECT_EQ(user.take_texts(), QStringList{kInsufficient});

    // Nobody identifies, then the system password lets the read through.
    app_state().current_user_id = 0;
    identify(user, 0, QString());
    user.answer_yes_no(true);
    user.on_window(QStringLiteral("system_password"), [](QDialog &window) {
        type_into(window, QStringLiteral("password"), QStringLiteral("Admin99"), 0);
        run_node(window, QStringLiteral("accept_password"), 0);
    });
    EXPECT_TRUE(check_calendar_access(true));
    user.take_texts();

    // Ann identifies: allowed with no further question.
    app_state().entered_system_password.clear();
    identify(user, connected.sample.ann, QStringLiteral("Annpw1"));
    app_state().current_user_id = 0;
    EXPECT_TRUE(check_calendar_access(true));
    EXPECT_TRUE(user.take_texts().isEmpty());
}

TEST_F(Access, AnOwnedCalendarIsReadByAllButChangedByItsOwner)
{
    connected.file.close();
    app_state().database->exec(QStringLiteral("UPDATE calendars SET RestrictRead = 0 WHERE id = %1;").arg(connected.sample.zeta));
    open_calendar(connected.sample.zeta);
    app_state().current_user_id = qint32(connected.sample.bob);
    EXPECT_TRUE(check_calendar_access(true));
    EXPECT_TRUE(user.shown().empty());

    identify(user, 0, QString());
    user.answer_yes_no(false);
    EXPECT_FALSE(check_calendar_access(false));
    EXPECT_EQ(user.take_texts(), QStringList{kInsufficient});
    EXPECT_EQ(user.shown().empty(), true);

    // A calendar that no longer exists is reported.
    open_calendar(4242);
    EXPECT_FALSE(check_calendar_access(true));
    EXPECT_TRUE(user.take_texts().first().contains(QStringLiteral("Description: DB record not found.\r\n")));
}
