// Times opening an amortization schedule, from the request to the table
// painted with its last row in view, and the schedule rule alone for the same
// loan. Each opening creates the window afresh, as the first one does.
//   schedule_bench [repetitions]
// Run with QT_QPA_PLATFORM=offscreen on a Release build.
#include "app/vector_state.h"
#include "finance/amortization.h"
#include "measure.h"
#include "schedule/schedule_window.h"

#include <QApplication>
#include <QTableView>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Case {
    const char* name;
    finance::Loan loan;
};

double ruleMilliseconds(const Case& c, int repetitions)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < repetitions; ++i) {
        // The windows' events leave the vector registers' upper halves in use.
        const auto start = std::chrono::steady_clock::now();
        const finance::Schedule schedule = app::atLibrarySpeed([&] { return finance::amortize(c.loan); });
        milliseconds.push_back(bench::millisecondsSince(start));
        if (schedule.rows.empty())
            std::printf("%s: refused\n", c.name);
    }
    return bench::median(milliseconds);
}

double openingMilliseconds(const Case& c, int repetitions, testing_support::FakePlatform& fakes)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < repetitions; ++i) {
        app::WindowSlot<schedule::ScheduleWindow> slot;
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        schedule::openSchedule(slot, c.loan, fakes.platform, nullptr);
        schedule::ScheduleWindow* window = slot.get();
        auto* table = window->findChild<QTableView*>(QStringLiteral("table"));
        table->scrollToBottom();
        while (!window->windowHandle() || !window->windowHandle()->isExposed())
            QApplication::processEvents();
        window->repaint();
        milliseconds.push_back(bench::millisecondsSince(start));

        const int last = table->model()->rowCount() - 1;
        if (!table->viewport()->rect().contains(table->visualRect(table->model()->index(last, 0)).center()))
            std::printf("%s: the last row is not in view\n", c.name);
    }
    return bench::median(milliseconds);
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = bench::repetitions(argc, argv);
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
    bench::reportUnexpected(fakes.messages, 0);
    return 0;
}
