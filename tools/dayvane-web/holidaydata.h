#pragma once

#include <QDate>
#include <QString>

#include <vector>

namespace dayvane {

// The holiday lists that dayvane-web offers, computed by rule. The rules are
// the ones in force since 2021 (when the latest of them came in); earlier
// years get the same rules, not their historical lists, and holidays
// proclaimed for a single year are not included. Every name is plain ASCII
// and contains neither record separator ("|", "^").

struct Holiday
{
    QDate date;
    QString name;
};

struct HolidayCountry
{
    int id = 0;  // > 0 and unique
    QString name;
};

inline constexpr int kUnitedStates = 1;  // federal holidays
inline constexpr int kUnitedKingdom = 2; // bank holidays of England and Wales
inline constexpr int kGermany = 3;       // nationwide public holidays
inline constexpr int kFrance = 4;        // public holidays (jours feries)
inline constexpr int kCanada = 5;        // federal statutory holidays

// The text that separates the reply's preamble from the list, and the marker
// that must open the list (33 characters, spelled so).
inline const QString kHolidayReplySeparator = QStringLiteral("~boundary~");
inline const QString kHolidayListMarker = QStringLiteral("*** Corvantelle holdiday list ***");

// Easter Sunday of the Gregorian calendar (Western churches) for years from
// 1583 on; an invalid date before that.
QDate easter_sunday(int year);

// The `n`th `weekday` (Qt::Monday = 1 ... Qt::Sunday = 7) of a month, or the
// last one when `n` is -1. An invalid date when there is no such day: a fifth
// weekday the month lacks, n = 0 or n < -1, an invalid month or weekday.
QDate nth_weekday(int year, int month, int weekday, int n);

// The offered countries, in list order.
const std::vector<HolidayCountry> &holiday_countries();

// The holidays of a country whose dates fall in `year`, sorted by date (equal
// dates keep rule order). Where a country gives a replacement day off for a
// holiday on a weekend, the list holds the holiday on its own date and the
// replacement as a further entry, named "... (observed)" in the United States
// and "... (substitute day)" in the United Kingdom; a replacement may come
// from the next year's rules (New Year's Day on a Saturday is observed on
// December 31). Empty for an unknown country.
std::vector<Holiday> holidays_in_year(int country_id, int year);

// The id of one country's list for one year, stable across runs and ranges:
// country id * 10000 + year.
int year_list_id(int country_id, int year);

// "m/d/yyyy" without padding of month and day ("7/4/2026").
QString holiday_date_text(const QDate &date);

// The records of the holiday-list exchange for every country and the years
// `first_year` to `last_year`: per country "C=id^name|", then per year
// "Y=country id^year list id^year|" followed by that year's holidays as
// "H=country id^year list id^m/d/yyyy^name|". Every record ends with "|", so
// the text ends with "|". With first_year > last_year only the countries are
// listed.
QString holiday_payload(int first_year, int last_year);

// The whole body of a holiday reply: a few preamble lines, the separator, the
// marker and then `payload` unchanged (nothing between marker and payload).
QString holiday_reply(const QString &payload);

// A copy of `reply` broken off halfway through what follows the marker (or
// halfway through the whole text when it has no marker), without any "|" at
// its end: what a client sees of a transfer that stopped early.
QString cut_short(const QString &reply);

} // namespace dayvane
