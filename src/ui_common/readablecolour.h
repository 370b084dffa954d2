#pragma once

#include <QColor>

class QCalendarWidget;

namespace dayvane {

// The contrast every text keeps on its background (WCAG AA for body text).
inline constexpr double kReadableContrast = 4.5;

// `wanted` where it reads on `background` at kReadableContrast, else
// `wanted` moved towards black or white (whichever reads better on the
// background) just far enough that it does: a red stays a darker red on a
// light background. Always meets the ratio, since black or white does on
// any background.
QColor readable_on(const QColor &wanted, const QColor &background);

// The toolkit draws weekends in pure red and the neighbouring months' days
// in the theme's disabled grey, which read on neither a white nor a dark
// background: keeps both, paired with the control's cells, now and whenever
// the desktop's theme changes.
void keep_calendar_days_readable(QCalendarWidget *calendar);

} // namespace dayvane
