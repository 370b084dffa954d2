#include "app/calendarwatch.h"

#include "store/calendarnotices.h"
#include "store/database.h"
#include "store/dberror.h"
#include "ui_common/appstate.h"

#include <QScopedValueRollback>
#include <QSocketNotifier>

#include <algorithm>

namespace dayvane {

namespace {

// How often a server's connection is looked at between its notices.
constexpr int kServerLookMs = 500;
// Reloads come no closer together than this, however many notices arrive
// (any session of the server may send one).
constexpr int kReloadGapMs = 250;
// A reconnect that failed is tried again after this, then twice as long
// each time up to the most: trying may hold the window for the connect
// time-out.
constexpr int kFirstRetryMs = 5'000;
constexpr int kMostRetryMs = 60'000;

} // namespace

CalendarWatch::CalendarWatch(std::function<bool()> may_look, std::function<bool(qint32)> stale, QObject *parent)
    : QObject(parent)
    , m_may_look(std::move(may_look))
    , m_stale(std::move(stale))
{
    setObjectName(QStringLiteral("calendar_watch"));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CalendarWatch::look);
}

void CalendarWatch::set_interval(int milliseconds)
{
    m_interval = std::max(milliseconds, 0);
    restart();
}

void CalendarWatch::stop()
{
    watch_socket(-1);
    m_timer.stop();
    m_server = false;
    m_catch_up = false;
    m_retry_ms = 0;
    m_calendar = 0;
    m_newest.reset();
}

void CalendarWatch::restart()
{
    stop();
    AppState &state = app_state();
    if (m_interval == 0 || !state.database)
        return;
    Database &db = *state.database;
    if (db.dialect() == Database::Dialect::PostgreSQL) {
        m_server = true;
        try {
            listen_for_calendar_changes(db);
        } catch (const DbError &) {
            m_catch_up = true;  // listens once connected again
        }
        m_session = calendar_notice_session(db);
        watch_socket(calendar_notice_socket(db));
    }
    m_timer.start(m_server ? std::min(m_interval, kServerLookMs) : m_interval);
}

void CalendarWatch::look()
{
    AppState &state = app_state();
    // A reload may show a message, whose loop must not start another look.
    if (m_interval == 0 || !state.database || m_looking)
        return;
    const QScopedValueRollback looking(m_looking, true);
    if (m_may_look()) {
        if (state.calendar_id != m_calendar) {
            m_calendar = state.calendar_id;
            m_newest.reset();
        }
        if (m_server) {
            read_server(*state.database);
        } else if (m_calendar != 0 && state.calendar_loaded) {
            if (const std::optional<qint32> revision = peek_calendar_revision(*state.database, m_calendar))
                note(*revision);
        }
        const bool stale = m_newest && state.calendar_loaded && state.calendar_id == m_calendar
                           && *m_newest > state.calendar_revision;
        if (stale && (!m_last_reload.isValid() || m_last_reload.hasExpired(kReloadGapMs)) && m_stale(*m_newest)) {
            m_newest.reset();
            m_last_reload.start();
        }
    }
    // From the end of this look: a slow read never runs into the next.
    m_timer.start(m_server ? std::min(m_interval, kServerLookMs) : m_interval);
}

void CalendarWatch::read_server(Database &db)
{
    const HeardChanges heard = take_calendar_changes(db);
    for (const CalendarChange &change : heard.changes) {
        if (change.calendar_id == m_calendar)
            note(change.revision);
    }
    // A loss found again while reconnecting keeps waiting its turn; a
    // session made meanwhile (by any request) is read at once.
    if ((heard.lost && !m_catch_up) || calendar_notice_session(db) != m_session) {
        watch_socket(-1);
        m_catch_up = true;
        m_retry_ms = 0;
    }
    // Connects again if need be, which listens again; the read then finds
    // what the notices sent meanwhile would have told.
    if (m_catch_up && m_calendar != 0 && (m_retry_ms == 0 || m_retry.hasExpired(m_retry_ms))) {
        if (const std::optional<qint32> revision = peek_calendar_revision(db, m_calendar)) {
            note(*revision);
            m_catch_up = false;
            m_retry_ms = 0;
        } else {
            m_retry_ms = std::clamp(m_retry_ms * 2, kFirstRetryMs, kMostRetryMs);
            m_retry.start();
        }
    }
    m_session = calendar_notice_session(db);
    watch_socket(calendar_notice_socket(db));
}

void CalendarWatch::note(qint32 revision)
{
    if (!m_newest || revision > *m_newest)
        m_newest = revision;
}

void CalendarWatch::watch_socket(int socket)
{
    if (m_socket && m_socket->socket() == socket) {
        m_socket->setEnabled(true);
        return;
    }
    // Perhaps from inside its own signal, and its socket perhaps closed.
    if (m_socket) {
        m_socket->setEnabled(false);
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    if (socket < 0)
        return;
    m_socket = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    // Quiet until the look has read what woke it (or the next look, when
    // this one may not read).
    connect(m_socket, &QSocketNotifier::activated, this, [this, notifier = m_socket] {
        notifier->setEnabled(false);
        look();
    });
}

} // namespace dayvane
