#pragma once

#include <QIcon>
#include <QString>

namespace dayvane {

// The pictures of the holiday grid's three treatment columns: "yes" (a
// green tick in a box) where a holiday is selected with that column's
// treatment, "no" (an empty box) where it is not. Drawn once, on first use;
// needs a QGuiApplication.
const QIcon &holiday_picture(bool yes);

// The picture's name, as tests and the grid's cells record it.
inline QString holiday_picture_name(bool yes)
{
    return yes ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace dayvane
