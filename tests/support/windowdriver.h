#pragma once

#include "testdatabase.h"

#include <QColor>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

class QDialog;
class QTableWidget;

namespace dayvane::test {

class ScriptedInteraction;

// The child named `name` whose "index" property is `index`; any of that name for a negative index.
template <typename Widget>
Widget *find_indexed(QWidget &window, const QString &name, int index = -1)
{
    for (Widget *widget : window.findChildren<Widget *>(name)) {
        if (index < 0 || widget->property("index").toInt() == index)
            return widget;
    }
    return nullptr;
}

// Driving a window as the user would: typing into its boxes (emptied first; retype selects, deletes, types and presses
// Enter), its menu tree, its grid rows by their row data.
void type_into(QWidget &window, const QString &box, const QString &text, int index = -1);
void retype(QWidget &window, const QString &box, const QString &text);
void run_node(QWidget &window, const QString &key, int tree_index = -1);
void select_user_row(QWidget &window, qint64 user_id);
// Makes the calendar list's row of `name` and `year` ("" for none) current.
QTableWidget *select_calendar_row(QWidget &window, const QString &name, const QString &year);
// The next system password window: `password` typed and accepted, or the window closed for an empty one.
void answer_system_password(ScriptedInteraction &user, const QString &password);

// The window's grid "grid"; the text of one of its cells ("" for none).
QTableWidget *grid(QWidget &window);
QString cell_text(QTableWidget *grid, int row, int column);
// Column `column` of every data row of `grid`.
QStringList column_texts(QTableWidget *grid, int column = 0);
// Whether the frame "frame" (the one of `index`; any for -1) is shown.
bool frame_shown(QWidget &window, int index = -1);

// A calendar database connected as the program's one connection, with the
// sample data; the shared state is reset before and after.
class ConnectedDatabase
{
public:
    // On a server the program connects as a workstation's login.
    explicit ConnectedDatabase(Backend backend = Backend::File);
    ~ConnectedDatabase();

    // A connection as the tables' owner, for what another workstation or the
    // administrator writes; on a file the program's own.
    Database &owner();

    TestDatabase file;
    Sample sample;

private:
    std::optional<Database> m_owner;
};

// Store passwords as another workstation would.
void store_system_password(Database &db, const QString &password);
void store_user_password(Database &db, qint64 user_id, const QString &password);

} // namespace dayvane::test

namespace dayvane::test {

// A text colour and the background it is drawn on, and where.
struct ColourPair
{
    QString where;
    QColor text, background;
};
// Every pair of colours `window` sets: the nodes and cells of its trees, grids
// and lists with a colour of their own, the days of its calendar controls
// with a format, and the text, window and highlight roles of each widget with
// a palette of its own. What a widget does not set comes from its palette.
std::vector<ColourPair> colour_pairs(QWidget &window);

} // namespace dayvane::test
