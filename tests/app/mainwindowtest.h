#pragma once

// What the main window's tests share: a settings folder and a shared state of their own for each case, the scripted
// user, the window, and a copy of one calendar database filled once for the whole run.

#include "app/calendarwindow.h"
#include "scriptedinteraction.h"
#include "testdatabase.h"
#include "ui_common/appstate.h"
#include "calendaryear/calendaryear.h"
#include "ui_common/gridhelpers.h"
#include "windowdriver.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCharFormat>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace dayvane::test {

// "Office" holds 2024 and the neighbouring days its January and December
// grids show: 31 Dec 2023 (worked, with an event) and 2 Jan 2025 (an event).
struct Filled
{
    Sample sample;      // the sample calendars and users, written first (Alpha: one uncommented day)
    qint64 office = 0;
    qint64 jan_02 = 0;  // Office's day record of 2 Jan 2024
    qint64 busy = 0;    // 60 commented days from 1 Feb 2024
    qint64 broken = 0;  // a day whose date is not in the store's form
};

inline Filled fill_office(Database &db)
{
    const auto calendar = [&](const char *name) {
        return execute(db, QStringLiteral("INSERT INTO calendars (Name) VALUES (?);"), {QString::fromLatin1(name)});
    };
    const auto year = [&](qint64 calendar, int year) {
        return execute(db, QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (?, ?);"),
                       {calendar, year});
    };
    // Worked and paid 8:00 to 12:00 and 13:00 to 17:00.
    const auto typical = [&](qint64 calendar, qint64 year, const char *date, const QVariant &comment = {}) {
        return insert_day(db, calendar, year, date, "y@480>720+y@780>1020", 480, 480, comment, 480, 1020);
    };
    Filled f;
    f.sample = fill_sample(db);
    f.office = calendar("Office");
    const qint64 y2023 = year(f.office, 2023), y2024 = year(f.office, 2024);
    insert_day(db, f.office, y2023, "2023-12-31", "y@600>660", 60, 60, "Old year", 600, 660);
    insert_day(db, f.office, y2024, "2024-01-01", "n@480>960", 0, 480, "New Year's Day", 480, 960);
    f.jan_02 = typical(f.office, y2024, "2024-01-02");
    typical(f.office, y2024, "2024-01-03", " ");
    insert_day(db, f.office, y2024, "2024-01-04", "y@480>720", 240, 240, QString(), 480, 720);
    insert_day(db, f.office, y2024, "2024-01-05", "", 0, 0, "Closed");
    typical(f.office, y2024, "2024-01-08", "Team day");
    typical(f.office, y2024, "2024-01-31");
    typical(f.office, y2024, "2024-02-01");
    typical(f.office, y2024, "2024-03-15", "Ides");
    insert_day(db, f.office, y2024, "2024-05-20", "n@480>960", 0, 480, {}, 480, 960);
    typical(f.office, year(f.office, 2025), "2025-01-02", "Next year");
    f.busy = calendar("Busy");
    execute(db,
            QStringLiteral("INSERT INTO days (NameLink, YearLink, DateVal, minutes1, minutes2, TimeSegments, \"Date comment\")"
                           " WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 59)"
                           " SELECT ?, ?, date('2024-02-01', '+' || i || ' days'), 0, 0, '', 'Event ' || i FROM n;"),
            {f.busy, year(f.busy, 2024)});
    f.broken = calendar("Broken");
    typical(f.broken, year(f.broken, 2024), "2024-6-5");
    return f;
}

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest()
    {
        qputenv("DAYVANE_HOME", home.path().toUtf8());
        qputenv("DAYVANE_WEB_HOST", "127.0.0.1:9");
        EXPECT_TRUE(QFile::copy(filled_database().file.path(), db_path()));
        // Changes made behind the window's back stay unseen until it reloads.
        window.set_watch_interval(0);
    }
    ~MainWindowTest() override
    {
        app_state() = AppState();
        qunsetenv("DAYVANE_HOME");
        qunsetenv("DAYVANE_WEB_HOST");
    }
    // Written once on first use; each case works on its own copy.
    struct FilledDatabase
    {
        FilledDatabase() { file.close(); }
        TestDatabase file;
        Filled ids = fill_office(file.db());
    };
    static const FilledDatabase &filled_database()
    {
        static FilledDatabase database;
        return database;
    }
    const Filled &filled = filled_database().ids;
    QString db_path() const { return home.filePath(QStringLiteral("QZDB.mdb")); }
    QString ini_path() const { return home.filePath(QStringLiteral("QZ.ini")); }
    QString read_ini() const { return QString::fromUtf8(read_file(ini_path())); }
    void write_ini(const QString &text) const { write_file(ini_path(), text.toUtf8()); }
    // Starts as the last run left it: `calendar` open on `date` (m/d/yyyy) of the filled database.
    void start_on(qint64 calendar, const QString &date)
    {
        write_ini(QStringLiteral("[DB path]=%1\r\n[View index]=%2\r\n[Calendar date]=%3\r\n").arg(db_path()).arg(calendar).arg(date));
        window.start();
        QApplication::setActiveWindow(&window);
    }
    QString text(const QString &name) const
    {
        const QLabel *found = window.findChild<QLabel *>(name);
        return found ? found->text() : QStringLiteral("<missing>");
    }
    // The six labels of a week array, by index.
    QStringList weeks(const char *array) const
    {
        QStringList texts(6);
        for (const QLabel *label : window.findChildren<QLabel *>(QString::fromLatin1(array)))
            texts[label->property("index").toInt() - 1] = label->text();
        return texts;
    }
    // Renames the calendar `name` of `year` in the calendar list opened from the window.
    void rename_in_list(const QString &name, int year, const QString &new_name)
    {
        user.on_window(QStringLiteral("calendar_list"), [&](QDialog &list) {
            select_calendar_row(list, name, QString::number(year));
            run_node(list, QStringLiteral("rename"));
            auto *box = list.findChild<QLineEdit *>(QStringLiteral("txt_rename"));
            box->setText(new_name);
            QTest::keyClick(box, Qt::Key_Return);
            list.reject();
        });
        window.run_command(QStringLiteral("open_calendar_list"));
    }
    QCalendarWidget *calendar() const { return window.findChild<QCalendarWidget *>(QStringLiteral("calendar")); }
    QTableWidget *grid() const { return window.findChild<QTableWidget *>(QStringLiteral("calendar_event_dates_grid")); }
    void close_with(CalendarWindow &closed, bool yes) { user.answer_yes_no(yes); closed.close(); }
    // The open calendar and the selected day: "caption | month node | month and year summarised | day | event".
    QString shown() const
    {
        return QStringList{text("lbl_calendar_name"), month_tree()->topLevelItem(0)->text(0),
                           text("lbl_summary_month") + u' ' + text("lbl_summary_year"), text("lbl_cal_date"), text("lbl_event")}
            .join(QStringLiteral(" | "));
    }
    // The selected date, after checking that the shared state follows it.
    QDate selected() const
    {
        EXPECT_EQ(app_state().current_date, calendar()->selectedDate());
        return calendar()->selectedDate();
    }
    void set_text(const char *name, const QString &value) { window.findChild<QLabel *>(QLatin1String(name))->setText(value); }
    // The nine summary labels of "month" or "year".
    QStringList summary(const QString &period) const
    {
        QStringList texts;
        for (const char *name : {"work_typical_days", "work_typical_time", "work_altered_days", "work_altered_time",
                                 "work_total_days", "work_total_time", "no_work_pay_only_days", "pay_days", "pay_time"})
            texts << text(QStringLiteral("lbl_%1_%2").arg(period, QLatin1String(name)));
        return texts;
    }
    QStringList listed(int column = 0) const { return column_texts(grid(), column); }  // of every data row of the event grid
    // The dates marked bold for their event text, yyyy-MM-dd.
    QStringList bold_dates() const
    {
        QStringList dates;
        const QMap<QDate, QTextCharFormat> formats = calendar()->dateTextFormat();
        for (auto it = formats.begin(); it != formats.end(); ++it) {
            if (it->fontWeight() == QFont::Bold)
                dates << it.key().toString(Qt::ISODate);
        }
        return dates;
    }
    QTreeWidget *month_tree() const { return window.findChild<QTreeWidget *>(QStringLiteral("calendar_month_tree")); }
    QToolButton *button(const char *name) const { return window.findChild<QToolButton *>(QLatin1String(name)); }
    void click_month_node()
    {
        QTest::mouseClick(month_tree()->viewport(), Qt::LeftButton, {},
                          month_tree()->visualItemRect(month_tree()->topLevelItem(0)).center());
    }
    // A click and a double click on `view`'s cell at `index`.
    static void double_click(QAbstractItemView *view, const QModelIndex &index)
    {
        const QPoint centre = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    }
    void double_click_date(QDate date)
    {
        auto *view = calendar()->findChild<QTableView *>();
        const qint64 position = first_shown_day(calendar()->yearShown(), calendar()->monthShown()).daysTo(date);
        double_click(view, view->model()->index(1 + int(position / 7), int(position % 7)));
    }
    // Built first: the window below registers itself in the fresh state.
    struct FreshState { FreshState() { app_state() = AppState(); } } fresh;
    QTemporaryDir home{QDir::current().absoluteFilePath(QStringLiteral("home-XXXXXX"))};
    ScriptedInteraction user;
    CalendarWindow window;
};

} // namespace dayvane::test
