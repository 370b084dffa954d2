#include "app/calendarwindow.h"
#include "scriptedinteraction.h"
#include "store/connection.h"
#include "testdatabase.h"
#include "ui_common/appstate.h"
#include "ui_common/geometry.h"
#include "ui_common/menutree.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

const QString kNotConnected = QStringLiteral(
    "The application is not connected to a database.\r\nPlease click on <Admin> / <Set database location>,\r\n"
    "select the database and then repeat this operation.");
const QString kSelectLater = QStringLiteral(
    "To select the database location at a later time, click on\r\n<Set database location> listed under the <System> menu item.");
const QString kNotValid =
    QStringLiteral("The selected database does not appear to be a valid\r\nCorvantelle database.");

// Each case runs with its own settings folder and a fresh shared state.
class CalendarWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app_state() = AppState();
        qputenv("DAYVANE_HOME", home.path().toUtf8());
        qputenv("DAYVANE_WEB_HOST", "127.0.0.1:9");
    }
    void TearDown() override
    {
        app_state() = AppState();
        qunsetenv("DAYVANE_HOME");
        qunsetenv("DAYVANE_WEB_HOST");
    }

    QString ini_path() const { return home.filePath(QStringLiteral("QZ.ini")); }
    QString read_ini() const
    {
        QFile file(ini_path());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void write_ini(const QString &text) const
    {
        QFile file(ini_path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    // Starts with the database at `path` known, so no question is asked.
    void start_connected(CalendarWindow &window, const QString &path)
    {
        write_ini(QStringLiteral("[DB path]=%1\r\n").arg(path));
        window.start();
    }
    void close_with(CalendarWindow &window, ScriptedInteraction &user, bool yes)
    {
        user.answer_yes_no(yes);
        window.close();
    }

    QTemporaryDir home{QDir::current().absoluteFilePath(QStringLiteral("home-XXXXXX"))};
};

QString label(const CalendarWindow &window, const char *name)
{
    const QLabel *found = window.findChild<QLabel *>(QString::fromLatin1(name));
    return found ? found->text() : QStringLiteral("<missing>");
}

} // namespace

TEST_F(CalendarWindowTest, FirstStartCentresTheWindowAndAsksForTheDatabase)
{
    ScriptedInteraction user;
    CalendarWindow window;
    user.answer_yes_no(false);
    window.start();

    EXPECT_TRUE(window.isVisible());
    const QRect area = work_area(&window);
    EXPECT_EQ(window.pos(), QPoint(area.left() + (area.width() - window.frameGeometry().width()) / 2,
                                   area.top() + (area.height() - window.frameGeometry().height()) / 2));
    EXPECT_EQ(window.width(), twips_to_pixels(8250));
    ASSERT_EQ(user.shown().size(), 2u);
    EXPECT_EQ(user.shown()[0].text, QStringLiteral("The application requires the location of the Corvantelle database "
                                                   "(QZBD.mdb).\r\nDo you want to select the database location now?"));
    EXPECT_EQ(user.shown()[1].text, kSelectLater);
    EXPECT_FALSE(app_state().db_connected);
    EXPECT_EQ(label(window, "lbl_calendar_name"), QStringLiteral("No calendar loaded"));
    EXPECT_EQ(label(window, "lbl_year_work_total_days"), QStringLiteral("0 days"));
    EXPECT_EQ(window.findChild<QCalendarWidget *>(QStringLiteral("calendar"))->selectedDate(), QDate::currentDate());

    // No on the close question keeps the window and writes nothing.
    close_with(window, user, false);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(QFile::exists(ini_path()));
    close_with(window, user, true);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(user.shown().back().title, QStringLiteral("QZ Calendar"));
    EXPECT_EQ(user.shown().back().text, QStringLiteral("Close Calendar application?"));
    EXPECT_EQ(user.shown().back().icon, MessageIcon::Question);
    // With no calendar open and no database: these four lines, nothing else.
    const QStringList lines = read_ini().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5) << read_ini().toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("[NewsVersion]="));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("[Top]=")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("[Left]=")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("[Height]=")));
    EXPECT_EQ(lines[4], QString());
}

TEST_F(CalendarWindowTest, SettingsComeBackAndAWindowBelowTheWorkAreaIsPulledUp)
{
    TestDatabase database;
    database.close();
    const QRect area = work_area();
    const int top = pixels_to_twips(area.top() + 40), left = pixels_to_twips(area.left() + 30);
    write_ini(QStringLiteral("[DB path]=%1\r\n[NewsVersion]=7\r\n[Top]=%2\r\n[Left]=%3\r\n[Height]=7200\r\n")
                  .arg(database.path())
                  .arg(top)
                  .arg(left));
    ScriptedInteraction user;
    CalendarWindow window;
    window.start();
    EXPECT_TRUE(user.shown().empty());
    EXPECT_TRUE(app_state().db_connected);
    EXPECT_EQ(window.pos(), QPoint(twips_to_pixels(left), twips_to_pixels(top)));
    EXPECT_EQ(window.height(), twips_to_pixels(7200));

    // Narrower, wider or lower than allowed: set back.
    window.resize(100, 100);
    EXPECT_EQ(window.width(), twips_to_pixels(8250));
    EXPECT_EQ(window.height(), twips_to_pixels(6480));

    window.move(window.x(), area.bottom() - 20);
    close_with(window, user, true);
    const QString expected_top = QStringLiteral("[Top]=%1\r\n").arg(
        pixels_to_twips(area.top() + area.height() - window.frameGeometry().height()));
    EXPECT_TRUE(read_ini().startsWith(QStringLiteral("[DB path]=%1\r\n[NewsVersion]=7\r\n").arg(database.path())));
    EXPECT_TRUE(read_ini().contains(expected_top)) << read_ini().toStdString();
    EXPECT_TRUE(read_ini().contains(QStringLiteral("[Height]=%1\r\n").arg(pixels_to_twips(twips_to_pixels(6480)))));

    // A height stored on a taller screen opens no taller than this one.
    write_ini(QStringLiteral("[DB path]=%1\r\n[Height]=%2\r\n")
                  .arg(database.path())
                  .arg(pixels_to_twips(area.height() + 200)));
    CalendarWindow again;
    again.start();
    EXPECT_EQ(again.frameGeometry().height(), area.height());
}

TEST_F(CalendarWindowTest, OpeningTheDatabaseExplainsEveryRefusal)
{
    TestDatabase good;
    good.close();
    QTemporaryDir dir(QDir::current().absoluteFilePath(QStringLiteral("files-XXXXXX")));
    const QString other = dir.filePath(QStringLiteral("QZDB.mdb"));
    Database::open(other, key_from_connect_string(kFirstConnectString), Database::OpenMode::Create)
        .exec(QStringLiteral("CREATE TABLE t (x);"));
    const QString wrong_name = dir.filePath(QStringLiteral("qzdb.mdb"));
    QFile::copy(good.path(), wrong_name);

    ScriptedInteraction user;
    CalendarWindow window;
    user.answer_yes_no(true);
    user.answer_file(std::nullopt);  // cancelled
    window.start();
    EXPECT_EQ(user.take_texts().last(), kSelectLater);
    EXPECT_FALSE(app_state().db_connected);
    EXPECT_TRUE(app_state().db_path.isEmpty());

    // A user proven against one file is nobody in the next, whatever the
    // outcome: ids start at 1 in every database.
    const auto prove_user_one = [] {
        app_state().current_user_id = 1;
        app_state().current_user_name = QStringLiteral("Ann Smith");
    };
    const auto expect_no_user = [](const std::string &what) {
        EXPECT_EQ(app_state().current_user_id, 0) << what;
        EXPECT_TRUE(app_state().current_user_name.isEmpty()) << what;
    };

    struct Case
    {
        QString chosen;
        QString message;
    };
    const Case cases[] = {
        {wrong_name, QStringLiteral("Please select the database named ''QZDB.mdb''.")},
        {QStringLiteral("/QZDB.mdb"),
         QStringLiteral("Please select the ''QZDB.mdb'' database.\r\nThe database path must be 11 characters minimum\r\n"
                        "e.g. ''C:\\QZDB.mdb''")},
        {QStringLiteral("/dev/shm/QZDB.mdb"),
         QStringLiteral("Error:\r\nThe database storage device is not recognized by the application.\r\n"
                        "Please install the database on your local drive for single user access\r\n"
                        "or on a network drive for multi-user access.")},
        {other, kNotValid},
    };
    for (const Case &c : cases) {
        prove_user_one();
        user.answer_file(c.chosen);
        window.run_command(QStringLiteral("set_db"));
        EXPECT_EQ(user.take_texts(), QStringList{c.message}) << c.chosen.toStdString();
        expect_no_user(c.chosen.toStdString());
        EXPECT_FALSE(app_state().db_connected);
        EXPECT_FALSE(app_state().database.has_value());
        EXPECT_TRUE(app_state().db_path.isEmpty());
    }

    prove_user_one();
    user.answer_file(good.path());
    window.run_command(QStringLiteral("set_db"));
    EXPECT_TRUE(user.take_texts().isEmpty());
    expect_no_user("connected");
    EXPECT_TRUE(app_state().db_connected);
    EXPECT_EQ(app_state().db_path, good.path());

    // Connected: set_db asks first; No keeps the connection.
    user.answer_yes_no(false);
    window.run_command(QStringLiteral("set_db"));
    EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("The connection to the current database will be closed.")});
    EXPECT_TRUE(app_state().database.has_value());
    // Yes, then a cancelled dialog: no connection, the path kept.
    prove_user_one();
    user.answer_yes_no(true);
    user.answer_file(std::nullopt);
    window.run_command(QStringLiteral("set_db"));
    expect_no_user("cancelled");
    EXPECT_FALSE(app_state().database.has_value());
    EXPECT_FALSE(app_state().db_connected);
    EXPECT_EQ(app_state().db_path, good.path());
    user.take_texts();
    close_with(window, user, true);
}

TEST_F(CalendarWindowTest, ABusyDatabaseIsToldAndItsPathKept)
{
    TestDatabase database;
    // Another workstation in the middle of saving holds the file's exclusive
    // lock for longer than the program waits.
    database.db().exec(QStringLiteral("BEGIN EXCLUSIVE;"));
    ScriptedInteraction user;
    CalendarWindow window;
    start_connected(window, database.path());
    EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral(
                                     "The calendar database is busy: another workstation is saving. Try again in a moment.")});
    EXPECT_FALSE(app_state().db_connected);
    EXPECT_EQ(app_state().db_path, database.path());
    close_with(window, user, true);
    EXPECT_TRUE(read_ini().startsWith(QStringLiteral("[DB path]=%1\r\n").arg(database.path()))) << read_ini().toStdString();
}

TEST_F(CalendarWindowTest, TheCommandTreeHasEveryNodeInOrder)
{
    ScriptedInteraction user;
    CalendarWindow window;
    user.answer_yes_no(false);
    window.start();
    user.take_texts();
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("menu_tree"));
    ASSERT_NE(tree, nullptr);

    QStringList keys, bold, expanded;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QString key = (*it)->data(0, Qt::UserRole).toString();
        keys << key + u'=' + (*it)->text(0);
        if ((*it)->font(0).bold())
            bold << key;
        if ((*it)->isExpanded())
            expanded << key;
    }
    EXPECT_EQ(keys.size(), 36);
    EXPECT_EQ(keys.first(), QStringLiteral("close=Close application"));
    EXPECT_EQ(keys.mid(1, 6), QStringList({"system=System", "system_password=System password",
                                           "enter_system_password=Enter system password",
                                           "clear_system_password=Clear system password", "users=User list",
                                           "set_db=Set database location"}));
    EXPECT_EQ(keys.mid(19, 4), QStringList({"print_calendar=Print calendar", "print_calendar_1_month=Selected month",
                                            "print_calendar_12_month=12 month layout",
                                            "print_calendar_12_month_part_1_2=Calendar & Event list"}));
    EXPECT_EQ(keys.last(), QStringLiteral("website=Go to Corvantelle website"));
    EXPECT_EQ(bold, QStringList({"system", "system_password", "calendar_menu", "calendar_event_dates", "print_calendar",
                                 "print_calendar_12_month", "preview_calendar", "customer_service", "help"}));
    EXPECT_EQ(expanded, QStringList({"system", "system_password", "calendar_menu", "calendar_event_dates", "print_calendar"}));
    EXPECT_EQ(find_menu_node(tree, QStringLiteral("close"))->foreground(0).color(), QColor(0, 0, 255));
    EXPECT_EQ(find_menu_node(tree, QStringLiteral("users"))->parent()->data(0, Qt::UserRole), QStringLiteral("system"));

    // Without a database the guarded commands only explain; others do not ask.
    for (const char *key : {"users", "open_calendar_list", "holiday_listing", "enter_system_password"}) {
        window.run_command(QString::fromLatin1(key));
        EXPECT_EQ(user.take_texts(), QStringList{kNotConnected}) << key;
    }
    window.run_command(QStringLiteral("reload_calendar"));
    window.run_command(QStringLiteral("print_calendar"));  // a heading
    EXPECT_TRUE(user.take_texts().isEmpty());

    window.run_command(QStringLiteral("clear_system_password"));
    EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("The system password has been cleared.")});
    close_with(window, user, true);
}

TEST_F(CalendarWindowTest, HelpAndNewsOpenTheirPages)
{
    write_ini(QStringLiteral("[NewsVersion]=4\r\n"));
    ScriptedInteraction user;
    CalendarWindow window;
    user.answer_yes_no(false);
    window.start();
    user.take_texts();
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("menu_tree"));
    auto *timer = window.findChild<QTimer *>(QStringLiteral("news_timer"));
    ASSERT_NE(timer, nullptr);

    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_F1);
    window.run_command(QStringLiteral("contact_corvantelle"));
    ASSERT_EQ(user.opened_urls().size(), 2u);
    EXPECT_EQ(user.opened_urls()[0].toString(), QStringLiteral("http://127.0.0.1:9/help/qzhelp.htm"));
    EXPECT_EQ(user.opened_urls()[1].path(), QStringLiteral("/cs/contact.htm"));

    // The same version: no notification.
    window.set_latest_news_version(QStringLiteral("4"));
    EXPECT_FALSE(timer->isActive());

    window.set_latest_news_version(QStringLiteral("5"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    QTreeWidgetItem *news = find_menu_node(tree, QStringLiteral("news"));
    EXPECT_EQ(find_menu_node(tree, QStringLiteral("customer_service"))->foreground(0).color(), QColor(255, 0, 0));
    EXPECT_TRUE(news->parent()->isExpanded());
    timer->setInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(news->font(0).bold(), 2000);
    EXPECT_EQ(news->foreground(0).color(), QColor(255, 0, 0));
    QTRY_VERIFY_WITH_TIMEOUT(!news->font(0).bold(), 2000);

    // A failed news page keeps the notification; a good one ends it.
    user.set_open_url_result(false);
    window.run_command(QStringLiteral("news"));
    EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("Unable to connect to Corvantelle website.")});
    EXPECT_TRUE(timer->isActive());
    user.set_open_url_result(true);
    window.run_command(QStringLiteral("news"));
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(news->font(0).bold());
    EXPECT_EQ(news->foreground(0).color(), QColor(Qt::black));
    close_with(window, user, true);
    EXPECT_TRUE(read_ini().startsWith(QStringLiteral("[NewsVersion]=5\r\n")));
}
