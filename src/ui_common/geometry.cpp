#include "ui_common/geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace dayvane {

namespace {

constexpr double kTwipsPerInch = 1440.0;

double logical_dpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

} // namespace

QColor colour_from_number(quint32 value)
{
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

int twips_to_pixels(double twips)
{
    return int(std::lround(twips * logical_dpi() / kTwipsPerInch));
}

int pixels_to_twips(int pixels)
{
    return int(std::lround(pixels * kTwipsPerInch / logical_dpi()));
}

QRect work_area(const QWidget *window)
{
    const QScreen *screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void place_over_main_window(QWidget *window, const QWidget *main_window)
{
    const QRect main = main_window->frameGeometry();
    const QSize size = window->frameGeometry().size();
    QPoint pos(main.left() + main.width() / 2 - size.width() / 2, main.top() + main.height() / 2 - size.height() / 2);

    // Measured against the work area's edges rather than its size alone, so
    // a screen that does not start at the desktop's origin works too.
    const QRect area = work_area(main_window);
    if (area.left() > pos.x())
        pos.setX(area.left());
    if (pos.y() + size.height() > area.top() + area.height())
        pos.setY(area.top() + area.height() - size.height());
    if (area.top() > pos.y())
        pos.setY(area.top());
    if (pos.x() + size.width() > area.left() + area.width())
        pos.setX(area.left() + area.width() - size.width());
    window->move(pos);
}

} // namespace dayvane
