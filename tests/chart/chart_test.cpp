// A list's chart: reducing a long series to the plot's columns keeps every
// extreme; the window, opened from the sensitivity window's list, follows the
// list through a run and a clear, names the line under the pointer, is one
// per list and closes with Escape.
#include "chart/chart_window.h"
#include "chart/point_reduction.h"
#include "form2_driver.h"

#include <QAction>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>

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
    QString pointText(qsizetype) const override { return {}; }

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

}  // namespace

class ChartTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void reductionKeepsTheExtremes_data();
    void reductionKeepsTheExtremes();
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
    QCOMPARE(pointer->text(), QStringLiteral("Rate 5.25%, payment -1144.22"));

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
