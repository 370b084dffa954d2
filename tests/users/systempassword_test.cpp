#include "scriptedinteraction.h"
#include "store/connection.h"
#include "ui_common/appstate.h"
#include "store/scramble.h"
#include "users/passwords.h"
#include "users/security.h"
#include "users/systempasswordwindow.h"
#include "windowdriver.h"

#include <QDialog>
#include <QFrame>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

bool frame_shown(QDialog &window, int index)
{
    for (QFrame *frame : window.findChildren<QFrame *>(QStringLiteral("frame"))) {
        if (frame->property("index").toInt() == index)
            return frame->isVisible();
    }
    return false;
}

} // namespace

TEST(SystemPassword, TheFirstOneIsDefinedThenAskedForUntilCleared)
{
    ConnectedDatabase connected;
    install_system_password_check();
    ScriptedInteraction user;

    // None defined: guarded operations run without asking.
    EXPECT_TRUE(check_operation_allowed(true, true));
    EXPECT_TRUE(user.shown().empty());

    // The window opens on the frame that defines one.
    user.on_window(QStringLiteral("system_password"), [&](QDialog &window) {
        EXPECT_FALSE(frame_shown(window, 0));
        EXPECT_TRUE(frame_shown(window, 1));
        type_into(window, QStringLiteral("password"), QStringLiteral("abcde"), 1);
        run_node(window, QStringLiteral("save_password"), 1);
        type_into(window, QStringLiteral("password"), QStringLiteral("Secret1"), 1);
        type_into(window, QStringLiteral("password"), QStringLiteral("Secret2"), 2);
        run_node(window, QStringLiteral("save_password"), 1);
        type_into(window, QStringLiteral("password"), QStringLiteral("Secret1"), 2);
        run_node(window, QStringLiteral("save_password"), 1);
        EXPECT_FALSE(window.isVisible());
    });
    open_system_password_window(nullptr);
    EXPECT_EQ(user.take_texts(), QStringList({QStringLiteral("The password must be at least 6 characters long."),
                                              QStringLiteral("The confirmation password does not match the new password."),
                                              QStringLiteral("The new password has been activated.")}));
    EXPECT_EQ(app_state().entered_system_password, QStringLiteral("Secret1"));

    // Entered once, it stays accepted for the run.
    EXPECT_TRUE(check_operation_allowed(true, true));
    EXPECT_TRUE(check_operation_allowed(true, true));
    EXPECT_TRUE(user.shown().empty());

    // Cleared: the next guarded operation asks again.
    app_state().entered_system_password.clear();
    user.on_window(QStringLiteral("system_password"), [&](QDialog &window) {
        EXPECT_TRUE(frame_shown(window, 0));
        type_into(window, QStringLiteral("password"), QStringLiteral("Secret9"), 0);
        run_node(window, QStringLiteral("accept_password"), 0);
        type_into(window, QStringLiteral("password"), QStringLiteral("Secret1"), 0);
        run_node(window, QStringLiteral("accept_password"), 0);
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_TRUE(check_operation_allowed(true, true));
    EXPECT_EQ(user.take_texts(), QStringList({QStringLiteral("Incorrect system password."),
                                              QStringLiteral("The system password will remain active until the "
                                                             "application \r\nis closed or the password is cleared.")}));

    // Another workstation changes it: the next operation is refused once.
    Database other = open_existing_database(connected.file.path());
    store_system_password(other, QStringLiteral("Changed7"));
    user.on_window(QStringLiteral("system_password"), [&](QDialog &window) { window.close(); });
    EXPECT_FALSE(check_operation_allowed(true, true));
    EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("The system password supplied does not match the system\r\n"
                                                            "password stored on the database.")});
    set_system_password_check(nullptr);
}

TEST(SystemPassword, BlanksDoNotCountAndChangingNeedsTheCurrentOne)
{
    ConnectedDatabase connected;
    store_system_password(*app_state().database, QStringLiteral("Admin99"));
    ScriptedInteraction user;
    user.on_window(QStringLiteral("system_password"), [&](QDialog &window) {
        EXPECT_TRUE(frame_shown(window, 0));
        run_node(window, QStringLiteral("change_password"), 0);
        type_into(window, QStringLiteral("password"), QStringLiteral("Admin98"), 0);
        run_node(window, QStringLiteral("change_password"), 0);
        EXPECT_TRUE(frame_shown(window, 0));
        type_into(window, QStringLiteral("password"), QStringLiteral("Admin99"), 0);
        run_node(window, QStringLiteral("change_password"), 0);
        EXPECT_TRUE(frame_shown(window, 1));
        // Five characters padded to seven with blanks are still five: the
        // filter lets no blank through in this box, so set the text directly.
        QLineEdit *box = window.findChildren<QLineEdit *>(QStringLiteral("password"))[1];
        const QSignalBlocker unfiltered(box);
        box->setText(QStringLiteral(" abcde "));
        run_node(window, QStringLiteral("save_password"), 1);
        type_into(window, QStringLiteral("password"), QStringLiteral("Fresh123"), 1);
        type_into(window, QStringLiteral("password"), QStringLiteral("Fresh123"), 2);
        run_node(window, QStringLiteral("save_password"), 1);
    });
    open_system_password_window(nullptr);
    EXPECT_EQ(user.take_texts(), QStringList({QStringLiteral("Please enter the current system password."),
                                              QStringLiteral("Incorrect system password."),
                                              QStringLiteral("The password must be at least 6 characters long."),
                                              QStringLiteral("The new password has been activated.")}));
    // The stored form is the scrambled password; the old one no longer matches.
    app_state().entered_system_password = QStringLiteral("Admin99");
    install_system_password_check();
    user.on_window(QStringLiteral("system_password"), [](QDialog &window) { window.close(); });
    EXPECT_FALSE(check_operation_allowed(true, true));
    user.take_texts();
    app_state().entered_system_password = QStringLiteral("Fresh123");
    EXPECT_TRUE(check_operation_allowed(true, true));
    set_system_password_check(nullptr);
}

TEST(SystemPassword, StoredFormsWithZeroBytesAndQuotesStillMatch)
{
    ConnectedDatabase connected;
    install_system_password_check();
    // A typed password whose stored form starts with a zero byte and an
    // apostrophe: the key stream's own first characters give that.
    const QByteArray key = *scramble_text(QByteArray(2, '\0'));
    QString typed = QString::fromLatin1(key) + QStringLiteral("xyz1");
    typed[1] = QChar(key[1] ^ '\'');
    ASSERT_EQ(scramble_password(typed)->at(0), '\0');
    ASSERT_EQ(scramble_password(typed)->at(1), '\'');
    store_system_password(*app_state().database, typed);
    app_state().entered_system_password = typed;
    ScriptedInteraction user;
    EXPECT_TRUE(check_operation_allowed(true, true));
    EXPECT_TRUE(user.shown().empty());
    EXPECT_EQ(unscramble_password(*scramble_password(typed)), typed);
    EXPECT_FALSE(scramble_password(QString(946, u'a')).has_value());
    EXPECT_FALSE(scramble_password(QStringLiteral("pass\u20ac")).has_value());
    set_system_password_check(nullptr);
}
