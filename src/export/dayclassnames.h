#pragma once

#include "calendaryear/calendaryear.h"

#include <QString>

namespace dayvane {

// The names the reports' legend gives the four day classes: "Typical
// workday", "Altered workday", "Paid, no work", "No work, no pay". Fixed
// English texts, as every exported file of the program.
QString day_class_name(DayKind kind);
// The same name in the language of the user, for the screen and print.
QString shown_day_class_name(DayKind kind);

// The English name of the weekday of `date` ("Monday"); "" for an invalid
// date. Independent of the user's locale, so exported files read the same on
// every workstation.
QString english_weekday(QDate date);

} // namespace dayvane
