// Any session of a calendar server may send a notice on the channel the
// workstations listen to: its payload is taken as a change only when it is
// exactly one, and that change reads back the same in the server's form.

#include "fuzzcheck.h"

#include "store/calendarchange.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace dayvane;
    const QByteArrayView payload(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<CalendarChange> change = read_calendar_change(payload);
    if (!change)
        return 0;
    FUZZ_CHECK(change->calendar_id >= 1);
    FUZZ_CHECK(payload.size() <= 22);
    const QByteArray written = QByteArray::number(change->calendar_id) + ':' + QByteArray::number(change->revision);
    FUZZ_CHECK(read_calendar_change(written) == change);
    return 0;
}
