#pragma once

#include "calendars/calendarstore.h"

#include <QIcon>

namespace dayvane {

// The small pictures of the calendar list: "admin" (changes need the system
// password), "read_write" (the owner alone reads and changes), "write"
// (everyone reads, the owner changes). Drawn once, kept for the run.
QIcon access_icon(AccessPicture picture);
// The picture's key, also the icon's name.
QString access_key(AccessPicture picture);

} // namespace dayvane
