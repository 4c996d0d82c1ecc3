// Cash flows against values computed outside the program with mpmath at 50
// digits (findroot on the plain sums, or flows built from known rates with
// integer coefficients, whose rates are then exact).
#include "finance/finance.h"
#include "row_guard.h"
#include "rows.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <optional>
#include <vector>

using namespace finance;
using testing_support::Call;
using testing_support::guardRow;

using Result = std::function<std::optional<double>()>;
using Analysis = std::function<RateAnalysis()>;
using Rates = std::vector<double>;
Q_DECLARE_METATYPE(Result)
Q_DECLARE_METATYPE(Analysis)
Q_DECLARE_METATYPE(Rates)
Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(RateCertainty)

namespace {

// The contract: within 1e-9 relative, or 1e-15 absolute near 0.
bool closeTo(double value, double expected)
{
    const double tolerance = std::fabs(expected) < 1e-6 ? 1e-15 : 1e-9 * std::fabs(expected);
    return std::fabs(value - expected) <= tolerance;
}

// -1,000,000 now, then 99,999 payments of 12.5.
std::vector<double> largeFlows()
{
    std::vector<double> values(100000, 12.5);
    values[0] = -1e6;
    return values;
}

}  // namespace

class CashFlowsTest : public QObject {
    Q_OBJECT

private slots:
    void values_data();
    void values();
    void rates_data();
    void rates();
    void unsettledRateIsSaidSo();
    void errors_data();
    void errors();
};

void CashFlowsTest::values_data()
{
    QTest::addColumn<Result>("call");
    QTest::addColumn<std::optional<double>>("expected");

    const std::vector<double> flows{-1000, 300, 400, 500};
    const std::vector<double> dated{-1000, 300, 800};
    const std::vector<double> days{0, 180, 439};
    QTest::newRow("NPV at 10%") << Result([=] { return NetPresentValue(0.1, flows); })
                                << std::optional<double>(-21.03681442524417731);
    QTest::newRow("dated NPV at 10%") << Result([=] { return NetPresentValue(0.1, dated, days); })
                                      << std::optional<double>(-0.4200074093722935273);
    QTest::newRow("MIRR 10% finance, 12% reinvested")
        << Result([=] { return ModifiedInternalRate(flows, 0.10, 0.12); })
        << std::optional<double>(0.098156692446315408412);
    // 1e-300 * 2^1100: the sum forward underflows, 2^1100 alone overflows.
    QTest::newRow("NPV at -50% of a flow in period 1100") << Result([] {
        std::vector<double> late(1101, 0.0);
        late[1100] = 1e-300;
        return NetPresentValue(-0.5, late);
    }) << std::optional<double>(1.3582985290493858833e+31);
    QTest::newRow("payback within period 3") << Result([=] { return payback(flows); }) << std::optional<double>(2.6);
    QTest::newRow("discounted payback at 5%") << Result([=] { return discountedPayback(0.05, flows); })
                                              << std::optional<double>(2.81375);
    QTest::newRow("discounted payback at 10%: never") << Result([=] { return discountedPayback(0.1, flows); })
                                                       << std::optional<double>();
    // (180 + 259 * 700/800) / 365
    QTest::newRow("dated payback, years") << Result([=] { return payback(dated, days); })
                                          << std::optional<double>(1.1140410958904109589);
}

void CashFlowsTest::values()
{
    QFETCH(Result, call);
    QFETCH(std::optional<double>, expected);
    guardRow([&] {
        const std::optional<double> value = call();
        QCOMPARE(value.has_value(), expected.has_value());
        if (expected)
            QVERIFY2(closeTo(*value, *expected), qPrintable(QString::number(*value, 'g', 17)));
    });
}

void CashFlowsTest::rates_data()
{
    QTest::addColumn<Analysis>("analysis");
    QTest::addColumn<Rates>("expected");
    QTest::addColumn<int>("signChanges");
    QTest::addColumn<RateCertainty>("certainty");

    constexpr RateCertainty rule = RateCertainty::SignRule;
    constexpr RateCertainty isolated = RateCertainty::Isolated;
    QTest::newRow("two rates") << Analysis([] { return analyzeRates({-100, 230, -132}); }) << Rates{0.1, 0.2} << 2
                               << isolated;
    QTest::newRow("no rate, two sign changes") << Analysis([] { return analyzeRates({-100, 250, -170}); })
                                               << Rates{} << 2 << isolated;
    QTest::newRow("one rate") << Analysis([] { return analyzeRates({-1000, 300, 400, 500}); })
                              << Rates{0.088963394693349935318} << 1 << rule;
    QTest::newRow("dated, one rate") << Analysis([] { return analyzeRates({-1000, 300, 800}, {0, 180, 439}); })
                                     << Rates{0.099537794751958813406} << 1 << rule;
    // -(10 - 11/(1+r))^2: the value touches zero at 10%.
    QTest::newRow("touching rate given once") << Analysis([] { return analyzeRates({-100, 220, -121}); })
                                              << Rates{0.1} << 2 << isolated;
    QTest::newRow("touching rate 0") << Analysis([] { return analyzeRates({-1, 2, -1}); }) << Rates{0} << 2
                                     << isolated;
    // (10(1+r) - 11)(10^7(1+r) - 11000001)
    QTest::newRow("rates 1e-7 apart") << Analysis([] { return analyzeRates({1e8, -220000010, 121000011}); })
                                      << Rates{0.1, 0.1000001} << 2 << isolated;
    // The product of (20(1+r) - a) for a = 10, 16, 21, 22, 26, 40.
    QTest::newRow("six rates") << Analysis([] {
        return analyzeRates({64000000, -432000000, 1173440000, -1643936000, 1252156800, -490528000, 76876800});
    }) << Rates{-0.5, -0.2, 0.05, 0.1, 0.3, 1.0} << 6 << isolated;
    QTest::newRow("dated two rates, unsorted, one day split in two")
        << Analysis([] { return analyzeRates({-1560, 1000, -1000, 1500}, {500, 200, 0, 200}); })
        << Rates{0.092964700802692427264, 2.2518012644257615092} << 2 << isolated;
    QTest::newRow("100,000 flows") << Analysis([] { return analyzeRates(largeFlows()); })
                                   << Rates{4.6419177331076044913e-6} << 1 << rule;
    QTest::newRow("one rate beyond the search") << Analysis([] { return analyzeRates({-1, 1e12}); }) << Rates{} << 1
                                                << rule;
}

void CashFlowsTest::rates()
{
    QFETCH(Analysis, analysis);
    QFETCH(Rates, expected);
    QFETCH(int, signChanges);
    QFETCH(RateCertainty, certainty);
    guardRow([&] {
        const RateAnalysis result = analysis();
        QCOMPARE(result.signChanges, signChanges);
        QCOMPARE(result.certainty, certainty);
        QVERIFY(result.unsettled.empty());
        QCOMPARE(result.rates.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(closeTo(result.rates[i], expected[i]), qPrintable(QString::number(result.rates[i], 'g', 17)));
    });
}

// Half days: the value is no polynomial to factor, and where it touches zero
// (at 0) no precision can tell a touch from two rates or none.
void CashFlowsTest::unsettledRateIsSaidSo()
{
    guardRow([] {
        const RateAnalysis result = analyzeRates({-1, 2, -1}, {0, 0.5, 1});
        QCOMPARE(result.certainty, RateCertainty::Unsettled);
        QVERIFY(result.rates.empty());
        QCOMPARE(result.unsettled.size(), std::size_t{1});
        QVERIFY(result.unsettled[0].low <= 0 && result.unsettled[0].high >= 0);
        QVERIFY(result.unsettled[0].high - result.unsettled[0].low < 1e-6);
    });
}

void CashFlowsTest::errors_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<ErrorNumber>("error");

    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    const std::vector<double> flows{-1000, 300, 400, 500};
    QTest::newRow("NPV of no values") << Call([] { return NetPresentValue(0.1, {}); }) << InvalidArgument;
    QTest::newRow("rates of no values") << Call([] { return double(InternalRates({}).size()); }) << InvalidArgument;
    QTest::newRow("payback of no values") << Call([] { return payback({}).value_or(0); }) << InvalidArgument;
    QTest::newRow("dated NPV, sizes differ") << Call([] { return NetPresentValue(0.1, {-1, 2}, {0}); })
                                             << InvalidArgument;
    QTest::newRow("dated rates, sizes differ")
        << Call([] { return double(InternalRates({-1, 2}, {0, 1, 2}).size()); }) << InvalidArgument;
    QTest::newRow("value not a number") << Call([=] { return double(InternalRates({-1, nan, 2}).size()); })
                                        << InvalidArgument;
    QTest::newRow("value infinite") << Call([=] { return NetPresentValue(0.1, {-inf, 2}); }) << InvalidArgument;
    QTest::newRow("day infinite") << Call([=] { return double(InternalRates({-1, 2}, {0, inf}).size()); })
                                  << InvalidArgument;
    QTest::newRow("rate not a number") << Call([=] { return NetPresentValue(nan, flows); }) << InvalidArgument;
    QTest::newRow("rate -100%") << Call([=] { return NetPresentValue(-1, flows); }) << InvalidArgument;
    QTest::newRow("discounted payback at -150%") << Call([=] { return discountedPayback(-1.5, flows).value_or(0); })
                                                 << InvalidArgument;
    QTest::newRow("MIRR finance rate -100%") << Call([=] { return ModifiedInternalRate(flows, -1, 0.1); })
                                             << InvalidArgument;
    QTest::newRow("MIRR without a negative flow") << Call([] { return ModifiedInternalRate({0, 300, 400}, 0.1, 0.1); })
                                                  << InvalidArgument;
    QTest::newRow("MIRR without a positive flow") << Call([] { return ModifiedInternalRate({-1000, 0}, 0.1, 0.1); })
                                                  << InvalidArgument;
    QTest::newRow("rates of flows all 0") << Call([] { return double(InternalRates({0, 0, 0}).size()); })
                                          << InvalidArgument;
    // 100^200 at -99% for 200 periods
    QTest::newRow("NPV beyond the doubles") << Call([] {
        std::vector<double> late(201, 0.0);
        late[200] = 1;
        return NetPresentValue(-0.99, late);
    }) << Overflow;
}

void CashFlowsTest::errors()
{
    QFETCH(Call, call);
    QFETCH(ErrorNumber, error);
    QCOMPARE(testing_support::errorOf(call), int(error));
}

QTEST_APPLESS_MAIN(CashFlowsTest)
#include "cash_flows_test.moc"
