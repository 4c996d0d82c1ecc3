// Times the loan planner's "Calculate", from the click to the schedule
// painted with its last row in view and to the APR shown, against opening the
// schedule window for a loan of as many payments; also the plan and its APR
// alone.
//   loan_planner_bench [repetitions]
// Run with QT_QPA_PLATFORM=offscreen on a Release build.
#include "app/memory_policy.h"
#include "app/vector_state.h"
#include "finance/calendar.h"
#include "finance/loan_plan.h"
#include "loan_planner/planner_window.h"
#include "measure.h"
#include "schedule/schedule_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

// The same loan three ways: typed into the planner, as the library's terms,
// and per period for the schedule window.
struct Case {
    const char* name;
    const char* amount;
    const char* annualRatePercent;
    const char* payments;
    finance::LoanTerms terms;
    finance::Loan perPeriod;
};

void waitUntilPainted(QWidget* window, QTableView* table, const char* name)
{
    table->scrollToBottom();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QApplication::processEvents();
    window->repaint();
    const int last = table->model()->rowCount() - 1;
    if (!table->viewport()->rect().contains(table->visualRect(table->model()->index(last, 0)).center()))
        std::printf("%s: the last row is not in view\n", name);
}

struct Calculated {
    double painted;   // the schedule painted
    double aprShown;  // and the APR in the summary
};

Calculated calculateMilliseconds(const Case& c, int repetitions, testing_support::FakePlatform& fakes,
                                 const app::PaymentTimingSetting& timing)
{
    auto* window = new loan_planner::PlannerWindow(fakes.platform, timing);
    window->findChild<QLineEdit*>(QStringLiteral("amount"))->setText(QLatin1String(c.amount));
    window->findChild<QLineEdit*>(QStringLiteral("annualRate"))->setText(QLatin1String(c.annualRatePercent));
    window->findChild<QLineEdit*>(QStringLiteral("payments"))->setText(QLatin1String(c.payments));
    window->show();
    auto* table = window->findChild<QTableView*>(QStringLiteral("table"));
    auto* calculate = window->findChild<QPushButton*>(QStringLiteral("calculate"));
    auto* apr = window->findChild<QLabel*>(QStringLiteral("apr"));
    std::vector<double> painted;
    std::vector<double> aprShown;
    for (int i = 0; i < repetitions; ++i) {
        // Each run types the payment afresh, so the level payment is computed again.
        window->findChild<QLineEdit*>(QStringLiteral("payment"))->clear();
        apr->clear();
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        calculate->click();
        waitUntilPainted(window, table, c.name);
        painted.push_back(bench::millisecondsSince(start));
        while (!apr->text().endsWith(QLatin1Char('%')))
            QApplication::processEvents();
        aprShown.push_back(bench::millisecondsSince(start));
    }
    delete window;
    return {bench::median(painted), bench::median(aprShown)};
}

double scheduleMilliseconds(const Case& c, int repetitions, testing_support::FakePlatform& fakes)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < repetitions; ++i) {
        app::WindowSlot<schedule::ScheduleWindow> slot;
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        schedule::openSchedule(slot, c.perPeriod, fakes.platform, nullptr);
        waitUntilPainted(slot.get(), slot.get()->findChild<QTableView*>(QStringLiteral("table")), c.name);
        milliseconds.push_back(bench::millisecondsSince(start));
    }
    return bench::median(milliseconds);
}

template <typename Work>
double libraryMilliseconds(int repetitions, Work work)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        app::atLibrarySpeed(work);
        milliseconds.push_back(bench::millisecondsSince(start));
    }
    return bench::median(milliseconds);
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = bench::repetitions(argc, argv);
    // As the program starts.
    app::keepLargeBlocksForReuse();
    QApplication app(argc, argv);
    // Monthly payments; the planner's dates start one month after today's
    // loan date, the library's alone on 2027-01-31.
    finance::LoanTerms mortgage;
    mortgage.amount = 300000;
    mortgage.annualRate = 0.065;
    mortgage.payments = 360;
    mortgage.loanDate = finance::daysFromCivil(2026, 12, 31);
    mortgage.firstPayment = finance::daysFromCivil(2027, 1, 31);
    finance::LoanTerms million = mortgage;
    million.amount = 1e6;
    million.annualRate = 0.000012;
    million.payments = 1'000'000;
    const Case cases[] = {
        {"300,000 at 6.5% a year, 360 monthly payments", "300000", "6.5", "360", mortgage,
         {300000, 0.065 / 12, 360}},
        {"1,000,000 at 0.0012% a year, 1,000,000 payments", "1000000", "0.0012", "1000000", million,
         {1e6, 1e-6, 1e6}},
    };
    testing_support::FakePlatform fakes;
    const app::PaymentTimingSetting timing;
    for (const Case& c : cases) {
        finance::LoanPlan plan;
        const double planAlone = libraryMilliseconds(repetitions, [&] { plan = finance::planLoan(c.terms); });
        const double aprAlone = libraryMilliseconds(repetitions, [&] { finance::annualPercentageRate(plan); });
        const Calculated calculate = calculateMilliseconds(c, repetitions, fakes, timing);
        const double schedule = scheduleMilliseconds(c, repetitions, fakes);
        std::printf("%s (%zu rows)\n  planner Calculate to painted %8.2f ms   schedule window opened %8.2f ms\n"
                    "  Calculate to the APR shown %8.2f ms\n"
                    "  plan alone %8.2f ms   APR alone %8.2f ms   (medians of %d runs)\n",
                    c.name, plan.rows.size(), calculate.painted, schedule, calculate.aprShown, planAlone, aprAlone,
                    repetitions);
    }
    bench::reportUnexpected(fakes.messages, 0);
    return 0;
}
