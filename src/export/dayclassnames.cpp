#include "export/dayclassnames.h"

#include <QCoreApplication>

namespace dayvane {

namespace {

const char *english_class_name(DayKind kind)
{
    switch (kind) {
    case DayKind::TypicalWork:
        return QT_TRANSLATE_NOOP("dayvane", "Typical workday");
    case DayKind::AlteredWork:
        return QT_TRANSLATE_NOOP("dayvane", "Altered workday");
    case DayKind::PaidNoWork:
        return QT_TRANSLATE_NOOP("dayvane", "Paid, no work");
    case DayKind::NoWorkNoPay:
        break;
    }
    return QT_TRANSLATE_NOOP("dayvane", "No work, no pay");
}

} // namespace

QString day_class_name(DayKind kind)
{
    return QString::fromLatin1(english_class_name(kind));
}

QString shown_day_class_name(DayKind kind)
{
    return QCoreApplication::translate("dayvane", english_class_name(kind));
}

QString english_weekday(QDate date)
{
    static const char *const names[7] = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                         "Friday", "Saturday", "Sunday"};
    return date.isValid() ? QString::fromLatin1(names[date.dayOfWeek() - 1]) : QString();
}

} // namespace dayvane
