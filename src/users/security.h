#pragma once

#include "store/history.h"
#include "store/revisions.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <vector>

namespace dayvane {

// The checks in front of every change, for windows of any folder. Each
// passes the connection gate first and reports its own failures (the error
// report for DbErrors, messages for refusals); false or nullopt means the
// caller changes nothing.

// The stored revision of the calendar still equals `remembered`; else
// "Calendar is out of date." (error 513) is reported.
bool check_calendar_revision(qint32 calendar_id, qint32 remembered);

// Whether the current user may read (`read`) or change the days of the open
// calendar (app_state().calendar_id). A calendar without owner may be read
// by anyone and changed with the system password; an owned one by its owner,
// after which anyone else is asked to identify and then offered the system
// password. Restricted calendars are readable by their owner only.
bool check_calendar_access(bool read);

// Writes a change of the open calendar's days between `first` and `last`:
// `writes` runs inside one transaction together with a fresh revision
// check, the history entry and the revision increment; it gets the days as
// stored and returns the entry's action, as store/history.h describes. Returns the new revision (which app_state().calendar_revision
// then holds), or nullopt after reporting the failure.
std::optional<qint32> change_calendar_days(qint32 calendar_id, qint32 remembered, const QDate &first,
                                           const QDate &last,
                                           const std::function<QString(Database &, std::vector<DayState> &)> &writes);

// The calendar's first and last year and number of years, or nullopt after
// telling the user that the range could not be read.
std::optional<YearRange> get_calendar_year_range(qint32 calendar_id);

// Proves `typed` against the user's stored password: on success the user
// becomes the current user; otherwise the user is told and there is no
// current user. See app_state().current_user_id for the outcome.
void verify_user_password(qint32 user_id, const QString &typed);

// Installs the system password check into the connection gate. Called once
// by the main window.
void install_system_password_check();

} // namespace dayvane
