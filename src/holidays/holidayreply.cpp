#include "holidays/holidayreply.h"

#include "model/textforms.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace dayvane {

namespace {

const QByteArrayView kSeparator(kHolidayReplySeparator, sizeof kHolidayReplySeparator - 1);
const QByteArrayView kMarker(kHolidayListMarker, sizeof kHolidayListMarker - 1);
constexpr int kMaxFields = 4;  // no record type has more

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

qint64 rounded(QByteArrayView field, qint64 lowest, qint64 highest)
{
    const double value = std::nearbyint(leading_number(field));
    if (!(value >= double(lowest)))  // also NaN
        return lowest;
    if (value >= double(highest))
        return highest;
    return qint64(value);
}

qint32 number32(QByteArrayView field)
{
    return qint32(rounded(field, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

qint16 number16(QByteArrayView field)
{
    return qint16(rounded(field, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

// Splits `rest` at "^" into at most kMaxFields + 1 views (one more than any
// type takes, so that an extra field is seen and the record skipped).
int split_fields(QByteArrayView rest, QByteArrayView (&fields)[kMaxFields + 1])
{
    int count = 0;
    qsizetype start = 0;
    while (count < kMaxFields) {
        const qsizetype caret = rest.indexOf('^', start);
        if (caret < 0)
            break;
        fields[count++] = rest.sliced(start, caret - start);
        start = caret + 1;
    }
    fields[count++] = rest.sliced(start);
    return count;
}

// A name as the windows show it: control characters, which no name needs
// and which could reshape a line or a grid cell, are dropped.
QString received_name(QByteArrayView field)
{
    QString name = QString::fromUtf8(field);
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return name;
}

void decode_record(QByteArrayView record, HolidayTables &tables)
{
    if (record.size() < 2)
        return;
    const QByteArrayView type = record.first(2);
    QByteArrayView fields[kMaxFields + 1];
    const int count = split_fields(record.sliced(2), fields);
    if (type == "C=" && count == 2) {
        tables.countries.push_back({number32(fields[0]), received_name(fields[1])});
    } else if (type == "Y=" && count == 3) {
        tables.years.push_back({number32(fields[0]), number32(fields[1]), number16(fields[2])});
    } else if (type == "H=" && count == 4) {
        tables.holidays.push_back(
            {number32(fields[0]), number32(fields[1]), QString::fromUtf8(fields[2]), received_name(fields[3])});
    }
}

// Room for every record of each type, counted first: one allocation a table
// instead of a run of ever larger copies. Never more than the payload's
// records of that type.
void reserve_tables(QByteArrayView payload, HolidayTables &tables)
{
    size_t counts[3] = {};
    for (qsizetype start = 0; start + 1 < payload.size();) {
        if (payload[start + 1] == '=') {
            const char type = payload[start];
            counts[0] += type == 'C';
            counts[1] += type == 'Y';
            counts[2] += type == 'H';
        }
        const qsizetype bar = payload.indexOf('|', start);
        if (bar < 0)
            break;
        start = bar + 1;
    }
    tables.countries.reserve(counts[0]);
    tables.years.reserve(counts[1]);
    tables.holidays.reserve(counts[2]);
}

// One or two digits, then `end` (or the end of the text).
std::optional<int> small_number(const QString &text, qsizetype &pos, QChar end, int max_digits)
{
    int value = 0;
    int digits = 0;
    while (pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128 && digits < max_digits) {
        value = value * 10 + (text[pos].unicode() - '0');
        ++pos;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (!end.isNull()) {
        if (pos >= text.size() || text[pos] != end)
            return std::nullopt;
        ++pos;
    }
    return value;
}

} // namespace

double leading_number(QByteArrayView field)
{
    qsizetype pos = 0;
    while (pos < field.size() && (field[pos] == ' ' || field[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < field.size() && (field[pos] == '-' || field[pos] == '+'))
        negative = field[pos++] == '-';
    double value = 0;
    for (; pos < field.size() && is_digit(field[pos]); ++pos) {
        // Past any 32-bit value the rest cannot matter after clamping.
        if (value < 1e12)
            value = value * 10 + (field[pos] - '0');
    }
    if (pos < field.size() && field[pos] == '.') {
        double scale = 0.1;
        for (++pos; pos < field.size() && is_digit(field[pos]) && scale > 1e-9; ++pos, scale /= 10)
            value += (field[pos] - '0') * scale;
    }
    return negative ? -value : value;
}

HolidayTables decode_holiday_records(QByteArrayView payload)
{
    HolidayTables tables;
    reserve_tables(payload, tables);
    qsizetype start = 0;
    while (start <= payload.size()) {
        qsizetype bar = payload.indexOf('|', start);
        if (bar < 0)
            bar = payload.size();
        decode_record(payload.sliced(start, bar - start), tables);
        start = bar + 1;
    }
    return tables;
}

DecodedReply decode_holiday_reply(QByteArrayView reply)
{
    DecodedReply decoded;
    if (reply.size() > kMaxHolidayReplyBytes)
        return decoded;
    const qsizetype separator = reply.indexOf(kSeparator);
    if (separator < 0 || reply.indexOf(kSeparator, separator + kSeparator.size()) >= 0)
        return decoded;
    const QByteArrayView list = reply.sliced(separator + kSeparator.size());
    if (!list.startsWith(kMarker))
        return decoded;
    const QByteArrayView payload = list.sliced(kMarker.size());
    if (!payload.endsWith('|')) {
        decoded.status = ReplyStatus::Incomplete;
        return decoded;
    }
    decoded.status = ReplyStatus::Complete;
    decoded.tables = decode_holiday_records(payload.chopped(1));
    return decoded;
}

QDate holiday_date(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype pos = 0;
    if (trimmed.size() == 10 && trimmed[4] == u'-') {
        const std::optional<int> year = small_number(trimmed, pos, u'-', 4);
        const std::optional<int> month = year ? small_number(trimmed, pos, u'-', 2) : std::nullopt;
        const std::optional<int> day = month ? small_number(trimmed, pos, QChar(), 2) : std::nullopt;
        return day && pos == trimmed.size() ? QDate(*year, *month, *day) : QDate();
    }
    const std::optional<int> month = small_number(trimmed, pos, u'/', 2);
    const std::optional<int> day = month ? small_number(trimmed, pos, u'/', 2) : std::nullopt;
    const std::optional<int> year = day ? small_number(trimmed, pos, QChar(), 4) : std::nullopt;
    if (!year || pos != trimmed.size() || *year < 1000)
        return {};
    return QDate(*year, *month, *day);
}

QString holiday_list_date(const QString &text)
{
    const QDate date = holiday_date(text);
    return date.isValid() ? screen_list_date(date) : text;
}

std::optional<WebHostAddress> split_web_host(const QString &configured)
{
    const QString text = configured.trimmed();
    WebHostAddress address;
    QString port_text;
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        if (close < 0)
            return std::nullopt;
        address.host = text.mid(1, close - 1);
        address.header = text.left(close + 1);
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(u':'))
                return std::nullopt;
            port_text = rest.mid(1);
        }
    } else {
        const qsizetype colon = text.indexOf(u':');
        // More than one colon: an IPv6 address without brackets and port.
        if (colon >= 0 && text.indexOf(u':', colon + 1) < 0) {
            address.host = text.left(colon);
            port_text = text.mid(colon + 1);
        } else {
            address.host = text;
        }
        address.header = address.host.contains(u':') ? u'[' + address.host + u']' : address.host;
    }
    if (address.host.isEmpty())
        return std::nullopt;
    if (!port_text.isNull()) {
        bool ok = false;
        const uint port = port_text.toUInt(&ok);
        if (!ok || port < 1 || port > 65535)
            return std::nullopt;
        address.port = quint16(port);
    }
    return address;
}

QByteArray holiday_request(const QString &host_header)
{
    return "POST /php/holiday_data.php HTTP/1.0\r\n"
           "Host: " + host_header.toLatin1() + "\r\n"
           "Content-Type: application/x-www-form-urlencoded\r\n"
           "Content-Length:11\r\n"
           "\r\n"
           "info_type=?";
}

} // namespace dayvane
