#include "holidays/holidayexchange.h"

#include "store/stepnumber.h"
#include "ui_common/busycursor.h"
#include "ui_common/errorreport.h"
#include "ui_common/interaction.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace dayvane {

namespace {

const QString kSource = QStringLiteral("holiday_listing");
// How often a wait looks at the clock and repaints its status text even when
// the socket is quiet.
constexpr qint64 kWaitTickMs = 250;

// "30 seconds", or "300 ms" for a limit that is not whole seconds.
QString duration_text(int ms)
{
    return ms % 1000 == 0 ? QCoreApplication::translate("dayvane", "%1 seconds").arg(ms / 1000) : QCoreApplication::translate("dayvane", "%1 ms").arg(ms);
}

// "8 MB", or "4000 bytes" for a limit that is not whole megabytes.
QString size_text(qsizetype bytes)
{
    constexpr qsizetype kMegabyte = 1024 * 1024;
    return bytes % kMegabyte == 0 ? QCoreApplication::translate("dayvane", "%1 MB").arg(bytes / kMegabyte) : QCoreApplication::translate("dayvane", "%1 bytes").arg(bytes);
}

} // namespace

HolidayExchange::HolidayExchange(QString web_host, HolidayExchangeSettings settings, QObject *parent)
    : QObject(parent)
    , m_web_host(std::move(web_host))
    , m_settings(settings)
    , m_socket(new QTcpSocket(this))
{
    m_settings.max_reply_bytes = std::min(m_settings.max_reply_bytes, kMaxHolidayReplyBytes);
    connect(m_socket, &QTcpSocket::connected, this, &HolidayExchange::on_connected);
    connect(m_socket, &QTcpSocket::readyRead, this, &HolidayExchange::on_ready_read);
    connect(m_socket, &QTcpSocket::disconnected, this, &HolidayExchange::on_disconnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) { on_error(int(error)); });
}

HolidayExchange::~HolidayExchange()
{
    m_socket->abort();
}

HolidayFetchResult HolidayExchange::fetch(const StatusDisplay &status)
{
    HolidayFetchResult result;
    m_packets = 0;
    const std::optional<WebHostAddress> address = split_web_host(m_web_host);
    bool failed = !address;
    bool too_large = false;
    for (int tries_left = m_settings.max_rerequests; !failed; --tries_left) {
        ++result.attempts;
        const Attempt attempt = run_attempt(*address, status);
        too_large = attempt == Attempt::TooLarge;
        if (attempt != Attempt::Received)
            break;
        set_step_number(3);
        DecodedReply reply = decode_holiday_reply(m_buffer);
        m_buffer.clear();
        if (reply.status == ReplyStatus::Complete) {
            result.received = true;
            result.tables = std::move(reply.tables);
            break;
        }
        failed = reply.status == ReplyStatus::Rejected || tries_left == 0;
    }
    result.packets = m_packets;
    if (too_large) {
        inform(QApplication::activeWindow(), tr("The holiday server's reply is larger than the %1 this "
                                                            "program accepts.").arg(size_text(m_settings.max_reply_bytes)));
    } else if (!result.received) {
        inform(QApplication::activeWindow(), tr(kHolidayFetchFailed));
    }
    return result;
}

HolidayExchange::Attempt HolidayExchange::run_attempt(const WebHostAddress &address, const StatusDisplay &status)
{
    m_socket->abort();
    m_buffer.clear();
    m_connected = m_error = m_too_large = false;

    set_step_number(1);
    m_socket->connectToHost(address.host, address.port);
    const bool answered = wait_until([this] { return m_connected || m_error; }, m_settings.connect_timeout_ms,
                                     tr("Connecting to Corvantelle online holiday list ..."), status);
    if (!answered) {
        m_socket->abort();
        report_time_out(tr("The holiday list server did not accept the connection within %1.")
                            .arg(duration_text(m_settings.connect_timeout_ms)));
        return Attempt::Failed;
    }
    if (!m_error) {
        set_step_number(2);
        m_socket->write(holiday_request(address.header));
        const bool closed = wait_until([this] { return !m_connected || m_error; }, m_settings.receive_timeout_ms,
                                       tr("Waiting for holiday data ..."), status);
        if (!closed) {
            m_socket->abort();
            report_time_out(tr("The holiday list did not arrive within %1.")
                                .arg(duration_text(m_settings.receive_timeout_ms)));
            return Attempt::Failed;
        }
    }
    m_socket->abort();
    if (m_error) {
        report_socket_error();
        return Attempt::Failed;
    }
    return m_too_large ? Attempt::TooLarge : Attempt::Received;
}

bool HolidayExchange::wait_until(const std::function<bool()> &done, int timeout_ms, const QString &text,
                                 const StatusDisplay &status)
{
    // Only while waiting: messages that follow show the usual pointer.
    const BusyCursor busy;
    const QDeadlineTimer deadline(timeout_ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        if (status)
            status(text);
        QEventLoop loop;
        QTimer::singleShot(int(std::min(deadline.remainingTime(), kWaitTickMs)), &loop, &QEventLoop::quit);
        m_waiting = &loop;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        m_waiting = nullptr;
    }
    return true;
}

void HolidayExchange::wake()
{
    if (m_waiting)
        m_waiting->quit();
}

void HolidayExchange::report_socket_error()
{
    report_error(m_error_number, m_error_text, kSource, step_number());
}

void HolidayExchange::report_time_out(const QString &description)
{
    report_error(QAbstractSocket::SocketTimeoutError, description, kSource, step_number());
}

void HolidayExchange::on_connected()
{
    m_connected = true;
    wake();
}

void HolidayExchange::on_ready_read()
{
    ++m_packets;
    m_buffer += m_socket->readAll();
    if (m_buffer.size() > m_settings.max_reply_bytes) {
        // Refuse the rest at once instead of collecting it.
        m_too_large = true;
        m_connected = false;
        m_buffer.clear();
        m_socket->abort();
    }
    wake();
}

void HolidayExchange::on_disconnected()
{
    // Anything still buffered belongs to the reply.
    if (!m_too_large && m_socket->bytesAvailable() > 0)
        on_ready_read();
    m_connected = false;
    wake();
}

void HolidayExchange::on_error(int socket_error)
{
    // The server closing the connection is how every reply ends.
    if (socket_error == QAbstractSocket::RemoteHostClosedError) {
        on_disconnected();
        return;
    }
    // Reported once the wait has ended, not from inside the socket's event.
    if (!m_error) {
        m_error = true;
        m_error_number = socket_error;
        m_error_text = m_socket->errorString();
    }
    m_connected = false;
    wake();
}

} // namespace dayvane
