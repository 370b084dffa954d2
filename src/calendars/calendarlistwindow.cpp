#include "calendars/calendarlistwindow.h"

#include "calendars/accesspictures.h"
#include "store/dberror.h"
#include "ui_common/appstate.h"
#include "ui_common/busycursor.h"
#include "ui_common/errorreport.h"
#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/inputfilter.h"
#include "ui_common/interaction.h"
#include "ui_common/keyboard.h"
#include "ui_common/mainwindowlink.h"
#include "ui_common/menutree.h"
#include "users/security.h"
#include "users/userlistwindow.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace dayvane {

namespace {

constexpr int kMinimumRows = 50;
const QColor kSelectionColour(0, 0, 128);

bool key_is_enter(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CalendarListWindow::CalendarListWindow(QWidget *parent)
    : ModalWindow(QStringLiteral("calendar_list"), parent, false)
{
    setWindowTitle(tr("Calendar list"));
    auto *layout = new QHBoxLayout(this);

    const auto node = [](const char *key, const char *text, const char *parent = "", bool bold = false,
                         QColor colour = Qt::black) {
        return MenuNode{QString::fromLatin1(key), QCoreApplication::translate("dayvane", text), QString::fromLatin1(parent), bold,
                        colour};
    };
    m_tree = make_menu_tree({
                           node("close", QT_TRANSLATE_NOOP("dayvane", "Close window"), "", false, kCloseNodeColour),
                           node("open_calendar", QT_TRANSLATE_NOOP("dayvane", "Open calendar")),
                           node("new_name", QT_TRANSLATE_NOOP("dayvane", "Add a new calendar name")),
                           node("rename", QT_TRANSLATE_NOOP("dayvane", "Change name of calendar")),
                           node("add_year", QT_TRANSLATE_NOOP("dayvane", "Add a year to calendar")),
                           node("ownership", QT_TRANSLATE_NOOP("dayvane", "Ownership"), "", true),
                           node("set_ownership", QT_TRANSLATE_NOOP("dayvane", "Set ownership"), "ownership"),
                           node("remove_ownership", QT_TRANSLATE_NOOP("dayvane", "Remove ownership"), "ownership"),
                           node("restrict_read_access", QT_TRANSLATE_NOOP("dayvane", "Restrict read access"), "", true),
                           node("add_restrict_read_access", QT_TRANSLATE_NOOP("dayvane", "Add restriction"), "restrict_read_access"),
                           node("remove_restrict_read_access", QT_TRANSLATE_NOOP("dayvane", "Remove restriction"), "restrict_read_access"),
                           node("delete_year", QT_TRANSLATE_NOOP("dayvane", "Delete calendar year"), "", true, QColor(255, 0, 0)),
                           node("reload", QT_TRANSLATE_NOOP("dayvane", "Reload calendar names")),
                       },
                       MenuStyle::Headings, [this] { process_menu(); });
    keep_menu_tree_fitted(m_tree, design_pixels(2600));
    layout->addWidget(m_tree);

    auto *right = new QVBoxLayout;
    m_grid = make_read_only_grid(QStringLiteral("grid"), QAbstractItemView::NoSelection);
    m_grid->setIconSize(QSize(16, 16));
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &CalendarListWindow::open_calendar);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] {
        highlight_grid_row(m_grid, kSelectionColour);
        show_owner();
    });
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &CalendarListWindow::hide_editors);
    m_grid->setAccessibleName(tr("Calendars"));
    right->addWidget(m_grid, 1);
    m_owner = new QLabel;
    m_owner->setTextFormat(Qt::PlainText);  // a user's name is stored text
    m_owner->setObjectName(QStringLiteral("lbl_owner"));
    right->addWidget(m_owner);
    layout->addLayout(right, 1);

    // The editors laid over the grid's rows.
    m_rename = new QLineEdit(m_grid->viewport());
    m_rename->setObjectName(QStringLiteral("txt_rename"));
    m_rename->setMaxLength(255);
    m_new_name_frame = new QFrame(m_grid->viewport());
    m_new_name_frame->setObjectName(QStringLiteral("new_name_frame"));
    m_new_name_frame->setFrameShape(QFrame::Box);
    auto *frame_layout = new QHBoxLayout(m_new_name_frame);
    frame_layout->setContentsMargins(1, 1, 1, 1);
    m_new_name = new QLineEdit;
    m_new_name->setObjectName(QStringLiteral("txt_new_name"));
    m_new_name->setMaxLength(255);
    m_new_name->setPlaceholderText(tr("Calendar name"));
    m_new_name_year = new QLineEdit;
    m_new_name_year->setObjectName(QStringLiteral("new_name_year"));
    m_new_name_year->setMaxLength(4);
    m_new_name_year->setPlaceholderText(tr("Year"));
    m_new_name_year->setFixedWidth(design_pixels(720));
    frame_layout->addWidget(m_new_name, 1);
    frame_layout->addWidget(m_new_name_year);
    watch_input(m_new_name, InputFilter::Restricted);
    watch_input(m_new_name_year, InputFilter::NumbersOnly);
    m_new_year_list = new QListWidget(m_grid->viewport());
    m_new_year_list->setObjectName(QStringLiteral("new_year_list"));
    for (QWidget *editor : std::initializer_list<QWidget *>{m_rename, m_new_name, m_new_name_year, m_new_year_list})
        editor->installEventFilter(this);
    // The editors laid over a row have no caption of their own.
    m_rename->setAccessibleName(tr("New name of the calendar"));
    m_new_name->setAccessibleName(tr("Calendar name"));
    m_new_name_year->setAccessibleName(tr("Year"));
    m_new_year_list->setAccessibleName(tr("Year to add"));
    hide_editors();

    set_design_size(7600, 5400, 4060);
    load_calendar_name_list(0, 0);
}

void CalendarListWindow::load_calendar_name_list(qint32 calendar_id, int year)
{
    BusyCursor busy;
    const QSignalBlocker quiet(m_grid);
    m_entries.clear();
    m_grid->clear();
    m_grid->setColumnCount(2);
    m_grid->setRowCount(0);
    m_grid->setHorizontalHeaderLabels({tr("Calendar name"), tr("Year")});
    // The name takes what the year leaves, so both stay in sight without
    // scrolling sideways at any screen resolution.
    m_grid->setColumnWidth(1, std::max(design_pixels(720), m_grid->horizontalHeader()->sectionSizeHint(1)));
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);

    if (check_operation_allowed(true)) {
        run_reported([&] { m_entries = read_calendar_list(*app_state().database); });
    }
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const CalendarListEntry &entry = m_entries[i];
        const int row = m_grid->rowCount();
        m_grid->insertRow(row);
        auto *name = new QTableWidgetItem(access_icon(access_picture(entry)), entry.name);
        name->setData(Qt::UserRole, access_key(access_picture(entry)));
        m_grid->setItem(row, 0, name);
        m_grid->setItem(row, 1, new QTableWidgetItem(entry.year > 0 ? QString::number(entry.year) : QString()));
        set_row_data(m_grid, row, qint64(i) + 1);
    }
    const int filled = m_grid->rowCount();
    if (filled < kMinimumRows)
        m_grid->setRowCount(kMinimumRows);
    for (int row = filled; row < m_grid->rowCount(); ++row)
        set_row_data(m_grid, row, 0);

    int current = 0;
    if (calendar_id > 0) {
        for (int row = 0; row < filled; ++row) {
            const CalendarListEntry &entry = m_entries[size_t(row)];
            if (entry.id == calendar_id && (year <= 0 || entry.year == year)) {
                current = row;
                break;
            }
        }
    }
    m_grid->setCurrentCell(current, 0);
    m_grid->scrollToItem(m_grid->item(current, 0) ? m_grid->item(current, 0) : nullptr);
    highlight_grid_row(m_grid, kSelectionColour);
    show_owner();
}

const CalendarListEntry *CalendarListWindow::current_entry() const
{
    const int row = m_grid->currentRow();
    const qint64 index = row < 0 ? 0 : row_data(m_grid, row);
    if (index < 1 || index > qint64(m_entries.size()) || m_entries[size_t(index - 1)].id < 1)
        return nullptr;
    return &m_entries[size_t(index - 1)];
}

void CalendarListWindow::show_owner()
{
    const CalendarListEntry *entry = current_entry();
    if (!entry)
        m_owner->clear();
    else if (entry->owner_link < 1)
        m_owner->setText(tr("Changes require system password"));
    else
        m_owner->setText(entry->owner_name);
}

void CalendarListWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    hide_editors();
    if (key == QLatin1String("close"))
        close();
    else if (key == QLatin1String("open_calendar"))
        open_calendar();
    else if (key == QLatin1String("new_name"))
        new_calendar_name();
    else if (key == QLatin1String("rename"))
        rename_calendar();
    else if (key == QLatin1String("add_year"))
        add_calendar_year();
    else if (key == QLatin1String("set_ownership"))
        set_ownership();
    else if (key == QLatin1String("remove_ownership"))
        remove_ownership();
    else if (key == QLatin1String("add_restrict_read_access"))
        add_restrict_read_access();
    else if (key == QLatin1String("remove_restrict_read_access"))
        remove_restrict_read_access();
    else if (key == QLatin1String("delete_year"))
        delete_calendar_year();
    else if (key == QLatin1String("reload"))
        load_calendar_name_list(0, 0);
}

void CalendarListWindow::open_calendar()
{
    const CalendarListEntry *entry = current_entry();
    MainWindowLink *main = app_state().main_link;
    if (!entry || !main)
        return;
    AppState &state = app_state();
    state.calendar_id = entry->id;
    state.calendar_name = entry->name;
    state.calendar_revision = entry->revision;
    // The shown month and day, in the chosen year; 29 February becomes the
    // 28th in a year without it.
    const QDate shown = main->selected_date().isValid() ? main->selected_date() : QDate::currentDate();
    const int year = entry->year > 0 ? entry->year : shown.year();
    QDate date(year, shown.month(), std::min(shown.day(), QDate(year, shown.month(), 1).daysInMonth()));
    if (main->show_calendar_year(date))
        accept();
}

void CalendarListWindow::place_over_row(QWidget *editor, int row, int offset)
{
    const QRect cell = m_grid->visualItemRect(m_grid->item(row, 0) ? m_grid->item(row, 0) : nullptr);
    const int top = m_grid->rowViewportPosition(row) + offset;
    editor->setGeometry(0, top, m_grid->viewport()->width(), std::max(cell.height(), editor->sizeHint().height()));
    editor->show();
    editor->raise();
}

void CalendarListWindow::hide_editors()
{
    m_rename->hide();
    m_new_name_frame->hide();
    m_new_year_list->hide();
}

void CalendarListWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        ModalWindow::keyPressEvent(event);
        return;
    }
    if (m_rename->isVisible())
        m_rename->hide();
    else if (m_new_name_frame->isVisible())
        m_new_name_frame->hide();
    else if (m_new_year_list->isVisible())
        m_new_year_list->hide();
    else
        close();
}

bool CalendarListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && key_is_enter(event)) {
        open_calendar();
        return true;
    }
    if (key_is_enter(event)) {
        if (watched == m_rename)
            save_renamed_calendar();
        else if (watched == m_new_name || watched == m_new_name_year)
            save_new_calendar_name();
        else if (watched == m_new_year_list)
            save_new_calendar_year();
        else
            return ModalWindow::eventFilter(watched, event);
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        // Focus moving to another window (the system password window) keeps
        // the editor; moving elsewhere in this window closes it.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == m_rename)
                m_rename->hide();
            else if (watched == m_new_year_list)
                m_new_year_list->hide();
            else if (watched == m_new_name || watched == m_new_name_year)
                new_name_focus_left(static_cast<QLineEdit *>(watched), QApplication::focusWidget());
        }
    }
    return ModalWindow::eventFilter(watched, event);
}

void CalendarListWindow::new_name_focus_left(QLineEdit *box, QWidget *now)
{
    QLineEdit *other = box == m_new_name ? m_new_name_year : m_new_name;
    if (get_tab_direction() != 0) {
        // Tab and Shift+Tab move between the two boxes only.
        QMetaObject::invokeMethod(other, [other] { other->setFocus(Qt::TabFocusReason); }, Qt::QueuedConnection);
        return;
    }
    if (now == other || !m_new_name_frame->isVisible())
        return;
    m_new_name_frame->hide();
    int last = 0;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        if (row_data(m_grid, row) != 0)
            last = row;
    }
    m_grid->setCurrentCell(last, 0);
}

std::optional<YearRange> CalendarListWindow::read_range(qint32 calendar_id)
{
    return get_calendar_year_range(calendar_id);
}

void CalendarListWindow::after_change(qint32 calendar_id, const QString &message)
{
    load_calendar_name_list(calendar_id, 0);
    if (!message.isEmpty())
        inform(this, message);
}

} // namespace dayvane
