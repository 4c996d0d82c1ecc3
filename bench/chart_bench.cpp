// Times "Show Chart" on a sensitivity list of 1,000,000 lines, from the
// action to the chart's first drawing on screen, and prints the median and how
// many points the plot kept of the list's.
//   chart_bench [repetitions]
// Run with QT_QPA_PLATFORM=offscreen on a Release build.
#include "chart/chart_window.h"
#include "measure.h"
#include "sensitivity/form2.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QLineSeries>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Case {
    const char* name;
    bench::SensitivityRun run;
};

// Notes the first time the chart's plot is painted.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void measure(const Case& c, int repetitions)
{
    testing_support::FakePlatform fakes;
    const std::unique_ptr<Form2> form = bench::filledInWindow(fakes.platform, c.run);
    if (!form)
        return;
    form->findChild<QPushButton*>(c.run.runButton())->click();
    auto* list = form->findChild<QListView*>(c.run.list());
    auto* showChart = list->findChild<QAction*>(QStringLiteral("showChartAction"));

    std::vector<double> milliseconds;
    int kept = 0;
    for (int i = 0; i < repetitions; ++i) {
        QApplication::processEvents();
        PaintWatch watch;
        const auto start = std::chrono::steady_clock::now();
        showChart->trigger();
        auto* chart = form->findChild<chart::ChartWindow*>();
        auto* view = chart->findChild<QChartView*>(QStringLiteral("chartView"));
        view->viewport()->installEventFilter(&watch);
        while (!watch.painted)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        milliseconds.push_back(bench::millisecondsSince(start));
        kept = int(static_cast<QLineSeries*>(view->chart()->series().first())->count());
        chart->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const auto [fastest, slowest] = std::minmax_element(milliseconds.begin(), milliseconds.end());
    std::printf("%-36s %8d lines  median %7.2f ms  (min %.2f, max %.2f, %d runs)  %d points plotted\n", c.name,
                list->model()->rowCount(), bench::median(milliseconds), *fastest, *slowest, repetitions, kept);
    bench::reportUnexpected(fakes.messages, 1);  // the greeting
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = bench::repetitions(argc, argv);
    QApplication app(argc, argv);
    measure({"rate 0 to 2499.9975, 360 periods", {1, "10000", "0", "2499.9975", "360"}}, repetitions);
    measure({"periods 1 to 1,000,000 at 1%", {2, "10000", "1", "1000000", "0.01"}}, repetitions);
    return 0;
}
