#pragma once

#include "model/textforms.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>

class QCalendarWidget;
class QListWidget;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace dayvane {

// `date` moved into `month` of the same year, keeping its day number when
// that month has it and taking the month's last day otherwise (31 January to
// February gives the 28th or 29th). Never an invalid date for a valid input.
QDate same_day_in_month(QDate date, int month);

// The ways to another month of the month control besides its own keys
// (Page Up / Page Down): the month node, which opens a pop-up list of the
// twelve months under itself, and the buttons that step one month back and
// forward. A choice never leaves the control's date range; it is handed to
// `move_to` with the day number kept where the month has it.
//
// The pop-up closes after a choice (Enter or a mouse release on a name), on
// Escape, on losing the focus and on a second click on the node.
class MonthPicker : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        QWidget *window = nullptr;  // the pop-up's parent, inside which it stays
        QCalendarWidget *calendar = nullptr;
        QTreeWidget *month_node = nullptr;  // one node
        QListWidget *month_list = nullptr;  // the twelve names, January first
        QToolButton *previous = nullptr;
        QToolButton *next = nullptr;
    };

    MonthPicker(const Widgets &widgets, std::function<void(QDate)> move_to, QObject *parent = nullptr);

    // Shows the pop-up on the control's month, or hides it when shown.
    void toggle_list();
    // Moves `delta` months from the control's selected date when the control's
    // range allows it.
    void step(int delta);
    // The node text and which step buttons the control's range allows, for
    // the control's selected date.
    void update();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(int row);

    Widgets m_w;
    QObject *m_list_viewport = nullptr;  // compared only, never called
    std::function<void(QDate)> m_move_to;
};

} // namespace dayvane
