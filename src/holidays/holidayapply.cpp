#include "holidays/holidayapply.h"

#include "model/timesegments.h"
#include "store/dberror.h"
#include "store/history.h"
#include "store/recordset.h"
#include "store/stepnumber.h"

#include <QHash>
#include <QSet>
#include <QStringList>

namespace dayvane {

namespace {

void apply_treatment(RecordSet &day, const HolidayChoice &choice)
{
    if (choice.treatment == Treatment::Paid) {
        const QVariant segments = day.field(QStringLiteral("TimeSegments"));
        if (!segments.isNull() && !segments.toString().isEmpty()) {
            const QString paid = paid_only_segments(segments.toString());
            day.set_field(QStringLiteral("TimeSegments"), paid);
            day.set_field(QStringLiteral("minutes1"), calc_work_minutes(paid));
            day.set_field(QStringLiteral("minutes2"), calc_paid_minutes(paid));
        }
    } else if (choice.treatment == Treatment::Clear) {
        day.set_field(QStringLiteral("DayStart"), 0);
        day.set_field(QStringLiteral("DayStop"), 0);
        day.set_field(QStringLiteral("TimeSegments"), QString());
        day.set_field(QStringLiteral("minutes1"), 0);
        day.set_field(QStringLiteral("minutes2"), 0);
    }
    day.set_field(QStringLiteral("Date comment"), choice.name);
}

} // namespace

QString paid_only_segments(const QString &segments)
{
    QString paid = segments;
    return paid.replace(u'y', u'n');
}

HolidayWriteResult write_holidays(Database &db, qint32 calendar_id, int year, const std::vector<HolidayChoice> &choices,
                                  std::vector<DayState> *states)
{
    set_step_number(1);
    RecordSet days = RecordSet::open(
        db, QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=%2; SELECT Q003.* FROM Q003;").arg(calendar_id).arg(year));
    set_step_number(2);
    if (days.record_count() == 0)
        throw DbError(DbError::ProgramError, QString::fromUtf8(QT_TRANSLATE_NOOP("dayvane", "DB record not found.")), QStringLiteral("apply"));
    WrittenDays written_days(states, days);

    // The first selected choice of each date; the grid allows only one.
    QHash<QDate, const HolidayChoice *> by_date;
    for (const HolidayChoice &choice : choices) {
        if (choice.treatment != Treatment::None && choice.date.isValid() && !by_date.contains(choice.date))
            by_date.insert(choice.date, &choice);
    }
    HolidayWriteResult result;
    QSet<QDate> written;
    for (; !days.eof(); days.move_next()) {
        set_step_number(3);
        const QDate date = days.field(QStringLiteral("DateVal")).toDate();
        const HolidayChoice *choice = by_date.value(date);
        if (!choice || written.contains(date))
            continue;
        set_step_number(4);
        days.edit();
        apply_treatment(days, *choice);
        set_step_number(5);
        days.update();
        written_days.note(days);
        written.insert(date);
        ++result.written;
        ++result.written_by_treatment[size_t(choice->treatment)];
    }
    for (const HolidayChoice &choice : choices) {
        if (choice.treatment != Treatment::None && !written.contains(choice.date))
            result.unmatched.push_back(choice);
    }
    return result;
}

QString HolidayWriteResult::action() const
{
    static const char *const kTreatment[] = {"", "comment only", "paid", "cleared"};
    QStringList counted;
    QString treatment;
    for (size_t i = 1; i < written_by_treatment.size(); ++i) {
        if (written_by_treatment[i] == 0)
            continue;
        treatment = QString::fromLatin1(kTreatment[i]);
        counted << QStringLiteral("%1 %2").arg(written_by_treatment[i]).arg(treatment);
    }
    // One treatment reads "9, paid"; several "9 (5 paid, 4 cleared)".
    if (counted.size() == 1)
        return QStringLiteral("Holidays applied: %1, %2").arg(written).arg(treatment);
    return QStringLiteral("Holidays applied: %1 (%2)").arg(written).arg(counted.join(QStringLiteral(", ")));
}

} // namespace dayvane
