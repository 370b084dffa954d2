#include "editor/calendareditwindow.h"

#include "editor/datefield.h"
#include "editor/dayload.h"
#include "editor/timeentryframe.h"
#include "model/textforms.h"
#include "store/dberror.h"
#include "ui_common/appstate.h"
#include "ui_common/errorreport.h"
#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/inputfilter.h"
#include "ui_common/interaction.h"
#include "ui_common/menutree.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace dayvane {

namespace {

constexpr int kColumns = 7;
constexpr int kHiddenStart = 4;
// Typing stops here; a longer stored comment is still shown whole.
constexpr int kCommentTypingLimit = 255;
// Visible column widths in twips: start, end, duration, work.
constexpr double kColumnTwips[4] = {850, 850, 1000, 550};
const char *const kWeekdayNames[7] = {QT_TRANSLATE_NOOP("dayvane", "Sun"), QT_TRANSLATE_NOOP("dayvane", "Mon"), QT_TRANSLATE_NOOP("dayvane", "Tue"), QT_TRANSLATE_NOOP("dayvane", "Wed"), QT_TRANSLATE_NOOP("dayvane", "Thu"), QT_TRANSLATE_NOOP("dayvane", "Fri"), QT_TRANSLATE_NOOP("dayvane", "Sat")};

// The visible columns' widths in twips, widened where the font would clip
// the longest text of a column.
std::array<int, 4> visible_column_widths(const QFontMetrics &metrics)
{
    const QString widest[4] = {QStringLiteral("00:00 AM"), QStringLiteral("00:00 AM"), QStringLiteral("24hrs 0min"),
                               QStringLiteral("Work")};
    std::array<int, 4> widths{};
    for (size_t column = 0; column < widths.size(); ++column)
        widths[column] = std::max(design_pixels(kColumnTwips[column]), metrics.horizontalAdvance(widest[column]) + 14);
    return widths;
}

QLabel *value_label(const QString &name)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000hrs 00min")) + 8);
    return label;
}

template <typename Widget>
Widget *indexed(Widget *widget, const QString &name, int index)
{
    widget->setObjectName(name);
    widget->setProperty("index", index);
    return widget;
}

} // namespace

CalendarEditWindow::CalendarEditWindow(QWidget *parent, std::function<void()> reload_main_window)
    : ModalWindow(QStringLiteral("calendar_edit"), parent, false)
    , m_reload(std::move(reload_main_window))
{
    setWindowTitle(tr("Edit calendar"));
    auto *layout = new QHBoxLayout(this);

    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("menu_tree"));
    m_tree->setRootIsDecorated(false);
    build_menu(m_tree, {
                           {QStringLiteral("close"), tr("Close window"), QString(), false, kCloseNodeColour},
                           {QStringLiteral("edit"), tr("Edit time period"), QString()},
                           {QStringLiteral("remove_time_period"), tr("Remove time period"), QString()},
                           {QStringLiteral("clear_day"), tr("Clear all time periods"), QString()},
                           {QStringLiteral("save_calendar"), tr("Save calendar"), QString()},
                       });
    set_tree_back_colour(m_tree, colour_from_number(kMenuTreeColour));
    connect_menu(m_tree, MenuStyle::Flat, [this] { process_menu(); });
    keep_menu_tree_fitted(m_tree, design_pixels(2400));
    layout->addWidget(m_tree);
    layout->addWidget(build_grid(), 0, Qt::AlignTop);

    auto *right = new QVBoxLayout;
    // Read by screen readers as it appears, and where the user looks
    // before saving; it never takes the focus from what is typed.
    m_changed = new QLabel(tr("Another workstation has changed this calendar. Saving will be refused: "
                              "close this window and open the day again."));
    m_changed->setObjectName(QStringLiteral("lbl_calendar_changed"));
    m_changed->setTextFormat(Qt::PlainText);
    m_changed->setWordWrap(true);
    m_changed->setFrameShape(QFrame::StyledPanel);
    QFont bold = m_changed->font();
    bold.setBold(true);
    m_changed->setFont(bold);
    m_changed->setAccessibleName(tr("Calendar changed"));
    m_changed->setAccessibleDescription(m_changed->text());
    m_changed->hide();
    right->addWidget(m_changed);
    right->addWidget(build_day_panel());
    right->addWidget(build_range_panel());
    right->addStretch();
    // The periods keep their grid; more room goes to the event's text.
    layout->addLayout(right, 1);
    set_tab_order();

    load();
    set_design_size(0, 0, 0);
    m_grid->setFocus();
}

QWidget *CalendarEditWindow::build_grid()
{
    m_grid = make_read_only_grid(QStringLiteral("grid"), QAbstractItemView::NoSelection);
    m_grid->setAccessibleName(tr("Time periods"));
    m_grid->setAccessibleDescription(tr("Enter edits the time period of the row, Delete removes it"));
    m_grid->setRowCount(DayEditor::kRows);
    m_grid->setColumnCount(kColumns);
    m_grid->setHorizontalHeaderLabels({tr("Start time"), tr("End time"),
                                       tr("Duration"), tr("Work"), QString(), QString(), QString()});
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setTabKeyNavigation(false);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setWordWrap(false);

    const QFontMetrics metrics = m_grid->fontMetrics();
    std::array<int, 4> widths = visible_column_widths(metrics);
    for (int column = 0; column < 4; ++column)
        widths[size_t(column)] = std::max(widths[size_t(column)], m_grid->horizontalHeader()->sectionSizeHint(column));
    for (int column = 0; column < 4; ++column)
        m_grid->setColumnWidth(column, widths[column]);
    for (int column = kHiddenStart; column < kColumns; ++column)
        m_grid->setColumnHidden(column, true);
    const int row_height = std::max(metrics.height() + 10, 24);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(row_height);
    for (int row = 0; row < DayEditor::kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto *item = new QTableWidgetItem;
            if (column == 2 || column == 3)
                item->setTextAlignment(Qt::AlignCenter);
            m_grid->setItem(row, column, item);
        }
    }
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedSize(widths[0] + widths[1] + widths[2] + widths[3] + frame,
                         m_grid->horizontalHeader()->sizeHint().height() + DayEditor::kRows * row_height + frame);

    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &CalendarEditWindow::edit_calendar);
    connect(m_grid, &QTableWidget::currentCellChanged, this, &CalendarEditWindow::highlight);

    m_frame = new TimeEntryFrame(m_grid->viewport());
    m_frame->set_column_widths(widths[0], widths[1], widths[2], widths[3]);
    connect(m_frame, &TimeEntryFrame::accept_requested, this, [this] {
        if (apply_time_input())
            m_grid->setFocus();
    });
    connect(m_frame, &TimeEntryFrame::leave_requested, this, &CalendarEditWindow::frame_left);
    connect(m_frame, &TimeEntryFrame::abandoned, m_grid, qOverload<>(&QWidget::setFocus));
    return m_grid;
}

QWidget *CalendarEditWindow::build_day_panel()
{
    auto *box = new QGroupBox(tr("Day"));
    auto *grid = new QGridLayout(box);
    m_day_start = value_label(QStringLiteral("day_start"));
    m_day_end = value_label(QStringLiteral("day_end"));
    m_work_time = value_label(QStringLiteral("work_time"));
    m_total_time = value_label(QStringLiteral("total_time"));
    grid->addWidget(new QLabel(tr("Day start")), 0, 0);
    grid->addWidget(m_day_start, 0, 1);
    grid->addWidget(new QLabel(tr("Day end")), 0, 2);
    grid->addWidget(m_day_end, 0, 3);
    grid->addWidget(new QLabel(tr("Work time")), 1, 0);
    grid->addWidget(m_work_time, 1, 1);
    grid->addWidget(new QLabel(tr("Total time")), 1, 2);
    grid->addWidget(m_total_time, 1, 3);

    m_comment = new QLineEdit;
    m_comment->setObjectName(QStringLiteral("comment"));
    m_comment->setMaxLength(kCommentTypingLimit);
    watch_input(m_comment, InputFilter::Restricted);
    auto *caption = new QLabel(tr("&Event"));
    caption->setBuddy(m_comment);
    grid->addWidget(caption, 2, 0);
    grid->addWidget(m_comment, 2, 1, 1, 4);
    grid->setColumnStretch(4, 1);
    return box;
}

QWidget *CalendarEditWindow::build_range_panel()
{
    auto *box = new QGroupBox(tr("Apply to"));
    auto *grid = new QGridLayout(box);
    const QString captions[2] = {tr("&From"), tr("&To")};
    for (int index = 0; index < 2; ++index) {
        m_dates[size_t(index)] = new DateField;
        m_dates[size_t(index)]->setObjectName(index == 0 ? QStringLiteral("start_date") : QStringLiteral("end_date"));
        auto *caption = new QLabel(captions[index]);
        caption->setBuddy(m_dates[size_t(index)]);
        auto *button = indexed(new QToolButton, QStringLiteral("button"), index);
        button->setText(QStringLiteral("..."));
        button->setToolTip(tr("Choose the date"));
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QToolButton::clicked, this, [this, index] { choose_date(index); });
        connect(m_dates[size_t(index)], &DateField::date_edited, this, [this, index] { date_edited(index); });
        auto *row = new QHBoxLayout;
        row->addWidget(m_dates[size_t(index)]);
        row->addWidget(button);
        row->addStretch();
        grid->addWidget(caption, index, 0);
        grid->addLayout(row, index, 1, 1, 3);
    }

    auto *weekdays = new QHBoxLayout;
    for (int number = 1; number <= 7; ++number) {
        auto *check = indexed(new QCheckBox(QCoreApplication::translate("dayvane", kWeekdayNames[number - 1])), QStringLiteral("weekdays"), number);
        connect(check, &QCheckBox::clicked, this, &CalendarEditWindow::get_date_range_total);
        m_weekdays[size_t(number - 1)] = check;
        weekdays->addWidget(check);
    }
    grid->addLayout(weekdays, 2, 0, 1, 4);

    m_work_time_range = value_label(QStringLiteral("work_time_range"));
    m_total_time_range = value_label(QStringLiteral("total_time_range"));
    grid->addWidget(new QLabel(tr("Work time")), 3, 0);
    grid->addWidget(m_work_time_range, 3, 1);
    grid->addWidget(new QLabel(tr("Total time")), 3, 2);
    grid->addWidget(m_total_time_range, 3, 3);
    return box;
}

void CalendarEditWindow::set_tab_order()
{
    // In reading order: the day, then where it goes.
    std::vector<QWidget *> chain = {m_tree, m_grid, m_frame->start_box(), m_frame->end_box(), m_frame->work_box(),
                                    m_comment};
    for (int index = 0; index < 2; ++index) {
        chain.push_back(m_dates[size_t(index)]);
        for (QToolButton *button : findChildren<QToolButton *>(QStringLiteral("button"))) {
            if (button->property("index").toInt() == index)
                chain.push_back(button);
        }
    }
    chain.insert(chain.end(), m_weekdays.begin(), m_weekdays.end());
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void CalendarEditWindow::load()
{
    m_loading = true;
    show_rows();
    AppState &state = app_state();
    if (!check_operation_allowed(true))
        return;
    LoadedDay loaded;
    try {
        loaded = load_day_and_run(*state.database, state.selected_day_id);
    } catch (const DbError &error) {
        report_error(error);
        return;
    }
    m_loaded = true;
    m_first_date = loaded.day.date;
    m_name_link = loaded.day.name_link;
    m_dates[0]->set_date(loaded.day.date);
    m_dates[1]->set_date(loaded.last_date);
    // A stored comment is shown whole and as it is (a holiday name may be
    // longer than typing allows): the limit and the filter guard typing.
    m_comment->setMaxLength(std::max(kCommentTypingLimit, int(loaded.day.comment.size())));
    set_unfiltered_text(m_comment, loaded.day.comment);
    for (size_t index = 0; index < m_weekdays.size(); ++index)
        m_weekdays[index]->setChecked(loaded.weekdays[index]);
    enable_disable_weekday_check_boxes();

    const DayRecord &day = loaded.day;
    m_day.load(day.time_segments, {day.day_start, day.day_stop, day.minutes1, day.minutes2});
    if (day.minutes1 >= 1 || day.minutes2 >= 1) {
        set_day_start_label(format_time_of_day(day.day_start));
        m_day_end->setText(format_time_of_day(day.day_stop));
        m_work_time->setText(format_editor_duration(day.minutes1));
        m_total_time->setText(format_editor_duration(day.minutes2));
    }
    show_rows();
    m_loading = false;
    get_date_range_total();
    make_current(0, true);
    m_loaded_state = edited_state();
}

QString CalendarEditWindow::edited_state() const
{
    const DayValues &values = m_day.values();
    QString state = QStringList{m_day.time_segments(), m_comment->text(), m_dates[0]->text(), m_dates[1]->text()}.join(u'\n');
    state += QStringLiteral("\n%1 %2 %3 %4 ").arg(values.day_start).arg(values.day_stop).arg(values.minutes1).arg(values.minutes2);
    for (const QCheckBox *box : m_weekdays)
        state += box->isChecked() ? u'1' : u'0';
    return state;
}

void CalendarEditWindow::show_rows()
{
    for (int index = 0; index < DayEditor::kRows; ++index) {
        const EditorRow &row = m_day.row(index);
        const QString texts[kColumns] = {
            row.filled ? format_time_of_day(row.start) : QString(),
            row.filled ? format_time_of_day(row.end) : QString(),
            row.filled ? format_editor_duration(row.duration) : QString(),
            row.filled ? (row.worked ? tr("Yes") : tr("No")) : QString(),
            QString::number(row.sort_key()),
            row.filled ? QString::number(row.end) : QString(),
            row.filled ? QString::number(row.duration) : QString(),
        };
        for (int column = 0; column < kColumns; ++column)
            m_grid->item(index, column)->setText(texts[column]);
        set_row_data(m_grid, index, row.number);
    }
}

void CalendarEditWindow::show_day_labels()
{
    const DayValues &values = m_day.values();
    const bool periods = m_day.has_periods();
    m_day_end->setText(periods ? format_time_of_day(values.day_stop) : QString());
    m_work_time->setText(values.minutes1 >= 1 ? format_editor_duration(values.minutes1) : QString());
    m_total_time->setText(values.minutes2 >= 1 ? format_editor_duration(values.minutes2) : QString());
    set_day_start_label(periods ? format_time_of_day(values.day_start) : QString());
}

void CalendarEditWindow::set_day_start_label(const QString &text)
{
    if (m_day_start->text() == text)
        return;
    m_day_start->setText(text);
    if (m_loading)
        return;
    // An end date typed while the start date was not valid escaped the year
    // check; this catches it before a save.
    if (correct_year(1, tr("Date input")))
        enable_disable_weekday_check_boxes();
    get_date_range_total();
}

void CalendarEditWindow::make_current(int row, bool scroll_to_top)
{
    if (row < 0)
        row = 0;
    QTableWidgetItem *item = m_grid->item(row, 0);
    if (scroll_to_top)
        m_grid->scrollToTop();
    else if (!m_grid->viewport()->rect().contains(m_grid->visualItemRect(item)))
        m_grid->scrollToItem(item, QAbstractItemView::PositionAtTop);
    const QSignalBlocker quiet(m_grid);
    m_grid->setCurrentCell(row, 0);
    highlight();
}

void CalendarEditWindow::highlight()
{
    highlight_grid_row(m_grid, palette().color(QPalette::Highlight), palette().color(QPalette::HighlightedText));
}

void CalendarEditWindow::place_frame(int row)
{
    int width = 0;
    for (int column = 0; column < 4; ++column)
        width += m_grid->columnWidth(column);
    m_frame->setGeometry(0, m_grid->rowViewportPosition(row), width, m_grid->rowHeight(row));
}

void CalendarEditWindow::frame_left(QWidget *left, bool to_grid)
{
    if (!apply_time_input())
        left->setFocus();
    else if (to_grid)
        m_grid->setFocus();
}

void CalendarEditWindow::process_menu()
{
    const QString key = selected_menu_key(m_tree);
    if (key == QLatin1String("close"))
        close();
    else if (key == QLatin1String("edit"))
        edit_calendar();
    else if (key == QLatin1String("remove_time_period"))
        clear_row();
    else if (key == QLatin1String("clear_day"))
        clear_day();
    else if (key == QLatin1String("save_calendar"))
        save_calendar();
}

void CalendarEditWindow::edit_calendar()
{
    m_editor_row = std::max(m_grid->currentRow(), 0);
    place_frame(m_editor_row);
    const EditorRow &row = m_day.row(m_editor_row);
    m_frame->open(row.filled ? format_editor_time(row.start) : QString(),
                  row.filled ? format_editor_time(row.end) : QString(), row.filled && row.worked);
}

void CalendarEditWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        if (m_frame->isVisible()) {
            m_frame->close_frame();
            m_grid->setFocus();
        } else {
            close();
        }
        return;
    }
    ModalWindow::keyPressEvent(event);
}

void CalendarEditWindow::reject()
{
    const bool changed = m_loaded && (m_frame->edited() || edited_state() != m_loaded_state);
    if (changed && !confirm(this, tr("Discard the changes to this day?")))
        return;
    ModalWindow::reject();
}

void CalendarEditWindow::tell_calendar_changed()
{
    if (!m_changed->isHidden())
        return;
    m_changed->show();
    QAccessibleEvent alert(m_changed, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool CalendarEditWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            edit_calendar();
            return true;
        case Qt::Key_Delete:
            clear_row();
            return true;
        case Qt::Key_Escape:
            keyPressEvent(key);
            return true;
        default:
            break;
        }
    }
    return ModalWindow::eventFilter(watched, event);
}

bool open_calendar_editor(QWidget *parent, std::function<void()> reload_main_window)
{
    CalendarEditWindow window(parent, std::move(reload_main_window));
    window.show_modal();
    return window.saved();
}

} // namespace dayvane
