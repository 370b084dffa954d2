#pragma once

#include "scriptedinteraction.h"
#include "testdatabase.h"
#include "widgettyping.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <map>

class QCheckBox;
class QDialog;
class QLabel;
class QTableWidget;
class QWidget;

namespace dayvane::test {

// A calendar "Office" without owner or restriction, with every day of 2024
// stored empty, connected as the program's one connection with the
// calendar loaded at revision 0. The scripted user is installed.
class EditorFixture
{
public:
    static constexpr int kYear = 2024;

    EditorFixture();
    ~EditorFixture();

    // Writes a stored day with plain SQL; a null QVariant stores NULL.
    void set_day(const QDate &date, const QVariant &segments, int worked, int paid, const QVariant &comment = {},
                 int day_start = 0, int day_stop = 0);
    qint64 day_id(const QDate &date) const { return m_ids.at(date); }
    // The stored fields of a day, joined: "DayStart|DayStop|TimeSegments|
    // minutes1|minutes2|comment|DayType", NULL shown as "<null>".
    QString stored(const QDate &date);
    // The stored revision of the calendar.
    qint64 revision();
    // Runs `sql` on the program's connection.
    void exec(const QString &sql);

    // Opens the editor on `date`; `handle` drives it while it is shown.
    // Returns what open_calendar_editor returned; counts the reloads.
    bool edit(const QDate &date, const std::function<void(QDialog &)> &handle);
    int reloads = 0;
    std::function<void()> on_reload;

    TestDatabase file;
    qint64 calendar = 0;
    qint64 year_id = 0;
    ScriptedInteraction user;

private:
    std::map<QDate, qint64> m_ids;
};

// The window's controls.
QTableWidget *grid(QWidget &window);
QString cell(QWidget &window, int row, int column);
QString label(QWidget &window, const QString &name);
QCheckBox *weekday(QWidget &window, int number);
// The twelve rows' hidden start column, joined with ",".
QString start_keys(QWidget &window);

// Opens the frame on `row` with Enter, types the times, sets the work box
// and presses Enter in the end box.
void enter_period(QWidget &window, int row, const QString &start, const QString &end, bool work = true);
bool frame_shown(QWidget &window);

} // namespace dayvane::test
