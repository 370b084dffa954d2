#include "editor/daterange.h"

#include "model/textforms.h"

#include <QRegularExpression>

namespace dayvane {

int weekday_number(const QDate &date)
{
    return date.dayOfWeek() % 7 + 1;
}

std::optional<QDate> parse_editor_date(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{2})-(\\d{2})-(\\d{4})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(3).toInt(), match.captured(1).toInt(), match.captured(2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int count_of_days_in_range(const std::optional<QDate> &start, const std::optional<QDate> &end, const Weekdays &ticked)
{
    if (!start || !end || *end < *start)
        return 0;
    // Whole weeks hold every weekday once; only the remaining days are walked.
    const qint64 days = start->daysTo(*end) + 1;
    int ticked_count = 0;
    for (bool on : ticked)
        ticked_count += on;
    int count = int(days / 7) * ticked_count;
    for (QDate date = start->addDays(days / 7 * 7); date <= *end; date = date.addDays(1))
        count += ticked[size_t(weekday_number(date) - 1)];
    return count;
}

Weekdays weekdays_in_range(const QDate &start, const QDate &end)
{
    Weekdays in_range{};
    for (int offset = 0; offset < 7; ++offset) {
        const QDate date = start.addDays(offset);
        if (date > end)
            break;
        in_range[size_t(weekday_number(date) - 1)] = true;
    }
    return in_range;
}

RangeTotalTexts range_total_texts(int days, qint32 minutes1, qint32 minutes2)
{
    if (days == 0)
        return {QStringLiteral("Date ?"), QStringLiteral("Date ?")};
    if (minutes1 < 1 && minutes2 < 1)
        return {};
    // 64 bits: a damaged day's minutes must not wrap the product.
    return {format_editor_duration(qint64(minutes1) * days), format_editor_duration(qint64(minutes2) * days)};
}

} // namespace dayvane
