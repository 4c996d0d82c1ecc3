#include "chart/point_reduction.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace chart {

std::vector<QPointF> reduceToColumns(const PlotData& data, int columns)
{
    columns = std::max(columns, 1);
    const qsizetype count = data.pointCount();
    std::vector<QPointF> kept;
    if (count <= 4 * qsizetype(columns)) {
        kept.reserve(std::size_t(count));
        for (qsizetype i = 0; i < count; ++i)
            kept.push_back(data.point(i));
        return kept;
    }
    const double left = data.point(0).x();
    const double span = data.point(count - 1).x() - left;
    const double perColumn = span > 0 ? columns / span : 0;
    const auto columnOf = [&](const QPointF& point) {
        return std::min(int((point.x() - left) * perColumn), columns - 1);
    };
    kept.reserve(std::size_t(4 * columns));

    struct Kept {
        qsizetype index;
        QPointF point;
    };
    qsizetype i = 0;
    QPointF point = data.point(0);
    while (i < count) {
        const int column = columnOf(point);
        Kept first{i, point};
        Kept low = first;
        Kept high = first;
        Kept last = first;
        for (++i; i < count; ++i) {
            point = data.point(i);
            if (columnOf(point) != column)
                break;
            last = {i, point};
            if (point.y() < low.point.y())
                low = last;
            else if (point.y() > high.point.y())
                high = last;
        }
        // The column's first and last points join it to its neighbours.
        Kept inOrder[] = {first, low, high, last};
        std::sort(std::begin(inOrder), std::end(inOrder),
                  [](const Kept& a, const Kept& b) { return a.index < b.index; });
        for (std::size_t k = 0; k < std::size(inOrder); ++k)
            if (k == 0 || inOrder[k].index != inOrder[k - 1].index)
                kept.push_back(inOrder[k].point);
    }
    return kept;
}

qsizetype nearestPoint(const PlotData& data, double x)
{
    const qsizetype count = data.pointCount();
    if (count == 0)
        return -1;
    qsizetype low = 0;
    qsizetype high = count - 1;
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (data.point(middle).x() < x)
            low = middle + 1;
        else
            high = middle;
    }
    if (low > 0 && std::abs(data.point(low - 1).x() - x) <= std::abs(data.point(low).x() - x))
        return low - 1;
    return low;
}

}  // namespace chart
