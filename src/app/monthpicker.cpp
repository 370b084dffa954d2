#include "app/monthpicker.h"

#include "ui_common/menutree.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

namespace dayvane {

QDate same_day_in_month(QDate date, int month)
{
    const QDate first(date.year(), month, 1);
    return first.addDays(std::min(date.day(), first.daysInMonth()) - 1);
}

MonthPicker::MonthPicker(const Widgets &widgets, std::function<void(QDate)> move_to, QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_move_to(std::move(move_to))
{
    connect_menu(m_w.month_node, MenuStyle::Flat, [this] { toggle_list(); });
    // A click on the node must not take the focus from the open pop-up, or
    // the pop-up would close on the press and open again on the click.
    m_w.month_node->setFocusPolicy(Qt::TabFocus);
    m_w.month_list->hide();
    m_w.month_list->installEventFilter(this);
    m_list_viewport = m_w.month_list->viewport();
    m_list_viewport->installEventFilter(this);
    connect(m_w.previous, &QToolButton::clicked, this, [this] { step(-1); });
    connect(m_w.next, &QToolButton::clicked, this, [this] { step(1); });
}

void MonthPicker::update()
{
    const QDate selected = m_w.calendar->selectedDate();
    m_w.month_node->topLevelItem(0)->setText(0, screen_month_name(selected.month()));
    m_w.previous->setEnabled(selected.addMonths(-1) >= m_w.calendar->minimumDate());
    m_w.next->setEnabled(selected.addMonths(1) <= m_w.calendar->maximumDate());
}

void MonthPicker::step(int delta)
{
    m_w.month_list->hide();
    const QDate target = m_w.calendar->selectedDate().addMonths(delta);  // 31 Jan + 1: end of February
    if (target >= m_w.calendar->minimumDate() && target <= m_w.calendar->maximumDate())
        m_move_to(target);
}

void MonthPicker::toggle_list()
{
    QListWidget *list = m_w.month_list;
    if (list->isVisible()) {
        list->hide();
        return;
    }
    list->setCurrentRow(m_w.calendar->selectedDate().month() - 1);
    // Under the node, as wide as the node, tall enough for all twelve names
    // and kept inside the window.
    const int height = list->sizeHintForRow(0) * list->count() + 2 * list->frameWidth();
    const QPoint below = m_w.month_node->mapTo(m_w.window, QPoint(0, m_w.month_node->height()));
    const int top = std::max(0, std::min(below.y(), m_w.window->height() - height));
    list->setGeometry(below.x(), top, m_w.month_node->width(), height);
    list->show();
    list->raise();
    list->setFocus();
}

void MonthPicker::choose(int row)
{
    m_w.month_list->hide();
    m_w.calendar->setFocus();
    const QDate selected = m_w.calendar->selectedDate();
    if (row < 0 || row >= 12 || row + 1 == selected.month())
        return;
    const QDate target = same_day_in_month(selected, row + 1);
    if (target >= m_w.calendar->minimumDate() && target <= m_w.calendar->maximumDate())
        m_move_to(target);
}

bool MonthPicker::eventFilter(QObject *watched, QEvent *event)
{
    QListWidget *list = m_w.month_list;
    if (watched == list) {
        if (event->type() == QEvent::FocusOut) {
            list->hide();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                choose(list->currentRow());
                return true;
            }
            if (key == Qt::Key_Escape) {
                list->hide();
                m_w.calendar->setFocus();
                return true;
            }
        }
    } else if (watched == m_list_viewport && event->type() == QEvent::MouseButtonRelease) {
        if (const QListWidgetItem *item = list->itemAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
            choose(list->row(item));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dayvane
