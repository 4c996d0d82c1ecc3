// A chart of one list: its points as a line, with axis titles, and below it
// the list's line under the mouse pointer. It follows the list: whenever the
// list's model gains, loses or resets rows the chart is drawn anew. A long
// list is reduced to the plot's pixel columns, again when the plot's width
// changes. Escape closes the window.
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

    const PlotData& m_data;
    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QLineSeries* m_line = nullptr;
    QScatterSeries* m_marker = nullptr;
    QValueAxis* m_horizontal = nullptr;
    QValueAxis* m_vertical = nullptr;
    QLabel* m_pointer = nullptr;
    int m_columns = 0;
};

}  // namespace chart
