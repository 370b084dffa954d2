#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace dayvane::test {

// One text the user sees, with the room its box gives it.
struct VisibleText
{
    QString text;
    QString where;    // the widget's object path, and the item or section
    int needed = 0;   // pixels it needs, as its widget or delegate asks for them
    int room = 0;     // pixels it has, after the parents and the view's edge clip it
};

// Every text shown in `window`: labels, buttons, check boxes, group box titles,
// combo boxes, the items and header sections of trees, lists and tables in view
// (a calendar's day and weekday cells among them). Line edits are left out: what
// they hold is the user's, and it scrolls.
std::vector<VisibleText> visible_texts(QWidget &window);

// Those that do not fit, as "where: text (needs N px, has M)".
QStringList cut_texts(QWidget &window);

} // namespace dayvane::test
