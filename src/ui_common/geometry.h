#pragma once

#include <QColor>
#include <QRect>

class QWidget;

namespace dayvane {

// Colours written as one number, blue, green, red from the high byte down
// (255 is red, 16711680 is blue).
QColor colour_from_number(quint32 value);

// Window geometry is kept in twips, 1/1440 inch, converted with the screen's
// logical resolution (15 twips a pixel at 96 dots per inch).
int twips_to_pixels(double twips);
int pixels_to_twips(int pixels);

// The desktop's work area (the screen less task bars) of the screen that
// shows `window`, or of the primary screen.
QRect work_area(const QWidget *window = nullptr);

// Centres `window` over `main_window` and pulls it back inside the work area
// where it sticks out.
void place_over_main_window(QWidget *window, const QWidget *main_window);

} // namespace dayvane
