#pragma once

#include <QColor>
#include <QRect>

class QWidget;

namespace dayvane {

// Colours written as one number, blue, green, red from the high byte down
// (255 is red, 16711680 is blue).
QColor colour_from_number(quint32 value);

// The contrast ratio of two colours as WCAG defines it (1 to 21; text needs
// 4.5), and black or white, whichever reads better on `background`.
double contrast_ratio(const QColor &first, const QColor &second);
QColor text_colour_on(const QColor &background);

// Window geometry is kept in twips, 1/1440 inch, converted with the screen's
// logical resolution (15 twips a pixel at 96 dots per inch).
int twips_to_pixels(double twips);
int pixels_to_twips(int pixels);

// The windows' sizes were drawn for an 8-point font whose lines are 13 pixels
// high at 96 dots per inch. A larger desktop font scales them alike (never
// below 1), and design_pixels() converts a designed size in twips with it;
// positions and remembered sizes stay in plain twips_to_pixels().
double font_scale();
int design_pixels(double twips);

// The desktop's work area (the screen less task bars) of the screen that
// shows `window`, or of the primary screen.
QRect work_area(const QWidget *window = nullptr);

// Makes `window` no taller than `area`, down to its minimum height: on a short
// screen (a laptop at 200 % scaling) a window opened at its full design
// height would hide its lower part below the screen's edge.
void fit_to_work_area(QWidget *window, const QRect &area);

// Moves `window` back inside `area` where it sticks out: left, bottom, top,
// then right, so the top left stays in sight of a window larger than the area.
void keep_inside_work_area(QWidget *window, const QRect &area);

// Fits `window` into the work area, centres it over `main_window` and pulls
// it back inside the work area where it sticks out.
void place_over_main_window(QWidget *window, const QWidget *main_window);

// For a window placed by its own rule rather than over the main window: fits
// it into the work area and pulls it inside each time it is shown, once its
// frame is known.
void keep_in_work_area_when_shown(QWidget *window);

} // namespace dayvane
