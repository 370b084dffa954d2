#pragma once

#include "holidays/holidayreply.h"

#include <QObject>
#include <QString>

#include <functional>

class QEventLoop;
class QTcpSocket;

namespace dayvane {

// Limits of one fetch. The defaults suit a real network; tests shorten them.
struct HolidayExchangeSettings
{
    int connect_timeout_ms = 10'000;  // from connecting until the server accepts
    int receive_timeout_ms = 30'000;  // from sending until the server has sent all and closed
    int max_rerequests = 5;           // further tries after an incomplete list
    qsizetype max_reply_bytes = kMaxHolidayReplyBytes;
};

struct HolidayFetchResult
{
    bool received = false;  // a complete list arrived and was decoded
    HolidayTables tables;
    int attempts = 0;       // connections made
    int packets = 0;        // arrivals of data, over all attempts
};

// The message every failed fetch ends with.
inline constexpr char kHolidayFetchFailed[] =
    QT_TRANSLATE_NOOP("dayvane", "An error was encountered while connecting to the holiday list.");

// Fetches the holiday lists from the maker's web server over one TCP
// connection per try, on the user-interface thread: it connects, sends the
// request, reads until the server closes, and decodes. While it waits it lets
// the event loop run (repaints, socket and timer events; user input waits, so
// no command of another window can start meanwhile) and shows what it waits
// for through `status`; it never spins.
//
// An incomplete list (no final "|") is requested again, at most
// max_rerequests times. Every failure ends in kHolidayFetchFailed (title
// "Corvantelle", information icon); a socket error or a time-out is first
// shown through the error report with its number and description (time-outs
// as QAbstractSocket::SocketTimeoutError). Connection refused, an unknown
// host, a reply without exactly one separator or without the marker and too
// many incomplete lists all fail so. A reply above max_reply_bytes (never
// more than kMaxHolidayReplyBytes) is refused as soon as it passes the limit
// and ends instead in a message that names the limit, since it is no fault
// of the connection.
class HolidayExchange : public QObject
{
    Q_OBJECT

public:
    using StatusDisplay = std::function<void(const QString &)>;

    // `web_host` is "host[:port]" (default port 80), as web_host() gives it.
    HolidayExchange(QString web_host, HolidayExchangeSettings settings, QObject *parent = nullptr);
    ~HolidayExchange() override;

    HolidayFetchResult fetch(const StatusDisplay &status);

private:
    enum class Attempt { Received, Failed, TooLarge };

    // One connection: connect, send, read until closed. On Received the
    // reply is in m_buffer. Reports socket errors and time-outs itself.
    Attempt run_attempt(const WebHostAddress &address, const StatusDisplay &status);
    // Waits, letting events run, until `done` holds or `timeout_ms` passes;
    // false on the time-out.
    bool wait_until(const std::function<bool()> &done, int timeout_ms, const QString &text,
                    const StatusDisplay &status);
    void wake();
    void report_socket_error();
    void report_time_out(const QString &description);

    void on_connected();
    void on_ready_read();
    void on_disconnected();
    void on_error(int socket_error);  // a QAbstractSocket::SocketError

    QString m_web_host;
    HolidayExchangeSettings m_settings;
    QTcpSocket *m_socket = nullptr;
    QEventLoop *m_waiting = nullptr;  // the running wait, woken by socket events

    // What the socket's events tell the waiting loops.
    QByteArray m_buffer;
    bool m_connected = false;
    bool m_error = false;
    bool m_too_large = false;
    int m_error_number = 0;
    QString m_error_text;
    int m_packets = 0;
};

} // namespace dayvane
