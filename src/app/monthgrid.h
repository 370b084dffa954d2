#pragma once

#include "calendaryear/calendaryear.h"

#include <QCalendarWidget>
#include <QColor>
#include <QTextCharFormat>

#include <optional>

class QPainter;

namespace dayvane {

// The look of a day class in the month grid and its legend. `background`
// is invalid for typical workdays, which keep the palette's own cell
// colours; otherwise `text` is paired with it so that it reads under any
// desktop theme.
struct DayClassLook
{
    QColor background;
    QColor text;
};
DayClassLook day_class_look(DayKind kind);

// The cell format of a day of `kind`: the look's colours, and the class kept
// in the format so that the grid draws its mark.
QTextCharFormat day_class_format(DayKind kind, QTextCharFormat format = {});
// The class a cell format carries; nullopt for none.
std::optional<DayKind> day_class_of(const QTextCharFormat &format);

// Draws the mark of `kind` into `box` in `colour`: a dot for a typical
// workday, a triangle for an altered one, a hatched square for a paid day
// without work, a bar for a day without work or pay. The classes differ in
// shape, not in colour alone.
void paint_day_mark(QPainter &painter, const QRectF &box, DayKind kind, const QColor &colour);

// The main window's month grid: the calendar control, whose cells carry a
// class set by day_class_format draw that class's mark in their corner.
class MonthGrid : public QCalendarWidget
{
    Q_OBJECT
public:
    using QCalendarWidget::QCalendarWidget;

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;
};

// A row of the four marks with the reports' names of the classes, for under
// the grid ("day_class_legend").
QWidget *make_day_class_legend();

} // namespace dayvane
