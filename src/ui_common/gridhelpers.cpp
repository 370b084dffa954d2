#include "ui_common/gridhelpers.h"

#include "ui_common/readablecolour.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace dayvane {

QTableWidget *make_read_only_grid(const QString &name, QAbstractItemView::SelectionMode mode)
{
    auto *grid = new QTableWidget;
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(mode);
    if (mode != QAbstractItemView::NoSelection)
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->verticalHeader()->setVisible(false);
    // Arrows move within a grid; Tab goes on to the next control, as a
    // keyboard user expects of a list.
    grid->setTabKeyNavigation(false);
    return grid;
}

void set_row_data(QTableWidget *grid, int row, qint64 value)
{
    QTableWidgetItem *header = grid->verticalHeaderItem(row);
    if (!header) {
        header = new QTableWidgetItem;
        grid->setVerticalHeaderItem(row, header);
    }
    header->setData(Qt::UserRole, value);
}

qint64 row_data(const QTableWidget *grid, int row)
{
    const QTableWidgetItem *header = grid->verticalHeaderItem(row);
    return header ? header->data(Qt::UserRole).toLongLong() : 0;
}

bool grid_has_data(const QTableWidget *grid)
{
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (row_data(grid, row) != 0)
            return true;
    }
    return false;
}

void highlight_grid_row(QTableWidget *grid, const QColor &colour, const QColor &text_colour)
{
    if (!grid_has_data(grid)) {
        grid->setUpdatesEnabled(true);
        return;
    }
    int row = std::max(grid->currentRow(), 0);
    if (row_data(grid, row) == 0) {
        // The nearest data row, looking both ways; upwards first on a tie.
        for (int distance = 1; distance < grid->rowCount(); ++distance) {
            if (row - distance >= 0 && row_data(grid, row - distance) != 0) {
                row -= distance;
                break;
            }
            if (row + distance < grid->rowCount() && row_data(grid, row + distance) != 0) {
                row += distance;
                break;
            }
        }
    }
    const QSignalBlocker blocker(grid);
    // A desktop theme's highlight may pair poorly with its own text colour.
    const QColor readable = readable_on(text_colour, colour);
    grid->setCurrentCell(row, std::max(grid->currentColumn(), 0));
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            QTableWidgetItem *item = grid->item(r, column);
            if (!item) {
                if (r != row)
                    continue;
                item = new QTableWidgetItem;
                grid->setItem(r, column, item);
            }
            item->setBackground(r == row ? QBrush(colour) : QBrush());
            item->setForeground(r == row ? QBrush(readable) : QBrush());
        }
    }
    grid->setUpdatesEnabled(true);
}

void keep_headers_whole(QTableWidget *grid)
{
    const QHeaderView *header = grid->horizontalHeader();
    int width = 2 * grid->frameWidth() + grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    // Stretched columns share the room left equally, so each needs the widest one's.
    int stretched = 0, widest_stretched = 0;
    for (int column = 0; column < grid->columnCount(); ++column) {
        if (grid->isColumnHidden(column))
            continue;
        const int hint = header->sectionSizeHint(column);
        if (header->sectionResizeMode(column) == QHeaderView::Stretch) {
            ++stretched;
            widest_stretched = std::max(widest_stretched, hint);
        } else {
            width += std::max(hint, grid->columnWidth(column));
        }
    }
    grid->setMinimumWidth(width + stretched * widest_stretched);
}

} // namespace dayvane
