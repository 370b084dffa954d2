#include "model/textforms.h"

#include "model/timesegments.h"

#include <QLocale>
#include <QStringView>
#include <QTime>

#include <cstdlib>

namespace dayvane {

namespace {


QTime wrapped_time(qint32 minutes)
{
    const qint32 wrapped = (minutes % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
    return QTime(wrapped / 60, wrapped % 60);
}

QString hours_and_minutes(qint64 minutes, QStringView hours_unit, QStringView minutes_unit)
{
    // Unsigned, so that the magnitude of the most negative value exists.
    const quint64 magnitude = minutes < 0 ? 0 - quint64(minutes) : quint64(minutes);
    QString text = minutes < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / 60);
    text += hours_unit;
    text += QString::number(magnitude % 60);
    text += minutes_unit;
    return text;
}

QString format_date(const QDate &date, QStringView format)
{
    return date.isValid() ? QLocale::c().toString(date, format) : QString();
}

// A run of `min_digits`..`max_digits` ASCII digits and nothing else.
std::optional<int> whole_number(QStringView text, int min_digits, int max_digits)
{
    if (text.size() < min_digits || text.size() > max_digits)
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

QString format_time_of_day(qint32 minutes)
{
    return QLocale::c().toString(wrapped_time(minutes), u"hh:mm AP");
}

QString format_editor_time(qint32 minutes)
{
    return QLocale::c().toString(wrapped_time(minutes), u"h:mm ap");
}

QString format_editor_duration(qint64 minutes)
{
    return hours_and_minutes(minutes, u"hrs ", u"min");
}

QString format_minutes(qint64 minutes)
{
    return hours_and_minutes(minutes, u"h ", u"m");
}

QString format_editor_date(const QDate &date)
{
    return format_date(date, u"MM-dd-yyyy");
}

QString format_list_date(const QDate &date)
{
    return format_date(date, u"MMM-dd");
}

QString full_month_name(int month)
{
    return QLocale::c().standaloneMonthName(month, QLocale::LongFormat);
}

QString format_query_date(const QDate &date)
{
    return date.isValid() ? QStringLiteral("=#") + format_settings_date(date) + u'#' : QString();
}

QString format_settings_date(const QDate &date)
{
    return format_date(date, u"M/d/yyyy");
}

std::optional<QDate> parse_settings_date(const QString &text)
{
    const QStringView trimmed = QStringView(text).trimmed();
    const qsizetype first = trimmed.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : trimmed.indexOf(u'/', first + 1);
    if (second < 0)
        return std::nullopt;
    const auto month = whole_number(trimmed.first(first), 1, 2);
    const auto day = whole_number(trimmed.sliced(first + 1, second - first - 1), 1, 2);
    const auto year = whole_number(trimmed.sliced(second + 1), 1, 4);
    if (!month || !day || !year)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

namespace {

QLocale &chosen_screen_locale()
{
    static QLocale locale = QLocale::c();
    return locale;
}

bool fixed_forms()
{
    return chosen_screen_locale().language() == QLocale::C;
}

} // namespace

void set_screen_locale(const QLocale &locale)
{
    chosen_screen_locale() = locale;
}

QLocale screen_locale()
{
    return chosen_screen_locale();
}

QString screen_list_date(const QDate &date)
{
    if (fixed_forms() || !date.isValid())
        return format_list_date(date);
    return chosen_screen_locale().toString(date, QLocale::ShortFormat);
}

QString screen_time_of_day(qint32 minutes)
{
    if (fixed_forms())
        return format_time_of_day(minutes);
    return chosen_screen_locale().toString(wrapped_time(minutes), QLocale::ShortFormat);
}

QString screen_month_name(int month)
{
    if (fixed_forms())
        return full_month_name(month);
    return chosen_screen_locale().standaloneMonthName(month, QLocale::LongFormat);
}

} // namespace dayvane
