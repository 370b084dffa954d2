#pragma once

// What the journey does with the windows of the running program: clicks,
// keys and looks, through the widgets alone. Only Qt is used here, so the
// module asks nothing of the program but what it shows.

#include "widgettyping.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QDialog;
class QTableWidget;
class QTreeWidgetItem;
class QWidget;

namespace dayvane::e2e {

// The environment the driver script sets, read once.
struct JourneySettings
{
    QString phase;             // "first" or "again"
    QString home;              // DAYVANE_E2E_OUTPUT: the PDFs saved
    QString database;          // the demo database made for this run
    QString system_password;   // as dayvane-db printed it
    QString screenshots;       // folder; empty: no screenshots
};
const JourneySettings &settings();

// Saves every visible top-level window as "NN-step[-window].png" in the
// screenshot folder, numbered in the order taken.
void snap(const QString &step);

// Runs the command node `key` of the window's menu tree, as Enter on the
// selected node does.
void run_node(QWidget &window, const QString &key, int tree_index = -1);
// The menu node whose text is `text` under `parent_text` (empty: any).
QTreeWidgetItem *menu_node_by_text(QWidget &window, const QString &text, const QString &parent_text = QString());

// Typing into the boxes, as in the window tests.
using test::retype;
using test::type_into;

QString label_text(QWidget &window, const QString &name, int index = -1);
QString cell_text(QTableWidget *grid, int row, int column);
// The first row whose `column` shows `text`, or -1.
int row_with(QTableWidget *grid, int column, const QString &text);
void click_cell(QTableWidget *grid, int row, int column);

// The main window's month grid: the month shown, a single click and a
// double click on a date of it.
QString month_shown(QWidget &main_window);
void click_date(QWidget &main_window, QDate date, bool twice = false);

// "12h 30m" as minutes; -1 when it is no such text.
int minutes_of(const QString &duration);
QString duration_text(int minutes);

} // namespace dayvane::e2e
