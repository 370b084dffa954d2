#include "holidays/holidaylist.h"

#include <algorithm>

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
    const auto after = std::upper_bound(days.begin(), days.end(), date,
                                        [](const QDate &d, const Holiday &day) { return d < day.date; });
    days.insert(after, Holiday{date, name});
}

} // namespace dayvane
