// Times "Show Chart" on a sensitivity list of 1,000,000 lines, from the
// action to the chart's first drawing on screen, and prints the median and how
// many points the plot kept of the list's.
//   chart_bench [repetitions]
// Run with QT_QPA_PLATFORM=offscreen on a Release build.
#include "chart/chart_window.h"
#include "fakes.h"
#include "sensitivity/form2.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QLineEdit>
#include <QLineSeries>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Case {
    const char* name;
    int mode;  // 1 rate, 2 periods
    const char* lower;
    const char* upper;
    const char* fixed;
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
    auto* form = new Form2(fakes.platform);
    form->load();
    form->show();
    if (!QTest::qWaitForWindowExposed(form))
        return;
    form->findChild<QLineEdit*>(QStringLiteral("Text5"))->setText(QStringLiteral("10000"));
    form->findChild<QRadioButton*>(c.mode == 1 ? "Option1" : "Option2")->click();
    const int first = c.mode == 1 ? 1 : 4;
    form->Text(first)->setText(QLatin1String(c.lower));
    form->Text(first + 1)->setText(QLatin1String(c.upper));
    form->Text(first + 2)->setText(QLatin1String(c.fixed));
    form->findChild<QPushButton*>(c.mode == 1 ? "Command1" : "Command6")->click();
    auto* list = form->findChild<QListView*>(c.mode == 1 ? "List1" : "List2");
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
        const auto stop = std::chrono::steady_clock::now();
        milliseconds.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        kept = int(static_cast<QLineSeries*>(view->chart()->series().first())->count());
        chart->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("%-36s %8d lines  median %7.2f ms  (min %.2f, max %.2f, %d runs)  %d points plotted\n", c.name,
                list->model()->rowCount(), milliseconds[milliseconds.size() / 2], milliseconds.front(),
                milliseconds.back(), repetitions, kept);
    if (fakes.messages.shown.size() != 1)  // the greeting only
        std::printf("  unexpected message: %s\n", qPrintable(fakes.messages.shown.last().text));
    delete form;
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    QApplication app(argc, argv);
    measure({"rate 0 to 2499.9975, 360 periods", 1, "0", "2499.9975", "360"}, repetitions);
    measure({"periods 1 to 1,000,000 at 1%", 2, "1", "1000000", "0.01"}, repetitions);
    return 0;
}
