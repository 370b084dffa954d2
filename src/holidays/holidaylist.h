#pragma once

#include <QDate>
#include <QString>

#include <map>
#include <vector>

namespace dayvane {

// A list of holidays as a holiday server offers it, or as an iCalendar
// file gives it: plain values, shared by the program and dayvane-web.

struct Holiday
{
    QDate date;
    QString name;  // one line, without the exchange's separators

    friend bool operator==(const Holiday &, const Holiday &) = default;
};

struct HolidayList
{
    int id = 0;  // > 0, unique among the lists served
    QString name;
    // The list's code in lower case, "de", "de-by", by which dayvane-web's
    // --lists picks it; a list whose file names none has the file's base name.
    QString code;
    // The holidays of each year, in date order (equal dates in file order).
    std::map<int, std::vector<Holiday>> years;
};

// A name fit for the exchange: control characters and the characters that
// separate records and fields ("|", "^") or could form the separator ("~")
// become blanks, runs of blanks one blank, both ends trimmed.
QString clean_holiday_name(const QString &name);

// Adds a holiday to the list's year of its date, after the holidays it has
// of that date, unless it has one of that date and name already.
void add_holiday(HolidayList &list, const QDate &date, const QString &name);

// The same for many holidays at once, in their order, in O(n log n) rather
// than one insertion each.
void add_holidays(HolidayList &list, std::vector<Holiday> holidays);

} // namespace dayvane
