#include "comparison/comparison_window.h"

#include "app/error_guard.h"
#include "chart/plot_data.h"
#include "chart/point_reduction.h"
#include "comparison/comparison_model.h"
#include "comparison/pins.h"
#include "finance/calendar.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <iterator>
#include <limits>

namespace comparison {

namespace {

// Points of the balance chart kept per loan: four per column at most.
constexpr int chartColumns = 100;

// A day number as the chart's x: milliseconds since 1970, at noon so that no
// time zone moves it to another day.
double chartTime(std::int64_t dayNumber)
{
    static const std::int64_t epoch = finance::daysFromCivil(1970, 1, 1);
    return double(dayNumber - epoch) * 86'400'000.0 + 43'200'000.0;
}

// A loan's balance over time: the amount on the loan date, then what is owed
// after each payment.
class BalancePoints final : public chart::PlotData {
public:
    explicit BalancePoints(const finance::LoanPlan& plan) : m_plan(plan) {}
    QString horizontalTitle() const override { return {}; }
    QString verticalTitle() const override { return {}; }
    qsizetype pointCount() const override { return qsizetype(m_plan.rows.size()) + 1; }
    QPointF point(qsizetype i) const override
    {
        if (i == 0)
            return {chartTime(m_plan.loanDate), m_plan.amount / 100.0};
        const finance::PlanRow& row = m_plan.rows[std::size_t(i - 1)];
        return {chartTime(row.date), row.balance / 100.0};
    }
    QString pointText(qsizetype) const override { return {}; }

private:
    const finance::LoanPlan& m_plan;
};

}  // namespace

ComparisonWindow::ComparisonWindow(app::Platform& platform, Pins& pins, QWidget* parent)
    : QWidget(parent), m_pins(pins)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Comparison"));

    m_model = new ComparisonModel(pins, this);
    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setAccessibleName(tr("Loans compared"));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Bold marks the best figures; the current cell's headers stay plain.
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->verticalHeader()->setHighlightSections(false);
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    app::addTableExport(m_table, *m_model, platform);
    auto* removeAction = new QAction(tr("&Remove from Comparison"), m_table);
    removeAction->setObjectName(QStringLiteral("removeAction"));
    removeAction->setShortcut(QKeySequence::Delete);
    removeAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(removeAction);
    app::addPrintActions(m_table, *this, platform);

    m_legend = new QLabel;
    m_legend->setObjectName(QStringLiteral("legend"));
    m_legend->setWordWrap(true);
    m_legend->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_remove = new QPushButton(tr("&Remove Loan"));
    m_remove->setObjectName(QStringLiteral("remove"));
    m_remove->setToolTip(tr("Removes the loan of the current column from the comparison."));

    m_chart = new QChart;
    m_chart->setLocalizeNumbers(true);
    m_chart->setTitle(tr("Balance over time"));
    m_chart->setBackgroundBrush(palette().base());
    m_chart->setTitleBrush(palette().text());
    m_chart->legend()->setLabelBrush(palette().text());
    m_chartView = new QChartView(m_chart);
    m_chartView->setObjectName(QStringLiteral("chart"));
    m_chartView->setAccessibleName(m_chart->title());
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumHeight(220);

    auto* tablePart = new QWidget;
    auto* tableLayout = new QVBoxLayout(tablePart);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(m_table);
    auto* below = new QHBoxLayout;
    below->addWidget(m_legend, 1);
    below->addWidget(m_remove, 0, Qt::AlignTop);
    tableLayout->addLayout(below);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(tablePart);
    splitter->addWidget(m_chartView);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(760, 700);

    connect(&pins, &Pins::changed, this, &ComparisonWindow::pinsChanged);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, &ComparisonWindow::updateRemove);
    const auto remove = app::guarded(this, platform.messages, &ComparisonWindow::removeCurrent);
    connect(m_remove, &QPushButton::clicked, this, remove);
    connect(removeAction, &QAction::triggered, this, remove);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    pinsChanged();
}

// The model has shown the loans anew already; the rest of the window follows.
void ComparisonWindow::pinsChanged()
{
    m_changed = QDateTime::currentDateTime();
    m_legend->setText(m_pins.count() == 0
                          ? tr("No loans are kept yet. The Loan Planner keeps the loan it shows for comparison.")
                          : ComparisonModel::markMeaning());
    if (m_pins.count() > 0)
        m_table->setCurrentIndex(m_model->index(0, 0));
    updateRemove();
    plotBalances();
}

void ComparisonWindow::updateRemove()
{
    m_remove->setEnabled(m_table->currentIndex().isValid());
}

void ComparisonWindow::removeCurrent()
{
    const QModelIndex current = m_table->currentIndex();
    if (current.isValid())
        m_pins.remove(current.column());
}

// One line per loan, its pen's dashes telling it apart beside its colour;
// a long plan is reduced to what the chart's width can show.
void ComparisonWindow::plotBalances()
{
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    if (m_pins.count() == 0)
        return;

    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("yyyy"));
    time->setTitleText(tr("Date"));
    auto* balance = new QValueAxis;
    balance->setLabelFormat(QStringLiteral("%.0f"));
    balance->setTitleText(tr("Balance"));
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(time), static_cast<QAbstractAxis*>(balance)}) {
        axis->setLabelsBrush(palette().text());
        axis->setTitleBrush(palette().text());
    }
    m_chart->addAxis(time, Qt::AlignBottom);
    m_chart->addAxis(balance, Qt::AlignLeft);

    constexpr Qt::PenStyle dashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    double first = std::numeric_limits<double>::infinity();
    double last = -first;
    double highest = 0;
    for (int loan = 0; loan < m_pins.count(); ++loan) {
        const BalancePoints points(m_pins.at(loan).plan);
        const std::vector<QPointF> kept = chart::reduceToColumns(points, chartColumns);
        auto* series = new QLineSeries;
        series->setName(m_pins.at(loan).name);
        series->replace(QList<QPointF>(kept.begin(), kept.end()));
        m_chart->addSeries(series);
        QPen pen = series->pen();
        pen.setStyle(dashes[loan % std::size(dashes)]);
        pen.setWidth(2);
        series->setPen(pen);
        series->attachAxis(time);
        series->attachAxis(balance);
        for (const QPointF& point : kept) {
            first = std::min(first, point.x());
            last = std::max(last, point.x());
            highest = std::max(highest, point.y());
        }
    }
    time->setRange(QDateTime::fromMSecsSinceEpoch(qint64(first)), QDateTime::fromMSecsSinceEpoch(qint64(last)));
    balance->setRange(0, highest > 0 ? highest : 1);
    balance->applyNiceNumbers();
}

app::PrintDocument ComparisonWindow::printDocument() const
{
    app::PrintDocument document;
    document.title = tr("Loan Comparison");
    document.computed = m_changed;
    document.table = m_model;
    document.results = {{tr("Legend"), ComparisonModel::markMeaning()}};
    return document;
}

}  // namespace comparison
