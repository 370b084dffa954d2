// The holiday list window driven as by the user, against the real dayvane-web, applied to "zeta office" 2024.

#include "holidays/holidaylistingwindow.h"
#include "holidays/holidaytree.h"
#include "scriptedinteraction.h"
#include "store/history.h"
#include "ui_common/appstate.h"
#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/mainwindowlink.h"
#include "ui_common/menutree.h"
#include "webserverprocess.h"
#include "windowdriver.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// Testland 2024 starts with a date that does not exist and holds dates outside the year or without a day record in
// the sample (which has only Jan 1, 2, 7, 8, 9 and 10), two holidays on New Year's Day, and an accented name.
// Big<i>land</i> has more holidays than the grid's 24 rows and markup in its name, shown as it is. The tree leaves
// out a repeated country, a year of no country and a repeated year; German and US lists come nationwide (one with
// its local name) and by region ("Germany — Bavaria"), mixed and out of order.
QByteArray test_payload()
{
    QByteArray payload = "C=1^Testland|Y=1^12024^2024|Y=1^12025^2025|C=1^again|Y=9^92024^2024|Y=1^12024^2024|"
                         "H=1^12024^2/30/2024^Not a date|H=1^12024^1/1/2024^New Year's Day|"
                         "H=1^12024^1/1/2024^Neujahr|H=1^12024^1/2/2024^Second day|"
                         "H=1^12024^12/31/2023^Old year's eve|H=1^12024^1/7/2024^Sunday rest|"
                         "H=1^12024^1/8/2024^Work day eight|H=1^12024^3/15/2024^Ides of March|"
                         "H=1^12024^1/9/2024^F\xc3\xaate du Travail|H=1^12024^1/10/2024^Day ten|"
                         "H=1^12025^1/1/2025^New Year 2025|"
                         "C=2^Big<i>land</i>|Y=2^22024^2024|";
    for (int day = 1; day <= 30; ++day)
        payload += "H=2^22024^4/" + QByteArray::number(day) + "/2024^Big day " + QByteArray::number(day) + "|";
    return payload + "C=3^Germany \xe2\x80\x94 Berlin|Y=3^32024^2024|H=3^32024^3/8/2024^Frauentag|"
                     "C=4^United States \xe2\x80\x94 California|Y=4^42024^2024|H=4^42024^3/31/2024^Cesar Chavez Day|"
                     "C=5^Germany (Deutschland)|Y=5^52024^2024|H=5^52024^1/1/2024^Neujahr|"
                     "C=6^Germany \xe2\x80\x94 Bavaria|Y=6^62024^2024|H=6^62024^1/1/2024^Neujahr|"
                     "H=6^62024^1/6/2024^Heilige Drei Koenige|"
                     "C=7^United States|Y=7^72024^2024|H=7^72024^7/4/2024^Independence Day|";
}

// The main window as far as the holiday window sees it.
struct RecordingLink : MainWindowLink
{
    bool show_calendar_year(QDate) override { return true; }
    void reload_and_redraw() override { ++reloads; }
    void clear_calendar_data(int) override {}
    QDate selected_date() const override { return QDate(2024, 1, 8); }
    void refresh_calendar_caption() override {}
    int reloads = 0;
};

QString selection(QDialog &window) { return window.findChild<QLabel *>(QStringLiteral("lbl_selection"))->text(); }

// "key=text" of every node of a menu tree in order, a child's key after its parent's ("C1/Y12024=2024").
QStringList menu_nodes(QTreeWidget *menu)
{
    QStringList nodes;
    for (QTreeWidgetItemIterator it(menu); *it; ++it) {
        const QTreeWidgetItem *node = *it;
        const QString parent = node->parent() ? node->parent()->data(0, Qt::UserRole).toString() + u'/' : QString();
        nodes << parent + node->data(0, Qt::UserRole).toString() + u'=' + node->text(0);
    }
    return nodes;
}

// The text of every top-level node the tree shows.
QStringList shown_lists(QTreeWidget *menu)
{
    QStringList shown;
    for (int i = 0; i < menu->topLevelItemCount(); ++i) {
        if (!menu->topLevelItem(i)->isHidden())
            shown << menu->topLevelItem(i)->text(0);
    }
    return shown;
}

int row_of(QDialog &window, const QString &name)
{
    for (int row = 0; row < grid(window)->rowCount(); ++row) {
        if (cell_text(grid(window), row, 4) == name)
            return row;
    }
    ADD_FAILURE() << "no row " << name.toStdString();
    return -1;
}

// "name=treatment" of every marked row, in grid order, checking on the way that each holiday's pictures show its
// treatment ("yes" in that column, "no" in the others), empty rows have none, and the totals count each treatment.
QStringList marks(QDialog &window)
{
    QTableWidget *table = grid(window);
    QStringList result;
    int counts[3] = {};
    for (int row = 0; row < table->rowCount(); ++row) {
        const int treatment = cell_text(table, row, 5).toInt();
        QStringList pictures, expected;
        for (int column = 0; column < 3; ++column) {
            const QTableWidgetItem *item = table->item(row, column);
            pictures << (item ? item->data(Qt::UserRole).toString() : QString());
            expected << (row_data(table, row) == 0 ? QString() : treatment == column + 1 ? "yes" : "no");
        }
        EXPECT_EQ(pictures, expected) << "row " << row;
        if (treatment != 0) {
            result << cell_text(table, row, 4) + u'=' + QString::number(treatment);
            ++counts[treatment - 1];
        }
    }
    for (QLabel *label : window.findChildren<QLabel *>(QStringLiteral("totals")))
        EXPECT_EQ(label->text(), QString::number(counts[label->property("index").toInt()]));
    return result;
}

void click(QDialog &window, int row, int column)
{
    QTableWidget *table = grid(window);
    const QModelIndex index = table->model()->index(row, column);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
}

void click(QDialog &window, const QString &name, int column)
{
    click(window, row_of(window, name), column);
}

void press(QDialog &window, const QString &name, Qt::Key key)
{
    grid(window)->setCurrentCell(row_of(window, name), 3);
    QTest::keyClick(grid(window), key);
}

class HolidayListing : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<QTemporaryDir>();
        const QString file = s_folder->filePath(QStringLiteral("holidays.txt"));
        write_file(file, test_payload());
        s_server = std::make_unique<WebServerProcess>(QStringList{QStringLiteral("--holiday-file"), file});
    }

    static void TearDownTestSuite()
    {
        s_server.reset();
        s_folder.reset();
    }

    HolidayListing()
    {
        qputenv("DAYVANE_WEB_HOST", s_server->host().toLatin1());
        status->setObjectName(QStringLiteral("status"));
        (new QVBoxLayout(&main))->addWidget(status);
        AppState &state = app_state();
        state.main_window = &main;
        state.main_link = &link;
        state.calendar_id = qint32(connected.sample.zeta);
        state.calendar_loaded = true;
        state.calendar_revision = qint32(revision());
        state.current_user_id = qint32(connected.sample.ann);  // the owner
    }

    ~HolidayListing() override { qunsetenv("DAYVANE_WEB_HOST"); }
    // Opens the window (on Testland 2024 unless `year_node` is empty) for `drive`, the main status back by then.
    void with_window(const std::function<void(QDialog &)> &drive, const QString &year_node = QStringLiteral("Y12024"))
    {
        user.on_window(QStringLiteral("holiday_listing"), [&](QDialog &window) {
            EXPECT_EQ(status->text(), QStringLiteral("Ready"));
            if (!year_node.isEmpty())
                run_node(window, year_node);
            drive(window);
        });
        open_holiday_listing(nullptr);
    }

    qint64 revision()
    {
        return scalar(*app_state().database, QStringLiteral("SELECT revision FROM calendars WHERE id = %1").arg(connected.sample.zeta));
    }
    // "segments|minutes1|minutes2|start|stop|comment" of a day of zeta office.
    QString day(const char *iso_date)
    {
        Statement stmt = app_state().database->prepare(
            QStringLiteral("SELECT ifnull(TimeSegments, '') || '|' || minutes1 || '|' || minutes2 || '|' || DayStart || '|'"
                           " || DayStop || '|' || ifnull(\"Date comment\", '') FROM days WHERE NameLink = %1 AND DateVal = '%2'")
                .arg(connected.sample.zeta)
                .arg(QLatin1StringView(iso_date)));
        return stmt.step() ? stmt.column(0).toString() : QStringLiteral("(none)");
    }

    inline static std::unique_ptr<QTemporaryDir> s_folder;
    inline static std::unique_ptr<WebServerProcess> s_server;

    ConnectedDatabase connected;
    ScriptedInteraction user;
    QWidget main;
    QLabel *status = new QLabel(QStringLiteral("Ready"));
    RecordingLink link;
};

} // namespace

// One session of looking and marking, which applies nothing. A hundred lists and more: the box above the tree keeps
// the lists whose name holds the typed text, and the keyboard goes from it into the tree, on to a year's holidays,
// and back. Escape empties the box before it closes the window; nothing found is an empty tree, no message.
TEST_F(HolidayListing, ListsTheYearsHolidaysFindsListsByNameAndMarksThemWithClicksAndKeys)
{
    const qint64 old_revision = revision();
    // Under a dark theme, as under a light one, every node reads on its tree.
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    QApplication::setPalette(dark);
    with_window([&](QDialog &window) {
        QTreeWidget *menu = window.findChild<QTreeWidget *>(QStringLiteral("menu_tree"));
        for (const QPalette &theme : {dark, light}) {
            QApplication::setPalette(theme);
            for (const ColourPair &pair : colour_pairs(window))
                EXPECT_GE(contrast_ratio(pair.text, pair.background), 4.5) << pair.where.toStdString();
        }
        // A country's lists together where its first came: the nationwide one, its years, then its regions by name.
        EXPECT_EQ(menu_nodes(menu),
                  QStringList({"close=Close window", "apply=Apply selection", "ics_file=Open iCalendar file", "C1=Testland", "C1/Y12024=2024", "C1/Y12025=2025",
                               "C2=Big<i>land</i>", "C2/Y22024=2024", "C5=Germany (Deutschland)", "C5/Y52024=2024",
                               "C5/C6=Bavaria", "C6/Y62024=2024", "C5/C3=Berlin", "C3/Y32024=2024",
                               "C7=United States", "C7/Y72024=2024", "C7/C4=California", "C4/Y42024=2024"}));
        EXPECT_TRUE(find_menu_node(menu, QStringLiteral("C1"))->font(0).bold());
        QTextDocument tip;  // a node's tooltip as it reads
        for (const auto &[key, text] : {std::pair{"C4", "United States \u2014 California"}, {"C2", "Big<i>land</i>"}}) {
            tip.setHtml(find_menu_node(menu, QLatin1String(key))->toolTip(0));
            EXPECT_EQ(tip.toPlainText(), QString::fromUtf8(text));
        }
        QTableWidget *table = grid(window);
        EXPECT_EQ(std::tuple(table->rowCount(), grid_has_data(table)), std::tuple(24, false));
        auto *filter = window.findChild<QLineEdit *>(QStringLiteral("txt_filter"));
        ASSERT_NE(filter, nullptr);
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(filter->hasFocus());
        // Wider than it was for the longest name, the window at least as wide as designed.
        EXPECT_GT(menu->width(), twips_to_pixels(2200));
        EXPECT_GE(window.width(), design_pixels(7650));
        const QStringList commands = {"Close window", "Apply selection", "Open iCalendar file"};
        const QStringList all = shown_lists(menu);
        ASSERT_EQ(all.size(), 7);
        const QStringList picture_heads = {"N", "P", "C"};
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(table->horizontalHeaderItem(column)->text(), picture_heads[column]);
            EXPECT_FALSE(table->horizontalHeaderItem(column)->toolTip().contains(u'<')) << column;
        }
        EXPECT_EQ(table->horizontalHeaderItem(1)->toolTip(), QStringLiteral("Change all work periods to Paid periods"));
        QTest::keyClicks(filter, QStringLiteral("bav"));
        EXPECT_EQ(shown_lists(menu), commands + QStringList{"Germany (Deutschland)"});
        EXPECT_TRUE(find_menu_node(menu, QStringLiteral("C3"))->isHidden());
        QTest::keyClick(filter, Qt::Key_Return);
        EXPECT_TRUE(menu->hasFocus());
        EXPECT_EQ(selected_menu_key(menu), QStringLiteral("C6"));
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        EXPECT_EQ(selection(window), QStringLiteral("Germany \u2014 Bavaria / 2024"));
        EXPECT_EQ(std::tuple(cell_text(table, 0, 4), cell_text(table, 1, 4), row_data(table, 2)),
                  std::tuple(QStringLiteral("Neujahr"), QStringLiteral("Heilige Drei Koenige"), 0));
        // Ctrl+F from anywhere selects the text, so typing replaces it.
        QTest::keyClick(table, Qt::Key_F, Qt::ControlModifier);
        EXPECT_TRUE(filter->hasFocus());
        QTest::keyClicks(filter, QStringLiteral("GERM"));
        EXPECT_EQ(shown_lists(menu), commands + QStringList({"Germany (Deutschland)"}));
        EXPECT_FALSE(find_menu_node(menu, QStringLiteral("C3"))->isHidden());
        QTest::keyClick(filter, Qt::Key_Down);
        ASSERT_EQ(selected_menu_key(menu), QStringLiteral("C5"));
        QTest::keyClick(menu, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(filter, QStringLiteral("testl"));
        QTest::keyClick(filter, Qt::Key_Down);
        ASSERT_EQ(selected_menu_key(menu), QStringLiteral("C1"));
        EXPECT_FALSE(menu->currentItem()->isExpanded());
        QTest::keyClick(menu, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(filter, QStringLiteral("zz"));
        EXPECT_EQ(shown_lists(menu), commands);
        EXPECT_TRUE(selected_menu_key(menu).isEmpty());  // the hidden list no longer
        QTest::keyClick(filter, Qt::Key_Tab);
        EXPECT_TRUE(menu->hasFocus());
        QTest::keyClick(menu, Qt::Key_Backtab);
        EXPECT_TRUE(filter->hasFocus());
        QTest::keyClick(filter, Qt::Key_Escape);
        EXPECT_TRUE(filter->text().isEmpty());
        EXPECT_EQ(shown_lists(menu), all);
        EXPECT_TRUE(window.isVisible());
        run_node(window, QStringLiteral("Y22024"));
        EXPECT_EQ(selection(window), QStringLiteral("Big<i>land</i> / 2024"));
        EXPECT_EQ(std::tuple(table->rowCount(), cell_text(table, 29, 4)), std::tuple(30, QStringLiteral("Big day 30")));
        run_node(window, QStringLiteral("Y12024"));
        EXPECT_EQ(selection(window), QStringLiteral("Testland / 2024"));
        EXPECT_EQ(table->rowCount(), 24);
        EXPECT_EQ(cell_text(table, 0, 3), QStringLiteral("2/30/2024"));  // not a date: shown as sent
        EXPECT_EQ(cell_text(table, 1, 3), QStringLiteral("Jan-01"));
        EXPECT_EQ(cell_text(table, 1, 4), QStringLiteral("New Year's Day"));
        EXPECT_EQ(cell_text(table, 4, 3), QStringLiteral("Dec-31"));
        EXPECT_EQ(cell_text(table, 8, 4), QString::fromUtf8("F\u00eate du Travail"));
        for (int row = 0; row < 24; ++row)
            EXPECT_EQ(row_data(table, row) != 0, row < 10) << row;
        EXPECT_EQ(table->currentRow(), 0);
        EXPECT_TRUE(marks(window).isEmpty());
        // The empty rows, and the date and name columns, do not mark.
        for (int row : {10, 15, 23})
            for (int column = 0; column < 3; ++column)
                click(window, row, column);
        EXPECT_TRUE(marks(window).isEmpty());
        run_node(window, QStringLiteral("apply"));
        const QString second = QStringLiteral("Second day");
        click(window, second, 0);
        EXPECT_EQ(marks(window), QStringList({"Second day=1"}));
        click(window, second, 0);
        EXPECT_TRUE(marks(window).isEmpty());
        for (int column = 1; column < 5; ++column)
            click(window, second, column);
        EXPECT_EQ(marks(window), QStringList({"Second day=3"}));
        press(window, QStringLiteral("Day ten"), Qt::Key_N);
        press(window, QStringLiteral("Sunday rest"), Qt::Key_P);
        press(window, QStringLiteral("Work day eight"), Qt::Key_C);
        EXPECT_EQ(marks(window), QStringList({"Second day=3", "Sunday rest=2", "Work day eight=3", "Day ten=1"}));
        EXPECT_EQ(table->currentColumn(), 2);
        press(window, QStringLiteral("Work day eight"), Qt::Key_C);
        EXPECT_EQ(marks(window), QStringList({"Second day=3", "Sunday rest=2", "Day ten=1"}));
        // A second holiday on a marked date asks before it replaces the first.
        click(window, QStringLiteral("New Year's Day"), 0);
        user.answer_yes_no(false);
        click(window, QStringLiteral("Neujahr"), 1);
        EXPECT_EQ(marks(window), QStringList({"New Year's Day=1", "Second day=3", "Sunday rest=2", "Day ten=1"}));
        user.answer_yes_no(true);
        click(window, QStringLiteral("Neujahr"), 1);
        EXPECT_EQ(marks(window), QStringList({"Neujahr=2", "Second day=3", "Sunday rest=2", "Day ten=1"}));
        // Another year clears the marks, once the user agrees.
        user.answer_yes_no(false);
        run_node(window, QStringLiteral("Y12025"));
        EXPECT_EQ(selection(window), QStringLiteral("Testland / 2024"));
        EXPECT_EQ(marks(window).size(), 4);
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("Y12025"));
        EXPECT_EQ(selection(window), QStringLiteral("Testland / 2025"));
        EXPECT_EQ(cell_text(table, 0, 4), QStringLiteral("New Year 2025"));
        EXPECT_TRUE(marks(window).isEmpty());
        // The list of a year other than the calendar's is not applied.
        click(window, QStringLiteral("New Year 2025"), 2);
        run_node(window, QStringLiteral("apply"));
        EXPECT_TRUE(window.isVisible());
        QTest::keyClick(filter, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
    }, QString());
    const QString replace = QStringLiteral("Jan-01\r\nNeujahr\r\n has already been selected.\r\n\r\n"
                                           "Do you want to replace this selection?");
    ASSERT_EQ(user.shown().size(), 6u);
    for (int i : {1, 2})
        EXPECT_EQ(std::tuple(user.shown()[i].question, user.shown()[i].title, user.shown()[i].icon),
                  std::tuple(true, QStringLiteral("Corvantelle"), MessageIcon::Question)) << i;
    EXPECT_EQ(user.take_texts(),
              QStringList({"There are no holidays selected.", replace, replace, "Clear the current selection?",
                           "Clear the current selection?",
                           "The year for the selected holiday list does not match the year of the current calendar."}));
    EXPECT_EQ(std::tuple(revision(), link.reloads), std::tuple(old_revision, 0));
    // A failed fetch, or a list whose first country has no id, leaves only the commands. An organisation's own
    // iCalendar file still lists its events of the calendar's year, to be marked and applied as a server's list; a
    // broken file is named with what is wrong and lists nothing.
    const QStringList only_commands = {"close=Close window", "apply=Apply selection", "ics_file=Open iCalendar file"};
    // Each file is written and answered, in turn, to "Open iCalendar file".
    const auto answer_file = [&](const char *name, const QByteArray &text) {
        write_file(s_folder->filePath(QLatin1String(name)), text);
        user.answer_file(s_folder->filePath(QLatin1String(name)));
    };
    const auto calendar = [](const QByteArray &body) {
        return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Works//EN\r\n" + body + "END:VCALENDAR\r\n";
    };
    const auto event = [](const char *lines) {
        return QByteArray("BEGIN:VEVENT\r\nUID:") + QByteArray::number(qHash(QByteArray(lines)))
               + "\r\nDTSTAMP:20231201T000000Z\r\n" + lines + "END:VEVENT\r\n";
    };
    answer_file("broken.ics", "BEGIN:VEVENT\r\nSUMMARY:x\r\nEND:VEVENT\r\n");
    answer_file("endless.ics", calendar(event("DTSTART:20240101T000000Z\r\nRRULE:FREQ=SECONDLY\r\nSUMMARY:Every second\r\n")));
    // Large enough that reading it outlasts the first turns of the event loop; read twice.
    QByteArray many;
    for (int i = 0; i < 20000; ++i)
        many += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) + "\r\nDTSTART;VALUE=DATE:2024"
                + QDate(2024, 1, 1).addDays(i % 366).toString(QStringLiteral("MMdd")).toLatin1() + "\r\nSUMMARY:Day "
                + QByteArray::number(i) + "\r\nEND:VEVENT\r\n";
    answer_file("large.ics", calendar(many));
    answer_file("large.ics", calendar(many));
    // Yearly stocktaking on 9 January, three days closed, a night shift (its start date only), another year's day.
    answer_file("closing.ics", calendar("X-WR-CALNAME:Works closing days\r\n"
                                        + event("DTSTART;VALUE=DATE:20200109\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Stocktaking\r\n")
                                        + event("DTSTART;VALUE=DATE:20240101\r\nDTEND;VALUE=DATE:20240104\r\nSUMMARY:Closed\r\n")
                                        + event("DTSTART:20240107T220000Z\r\nDTEND:20240108T060000Z\r\nSUMMARY:Night shift\r\n")
                                        + event("DTSTART;VALUE=DATE:20250102\r\nSUMMARY:Next year\r\n")));
    qputenv("DAYVANE_WEB_HOST", QStringLiteral("127.0.0.1:%1").arg(unused_port()).toLatin1());
    with_window([&](QDialog &window) {
        auto *menu = window.findChild<QTreeWidget *>(QStringLiteral("menu_tree"));
        EXPECT_EQ(menu_nodes(menu), only_commands);
        EXPECT_FALSE(grid_has_data(grid(window)));
        const QStringList fetch_failed = user.take_texts();
        ASSERT_EQ(fetch_failed.size(), 2);
        EXPECT_TRUE(fetch_failed[0].startsWith(QStringLiteral("Error:\r\n")));
        EXPECT_EQ(fetch_failed[1], kHolidayFetchFailed);
        run_node(window, QStringLiteral("ics_file"));
        EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("The iCalendar file cannot be read:\r\nbroken.ics: not an "
                                                                "iCalendar object (BEGIN:VCALENDAR ... END:VCALENDAR)")});
        run_node(window, QStringLiteral("ics_file"));
        EXPECT_EQ(user.take_texts(), QStringList{QStringLiteral("The iCalendar file cannot be read:\r\nendless.ics: the "
                                                                "recurring event \"Every second\" repeats too often to expand")});
        EXPECT_EQ(menu_nodes(menu), only_commands);
        // A file is read off the window's thread: the window stays live and busy, and the Cancel beside the tree,
        // or Escape, stops the reading without a message and without closing the window.
        for (const bool escape : {false, true}) {
            bool reading_shown = false;
            QTimer::singleShot(0, &window, [&] {
                auto *cancel = window.findChild<QPushButton *>(QStringLiteral("cmd_cancel_reading"));
                reading_shown = cancel->isVisible() && !menu->isEnabled() && window.cursor().shape() == Qt::BusyCursor;
                if (escape)
                    QTest::keyClick(&window, Qt::Key_Escape);
                else
                    cancel->click();
            });
            run_node(window, QStringLiteral("ics_file"));
            EXPECT_TRUE(reading_shown) << escape;
            EXPECT_TRUE(window.isVisible() && menu->isEnabled()) << escape;
            EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
            EXPECT_TRUE(user.take_texts().isEmpty()) << escape;
            EXPECT_EQ(menu_nodes(menu), only_commands);
        }
        run_node(window, QStringLiteral("ics_file"));
        EXPECT_EQ(selection(window), QStringLiteral("Works closing days / 2024"));
        QStringList rows;
        for (int row = 0; row < grid(window)->rowCount() && row_data(grid(window), row) != 0; ++row)
            rows << cell_text(grid(window), row, 3) + u' ' + cell_text(grid(window), row, 4);
        EXPECT_EQ(rows, QStringList({"Jan-01 Closed", "Jan-02 Closed", "Jan-03 Closed", "Jan-07 Night shift",
                                     "Jan-09 Stocktaking"}));
        click(window, QStringLiteral("Stocktaking"), 2);
        run_node(window, QStringLiteral("apply"));
        EXPECT_FALSE(window.isVisible());
    }, QString());
    EXPECT_TRUE(user.take_texts().isEmpty());
    EXPECT_EQ(day("2024-01-09"), QStringLiteral("|0|0|0|0|Stocktaking"));
    HolidayTables tables;
    tables.countries = {{0, QStringLiteral("No id")}, {4, QStringLiteral("C four")}};
    tables.years = {{4, 40, 2025}};
    QTreeWidget menu;
    build_holiday_tree(&menu, &tables);
    EXPECT_EQ(menu_nodes(&menu), only_commands);
}

// The refusals first, each leaving the calendar as it was: marks that match no day of the year (a date that does not
// exist, one of last year, one without a day record), no calendar loaded (no message of its own), a calendar another
// workstation saved meanwhile, a day that cannot be written. Then every treatment is written, on days with and
// without periods; the user is told of the marks that matched no day, and the window closes.
TEST_F(HolidayListing, ApplyWritesEveryMarkedHolidayThatHasADayOrNothing)
{
    Database &db = *app_state().database;
    db.exec(QStringLiteral("UPDATE days SET TimeSegments = 'y@480>720+y@780>1020', DayStart = 480, DayStop = 1020,"
                           " minutes1 = 480, minutes2 = 480 WHERE DateVal = '2024-01-08' AND NameLink = %1;")
                .arg(connected.sample.zeta));
    const qint64 old_revision = revision();
    const QString new_year = day("2024-01-01");
    const QString ides = day("2024-03-15");
    with_window([&](QDialog &window) {
        click(window, QStringLiteral("Not a date"), 0);
        click(window, QStringLiteral("Old year's eve"), 2);
        click(window, QStringLiteral("Ides of March"), 2);
        run_node(window, QStringLiteral("apply"));
        click(window, QStringLiteral("New Year's Day"), 1);   // n@480>990: stays paid only
        click(window, QStringLiteral("Second day"), 0);       // comment only
        click(window, QStringLiteral("Sunday rest"), 1);      // no periods: comment only
        click(window, QStringLiteral("Work day eight"), 1);   // worked periods become paid, start and end stay
        click(window, QString::fromUtf8("F\u00eate du Travail"), 2);
        app_state().calendar_loaded = false;
        run_node(window, QStringLiteral("apply"));
        app_state().calendar_loaded = true;
        db.exec(QStringLiteral("UPDATE calendars SET revision = revision + 1 WHERE id = %1;").arg(connected.sample.zeta));
        run_node(window, QStringLiteral("apply"));
        // Up to date again, but the last of the marked days cannot be written.
        app_state().calendar_revision = qint32(revision());
        db.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON days WHEN NEW.DateVal = '2024-01-09'"
                               " BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
        run_node(window, QStringLiteral("apply"));
        EXPECT_EQ(day("2024-01-01"), new_year);
        // The other workstation's save only: stored, known to the window, nothing reloaded.
        EXPECT_EQ(std::tuple(revision(), app_state().calendar_revision, link.reloads),
                  std::tuple(old_revision + 1, old_revision + 1, 0));
        EXPECT_TRUE(window.isVisible());
        db.exec(QStringLiteral("DROP TRIGGER refuse;"));
        run_node(window, QStringLiteral("apply"));
        EXPECT_FALSE(window.isVisible());
    });
    const QString unmatched = QStringLiteral("(no date)  Not a date\r\nDec-31-2023  Old year's eve\r\n"
                                             "Mar-15-2024  Ides of March\r\n"
                                             "The calendar year has no day record for these dates.");
    const QStringList texts = user.take_texts();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts[0], QStringLiteral("None of the selected holidays could be applied:\r\n") + unmatched);
    EXPECT_TRUE(texts[1].contains(QStringLiteral("Number: 513\r\nDescription: Calendar is out of date."))) << texts[1].toStdString();
    EXPECT_TRUE(texts[2].contains(QStringLiteral("refused"))) << texts[2].toStdString();
    EXPECT_EQ(texts[3], QStringLiteral("3 of the selected holidays could not be applied:\r\n") + unmatched);
    EXPECT_EQ(day("2024-01-01"), QStringLiteral("n@480>990|0|510|0|0|New Year's Day"));
    EXPECT_EQ(day("2024-01-02"), QStringLiteral("y@480>720|240|240|0|0|Second day"));
    EXPECT_EQ(day("2024-01-07"), QStringLiteral("|0|0|0|0|Sunday rest"));
    EXPECT_EQ(day("2024-01-08"), QStringLiteral("n@480>720+n@780>1020|0|480|480|1020|Work day eight"));
    EXPECT_EQ(day("2024-01-09"), QString::fromUtf8("|0|0|0|0|F\u00eate du Travail"));
    EXPECT_EQ(day("2024-01-10"), QStringLiteral("y@480>720+y@750>990|480|480|0|0|"));
    EXPECT_EQ(day("2024-03-15"), ides);
    EXPECT_EQ(day("2023-12-31"), QStringLiteral("y@600>660|60|60|0|0|"));
    EXPECT_EQ(std::tuple(revision(), app_state().calendar_revision, link.reloads),
              std::tuple(old_revision + 2, old_revision + 2, 1));
    // One history entry, for the apply that wrote.
    const std::vector<HistoryEntry> history = read_history(*app_state().database, {app_state().calendar_id, {}, {}, {}});
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].action, QStringLiteral("Holidays applied: 5 (1 comment only, 3 paid, 1 cleared)"));
    std::vector<DayState> recorded, stored;
    for (const DayChange &day : read_changed_days(db, history[0].id)) {
        recorded.push_back(day.after);
        stored.push_back(read_day_states(db, history[0].calendar_id, day.after.date, day.after.date).at(0));
    }
    EXPECT_EQ(recorded.size(), 4u);  // New Year's Day held all this already
    EXPECT_EQ(recorded, stored);
    // The window lets one holiday a date through; the writer keeps to the first of a date on its own.
    const HolidayWriteResult result = write_holidays(db, qint32(connected.sample.zeta), 2024,
        {{QDate(2024, 1, 2), QStringLiteral("First"), Treatment::NoChange}, {QDate(2024, 1, 2), QStringLiteral("Second"), Treatment::Clear}});
    EXPECT_EQ(std::tuple(result.written, result.unmatched.empty()), std::tuple(1, true));
    EXPECT_EQ(day("2024-01-02"), QStringLiteral("y@480>720|240|240|0|0|First"));
}
