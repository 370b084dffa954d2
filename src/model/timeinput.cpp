#include "model/timeinput.h"

#include "model/textforms.h"
#include "model/timesegments.h"

#include <QStringView>

namespace dayvane {

namespace {


// Reads `min_count`..`max_count` ASCII digits at `pos`, advancing it.
std::optional<int> read_digits(QStringView text, qsizetype &pos, int min_count, int max_count)
{
    int value = 0;
    int count = 0;
    while (pos < text.size() && count < max_count && text[pos] >= u'0' && text[pos] <= u'9') {
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
        ++count;
    }
    if (count < min_count)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<qint32> parse_time_of_day(const QString &text)
{
    const QStringView s = QStringView(text).trimmed();
    qsizetype pos = 0;

    const auto hour = read_digits(s, pos, 1, 2);
    if (!hour)
        return std::nullopt;
    std::optional<int> minute;
    if (pos < s.size() && s[pos] == u':') {
        ++pos;
        minute = read_digits(s, pos, 2, 2);
        if (!minute || *minute > 59)
            return std::nullopt;
        if (pos < s.size() && s[pos] == u':') {
            ++pos;
            const auto second = read_digits(s, pos, 2, 2);
            if (!second || *second > 59)
                return std::nullopt;
        }
    }
    while (pos < s.size() && s[pos].isSpace())
        ++pos;

    const QStringView designator = s.sliced(pos);
    if (designator.isEmpty()) {
        if (!minute || *hour > 23)
            return std::nullopt;
        return *hour * 60 + *minute;
    }
    const bool am = designator.compare(u"am", Qt::CaseInsensitive) == 0;
    const bool pm = designator.compare(u"pm", Qt::CaseInsensitive) == 0;
    if ((!am && !pm) || *hour < 1 || *hour > 12)
        return std::nullopt;
    return (*hour % 12) * 60 + minute.value_or(0) + (pm ? 720 : 0);
}

DurationResult calc_duration(const QString &start_text, const QString &end_text)
{
    DurationResult result;
    const auto start = parse_time_of_day(start_text);
    if (!start) {
        result.status = DurationResult::Status::InvalidStart;
        result.text = QStringLiteral("Enter start time");
        return result;
    }
    const auto end = parse_time_of_day(end_text);
    if (!end) {
        result.status = DurationResult::Status::InvalidEnd;
        result.text = QStringLiteral("Enter end time");
        return result;
    }
    qint32 minutes = *end - *start;
    if (minutes <= 0)
        minutes += kMinutesPerDay;
    result.status = DurationResult::Status::Valid;
    result.minutes = minutes;
    result.text = format_editor_duration(minutes);
    return result;
}

} // namespace dayvane
