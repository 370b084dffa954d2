// iCalendar files are dropped into dayvane-web's data folder or opened in
// the holiday window: any bytes at all, read within the reader's bounds.

#include "fuzzcheck.h"

#include "holidays/icalendarlists.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace dayvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<HolidayList> list = read_icalendar_text(text, QStringLiteral("fuzz"), 2025, 2027, &error);
    if (!list) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!list->name.isEmpty());
    FUZZ_CHECK(clean_holiday_name(list->name) == list->name);
    for (const auto &[year, days] : list->years) {
        for (size_t i = 0; i < days.size(); ++i) {
            const Holiday &day = days[i];
            FUZZ_CHECK(day.date.isValid() && day.date.year() == year);
            FUZZ_CHECK(!day.name.isEmpty() && clean_holiday_name(day.name) == day.name);
            // Date order, each date and name once.
            for (size_t j = i; j-- > 0 && days[j].date == day.date;)
                FUZZ_CHECK(days[j].name != day.name);
            FUZZ_CHECK(i == 0 || days[i - 1].date <= day.date);
        }
    }
    return 0;
}
