// A chart of one list: its points as a line, with axis titles, and below it
// the readout naming the marked line of the list. The pointer marks the line
// nearest to it; on the keyboard Left and Right move the mark along the line,
// Home and End to its ends, Page Up and Page Down by a tenth of it. It follows
// the list: whenever the list's model gains, loses or resets rows the chart is
// drawn anew and the mark cleared. A long list is reduced to the plot's pixel
// columns, again when the plot's width changes. The chart's accessible
// description sums up the series; the readout's accessible name announces
// the marked line. Escape closes the window.
#pragma once

#include "chart/plot_data.h"

#include <QWidget>

class QAbstractItemModel;
class QLabel;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace chart {

class ChartWindow : public QWidget {
    Q_OBJECT
public:
    // Plots data, whose points are model's rows; a window of its own over parent.
    ChartWindow(const PlotData& data, const QAbstractItemModel& model, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void replot();
    void reduce();
    int plotColumns() const;
    void pointTo(const QPointF& position);
    bool moveMark(int key);
    void mark(qsizetype index);
    void describe();

    const PlotData& m_data;
    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QLineSeries* m_line = nullptr;
    QScatterSeries* m_marker = nullptr;
    QScatterSeries* m_highlights = nullptr;
    QValueAxis* m_horizontal = nullptr;
    QValueAxis* m_vertical = nullptr;
    QLabel* m_pointer = nullptr;
    int m_columns = 0;
    qsizetype m_marked = -1;
};

// Ticks for an axis over [low, high]: a round interval (1, 2 or 5 times a
// power of ten, whole when wholeNumbers), the first tick at a multiple of it,
// and the decimals its labels need.
struct Ticks {
    double anchor;
    double interval;
    int decimals;
};
Ticks roundTicks(double low, double high, bool wholeNumbers);

}  // namespace chart
