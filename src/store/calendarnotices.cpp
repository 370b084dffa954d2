#include "store/calendarnotices.h"

#include "store/database.h"
#include "store/dberror.h"
#include "store/engine.h"
#include "store/statement.h"

namespace dayvane {

namespace {

// In the change's own transaction: only a committed change is told, once
// per transaction and calendar revision.
const char *const kNoticeSql = R"sql(
CREATE FUNCTION dayvane_tell_calendar_change() RETURNS trigger
LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    PERFORM pg_notify('%1', NEW.id || ':' || NEW.revision);
    RETURN NULL;
END $$;
CREATE TRIGGER dayvane_tell_change AFTER UPDATE ON calendars FOR EACH ROW
    WHEN (NEW.revision IS DISTINCT FROM OLD.revision) EXECUTE FUNCTION dayvane_tell_calendar_change();
REVOKE ALL ON FUNCTION dayvane_tell_calendar_change() FROM PUBLIC;
)sql";

const QString kListenKey = QStringLiteral("calendar notices");

// Enough for every change a busy office makes between two looks; the rest
// waits for the next call.
constexpr std::size_t kMostNotices = 1000;

} // namespace

void install_calendar_notices(Database &db)
{
    db.exec(QString::fromUtf8(kNoticeSql).arg(kCalendarChannel));
}

bool listen_for_calendar_changes(Database &db)
{
    if (db.dialect() != Database::Dialect::PostgreSQL)
        return false;
    const QString listen = QStringLiteral("LISTEN %1;").arg(kCalendarChannel);
    db.engine().keep_in_session(kListenKey, listen);
    db.exec(listen);
    return true;
}

HeardChanges take_calendar_changes(Database &db)
{
    HeardChanges heard;
    const QByteArray channel = kCalendarChannel.toUtf8();
    for (const DatabaseEngine::Notice &notice : db.engine().take_notices(kMostNotices, heard.lost)) {
        if (notice.channel != channel)
            continue;
        if (const std::optional<CalendarChange> change = read_calendar_change(notice.payload))
            heard.changes.push_back(*change);
    }
    return heard;
}

int calendar_notice_socket(Database &db)
{
    return db.engine().notice_socket();
}

quint64 calendar_notice_session(Database &db)
{
    return db.engine().session_number();
}

std::optional<qint32> peek_calendar_revision(Database &db, qint32 calendar_id)
{
    if (db.in_transaction())
        return std::nullopt;
    // A file's writer holds its lock only while it commits: this read does
    // not wait for it, nor keeps a writer waiting longer than itself.
    const bool file = db.dialect() == Database::Dialect::SQLite;
    const int waited = file ? db.engine().busy_timeout() : 0;
    std::optional<qint32> revision;
    try {
        if (file)
            db.set_busy_timeout(0);
        Statement read = db.prepare(QStringLiteral("SELECT revision FROM calendars WHERE id = ?;"));
        read.bind(1, calendar_id);
        if (read.step())
            revision = read.column(0).toInt();
    } catch (const DbError &) {
        // A busy file or a lost connection: no revision this time.
    }
    if (file && waited > 0)
        db.set_busy_timeout(waited);
    return revision;
}

} // namespace dayvane
