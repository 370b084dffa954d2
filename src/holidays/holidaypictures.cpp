#include "holidays/holidaypictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace dayvane {

namespace {

constexpr int kSize = 16;

QIcon draw_picture(bool yes)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(2.5, 2.5, kSize - 5, kSize - 5);
    painter.setPen(QPen(yes ? QColor(0, 110, 0) : QColor(140, 140, 140), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(box, 1.5, 1.5);
    if (yes) {
        QPainterPath tick;
        tick.moveTo(4.5, 8.5);
        tick.lineTo(7.0, 11.5);
        tick.lineTo(12.0, 4.5);
        painter.setPen(QPen(QColor(0, 150, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace

const QIcon &holiday_picture(bool yes)
{
    // Kept for the run: pixmaps must not outlive the application object, which
    // a static's destructor would risk.
    static const QIcon *const no = new QIcon(draw_picture(false));
    static const QIcon *const tick = new QIcon(draw_picture(true));
    return yes ? *tick : *no;
}

} // namespace dayvane
