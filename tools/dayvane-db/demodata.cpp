#include "demodata.h"

#include "model/timesegments.h"
#include "store/database.h"
#include "store/history.h"
#include "store/recordset.h"
#include "store/recordsettext.h"
#include "store/scramble.h"
#include "store/transaction.h"

#include <QDate>

#include <map>

namespace dayvane {

namespace {

// Easter Sunday of the Gregorian calendar (anonymous algorithm).
QDate easter_sunday(int year)
{
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

std::map<QDate, QString> public_holidays(int year)
{
    const QDate easter = easter_sunday(year);
    return {
        {QDate(year, 1, 1), QStringLiteral("New Year's Day")},
        {easter.addDays(-2), QStringLiteral("Good Friday")},
        {easter.addDays(1), QStringLiteral("Easter Monday")},
        {QDate(year, 5, 1), QStringLiteral("Labour Day")},
        {easter.addDays(39), QStringLiteral("Ascension Day")},
        {easter.addDays(50), QStringLiteral("Whit Monday")},
        {QDate(year, 10, 3), QStringLiteral("Day of Unity")},
        {QDate(year, 12, 25), QStringLiteral("Christmas Day")},
        {QDate(year, 12, 26), QStringLiteral("Boxing Day")},
    };
}

struct DayPlan
{
    QString segments;
    QString comment;
};

// How one calendar fills a date.
using Planner = DayPlan (*)(const QDate &date, const std::map<QDate, QString> &holidays);

DayPlan office_day(const QDate &date, const std::map<QDate, QString> &holidays)
{
    if (const auto holiday = holidays.find(date); holiday != holidays.end())
        return {date.dayOfWeek() <= 5 ? QStringLiteral("n@480>720+n@750>990") : QString(), holiday->second};
    if (date.dayOfWeek() > 5)
        return {};
    DayPlan plan{QStringLiteral("y@480>720+y@750>990"), QString()};
    if (date.day() == 1 && date.dayOfWeek() == 1)
        plan.comment = QStringLiteral("Monthly team meeting");
    if (date.month() == 12 && date.day() == 24)
        plan = {QStringLiteral("y@480>720"), QStringLiteral("Christmas Eve - half day")};
    return plan;
}

DayPlan workshop_day(const QDate &date, const std::map<QDate, QString> &holidays)
{
    if (const auto holiday = holidays.find(date); holiday != holidays.end())
        return {date.dayOfWeek() <= 5 ? QStringLiteral("n@420>720+n@750>930") : QString(), holiday->second};
    // Paid lunch break from Monday to Thursday; Friday ends at noon.
    switch (date.dayOfWeek()) {
    case 5:
        return {QStringLiteral("y@420>720"), QString()};
    case 6:
        if (date.month() == 6 && date.day() <= 7)
            return {QStringLiteral("y@480>720"), QStringLiteral("Annual inventory")};
        return {};
    case 7:
        return {};
    default:
        if (date.month() == 3 && date.day() == 15)
            return {QStringLiteral("y@420>720+n@720>750+y@750>930"), QStringLiteral("Fire drill")};
        return {QStringLiteral("y@420>720+n@720>750+y@750>930"), QString()};
    }
}

DayPlan night_shift_day(const QDate &date, const std::map<QDate, QString> &holidays)
{
    if (const auto holiday = holidays.find(date); holiday != holidays.end())
        return {QString(), holiday->second};
    // Monday to Thursday nights, 22:00 to 06:00 the next morning.
    if (date.dayOfWeek() > 4)
        return {};
    return {QStringLiteral("y@1320>1800"), QString()};
}

qint64 add_calendar(Database &db, const QString &name, qint64 owner, bool restrict_read)
{
    RecordSet set = RecordSet::open(db, QStringLiteral("PARAMETERS NameTest Text ( 255 )=") + sql_text_literal(name)
                                            + QStringLiteral("; SELECT Q001.* FROM Q001;"));
    set.add_new();
    set.set_field(QStringLiteral("Name"), name);
    set.update();
    const qint64 id = set.last_added_id();

    RecordSet calendar = RecordSet::open(db, QStringLiteral("PARAMETERS RecordID Long=%1; SELECT Q004.* FROM Q004;").arg(id));
    calendar.edit();
    calendar.set_field(QStringLiteral("OwnerLink"), owner);
    calendar.set_field(QStringLiteral("RestrictRead"), restrict_read);
    calendar.update();
    return id;
}

void add_year(Database &db, qint64 calendar, int year, Planner planner)
{
    const QString parameters = QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=%2; ").arg(calendar).arg(year);
    RecordSet years = RecordSet::open(db, parameters + QStringLiteral("SELECT Q002.* FROM Q002;"));
    years.add_new();
    years.set_field(QStringLiteral("CalendarLink"), calendar);
    years.set_field(QStringLiteral("YearVal"), year);
    years.update();
    const qint64 year_id = years.last_added_id();

    const std::map<QDate, QString> holidays = public_holidays(year);
    RecordSet days = RecordSet::open(db, parameters + QStringLiteral("SELECT Q003.* FROM Q003;"));
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        const DayPlan plan = planner(date, holidays);
        const std::vector<TimePeriod> periods = decode_time_segments(plan.segments);
        days.add_new();
        days.set_field(QStringLiteral("NameLink"), calendar);
        days.set_field(QStringLiteral("YearLink"), year_id);
        days.set_field(QStringLiteral("DateVal"), date);
        days.set_field(QStringLiteral("DayType"), 0);
        days.set_field(QStringLiteral("DayStart"), periods.empty() ? 0 : periods.front().start);
        days.set_field(QStringLiteral("DayStop"), periods.empty() ? 0 : periods.back().end % 1440);
        days.set_field(QStringLiteral("minutes1"), calc_work_minutes(plan.segments));
        days.set_field(QStringLiteral("minutes2"), calc_paid_minutes(plan.segments));
        days.set_field(QStringLiteral("TimeSegments"), plan.segments);
        days.set_field(QStringLiteral("Date comment"), plan.comment);
        days.update();
    }
}

qint64 add_user(Database &db, const QString &employee, const QString &first, const QString &last,
                const QString &password)
{
    RecordSet set = RecordSet::open(db, QStringLiteral("PARAMETERS UserID Long=0; SELECT Q017.* FROM Q017;"));
    set.add_new();
    set.set_field(QStringLiteral("EmployeeID"), employee);
    set.set_field(QStringLiteral("FirstName"), first);
    set.set_field(QStringLiteral("LastName"), last);
    if (!password.isEmpty())
        set.set_field(QStringLiteral("password"), *scramble_text(password.toLatin1()));
    set.update();
    return set.last_added_id();
}

} // namespace

DemoPasswords write_demo_data(Database &db, int first_year)
{
    // Letters and digits only: the program's password boxes refuse the rest.
    const DemoPasswords passwords{QStringLiteral("admin2026"), QStringLiteral("Maria Keller"),
                                  QStringLiteral("keller77")};
    Transaction transaction(db);
    const qint64 maria = add_user(db, QStringLiteral("E-1001"), QStringLiteral("Maria"), QStringLiteral("Keller"),
                                  passwords.owner_password);
    add_user(db, QStringLiteral("E-1002"), QStringLiteral("Tom"), QStringLiteral("Becker"), QString());
    add_user(db, QStringLiteral("E-1003"), QStringLiteral("Lena"), QStringLiteral("Fischer"), QString());

    const qint64 office = add_calendar(db, QStringLiteral("Head Office"), 0, false);
    const qint64 workshop = add_calendar(db, QStringLiteral("Workshop"), 0, false);
    const qint64 night = add_calendar(db, QStringLiteral("Night Shift"), maria, true);
    for (int year = first_year; year <= first_year + 1; ++year) {
        add_year(db, office, year, office_day);
        add_year(db, workshop, year, workshop_day);
    }
    add_year(db, night, first_year + 1, night_shift_day);
    record_change(db, office, QStringLiteral("Calendar created with the year %1").arg(first_year));
    record_change(db, workshop, QStringLiteral("Calendar created with the year %1").arg(first_year));
    record_change(db, night, QStringLiteral("Calendar created with the year %1").arg(first_year + 1));

    // A change from another workstation, so the history has one to show
    // and to undo: the Fridays of March end early.
    const ChangeAuthor admin = db.author();
    db.author() = {QStringLiteral("OFFICE-PC-2"), QStringLiteral("tbecker"), 0, QString()};
    const QDate march(first_year + 1, 3, 1);
    change_calendar_days(db, qint32(office), 0, march, march.addMonths(1).addDays(-1), [&](std::vector<DayState> &days) {
        Statement fridays = db.prepare(QStringLiteral(
            "UPDATE days SET \"TimeSegments\" = 'y@480>720', \"DayStop\" = 720, minutes1 = 240, minutes2 = 240,"
            " \"Date comment\" = 'Short Friday' WHERE \"NameLink\" = ? AND \"DateVal\" = ? AND \"TimeSegments\" <> ''"));
        fridays.bind(1, office);
        for (QDate date = march; date.month() == 3; date = date.addDays(1)) {
            if (date.dayOfWeek() != Qt::Friday)
                continue;
            fridays.bind(2, date);
            fridays.exec();
            fridays.reset();
        }
        days = read_day_states(db, qint32(office), march, march.addMonths(1).addDays(-1));
        return QStringLiteral("Range saved: Fridays, 1 Mar \u2013 31 Mar %1").arg(march.year());
    });
    db.author() = admin;

    RecordSet variables = RecordSet::open(db, QStringLiteral("SELECT Q011.* FROM Q011;"));
    variables.add_new();
    variables.set_field(QStringLiteral("Variable"), QStringLiteral("System password"));
    variables.set_field(QStringLiteral("Value"), *scramble_text(passwords.system_password.toLatin1()));
    variables.update();
    transaction.commit();
    return passwords;
}

} // namespace dayvane
