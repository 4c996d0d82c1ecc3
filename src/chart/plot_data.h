// What a chart plots: a series of points in increasing x, read one at a time,
// so that a long list is plotted without a copy of its numbers.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>

namespace chart {

class PlotData {
public:
    virtual ~PlotData() = default;
    virtual QString horizontalTitle() const = 0;  // "Rate (%)"
    virtual QString verticalTitle() const = 0;    // "Payment"
    virtual qsizetype pointCount() const = 0;
    // The points' x never decreases from one point to the next.
    virtual QPointF point(qsizetype i) const = 0;
    // The point as the window names it under the mouse pointer.
    virtual QString pointText(qsizetype i) const = 0;
    // The window's title and the chart's accessible name; empty for "Payment Chart".
    virtual QString title() const { return {}; }
    // Points drawn marked for as long as they are plotted (the rates where a
    // value is zero), ascending; none by default.
    virtual QList<qsizetype> highlighted() const { return {}; }
};

}  // namespace chart
