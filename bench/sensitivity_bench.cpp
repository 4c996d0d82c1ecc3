// Times a sensitivity run from the "Run" click to the list showing its last
// line, and the memory it takes above the window's idle memory. Before any
// window exists it times the same payments as a bare loop of the library, and
// prints the run's time as a ratio to that.
//   sensitivity_bench [repetitions]
// Run with QT_QPA_PLATFORM=offscreen on a Release build.
#include "finance/finance.h"
#include "measure.h"
#include "sensitivity/form2.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <malloc.h>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <vector>

namespace {

// A field of /proc/self/status, in kB.
long statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Restarts the peak resident size (VmHWM) from the current one.
void resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

struct Case {
    const char* name;
    bench::SensitivityRun run;
};

// Keeps the bare loop's payments from being optimized away.
volatile double payments = 0;

// The run's payments, counted as the run counts them, straight from the library.
double bareLoopMilliseconds(const Case& c, int repetitions)
{
    const bench::SensitivityRun& run = c.run;
    const double loan = std::atof(run.loan);
    const double lower = std::atof(run.lower);
    const double fixed = std::atof(run.fixed);
    const double step = run.mode == 1 ? 1.0 / 400.0 : 1.0;
    const double end = run.mode == 1 ? std::atof(run.upper) + step : std::atof(run.upper);
    std::vector<double> milliseconds;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        double sum = 0;
        for (double counter = lower; counter <= end; counter += step)
            sum += run.mode == 1 ? finance::Pmt(counter, fixed, loan) : finance::Pmt(fixed, counter, loan);
        milliseconds.push_back(bench::millisecondsSince(start));
        payments = sum;
    }
    return bench::median(milliseconds);
}

void measure(const Case& c, int repetitions, double bareMilliseconds)
{
    testing_support::FakePlatform fakes;
    const std::unique_ptr<Form2> form = bench::filledInWindow(fakes.platform, c.run);
    if (!form)
        return;
    auto* run = form->findChild<QPushButton*>(c.run.runButton());
    auto* clear = form->findChild<QPushButton*>(c.run.clearButton());
    auto* list = form->findChild<QListView*>(c.run.list());

    std::vector<double> milliseconds;
    long idleKb = 0;
    long peakKb = 0;
    long heldKb = 0;  // after the last run
    int lines = 0;
    for (int i = 0; i < repetitions; ++i) {
        QApplication::processEvents();
        idleKb = statusKb("VmRSS:");
        resetPeak();
        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(run, Qt::LeftButton);
        list->scrollToBottom();
        QApplication::processEvents();
        milliseconds.push_back(bench::millisecondsSince(start));
        lines = list->model()->rowCount();
        const QRect last = list->visualRect(list->model()->index(lines - 1, 0));
        if (!list->viewport()->rect().contains(last.center()))
            std::printf("%s: the last line is not in view\n", c.name);
        peakKb = std::max(peakKb, statusKb("VmHWM:") - idleKb);
        heldKb = statusKb("VmRSS:") - idleKb;
        QTest::mouseClick(clear, Qt::LeftButton);
        // Hands the freed lines back to the system, so the next idle figure is the window's own.
        malloc_trim(0);
    }
    const double runMilliseconds = bench::median(milliseconds);
    std::printf("%-40s %8d lines  median %8.2f ms  bare loop %7.2f ms  peak +%.1f MB  held +%.1f MB  (%d runs)  ratio %.2f\n",
                c.name, lines, runMilliseconds, bareMilliseconds, peakKb / 1024.0, heldKb / 1024.0, repetitions,
                runMilliseconds / bareMilliseconds);
    bench::reportUnexpected(fakes.messages, 1);  // the greeting
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = bench::repetitions(argc, argv);
    const Case cases[] = {
        {"rate 0 to 100, 12 periods", {1, "10000", "0", "100", "12"}},
        {"periods 1 to 1,000,000 at 1%", {2, "10000", "1", "1000000", "0.01"}},
        {"rate 0 to 2499.9975, 360 periods", {1, "10000", "0", "2499.9975", "360"}},
        {"periods 1 to 1,000,000 at 1%, loan 1e16", {2, "1e16", "1", "1000000", "0.01"}},
    };
    std::vector<double> bare;
    for (const Case& c : cases)
        bare.push_back(bareLoopMilliseconds(c, repetitions));

    QApplication app(argc, argv);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        measure(cases[i], repetitions, bare[i]);
    return 0;
}
