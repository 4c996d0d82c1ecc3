// The schedule rule against schedules computed outside the program in exact
// rationals (python3 fractions: the rate as the double it is held as, the
// payment from the closed form at 60 digits with decimal, every rounding half
// away from zero). The example loan's first rows are also checked by hand:
// 1000 * 0.1 = 100.00, 162.75 - 100.00 = 62.75, 937.25 * 0.1 = 93.725 -> 93.73.
#include "finance/amortization.h"
#include "finance/finance.h"
#include "row_guard.h"

#include <QtTest>

using namespace finance;
using testing_support::guardRow;

class AmortizationTest : public QObject {
    Q_OBJECT

private slots:
    void schedules_data();
    void schedules();
    void refusals_data();
    void refusals();
};

void AmortizationTest::schedules_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<double>("presentValue");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("periods");
    QTest::addColumn<int>("rows");
    QTest::addColumn<qint64>("payment");  // cents, as every amount here
    QTest::addColumn<qint64>("firstInterest");
    QTest::addColumn<qint64>("secondInterest");
    QTest::addColumn<qint64>("lastPayment");
    QTest::addColumn<qint64>("totalInterest");
    const auto atEnd = [](const char* name) -> QTestData& { return QTest::newRow(name) << false; };

    atEnd("1000 at 10% for 10") << 1000.0 << 0.1 << 10.0 << 10 << 16275LL << 10000LL << 9373LL << 16269LL << 62744LL;
    atEnd("the loan's sign is not the schedule's")
        << -1000.0 << 0.1 << 10.0 << 10 << 16275LL << 10000LL << 9373LL << 16269LL << 62744LL;
    atEnd("rate 0") << 1000.0 << 0.0 << 7.0 << 7 << 14286LL << 0LL << 0LL << 14284LL << 0LL;
    // NPer(0.05, -100, 1000) = ln 2 / ln 1.05, as tab 3 computes it.
    atEnd("14.2067 periods of 100 at 5%")
        << 1000.0 << 0.05 << 14.206699082890461 << 15 << 10000LL << 5000LL << 4750LL << 2113LL << 42113LL;
    atEnd("within 1e-9 of 10 periods")
        << 1000.0 << 0.1 << 10.000000000000002 << 10 << 16275LL << 10000LL << 9373LL << 16269LL << 62744LL;
    atEnd("negative rate") << 1000.0 << -0.05 << 10.0 << 10 << 7461LL << -5000LL << -4377LL << 7457LL << -25394LL;
    atEnd("200,000 at 0.5% for 360")
        << 200000.0 << 0.005 << 360.0 << 360 << 119910LL << 100000LL << 99900LL << 120014LL << 23167704LL;
    // 0.05 / 10 rounds up to a cent, which pays the loan off in 5 periods.
    atEnd("a payment rounded up ends early") << 0.05 << 0.0 << 10.0 << 5 << 1LL << 0LL << 0LL << 1LL << 0LL;
    atEnd("1,000,000 periods") << 1e6 << 0.0 << 1e6 << 1000000 << 100LL << 0LL << 0LL << 100LL << 0LL;
    atEnd("within 1e-9 above 1,000,000 periods")
        << 1e6 << 0.0 << 1000000.0005 << 1000000 << 100LL << 0LL << 0LL << 100LL << 0LL;
    // Pmt(0.1, 200, 1000) = 100.0000000005: interest only until the last payment.
    atEnd("payment equal to the interest")
        << 1000.0 << 0.1 << 200.0 << 200 << 10000LL << 10000LL << 10000LL << 110000LL << 2000000LL;
    // The payment rounds to 0.00; the balance falls by the negative interest alone.
    atEnd("payment of 0.00 at -5%") << 1000.0 << -0.05 << 600.0 << 600 << 0LL << -5000LL << -4750LL << 9LL << -99991LL;
    // 1000.04 * 0.125 = 125.005 and 466.68 * 0.125 = 58.335: exact halves.
    atEnd("half a cent of interest rounds up")
        << 1000.04 << 0.125 << 2.0 << 2 << 59561LL << 12501LL << 6618LL << 59562LL << 19119LL;
    atEnd("half a cent of negative interest rounds down")
        << 1000.04 << -0.125 << 2.0 << 2 << 40835LL << -12501LL << -5834LL << 40834LL << -18335LL;
    atEnd("a loan of 1000.125 rounds to 1000.13")
        << 1000.125 << 0.0 << 2.0 << 2 << 50006LL << 0LL << 0LL << 50007LL << 0LL;
    // Pmt(0.01, 0.5, 1000) = 2014.99 pays more than is owed: one payment of 1,010.00.
    atEnd("half a period") << 1000.0 << 0.01 << 0.5 << 1 << 201499LL << 1000LL << 0LL << 101000LL << 1000LL;
    // Payment 1000 / (1.1 * a(10)) = 147.95; then 852.05 * 0.1 = 85.205 -> 85.21.
    QTest::newRow("payments at the start: the first is all principal")
        << true << 1000.0 << 0.1 << 10.0 << 10 << 14795LL << 0LL << 8521LL << 14798LL << 47953LL;
}

// Besides the table's figures, every row adds up and the balance runs to 0.
void AmortizationTest::schedules()
{
    QFETCH(bool, atStart);
    QFETCH(double, presentValue);
    QFETCH(double, rate);
    QFETCH(double, periods);
    QFETCH(int, rows);
    QFETCH(qint64, payment);
    QFETCH(qint64, firstInterest);
    QFETCH(qint64, secondInterest);
    QFETCH(qint64, lastPayment);
    QFETCH(qint64, totalInterest);
    guardRow([&] {
        const PaymentTiming timing = atStart ? PaymentTiming::Begin : PaymentTiming::End;
        const Schedule schedule = amortize({presentValue, rate, periods, timing});
        QCOMPARE(int(schedule.refusal), int(Schedule::Refusal::None));
        QCOMPARE(int(schedule.rows.size()), rows);
        QCOMPARE(schedule.payment, payment);
        QCOMPARE(schedule.rows.front().interest, firstInterest);
        if (rows > 1)
            QCOMPARE(schedule.rows[1].interest, secondInterest);
        QCOMPARE(schedule.rows.back().payment, lastPayment);
        QCOMPARE(schedule.totalInterest, totalInterest);

        std::int64_t owed = schedule.loan;
        std::int64_t paid = 0;
        for (const ScheduleRow& row : schedule.rows) {
            QCOMPARE(row.principal, row.payment - row.interest);
            owed -= row.principal;
            QCOMPARE(row.balance, owed);
            paid += row.payment;
        }
        QCOMPARE(owed, 0);
        QCOMPARE(schedule.totalPayment, paid);
        QCOMPARE(schedule.totalPrincipal, schedule.loan);
    });
}

void AmortizationTest::refusals_data()
{
    QTest::addColumn<double>("presentValue");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("periods");
    QTest::addColumn<int>("refusal");
    QTest::addColumn<int>("error");  // 0: no error

    const int none = int(Schedule::Refusal::None);
    QTest::newRow("1,000,001 periods") << 1000.0 << 0.0 << 1000001.0 << int(Schedule::Refusal::TooManyRows) << 0;
    QTest::newRow("1,000,000.5 periods") << 1000.0 << 0.0 << 1000000.5 << int(Schedule::Refusal::TooManyRows) << 0;
    QTest::newRow("1e300 periods") << 1000.0 << 0.1 << 1e300 << int(Schedule::Refusal::TooManyRows) << 0;
    // The loan rounds up to 1,000.00, the payment 999.995 * 0.1000051 = 100.0046 down:
    // 100.00 against 100000 * 0.1000051 = 100.01 of interest.
    QTest::newRow("payment below the interest")
        << 999.995 << 0.1000051 << 1000.0 << int(Schedule::Refusal::PaymentBelowInterest) << 0;
    QTest::newRow("loan of 10^13") << 1e13 << 0.1 << 10.0 << int(Schedule::Refusal::AmountTooLarge) << 0;
    QTest::newRow("loan rounding to 10^13")
        << 9999999999999.996 << -0.5 << 2.0 << int(Schedule::Refusal::AmountTooLarge) << 0;
    // 1000 payments of 10^10 * 1.0000476 pass 10^13 near the end.
    QTest::newRow("total payment of 10^13") << 1e12 << 0.01 << 1000.0 << int(Schedule::Refusal::AmountTooLarge) << 0;
    QTest::newRow("no periods") << 1000.0 << 0.1 << 0.0 << none << 5;
    QTest::newRow("rate below -100%") << 1000.0 << -1.5 << 10.0 << none << 5;
}

void AmortizationTest::refusals()
{
    QFETCH(double, presentValue);
    QFETCH(double, rate);
    QFETCH(double, periods);
    QFETCH(int, refusal);
    QFETCH(int, error);
    try {
        const Schedule schedule = amortize({presentValue, rate, periods});
        QCOMPARE(int(schedule.refusal), refusal);
        QVERIFY(schedule.rows.empty());
        QCOMPARE(error, 0);
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), error);
    }
}

QTEST_APPLESS_MAIN(AmortizationTest)
#include "amortization_test.moc"
