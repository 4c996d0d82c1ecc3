// Times opening an amortization schedule, from the request to the table
// painted with its last row in view, and the schedule rule alone for the same
// loan. Each opening creates the window afresh, as the first one does.
//   schedule_bench [repetitions]
// Run with QT_QPA_PLATFORM=offscreen on a Release build.
#include "fakes.h"
#include "app/vector_state.h"
#include "finance/amortization.h"
#include "schedule/schedule_window.h"

#include <QApplication>
#include <QTableView>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Case {
    const char* name;
    finance::Loan loan;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double ruleMilliseconds(const Case& c, int repetitions)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < repetitions; ++i) {
        // The windows' events leave the vector registers' upper halves in use.
        app::clearUpperVectorState();
        const auto start = std::chrono::steady_clock::now();
        const finance::Schedule schedule = finance::amortize(c.loan);
        milliseconds.push_back(millisecondsSince(start));
        if (schedule.rows.empty())
            std::printf("%s: refused\n", c.name);
    }
    return median(milliseconds);
}

double openingMilliseconds(const Case& c, int repetitions, testing_support::FakePlatform& fakes)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < repetitions; ++i) {
        QPointer<schedule::ScheduleWindow> window;
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        schedule::openSchedule(window, c.loan, fakes.platform, nullptr);
        auto* table = window->findChild<QTableView*>(QStringLiteral("table"));
        table->scrollToBottom();
        while (!window->windowHandle() || !window->windowHandle()->isExposed())
            QApplication::processEvents();
        window->repaint();
        milliseconds.push_back(millisecondsSince(start));

        const int last = table->model()->rowCount() - 1;
        if (!table->viewport()->rect().contains(table->visualRect(table->model()->index(last, 0)).center()))
            std::printf("%s: the last row is not in view\n", c.name);
        delete window.data();
    }
    return median(milliseconds);
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    // Payments of about 15.82 and 1.58 against 10.00 and 1.00 of interest.
    const Case cases[] = {
        {"1,000,000 at 0.001% for 100,000 periods", {1e6, 1e-5, 1e5}},
        {"1,000,000 at 0.0001% for 1,000,000 periods", {1e6, 1e-6, 1e6}},
    };
    QApplication app(argc, argv);
    testing_support::FakePlatform fakes;
    for (const Case& c : cases) {
        const double rule = ruleMilliseconds(c, repetitions);
        const double opening = openingMilliseconds(c, repetitions, fakes);
        std::printf("%-45s open median %8.2f ms  rule alone %7.2f ms  (%d runs)\n", c.name, opening, rule,
                    repetitions);
    }
    if (!fakes.messages.shown.isEmpty())
        std::printf("unexpected message: %s\n", qPrintable(fakes.messages.shown.last().text));
    return 0;
}
