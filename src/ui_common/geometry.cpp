#include "ui_common/geometry.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QScreen>
#include <QWidget>

#include <algorithm>
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

namespace {

double relative_luminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

} // namespace

double contrast_ratio(const QColor &first, const QColor &second)
{
    const double a = relative_luminance(first), b = relative_luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor text_colour_on(const QColor &background)
{
    const QColor black(Qt::black), white(Qt::white);
    return contrast_ratio(black, background) >= contrast_ratio(white, background) ? black : white;
}

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

double font_scale()
{
    constexpr double kDesignLinePixels = 13.0;
    const double line = QFontMetricsF(QApplication::font()).height() * 96.0 / logical_dpi();
    return std::max(1.0, line / kDesignLinePixels);
}

int design_pixels(double twips)
{
    return twips_to_pixels(twips * font_scale());
}

QRect work_area(const QWidget *window)
{
    const QScreen *screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void fit_to_work_area(QWidget *window, const QRect &area)
{
    const int frame = window->frameGeometry().height() - window->height();
    const int fitted = std::max(window->minimumHeight(), area.height() - frame);
    if (window->height() > fitted)
        window->resize(window->width(), fitted);
}

void keep_inside_work_area(QWidget *window, const QRect &area)
{
    const QSize size = window->frameGeometry().size();
    QPoint pos = window->pos();
    // Measured against the work area's edges rather than its size alone, so
    // a screen that does not start at the desktop's origin works too.
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

void place_over_main_window(QWidget *window, const QWidget *main_window)
{
    const QRect area = work_area(main_window);
    fit_to_work_area(window, area);
    const QRect main = main_window->frameGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(main.left() + main.width() / 2 - size.width() / 2, main.top() + main.height() / 2 - size.height() / 2);
    keep_inside_work_area(window, area);
}

namespace {

class WorkAreaKeeper : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *window = static_cast<QWidget *>(watched);
            const QRect area = work_area(window);
            fit_to_work_area(window, area);
            keep_inside_work_area(window, area);
        }
        return false;
    }
};

} // namespace

void keep_in_work_area_when_shown(QWidget *window)
{
    window->installEventFilter(new WorkAreaKeeper(window));
}

} // namespace dayvane
