#include "export/dayclassnames.h"

#include <QCoreApplication>

namespace dayvane {

QString day_class_name(DayKind kind)
{
    switch (kind) {
    case DayKind::TypicalWork:
        return QStringLiteral(QT_TRANSLATE_NOOP("dayvane", "Typical workday"));
    case DayKind::AlteredWork:
        return QStringLiteral(QT_TRANSLATE_NOOP("dayvane", "Altered workday"));
    case DayKind::PaidNoWork:
        return QStringLiteral(QT_TRANSLATE_NOOP("dayvane", "Paid, no work"));
    case DayKind::NoWorkNoPay:
        break;
    }
    return QStringLiteral(QT_TRANSLATE_NOOP("dayvane", "No work, no pay"));
}

QString english_weekday(QDate date)
{
    static const char *const names[7] = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                         "Friday", "Saturday", "Sunday"};
    return date.isValid() ? QString::fromLatin1(names[date.dayOfWeek() - 1]) : QString();
}

} // namespace dayvane
