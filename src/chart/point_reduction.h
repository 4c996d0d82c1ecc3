// A long series reduced to what a plot's pixels can show.
#pragma once

#include "chart/plot_data.h"

#include <QPointF>

#include <vector>

namespace chart {

// Splits the x range into `columns` equal slices and keeps, of each slice, its
// first, lowest, highest and last point, in their order in the series: a line
// through the kept points covers the same pixels as one through all of them.
// A series of at most four points per column is kept whole.
std::vector<QPointF> reduceToColumns(const PlotData& data, int columns);

// The index of the point whose x is nearest to x; -1 for an empty series.
qsizetype nearestPoint(const PlotData& data, double x);

}  // namespace chart
