#pragma once

#include "store/calendarchange.h"

#include <QString>

#include <optional>
#include <vector>

namespace dayvane {

class Database;

// How a workstation learns of the calendar changes that others commit. A
// server tells it: a trigger sends a notice "ID:REVISION" on the channel
// kCalendarChannel with every committed change of a calendar's revision,
// whoever makes it (the program of any version, or SQL by hand), and a
// session that listens receives it while idle. A file tells nothing: the
// revision is read again. Each function throws DbError unless it says not.

inline const QString kCalendarChannel = QStringLiteral("dayvane_calendar");

// The server schema version that brought the trigger.
inline constexpr int kCalendarNoticeVersion = 4;

// Installs the trigger into a server database whose tables exist; run by
// the tables' owner inside the creating or upgrading transaction.
void install_calendar_notices(Database &db);

// Listens for calendar changes on `db`'s server, in this session and in
// each one a reconnect makes. False, and nothing done, for a file.
bool listen_for_calendar_changes(Database &db);

// What a listening connection has heard since the last call, read without
// waiting, nothing while a request or transaction is under way; notices of
// other channels and payloads that are no change are dropped. Never throws.
struct HeardChanges
{
    std::vector<CalendarChange> changes;  // in the order committed
    // The connection was found gone: what was sent meanwhile is lost, and
    // the next request connects again.
    bool lost = false;
};
HeardChanges take_calendar_changes(Database &db);

// The socket that notices arrive on; -1 when there is none to watch (a
// file, or a connection found lost).
int calendar_notice_socket(Database &db);

// Counts the sessions of `db`'s connection: a new number after a reconnect,
// whose session listens again but did not hear what was sent before it.
quint64 calendar_notice_session(Database &db);

// The calendar's stored revision, read at once in a short read transaction
// of its own; nullopt when the calendar is gone, when a transaction is open
// on `db`, or when the database cannot be read just now (a file another
// workstation is writing, a server out of reach). Never throws.
std::optional<qint32> peek_calendar_revision(Database &db, qint32 calendar_id);

} // namespace dayvane
