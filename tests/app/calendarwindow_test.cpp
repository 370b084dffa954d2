#include "mainwindowtest.h"
#include "testserver.h"
#include "store/connection.h"
#include "store/schema.h"
#include "store/serversecurity.h"
#include "ui_common/geometry.h"
#include "ui_common/menutree.h"
#include "ui_common/readablecolour.h"

#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <unistd.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

const QString kNotConnected = QStringLiteral(
    "The application is not connected to a database.\r\nPlease click on <System> / <Set database location>,\r\n"
    "select the database and then repeat this operation.");
const QString kOfferNew = QStringLiteral(
    "Do you want to create a new, empty calendar database?\r\nIt is saved as QZDB.mdb in the folder you choose.");
const QString kSelectLater = QStringLiteral(
    "To select the database location at a later time, click on\r\n<Set database location> listed under the <System> menu item.");

using CalendarWindowTest = MainWindowTest;

// The node of the command tree that runs `key`.
QTreeWidgetItem *node(const CalendarWindow &window, const char *key)
{
    return find_menu_node(window.findChild<QTreeWidget *>(QStringLiteral("menu_tree")), QLatin1String(key));
}

} // namespace

TEST_F(CalendarWindowTest, FirstStartCentresTheWindowAsksForTheDatabaseAndGuardsTheCommandsThatNeedIt)
{
    user.answer_yes_no(false);
    user.answer_yes_no(false);  // no new database either
    window.start();
    EXPECT_TRUE(window.isVisible());
    const QRect area = work_area(&window);
    EXPECT_EQ(window.pos(), QPoint(area.left() + (area.width() - window.frameGeometry().width()) / 2,
                                   area.top() + (area.height() - window.frameGeometry().height()) / 2));
    EXPECT_EQ(user.take_texts(), QStringList({"The application requires the location of the Corvantelle database "
                                              "(QZDB.mdb).\r\nDo you want to select the database location now?",
                                              kOfferNew, kSelectLater}));
    EXPECT_FALSE(app_state().db_connected);
    EXPECT_EQ(text("lbl_calendar_name"), QStringLiteral("No calendar loaded"));
    EXPECT_EQ(text("lbl_year_work_total_days"), QStringLiteral("0 days"));
    EXPECT_EQ(calendar()->selectedDate(), QDate::currentDate());
    // The command tree opens with its main headings expanded, Customer service closed.
    EXPECT_TRUE(node(window, "print_calendar")->isExpanded());
    EXPECT_FALSE(node(window, "customer_service")->isExpanded());
    // Without a database the guarded commands of the tree only explain; others do not ask.
    for (const char *key : {"users", "open_calendar_list", "holiday_listing", "enter_system_password"}) {
        run_node(window, QString::fromLatin1(key));
        EXPECT_EQ(user.take_texts(), QStringList{kNotConnected}) << key;
    }
    window.run_command(QStringLiteral("reload_calendar"));
    window.run_command(QStringLiteral("print_calendar"));  // a heading
    EXPECT_TRUE(user.take_texts().isEmpty());
    window.run_command(QStringLiteral("clear_system_password"));
    EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("The system password has been cleared.")});
    // No on the close question keeps the window and writes nothing.
    close_with(window, false);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(QFile::exists(ini_path()));
    close_with(window, true);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(user.shown().back().icon, MessageIcon::Question);
    // With no calendar open and no database: these four lines, nothing else.
    const QRegularExpression four_lines(QStringLiteral("^\\[NewsVersion\\]=\r\n\\[Top\\]=-?\\d+\r\n\\[Left\\]=-?\\d+\r\n\\[Height\\]=\\d+\r\n$"));
    EXPECT_TRUE(four_lines.match(read_ini()).hasMatch()) << read_ini().toStdString();
}

TEST_F(CalendarWindowTest, SettingsComeBackHelpAndNewsOpenTheirPagesAndAWindowBelowTheWorkAreaIsPulledUp)
{
    const QRect area = work_area();
    const int top = pixels_to_twips(area.top() + 40), left = pixels_to_twips(area.left() + 30);
    write_ini(QStringLiteral("[DB path]=%1\r\n[NewsVersion]=7\r\n[Top]=%2\r\n[Left]=%3\r\n[Height]=8400\r\n").arg(db_path()).arg(top).arg(left));
    window.start();
    EXPECT_TRUE(user.shown().empty());
    EXPECT_TRUE(app_state().db_connected);
    EXPECT_EQ(window.pos(), QPoint(twips_to_pixels(left), twips_to_pixels(top)));
    EXPECT_EQ(window.height(), twips_to_pixels(8400));
    // Help and news open their pages.
    auto *timer = window.findChild<QTimer *>(QStringLiteral("news_timer"));
    ASSERT_NE(timer, nullptr);
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_F1);
    window.run_command(QStringLiteral("contact_corvantelle"));
    EXPECT_EQ(user.opened_urls(), std::vector<QUrl>({QUrl(QStringLiteral("http://127.0.0.1:9/help/qzhelp.htm#calendar")),
                                                     QUrl(QStringLiteral("http://127.0.0.1:9/cs/contact.htm"))}));
    // The same version: no notification; a newer one blinks the news node.
    window.set_latest_news_version(QStringLiteral("7"));
    EXPECT_FALSE(timer->isActive());
    window.set_latest_news_version(QStringLiteral("8"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    QTreeWidgetItem *news = node(window, "news");
    // Red, as dark as reading on the tree needs.
    const QColor red = readable_on(QColor(255, 0, 0), colour_from_number(kMenuTreeColour));
    EXPECT_LT(red.green() + red.blue(), red.red());
    EXPECT_EQ(node(window, "customer_service")->foreground(0).color(), red);
    EXPECT_TRUE(news->parent()->isExpanded());
    timer->setInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return news->font(0).bold(); }, 2000));
    EXPECT_EQ(news->foreground(0).color(), red);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !news->font(0).bold(); }, 2000));
    // It blinks five times at most, then stays red and bold until read.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 2000));
    const auto still_red = [&] { return news->font(0).bold() && news->foreground(0).color() == red; };
    EXPECT_TRUE(still_red());
    // A failed news page keeps the notification; a good one ends it.
    user.set_open_url_result(false);
    window.run_command(QStringLiteral("news"));
    EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("Unable to connect to Corvantelle website.")});
    EXPECT_TRUE(still_red());
    user.set_open_url_result(true);
    window.run_command(QStringLiteral("news"));
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(news->font(0).bold());
    EXPECT_EQ(news->foreground(0).color(), QColor(Qt::black));
    // Narrower or lower than its texts and design allow: set back.
    window.resize(100, 100);
    EXPECT_EQ(window.width(), window.minimumSizeHint().width());
    EXPECT_EQ(window.height(), window.minimumHeight());
    EXPECT_GE(window.minimumHeight(), design_pixels(6480));
    window.move(window.x(), area.bottom() - 20);
    close_with(window, true);
    const int expected_top = pixels_to_twips(area.top() + area.height() - window.frameGeometry().height());
    EXPECT_TRUE(read_ini().startsWith(QStringLiteral("[DB path]=%1\r\n[NewsVersion]=8\r\n").arg(db_path())));
    EXPECT_TRUE(read_ini().contains(QStringLiteral("[Top]=%1\r\n").arg(expected_top))) << read_ini().toStdString();
    EXPECT_TRUE(read_ini().contains(QStringLiteral("[Height]=%1\r\n").arg(pixels_to_twips(window.minimumHeight()))));
    // A height stored on a taller screen opens no taller than this one.
    write_ini(QStringLiteral("[DB path]=%1\r\n[Height]=%2\r\n").arg(db_path()).arg(pixels_to_twips(area.height() + 200)));
    CalendarWindow again;
    again.start();
    EXPECT_EQ(again.frameGeometry().height(), area.height());
}

TEST_F(CalendarWindowTest, OpeningTheDatabaseExplainsEveryRefusalAndKeepsTheLocationOfAFileInUse)
{
    QTemporaryDir dir(QDir::current().absoluteFilePath(QStringLiteral("files-XXXXXX")));
    const auto copy_into = [&](const QString &folder, const QString &name) {
        const QString path = dir.filePath(folder + u'/' + name);
        EXPECT_TRUE(QDir(dir.path()).mkdir(folder) && QFile::copy(db_path(), path));
        return path;
    };
    const QString wrong_name = copy_into(QStringLiteral("named"), QStringLiteral("qzdb.mdb"));
    const QString busy = copy_into(QStringLiteral("busy"), QStringLiteral("QZDB.mdb"));
    const QString unreadable = copy_into(QStringLiteral("unreadable"), QStringLiteral("QZDB.mdb"));
    // A newer program's file, and an older one whose upgrade fails (a
    // history table is there already): the right files, kept for later.
    const QString newer = copy_into(QStringLiteral("newer"), QStringLiteral("QZDB.mdb"));
    open_existing_database(newer).set_user_version(kSchemaVersion + 1);
    const QString stuck = copy_into(QStringLiteral("stuck"), QStringLiteral("QZDB.mdb"));
    open_existing_database(stuck).set_user_version(1);
    const QString other = dir.filePath(QStringLiteral("QZDB.mdb"));
    Database::open(other, key_from_connect_string(kFirstConnectString), Database::OpenMode::Create)
        .exec(QStringLiteral("CREATE TABLE t (x);"));
    // Another workstation in the middle of saving holds the file's exclusive lock for longer than the program waits.
    Database saving = open_existing_database(busy);
    saving.exec(QStringLiteral("BEGIN EXCLUSIVE;"));
    // Root reads every file, so the unreadable one is chosen as "nobody".
    ASSERT_TRUE(QFile::setPermissions(unreadable, {}));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ExeGroup | QFile::ExeOther));
    user.answer_yes_no(true);
    user.answer_file(std::nullopt);  // cancelled
    user.answer_yes_no(false);       // and no new database
    window.start();
    EXPECT_EQ(user.take_texts().last(), kSelectLater);
    EXPECT_FALSE(app_state().db_connected);
    EXPECT_TRUE(app_state().db_path.isEmpty());
    // Chooses `chosen` in the file dialog of set_db. A user proven against one file is nobody in the next, whatever the
    // outcome: ids start at 1 in every database.
    const auto choose = [&](const std::optional<QString> &chosen) {
        app_state().current_user_id = 1;
        app_state().current_user_name = QStringLiteral("Ann Smith");
        user.answer_file(chosen);
        const bool as_nobody = chosen == unreadable && geteuid() == 0;
        ASSERT_TRUE(!as_nobody || seteuid(65534) == 0);
        window.run_command(QStringLiteral("set_db"));
        ASSERT_TRUE(!as_nobody || seteuid(0) == 0);
        EXPECT_EQ(app_state().current_user_id, 0);
        EXPECT_TRUE(app_state().current_user_name.isEmpty());
    };
    // kept: the right file, out of use for now, so the next start tries it again.
    const struct { QString chosen, message; bool kept = false; } cases[] = {
        {wrong_name, QStringLiteral("Please select the database named ''QZDB.mdb''.")},
        {QStringLiteral("/QZDB.mdb"),
         QStringLiteral("Please select the ''QZDB.mdb'' database.\r\nThe database path must be 11 characters minimum\r\n"
                        "e.g. ''C:\\QZDB.mdb''")},
        {QStringLiteral("/dev/shm/QZDB.mdb"),
         QStringLiteral("Error:\r\nThe database storage device is not recognized by the application.\r\n"
                        "Please install the database on your local drive for single user access\r\n"
                        "or on a network drive for multi-user access.")},
        {other, QStringLiteral("The selected database does not appear to be a valid\r\nCorvantelle database.")},
        {busy, QStringLiteral("The calendar database is busy: another workstation is saving. Try again in a moment."), true},
        {unreadable, QStringLiteral("The calendar database cannot be read: Permission denied"), true},
        {newer, QStringLiteral("The database was written by a newer version of the program (schema %1; this program reads up"
                               " to %2). Please update the program.").arg(kSchemaVersion + 1).arg(kSchemaVersion), true},
        {stuck, QStringLiteral("The database could not be brought up to this version of the program: "
                               "table change_history already exists"), true},
    };
    for (const auto &c : cases) {
        choose(c.chosen);
        EXPECT_EQ(user.take_texts(), QStringList{c.message}) << c.chosen.toStdString();
        EXPECT_FALSE(app_state().db_connected);
        EXPECT_FALSE(app_state().database.has_value());
        EXPECT_EQ(app_state().db_path, c.kept ? c.chosen : QString());
    }
    choose(db_path());
    EXPECT_TRUE(user.take_texts().isEmpty());
    EXPECT_TRUE(app_state().db_connected);
    EXPECT_EQ(app_state().db_path, db_path());
    // Connected: set_db asks first; No keeps the connection.
    user.answer_yes_no(false);
    window.run_command(QStringLiteral("set_db"));
    EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("The connection to the current database will be closed.")});
    EXPECT_TRUE(app_state().database.has_value());
    // Yes, then a cancelled dialog: no connection, the path kept and written for the next start.
    user.answer_yes_no(true);
    user.answer_yes_no(false);
    choose(std::nullopt);
    EXPECT_FALSE(app_state().database.has_value());
    EXPECT_FALSE(app_state().db_connected);
    close_with(window, true);
    EXPECT_TRUE(read_ini().startsWith(QStringLiteral("[DB path]=%1\r\n").arg(db_path()))) << read_ini().toStdString();
    // No database picked: a new, empty one as dayvane-db create makes it, named QZDB.mdb in the folder the user
    // picks; one there already is kept.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("fresh")));
    user.take_texts();
    for (const QString &folder : {QStringLiteral("/dev/shm"), dir.filePath(QStringLiteral("busy")), dir.filePath(QStringLiteral("fresh"))}) {
        user.answer_yes_no(true);
        user.answer_save_file(folder + QStringLiteral("/calendar.db"));
        choose(std::nullopt);
    }
    const QString fresh = dir.filePath(QStringLiteral("fresh/QZDB.mdb"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/dev/shm/QZDB.mdb")));
    EXPECT_EQ(user.take_texts(),
              QStringList({kOfferNew, "Error:\r\nThe database storage device is not recognized by the application.\r\n"
                           "Please install the database on your local drive for single user access\r\n"
                           "or on a network drive for multi-user access.", kSelectLater,
                           kOfferNew, "The folder already holds a database:\r\n" + busy + "\r\nIt is left as it is; choose another folder.",
                           kSelectLater, kOfferNew,
                           "Created an empty calendar database:\r\n" + fresh + "\r\nNo system password is set: set one "
                           "with <Enter system password> under <System>."}));
    ASSERT_TRUE(app_state().db_connected);
    EXPECT_EQ(app_state().db_path, fresh);
    const QString made = dir.filePath(QStringLiteral("made.mdb"));
    Database by_tool = create_calendar_database_at(made);
    const QString objects = QStringLiteral("SELECT count(*) FROM sqlite_master;");
    EXPECT_EQ(scalar(*app_state().database, objects), scalar(by_tool, objects));
    EXPECT_EQ(scalar(*app_state().database, QStringLiteral("SELECT count(*) FROM calendars;")), 0);
}

TEST_F(CalendarWindowTest, TheServerWindowConnectsAndExplainsEveryRefusal)
{
    TestServer *server = TestServer::instance();
    if (!server)
        GTEST_SKIP() << "the run started no database server";
    const QString ours = server->create_database();
    create_calendar_database_at(ours);
    const QString empty = server->create_database();
    const QString newer = server->create_database();
    {
        Database db = create_calendar_database_at(newer);
        db.set_user_version(schema_version_of(db) + 1);
    }
    // The test cluster asks this role, and only this one, for a password.
    Database admin = Database::connect(server->admin_address());
    if (scalar(admin, QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname = 'dayvane_pw'")) == 0)
        admin.exec(QStringLiteral("CREATE ROLE dayvane_pw LOGIN PASSWORD 'pw-2026';"));
    {
        Database owner = Database::connect(ours);
        grant_workstation(owner, QStringLiteral("dayvane_pw"));
    }
    const QString station = server->workstation_address(ours);
    QString guarded = ours.section(QStringLiteral(" user="), 0, 0) + QStringLiteral(" user=dayvane_pw dbname=")
                      + ours.section(QStringLiteral("dbname="), 1);
    user.answer_yes_no(true);
    user.answer_file(std::nullopt);
    user.answer_yes_no(false);
    window.start();
    user.take_texts();
    // Types the address and password into the server window and connects.
    const auto enter = [&](const QString &address, const QString &password = {}) {
        user.on_window(QStringLiteral("database_server"), [=](QDialog &dialog) {
            dialog.findChild<QLineEdit *>(QStringLiteral("server_address"))->setText(address);
            retype(dialog, QStringLiteral("server_password"), password);  // its Return connects
        });
    };
    // A user the server takes no connection for, and a server that refuses TLS.
    if (scalar(admin, QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname = 'dayvane_full'")) == 0)
        admin.exec(QStringLiteral("CREATE ROLE dayvane_full LOGIN CONNECTION LIMIT 0;"));
    const std::unique_ptr<TestServer> plain = TestServer::start_own(true);
    // An empty message: connected; reason: libpq's, which the message must
    // give; kept: the address kept for the next start.
    const QString folder = ours.section(u' ', 0, 0);
    const struct { QString address, message_start, reason; bool kept; } cases[] = {
        {QStringLiteral("host=/nowhere/at/all dbname=x user=postgres"), QStringLiteral("The database server does not answer:"),
         QStringLiteral("/nowhere/at/all"), true},
        {folder + QStringLiteral(" user=postgres dbname=nosuch"), QStringLiteral("The database server has no such database:"),
         QStringLiteral("\"nosuch\" does not exist"), false},
        {folder + QStringLiteral(" user=nobody_here dbname=x"), QStringLiteral("The database server has no such user:"),
         QStringLiteral("role \"nobody_here\" does not exist"), false},
        {folder + QStringLiteral(" user=dayvane_full dbname=postgres"), QStringLiteral("The database server takes no more connections"),
         QStringLiteral("too many connections for role \"dayvane_full\""), true},
        {folder + QStringLiteral(" user=postgres nosuchkey=1"), QStringLiteral("The database server address cannot be read:"),
         QStringLiteral("invalid connection option \"nosuchkey\""), false},
        {QStringLiteral("postgresql://postgres@/postgres?bogus=1&") + folder, QStringLiteral("The database server address cannot be read:"),
         QStringLiteral("invalid URI query parameter: \"bogus\""), false},
        {plain->tcp_address() + QStringLiteral(" sslmode=require"), QStringLiteral("The secure connection that the address asks for failed:"),
         QStringLiteral("server does not support SSL"), true},
        {empty, QStringLiteral("The selected database does not appear to be a valid"), {}, false},
        {newer, QStringLiteral("The database was written by a newer version of the program"), {}, true},
        {station, QString(), {}, true},
    };
    for (const auto &c : cases) {
        enter(c.address);
        window.run_command(QStringLiteral("set_db_server"));
        const QStringList texts = user.take_texts();
        EXPECT_EQ(texts.size(), c.message_start.isEmpty() ? 0 : 1) << texts.join(u'|').toStdString();
        EXPECT_TRUE(texts.join(u'|').startsWith(c.message_start)) << texts.join(u'|').toStdString();
        EXPECT_TRUE(texts.join(u'|').contains(c.reason)) << texts.join(u'|').toStdString();
        EXPECT_EQ(app_state().db_connected, c.message_start.isEmpty()) << c.address.toStdString();
        EXPECT_EQ(app_state().db_path, c.kept ? c.address : QString()) << c.address.toStdString();
    }
    EXPECT_EQ(app_state().database->dialect(), Database::Dialect::PostgreSQL);
    // The tables' owner passes every protection of the server: connected, and told so.
    user.answer_yes_no(true);
    enter(ours);
    window.run_command(QStringLiteral("set_db_server"));
    EXPECT_TRUE(user.take_texts().join(u'|').contains(QStringLiteral("This connection runs as dayvane_admin, which owns")));
    EXPECT_TRUE(app_state().db_connected);
    // A server that asks for a password: the window asks again, the
    // password is kept for the run but never written to QZ.ini.
    user.answer_yes_no(true);
    enter(guarded);
    user.on_window(QStringLiteral("database_server"), [](QDialog &dialog) {
        EXPECT_TRUE(dialog.focusWidget() == find_indexed<QLineEdit>(dialog, QStringLiteral("server_password")));
        retype(dialog, QStringLiteral("server_password"), QStringLiteral("wrong"));
        run_node(dialog, QStringLiteral("connect"));
    });
    window.run_command(QStringLiteral("set_db_server"));
    EXPECT_TRUE(user.take_texts().last().startsWith(QStringLiteral("The database server refused the user name or password:")));
    EXPECT_EQ(app_state().db_path, guarded);
    // Addresses are kept as written, minus a password written into them,
    // which serves the run: through QZ.ini into the next start and back.
    const QString socket = folder.section(u'=', 1), db = ours.section(QStringLiteral("dbname="), 1);
    const QString uri = QStringLiteral("postgresql://dayvane_pw%1@%2/") + db, encoded = QString::fromLatin1(QUrl::toPercentEncoding(socket));
    const QString told = QStringLiteral("The password written in the address is used until the program closes;\r\n"
                                        "it is not kept in the settings file.");
    const struct { QString address, kept; } addresses[] = {
        {uri.arg(QStringLiteral(":pw-2026"), QStringLiteral("%2Fnowhere,") + encoded), uri.arg(QString(), QStringLiteral("%2Fnowhere,") + encoded)},
        {uri.arg(QString(), encoded) + QStringLiteral("?password=pw-2026&application_name=x"), uri.arg(QString(), encoded) + QStringLiteral("?application_name=x")},
        {QStringLiteral("host='%1' dbname='%2' user=dayvane_pw application_name='the password=none' password='pw-2026'").arg(socket, db),
         QStringLiteral("host='%1' dbname='%2' user=dayvane_pw application_name='the password=none'").arg(socket, db)},
        {QString(guarded).replace(QStringLiteral("user=dayvane_pw"), QStringLiteral("user=dayvane_pw password=pw-2026")), guarded},
        {QStringLiteral("postgresql://dayvane_ws@%2Fnowhere,") + encoded + u'/' + db, QStringLiteral("postgresql://dayvane_ws@%2Fnowhere,") + encoded + u'/' + db},
    };
    for (const auto &a : addresses) {
        QStringList texts;
        if (app_state().database) {
            user.answer_yes_no(true);
            texts << QStringLiteral("The connection to the current database will be closed.");
        }
        if (a.kept != a.address)
            texts << told;
        enter(a.address);
        window.run_command(QStringLiteral("set_db_server"));
        EXPECT_EQ(user.take_texts(), texts) << a.address.toStdString();
        EXPECT_TRUE(app_state().db_connected) << a.address.toStdString();
        EXPECT_EQ(app_state().server_password, a.kept == a.address ? QByteArray() : QByteArray("pw-2026"));
        close_with(window, true);
        user.take_texts();
        EXPECT_TRUE(read_ini().startsWith(QStringLiteral("[DB path]=%1\r\n").arg(a.kept))) << read_ini().toStdString();
        EXPECT_FALSE(read_ini().contains(QStringLiteral("pw-2026")));
        window.start();
        EXPECT_EQ(app_state().db_path, a.kept);
        EXPECT_TRUE(app_state().db_connected) << user.take_texts().join(u'|').toStdString();
    }
}

// The windows opened from the main window, through their real widgets.
TEST_F(CalendarWindowTest, TheCommandsOpenTheirWindowsAndTheListOpensAYear)
{
    start_on(0, QStringLiteral("2/29/2024"));
    const auto close = [](QDialog &opened) { opened.close(); };
    user.on_window(QStringLiteral("about"), close);
    window.run_command(QStringLiteral("about"));
    user.on_window(QStringLiteral("system_password"), close);
    window.run_command(QStringLiteral("enter_system_password"));
    user.on_window(QStringLiteral("user_list"), [](QDialog &users) { EXPECT_EQ(cell_text(test::grid(users), 0, 2), "Adams"); });
    window.run_command(QStringLiteral("users"));
    EXPECT_EQ(text("lbl_calendar_name"), QStringLiteral("No calendar loaded"));
    // Enter on a row of the list opens that year.
    user.on_window(QStringLiteral("calendar_list"), [](QDialog &list) {
        QTest::keyClick(select_calendar_row(list, QStringLiteral("Alpha"), QStringLiteral("2024")), Qt::Key_Return);
        EXPECT_FALSE(list.isVisible());
    });
    window.run_command(QStringLiteral("open_calendar_list"));
    EXPECT_EQ(text("lbl_calendar_name"), QStringLiteral("Alpha / 2024"));
    EXPECT_EQ(calendar()->selectedDate(), QDate(2024, 2, 29));
    // 29 February opened into a year without one becomes the 28th; a
    // restricted calendar of another user first asks who is there.
    calendar()->setSelectedDate(QDate(2024, 2, 29));
    store_system_password(*app_state().database, QStringLiteral("Admin99"));
    user.on_window(QStringLiteral("calendar_list"), [&](QDialog &list) {
        user.on_window(QStringLiteral("user_list"), close);
        user.answer_yes_no(true);
        answer_system_password(user, QStringLiteral("Admin99"));
        QTest::keyClick(select_calendar_row(list, QStringLiteral("zeta office"), QStringLiteral("2023")), Qt::Key_Return);
        EXPECT_FALSE(list.isVisible());
    });
    window.run_command(QStringLiteral("open_calendar_list"));
    EXPECT_EQ(calendar()->selectedDate(), QDate(2023, 2, 28));
    EXPECT_EQ(text("lbl_calendar_name"), QStringLiteral("zeta office / 2023"));
    EXPECT_TRUE(user.take_texts().contains(
        QStringLiteral("Insufficient access permission.\r\n\r\nDo you want to proceed with the system password?")));
    // Renaming the open calendar renames the caption too.
    rename_in_list(QStringLiteral("zeta office"), 2023, QStringLiteral("Zeta nights"));
    EXPECT_EQ(text("lbl_calendar_name"), QStringLiteral("Zeta nights / 2023"));
    // The shortcuts run their nodes' commands, shown beside them.
    QApplication::setActiveWindow(&window);
    const struct
    {
        QKeyCombination keys;
        const char *key;
        const char *shown;
    } shortcuts[] = {
        {QKeyCombination(Qt::Key_F5), "reload_calendar", "F5"},
        {Qt::CTRL | Qt::Key_E, "edit_calendar", "Ctrl+E"},
        {Qt::CTRL | Qt::Key_H, "change_history", "Ctrl+H"},
        {Qt::CTRL | Qt::Key_Z, "undo_my_last_change", "Ctrl+Z"},
    };
    QString ran;
    for (const auto &c : shortcuts) {
        window.set_command(QString::fromLatin1(c.key), [&ran, &c] { ran = QString::fromLatin1(c.key); });
        QTest::keyClick(&window, c.keys.key(), c.keys.keyboardModifiers());
        EXPECT_EQ(ran, QString::fromLatin1(c.key));
        EXPECT_EQ(menu_node_shortcut(node(window, c.key)), QString::fromLatin1(c.shown));
        EXPECT_TRUE(node(window, c.key)->toolTip(0).endsWith(QStringLiteral("(%1)").arg(QLatin1String(c.shown))));
    }
    // Ctrl+P opens the reports with the first selected; Enter prints it.
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("menu_tree"));
    node(window, "print_calendar")->setExpanded(false);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(menu_node_shortcut(node(window, "print_calendar")), QStringLiteral("Ctrl+P"));
    EXPECT_TRUE(node(window, "print_calendar")->isExpanded());
    EXPECT_EQ(selected_menu_key(tree), QStringLiteral("print_calendar_1_month"));
    window.set_command(QStringLiteral("print_calendar_1_month"), [&ran] { ran = QStringLiteral("printed"); });
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(ran, QStringLiteral("printed"));
}
