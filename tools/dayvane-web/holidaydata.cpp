#include "holidaydata.h"

#include <QSet>
#include <QStringList>

#include <algorithm>

namespace dayvane {

namespace {

using Holidays = std::vector<Holiday>;

bool on_weekend(const QDate &date)
{
    return date.dayOfWeek() >= Qt::Saturday;
}

// Easter-based dates of Western churches, `offset` days from Easter Sunday.
QDate from_easter(int year, int offset)
{
    return easter_sunday(year).addDays(offset);
}

// The last `weekday` strictly before `date`.
QDate weekday_before(const QDate &date, int weekday)
{
    const int back = (date.dayOfWeek() - weekday + 6) % 7 + 1;
    return date.addDays(-back);
}

// United States federal rule: a holiday on a Saturday is observed on the
// Friday before, one on a Sunday on the Monday after.
void add_observed_days(Holidays &days)
{
    Holidays observed;
    for (const Holiday &day : days) {
        if (!on_weekend(day.date))
            continue;
        const int shift = day.date.dayOfWeek() == Qt::Saturday ? -1 : 1;
        observed.push_back({day.date.addDays(shift), day.name + QStringLiteral(" (observed)")});
    }
    days.insert(days.end(), observed.begin(), observed.end());
}

// United Kingdom rule: a bank holiday on a weekend moves to the next weekday
// that is not already a bank holiday (Christmas on a Saturday gives Monday
// and Tuesday, Christmas on a Sunday gives Tuesday after Boxing Day).
void add_substitute_days(Holidays &days)
{
    std::sort(days.begin(), days.end(),
              [](const Holiday &a, const Holiday &b) { return a.date < b.date; });
    QSet<QDate> taken;
    for (const Holiday &day : days)
        if (!on_weekend(day.date))
            taken.insert(day.date);
    Holidays substitutes;
    for (const Holiday &day : days) {
        if (!on_weekend(day.date))
            continue;
        QDate substitute = day.date.addDays(1);
        while (on_weekend(substitute) || taken.contains(substitute))
            substitute = substitute.addDays(1);
        taken.insert(substitute);
        substitutes.push_back({substitute, day.name + QStringLiteral(" (substitute day)")});
    }
    days.insert(days.end(), substitutes.begin(), substitutes.end());
}

Holidays united_states(int year)
{
    Holidays days{
        {QDate(year, 1, 1), QStringLiteral("New Year's Day")},
        {nth_weekday(year, 1, Qt::Monday, 3), QStringLiteral("Birthday of Martin Luther King, Jr.")},
        {nth_weekday(year, 2, Qt::Monday, 3), QStringLiteral("Washington's Birthday")},
        {nth_weekday(year, 5, Qt::Monday, -1), QStringLiteral("Memorial Day")},
        {QDate(year, 6, 19), QStringLiteral("Juneteenth National Independence Day")},
        {QDate(year, 7, 4), QStringLiteral("Independence Day")},
        {nth_weekday(year, 9, Qt::Monday, 1), QStringLiteral("Labor Day")},
        {nth_weekday(year, 10, Qt::Monday, 2), QStringLiteral("Columbus Day")},
        {QDate(year, 11, 11), QStringLiteral("Veterans Day")},
        {nth_weekday(year, 11, Qt::Thursday, 4), QStringLiteral("Thanksgiving Day")},
        {QDate(year, 12, 25), QStringLiteral("Christmas Day")},
    };
    add_observed_days(days);
    return days;
}

Holidays united_kingdom(int year)
{
    Holidays days{
        {QDate(year, 1, 1), QStringLiteral("New Year's Day")},
        {from_easter(year, -2), QStringLiteral("Good Friday")},
        {from_easter(year, 1), QStringLiteral("Easter Monday")},
        {nth_weekday(year, 5, Qt::Monday, 1), QStringLiteral("Early May bank holiday")},
        {nth_weekday(year, 5, Qt::Monday, -1), QStringLiteral("Spring bank holiday")},
        {nth_weekday(year, 8, Qt::Monday, -1), QStringLiteral("Summer bank holiday")},
        {QDate(year, 12, 25), QStringLiteral("Christmas Day")},
        {QDate(year, 12, 26), QStringLiteral("Boxing Day")},
    };
    add_substitute_days(days);
    return days;
}

// Germany has no replacement days: a holiday on a weekend is simply lost.
Holidays germany(int year)
{
    return {
        {QDate(year, 1, 1), QStringLiteral("New Year's Day")},
        {from_easter(year, -2), QStringLiteral("Good Friday")},
        {from_easter(year, 1), QStringLiteral("Easter Monday")},
        {QDate(year, 5, 1), QStringLiteral("Labour Day")},
        {from_easter(year, 39), QStringLiteral("Ascension Day")},
        {from_easter(year, 50), QStringLiteral("Whit Monday")},
        {QDate(year, 10, 3), QStringLiteral("Day of German Unity")},
        {QDate(year, 12, 25), QStringLiteral("Christmas Day")},
        {QDate(year, 12, 26), QStringLiteral("Second Day of Christmas")},
    };
}

// France has no replacement days either.
Holidays france(int year)
{
    return {
        {QDate(year, 1, 1), QStringLiteral("New Year's Day")},
        {from_easter(year, 1), QStringLiteral("Easter Monday")},
        {QDate(year, 5, 1), QStringLiteral("Labour Day")},
        {QDate(year, 5, 8), QStringLiteral("Victory in Europe Day")},
        {from_easter(year, 39), QStringLiteral("Ascension Day")},
        {from_easter(year, 50), QStringLiteral("Whit Monday")},
        {QDate(year, 7, 14), QStringLiteral("Bastille Day")},
        {QDate(year, 8, 15), QStringLiteral("Assumption Day")},
        {QDate(year, 11, 1), QStringLiteral("All Saints' Day")},
        {QDate(year, 11, 11), QStringLiteral("Armistice Day")},
        {QDate(year, 12, 25), QStringLiteral("Christmas Day")},
    };
}

// The general holidays of the federal labour code. Which day off replaces one
// that falls on a rest day depends on each employee's schedule, so only the
// holidays' own dates are listed; Canada Day itself moves to July 2 when
// July 1 is a Sunday.
Holidays canada(int year)
{
    const QDate july_first(year, 7, 1);
    const QDate canada_day = july_first.dayOfWeek() == Qt::Sunday ? july_first.addDays(1) : july_first;
    return {
        {QDate(year, 1, 1), QStringLiteral("New Year's Day")},
        {from_easter(year, -2), QStringLiteral("Good Friday")},
        {weekday_before(QDate(year, 5, 25), Qt::Monday), QStringLiteral("Victoria Day")},
        {canada_day, QStringLiteral("Canada Day")},
        {nth_weekday(year, 8, Qt::Monday, 1), QStringLiteral("Civic Holiday")},
        {nth_weekday(year, 9, Qt::Monday, 1), QStringLiteral("Labour Day")},
        {QDate(year, 9, 30), QStringLiteral("National Day for Truth and Reconciliation")},
        {nth_weekday(year, 10, Qt::Monday, 2), QStringLiteral("Thanksgiving Day")},
        {QDate(year, 11, 11), QStringLiteral("Remembrance Day")},
        {QDate(year, 12, 25), QStringLiteral("Christmas Day")},
        {QDate(year, 12, 26), QStringLiteral("Boxing Day")},
    };
}

// Every holiday the rules of `year` produce, wherever the date falls.
Holidays rules_of_year(int country_id, int year)
{
    switch (country_id) {
    case kUnitedStates: return united_states(year);
    case kUnitedKingdom: return united_kingdom(year);
    case kGermany: return germany(year);
    case kFrance: return france(year);
    case kCanada: return canada(year);
    default: return {};
    }
}

void append_record(QString &text, QChar type, const QStringList &fields)
{
    text += type;
    text += u'=';
    text += fields.join(u'^');
    text += u'|';
}

} // namespace

QDate easter_sunday(int year)
{
    if (year < 1583)
        return {};
    // The anonymous Gregorian computus (Meeus/Jones/Butcher).
    const int a = year % 19;
    const int b = year / 100, c = year % 100;
    const int d = b / 4, e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

QDate nth_weekday(int year, int month, int weekday, int n)
{
    const QDate first(year, month, 1);
    if (!first.isValid() || weekday < Qt::Monday || weekday > Qt::Sunday || n == 0 || n < -1)
        return {};
    if (n == -1)
        return weekday_before(first.addMonths(1), weekday);
    const int to_first = (weekday - first.dayOfWeek() + 7) % 7;
    const QDate date = first.addDays(to_first + 7 * (n - 1));
    return date.month() == month ? date : QDate();
}

const std::vector<HolidayCountry> &holiday_countries()
{
    static const std::vector<HolidayCountry> countries{
        {kUnitedStates, QStringLiteral("United States (federal)")},
        {kUnitedKingdom, QStringLiteral("United Kingdom (England and Wales)")},
        {kGermany, QStringLiteral("Germany (nationwide)")},
        {kFrance, QStringLiteral("France")},
        {kCanada, QStringLiteral("Canada (federal)")},
    };
    return countries;
}

std::vector<Holiday> holidays_in_year(int country_id, int year)
{
    // Replacement days can cross the turn of the year, so the neighbouring
    // years' rules are asked too.
    Holidays days;
    for (int rules_year = year - 1; rules_year <= year + 1; ++rules_year)
        for (Holiday &day : rules_of_year(country_id, rules_year))
            if (day.date.year() == year)
                days.push_back(std::move(day));
    std::stable_sort(days.begin(), days.end(),
                     [](const Holiday &a, const Holiday &b) { return a.date < b.date; });
    return days;
}

int year_list_id(int country_id, int year)
{
    return country_id * 10000 + year;
}

QString holiday_date_text(const QDate &date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString holiday_payload(int first_year, int last_year)
{
    QString text;
    for (const HolidayCountry &country : holiday_countries()) {
        const QString id = QString::number(country.id);
        append_record(text, u'C', {id, country.name});
        for (int year = first_year; year <= last_year; ++year) {
            const QString list = QString::number(year_list_id(country.id, year));
            append_record(text, u'Y', {id, list, QString::number(year)});
            for (const Holiday &day : holidays_in_year(country.id, year))
                append_record(text, u'H', {id, list, holiday_date_text(day.date), day.name});
        }
    }
    return text;
}

QString holiday_reply(const QString &payload)
{
    return QStringLiteral("Holiday lists for Dayvane, served by dayvane-web.\r\n"
                          "Everything after the separator is the list.\r\n")
        + kHolidayReplySeparator + kHolidayListMarker + payload;
}

QString cut_short(const QString &reply)
{
    const qsizetype marker = reply.indexOf(kHolidayListMarker);
    const qsizetype start = marker < 0 ? 0 : marker + kHolidayListMarker.size();
    QString cut = reply.left(start + (reply.size() - start) / 2);
    while (cut.endsWith(u'|'))
        cut.chop(1);
    return cut;
}

} // namespace dayvane
