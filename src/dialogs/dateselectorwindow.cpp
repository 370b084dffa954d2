#include "dialogs/dateselectorwindow.h"

#include "calendaryear/calendaryear.h"
#include "ui_common/geometry.h"
#include "ui_common/menutree.h"
#include "ui_common/readablecolour.h"

#include <QCalendarWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dayvane {

QDate &selector_date()
{
    static QDate date;
    return date;
}

DateSelectorWindow::DateSelectorWindow(QWidget *owner)
    : ModalWindow(QStringLiteral("date_selector"), owner)
{
    setWindowTitle(tr("Select date"));
    auto *layout = new QVBoxLayout(this);

    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("menu_tree"));
    m_tree->setRootIsDecorated(false);
    build_menu(m_tree, {MenuNode{QStringLiteral("close"), tr("Close window"), QString(), false, kCloseNodeColour},
                        MenuNode{QStringLiteral("select"), tr("Select date"), QString()}});
    m_tree->setFixedHeight(m_tree->sizeHintForRow(0) * 2 + 2 * m_tree->frameWidth() + 4);
    set_tree_back_colour(m_tree, colour_from_number(kMenuTreeColour));
    connect_menu(m_tree, MenuStyle::Flat, [this] { process_menu(); });
    layout->addWidget(m_tree);

    m_calendar = new QCalendarWidget;
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setFirstDayOfWeek(week_start());
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    keep_calendar_days_readable(m_calendar);
    // A date that was never set opens on today, within today's year.
    const QDate shown = selector_date().isValid() ? selector_date() : QDate::currentDate();
    m_calendar->setDateRange(QDate(shown.year(), 1, 1), QDate(shown.year(), 12, 31));
    m_calendar->setSelectedDate(shown);
    // Double click and Enter on a date.
    connect(m_calendar, &QCalendarWidget::activated, this, &DateSelectorWindow::confirm_date);
    // The grid inside takes the focus: it is what the screen reader names.
    m_calendar->setAccessibleName(tr("Days of the month"));
    m_calendar->setAccessibleDescription(tr("The arrow keys choose a day, Enter selects it"));
    if (auto *days = m_calendar->findChild<QTableView *>()) {
        days->setAccessibleName(m_calendar->accessibleName());
        days->setAccessibleDescription(m_calendar->accessibleDescription());
    }
    layout->addWidget(m_calendar);
    m_calendar->setFocus();
}

void DateSelectorWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    if (key == QLatin1String("close"))
        close();
    else if (key == QLatin1String("select"))
        confirm_date();
}

void DateSelectorWindow::confirm_date()
{
    // QDate carries no time of day, so the chosen day is stored as it is.
    selector_date() = m_calendar->selectedDate();
    accept();
}

bool show_date_selector(QWidget *owner)
{
    DateSelectorWindow window(owner);
    return window.show_modal() == QDialog::Accepted;
}

} // namespace dayvane
