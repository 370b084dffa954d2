#pragma once

#include <QAbstractItemView>
#include <QColor>

class QTableWidget;

namespace dayvane {

// A grid the user reads and picks from but never types into, without row
// numbers, that Tab leaves. With a selection mode other than NoSelection whole rows are
// selected; the picture grids select nothing and paint their current row
// themselves (highlight_grid_row).
QTableWidget *make_read_only_grid(const QString &name, QAbstractItemView::SelectionMode mode);

// The grids mark their data rows with a non-zero row value, kept in the
// vertical header item's Qt::UserRole; header and empty rows hold 0 (or
// nothing).
void set_row_data(QTableWidget *grid, int row, qint64 value);
qint64 row_data(const QTableWidget *grid, int row);

// True when at least one row carries non-zero row data.
bool grid_has_data(const QTableWidget *grid);

// Keeps `grid` at least as wide as its shown columns' headers need side by
// side (with its frame and a scroll bar), so a window's layout never squeezes
// a header below its text; stretched columns share what is left over.
void keep_headers_whole(QTableWidget *grid);

// Moves the selection off an empty row to the nearest data row and paints
// the selected row across all its columns in `colour` (with `text_colour`).
// Does nothing but switch painting back on when the grid has no data rows.
void highlight_grid_row(QTableWidget *grid, const QColor &colour, const QColor &text_colour = Qt::white);

} // namespace dayvane
