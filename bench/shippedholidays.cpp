#include "shippedholidays.h"

#include "holidaylists.h"

#include <QStringList>

QByteArray shipped_holiday_reply(int first_year, int last_year)
{
    QStringList warnings;
    std::vector<dayvane::HolidayList> lists =
        dayvane::load_holiday_folder(QStringLiteral(DAYVANE_WEB_DATA_DIR), first_year, last_year, &warnings);
    dayvane::keep_years(lists, first_year, last_year);
    return "HTTP/1.1 200 OK\r\n\r\n" + dayvane::holiday_reply(dayvane::holiday_payload(lists)).toUtf8();
}
