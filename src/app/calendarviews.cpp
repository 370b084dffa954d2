#include "app/calendarviews.h"

#include "app/monthgrid.h"
#include "app/monthpicker.h"
#include "model/textforms.h"
#include "store/dberror.h"
#include "store/stepnumber.h"
#include "ui_common/appstate.h"
#include "ui_common/busycursor.h"
#include "ui_common/errorreport.h"
#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"
#include "users/security.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTextCharFormat>

#include <algorithm>

namespace dayvane {

namespace {

constexpr int kEventGridRows = 49;  // 50 with the header row
enum EventColumn { DateColumn, CommentColumn, WorkColumn, PayColumn, IsoDateColumn, RecordIdColumn, ColumnCount };

const QString kTimeZero = QStringLiteral("0h 0m");

QString days_text(int days)
{
    return QCoreApplication::translate("dayvane", "%1 days").arg(days);
}

// The summary labels of a month or a year share their names after the
// "lbl_month_" / "lbl_year_" prefix.
const char *const kDayCounts[] = {"work_typical_days", "work_altered_days", "work_total_days",
                                  "no_work_pay_only_days", "pay_days"};
const char *const kTimes[] = {"work_typical_time", "work_altered_time", "work_total_time", "pay_time"};

template <typename Totals>
QStringList summary_texts(const Totals &t)
{
    // In the order of kDayCounts, then kTimes.
    return {days_text(t.typical_days), days_text(t.altered_days), days_text(t.typical_days + t.altered_days),
            days_text(t.pay_only_days), days_text(t.pay_days), format_minutes(t.typical_minutes),
            format_minutes(t.altered_minutes), format_minutes(t.typical_minutes + t.altered_minutes),
            format_minutes(t.pay_minutes)};
}

QTableWidgetItem *grid_item(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

CalendarViews::CalendarViews(const ViewWidgets &widgets, QObject *parent)
    : QObject(parent)
    , m_w(widgets)
{
    QTableWidget *grid = m_w.event_grid;
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The toolkit's own selection paints in the highlight's colours, so the
    // selected row reads the same whether or not the grid has the focus.
    QPalette palette = grid->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, kEventRowColour);
        palette.setColor(group, QPalette::HighlightedText, kEventRowTextColour);
    }
    grid->setPalette(palette);
    reset_event_grid();
    connect_widgets();
}

void CalendarViews::connect_widgets()
{
    connect(m_w.calendar, &QCalendarWidget::selectionChanged, this, &CalendarViews::on_selection_changed);
    connect(m_w.calendar, &QCalendarWidget::activated, this, [this] { edit_calendar(); });
    // The mouse wheel turns the control's page without picking a date: pick
    // the same day of the shown month, so that every view follows the page.
    connect(m_w.calendar, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        const QDate selected = m_w.calendar->selectedDate();
        if (selected.year() == year && selected.month() == month)
            return;
        const QDate first(year, month, 1);
        m_w.calendar->setSelectedDate(first.addDays(std::min(selected.day(), first.daysInMonth()) - 1));
    });
    m_picker = new MonthPicker({m_w.window, m_w.calendar, m_w.month_tree, m_w.month_list, m_w.previous_month,
                                m_w.next_month},
                               [this](QDate date) { move_to_month_of(date); }, this);

    QTableWidget *grid = m_w.event_grid;
    connect(grid, &QTableWidget::currentCellChanged, this,
            [grid] { highlight_grid_row(grid, kEventRowColour, kEventRowTextColour); });
    // A double click on an empty row moves the selection to a data row first;
    // the click itself still asks for nothing.
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this, grid](int row) {
        if (row_data(grid, row) != 0)
            move_to_event_date();
    });
}

void CalendarViews::set_label(const QString &name, const QString &text) const
{
    if (QLabel *label = m_w.window->findChild<QLabel *>(name))
        label->setText(text);
}

void CalendarViews::clear(int scope)
{
    AppState &state = app_state();
    if (scope == 1) {
        state.calendar_id = 0;
        state.calendar_name.clear();
        state.calendar_revision = 0;
        state.selected_day_id = 0;
        state.first_shown_date = QDate();
        state.last_shown_date = QDate();
        state.calendar_loaded = false;
    }
    if (scope <= 2) {
        m_year = CalendarYear();
        state.calendar_loaded = false;
        set_label(QStringLiteral("lbl_calendar_name"), tr("No calendar loaded"));
        set_label(QStringLiteral("lbl_summary_year"), QString());
        for (const char *name : kDayCounts)
            set_label(QStringLiteral("lbl_year_") + QLatin1String(name), days_text(0));
        for (const char *name : kTimes)
            set_label(QStringLiteral("lbl_year_") + QLatin1String(name), kTimeZero);
    }
    if (scope <= 3) {
        m_weeks = {};
        for (const QString &name : {QStringLiteral("work_week"), QStringLiteral("pay_week")}) {
            for (QLabel *label : m_w.window->findChildren<QLabel *>(name))
                label->setText(kTimeZero);
        }
        m_w.calendar->setDateTextFormat(QDate(), QTextCharFormat());  // every bold mark
        set_label(QStringLiteral("lbl_summary_month"), QString());
        for (const char *name : kDayCounts)
            set_label(QStringLiteral("lbl_month_") + QLatin1String(name), days_text(0));
        for (const char *name : kTimes)
            set_label(QStringLiteral("lbl_month_") + QLatin1String(name), kTimeZero);
    }
    if (scope <= 4) {
        for (const char *name : {"lbl_cal_date", "lbl_start_time", "lbl_end_time", "lbl_event"})
            set_label(QLatin1String(name), QString());
        set_label(QStringLiteral("lbl_work_time"), kTimeZero);
        set_label(QStringLiteral("lbl_paid_time"), kTimeZero);
    }
    if (scope <= 2 || scope == 5)
        reset_event_grid();
}

void CalendarViews::reset_event_grid()
{
    QTableWidget *grid = m_w.event_grid;
    grid->clear();
    grid->setColumnCount(ColumnCount);
    grid->setRowCount(kEventGridRows);
    grid->setHorizontalHeaderLabels({tr("Date"), tr("Events"), tr("Work"),
                                     tr("Pay"), QString(), QString()});
    // Designed widths, widened where the desktop's font needs more for the
    // widest date and day total.
    const int widths[] = {790, 2340, 930, 930};
    const QFontMetrics metrics = grid->fontMetrics();
    int widest_date = 0;
    for (int month = 1; month <= 12; ++month)
        widest_date = std::max(widest_date, metrics.horizontalAdvance(screen_list_date(QDate(2024, month, 30 - (month == 2)))));
    const int needed[] = {widest_date, 0, metrics.horizontalAdvance(QStringLiteral("24h 00m")),
                          metrics.horizontalAdvance(QStringLiteral("24h 00m"))};
    for (int column = DateColumn; column <= PayColumn; ++column)
        grid->setColumnWidth(column, std::max(design_pixels(widths[column]), needed[column] + 14));
    grid->setColumnHidden(IsoDateColumn, true);
    grid->setColumnHidden(RecordIdColumn, true);
    // The events column takes what the narrow window leaves.
    grid->horizontalHeader()->setSectionResizeMode(CommentColumn, QHeaderView::Stretch);
    for (int row = 0; row < kEventGridRows; ++row)
        set_row_data(grid, row, 0);
}

void CalendarViews::limit_to_year(int year)
{
    // Signals stay quiet: the caller redraws once the range is set.
    const QSignalBlocker quiet(m_w.calendar);
    m_w.calendar->setDateRange(QDate(1800, 1, 1), QDate(9999, 12, 31));
    m_w.calendar->setDateRange(QDate(year, 1, 1), QDate(year, 12, 31));
}

void CalendarViews::select_date_for_load(QDate date)
{
    if (!date.isValid())
        return;
    {
        const QSignalBlocker quiet(m_w.calendar);
        m_w.calendar->setDateRange(QDate(1800, 1, 1), QDate(9999, 12, 31));
        m_w.calendar->setSelectedDate(date);
    }
    limit_to_year(date.year());
    app_state().current_date = m_w.calendar->selectedDate();
}

bool CalendarViews::load_calendar_data()
{
    AppState &state = app_state();
    if (!state.db_connected || !state.database || state.calendar_id == 0)
        return false;
    const int year = m_w.calendar->selectedDate().year();
    limit_to_year(year);
    m_picker->update();
    if (!check_calendar_access(true)) {
        clear(1);
        return false;
    }
    clear(2);
    try {
        const BusyCursor busy;
        m_year = load_calendar_year(*state.database, state.calendar_id, year, set_step_number);
    } catch (const DbError &error) {
        const int step = step_number();
        clear(1);
        report_error(error.number(), error.description(), error.source(), step);
        return false;
    }
    state.calendar_name = m_year.calendar_name();
    state.calendar_revision = m_year.calendar_revision();
    state.first_shown_date = m_year.first_shown_date();
    state.last_shown_date = m_year.last_shown_date();
    return true;
}

bool CalendarViews::reload(int filter)
{
    const bool loaded = load_calendar_data();
    app_state().calendar_loaded = loaded;
    if (loaded) {
        show_year();
        show_month();
        show_day();
        show_calendar_event_dates(filter);
    }
    return loaded;
}

void CalendarViews::edit_calendar()
{
    AppState &state = app_state();
    if (!check_operation_allowed(true) || !state.calendar_loaded
        || !check_calendar_revision(state.calendar_id, state.calendar_revision))
        return;
    const DayEntry *day = m_year.entry(m_w.calendar->selectedDate());
    state.selected_day_id = day ? day->id : 0;
    if (state.selected_day_id > 0 && m_open_editor)
        m_open_editor();
}

void CalendarViews::show_year()
{
    if (!app_state().calendar_loaded)
        return;
    set_label(QStringLiteral("lbl_summary_year"), QString::number(m_year.year()));
    const QStringList texts = summary_texts(m_year.year_totals());
    int i = 0;
    for (const char *name : kDayCounts)
        set_label(QStringLiteral("lbl_year_") + QLatin1String(name), texts[i++]);
    for (const char *name : kTimes)
        set_label(QStringLiteral("lbl_year_") + QLatin1String(name), texts[i++]);
}

void CalendarViews::show_month()
{
    clear(3);
    const QDate selected = m_w.calendar->selectedDate();
    m_picker->update();
    set_label(QStringLiteral("lbl_summary_month"), screen_month_name(selected.month()));
    if (!app_state().calendar_loaded)
        return;

    set_label(QStringLiteral("lbl_calendar_name"),
              app_state().calendar_name + QStringLiteral(" / ") + QString::number(m_year.year()));
    m_weeks = week_rows(m_year, selected.year(), selected.month());
    // The days of the month show their class; a commented day is bold as well.
    for (QDate day = m_weeks.front().start; day <= m_weeks.back().end; day = day.addDays(1)) {
        const DayEntry *entry = m_year.entry(day);
        QTextCharFormat format;
        if (entry && !entry->comment.isEmpty())
            format.setFontWeight(QFont::Bold);
        if (entry && day.month() == selected.month())
            format = day_class_format(m_year.day_kind(*entry), format);
        if (format != QTextCharFormat())
            m_w.calendar->setDateTextFormat(day, format);
    }
    for (QLabel *label : m_w.window->findChildren<QLabel *>()) {
        const int row = label->property("index").toInt() - 1;
        if (row < 0 || row >= int(m_weeks.size()))
            continue;
        if (label->objectName() == QLatin1String("work_week"))
            label->setText(format_minutes(m_weeks[std::size_t(row)].work));
        else if (label->objectName() == QLatin1String("pay_week"))
            label->setText(format_minutes(m_weeks[std::size_t(row)].pay));
    }

    const QStringList texts = summary_texts(m_year.month_totals(selected.month()));
    int i = 0;
    for (const char *label : kDayCounts)
        set_label(QStringLiteral("lbl_month_") + QLatin1String(label), texts[i++]);
    for (const char *label : kTimes)
        set_label(QStringLiteral("lbl_month_") + QLatin1String(label), texts[i++]);
}

void CalendarViews::show_day(QDate date)
{
    clear(4);
    AppState &state = app_state();
    if (!state.calendar_loaded)
        return;
    if (date.isValid()) {
        const QSignalBlocker quiet(m_w.calendar);
        m_w.calendar->setSelectedDate(date);
        state.current_date = m_w.calendar->selectedDate();
    }
    const qint64 index = m_year.first_shown_date().daysTo(m_w.calendar->selectedDate());
    const DayEntry *day = m_year.entry(m_w.calendar->selectedDate());
    if (!day)
        return;
    // A day without a stored record has no date of its own.
    set_label(QStringLiteral("lbl_cal_date"), screen_list_date(m_year.date_at(index)));
    if (day->minutes1 > 0 || day->minutes2 >= 1) {
        set_label(QStringLiteral("lbl_start_time"), screen_time_of_day(day->day_start));
        set_label(QStringLiteral("lbl_end_time"), screen_time_of_day(day->day_stop));
        set_label(QStringLiteral("lbl_work_time"), format_minutes(day->minutes1));
        set_label(QStringLiteral("lbl_paid_time"), format_minutes(day->minutes2));
    }
    set_label(QStringLiteral("lbl_event"), day->comment);
}

void CalendarViews::show_calendar_event_dates(int filter)
{
    AppState &state = app_state();
    if (!state.calendar_loaded)
        return;
    state.event_filter = filter;
    QTableWidget *grid = m_w.event_grid;
    // Quiet while filling: the row highlight would switch painting back on.
    const QSignalBlocker quiet(grid);
    clear(5);
    grid->horizontalHeaderItem(CommentColumn)->setText(event_filter_header(filter));
    grid->setUpdatesEnabled(false);
    grid->setRowCount(0);
    const std::vector<DayEntry> &days = m_year.day_entries();
    for (std::size_t index = 0; index < days.size(); ++index) {
        const DayEntry &day = days[index];
        if (m_year.date_at(qsizetype(index)).year() != m_year.year() || !is_listed(m_year, day, filter))
            continue;
        const int row = grid->rowCount();
        grid->insertRow(row);
        fill_event_row(row, qsizetype(index), day);
    }
    for (int row = grid->rowCount(); row < kEventGridRows; ++row) {
        grid->insertRow(row);
        set_row_data(grid, row, 0);
    }
    grid->setCurrentCell(0, DateColumn);
    highlight_grid_row(grid, kEventRowColour, kEventRowTextColour);
}

void CalendarViews::fill_event_row(int row, qsizetype index, const DayEntry &day)
{
    QTableWidget *grid = m_w.event_grid;
    const QDate date = m_year.date_at(index);
    grid->setItem(row, DateColumn, grid_item(screen_list_date(date), Qt::AlignHCenter));
    grid->setItem(row, CommentColumn, grid_item(day.comment, Qt::AlignLeft));
    grid->setItem(row, WorkColumn, grid_item(format_minutes(day.minutes1), Qt::AlignHCenter));
    grid->setItem(row, PayColumn, grid_item(format_minutes(day.minutes2), Qt::AlignHCenter));
    grid->setItem(row, IsoDateColumn, grid_item(date.toString(Qt::ISODate), Qt::AlignLeft));
    grid->setItem(row, RecordIdColumn, grid_item(QString::number(day.id), Qt::AlignLeft));
    set_row_data(grid, row, index + 1);  // never 0, even for the span's first day
}

void CalendarViews::move_to_event_date()
{
    QTableWidget *grid = m_w.event_grid;
    const int row = grid->currentRow();
    if (row < 0 || row_data(grid, row) == 0)
        return;
    const QTableWidgetItem *item = grid->item(row, IsoDateColumn);
    const QDate date = item ? QDate::fromString(item->text(), Qt::ISODate) : QDate();
    if (!date.isValid())
        return;
    const bool other_month = date.month() != m_w.calendar->selectedDate().month();
    {
        const QSignalBlocker quiet(m_w.calendar);
        m_w.calendar->setSelectedDate(date);
    }
    app_state().current_date = m_w.calendar->selectedDate();
    if (other_month)
        show_month();
    show_day();
}

void CalendarViews::on_selection_changed()
{
    AppState &state = app_state();
    const QDate selected = m_w.calendar->selectedDate();
    const QDate before = state.current_date;
    state.current_date = selected;
    if (selected.month() != before.month() || selected.year() != before.year()) {
        show_year();
        show_month();
    }
    show_day();
}

void CalendarViews::move_to_month_of(QDate date)
{
    {
        const QSignalBlocker quiet(m_w.calendar);
        m_w.calendar->setSelectedDate(date);
    }
    app_state().current_date = m_w.calendar->selectedDate();
    show_year();
    show_month();
    show_day();
}

} // namespace dayvane
