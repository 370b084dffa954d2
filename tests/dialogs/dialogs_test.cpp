#include "windowdriver.h"
#include "dialogs/aboutwindow.h"
#include "dialogs/dateselectorwindow.h"
#include "scriptedinteraction.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

QCalendarWidget *calendar(QDialog &window)
{
    return window.findChild<QCalendarWidget *>(QStringLiteral("calendar"));
}

// Puts the PATH on `folder` while it lives.
class SearchPath
{
public:
    explicit SearchPath(const QString &folder)
        : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", folder.toLocal8Bit());
    }
    ~SearchPath() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

} // namespace

TEST(DateSelector, OpensOnTheGivenDateWithinItsYearOnly)
{
    ScriptedInteraction user;
    selector_date() = QDate(2005, 6, 15);
    user.on_window(QStringLiteral("date_selector"), [](QDialog &window) {
        EXPECT_EQ(calendar(window)->selectedDate(), QDate(2005, 6, 15));
        EXPECT_EQ(calendar(window)->minimumDate(), QDate(2005, 1, 1));
        EXPECT_EQ(calendar(window)->maximumDate(), QDate(2005, 12, 31));
        calendar(window)->setSelectedDate(QDate(2006, 1, 2));
        EXPECT_EQ(calendar(window)->selectedDate(), QDate(2005, 12, 31));
        run_node(window, QStringLiteral("select"));
    });
    EXPECT_TRUE(show_date_selector(nullptr));
    EXPECT_EQ(selector_date(), QDate(2005, 12, 31));
}

TEST(DateSelector, EscapeOrCloseKeepsTheCallersDate)
{
    ScriptedInteraction user;
    selector_date() = QDate(2005, 6, 15);
    user.on_window(QStringLiteral("date_selector"), [](QDialog &window) {
        QApplication::setActiveWindow(&window);
        calendar(window)->setSelectedDate(QDate(2005, 8, 1));
        QTest::keyClick(calendar(window)->focusWidget() ? calendar(window)->focusWidget() : calendar(window), Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
    });
    user.on_window(QStringLiteral("date_selector"), [](QDialog &window) {
        calendar(window)->setSelectedDate(QDate(2005, 8, 1));
        run_node(window, QStringLiteral("close"));
    });
    EXPECT_FALSE(show_date_selector(nullptr));
    EXPECT_FALSE(show_date_selector(nullptr));
    EXPECT_EQ(selector_date(), QDate(2005, 6, 15));
}

TEST(DateSelector, EnterOnADateConfirmsIt)
{
    ScriptedInteraction user;
    selector_date() = QDate(2024, 2, 28);
    user.on_window(QStringLiteral("date_selector"), [](QDialog &window) {
        QApplication::setActiveWindow(&window);
        QWidget *view = calendar(window)->focusProxy() ? calendar(window)->focusProxy() : calendar(window);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Return);
    });
    EXPECT_TRUE(show_date_selector(nullptr));
    EXPECT_EQ(selector_date(), QDate(2024, 2, 29));
}

TEST(About, ShowsTheProductAndVersion)
{
    ScriptedInteraction user;
    user.on_window(QStringLiteral("about"), [](QDialog &window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("About Corvantelle"));
        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lbl_application"))->text(), QStringLiteral("Dayvane"));
        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.0.1"));
        for (const char *name : {"lblTitle", "lblDescription", "lblDisclaimer"})
            EXPECT_FALSE(window.findChild<QLabel *>(QString::fromLatin1(name))->text().isEmpty()) << name;
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
    });
    open_about_window(nullptr);
}

TEST(About, StartsAnInstalledSystemInformationProgramOrSaysThereIsNone)
{
    QTemporaryDir folder;
    const SearchPath path(folder.path());
    ScriptedInteraction user;
    auto click_sys_info = [](QDialog &window) {
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
        window.close();
    };
    user.on_window(QStringLiteral("about"), click_sys_info);
    open_about_window(nullptr);
    ASSERT_EQ(user.shown().size(), 1u);
    EXPECT_EQ(user.shown()[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
    EXPECT_EQ(user.shown()[0].title, QStringLiteral("Corvantelle"));
    EXPECT_EQ(user.shown()[0].icon, MessageIcon::Plain);
    EXPECT_TRUE(user.started_programs().empty());
    user.take_texts();

    // The second choice is installed: it starts.
    QFile program(folder.filePath(QStringLiteral("hardinfo")));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\n");
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    user.on_window(QStringLiteral("about"), click_sys_info);
    open_about_window(nullptr);
    ASSERT_EQ(user.started_programs().size(), 1u);
    EXPECT_EQ(user.started_programs()[0], QStringList{program.fileName()});
    EXPECT_TRUE(user.shown().empty());

    // Found but failing to start: the same message.
    user.set_start_program_result(false);
    user.on_window(QStringLiteral("about"), click_sys_info);
    open_about_window(nullptr);
    EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
}
