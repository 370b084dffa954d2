#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

namespace dayvane {

// The weekdays of a date range, indexed by weekday number - 1.
using Weekdays = std::array<bool, 7>;

// Sunday = 1 .. Saturday = 7, the numbering of the weekday boxes.
int weekday_number(const QDate &date);

// Reads a date field's "mm-dd-yyyy" (both fields two digits, four for the
// year); nullopt for anything else or a date that does not exist.
std::optional<QDate> parse_editor_date(const QString &text);

// The dates from start to end inclusive whose weekday is ticked; 0 when a
// date is missing or the end lies before the start.
int count_of_days_in_range(const std::optional<QDate> &start, const std::optional<QDate> &end, const Weekdays &ticked);

// The weekdays that occur in start..end: all seven from a week on, none
// when the end lies before the start.
Weekdays weekdays_in_range(const QDate &start, const QDate &end);

// The range totals' two texts: the day's worked and paid minutes times the
// number of days, as "Nhrs Mmin"; "Date ?" for both when no day of the range
// is selected, nothing when the day has no minutes.
struct RangeTotalTexts
{
    QString work;
    QString total;
};
RangeTotalTexts range_total_texts(int days, qint32 minutes1, qint32 minutes2);

} // namespace dayvane
