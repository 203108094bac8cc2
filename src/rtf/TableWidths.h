#pragma once
// A table's widths as shares, for a viewer that fits the table to its window
// at any size: the table's share of a page's text width, and each column's
// share of the table, from the cell edges the file gives.
#include "RtfDocument.h"

#include <QList>
#include <optional>

namespace tarvek::rtf
{

struct TableWidths {
    double tablePercent = 0;      // of a page's text width, 10 to 100
    QList<double> columnPercents; // of the table, one per column, left to right
};

// The widths by the first row's \cellx edges; empty when the row does not
// give one edge per column of `columns` or the table has no width.
std::optional<TableWidths> tableWidths(const Table &table, int columns);

} // namespace tarvek::rtf
