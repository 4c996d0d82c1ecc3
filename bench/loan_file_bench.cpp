// Times saving and opening a loan file with 1,000 one-off extras: the file
// code alone (the bytes written whole beside their place, and read back into
// terms), and the planner opening it with its fields and lists filled in (not painted);
// gives the file's size.
//   loan_file_bench [repetitions]
// Run with QT_QPA_PLATFORM=offscreen on a Release build.
#include "app/safe_save.h"
#include "finance/calendar.h"
#include "loan_planner/loan_file.h"
#include "loan_planner/planner_window.h"
#include "measure.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int extraCount = 1000;

// A weekly loan over twenty years with an extra on each of its first 1,000
// payments, the amounts in varied cents so they are written digit by digit.
loan_planner::PlannerTerms weeklyLoanWithExtras()
{
    loan_planner::PlannerTerms terms;
    finance::LoanTerms& loan = terms.loan;
    loan.amount = 250000;
    loan.annualRate = 0.0475;
    loan.paymentsPerYear = 52;
    loan.compoundingsPerYear = 12;
    loan.payments = 1040;
    loan.loanDate = finance::daysFromCivil(2026, 12, 31);
    loan.firstPayment = finance::daysFromCivil(2027, 1, 7);
    for (int i = 1; i <= extraCount; ++i)
        loan.extras.push_back({i, 20 + (i * 37 % 1000) / 100.0});
    terms.unknown = finance::LoanTerm::Payment;
    return terms;
}

bool sameExtras(const std::vector<finance::OneOffExtra>& a, const std::vector<finance::OneOffExtra>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.number == y.number && x.amount == y.amount;
    });
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = bench::repetitions(argc, argv);
    QApplication app(argc, argv);
    // The planner remembers what it opens; not in the user's own recent files.
    QStandardPaths::setTestModeEnabled(true);
    testing_support::FakePlatform fakes;
    const QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("offer.loan.json"));
    const loan_planner::PlannerTerms terms = weeklyLoanWithExtras();

    std::vector<double> save;
    std::vector<double> open;
    std::optional<loan_planner::PlannerTerms> read;
    for (int i = 0; i < repetitions; ++i) {
        auto start = std::chrono::steady_clock::now();
        const QByteArray bytes = loan_planner::loanFileBytes(terms);
        const auto write = [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); };
        if (!app::saveWhole(fileName, write, fakes.messages, nullptr))
            std::printf("the file was not saved\n");
        save.push_back(bench::millisecondsSince(start));

        start = std::chrono::steady_clock::now();
        QFile file(fileName);
        QString problem;
        read = file.open(QIODevice::ReadOnly) ? loan_planner::readLoanFile(file.readAll(), &problem) : std::nullopt;
        open.push_back(bench::millisecondsSince(start));
        if (!read)
            std::printf("the file was not read: %s\n", qPrintable(problem));
    }
    if (read && !sameExtras(read->loan.extras, terms.loan.extras))
        std::printf("the extras read back differ from those saved\n");

    const app::PaymentTimingSetting timing;
    loan_planner::PlannerWindow planner(fakes.platform, timing);
    std::vector<double> window;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!planner.openFile(fileName))
            std::printf("the planner did not open the file\n");
        window.push_back(bench::millisecondsSince(start));
    }
    const std::optional<loan_planner::PlannerTerms> shown = planner.terms();
    if (!shown || !sameExtras(shown->loan.extras, terms.loan.extras))
        std::printf("the planner shows other extras than those saved\n");
    bench::reportUnexpected(fakes.messages, 0);

    std::printf("loan file with %d one-off extras: %.1f KiB (%d runs)\n", extraCount,
                QFileInfo(fileName).size() / 1024.0, repetitions);
    std::printf("  save (bytes, written whole)     median %8.2f ms\n", bench::median(save));
    std::printf("  open (read, checked into terms) median %8.2f ms\n", bench::median(open));
    std::printf("  open in the planner, fields set median %8.2f ms\n", bench::median(window));
    return 0;
}
