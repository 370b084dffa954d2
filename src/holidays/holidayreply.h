#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace dayvane {

// The holiday-list exchange with the maker's web server, as plain values and
// functions: the request the client sends and the decoding of the reply. No
// sockets and no widgets here (see HolidayExchange for the transfer).
//
// The reply is everything the server sends until it closes the connection.
// It holds exactly one separator "~boundary~"; what follows must begin with
// the marker "*** Corvantelle holdiday list ***" (spelled so); the payload
// after the marker is a run of records, each ending with "|":
//   "C=id^name"                        a country (or other list owner)
//   "Y=country id^year list id^year"   one year's list of a country
//   "H=country id^year list id^date^name"  one holiday of that list
// The exchange is ASCII except for names, which are UTF-8.

inline constexpr char kHolidayReplySeparator[] = "~boundary~";
inline constexpr char kHolidayListMarker[] = "*** Corvantelle holdiday list ***";
// No reply may be larger: enough for thousands of lists, small enough that a
// runaway server cannot exhaust memory.
inline constexpr qsizetype kMaxHolidayReplyBytes = 8 * 1024 * 1024;

struct HolidayCountry
{
    qint32 id = 0;
    QString name;

    friend bool operator==(const HolidayCountry &, const HolidayCountry &) = default;
};

struct HolidayYear
{
    qint32 country_id = 0;
    qint32 year_list_id = 0;
    qint16 year = 0;

    friend bool operator==(const HolidayYear &, const HolidayYear &) = default;
};

struct HolidayRecord
{
    qint32 country_id = 0;
    qint32 year_list_id = 0;
    QString date;  // as sent, e.g. "1/1/2024"
    QString name;

    friend bool operator==(const HolidayRecord &, const HolidayRecord &) = default;
};

// The three tables of a reply, each in the order its records arrived.
struct HolidayTables
{
    std::vector<HolidayCountry> countries;
    std::vector<HolidayYear> years;
    std::vector<HolidayRecord> holidays;
};

enum class ReplyStatus
{
    Rejected,    // not exactly one separator, no marker, or larger than the cap
    Incomplete,  // the marker came, but the payload does not end with "|"
    Complete,
};

struct DecodedReply
{
    ReplyStatus status = ReplyStatus::Rejected;
    HolidayTables tables;  // filled only when Complete
};

// Decodes a whole reply. Records of an unknown type or with a wrong number
// of fields are skipped. Numeric fields are read as their leading decimal
// number (blanks before it, a sign and a fraction allowed; nothing readable
// is 0), rounded to the nearest integer (halves to even) and clamped to the
// field's range (years to 16 bits). Never throws; the tables never hold more
// than the reply's records, and replies above kMaxHolidayReplyBytes are
// rejected unread.
DecodedReply decode_holiday_reply(QByteArrayView reply);

// The records of a payload (the text after the marker, without its final
// "|"), by the rules above.
HolidayTables decode_holiday_records(QByteArrayView payload);

// The leading decimal number of a field as decode_holiday_reply reads it,
// before clamping.
double leading_number(QByteArrayView field);

// The date of a holiday's date text: "m/d/yyyy" (one or two digits for month
// and day) or "yyyy-mm-dd"; an invalid date for anything else.
QDate holiday_date(const QString &text);

// The date as the holiday grid shows it, "mmm-dd" ("Jan-01"); a text that is
// not a date is shown as it came.
QString holiday_list_date(const QString &text);

// Where the maker's web server is: "host[:port]" as configured, the host
// being a name, an IPv4 address or an IPv6 address in brackets.
struct WebHostAddress
{
    QString host;     // for connecting: "127.0.0.1", "::1", "www.example.org"
    quint16 port = 80;
    QString header;   // for the request's Host header: the host name, IPv6 in brackets
};

// Reads "host", "host:port", "[v6]" or "[v6]:port"; the port defaults to
// 80. nullopt for an empty host or a port that is not 1..65535.
std::optional<WebHostAddress> split_web_host(const QString &configured);

// The request bytes, exactly: an HTTP/1.0 POST of "info_type=?" to
// "/php/holiday_data.php" with CR LF line ends and "Content-Length:11"
// written without a blank.
QByteArray holiday_request(const QString &host_header);

} // namespace dayvane
