#include "calendars/accesspictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace dayvane {

namespace {

constexpr int kSize = 16;

QPixmap canvas()
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A shield: changes are for the administrator.
QPixmap draw_admin()
{
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(8, 1);
    shield.lineTo(14, 3);
    shield.lineTo(13, 9);
    shield.quadTo(11, 13, 8, 15);
    shield.quadTo(5, 13, 3, 9);
    shield.lineTo(2, 3);
    shield.closeSubpath();
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(QColor(120, 144, 176));
    painter.drawPath(shield);
    painter.setPen(QPen(Qt::white, 1.6));
    painter.drawLine(QPointF(8, 4), QPointF(8, 11));
    return pixmap;
}

// A padlock: only the owner reads and writes.
QPixmap draw_read_write()
{
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 30, 30), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(4.5, 1.5, 7, 8), 0, 180 * 16);
    painter.drawLine(QPointF(4.5, 5.5), QPointF(4.5, 7.5));
    painter.drawLine(QPointF(11.5, 5.5), QPointF(11.5, 7.5));
    painter.setPen(QPen(QColor(120, 30, 30), 1));
    painter.setBrush(QColor(200, 60, 50));
    painter.drawRoundedRect(QRectF(2.5, 7.5, 11, 7), 1.5, 1.5);
    return pixmap;
}

// A pencil: everyone reads, the owner writes.
QPixmap draw_write()
{
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(8, 8);
    painter.rotate(45);
    painter.setPen(QPen(QColor(40, 70, 120), 1));
    painter.setBrush(QColor(240, 190, 60));
    painter.drawRect(QRectF(-2, -7, 4, 10));
    painter.setBrush(QColor(230, 200, 160));
    QPolygonF tip;
    tip << QPointF(-2, 3) << QPointF(2, 3) << QPointF(0, 7);
    painter.drawPolygon(tip);
    return pixmap;
}

} // namespace

QString access_key(AccessPicture picture)
{
    switch (picture) {
    case AccessPicture::ReadWrite:
        return QStringLiteral("read_write");
    case AccessPicture::Write:
        return QStringLiteral("write");
    case AccessPicture::Admin:
        break;
    }
    return QStringLiteral("admin");
}

QIcon access_icon(AccessPicture picture)
{
    static const QIcon admin(draw_admin());
    static const QIcon read_write(draw_read_write());
    static const QIcon write(draw_write());
    switch (picture) {
    case AccessPicture::ReadWrite:
        return read_write;
    case AccessPicture::Write:
        return write;
    case AccessPicture::Admin:
        break;
    }
    return admin;
}

} // namespace dayvane
