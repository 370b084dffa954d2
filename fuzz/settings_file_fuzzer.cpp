// "QZ.ini" may be edited by hand, cut short by a full disk or replaced by
// anything at all: reading it must never fail.

#include "fuzzcheck.h"

#include "app/settingsfile.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using namespace dayvane;

void check(const QString &text)
{
    const Settings settings = parse_settings(text);
    if (text.trimmed().isEmpty())
        FUZZ_CHECK(!settings.anything_read);
    for (const auto &number : {settings.top, settings.left, settings.height}) {
        if (number)
            FUZZ_CHECK(std::isfinite(*number));
    }
    if (settings.calendar_date)
        FUZZ_CHECK(settings.calendar_date->isValid());
    FUZZ_CHECK(std::isfinite(leading_number(text)));

    // What a close writes back reads as the same settings.
    if (settings.calendar_date && settings.view_index && *settings.view_index > 0) {
        SettingsToWrite again;
        again.calendar_id = *settings.view_index;
        again.calendar_date = *settings.calendar_date;
        const Settings reread = parse_settings(format_settings(again));
        FUZZ_CHECK(reread.view_index == settings.view_index);
        FUZZ_CHECK(reread.calendar_date == settings.calendar_date);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    // The file as the program reads it (UTF-8, invalid bytes replaced), and
    // as any text at all: every byte a character, and raw UTF-16 units with
    // lone surrogates.
    check(QString::fromUtf8(bytes, qsizetype(size)));
    check(QString::fromLatin1(bytes, qsizetype(size)));
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    check(QString::fromUtf16(units.data(), qsizetype(units.size())));
    return 0;
}
