// Stored period lists come from the database, where another program or an
// older version may have written anything: every reader must hold up.

#include "fuzzcheck.h"

#include "model/timesegments.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using namespace dayvane;

bool well_formed(const TimePeriod &p)
{
    for (QChar c : p.flag) {
        if (c == u'+' || c == u'@' || c == u'>')
            return false;
    }
    return !p.flag.isEmpty() && p.start >= 0 && p.start <= 1439 && p.start < p.end && p.end <= p.start + 1440;
}

void check(const QString &text)
{
    const std::vector<TimePeriod> periods = decode_time_segments(text);
    FUZZ_CHECK(periods.size() <= size_t(kMaxTimePeriods));

    // The sums are over exactly the periods read, each limited to a day.
    qint32 worked = 0;
    qint32 paid = 0;
    for (const TimePeriod &p : periods) {
        FUZZ_CHECK(p.start >= 0 && p.start <= 1439);
        FUZZ_CHECK(p.end >= 0 && p.end <= 2879);
        const qint32 length = std::clamp(p.end - p.start, -kMinutesPerDay, kMinutesPerDay);
        paid += length;
        if (p.worked())
            worked += length;
    }
    FUZZ_CHECK(calc_work_minutes(text) == worked);
    FUZZ_CHECK(calc_paid_minutes(text) == paid);
    FUZZ_CHECK(paid >= -17280 && paid <= 17280);

    // One display line for each period read, and no more.
    const auto lines = format_time_segments(text);
    for (size_t i = 0; i < lines.size(); ++i)
        FUZZ_CHECK(lines[i].isEmpty() == (i >= periods.size()));

    // What the program writes back reads the same, period for period.
    std::vector<TimePeriod> kept;
    std::copy_if(periods.begin(), periods.end(), std::back_inserter(kept), well_formed);
    FUZZ_CHECK(decode_time_segments(encode_time_segments(kept)) == kept);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    check(QString::fromUtf8(bytes, qsizetype(size)));
    check(QString::fromLatin1(bytes, qsizetype(size)));
    return 0;
}
