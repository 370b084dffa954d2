#include "ui_common/readablecolour.h"

#include "ui_common/geometry.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QTextCharFormat>

namespace dayvane {

QColor readable_on(const QColor &wanted, const QColor &background)
{
    if (contrast_ratio(wanted, background) >= kReadableContrast)
        return wanted;
    const QColor end = text_colour_on(background);
    const QColor from = wanted.toRgb();
    const auto mix = [](float a, float b, float t) { return a + (b - a) * t; };
    for (int step = 1; step < 20; ++step) {
        const float t = float(step) / 20.0f;
        const QColor mixed = QColor::fromRgbF(mix(from.redF(), end.redF(), t), mix(from.greenF(), end.greenF(), t),
                                              mix(from.blueF(), end.blueF(), t));
        if (contrast_ratio(mixed, background) >= kReadableContrast)
            return mixed;
    }
    return end;
}

namespace {

// Weekends stay red and the neighbouring months' days dimmed, each as far
// as reading on the control's cells allows (the days outside the date range
// lie on the window colour).
void pair_day_colours(QCalendarWidget *calendar)
{
    QPalette palette = calendar->palette();
    // The day names' row lies on the alternate base.
    const QColor red = readable_on(readable_on(Qt::red, palette.color(QPalette::Base)), palette.color(QPalette::AlternateBase));
    for (const Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) {
        QTextCharFormat format = calendar->weekdayTextFormat(day);
        format.setForeground(red);
        calendar->setWeekdayTextFormat(day, format);
    }
    const QColor dimmed = palette.color(QPalette::Disabled, QPalette::Text);
    const QColor readable = readable_on(readable_on(dimmed, palette.color(QPalette::Base)), palette.color(QPalette::Window));
    if (readable != dimmed) {
        palette.setColor(QPalette::Disabled, QPalette::Text, readable);
        calendar->setPalette(palette);
    }
}

class DayColourPairing : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            pair_day_colours(static_cast<QCalendarWidget *>(watched));
        return false;
    }
};

} // namespace

void keep_calendar_days_readable(QCalendarWidget *calendar)
{
    pair_day_colours(calendar);
    calendar->installEventFilter(new DayColourPairing(calendar));
}

} // namespace dayvane
