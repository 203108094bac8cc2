#include "TableWidths.h"

#include <algorithm>

namespace tarvek::rtf
{
namespace
{

// The text width of a Letter or A4 page with the usual margins (6.5 inches).
constexpr double kPageTextWidthTwips = 9360.0;

} // namespace

std::optional<TableWidths> tableWidths(const Table &table, int columns)
{
    // A table as wide as the page fills the window; narrower tables keep
    // their share of a page.
    const QList<int> &edges = table.rows.first().cellRightEdges;
    const int total = edges.isEmpty() ? 0 : edges.last();
    if (edges.size() != columns || total <= 0)
        return std::nullopt;
    TableWidths widths;
    widths.tablePercent = std::clamp(100.0 * total / kPageTextWidthTwips, 10.0, 100.0);
    int left = 0;
    for (const int edge : edges) {
        widths.columnPercents.append(100.0 * std::max(edge - left, 0) / total);
        left = std::max(edge, left);
    }
    return widths;
}

} // namespace tarvek::rtf
