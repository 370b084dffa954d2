#include "dialogs/aboutwindow.h"
#include "dialogs/dateselectorwindow.h"
#include "scriptedinteraction.h"
#include "windowdriver.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace dayvane;
using namespace dayvane::test;

TEST(DateSelector, KeepsToItsYearAndOnlySelectOrEnterConfirmTheDate)
{
    ScriptedInteraction user;
    const auto calendar = [](QDialog &window) { return window.findChild<QCalendarWidget *>(QStringLiteral("calendar")); };
    // Presses `key` in the grid of days, which has the focus.
    const auto press = [&](QDialog &window, Qt::Key key) {
        QApplication::setActiveWindow(&window);
        QTest::keyClick(calendar(window)->focusProxy() ? calendar(window)->focusProxy() : calendar(window), key);
    };
    selector_date() = QDate(2005, 6, 15);
    user.on_window(QStringLiteral("date_selector"), [&](QDialog &window) {
        EXPECT_EQ(calendar(window)->selectedDate(), QDate(2005, 6, 15));
        EXPECT_EQ(calendar(window)->minimumDate(), QDate(2005, 1, 1));
        calendar(window)->setSelectedDate(QDate(2006, 1, 2));
        EXPECT_EQ(calendar(window)->selectedDate(), QDate(2005, 12, 31));
        run_node(window, QStringLiteral("select"));
    });
    EXPECT_TRUE(show_date_selector(nullptr));
    EXPECT_EQ(selector_date(), QDate(2005, 12, 31));
    // Escape or Close keep the caller's date.
    for (const bool escape : {true, false}) {
        user.on_window(QStringLiteral("date_selector"), [&](QDialog &window) {
            calendar(window)->setSelectedDate(QDate(2005, 8, 1));
            if (escape)
                press(window, Qt::Key_Escape);
            else
                run_node(window, QStringLiteral("close"));
            EXPECT_FALSE(window.isVisible());
        });
        EXPECT_FALSE(show_date_selector(nullptr));
        EXPECT_EQ(selector_date(), QDate(2005, 12, 31));
    }
    // Enter on a date confirms it.
    selector_date() = QDate(2024, 2, 28);
    user.on_window(QStringLiteral("date_selector"), [&](QDialog &window) { press(window, Qt::Key_Right); press(window, Qt::Key_Return); });
    EXPECT_TRUE(show_date_selector(nullptr));
    EXPECT_EQ(selector_date(), QDate(2024, 2, 29));
}

TEST(About, ShowsTheProductAndStartsAnInstalledSystemInformationProgramOrSaysThereIsNone)
{
    const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");
    QTemporaryDir folder;
    const auto restore_path = qScopeGuard([path = qgetenv("PATH")] { qputenv("PATH", path); });
    qputenv("PATH", folder.path().toLocal8Bit());
    ScriptedInteraction user;
    const auto click = [](QDialog &window, const char *button) {
        QTest::mouseClick(window.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    };
    // None installed: it says so, and OK closes the window.
    user.on_window(QStringLiteral("about"), [&](QDialog &window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("About Corvantelle"));
        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lbl_application"))->text(), QStringLiteral("Dayvane"));
        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.0.1"));
        click(window, "cmdSysInfo");
        click(window, "cmdOK");
        EXPECT_FALSE(window.isVisible());
    });
    open_about_window(nullptr);
    ASSERT_EQ(user.shown().size(), 1u);
    EXPECT_EQ(user.shown()[0].title, QStringLiteral("Corvantelle"));
    EXPECT_EQ(user.shown()[0].icon, MessageIcon::Plain);
    EXPECT_EQ(user.take_texts(), QStringList{unavailable});
    EXPECT_TRUE(user.started_programs().empty());
    // The second choice is installed: it starts; when it fails to, the same message.
    QFile program(folder.filePath(QStringLiteral("hardinfo")));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly) && program.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    for (const bool starts : {true, false}) {
        user.set_start_program_result(starts);
        user.on_window(QStringLiteral("about"), [&](QDialog &window) { click(window, "cmdSysInfo"); });
        open_about_window(nullptr);
        EXPECT_EQ(user.started_programs(), std::vector<QStringList>(starts ? 1 : 2, QStringList{program.fileName()}));
        EXPECT_EQ(user.take_texts(), starts ? QStringList() : QStringList{unavailable});
    }
}
