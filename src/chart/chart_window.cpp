#include "chart/chart_window.h"

#include "chart/point_reduction.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace chart {

ChartWindow::ChartWindow(const PlotData& data, const QAbstractItemModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), m_data(data)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Payment Chart"));
    resize(640, 440);

    m_chart = new QChart;
    m_chart->legend()->hide();
    m_chart->setLocalizeNumbers(true);
    m_line = new QLineSeries(m_chart);
    m_marker = new QScatterSeries(m_chart);
    m_marker->setMarkerSize(9);
    m_chart->addSeries(m_line);
    m_chart->addSeries(m_marker);
    m_horizontal = new QValueAxis(m_chart);
    m_vertical = new QValueAxis(m_chart);
    m_chart->addAxis(m_horizontal, Qt::AlignBottom);
    m_chart->addAxis(m_vertical, Qt::AlignLeft);
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(m_line), static_cast<QAbstractSeries*>(m_marker)}) {
        series->attachAxis(m_horizontal);
        series->attachAxis(m_vertical);
    }

    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("chartView"));
    m_view->setAccessibleName(tr("Payment Chart"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
    m_pointer = new QLabel(this);
    m_pointer->setObjectName(QStringLiteral("pointer"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_pointer);

    auto* close = new QAction(tr("Close"), this);
    close->setShortcut(Qt::Key_Escape);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    connect(m_chart, &QChart::plotAreaChanged, this, [this] {
        if (plotColumns() != m_columns)
            reduce();
    });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&model, signal, this, &ChartWindow::replot);
    connect(&model, &QAbstractItemModel::modelReset, this, &ChartWindow::replot);
    connect(&model, &QAbstractItemModel::layoutChanged, this, &ChartWindow::replot);
    replot();
}

int ChartWindow::plotColumns() const
{
    return std::max(1, int(std::ceil(m_chart->plotArea().width() * devicePixelRatioF())));
}

// The axes span the whole list, so reducing again for another width leaves
// them, and with them the plot area, as they are.
void ChartWindow::replot()
{
    m_horizontal->setTitleText(m_data.horizontalTitle());
    m_vertical->setTitleText(m_data.verticalTitle());
    m_marker->clear();
    m_pointer->clear();
    reduce();
    if (m_line->count() == 0) {
        m_horizontal->setRange(0, 1);
        m_vertical->setRange(0, 1);
        return;
    }
    const QList<QPointF> points = m_line->points();
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    const double left = points.first().x();
    const double right = points.last().x();
    const double spread = high->y() - low->y();
    const double margin = spread > 0 ? spread * 0.05 : std::max(std::abs(high->y()) * 0.05, 1.0);
    m_horizontal->setRange(left, right > left ? right : left + 1);
    m_vertical->setRange(low->y() - margin, high->y() + margin);
    // Ticks at round amounts, which a reader takes in at a glance.
    m_vertical->applyNiceNumbers();
}

void ChartWindow::reduce()
{
    m_columns = plotColumns();
    const std::vector<QPointF> kept = reduceToColumns(m_data, m_columns);
    m_line->replace(QList<QPointF>(kept.begin(), kept.end()));
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport()) {
        if (event->type() == QEvent::MouseMove)
            pointTo(static_cast<QMouseEvent*>(event)->position());
        else if (event->type() == QEvent::Leave)
            pointTo(QPointF(-1, -1));
    }
    return QWidget::eventFilter(watched, event);
}

// Names the list's line nearest to the pointer's rate or periods and marks it
// on the line; outside the plot nothing is named.
void ChartWindow::pointTo(const QPointF& position)
{
    const QPointF inChart = m_chart->mapFromScene(m_view->mapToScene(position.toPoint()));
    const qsizetype nearest = nearestPoint(m_data, m_chart->mapToValue(inChart, m_line).x());
    if (!m_chart->plotArea().contains(inChart) || nearest < 0) {
        m_marker->clear();
        m_pointer->clear();
        return;
    }
    m_marker->replace(QList<QPointF>{m_data.point(nearest)});
    m_pointer->setText(m_data.pointText(nearest));
}

}  // namespace chart
