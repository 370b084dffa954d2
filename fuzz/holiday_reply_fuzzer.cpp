// The holiday reply arrives from the network: any bytes, cut anywhere.

#include "fuzzcheck.h"

#include "holidays/holidayreply.h"

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

using namespace dayvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView reply(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype records = reply.count('|');

    const DecodedReply decoded = decode_holiday_reply(reply);
    const HolidayTables &tables = decoded.tables;
    const size_t rows = tables.countries.size() + tables.years.size() + tables.holidays.size();
    if (decoded.status != ReplyStatus::Complete)
        FUZZ_CHECK(rows == 0);
    FUZZ_CHECK(rows <= size_t(records));
    for (const HolidayRecord &holiday : tables.holidays) {
        holiday_date(holiday.date);
        holiday_list_date(holiday.date);
    }

    // The payload decoder and the field readers on their own.
    const HolidayTables raw = decode_holiday_records(reply);
    FUZZ_CHECK(raw.countries.size() + raw.years.size() + raw.holidays.size() <= size_t(records) + 1);
    leading_number(reply);
    const QString text = QString::fromUtf8(reply);
    holiday_date(text);
    holiday_list_date(text);
    if (const auto host = split_web_host(text)) {
        FUZZ_CHECK(!host->host.isEmpty());
        FUZZ_CHECK(host->port >= 1);
        holiday_request(host->header);
    }
    return 0;
}
