// The editor's commands that change the day, the range and the database.

#include "editor/calendareditwindow.h"

#include "dialogs/dateselectorwindow.h"
#include "editor/datefield.h"
#include "editor/rangesave.h"
#include "editor/timeentryframe.h"
#include "model/textforms.h"
#include "ui_common/appstate.h"
#include "ui_common/busycursor.h"
#include "ui_common/interaction.h"
#include "users/security.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace dayvane {

namespace {

const QString kTimeFormatLine = QStringLiteral("time format (HH:MM Am or PM)");

} // namespace

bool CalendarEditWindow::apply_time_input()
{
    using Outcome = TimeEntryResult::Outcome;
    const TimeEntryResult result =
        m_day.apply_time_input(m_editor_row, m_frame->start_text(), m_frame->end_text(), m_frame->worked());
    switch (result.outcome) {
    case Outcome::InvalidStart:
        inform(this, message_lines({tr("The start time does not comply with the required"), kTimeFormatLine}));
        return false;
    case Outcome::InvalidEnd:
        inform(this, message_lines({tr("The End time does not comply with the required"), kTimeFormatLine}));
        return false;
    case Outcome::OneTimeMissing:
        inform(this, tr("Please provide or clear start and end time."));
        return false;
    case Outcome::Conflict: {
        const EditorRow &other = m_day.row(result.row);
        interaction().show_message(this, tr("Calendar"),
                                   tr("Time entry conflicts with ") + format_time_of_day(other.start)
                                       + tr(" to ") + format_time_of_day(other.end),
                                   MessageIcon::Information);
        return false;
    }
    case Outcome::Cleared:
    case Outcome::Written:
        break;
    }
    show_rows();
    show_day_labels();
    get_date_range_total();
    make_current(result.row, false);
    m_frame->close_frame();
    return true;
}

void CalendarEditWindow::clear_row()
{
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    m_frame->close_frame();
    m_day.clear_row(row);
    show_rows();
    show_day_labels();
    get_date_range_total();
    make_current(0, true);
}

void CalendarEditWindow::clear_day()
{
    if (!m_day.has_periods())
        return;
    if (!confirm(this, tr("Clear all time periods for the day?")))
        return;
    m_frame->close_frame();
    m_comment->clear();
    m_day.clear_all();
    show_rows();
    show_day_labels();
    get_date_range_total();
    highlight();
}

void CalendarEditWindow::save_calendar()
{
    // A window whose day could not be read has nothing to save.
    if (!m_loaded)
        return;
    // A period still open in the frame is part of what the user means to save.
    if (m_frame->isVisible() && !apply_time_input())
        return;
    const std::optional<QDate> start = m_dates[0]->date();
    const std::optional<QDate> end = m_dates[1]->date();
    if (count_of_days_in_range(start, end, ticked_weekdays()) == 0) {
        interaction().show_message(this, tr("Date input"),
                                   message_lines({tr("No date of the range is selected."),
                                                  tr("Please check the start and end date and the weekdays.")}),
                                   MessageIcon::Information);
        return;
    }
    // The save writes only where the main window looks: the shown year.
    if (correct_year(0, kMessageTitle) || correct_year(1, kMessageTitle)) {
        enable_disable_weekday_check_boxes();
        get_date_range_total();
        return;
    }
    if (!confirm(this, tr("Override calendar?")))
        return;
    if (!check_operation_allowed(true))
        return;
    const BusyCursor busy;
    AppState &state = app_state();
    if (!check_calendar_revision(m_name_link, state.calendar_revision) || !check_calendar_access(false))
        return;

    RangeWrite write;
    write.calendar_id = m_name_link;
    write.start = *start;
    write.end = *end;
    write.weekdays = ticked_weekdays();
    write.values = m_day.values();
    write.time_segments = m_day.time_segments();
    write.comment = m_comment->text();
    const std::optional<qint32> revision =
        change_calendar_days(m_name_link, state.calendar_revision, write.start, write.end, [&write](Database &db, std::vector<DayState> &days) {
            write_day_to_range(db, write, &days);
            return range_save_action(write);
        });
    if (!revision)
        return;
    state.calendar_revision = *revision;
    m_saved = true;
    if (m_reload)
        m_reload();
    accept();
}

void CalendarEditWindow::choose_date(int index)
{
    DateField *field = m_dates[size_t(index)];
    selector_date() = field->date().value_or(QDate(calendar_year(), 1, 1));
    if (!show_date_selector(this))
        return;
    field->set_date(selector_date());
    date_edited(index);
}

void CalendarEditWindow::date_edited(int index)
{
    correct_year(index, kMessageTitle);
    // An end date typed while the start date was not valid escaped its check.
    if (index == 0)
        correct_year(1, kMessageTitle);
    enable_disable_weekday_check_boxes();
    get_date_range_total();
}

bool CalendarEditWindow::correct_year(int index, const QString &title)
{
    const std::optional<QDate> date = m_dates[size_t(index)]->date();
    if (!date || (index == 1 && !m_dates[0]->date()))
        return false;
    const int year = calendar_year();
    if (date->year() == year)
        return false;
    interaction().show_message(this, title, tr("The calendar year must be ") + QString::number(year),
                               MessageIcon::Information);
    m_dates[size_t(index)]->setText(m_dates[size_t(index)]->text().left(6) + QString::number(year));
    return true;
}

void CalendarEditWindow::enable_disable_weekday_check_boxes()
{
    const std::optional<QDate> start = m_dates[0]->date();
    const std::optional<QDate> end = m_dates[1]->date();
    if (!start || !end)
        return;
    const Weekdays in_range = weekdays_in_range(*start, *end);
    for (size_t index = 0; index < m_weekdays.size(); ++index)
        m_weekdays[index]->setEnabled(in_range[index]);
}

void CalendarEditWindow::get_date_range_total()
{
    if (m_loading)
        return;
    const int days = count_of_days_in_range(m_dates[0]->date(), m_dates[1]->date(), ticked_weekdays());
    const RangeTotalTexts texts = range_total_texts(days, m_day.values().minutes1, m_day.values().minutes2);
    m_work_time_range->setText(texts.work);
    m_total_time_range->setText(texts.total);
}

Weekdays CalendarEditWindow::ticked_weekdays() const
{
    Weekdays ticked{};
    for (size_t index = 0; index < m_weekdays.size(); ++index)
        ticked[index] = m_weekdays[index]->isChecked();
    return ticked;
}

int CalendarEditWindow::calendar_year() const
{
    // The loaded day lies in the year the main window shows.
    if (m_first_date.isValid())
        return m_first_date.year();
    const QDate shown = app_state().current_date;
    return shown.isValid() ? shown.year() : QDate::currentDate().year();
}

} // namespace dayvane
