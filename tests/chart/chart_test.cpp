// A list's chart: reducing a long series to the plot's columns keeps every
// extreme; ticks fall on round numbers; the window, opened from the
// sensitivity window's list, follows the list through a run and a clear, names
// the line under the pointer, is one per list and closes with Escape; over a
// series of its own, its axes hug the line, the keys move the mark and a
// screen reader hears the series and the mark.
#include "chart/chart_window.h"
#include "app/context_menu_key.h"
#include "chart/point_reduction.h"
#include "form2_driver.h"

#include <QAccessible>
#include <QAction>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QStandardItemModel>
#include <QTableView>
#include <QValueAxis>

#include <vector>

Q_DECLARE_METATYPE(std::vector<QPointF>)

namespace {

class Series final : public chart::PlotData {
public:
    explicit Series(std::vector<QPointF> points) : m_points(std::move(points)) {}
    QString horizontalTitle() const override { return {}; }
    QString verticalTitle() const override { return {}; }
    qsizetype pointCount() const override { return qsizetype(m_points.size()); }
    QPointF point(qsizetype i) const override { return m_points[std::size_t(i)]; }
    QString pointText(qsizetype i) const override { return QStringLiteral("line %1").arg(i); }

private:
    std::vector<QPointF> m_points;
};

// The rate list from 5% to 6% on a loan of 10,000 over 12 periods; payments
// from the annuity formula in 30-digit arithmetic (mpmath), rounded to cents.
const QList<QPointF> fivePercentToSix{{5.0, -1128.25}, {5.25, -1144.22}, {5.5, -1160.29}, {5.75, -1176.48},
                                      {6.0, -1192.77}};

bool samePoints(const QList<QPointF>& actual, const QList<QPointF>& expected)
{
    return actual.size() == expected.size() &&
           std::equal(actual.begin(), actual.end(), expected.begin(), [](const QPointF& a, const QPointF& b) {
               return std::abs(a.x() - b.x()) < 1e-9 && std::abs(a.y() - b.y()) < 1e-9;
           });
}

struct ChartedList {
    testing_support::Form2Driver window;

    ChartedList()
    {
        window.chooseMode("10000", 1);
        window.run(1, "0.05", "0.06", "12");
    }
    QAction* showChart() const
    {
        return window.control<QListView>("List1")->findChild<QAction*>(QStringLiteral("showChartAction"));
    }
    QList<chart::ChartWindow*> charts() const { return window.form->findChildren<chart::ChartWindow*>(); }
    chart::ChartWindow* open() const
    {
        showChart()->trigger();
        return charts().value(0);
    }
    static QChartView* view(chart::ChartWindow* chart) { return chart->findChild<QChartView*>("chartView"); }
    static QLineSeries* line(chart::ChartWindow* chart)
    {
        return static_cast<QLineSeries*>(view(chart)->chart()->series().first());
    }
};

QValueAxis* axis(chart::ChartWindow* chart, Qt::Orientation orientation)
{
    return static_cast<QValueAxis*>(ChartedList::view(chart)->chart()->axes(orientation).first());
}

// A chart window over a series of its own; the model only tells it when the series changes.
struct SeriesChart {
    Series series;
    QStandardItemModel model{1, 1};
    chart::ChartWindow* window;

    explicit SeriesChart(std::vector<QPointF> points)
        : series(std::move(points)), window(new chart::ChartWindow(series, model, nullptr))
    {
    }
    ~SeriesChart() { delete window; }
    SeriesChart(const SeriesChart&) = delete;
    SeriesChart& operator=(const SeriesChart&) = delete;
    QLabel* readout() const { return window->findChild<QLabel*>("pointer"); }
};

}  // namespace

class ChartTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void reductionKeepsTheExtremes_data();
    void reductionKeepsTheExtremes();
    void nearestPoint_data();
    void nearestPoint();
    void roundTicks_data();
    void roundTicks();
    void axesHugTheLine_data();
    void axesHugTheLine();
    void keysMoveTheMark();
    void describedForAScreenReader();
    void shiftF10OpensTheContextMenu();
    void followsARunAndAClear();
    void namesTheLineUnderThePointer();
    void onePerListAndEscapeCloses();
};

void ChartTest::reductionKeepsTheExtremes_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("columns");
    QTest::addColumn<std::vector<QPointF>>("spikes");  // x is the point's index
    QTest::newRow("a peak, then a dip in the same column") << 1000 << 10 << std::vector<QPointF>{{500, 7}, {501, -3}};
    QTest::newRow("a dip, then a peak in the same column") << 1000 << 10 << std::vector<QPointF>{{500, -3}, {501, 7}};
    QTest::newRow("extremes on the first and the last point")
        << 1000 << 10 << std::vector<QPointF>{{0, -3}, {999, 7}};
    QTest::newRow("one pixel column") << 1000 << 1 << std::vector<QPointF>{{300, 7}, {700, -3}};
    QTest::newRow("four points per column at most: kept whole") << 40 << 10 << std::vector<QPointF>{{5, 2}};
}

void ChartTest::reductionKeepsTheExtremes()
{
    QFETCH(int, count);
    QFETCH(int, columns);
    QFETCH(std::vector<QPointF>, spikes);

    std::vector<QPointF> points;
    for (int i = 0; i < count; ++i)
        points.emplace_back(i, 0);
    for (const QPointF& spike : spikes)
        points[std::size_t(spike.x())].setY(spike.y());
    const std::vector<QPointF> kept = chart::reduceToColumns(Series(points), columns);

    // The kept points are points of the series, in its order.
    auto next = points.begin();
    for (const QPointF& point : kept) {
        next = std::find(next, points.end(), point);
        QVERIFY(next != points.end());
        ++next;
    }
    for (const QPointF& spike : spikes)
        QVERIFY(std::find(kept.begin(), kept.end(), points[std::size_t(spike.x())]) != kept.end());
    QCOMPARE(kept.front(), points.front());
    QCOMPARE(kept.back(), points.back());
    if (count <= 4 * columns)
        QCOMPARE(kept, points);
    else
        QVERIFY(kept.size() <= std::size_t(4 * columns));
}

// Halfway between two lines the earlier one is nearest.
void ChartTest::nearestPoint_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("nearest");
    QTest::newRow("before the first") << -5.0 << 0;
    QTest::newRow("exact midpoint") << 1.5 << 1;
    QTest::newRow("just past the midpoint") << 1.5000001 << 2;
    QTest::newRow("after the last") << 9.0 << 3;
}

void ChartTest::nearestPoint()
{
    QFETCH(double, x);
    QFETCH(int, nearest);
    QCOMPARE(chart::nearestPoint(Series({{0, 0}, {1, 0}, {2, 0}, {3, 0}}), x), nearest);
    QCOMPARE(chart::nearestPoint(Series({}), x), -1);
}

// About five intervals of 1, 2 or 5 times a power of ten.
void ChartTest::roundTicks_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<bool>("wholeNumbers");
    QTest::addColumn<double>("anchor");
    QTest::addColumn<double>("interval");
    QTest::addColumn<int>("decimals");
    QTest::newRow("rates 5% to 6%") << 5.0 << 6.0 << false << 5.0 << 0.2 << 1;
    QTest::newRow("payments -1194.7 to -1126.3") << -1194.7 << -1126.3 << false << -1180.0 << 20.0 << 0;
    QTest::newRow("periods 1 to 1,000,000") << 1.0 << 1e6 << true << 2e5 << 2e5 << 0;
    QTest::newRow("periods 1 to 3: whole ticks") << 1.0 << 3.0 << true << 1.0 << 1.0 << 0;
    QTest::newRow("rates 0.01% to 0.02%") << 0.01 << 0.02 << false << 0.01 << 0.002 << 3;
}

void ChartTest::roundTicks()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, wholeNumbers);
    QFETCH(double, anchor);
    QFETCH(double, interval);
    QFETCH(int, decimals);
    const chart::Ticks ticks = chart::roundTicks(low, high, wholeNumbers);
    QCOMPARE(ticks.anchor, anchor);
    QCOMPARE(ticks.interval, interval);
    QCOMPARE(ticks.decimals, decimals);
}

// The payment axis keeps to the payments' side of zero; a one-line list is
// plotted around its line.
void ChartTest::axesHugTheLine_data()
{
    QTest::addColumn<std::vector<QPointF>>("points");
    QTest::addColumn<double>("bottomAtLeast");
    QTest::addColumn<double>("topAtMost");
    QTest::newRow("payments all below zero")
        << std::vector<QPointF>{{0, -27.78}, {1000, -2.5e6}, {2499.9975, -2.5e7}} << -2.6e7 << 0.0;
    QTest::newRow("payments all above zero") << std::vector<QPointF>{{1, 10100}, {2, 5075.12}, {3, 4002.21}} << 0.0
                                             << 10500.0;
    QTest::newRow("one line") << std::vector<QPointF>{{12, -880.49}} << -1000.0 << 0.0;
}

void ChartTest::axesHugTheLine()
{
    QFETCH(std::vector<QPointF>, points);
    QFETCH(double, bottomAtLeast);
    QFETCH(double, topAtMost);
    const SeriesChart chart(points);
    QValueAxis* vertical = axis(chart.window, Qt::Vertical);
    QValueAxis* horizontal = axis(chart.window, Qt::Horizontal);
    for (const QPointF& point : points) {
        QVERIFY(vertical->min() <= point.y() && point.y() <= vertical->max());
        QVERIFY(horizontal->min() <= point.x() && point.x() <= horizontal->max());
    }
    QVERIFY2(vertical->min() >= bottomAtLeast, qPrintable(QString::number(vertical->min())));
    QVERIFY2(vertical->max() <= topAtMost, qPrintable(QString::number(vertical->max())));
    QCOMPARE(ChartedList::line(chart.window)->count(), int(points.size()));
}

// Right marks the first line, End the last, Page Up goes back a tenth of the
// lines, Left one, Home to the first and no further; a reset list clears the mark.
void ChartTest::keysMoveTheMark()
{
    std::vector<QPointF> points;
    for (int i = 0; i < 21; ++i)
        points.emplace_back(i, i * i);
    SeriesChart chart(points);
    QVERIFY(testing_support::showAndExpose(chart.window));
    QChartView* view = ChartedList::view(chart.window);
    const QList<std::pair<Qt::Key, QString>> steps{{Qt::Key_Right, "line 0"},    {Qt::Key_End, "line 20"},
                                                   {Qt::Key_PageUp, "line 18"},  {Qt::Key_Left, "line 17"},
                                                   {Qt::Key_PageDown, "line 19"}, {Qt::Key_Home, "line 0"},
                                                   {Qt::Key_Left, "line 0"}};
    for (const auto& [key, text] : steps) {
        QTest::keyClick(view, key);
        QCOMPARE(chart.readout()->text(), text);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(chart.readout())->text(QAccessible::Name),
             QStringLiteral("Marked line: line 0"));
    chart.model.clear();
    QCOMPARE(chart.readout()->text(), QString());
}

// The series in words: what is plotted over what, how many lines, the ends,
// the lowest and the highest payment.
void ChartTest::describedForAScreenReader()
{
    ChartedList list;
    chart::ChartWindow* chart = list.open();
    QCOMPARE(QAccessible::queryAccessibleInterface(list.view(chart))->text(QAccessible::Description),
             QStringLiteral("Payment over Rate (%). Lines: 5. First: Rate 5.00%, payment -1,128.25. Last: Rate 6.00%, "
                            "payment -1,192.77. Lowest: Rate 6.00%, payment -1,192.77. Highest: Rate 5.00%, "
                            "payment -1,128.25."));
}

// Shift+F10 opens the focused widget's context menu, as the Menu key does:
// the chart's, and a table's at its current row.
void ChartTest::shiftF10OpensTheContextMenu()
{
    app::installContextMenuKey();
    SeriesChart chart({{0, 1}, {1, 2}});
    QVERIFY(testing_support::showAndExpose(chart.window));
    QTableView table;
    QStandardItemModel model(3, 2);
    table.setModel(&model);
    table.setContextMenuPolicy(Qt::ActionsContextMenu);
    table.addAction(new QAction(QStringLiteral("Copy"), &table));
    QVERIFY(testing_support::showAndExpose(&table));
    for (QWidget* widget : {static_cast<QWidget*>(ChartedList::view(chart.window)), static_cast<QWidget*>(&table)}) {
        widget->activateWindow();
        widget->setFocus();
        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            shown = menu != nullptr;
            if (menu)
                menu->close();
        });
        QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(shown);
    }
}

void ChartTest::followsARunAndAClear()
{
    ChartedList list;
    chart::ChartWindow* chart = list.open();
    QVERIFY(chart);
    QCOMPARE(chart->windowTitle(), QStringLiteral("Payment Chart"));
    QVERIFY(samePoints(list.line(chart)->points(), fivePercentToSix));

    QTest::mouseClick(list.window.button("Command3"), Qt::LeftButton);
    QCOMPARE(list.line(chart)->count(), 0);

    list.window.run(1, "0.05", "0.055", "12");
    QVERIFY(samePoints(list.line(chart)->points(), fivePercentToSix.mid(0, 3)));
}

void ChartTest::namesTheLineUnderThePointer()
{
    ChartedList list;
    chart::ChartWindow* chart = list.open();
    QVERIFY(testing_support::showAndExpose(chart));
    // The pointer goes to the first window under it: the list's window steps aside.
    list.window.form->move(chart->frameGeometry().topRight() + QPoint(100, 0));
    QChartView* view = list.view(chart);
    auto* pointer = chart->findChild<QLabel*>("pointer");

    // Nearer to 5.25% than to 5.5%, and far off the line.
    const QPointF inChart = view->chart()->mapToPosition(QPointF(5.3, -1190), list.line(chart));
    QTest::mouseMove(view->viewport(), view->mapFromScene(view->chart()->mapToScene(inChart)));
    QCOMPARE(pointer->text(), QStringLiteral("Rate 5.25%, payment -1,144.22"));

    QTest::mouseMove(view->viewport(), QPoint(1, 1));
    QCOMPARE(pointer->text(), QString());
}

void ChartTest::onePerListAndEscapeCloses()
{
    ChartedList list;
    QPointer<chart::ChartWindow> chart = list.open();
    list.showChart()->trigger();
    QCOMPARE(list.charts().size(), 1);

    QVERIFY(testing_support::showAndExpose(chart));
    chart->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(chart));
    QTest::keyClick(chart, Qt::Key_Escape);
    QTRY_VERIFY(chart.isNull());

    QVERIFY(list.open());
}

QTEST_MAIN(ChartTest)
#include "chart_test.moc"
