#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QSocketNotifier;

namespace dayvane {

class Database;

// Watches the open calendar (app_state()) for changes that other
// workstations commit, on the program's one connection. A server's notices
// are read as they arrive, whenever no request is under way: its socket is
// watched, and looked at again twice a second for notices that a request
// of the program read on its way. A file's revision is read again every
// interval, once the last read has ended. After a lost connection the
// watch connects again, which listens again, and reads what it missed;
// while it cannot, it tries again less and less often.
//
// Looks only while `may_look` says so (no change under way, no window in
// front that a reload would pull the data from under). Whenever the open
// calendar's stored revision is found newer than the one it was loaded
// with, `stale` gets that revision; it returns true once the calendar was
// reloaded, false to be told again at the next look.
class CalendarWatch : public QObject
{
    Q_OBJECT

public:
    CalendarWatch(std::function<bool()> may_look, std::function<bool(qint32)> stale, QObject *parent);

    // How often a file is read, in milliseconds; 0 watches nothing.
    void set_interval(int milliseconds);
    // Watches the connection now in app_state(): after it was opened,
    // replaced or closed. A server's connection starts listening here.
    void restart();
    // Watches nothing until restart(): before the connection closes.
    void stop();

private:
    void look();
    void read_server(Database &db);
    void note(qint32 revision);
    void watch_socket(int socket);

    std::function<bool()> m_may_look;
    std::function<bool(qint32)> m_stale;
    int m_interval = 0;
    QTimer m_timer;
    QSocketNotifier *m_socket = nullptr;
    bool m_server = false;
    quint64 m_session = 0;
    // A server's connection was made anew or could not be: its revision is
    // read again, at `m_retry` after a failure.
    bool m_catch_up = false;
    QElapsedTimer m_retry;
    int m_retry_ms = 0;  // 0: due now
    qint32 m_calendar = 0;            // whose revisions m_newest follows
    std::optional<qint32> m_newest;   // the newest revision heard or read
    QElapsedTimer m_last_reload;
    bool m_looking = false;
};

} // namespace dayvane
