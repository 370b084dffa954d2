// The main window and the windows opened from it, together.

#include "app/calendarwindow.h"
#include "scriptedinteraction.h"
#include "testdatabase.h"
#include "ui_common/appstate.h"
#include "ui_common/gridhelpers.h"
#include "windowdriver.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// Makes the calendar list's row of `name` and `year` current.
QTableWidget *select_calendar(QDialog &list, const QString &name, int year)
{
    auto *grid = list.findChild<QTableWidget *>(QStringLiteral("grid"));
    for (int row = 0; row < grid->rowCount() && row_data(grid, row) != 0; ++row) {
        if (grid->item(row, 0)->text() == name && grid->item(row, 1)->text() == QString::number(year)) {
            grid->setCurrentCell(row, 0);
            return grid;
        }
    }
    ADD_FAILURE() << "no row " << name.toStdString();
    return grid;
}

// Opens that row with Enter, as the user would.
void open_from_list(QDialog &list, const QString &name, int year)
{
    QTest::keyClick(select_calendar(list, name, year), Qt::Key_Return);
}

class OpeningCalendars : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app_state() = AppState();
        sample = fill_sample(database.db());
        database.close();
        qputenv("DAYVANE_HOME", home.path().toUtf8());
        QFile ini(home.filePath(QStringLiteral("QZ.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[DB path]=%1\r\n[Calendar date]=2/29/2024\r\n").arg(database.path()).toUtf8());
        ini.close();
        // Made after the shared state was reset: the window registers itself.
        window = std::make_unique<CalendarWindow>();
    }
    void TearDown() override
    {
        user.answer_yes_no(true);
        window->close();
        window.reset();
        app_state() = AppState();
        qunsetenv("DAYVANE_HOME");
    }

    QString caption() const { return window->findChild<QLabel *>(QStringLiteral("lbl_calendar_name"))->text(); }
    QDate selected() const { return window->findChild<QCalendarWidget *>(QStringLiteral("calendar"))->selectedDate(); }

    QTemporaryDir home{QDir::current().absoluteFilePath(QStringLiteral("home-XXXXXX"))};
    TestDatabase database;
    Sample sample;
    ScriptedInteraction user;
    std::unique_ptr<CalendarWindow> window;
};

} // namespace

TEST_F(OpeningCalendars, TheListOpensAYearInTheMainWindow)
{
    window->start();
    EXPECT_EQ(caption(), QStringLiteral("No calendar loaded"));
    user.on_window(QStringLiteral("calendar_list"), [](QDialog &list) {
        open_from_list(list, QStringLiteral("Alpha"), 2024);
        EXPECT_FALSE(list.isVisible());
    });
    window->run_command(QStringLiteral("open_calendar_list"));
    EXPECT_EQ(caption(), QStringLiteral("Alpha / 2024"));
    EXPECT_EQ(app_state().calendar_id, sample.alpha);
    EXPECT_EQ(selected(), QDate(2024, 2, 29));

    // 29 February opened into a year without one becomes the 28th; a
    // restricted calendar of another user first asks who is there.
    store_system_password(*app_state().database, QStringLiteral("Admin99"));
    user.on_window(QStringLiteral("calendar_list"), [&](QDialog &list) {
        user.on_window(QStringLiteral("user_list"), [](QDialog &users) { users.close(); });
        user.answer_yes_no(true);
        user.on_window(QStringLiteral("system_password"), [](QDialog &password) {
            type_into(password, QStringLiteral("password"), QStringLiteral("Admin99"), 0);
            run_node(password, QStringLiteral("accept_password"), 0);
        });
        open_from_list(list, QStringLiteral("zeta office"), 2023);
        EXPECT_FALSE(list.isVisible());
    });
    window->run_command(QStringLiteral("open_calendar_list"));
    EXPECT_EQ(selected(), QDate(2023, 2, 28));
    EXPECT_EQ(caption(), QStringLiteral("zeta office / 2023"));
    EXPECT_TRUE(user.take_texts().contains(
        QStringLiteral("Insufficient access permission.\r\n\r\nDo you want to proceed with the system password?")));

    // Renaming the open calendar renames the caption too.
    user.on_window(QStringLiteral("calendar_list"), [](QDialog &list) {
        select_calendar(list, QStringLiteral("zeta office"), 2023);
        run_node(list, QStringLiteral("rename"));
        auto *rename = list.findChild<QLineEdit *>(QStringLiteral("txt_rename"));
        rename->setText(QStringLiteral("Zeta nights"));
        QTest::keyClick(rename, Qt::Key_Return);
    });
    window->run_command(QStringLiteral("open_calendar_list"));
    EXPECT_EQ(caption(), QStringLiteral("Zeta nights / 2023"));
}

TEST_F(OpeningCalendars, TheSystemAndUserCommandsOpenTheirWindows)
{
    window->start();
    user.on_window(QStringLiteral("about"), [](QDialog &about) { about.close(); });
    window->run_command(QStringLiteral("about"));
    user.on_window(QStringLiteral("system_password"), [](QDialog &password) { password.close(); });
    window->run_command(QStringLiteral("enter_system_password"));
    user.on_window(QStringLiteral("user_list"), [](QDialog &users) {
        EXPECT_EQ(users.findChild<QTableWidget *>(QStringLiteral("grid"))->item(0, 2)->text(), QStringLiteral("Adams"));
        users.close();
    });
    window->run_command(QStringLiteral("users"));
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(OpeningCalendars, MakingChangesOpensTheEditorOnTheSelectedDay)
{
    window->start();
    user.on_window(QStringLiteral("calendar_list"), [](QDialog &list) { open_from_list(list, QStringLiteral("Alpha"), 2024); });
    window->run_command(QStringLiteral("open_calendar_list"));
    window->findChild<QCalendarWidget *>(QStringLiteral("calendar"))->setSelectedDate(QDate(2024, 1, 8));
    user.on_window(QStringLiteral("calendar_edit"), [](QDialog &editor) { editor.close(); });
    window->run_command(QStringLiteral("edit_calendar"));
    EXPECT_GT(app_state().selected_day_id, 0);
    // A day without a stored record opens nothing.
    window->findChild<QCalendarWidget *>(QStringLiteral("calendar"))->setSelectedDate(QDate(2024, 1, 9));
    window->run_command(QStringLiteral("edit_calendar"));
    EXPECT_TRUE(user.shown().empty());
}
