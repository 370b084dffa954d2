// Saving the edited day to a range of dates: what is written, and that a
// refused or failed save writes nothing.

#include "windowdriver.h"
#include "editorfixture.h"
#include "store/database.h"
#include "store/connection.h"
#include "ui_common/appstate.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;

namespace {

const QDate kMonday(2024, 3, 4);
const QString kEmptyDay = QStringLiteral("0|0||0|0|<null>|0");

void tick_only(QWidget &window, int number)
{
    for (int day = 1; day <= 7; ++day)
        weekday(window, day)->setChecked(day == number);
}

class EditorSave : public ::testing::Test
{
protected:
    // The stored days of the year that differ from an empty day.
    QStringList changed_days()
    {
        QStringList changed;
        for (QDate date(2024, 1, 1); date.year() == 2024; date = date.addDays(1)) {
            if (f.stored(date) != kEmptyDay)
                changed << date.toString(Qt::ISODate);
        }
        return changed;
    }

    EditorFixture f;
};

} // namespace

TEST_F(EditorSave, MondaysOnlyOverTwoWeeksWritesTheTwoMondays)
{
    // A stored comment longer than typing allows, holding a character that
    // cannot be typed, is saved whole; only what is typed is filtered.
    const QString comment = QStringLiteral("New Year's Day ") + QString(290, u'x');
    f.set_day(kMonday, QString(), 0, 0, comment);
    const bool saved = f.edit(kMonday, [&](QDialog &window) {
        auto *box = window.findChild<QLineEdit *>(QStringLiteral("comment"));
        EXPECT_EQ(box->text(), comment);
        box->end(false);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("!x"));
        EXPECT_EQ(box->text(), comment);
        enter_period(window, 0, QStringLiteral("9:00"), QStringLiteral("17:00"));
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-17-2024"));
        tick_only(window, 2);
        f.user.answer_yes_no(true);
        run_node(window, QStringLiteral("save_calendar"));
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_TRUE(saved);
    EXPECT_EQ(f.user.take_texts(),
              QStringList({QStringLiteral("Chacacters ' ! ? # * % | ; : - [ ] and \" cannot be used for field input."),
                           QStringLiteral("Override calendar?")}));
    EXPECT_EQ(changed_days(), QStringList({QStringLiteral("2024-03-04"), QStringLiteral("2024-03-11")}));
    EXPECT_EQ(f.stored(QDate(2024, 3, 11)), QStringLiteral("540|1020|y@540>1020|480|480|%1|0").arg(comment));
    EXPECT_EQ(f.revision(), 1);
    EXPECT_EQ(app_state().calendar_revision, 1);
    EXPECT_EQ(f.reloads, 1);
}

TEST_F(EditorSave, AWholeYearGetsTheDayInOneChange)
{
    f.exec(QStringLiteral("UPDATE days SET DayType = 3 WHERE DateVal = '2024-07-01';"));
    qint64 worked_in_reload = 0;
    f.on_reload = [&] {
        worked_in_reload = scalar(*app_state().database, QStringLiteral("SELECT sum(minutes1) FROM days;"));
    };
    const bool saved = f.edit(QDate(2024, 1, 1), [this](QDialog &window) {
        enter_period(window, 0, QStringLiteral("12:30 pm"), QStringLiteral("1:00 pm"), false);
        enter_period(window, 1, QStringLiteral("8:00 am"), QStringLiteral("12:00 pm"));
        retype(window, QStringLiteral("end_date"), QStringLiteral("12-31-2024"));
        for (int day = 1; day <= 7; ++day)
            weekday(window, day)->setChecked(true);
        retype(window, QStringLiteral("comment"), QStringLiteral("  Shift  "));
        EXPECT_EQ(label(window, QStringLiteral("work_time_range")), QStringLiteral("1464hrs 0min"));
        f.user.answer_yes_no(true);
        run_node(window, QStringLiteral("save_calendar"));
    });
    ASSERT_TRUE(saved);
    EXPECT_EQ(scalar(*app_state().database,
                     QStringLiteral("SELECT count(*) FROM days WHERE DayStart = 480 AND DayStop = 780 AND minutes1 = 240"
                                    " AND minutes2 = 270 AND TimeSegments = 'y@480>720+n@750>780'"
                                    " AND \"Date comment\" = 'Shift';")),
              366);
    EXPECT_EQ(f.stored(QDate(2024, 7, 1)), QStringLiteral("480|780|y@480>720+n@750>780|240|270|Shift|3"));
    EXPECT_EQ(f.revision(), 1);
    EXPECT_EQ(worked_in_reload, 366 * 240);
}

TEST_F(EditorSave, NoQuestionAndNoChangeWhileTheRangeHoldsNoTickedDay)
{
    f.edit(kMonday, [this](QDialog &window) {
        enter_period(window, 0, QStringLiteral("9:00"), QStringLiteral("17:00"));
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-01-2024"));
        run_node(window, QStringLiteral("save_calendar"));
        EXPECT_EQ(f.user.shown().at(0).title, QStringLiteral("Date input"));
        f.user.take_texts();
        // Declining the question keeps the window and the data.
        retype(window, QStringLiteral("end_date"), QStringLiteral("03-04-2024"));
        f.user.answer_yes_no(false);
        run_node(window, QStringLiteral("save_calendar"));
        EXPECT_TRUE(window.isVisible());
        window.close();
    });
    EXPECT_TRUE(changed_days().isEmpty());
    EXPECT_EQ(f.revision(), 0);
}

TEST_F(EditorSave, ASaveOutOfDateWritesNothing)
{
    f.edit(kMonday, [this](QDialog &window) {
        enter_period(window, 0, QStringLiteral("9:00"), QStringLiteral("17:00"));
        {
            // Another workstation saves first.
            Database other = open_existing_database(f.file.path());
            other.exec(QStringLiteral("UPDATE calendars SET revision = revision + 1;"));
        }
        f.user.answer_yes_no(true);
        run_node(window, QStringLiteral("save_calendar"));
        EXPECT_TRUE(window.isVisible());
        window.close();
    });
    const QStringList texts = f.user.take_texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[1].contains(QStringLiteral("Description: Calendar is out of date.")));
    EXPECT_TRUE(changed_days().isEmpty());
    EXPECT_EQ(app_state().calendar_revision, 0);
    EXPECT_EQ(f.reloads, 0);
}

TEST_F(EditorSave, AWriteThatFailsHalfWayLeavesEveryDateAsItWas)
{
    // The 200th day written fails, as a full disk would.
    f.exec(QStringLiteral("CREATE TABLE written (n INTEGER); INSERT INTO written VALUES (0);"
                          "CREATE TRIGGER count_writes AFTER UPDATE ON days BEGIN UPDATE written SET n = n + 1; END;"
                          "CREATE TRIGGER fail_writes BEFORE UPDATE ON days WHEN (SELECT n FROM written) >= 199"
                          " BEGIN SELECT RAISE(ABORT, 'disk full'); END;"));
    f.edit(QDate(2024, 1, 1), [this](QDialog &window) {
        enter_period(window, 0, QStringLiteral("9:00"), QStringLiteral("17:00"));
        retype(window, QStringLiteral("end_date"), QStringLiteral("12-31-2024"));
        for (int day = 1; day <= 7; ++day)
            weekday(window, day)->setChecked(true);
        f.user.answer_yes_no(true);
        run_node(window, QStringLiteral("save_calendar"));
        EXPECT_TRUE(window.isVisible());
        window.close();
    });
    const QStringList texts = f.user.take_texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[1].contains(QStringLiteral("disk full"))) << texts[1].toStdString();
    EXPECT_TRUE(changed_days().isEmpty());
    EXPECT_EQ(scalar(*app_state().database, QStringLiteral("SELECT n FROM written;")), 0);
    EXPECT_EQ(f.revision(), 0);
    EXPECT_EQ(app_state().calendar_revision, 0);
    EXPECT_EQ(f.reloads, 0);
}

TEST_F(EditorSave, AnOwnedCalendarIsSavedOnlyWithPermission)
{
    f.exec(QStringLiteral("INSERT INTO users (EmployeeID, FirstName, LastName) VALUES ('E1', 'Ann', 'Smith');"
                          "UPDATE calendars SET OwnerLink = 1;"));
    f.edit(kMonday, [this](QDialog &window) {
        enter_period(window, 0, QStringLiteral("9:00"), QStringLiteral("17:00"));
        f.user.answer_yes_no(true);
        f.user.on_window(QStringLiteral("user_list"), [](QDialog &list) { list.close(); });
        f.user.answer_yes_no(false);  // no system password either
        run_node(window, QStringLiteral("save_calendar"));
        EXPECT_TRUE(window.isVisible());
        window.close();
    });
    EXPECT_TRUE(changed_days().isEmpty());
    EXPECT_EQ(f.revision(), 0);
}
