#include "editorfixture.h"

#include "windowdriver.h"
#include "editor/calendareditwindow.h"
#include "store/connection.h"
#include "store/transaction.h"
#include "ui_common/appstate.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace dayvane::test {

EditorFixture::EditorFixture()
{
    app_state() = AppState();
    Database &db = file.db();
    db.exec(QStringLiteral("INSERT INTO calendars (Name) VALUES ('Office');"));
    calendar = db.last_insert_id();
    db.exec(QStringLiteral("INSERT INTO calendar_years (CalendarLink, YearVal) VALUES (%1, %2);").arg(calendar).arg(kYear));
    year_id = db.last_insert_id();
    {
        Transaction transaction(db);
        for (QDate date(kYear, 1, 1); date.year() == kYear; date = date.addDays(1))
            m_ids[date] = insert_day(db, calendar, year_id, date.toString(Qt::ISODate), QString(), 0, 0);
        transaction.commit();
    }
    file.close();
    AppState &state = app_state();
    state.database.emplace(open_existing_database(file.path()));
    state.db_connected = true;
    state.calendar_id = qint32(calendar);
    state.calendar_revision = 0;
    state.calendar_loaded = true;
    state.current_date = QDate(kYear, 1, 1);
}

EditorFixture::~EditorFixture()
{
    app_state() = AppState();
}

void EditorFixture::set_day(const QDate &date, const QVariant &segments, int worked, int paid, const QVariant &comment,
                            int day_start, int day_stop)
{
    execute(*app_state().database,
            QStringLiteral("UPDATE days SET TimeSegments = ?, minutes1 = ?, minutes2 = ?, \"Date comment\" = ?,"
                           " DayStart = ?, DayStop = ? WHERE id = ?;"),
            {segments, worked, paid, comment, day_start, day_stop, day_id(date)});
}

QString EditorFixture::stored(const QDate &date)
{
    Statement stmt = app_state().database->prepare(QStringLiteral(
        "SELECT DayStart, DayStop, TimeSegments, minutes1, minutes2, \"Date comment\", DayType FROM days WHERE id = ?;"));
    stmt.bind(1, day_id(date));
    if (!stmt.step())
        return QStringLiteral("<missing>");
    QStringList fields;
    for (int column = 0; column < 7; ++column)
        fields << (stmt.column(column).isNull() ? QStringLiteral("<null>") : stmt.column(column).toString());
    return fields.join(u'|');
}

qint64 EditorFixture::revision()
{
    return scalar(*app_state().database, QStringLiteral("SELECT revision FROM calendars WHERE id = %1;").arg(calendar));
}

void EditorFixture::exec(const QString &sql)
{
    app_state().database->exec(sql);
}

bool EditorFixture::edit(const QDate &date, const std::function<void(QDialog &)> &handle)
{
    app_state().selected_day_id = qint32(day_id(date));
    user.on_window(QStringLiteral("calendar_edit"), [&handle](QDialog &window) {
        QApplication::setActiveWindow(&window);
        handle(window);
    });
    return open_calendar_editor(nullptr, [this] {
        ++reloads;
        if (on_reload)
            on_reload();
    });
}

QTableWidget *grid(QWidget &window)
{
    return window.findChild<QTableWidget *>(QStringLiteral("grid"));
}

QString cell(QWidget &window, int row, int column)
{
    return grid(window)->item(row, column)->text();
}

QString label(QWidget &window, const QString &name)
{
    const QLabel *found = window.findChild<QLabel *>(name);
    return found ? found->text() : QStringLiteral("<no label>");
}

QCheckBox *weekday(QWidget &window, int number)
{
    for (QCheckBox *box : window.findChildren<QCheckBox *>(QStringLiteral("weekdays"))) {
        if (box->property("index").toInt() == number)
            return box;
    }
    return nullptr;
}

QString start_keys(QWidget &window)
{
    QStringList keys;
    for (int row = 0; row < 12; ++row)
        keys << cell(window, row, 4);
    return keys.join(u',');
}

void enter_period(QWidget &window, int row, const QString &start, const QString &end, bool work)
{
    QTableWidget *table = grid(window);
    table->setFocus();
    table->setCurrentCell(row, 0);
    QTest::keyClick(table, Qt::Key_Return);
    ASSERT_TRUE(frame_shown(window));
    type_into(window, QStringLiteral("start_time"), start);
    type_into(window, QStringLiteral("end_time"), end);
    window.findChild<QCheckBox *>(QStringLiteral("work"))->setChecked(work);
    QTest::keyClick(window.findChild<QLineEdit *>(QStringLiteral("end_time")), Qt::Key_Return);
}

bool frame_shown(QWidget &window)
{
    const QFrame *frame = window.findChild<QFrame *>(QStringLiteral("frame"));
    return frame && frame->isVisible();
}

} // namespace dayvane::test
