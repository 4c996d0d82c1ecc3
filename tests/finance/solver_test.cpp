// Rate and NPer checked through the relation they solve: the answer must put
// the present-value factor a(r, n), or (1+r)*a(r, n) with payments at the
// start, back on -pv/pmt, evaluated in long double, within what one ulp of the
// answer and the double evaluation of a allow.
#include "finance/finance.h"
#include "finance/rate_solver.h"
#include "row_guard.h"

#include <QtTest>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <random>
#include <vector>

using namespace finance;

namespace {

// log |a| as a function of x = log1p(r), which keeps its digits near r = -1;
// a and -pv/pmt have the sign of n. At the start log(1+r) = x is added.
long double logPresentFactorAt(long double x, long double n, bool atStart = false)
{
    return logl(fabsl(x == 0 ? n : -expm1l(-n * x) / expm1l(x))) + (atStart ? x : 0);
}

long double logPresentFactor(long double r, long double n, bool atStart = false)
{
    return logPresentFactorAt(log1pl(r), n, atStart);
}

// How far the answer may be from the exact root, in log a: the change that
// four ulps of the answer make, plus the rounding of log a in doubles.
struct Check {
    long double residual;
    long double allowed;
};

Check rateCheck(double rate, double nper, double pmt, double pv, bool atStart = false)
{
    const long double x = log1pl(rate);
    const long double h = 1e-6L * (1 + fabsl(x));
    const long double slope =
        (logPresentFactorAt(x + h, nper, atStart) - logPresentFactorAt(x - h, nper, atStart)) / (2 * h);
    const long double ulpInX = (std::nextafter(rate, HUGE_VAL) - rate) / (1 + static_cast<long double>(rate));
    const long double target = fabsl(static_cast<long double>(pv) / pmt);
    return {logPresentFactor(rate, nper, atStart) - logl(target),
            fabsl(slope) * 4 * ulpInX + 16 * DBL_EPSILON * (2 + fabsl(nper * x))};
}

Check nperCheck(double rate, double nper, double pmt, double pv)
{
    const long double logGrowth = log1pl(rate);
    const long double slope = logGrowth / expm1l(nper * logGrowth);
    const long double ulp = std::nextafter(nper, HUGE_VAL) - nper;
    const long double target = -static_cast<long double>(pv) / pmt;
    return {logPresentFactor(rate, nper) - logl(target),
            fabsl(slope) * 4 * ulp + 16 * DBL_EPSILON * (2 + fabsl(nper * logGrowth))};
}

QString describe(const char* name, double a, double b, double c, double result, const Check& check)
{
    return QString("%1(%2, %3, %4) = %5: residual %6, allowed %7")
        .arg(name)
        .arg(a, 0, 'g', 17)
        .arg(b, 0, 'g', 17)
        .arg(c, 0, 'g', 17)
        .arg(result, 0, 'g', 17)
        .arg(static_cast<double>(check.residual))
        .arg(static_cast<double>(check.allowed));
}

}  // namespace

class SolverTest : public QObject {
    Q_OBJECT

private slots:
    void rateAtExtremes_data();
    void rateAtExtremes();
    void rateOverRandomLoans_data();
    void rateOverRandomLoans();
    void nperOverRandomLoans();
};

void SolverTest::rateAtExtremes_data()
{
    QTest::addColumn<double>("nper");
    QTest::addColumn<double>("pmt");
    QTest::addColumn<double>("pv");
    QTest::addColumn<bool>("atStart");
    QTest::newRow("-pv/pmt beyond doubles, root near -75%") << 1000.0 << -1e-300 << 1e300 << false;
    QTest::newRow("root near 1e20") << 10.0 << -1e10 << 1e-10 << false;
    QTest::newRow("one period") << 1.0 << -1.1 << 1.0 << false;
    QTest::newRow("a millionth of a period") << 1e-6 << -1.0 << 2e-6 << false;
    QTest::newRow("1e15 periods") << 1e15 << -1.0 << 1e3 << false;
    QTest::newRow("root 1e-12 below 0") << 1e6 << -1.0 << 1e6 + 1e-3 << false;
    QTest::newRow("root 1e-12 above 0") << 1e6 << -1.0 << 1e6 - 1e-3 << false;
    QTest::newRow("root at -99.9999%") << 12.0 << -1.0 << 1e60 << false;
    QTest::newRow("tiny amounts") << 360.0 << -5.703e-300 << 9.355e-297 << false;
    QTest::newRow("12 periods back, root near -100%") << -12.0 << 1.0 << 1 + 1e-12 << false;
    QTest::newRow("10 periods back, root near 1e20") << -10.0 << 1.0 << 1e180 << false;
    QTest::newRow("half a period back, root near -100%") << -0.5 << 1.0 << 0.999999 << false;
    QTest::newRow("half a period back, root near 1e20") << -0.5 << 1.0 << 1e-10 << false;
    QTest::newRow("1e15 periods back") << -1e15 << 1.0 << 1e3 << false;
    QTest::newRow("1e6 periods back, root 1e-12 above 0") << -1e6 << 1.0 << 1e6 + 1e-3 << false;
    QTest::newRow("start: root near 1e10") << 10.0 << -1.0 << 1 + 1e-10 << true;
    QTest::newRow("start: root near -100%") << 12.0 << -1.0 << 1e60 << true;
    QTest::newRow("start: a millionth of a period, root near 3e43") << 1e-6 << -1.0 << 1e-4 << true;
    QTest::newRow("start: a millionth of a period, root near -97%") << 1e-6 << -1.0 << 1e-7 << true;
    QTest::newRow("start: just above one period") << 1 + 1e-9 << -1.0 << 1 + 5e-10 << true;
    QTest::newRow("start: 1e15 periods") << 1e15 << -1.0 << 1e3 << true;
    QTest::newRow("start: 12 periods back, root near -100%") << -12.0 << 1.0 << 1e-5 << true;
}

void SolverTest::rateAtExtremes()
{
    QFETCH(double, nper);
    QFETCH(double, pmt);
    QFETCH(double, pv);
    QFETCH(bool, atStart);
    testing_support::guardRow([&] {
        const double rate = Rate(nper, pmt, pv, atStart ? PaymentTiming::Begin : PaymentTiming::End);
        const Check check = rateCheck(rate, nper, pmt, pv, atStart);
        QVERIFY2(fabsl(check.residual) <= check.allowed,
                 qPrintable(describe("Rate", nper, pmt, pv, rate, check)));
    });
}

void SolverTest::rateOverRandomLoans_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::newRow("payments at the end") << false;
    QTest::newRow("payments at the start") << true;
}

// Loans with a known rate, and arbitrary pairs of amounts: at the end every
// -pv/pmt > 0 has a root, at the start only -pv/pmt beyond 1 on the side of
// nper. Also reports the solver's iteration counts.
void SolverTest::rateOverRandomLoans()
{
    QFETCH(bool, atStart);
    const PaymentTiming timing = atStart ? PaymentTiming::Begin : PaymentTiming::End;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<int> iterations;
    long double worst = 0;
    for (int i = 0; i < 4000; ++i) {
        double nper = std::pow(10, -1 + 7 * unit(random));
        if (i % 2 == 0)
            nper = std::ceil(nper);
        const double pmt = -std::pow(10, -300 + 312 * unit(random));
        double pv = pmt * -std::pow(10, -15 + 30 * unit(random));
        if (i % 4 < 2) {
            const double known = unit(random) < 0.3 ? std::pow(10, -15 + 14 * unit(random))
                                                    : -0.99 + 10.99 * unit(random);
            try {
                pv = PV(known, nper, pmt, timing);
            } catch (const RuntimeError&) {
                continue;
            }
        }
        if (!std::isnormal(pv))
            continue;
        detail::RateSolution solution;
        try {
            solution = detail::solveRate(nper, pmt, pv, timing);
        } catch (const RuntimeError& e) {
            QVERIFY2(e.number() == InvalidArgument && atStart && (nper == 1 || (pv > -pmt) != (nper > 1)),
                     qPrintable(QString("Rate(%1, %2, %3): error %4").arg(nper).arg(pmt).arg(pv).arg(e.number())));
            continue;
        }
        iterations.push_back(solution.iterations);
        if (solution.rate == std::nextafter(-1.0, 0.0)) {
            // The root lies below: the factor, rising there only at the start
            // with nper < 1, has not yet reached -pv/pmt.
            const long double factor = logPresentFactor(solution.rate, nper, atStart);
            const long double target = logl(-static_cast<long double>(pv) / pmt);
            QVERIFY(atStart && nper < 1 ? factor >= target : factor <= target);
            continue;
        }
        const Check check = rateCheck(solution.rate, nper, pmt, pv, atStart);
        worst = std::max(worst, fabsl(check.residual) / check.allowed);
        QVERIFY2(fabsl(check.residual) <= check.allowed,
                 qPrintable(describe("Rate", nper, pmt, pv, solution.rate, check)));
    }
    std::sort(iterations.begin(), iterations.end());
    qInfo("Rate over %d random loans, %s: iterations median %d, max %d; worst residual %.2f of allowed",
          int(iterations.size()), QTest::currentDataTag(), iterations[iterations.size() / 2], iterations.back(),
          static_cast<double>(worst));
    QVERIFY(iterations.size() > (atStart ? 2000 : 3000));
    QVERIFY(iterations.back() <= 8);
}

// NPer gives back the number of periods a payment was built for. Where the
// loan has nearly reached the perpetuity (n*log1p(r) > 30, about 40 % of
// these loans) the payment is the interest within the rounding of pv, and
// error 5 is then the right answer.
void SolverTest::nperOverRandomLoans()
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> unit(0, 1);
    int checked = 0;
    for (int i = 0; i < 4000; ++i) {
        const double nper = std::pow(10, -2 + 8 * unit(random));
        const double rate = unit(random) < 0.3 ? (unit(random) < 0.5 ? -1 : 1) * std::pow(10, -15 + 14 * unit(random))
                                               : -0.99 + 10.99 * unit(random);
        const double pmt = -std::pow(10, -300 + 312 * unit(random));
        double pv = 0;
        try {
            pv = PV(rate, nper, pmt);
        } catch (const RuntimeError&) {
            continue;
        }
        if (!std::isnormal(pv))
            continue;
        double solved = 0;
        try {
            solved = NPer(rate, pmt, pv);
        } catch (const RuntimeError& e) {
            QVERIFY2(e.number() == InvalidArgument && nper * std::log1p(rate) > 30,
                     qPrintable(QString("NPer(%1, %2, %3): error %4").arg(rate).arg(pmt).arg(pv).arg(e.number())));
            continue;
        }
        const Check check = nperCheck(rate, solved, pmt, pv);
        QVERIFY2(fabsl(check.residual) <= check.allowed,
                 qPrintable(describe("NPer", rate, pmt, pv, solved, check)));
        ++checked;
    }
    QVERIFY(checked > 2000);
}

QTEST_APPLESS_MAIN(SolverTest)
#include "solver_test.moc"
