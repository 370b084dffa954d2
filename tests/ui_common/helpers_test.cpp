#include "scriptedinteraction.h"
#include "testdatabase.h"
#include "store/dberror.h"
#include "store/stepnumber.h"
#include "ui_common/appfolders.h"
#include "ui_common/bundledwebserver.h"
#include "ui_common/busycursor.h"
#include "ui_common/errorreport.h"
#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/inputfilter.h"
#include "ui_common/keyboard.h"
#include "ui_common/menutree.h"
#include "ui_common/webpages.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTableWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// Clicks the node as the user does.
void click(QTreeWidget &tree, const QString &key)
{
    QTreeWidgetItem *item = find_menu_node(&tree, key);
    ASSERT_NE(item, nullptr) << key.toStdString();
    tree.scrollToItem(item);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
}

} // namespace

// The real message box and the program's own windows, opened in busy work.
TEST(Interaction, WindowsWaitingForTheUserShowTheNormalPointerAndMessagesArePlainText)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    {
        const BusyCursor busy;
        bool lifted = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Corvantelle"));
            EXPECT_EQ(box->text(), QStringLiteral("Error:\r\nNumber: 513\r\nDescription: DB record out of <b>date</b>.\r\n"
                                                  "Source: save_calendar\r\nLocation: 4"));
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            lifted = QGuiApplication::overrideCursor() == nullptr;
            box->accept();
        });
        set_step_number(4);
        report_error(DbError(513, QStringLiteral("DB record out of <b>date</b>."), QStringLiteral("save_calendar")));
        EXPECT_TRUE(lifted);
        QDialog dialog;
        lifted = false;
        QTimer::singleShot(0, &dialog, [&] {
            lifted = QGuiApplication::overrideCursor() == nullptr;
            dialog.accept();
        });
        EXPECT_EQ(interaction().show_modal(dialog), QDialog::Accepted);
        EXPECT_TRUE(lifted);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(InputFilter, RemovesTheFirstForbiddenCharacterAndExplains)
{
    // Each mode with what the user types, what the box keeps, and the first
    // of the messages (one for each forbidden character).
    struct Case { InputFilter mode; const char *typed, *kept; std::size_t messages; const char *title, *text; };
    const Case cases[] = {
        {InputFilter::Restricted, "a-b", "ab", 1, "Restricted characters",
         "Chacacters ' ! ? # * % | ; : - [ ] and \" cannot be used for field input."},
        {InputFilter::NumbersOnly, "12.5x", "12.5", 1, "Data input", "Input must be a value"},
        {InputFilter::LettersDigitsOnly, "Ab9_z{", "Ab9z", 2, "Data input",
         "Input must be\r\n''A to Z'' or ''a'' to ''z''\r\nand / or 0 to 9"},
    };
    for (const Case &c : cases) {
        QLineEdit box;
        watch_input(&box, c.mode);
        ScriptedInteraction user;
        QTest::keyClicks(&box, c.typed);
        EXPECT_EQ(box.text(), c.kept);
        ASSERT_EQ(user.shown().size(), c.messages) << c.typed;
        EXPECT_EQ(user.shown()[0].title, c.title);
        EXPECT_EQ(user.shown()[0].text, c.text);
    }
    QLineEdit name;
    watch_input(&name, InputFilter::Restricted);
    ScriptedInteraction user;
    // A paste with two forbidden characters: each pass removes one.
    name.insert(QStringLiteral("x'y;z"));
    EXPECT_EQ(name.text(), QStringLiteral("xyz"));
    EXPECT_EQ(name.cursorPosition(), 1);
    // Stored text is not the user's typing: only what is typed is removed.
    set_unfiltered_text(&name, QStringLiteral("New Year's Day"));
    name.setCursorPosition(3);
    QTest::keyClicks(&name, QStringLiteral("!s"));
    EXPECT_EQ(name.text(), QStringLiteral("News Year's Day"));
    EXPECT_EQ(user.shown().size(), 3u);
}

TEST(Geometry, ConvertsColoursAndTwipsAndPlacesAWindowOverTheMainWindowInsideTheWorkArea)
{
    EXPECT_EQ(QList<QColor>({colour_from_number(255), colour_from_number(16711680), colour_from_number(12710099)}),
              QList<QColor>({QColor(255, 0, 0), QColor(0, 0, 255), QColor(211, 240, 193)}));
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    EXPECT_EQ(twips_to_pixels(1440), qRound(dpi));
    EXPECT_EQ(pixels_to_twips(qRound(dpi)), 1440);
    const QRect area = work_area();
    QWidget main, child;
    main.resize(400, 300);
    child.resize(200, 100);
    // Pulled back in where the main window hangs off the bottom right or the
    // top left, else centred over it.
    const QPoint cases[][2] = {
        {area.bottomRight() - QPoint(100, 50), area.bottomRight() - QPoint(199, 99)},
        {area.topLeft() - QPoint(500, 400), area.topLeft()},
        {area.topLeft() + QPoint(100, 100), area.topLeft() + QPoint(200, 200)},
    };
    for (const auto &[main_at, child_at] : cases) {
        main.move(main_at);
        place_over_main_window(&child, &main);
        EXPECT_EQ(child.pos(), child_at);
    }
    // Taller than the work area: as tall as the area, unless its minimum is
    // taller still; kept in the area where it fits.
    for (const int minimum : {100, area.height() + 50}) {
        child.setMinimumHeight(minimum);
        child.resize(200, area.height() + 300);
        place_over_main_window(&child, &main);
        EXPECT_EQ(child.height(), std::max(minimum, area.height())) << minimum;
        EXPECT_EQ(child.y(), area.top()) << minimum;
    }
}

TEST(GridHelpers, SelectionSkipsEmptyRows)
{
    QTableWidget grid(6, 3);
    EXPECT_FALSE(grid_has_data(&grid));
    highlight_grid_row(&grid, Qt::darkBlue);  // no data: nothing selected or painted
    EXPECT_EQ(grid.item(0, 0), nullptr);
    for (int row : {1, 2})
        set_row_data(&grid, row, 100 + row);
    EXPECT_TRUE(grid_has_data(&grid));
    grid.setCurrentCell(5, 0);
    highlight_grid_row(&grid, Qt::darkBlue);
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.item(2, 1)->background().color(), QColor(Qt::darkBlue));
    grid.setCurrentCell(0, 0);
    highlight_grid_row(&grid, Qt::darkBlue);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.item(1, 2)->background().color(), QColor(Qt::darkBlue));
    EXPECT_EQ(grid.item(2, 1)->background().style(), Qt::NoBrush);
}

TEST(Keyboard, TabDirectionIsKnownWhileTheFocusMovesF1OpensHelpAndEscapeCloses)
{
    std::vector<short> seen;
    QDialog window;
    auto *first = new QLineEdit;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(new QLineEdit);
    install_window_keys(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    QObject::connect(qApp, &QApplication::focusChanged, &window, [&] { seen.push_back(get_tab_direction()); });
    QTest::keyClick(first, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(seen, (std::vector<short>{1, 2}));
    EXPECT_EQ(get_tab_direction(), 0);
    ScriptedInteraction user;
    QTest::keyClick(first, Qt::Key_F1);
    window.setObjectName(QStringLiteral("user_record"));
    QTest::keyClick(first, Qt::Key_F1);
    ASSERT_EQ(user.opened_urls().size(), 2u);
    EXPECT_EQ(user.opened_urls()[0].path(), QStringLiteral("/help/qzhelp.htm"));
    EXPECT_FALSE(user.opened_urls()[0].hasFragment());
    EXPECT_EQ(user.opened_urls()[1].fragment(), QStringLiteral("users"));
    set_help_language(QStringLiteral("de"));
    QTest::keyClick(first, Qt::Key_F1);
    set_help_language(QString());
    ASSERT_EQ(user.opened_urls().size(), 3u);
    EXPECT_EQ(user.opened_urls()[2].path(), QStringLiteral("/help/de/qzhelp.htm"));
    EXPECT_EQ(user.opened_urls()[2].fragment(), QStringLiteral("users"));
    // Every window's own section, which the shipped page of every language has.
    const QString pages = QStringLiteral(DAYVANE_HELP_PAGE).chopped(QStringLiteral("/help/qzhelp.htm").size());
    QByteArray html[4];
    const char *const languages[4] = {"en", "de", "fr", "es"};
    for (int language = 0; language < 4; ++language) {
        QFile page(pages + help_page_path(QString::fromLatin1(languages[language])));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
        html[language] = page.readAll();
    }
    const std::pair<const char *, const char *> sections[] = {
        {"calendar", "calendar"}, {"calendar_list", "calendar_list"}, {"calendar_edit", "calendar_edit"},
        {"date_selector", "date_selector"}, {"holiday_listing", "holiday_listing"},
        {"change_history", "change_history"}, {"about", "about"}, {"user_list", "users"},
        {"change_password", "users"}, {"user_password_input", "users"}, {"system_password", "users"},
        {"database_server", "database"}, {"unnamed", ""},
    };
    for (const auto &[window_name, section] : sections) {
        EXPECT_EQ(help_section(QString::fromLatin1(window_name)), QString::fromLatin1(section)) << window_name;
        if (*section) {
            for (int language = 0; language < 4; ++language)
                EXPECT_TRUE(html[language].contains(QByteArray("id=\"") + section + '"')) << section << languages[language];
        }
    }
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST(MenuTree, HeadingsToggleAndCommandsRunOnEveryClickOrEnterAndAFlatListRunsEveryNode)
{
    const std::vector<MenuNode> nodes{{"close", "Close", {}, false, kCloseNodeColour}, {"group", "Group", {}, true},
                                      {"run", "Run", "group"}, {"other", "Other", "group"}};
    QTreeWidget tree;
    build_menu(&tree, nodes);
    QStringList ran;
    connect_menu(&tree, MenuStyle::Headings, [&] { ran << selected_menu_key(&tree); });
    QTreeWidgetItem *group = find_menu_node(&tree, QStringLiteral("group"));
    group->setExpanded(true);
    tree.resize(300, 300);
    tree.show();
    EXPECT_EQ(std::tuple(tree.topLevelItemCount(), group->childCount(), group->font(0).bold()), std::tuple(2, 2, true));
    EXPECT_EQ(find_menu_node(&tree, QStringLiteral("close"))->foreground(0).color(), QColor(0, 0, 255));
    // A screen reader says after each node's text what it is.
    QStringList spoken;
    QAccessibleInterface *items = QAccessible::queryAccessibleInterface(&tree);
    for (int i = 0; i < items->childCount(); ++i)
        spoken << items->child(i)->text(QAccessible::Name) + u'=' + items->child(i)->text(QAccessible::Description);
    EXPECT_EQ(spoken, QStringList({"1=", "Close=Command", "Group=Heading", "Run=Command", "Other=Command"}));  // after the header
    // Enter with nothing selected runs nothing; a click on a heading toggles it.
    QTest::keyClick(&tree, Qt::Key_Return);
    click(tree, QStringLiteral("group"));
    EXPECT_FALSE(group->isExpanded());
    click(tree, QStringLiteral("group"));
    EXPECT_TRUE(group->isExpanded());
    EXPECT_TRUE(ran.isEmpty());
    click(tree, QStringLiteral("run"));
    click(tree, QStringLiteral("run"));
    // Enter on a heading hands its key on; no command carries it.
    tree.setCurrentItem(group);
    QTest::keyClick(&tree, Qt::Key_Return);
    EXPECT_EQ(ran, QStringList({QStringLiteral("run"), QStringLiteral("run"), QStringLiteral("group")}));
    // The dialog windows' flat list, in their colour: a click on a heading runs it too.
    ran.clear();
    const std::unique_ptr<QTreeWidget> flat(
        make_menu_tree(nodes, MenuStyle::Flat, [&] { ran << selected_menu_key(flat.get()); }));
    flat->resize(300, 200);
    flat->show();
    EXPECT_EQ(flat->palette().color(QPalette::Base), QColor(211, 240, 193));
    EXPECT_EQ(find_menu_node(flat.get(), QStringLiteral("other"))->background(0).color(), QColor(211, 240, 193));
    click(*flat, QStringLiteral("group"));
    click(*flat, QStringLiteral("close"));
    EXPECT_EQ(ran, QStringList({QStringLiteral("group"), QStringLiteral("close")}));
}

TEST(WebPages, UseTheConfiguredHostAndTellWhenTheyFail)
{
    qputenv("DAYVANE_WEB_HOST", "127.0.0.1:8099");
    EXPECT_EQ(web_page_url(WebPage::Contact).toString(), QStringLiteral("http://127.0.0.1:8099/cs/contact.htm"));
    EXPECT_EQ(web_page_url(WebPage::Home).toString(), QStringLiteral("http://127.0.0.1:8099/"));
    ScriptedInteraction user;
    user.set_open_url_result(false);
    EXPECT_FALSE(open_web_page(nullptr, WebPage::Home));
    EXPECT_FALSE(open_web_page(nullptr, WebPage::News));
    EXPECT_EQ(user.take_texts(), QStringList({QStringLiteral("Unable to connect to Corvantelle On-line help."),
                                              QStringLiteral("Unable to connect to Corvantelle website.")}));
    // A server that answers while no browser starts: the browser is named,
    // with the page's address.
    QTcpServer answering;
    ASSERT_TRUE(answering.listen(QHostAddress::LocalHost));
    qputenv("DAYVANE_WEB_HOST", QByteArray("127.0.0.1:") + QByteArray::number(answering.serverPort()));
    EXPECT_FALSE(open_web_page(nullptr, WebPage::Help));
    EXPECT_EQ(user.take_texts(), QStringList(QStringLiteral("No web browser could be started to show the page.\r\n"
                                                            "Its address is http://127.0.0.1:%1/help/qzhelp.htm")
                                                 .arg(answering.serverPort())));
    // Without DAYVANE_WEB_HOST: the administrator's system setting, then the
    // server installed beside the program, which this test program has not.
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("dayvane.conf"));
    qputenv("DAYVANE_SYSTEM_SETTINGS", settings.toUtf8());
    qunsetenv("DAYVANE_WEB_HOST");
    const std::pair<const char *, const char *> cases[] = {
        {nullptr, "www.corvantelle.com"},  // no file
        {"web_hostname=x\n#web_host=commented.example\n", "www.corvantelle.com"},
        {"# set by IT\n web_host = intranet.example:8080 \nweb_host=second.example\n", "intranet.example:8080"},
    };
    for (const auto &[text, expected] : cases) {
        QFile::remove(settings);
        if (text)
            write_file(settings, text);
        EXPECT_EQ(web_host(), QLatin1String(expected)) << (text ? text : "no file");
    }
    qputenv("DAYVANE_WEB_HOST", "127.0.0.1:8099");
    EXPECT_EQ(web_host(), QStringLiteral("127.0.0.1:8099"));
    qunsetenv("DAYVANE_SYSTEM_SETTINGS");
    qunsetenv("DAYVANE_WEB_HOST");
    // Installed, the program finds the server in libexec; built, in the tree.
    EXPECT_EQ(bundled_web_server_candidates(QStringLiteral("/usr/bin")).value(0),
              QStringLiteral("/usr/libexec/dayvane/dayvane-web"));
}

TEST(AppFolders, OwnFilesGoWhereTheyCanBeWritten)
{
    QTemporaryDir dir;
    const auto path = [&](const char *name) { return dir.filePath(QLatin1String(name)); };
    const QString program = path("program"), config = path("config/dayvane");
    ASSERT_TRUE(QDir().mkpath(program));
    EXPECT_EQ(choose_settings_folder(QStringLiteral(" /portable "), program, config), QStringLiteral("/portable"));
    EXPECT_EQ(choose_settings_folder(QString(), program, config), program);
    EXPECT_FALSE(QDir(config).exists());
    // A program folder that cannot be written (here: one that is not there)
    // leaves the files to the user's configuration folder, made on demand.
    EXPECT_EQ(choose_settings_folder(QString(), path("gone"), config), config);
    EXPECT_TRUE(QDir(config).exists());
    // An installed program's folder is everyone's, even for the one user who
    // may write there.
    ASSERT_TRUE(QDir().mkpath(path("usr/bin")) && QDir().mkpath(path("usr/share/dayvane")));
    EXPECT_TRUE(is_installed_program_folder(path("usr/bin")));
    EXPECT_FALSE(is_installed_program_folder(program));
    EXPECT_EQ(choose_settings_folder(QString(), path("usr/bin"), config), config);
    // Shipped files are looked for in DAYVANE_HOME first.
    qputenv("DAYVANE_HOME", dir.path().toUtf8());
    const QString shipped = path("Calendar.rpt");
    EXPECT_EQ(shipped_file_candidates(QStringLiteral("Calendar.rpt")).constFirst(), shipped);
    EXPECT_NE(find_shipped_file(QStringLiteral("Calendar.rpt")), shipped);
    ASSERT_TRUE(QFile(shipped).open(QIODevice::WriteOnly));
    EXPECT_EQ(find_shipped_file(QStringLiteral("Calendar.rpt")), shipped);
    qunsetenv("DAYVANE_HOME");
}
