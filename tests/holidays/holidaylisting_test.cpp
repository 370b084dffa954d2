// The holiday list window as the user drives it: fetched from the real
// dayvane-web (serving a list made for these tests), marked with clicks and
// keys, applied to the sample calendar "zeta office" 2024.

#include "holidays/holidaylistingwindow.h"
#include "holidays/holidaytree.h"
#include "scriptedinteraction.h"
#include "ui_common/appstate.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/mainwindowlink.h"
#include "ui_common/menutree.h"
#include "webserverprocess.h"
#include "windowdriver.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace dayvane;
using namespace dayvane::test;

namespace {

// Testland 2024 starts with a date that does not exist and holds dates
// outside the year or without a day record in the sample (which has only
// Jan 1, 2, 7, 8, 9 and 10), two holidays on New Year's Day, and a name with
// an accent. Big<i>land</i> has more holidays than the grid's 24 rows, and
// markup in its name, which is shown as it is.
QByteArray test_payload()
{
    QByteArray payload = "C=1^Testland|Y=1^12024^2024|Y=1^12025^2025|"
                         "H=1^12024^2/30/2024^Not a date|"
                         "H=1^12024^1/1/2024^New Year's Day|"
                         "H=1^12024^1/1/2024^Neujahr|"
                         "H=1^12024^1/2/2024^Second day|"
                         "H=1^12024^12/31/2023^Old year's eve|"
                         "H=1^12024^1/7/2024^Sunday rest|"
                         "H=1^12024^1/8/2024^Work day eight|"
                         "H=1^12024^3/15/2024^Ides of March|"
                         "H=1^12024^1/9/2024^F\xc3\xaate du Travail|"
                         "H=1^12024^1/10/2024^Day ten|"
                         "H=1^12025^1/1/2025^New Year 2025|"
                         "C=2^Big<i>land</i>|Y=2^22024^2024|";
    for (int day = 1; day <= 30; ++day)
        payload += "H=2^22024^4/" + QByteArray::number(day) + "/2024^Big day " + QByteArray::number(day) + "|";
    return payload;
}

// The main window as far as the holiday window sees it: its status label and
// what it is asked to do.
class RecordingLink : public MainWindowLink
{
public:
    bool show_calendar_year(QDate) override { return true; }
    void reload_and_redraw() override { ++reloads; }
    void clear_calendar_data(int) override {}
    QDate selected_date() const override { return shown; }
    void refresh_calendar_caption() override {}

    int reloads = 0;
    QDate shown{2024, 1, 8};
};

QTableWidget *grid(QDialog &window)
{
    return window.findChild<QTableWidget *>(QStringLiteral("grid"));
}

QTreeWidget *tree(QDialog &window)
{
    return window.findChild<QTreeWidget *>(QStringLiteral("menu_tree"));
}

QString text(QDialog &window, const char *name)
{
    return window.findChild<QLabel *>(QString::fromLatin1(name))->text();
}

QStringList totals(QDialog &window)
{
    QStringList texts(3);
    for (QLabel *label : window.findChildren<QLabel *>(QStringLiteral("totals")))
        texts[label->property("index").toInt()] = label->text();
    return texts;
}

QString cell_text(QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

int row_of(QDialog &window, const QString &name)
{
    QTableWidget *table = grid(window);
    for (int row = 0; row < table->rowCount(); ++row) {
        if (cell_text(table, row, 4) == name)
            return row;
    }
    ADD_FAILURE() << "no row " << name.toStdString();
    return -1;
}

// "name=treatment" of every marked row, in grid order.
QStringList marks(QDialog &window)
{
    QStringList result;
    QTableWidget *table = grid(window);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString treatment = cell_text(table, row, 5);
        if (!treatment.isEmpty() && treatment != u"0")
            result << cell_text(table, row, 4) + u'=' + treatment;
    }
    return result;
}

// The pictures of the three treatment columns of a row.
QString pictures(QDialog &window, int row)
{
    QStringList names;
    for (int column = 0; column < 3; ++column) {
        const QTableWidgetItem *item = grid(window)->item(row, column);
        names << (item ? item->data(Qt::UserRole).toString() : QString());
    }
    return names.join(u',');
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
    QTableWidget *table = grid(window);
    table->setCurrentCell(row_of(window, name), 3);
    QTest::keyClick(table, key);
}

class HolidayListing : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<QTemporaryDir>();
        QFile file(s_folder->filePath(QStringLiteral("holidays.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(test_payload());
        file.close();
        s_server = std::make_unique<WebServerProcess>(QStringList{QStringLiteral("--holiday-file"), file.fileName()});
    }

    static void TearDownTestSuite()
    {
        s_server.reset();
        s_folder.reset();
    }

    HolidayListing()
    {
        qputenv("DAYVANE_WEB_HOST", s_server->host().toLatin1());
        auto *layout = new QVBoxLayout(&main);
        status = new QLabel(QStringLiteral("Ready"));
        status->setObjectName(QStringLiteral("status"));
        layout->addWidget(status);
        AppState &state = app_state();
        state.main_window = &main;
        state.main_link = &link;
        state.calendar_id = qint32(connected.sample.zeta);
        state.calendar_loaded = true;
        state.calendar_revision = qint32(revision());
        state.current_user_id = qint32(connected.sample.ann);  // the owner
        state.current_date = link.shown;
    }

    ~HolidayListing() override { qunsetenv("DAYVANE_WEB_HOST"); }

    // Opens the window and runs `drive` on it once it has loaded.
    void with_window(const std::function<void(QDialog &)> &drive, HolidayExchangeSettings settings = {})
    {
        user.on_window(QStringLiteral("holiday_listing"), [&](QDialog &window) {
            EXPECT_EQ(status->text(), QStringLiteral("Ready"));
            drive(window);
        });
        settings.connect_timeout_ms = 5'000;
        settings.receive_timeout_ms = 10'000;
        open_holiday_listing(nullptr, settings);
    }

    // Opens the window on Testland 2024.
    void with_testland(const std::function<void(QDialog &)> &drive)
    {
        with_window([&](QDialog &window) {
            run_node(window, QStringLiteral("Y12024"));
            drive(window);
        });
    }

    qint64 revision()
    {
        return scalar(*app_state().database, QStringLiteral("SELECT revision FROM calendars WHERE id = %1").arg(connected.sample.zeta));
    }

    // "segments|minutes1|minutes2|start|stop|comment" of a day of zeta office.
    QString day(const char *iso_date)
    {
        Statement stmt = app_state().database->prepare(QStringLiteral(
            "SELECT TimeSegments, minutes1, minutes2, DayStart, DayStop, \"Date comment\" FROM days"
            " WHERE NameLink = ? AND DateVal = ?"));
        stmt.bind(1, connected.sample.zeta);
        stmt.bind(2, QString::fromLatin1(iso_date));
        if (!stmt.step())
            return QStringLiteral("(none)");
        QStringList fields;
        for (int column = 0; column < 6; ++column)
            fields << stmt.column(column).toString();
        return fields.join(u'|');
    }

    inline static std::unique_ptr<QTemporaryDir> s_folder;
    inline static std::unique_ptr<WebServerProcess> s_server;

    ConnectedDatabase connected;
    ScriptedInteraction user;
    QWidget main;
    QLabel *status = nullptr;
    RecordingLink link;
};

} // namespace

TEST_F(HolidayListing, ShowsCountriesWithTheirYearsAndRestoresTheStatus)
{
    with_window([&](QDialog &window) {
        QTreeWidget *menu = tree(window);
        ASSERT_EQ(menu->topLevelItemCount(), 4);
        EXPECT_EQ(menu->topLevelItem(0)->text(0), QStringLiteral("Close window"));
        EXPECT_EQ(menu->topLevelItem(1)->text(0), QStringLiteral("Apply selection"));
        QTreeWidgetItem *testland = find_menu_node(menu, QStringLiteral("C1"));
        ASSERT_NE(testland, nullptr);
        EXPECT_EQ(testland->text(0), QStringLiteral("Testland"));
        EXPECT_TRUE(testland->font(0).bold());
        ASSERT_EQ(testland->childCount(), 2);
        EXPECT_EQ(testland->child(0)->data(0, Qt::UserRole).toString(), QStringLiteral("Y12024"));
        EXPECT_EQ(testland->child(0)->text(0), QStringLiteral("2024"));
        EXPECT_EQ(testland->child(1)->text(0), QStringLiteral("2025"));
        EXPECT_EQ(find_menu_node(menu, QStringLiteral("C2"))->childCount(), 1);
        QTextDocument tip;
        tip.setHtml(find_menu_node(menu, QStringLiteral("C2"))->toolTip(0));
        EXPECT_EQ(tip.toPlainText(), QStringLiteral("Big<i>land</i>"));
        EXPECT_EQ(grid(window)->rowCount(), 24);
        EXPECT_FALSE(grid_has_data(grid(window)));
    });
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(HolidayListing, AYearNodeListsItsHolidaysUnselected)
{
    with_testland([&](QDialog &window) {
        QTableWidget *table = grid(window);
        EXPECT_EQ(text(window, "lbl_selection"), QStringLiteral("Testland / 2024"));
        EXPECT_EQ(table->rowCount(), 24);
        EXPECT_EQ(cell_text(table, 0, 3), QStringLiteral("2/30/2024"));  // not a date: shown as sent
        EXPECT_EQ(cell_text(table, 1, 3), QStringLiteral("Jan-01"));
        EXPECT_EQ(cell_text(table, 1, 4), QStringLiteral("New Year's Day"));
        EXPECT_EQ(cell_text(table, 4, 3), QStringLiteral("Dec-31"));
        EXPECT_EQ(cell_text(table, 8, 4), QString::fromUtf8("F\u00eate du Travail"));
        for (int row = 0; row < 10; ++row) {
            EXPECT_EQ(cell_text(table, row, 5), QStringLiteral("0"));
            EXPECT_EQ(pictures(window, row), QStringLiteral("no,no,no"));
            EXPECT_NE(row_data(table, row), 0);
        }
        for (int row = 10; row < 24; ++row) {
            EXPECT_EQ(row_data(table, row), 0);
            EXPECT_EQ(pictures(window, row), QStringLiteral(",,"));
        }
        EXPECT_EQ(table->currentRow(), 0);
        EXPECT_EQ(totals(window), QStringList({"0", "0", "0"}));

        run_node(window, QStringLiteral("Y22024"));
        EXPECT_EQ(text(window, "lbl_selection"), QStringLiteral("Big<i>land</i> / 2024"));
        EXPECT_EQ(table->rowCount(), 30);
        EXPECT_EQ(cell_text(table, 29, 4), QStringLiteral("Big day 30"));
    });
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(HolidayListing, AClickTogglesAndMovesTheMarkWithinARow)
{
    with_testland([&](QDialog &window) {
        const QString name = QStringLiteral("Second day");
        const int row = row_of(window, name);
        click(window, name, 0);
        EXPECT_EQ(marks(window), QStringList({"Second day=1"}));
        EXPECT_EQ(pictures(window, row), QStringLiteral("yes,no,no"));
        EXPECT_EQ(totals(window), QStringList({"1", "0", "0"}));
        click(window, name, 0);
        EXPECT_TRUE(marks(window).isEmpty());
        EXPECT_EQ(pictures(window, row), QStringLiteral("no,no,no"));
        click(window, name, 1);
        click(window, name, 2);
        EXPECT_EQ(marks(window), QStringList({"Second day=3"}));
        EXPECT_EQ(pictures(window, row), QStringLiteral("no,no,yes"));
        EXPECT_EQ(totals(window), QStringList({"0", "0", "1"}));
        // The date and name columns do not mark.
        click(window, name, 3);
        click(window, name, 4);
        EXPECT_EQ(marks(window), QStringList({"Second day=3"}));
    });
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(HolidayListing, KeysNPAndCMarkTheCurrentRow)
{
    with_testland([&](QDialog &window) {
        press(window, QStringLiteral("Day ten"), Qt::Key_N);
        press(window, QStringLiteral("Sunday rest"), Qt::Key_P);
        press(window, QStringLiteral("Work day eight"), Qt::Key_C);
        EXPECT_EQ(marks(window), QStringList({"Sunday rest=2", "Work day eight=3", "Day ten=1"}));
        EXPECT_EQ(totals(window), QStringList({"1", "1", "1"}));
        EXPECT_EQ(grid(window)->currentColumn(), 2);
        press(window, QStringLiteral("Work day eight"), Qt::Key_C);
        EXPECT_EQ(marks(window), QStringList({"Sunday rest=2", "Day ten=1"}));
    });
    EXPECT_TRUE(user.shown().empty());
}

TEST_F(HolidayListing, ASecondHolidayOnTheSameDateAsksBeforeItReplacesTheFirst)
{
    const QString question = QStringLiteral("Jan-01\r\nNeujahr\r\n has already been selected.\r\n\r\n"
                                            "Do you want to replace this selection?");
    with_testland([&](QDialog &window) {
        click(window, QStringLiteral("New Year's Day"), 0);
        user.answer_yes_no(false);
        click(window, QStringLiteral("Neujahr"), 1);
        EXPECT_EQ(marks(window), QStringList({"New Year's Day=1"}));
        user.answer_yes_no(true);
        click(window, QStringLiteral("Neujahr"), 1);
        EXPECT_EQ(marks(window), QStringList({"Neujahr=2"}));
        EXPECT_EQ(pictures(window, row_of(window, QStringLiteral("New Year's Day"))), QStringLiteral("no,no,no"));
        EXPECT_EQ(totals(window), QStringList({"0", "1", "0"}));
    });
    ASSERT_EQ(user.shown().size(), 2u);
    for (const ScriptedInteraction::Shown &shown : user.shown()) {
        EXPECT_TRUE(shown.question);
        EXPECT_EQ(shown.text, question);
        EXPECT_EQ(shown.title, QStringLiteral("Corvantelle"));
        EXPECT_EQ(shown.icon, MessageIcon::Question);
    }
}

TEST_F(HolidayListing, EmptyRowsAreNeverMarked)
{
    with_testland([&](QDialog &window) {
        for (int row : {10, 15, 23}) {
            for (int column = 0; column < 3; ++column)
                click(window, row, column);
        }
        EXPECT_TRUE(marks(window).isEmpty());
        EXPECT_EQ(totals(window), QStringList({"0", "0", "0"}));
        EXPECT_EQ(pictures(window, 15), QStringLiteral(",,"));
        run_node(window, QStringLiteral("apply"));
    });
    EXPECT_EQ(user.take_texts(), QStringList({"There are no holidays selected."}));
}

TEST_F(HolidayListing, ChoosingAnotherYearAsksWhileHolidaysAreMarked)
{
    with_testland([&](QDialog &window) {
        click(window, QStringLiteral("Day ten"), 0);
        user.answer_yes_no(false);
        run_node(window, QStringLiteral("Y12025"));
        EXPECT_EQ(text(window, "lbl_selection"), QStringLiteral("Testland / 2024"));
        EXPECT_EQ(marks(window), QStringList({"Day ten=1"}));
        user.answer_yes_no(true);
        run_node(window, QStringLiteral("Y12025"));
        EXPECT_EQ(text(window, "lbl_selection"), QStringLiteral("Testland / 2025"));
        EXPECT_EQ(cell_text(grid(window), 0, 4), QStringLiteral("New Year 2025"));
        EXPECT_TRUE(marks(window).isEmpty());
        EXPECT_EQ(totals(window), QStringList({"0", "0", "0"}));
    });
    EXPECT_EQ(user.take_texts(), QStringList({"Clear the current selection?", "Clear the current selection?"}));
}

TEST_F(HolidayListing, AListOfAnotherYearIsRefused)
{
    const QString before = day("2024-01-01");
    with_window([&](QDialog &window) {
        run_node(window, QStringLiteral("Y12025"));
        click(window, QStringLiteral("New Year 2025"), 2);
        run_node(window, QStringLiteral("apply"));
        EXPECT_TRUE(window.isVisible());
    });
    EXPECT_EQ(user.take_texts(), QStringList({"The year for the selected holiday list does not match the year of the current calendar."}));
    EXPECT_EQ(day("2024-01-01"), before);
    EXPECT_EQ(link.reloads, 0);
}

// Every treatment, on days with and without periods; the rows that match no
// day of the year (a date that does not exist, one of last year, one
// without a day record) come first and do not stop the rows after them, but
// the user is told of them. An apply that matches no day changes nothing.
TEST_F(HolidayListing, ApplyWritesEveryMarkedHolidayThatHasADayAndCloses)
{
    const qint64 old_revision = revision();
    const QString ides_before = day("2024-03-15");
    with_testland([&](QDialog &window) {
        click(window, QStringLiteral("Not a date"), 0);
        click(window, QStringLiteral("Old year's eve"), 2);
        click(window, QStringLiteral("Ides of March"), 2);
        run_node(window, QStringLiteral("apply"));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(revision(), old_revision);
        EXPECT_EQ(link.reloads, 0);
        click(window, QStringLiteral("New Year's Day"), 1);   // n@480>990: stays paid only
        click(window, QStringLiteral("Second day"), 0);       // comment only
        click(window, QStringLiteral("Sunday rest"), 1);      // no periods: comment only
        click(window, QStringLiteral("Work day eight"), 1);   // worked periods become paid
        click(window, QString::fromUtf8("F\u00eate du Travail"), 2);
        EXPECT_EQ(totals(window), QStringList({"2", "3", "3"}));
        run_node(window, QStringLiteral("apply"));
        EXPECT_FALSE(window.isVisible());
    });
    const QString unmatched = QStringLiteral("(no date)  Not a date\r\nDec-31-2023  Old year's eve\r\n"
                                             "Mar-15-2024  Ides of March\r\n"
                                             "The calendar year has no day record for these dates.");
    EXPECT_EQ(user.take_texts(),
              QStringList({QStringLiteral("None of the selected holidays could be applied:\r\n") + unmatched,
                           QStringLiteral("3 of the selected holidays could not be applied:\r\n") + unmatched}));
    EXPECT_EQ(day("2024-01-01"), QStringLiteral("n@480>990|0|510|0|0|New Year's Day"));
    EXPECT_EQ(day("2024-01-02"), QStringLiteral("y@480>720|240|240|0|0|Second day"));
    EXPECT_EQ(day("2024-01-07"), QStringLiteral("|0|0|0|0|Sunday rest"));
    EXPECT_EQ(day("2024-01-08"), QStringLiteral("n@480>720+n@750>990|0|480|0|0|Work day eight"));
    EXPECT_EQ(day("2024-01-09"), QString::fromUtf8("|0|0|0|0|F\u00eate du Travail"));
    EXPECT_EQ(day("2024-01-10"), QStringLiteral("y@480>720+y@750>990|480|480|0|0|"));
    EXPECT_EQ(day("2024-03-15"), ides_before);
    EXPECT_EQ(day("2023-12-31"), QStringLiteral("y@600>660|60|60|0|0|"));
    EXPECT_EQ(revision(), old_revision + 1);
    EXPECT_EQ(app_state().calendar_revision, old_revision + 1);
    EXPECT_EQ(link.reloads, 1);
}

TEST_F(HolidayListing, PaidTreatmentKeepsTheDaysStartAndEnd)
{
    app_state().database->exec(QStringLiteral(
        "UPDATE days SET TimeSegments = 'y@480>720+y@780>1020', DayStart = 480, DayStop = 1020, minutes1 = 480,"
        " minutes2 = 480 WHERE DateVal = '2024-01-08' AND NameLink = %1;").arg(connected.sample.zeta));
    with_testland([&](QDialog &window) {
        click(window, QStringLiteral("Work day eight"), 1);
        run_node(window, QStringLiteral("apply"));
    });
    EXPECT_EQ(day("2024-01-08"), QStringLiteral("n@480>720+n@780>1020|0|480|480|1020|Work day eight"));
}

TEST_F(HolidayListing, AnOutOfDateCalendarRefusesTheApplyAndChangesNothing)
{
    // Another workstation saved the calendar after this one loaded it.
    app_state().database->exec(QStringLiteral("UPDATE calendars SET revision = revision + 1 WHERE id = %1;").arg(connected.sample.zeta));
    const qint64 stored = revision();
    const QString before = day("2024-01-10");
    with_testland([&](QDialog &window) {
        click(window, QStringLiteral("Day ten"), 2);
        run_node(window, QStringLiteral("apply"));
        EXPECT_TRUE(window.isVisible());
    });
    const QStringList texts = user.take_texts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("Number: 513\r\nDescription: Calendar is out of date.")))
        << texts[0].toStdString();
    EXPECT_EQ(day("2024-01-10"), before);
    EXPECT_EQ(revision(), stored);
    EXPECT_EQ(link.reloads, 0);
}

TEST_F(HolidayListing, AFailedWriteLeavesEveryDayAsItWas)
{
    // The last of the marked days cannot be written.
    app_state().database->exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE ON days WHEN NEW.DateVal = '2024-01-10'"
        " BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    const qint64 old_revision = revision();
    const QString first_before = day("2024-01-01");
    with_testland([&](QDialog &window) {
        click(window, QStringLiteral("New Year's Day"), 2);
        click(window, QStringLiteral("Day ten"), 2);
        run_node(window, QStringLiteral("apply"));
        EXPECT_TRUE(window.isVisible());
    });
    EXPECT_EQ(user.take_texts().size(), 1);
    EXPECT_EQ(day("2024-01-01"), first_before);
    EXPECT_EQ(revision(), old_revision);
    EXPECT_EQ(app_state().calendar_revision, old_revision);
    EXPECT_EQ(link.reloads, 0);
}

TEST_F(HolidayListing, NoCalendarLoadedRefusesWithoutAMessageOfItsOwn)
{
    app_state().calendar_loaded = false;
    const QString before = day("2024-01-10");
    with_testland([&](QDialog &window) {
        click(window, QStringLiteral("Day ten"), 2);
        run_node(window, QStringLiteral("apply"));
    });
    EXPECT_TRUE(user.shown().empty());
    EXPECT_EQ(day("2024-01-10"), before);
}

TEST_F(HolidayListing, AFailedFetchLeavesOnlyCloseAndApply)
{
    qputenv("DAYVANE_WEB_HOST", QStringLiteral("127.0.0.1:%1").arg(unused_port()).toLatin1());
    with_window([&](QDialog &window) {
        QTreeWidget *menu = tree(window);
        ASSERT_EQ(menu->topLevelItemCount(), 2);
        EXPECT_EQ(menu->topLevelItem(0)->data(0, Qt::UserRole).toString(), QStringLiteral("close"));
        EXPECT_EQ(menu->topLevelItem(1)->data(0, Qt::UserRole).toString(), QStringLiteral("apply"));
        EXPECT_FALSE(grid_has_data(grid(window)));
        run_node(window, QStringLiteral("close"));
        EXPECT_FALSE(window.isVisible());
    });
    const QStringList texts = user.take_texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Error:\r\n")));
    EXPECT_EQ(texts[1], kHolidayFetchFailed);
}

TEST(HolidayTree, KeysYearsUnderTheirCountriesAndSkipsOrphansAndRepeats)
{
    HolidayTables tables;
    tables.countries = {{3, QStringLiteral("C three")}, {4, QStringLiteral("C four")}, {3, QStringLiteral("again")}};
    tables.years = {{3, 30, 2024}, {9, 90, 2024}, {4, 40, 2025}, {3, 30, 2026}, {3, 31, 2026}};
    QTreeWidget menu;
    build_holiday_tree(&menu, &tables);
    ASSERT_EQ(menu.topLevelItemCount(), 4);
    EXPECT_EQ(menu.topLevelItem(2)->data(0, Qt::UserRole).toString(), QStringLiteral("C3"));
    ASSERT_EQ(menu.topLevelItem(2)->childCount(), 2);
    EXPECT_EQ(menu.topLevelItem(2)->child(1)->data(0, Qt::UserRole).toString(), QStringLiteral("Y31"));
    EXPECT_EQ(menu.topLevelItem(3)->child(0)->text(0), QStringLiteral("2025"));

    tables.countries.front().id = 0;  // a list whose first country has no id shows none
    build_holiday_tree(&menu, &tables);
    EXPECT_EQ(menu.topLevelItemCount(), 2);
    EXPECT_EQ(holiday_node_id(QStringLiteral("Y12024")), 12024);
    EXPECT_EQ(holiday_node_id(QStringLiteral("close")), 0);
}
