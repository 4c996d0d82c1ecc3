#include "chart/chart_window.h"

#include "chart/point_reduction.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace chart {

Ticks roundTicks(double low, double high, bool wholeNumbers)
{
    // About five intervals: the first round step at or above a fifth of the span.
    const double raw = std::max(high - low, 1e-300) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double interval = 10 * power;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw) {
            interval = factor * power;
            break;
        }
    }
    if (wholeNumbers)
        interval = std::max(interval, 1.0);
    const int decimals = interval >= 1 ? 0 : int(std::ceil(-std::log10(interval) - 1e-9));
    return {std::ceil(low / interval) * interval, interval, decimals};
}

namespace {

void applyTicks(QValueAxis* axis, double low, double high, bool wholeNumbers)
{
    const Ticks ticks = roundTicks(low, high, wholeNumbers);
    axis->setRange(low, high);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(ticks.anchor);
    axis->setTickInterval(ticks.interval);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(ticks.decimals));
}

}  // namespace

ChartWindow::ChartWindow(const PlotData& data, const QAbstractItemModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), m_data(data)
{
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = data.title().isEmpty() ? tr("Payment Chart") : data.title();
    setWindowTitle(title);
    resize(640, 440);

    m_chart = new QChart;
    m_chart->legend()->hide();
    m_chart->setLocalizeNumbers(true);
    m_line = new QLineSeries(m_chart);
    m_marker = new QScatterSeries(m_chart);
    m_marker->setMarkerSize(9);
    m_highlights = new QScatterSeries(m_chart);
    m_highlights->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    m_highlights->setMarkerSize(11);
    m_chart->addSeries(m_line);
    m_chart->addSeries(m_highlights);
    m_chart->addSeries(m_marker);
    m_horizontal = new QValueAxis(m_chart);
    m_vertical = new QValueAxis(m_chart);
    m_chart->addAxis(m_horizontal, Qt::AlignBottom);
    m_chart->addAxis(m_vertical, Qt::AlignLeft);
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(m_line), static_cast<QAbstractSeries*>(m_highlights),
                                    static_cast<QAbstractSeries*>(m_marker)}) {
        series->attachAxis(m_horizontal);
        series->attachAxis(m_vertical);
    }

    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("chartView"));
    m_view->setAccessibleName(title);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_view->installEventFilter(this);
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
    m_pointer = new QLabel(this);
    m_pointer->setObjectName(QStringLiteral("pointer"));
    m_pointer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_pointer);
    setFocusProxy(m_view);

    auto* close = new QAction(tr("Close"), this);
    close->setShortcut(Qt::Key_Escape);
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    m_view->addAction(close);

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

// The axes span the whole list and hug it: the payments get a small margin
// that never crosses zero, so an axis of payments all below zero ends below
// zero. Reducing again for another width leaves them, and with them the plot
// area, as they are. Ticks fall on round numbers, whole ones along an axis of
// whole numbers (periods).
void ChartWindow::replot()
{
    m_horizontal->setTitleText(m_data.horizontalTitle());
    m_vertical->setTitleText(m_data.verticalTitle());
    mark(-1);
    reduce();
    QList<QPointF> highlights;
    for (const qsizetype i : m_data.highlighted())
        highlights.append(m_data.point(i));
    m_highlights->replace(highlights);
    describe();
    if (m_line->count() == 0) {
        applyTicks(m_horizontal, 0, 1, false);
        applyTicks(m_vertical, 0, 1, false);
        return;
    }
    const QList<QPointF> points = m_line->points();
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    const double left = points.first().x();
    const double right = points.last().x();
    const double spread = high->y() - low->y();
    const double margin = spread > 0 ? spread * 0.03 : std::max(std::abs(high->y()) * 0.05, 1.0);
    const double bottom = low->y() >= 0 ? std::max(0.0, low->y() - margin) : low->y() - margin;
    const double top = high->y() <= 0 ? std::min(0.0, high->y() + margin) : high->y() + margin;
    const bool wholeNumbers = std::all_of(points.begin(), points.end(),
                                          [](const QPointF& p) { return p.x() == std::floor(p.x()); });
    applyTicks(m_horizontal, left, right > left ? right : left + 1, wholeNumbers);
    applyTicks(m_vertical, bottom, top, false);
}

// What the chart shows, for a screen reader: the titles, the number of lines,
// the first and the last, the lowest and the highest payment.
void ChartWindow::describe()
{
    const qsizetype count = m_data.pointCount();
    if (count == 0) {
        m_view->setAccessibleDescription(tr("No lines to chart."));
        return;
    }
    qsizetype lowest = 0;
    qsizetype highest = 0;
    for (qsizetype i = 1; i < count; ++i) {
        const double y = m_data.point(i).y();
        if (y < m_data.point(lowest).y())
            lowest = i;
        else if (y > m_data.point(highest).y())
            highest = i;
    }
    m_view->setAccessibleDescription(tr("%1 over %2. Lines: %3. First: %4. Last: %5. Lowest: %6. Highest: %7.")
                                         .arg(m_data.verticalTitle(), m_data.horizontalTitle(),
                                              QLocale().toString(qlonglong(count)), m_data.pointText(0),
                                              m_data.pointText(count - 1), m_data.pointText(lowest),
                                              m_data.pointText(highest)));
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
    } else if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && moveMark(key->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Marks the list's line nearest to the pointer's rate or periods; outside the
// plot nothing is marked.
void ChartWindow::pointTo(const QPointF& position)
{
    const QPointF inChart = m_chart->mapFromScene(m_view->mapToScene(position.toPoint()));
    if (!m_chart->plotArea().contains(inChart)) {
        mark(-1);
        return;
    }
    mark(nearestPoint(m_data, m_chart->mapToValue(inChart, m_line).x()));
}

// With no line marked, a move marks the first line (Left and Page Up, End: the last).
bool ChartWindow::moveMark(int key)
{
    const qsizetype count = m_data.pointCount();
    const qsizetype page = std::max<qsizetype>(1, count / 10);
    const qsizetype from = m_marked;
    qsizetype to = -1;
    switch (key) {
    case Qt::Key_Left:
        to = from < 0 ? count - 1 : from - 1;
        break;
    case Qt::Key_Right:
        to = from + 1;
        break;
    case Qt::Key_PageUp:
        to = from < 0 ? count - 1 : from - page;
        break;
    case Qt::Key_PageDown:
        to = from < 0 ? 0 : from + page;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = count - 1;
        break;
    default:
        return false;
    }
    if (count > 0)
        mark(std::clamp<qsizetype>(to, 0, count - 1));
    return true;
}

// Marks the line index on the chart and names it in the readout; -1 clears both.
void ChartWindow::mark(qsizetype index)
{
    m_marked = index;
    if (index < 0) {
        m_marker->clear();
        m_pointer->clear();
        m_pointer->setAccessibleName(tr("No line marked"));
        return;
    }
    const QString text = m_data.pointText(index);
    m_marker->replace(QList<QPointF>{m_data.point(index)});
    m_pointer->setText(text);
    m_pointer->setAccessibleName(tr("Marked line: %1").arg(text));
}

}  // namespace chart
