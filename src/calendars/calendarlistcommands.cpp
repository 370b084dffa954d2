// The commands of the calendar list that change calendars: new names,
// renames, years, owners and read restriction.

#include "calendars/calendarlistwindow.h"

#include "store/dberror.h"
#include "ui_common/appstate.h"
#include "ui_common/busycursor.h"
#include "ui_common/errorreport.h"
#include "ui_common/geometry.h"
#include "ui_common/gridhelpers.h"
#include "ui_common/inputfilter.h"
#include "ui_common/interaction.h"
#include "ui_common/mainwindowlink.h"
#include "users/security.h"
#include "users/userlistwindow.h"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include <cmath>

namespace dayvane {

namespace {

QString quoted(const QString &text)
{
    return QStringLiteral("''") + text + QStringLiteral("''");
}

Database &database()
{
    return *app_state().database;
}

} // namespace

void CalendarListWindow::new_calendar_name()
{
    int row = 0;
    while (row < m_grid->rowCount() && row_data(m_grid, row) != 0)
        ++row;
    if (row == m_grid->rowCount()) {
        m_grid->insertRow(row);
        set_row_data(m_grid, row, 0);
    }
    {
        // The row stays current although it holds no calendar yet.
        const QSignalBlocker quiet(m_grid);
        m_grid->setCurrentCell(row, 0);
    }
    m_grid->scrollToItem(m_grid->item(row, 0));
    set_unfiltered_text(m_new_name, QString());
    set_unfiltered_text(m_new_name_year, QString());
    place_over_row(m_new_name_frame, row, 0);
    m_new_name->setFocus();
}

void CalendarListWindow::save_new_calendar_name()
{
    const QString name = m_new_name->text();
    if (name.trimmed().isEmpty()) {
        inform(this, tr("The calendar name cannot be blank."));
        return;
    }
    const double value = m_new_name_year->text().toDouble();
    if (value < 2000 || value > 2100) {
        inform(this, tr("The calendar year must be between 2000 and 2100."));
        return;
    }
    if (!check_operation_allowed(true, true))
        return;
    const int year = int(std::nearbyint(value));
    BusyCursor busy;
    qint32 id = 0;
    if (!run_reported([&] { id = create_calendar(database(), name, year); }))
        return;
    if (id == 0) {
        interaction().show_message(this, tr("New calendar name"),
                                   tr("The calendar name specified already exists."), MessageIcon::Information);
        return;
    }
    m_new_name_frame->hide();
    load_calendar_name_list(id, year);
}

void CalendarListWindow::rename_calendar()
{
    const CalendarListEntry *entry = current_entry();
    if (!entry)
        return;
    m_rename->setText(entry->name);
    if (!entry->name.trimmed().isEmpty())
        m_rename->selectAll();
    place_over_row(m_rename, m_grid->currentRow(), twips_to_pixels(10));
    m_rename->setFocus();
}

void CalendarListWindow::save_renamed_calendar()
{
    const QString name = m_rename->text();
    if (name.trimmed().isEmpty()) {
        inform(this, tr("The calendar name cannot be blank."));
        return;
    }
    if (!check_operation_allowed(true, true))
        return;
    const CalendarListEntry *entry = current_entry();
    if (!entry)
        return;
    const qint32 id = entry->id;
    BusyCursor busy;
    std::optional<qint32> revision;
    if (!run_reported([&] { revision = rename_calendar_record(database(), id, entry->revision, name); }))
        return;
    if (!revision) {
        inform(this, tr("The calendar name specified already exists."));
        return;
    }
    m_rename->hide();
    AppState &state = app_state();
    if (id == state.calendar_id) {
        state.calendar_revision = *revision;
        state.calendar_name = name;
        if (state.main_link)
            state.main_link->refresh_calendar_caption();
    }
    load_calendar_name_list(id, 0);
}

void CalendarListWindow::add_calendar_year()
{
    const CalendarListEntry *entry = current_entry();
    if (!entry)
        return;
    const std::optional<YearRange> range = read_range(entry->id);
    if (!range)
        return;
    m_range_seen = *range;
    m_new_year_list->clear();
    m_new_year_list->addItem(QString::number(range->first_year - 1));
    m_new_year_list->addItem(QString::number(range->last_year + 1));
    m_new_year_list->setCurrentRow(1);
    place_over_row(m_new_year_list, m_grid->currentRow(), 0);
    m_new_year_list->setFixedHeight(m_new_year_list->sizeHintForRow(0) * 2 + 4);
    m_new_year_list->setFocus();
}

void CalendarListWindow::save_new_calendar_year()
{
    const CalendarListEntry *entry = current_entry();
    if (!entry || !m_new_year_list->currentItem() || !check_operation_allowed(true, true))
        return;
    BusyCursor busy;
    const qint32 id = entry->id;
    const qint32 remembered = entry->revision;
    const std::optional<YearRange> now = read_range(id);
    if (!now)
        return;
    if (now->first_year != m_range_seen.first_year || now->last_year != m_range_seen.last_year) {
        interaction().show_message(this, tr("New calendar year"),
                                   message_lines({tr("The calendar has been changed by another user."),
                                                  tr("The Year options are no longer valid.")}),
                                   MessageIcon::Information);
        return;
    }
    if (!check_calendar_revision(id, remembered))
        return;
    const int year = m_new_year_list->currentItem()->text().toInt();
    std::optional<qint32> revision;
    if (!run_reported([&] { revision = add_calendar_year_record(database(), id, remembered, year); }))
        return;
    if (!revision) {
        inform(this, tr("The specified calendar year already exists for this calendar name."));
        return;
    }
    if (id == app_state().calendar_id)
        app_state().calendar_revision = *revision;
    m_new_year_list->hide();
    load_calendar_name_list(id, year);
}

void CalendarListWindow::delete_calendar_year()
{
    const CalendarListEntry *entry = current_entry();
    if (!entry || !check_operation_allowed(true))
        return;
    const CalendarListEntry chosen = *entry;
    const bool sure = interaction().ask_yes_no(
        this, tr("Delete"),
        tr("Delete year ") + QString::number(chosen.year) + tr(" from calendar ''") + chosen.name
            + QStringLiteral("'' ?"),
        MessageIcon::Question, false);
    if (!sure)
        return;
    const std::optional<YearRange> seen = read_range(chosen.id);
    if (!seen)
        return;
    if (chosen.year != seen->first_year && chosen.year != seen->last_year) {
        inform(this, message_lines({tr("Calendar years must be contiguous."),
                                    tr("Only the first year (%1) or the last year (%2) can be deleted.")
                                        .arg(seen->first_year)
                                        .arg(seen->last_year)}));
        return;
    }
    const bool only_year = seen->count == 1;
    if (only_year
        && !interaction().ask_yes_no(this, kMessageTitle,
                                     message_lines({tr("Deleting the only year for this calendar name will cause"),
                                                    tr("the deletion of the name as well."), QString(),
                                                    tr("Do you want to proceed?")}),
                                     MessageIcon::Information))
        return;
    if (!check_operation_allowed(true, true))
        return;
    const std::optional<YearRange> now = read_range(chosen.id);
    if (!now)
        return;
    const bool deleted = run_reported([&] {
        if (now->first_year != seen->first_year || now->last_year != seen->last_year || now->count != seen->count)
            throw DbError(DbError::ProgramError, QString::fromUtf8(QT_TRANSLATE_NOOP("dayvane", "DB record out of date")), QStringLiteral("calendar_list"));
        delete_calendar_year_record(database(), chosen.id, chosen.revision, chosen.year, only_year);
    });
    if (!deleted)
        return;
    AppState &state = app_state();
    if (chosen.id == state.calendar_id && state.main_link
        && state.main_link->selected_date().year() == chosen.year)
        state.main_link->clear_calendar_data(1);
    load_calendar_name_list(0, 0);
}

void CalendarListWindow::set_ownership()
{
    const CalendarListEntry *entry = current_entry();
    if (!entry)
        return;
    const CalendarListEntry chosen = *entry;
    const QString question =
        chosen.owner_link < 1
            ? message_lines({tr("Assign an owner to the calendar"), quoted(chosen.name) + u'?'})
            : message_lines({tr("Replace calendar owner "), quoted(chosen.owner_name) + u'?'});
    if (!interaction().ask_yes_no(this, kMessageTitle, question, MessageIcon::Question))
        return;
    const qint32 owner = choose_user(this);
    if (!check_operation_allowed(true, true) || owner <= 0)
        return;
    if (!run_reported([&] { set_calendar_owner(database(), chosen.id, chosen.revision, owner); }))
        return;
    app_state().selected_user_id = 0;
    after_change(chosen.id, tr("The calendar ownership selection has been applied successfully."));
}

void CalendarListWindow::remove_ownership()
{
    const CalendarListEntry *entry = current_entry();
    if (!entry)
        return;
    const CalendarListEntry chosen = *entry;
    const QString question = message_lines(
        {tr("Remove ownership from calendar:"), quoted(chosen.name), QString(), QStringLiteral("Note:"),
         tr("The ''System password'' will be required to make changes to the calendar"),
         tr("after ''Calendar ownership'' has been removed.")});
    if (!interaction().ask_yes_no(this, kMessageTitle, question, MessageIcon::Question)
        || !check_operation_allowed(true, true))
        return;
    OwnershipOutcome outcome = OwnershipOutcome::Done;
    if (!run_reported([&] { outcome = remove_calendar_owner(database(), chosen.id, chosen.revision); }))
        return;
    if (outcome == OwnershipOutcome::NoOwner) {
        inform(this, tr("The calendar does not have an owner assigned."));
        return;
    }
    after_change(chosen.id, QString());
}

void CalendarListWindow::add_restrict_read_access()
{
    const CalendarListEntry *entry = current_entry();
    if (!entry)
        return;
    const CalendarListEntry chosen = *entry;
    const QString question = message_lines(
        {tr("Add restriction to calendar:"), quoted(chosen.name) + u'?', QString(), QStringLiteral("Note:"),
         tr("Adding ''Read restriction'' will allow only the owner to view this calendar."),
         tr("Do you want to proceed?")});
    if (!interaction().ask_yes_no(this, kMessageTitle, question, MessageIcon::Information)
        || !check_operation_allowed(true, true))
        return;
    OwnershipOutcome outcome = OwnershipOutcome::Done;
    if (!run_reported([&] { outcome = set_read_restriction(database(), chosen.id, chosen.revision, true); }))
        return;
    if (outcome == OwnershipOutcome::NoOwner) {
        inform(this, message_lines({tr("Cannot add ''Read restriction'' to this calendar because an ''Owner'' has not "),
                                    tr("been assigned.")}));
        return;
    }
    after_change(chosen.id, tr("The ''Read restriction'' has been added to the calendar successfully."));
}

void CalendarListWindow::remove_restrict_read_access()
{
    const CalendarListEntry *entry = current_entry();
    if (!entry)
        return;
    const CalendarListEntry chosen = *entry;
    const QString question = message_lines(
        {tr("Remove ''Read restriction'' from calendar:") + quoted(chosen.name) + u'?', QString(),
         QStringLiteral("Note:"), tr("Removing the ''Read restriction'' will allow public viewing"),
         tr("of the calendar.")});
    if (!interaction().ask_yes_no(this, kMessageTitle, question, MessageIcon::Information)
        || !check_operation_allowed(true, true))
        return;
    if (!run_reported([&] { set_read_restriction(database(), chosen.id, chosen.revision, false); }))
        return;
    after_change(chosen.id, tr("The ''Read restriction'' has been removed from the calendar successfully."));
}

void open_calendar_list(QWidget *parent)
{
    CalendarListWindow window(parent);
    window.show_modal();
}

} // namespace dayvane
