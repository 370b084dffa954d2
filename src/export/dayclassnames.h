#pragma once

#include "calendaryear/calendaryear.h"

#include <QString>

namespace dayvane {

// The names the reports' legend gives the four day classes: "Typical
// workday", "Altered workday", "Paid, no work", "No work, no pay". Fixed
// English texts, as every printed form of the program; marked for
// translation where a window shows them.
QString day_class_name(DayKind kind);

// The English name of the weekday of `date` ("Monday"); "" for an invalid
// date. Independent of the user's locale, so exported files read the same on
// every workstation.
QString english_weekday(QDate date);

} // namespace dayvane
