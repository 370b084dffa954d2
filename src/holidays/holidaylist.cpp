#include "holidays/holidaylist.h"

#include <algorithm>
#include <tuple>

namespace dayvane {

QString clean_holiday_name(const QString &name)
{
    QString text = name;
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c == u'|' || c == u'^' || c == u'~')
            c = u' ';
    }
    return text.simplified();
}

void add_holiday(HolidayList &list, const QDate &date, const QString &name)
{
    std::vector<Holiday> &days = list.years[date.year()];
    const auto [first, after] = std::equal_range(days.begin(), days.end(), Holiday{date, QString()},
                                                 [](const Holiday &a, const Holiday &b) { return a.date < b.date; });
    if (std::none_of(first, after, [&name](const Holiday &day) { return day.name == name; }))
        days.insert(after, Holiday{date, name});
}

void add_holidays(HolidayList &list, std::vector<Holiday> holidays)
{
    // The list's own holidays first, so that they come before new ones of
    // their date; then each date and name once, in the order first given.
    struct Entry
    {
        Holiday holiday;
        size_t order;
    };
    std::vector<Entry> entries;
    for (auto &[year, days] : list.years)
        for (Holiday &day : days)
            entries.push_back({std::move(day), entries.size()});
    for (Holiday &day : holidays)
        entries.push_back({std::move(day), entries.size()});
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return std::tie(a.holiday.date, a.holiday.name, a.order) < std::tie(b.holiday.date, b.holiday.name, b.order);
    });
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const Entry &a, const Entry &b) { return a.holiday == b.holiday; }),
                  entries.end());
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return std::tie(a.holiday.date, a.order) < std::tie(b.holiday.date, b.order);
    });
    list.years.clear();
    for (Entry &entry : entries)
        list.years[entry.holiday.date.year()].push_back(std::move(entry.holiday));
}

} // namespace dayvane
