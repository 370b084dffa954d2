#include "model/timesegments.h"

#include "model/textforms.h"

#include <QStringView>

#include <algorithm>

namespace dayvane {

namespace {

constexpr qint32 kMaxStart = kMinutesPerDay - 1;
constexpr qint32 kMaxEnd = 2 * kMinutesPerDay - 1;

struct RawPeriod {
    QStringView flag;
    qint32 start;
    qint32 end;

    bool worked() const { return flag == u"y"; }
};

bool is_ascii_digit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Saturates at `limit` while it scans, so any length of digits is safe.
qint32 leading_number(QStringView text, qint32 limit)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    qint32 value = 0;
    for (; i < text.size() && is_ascii_digit(text[i]); ++i)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), limit);
    return value;
}

// Calls `visit` with each period read, in order; the views point into `text`.
template <typename Visit>
void for_each_period(QStringView text, Visit visit)
{
    int count = 0;
    qsizetype pos = 0;
    while (count < kMaxTimePeriods && pos <= text.size()) {
        qsizetype plus = text.indexOf(u'+', pos);
        if (plus < 0)
            plus = text.size();
        const QStringView piece = text.sliced(pos, plus - pos);
        pos = plus + 1;

        const qsizetype at = piece.indexOf(u'@');
        if (at < 0)
            continue;
        const qsizetype gt = piece.indexOf(u'>', at + 1);
        if (gt < 0)
            continue;
        visit(RawPeriod{piece.first(at),
                        leading_number(piece.sliced(at + 1, gt - at - 1), kMaxStart),
                        leading_number(piece.sliced(gt + 1), kMaxEnd)});
        ++count;
    }
}

qint32 sum_minutes(const QString &text, bool worked_only)
{
    qint32 total = 0;
    for_each_period(text, [&](const RawPeriod &period) {
        if (!worked_only || period.worked())
            total += std::clamp(period.end - period.start, -kMinutesPerDay, kMinutesPerDay);
    });
    return total;
}

} // namespace

std::vector<TimePeriod> decode_time_segments(const QString &text)
{
    std::vector<TimePeriod> periods;
    for_each_period(text, [&](const RawPeriod &period) {
        periods.push_back({period.flag.toString(), period.start, period.end});
    });
    return periods;
}

QString encode_time_segments(std::span<const TimePeriod> periods)
{
    QString text;
    for (const TimePeriod &period : periods) {
        if (period.flag.isEmpty())
            continue;
        if (!text.isEmpty())
            text += u'+';
        text += period.flag + u'@' + QString::number(period.start) + u'>'
                + QString::number(period.end);
    }
    return text;
}

QString work_flag(const QString &work_column)
{
    return work_column.left(1).toLower();
}

qint32 calc_work_minutes(const QString &text)
{
    return sum_minutes(text, true);
}

qint32 calc_paid_minutes(const QString &text)
{
    return sum_minutes(text, false);
}

std::array<QString, kMaxTimePeriods> format_time_segments(const QString &text)
{
    std::array<QString, kMaxTimePeriods> lines;
    std::size_t n = 0;
    for_each_period(text, [&](const RawPeriod &period) {
        const qint32 duration = period.start < period.end
            ? period.end - period.start
            : period.end - period.start + kMinutesPerDay;
        lines[n++] = format_time_of_day(period.start) + QStringLiteral("..")
                     + format_time_of_day(period.end) + QStringLiteral(" (")
                     + format_minutes(duration)
                     + (period.worked() ? QStringLiteral(" Wrk)") : QStringLiteral(")"));
    });
    return lines;
}

} // namespace dayvane
