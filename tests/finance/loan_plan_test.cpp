// The loan planner's rule against figures computed outside the program: an
// independent model of the rule in python3 (fractions for every row, a rate
// typed as a decimal taken exactly, other rates and the level payments from
// mpmath at 50 digits, dates from datetime). The first seven schedules are the
// worked examples of the planner's request and agree with them.
#include "finance/calendar.h"
#include "finance/loan_plan.h"
#include "row_guard.h"

#include <QtTest>

using namespace finance;
using testing_support::guardRow;

Q_DECLARE_METATYPE(finance::LoanTerms)

namespace {

std::int64_t dayOf(const QString& iso)
{
    const QStringList parts = iso.split(QLatin1Char('-'));
    return daysFromCivil(parts[0].toLongLong(), parts[1].toInt(), parts[2].toInt());
}

QString isoOf(std::int64_t dayNumber)
{
    const CivilDate date = civilFromDays(dayNumber);
    return QStringLiteral("%1-%2-%3")
        .arg(date.year)
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.day, 2, 10, QLatin1Char('0'));
}

// 300,000 at 6.5 % a year, 12 payments a year for 30 years from 2027-01-31.
LoanTerms houseLoan()
{
    LoanTerms terms;
    terms.amount = 300000;
    terms.annualRate = 0.065;
    terms.payments = 360;
    terms.loanDate = dayOf(QStringLiteral("2026-12-31"));
    terms.firstPayment = dayOf(QStringLiteral("2027-01-31"));
    return terms;
}

LoanTerms smallLoan(double amount, double annualRate)
{
    LoanTerms terms = houseLoan();
    terms.amount = amount;
    terms.annualRate = annualRate;
    terms.payments = 12;
    return terms;
}

template <typename Change>
LoanTerms changed(LoanTerms terms, Change change)
{
    change(terms);
    return terms;
}

}  // namespace

class LoanPlanTest : public QObject {
    Q_OBJECT

private slots:
    void dayNumbers_data();
    void dayNumbers();
    void paymentDates_data();
    void paymentDates();
    void schedules_data();
    void schedules();
    void refusals_data();
    void refusals();
    void solving_data();
    void solving();
    void apr_data();
    void apr();
    void aprOfNothingLentIsNone();
};

void LoanPlanTest::dayNumbers_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<qint64>("dayNumber");
    QTest::newRow("the first day") << "1970-01-01" << 0LL;
    QTest::newRow("after a century's leap day") << "2000-03-01" << 11017LL;
    QTest::newRow("a leap day before the first day") << "1600-02-29" << -135081LL;
    QTest::newRow("the examples' first payment") << "2027-01-31" << 20849LL;
    QTest::newRow("a year's last day") << "2400-12-31" << 157419LL;
}

void LoanPlanTest::dayNumbers()
{
    QFETCH(QString, date);
    QFETCH(qint64, dayNumber);
    QCOMPARE(dayOf(date), dayNumber);
    QCOMPARE(isoOf(dayNumber), date);
}

void LoanPlanTest::paymentDates_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("perYear");
    QTest::addColumn<QString>("dates");  // payments 1 to 5
    QTest::newRow("monthly from the 31st") << "2027-01-31" << 12
                                           << "2027-01-31 2027-02-28 2027-03-31 2027-04-30 2027-05-31";
    QTest::newRow("monthly in a leap year") << "2028-01-31" << 12
                                            << "2028-01-31 2028-02-29 2028-03-31 2028-04-30 2028-05-31";
    QTest::newRow("quarterly over the year's end") << "2027-11-30" << 4
                                                   << "2027-11-30 2028-02-29 2028-05-30 2028-08-30 2028-11-30";
    QTest::newRow("half-yearly") << "2027-08-31" << 2 << "2027-08-31 2028-02-29 2028-08-31 2029-02-28 2029-08-31";
    QTest::newRow("yearly from a leap day") << "2028-02-29" << 1
                                            << "2028-02-29 2029-02-28 2030-02-28 2031-02-28 2032-02-29";
    QTest::newRow("24: the 15th and the 30th") << "2027-01-15" << 24
                                               << "2027-01-15 2027-01-30 2027-02-15 2027-02-28 2027-03-15";
    QTest::newRow("24: the 1st and the 16th") << "2028-01-01" << 24
                                              << "2028-01-01 2028-01-16 2028-02-01 2028-02-16 2028-03-01";
    QTest::newRow("24: from the 31st") << "2027-01-31" << 24
                                       << "2027-01-31 2027-02-16 2027-02-28 2027-03-16 2027-03-31";
    QTest::newRow("26: every 14 days") << "2027-01-31" << 26
                                       << "2027-01-31 2027-02-14 2027-02-28 2027-03-14 2027-03-28";
    QTest::newRow("52: every 7 days") << "2027-01-31" << 52
                                      << "2027-01-31 2027-02-07 2027-02-14 2027-02-21 2027-02-28";
}

void LoanPlanTest::paymentDates()
{
    QFETCH(QString, first);
    QFETCH(int, perYear);
    QFETCH(QString, dates);
    QStringList computed;
    for (std::int64_t number = 1; number <= 5; ++number)
        computed << isoOf(paymentDate(dayOf(first), perYear, number));
    QCOMPARE(computed.join(QLatin1Char(' ')), dates);
}

void LoanPlanTest::schedules_data()
{
    QTest::addColumn<LoanTerms>("terms");
    QTest::addColumn<qint64>("payment");  // cents, as every amount here
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row");         // a row whose payment is checked; 0: none
    QTest::addColumn<qint64>("rowPayment");
    QTest::addColumn<qint64>("firstInterest");
    QTest::addColumn<qint64>("lastPayment");
    QTest::addColumn<QString>("lastDate");
    QTest::addColumn<qint64>("totalInterest");
    QTest::addColumn<qint64>("interestSaved");  // -1: no comparison
    QTest::addColumn<int>("paymentsSaved");

    const LoanTerms house = houseLoan();
    QTest::newRow("300,000 at 6.5 % for 360 months")
        << house << 189620LL << 360 << 0 << 0LL << 162500LL << 190091LL << "2056-12-31" << 38263671LL << -1LL << 0;
    QTest::newRow("200 extra every payment")
        << changed(house, [](LoanTerms& t) { t.extraPerPayment = 200; }) << 189620LL << 277 << 0 << 0LL << 162500LL
        << 63532LL << "2050-01-31" << 27918652LL << 10345019LL << 83;
    QTest::newRow("paid 26 a year, compounded 12")
        << changed(house, [](LoanTerms& t) { t.paymentsPerYear = 26; t.payments = 780; }) << 87390LL << 780 << 0
        << 0LL << -1LL << -1LL << "" << -1LL << -1LL << 0;
    QTest::newRow("compounded continuously")
        << changed(smallLoan(20000, 0.079),
                   [](LoanTerms& t) {
                       t.compoundingsPerYear = continuousCompounding;
                       t.payments = 60;
                   })
        << 40482LL << 60 << 0 << 0LL << -1LL << -1LL << "" << -1LL << -1LL << 0;
    QTest::newRow("Actual/365 from a loan date 42 days before the first payment")
        << changed(smallLoan(20000, 0.079),
                   [](LoanTerms& t) {
                       t.interestRule = InterestRule::Actual365;
                       t.payments = 60;
                       t.loanDate = dayOf(QStringLiteral("2027-02-01"));
                       t.firstPayment = dayOf(QStringLiteral("2027-03-15"));
                   })
        << 40457LL << 60 << 0 << 0LL << 18181LL << 49003LL << "2032-02-15" << 435966LL << -1LL << 0;
    // 7.5 % a year is 0.625 % a month, whose half cents the rule rounds up.
    QTest::newRow("the rate changing to 7.5 % from payment 61")
        << changed(house, [](LoanTerms& t) { t.rateChanges = {{61, 0.075}}; }) << 189620LL << 360 << 61 << 207533LL
        << 162500LL << 207819LL << "2056-12-31" << 43637386LL << -1LL << 0;
    QTest::newRow("10,000 extra with payment 12, keep the term")
        << changed(house, [](LoanTerms& t) { t.extras = {{12, 10000}}; t.afterExtra = AfterExtra::KeepTerm; })
        << 189620LL << 360 << 13 << 183228LL << 162500LL << 183589LL << "2056-12-31" << 37039145LL << 1224526LL << 0;
    QTest::newRow("10,000 extra with payment 12, keep the payment")
        << changed(house, [](LoanTerms& t) { t.extras = {{12, 10000}}; }) << 189620LL << 329 << 13 << 189620LL
        << 162500LL << 45271LL << "2054-05-31" << 33240631LL << 5023040LL << 31;

    // 1002.40 x 0.625 % = 626.5 cents exactly, 1002.50 x 0.625 % = 626.5625.
    QTest::newRow("interest: a half away from zero")
        << smallLoan(1002.40, 0.075) << 8697LL << 12 << 0 << 0LL << 627LL << 8692LL << "2027-12-31" << 4119LL << -1LL
        << 0;
    QTest::newRow("interest: halves to even")
        << changed(smallLoan(1002.40, 0.075), [](LoanTerms& t) { t.interestRounding = InterestRounding::HalfToEven; })
        << 8697LL << 12 << 0 << 0LL << 626LL << 8691LL << "2027-12-31" << 4118LL << -1LL << 0;
    QTest::newRow("interest: down")
        << changed(smallLoan(1002.50, 0.075), [](LoanTerms& t) { t.interestRounding = InterestRounding::Down; })
        << 8697LL << 12 << 0 << 0LL << 626LL << 8698LL << "2027-12-31" << 4115LL << -1LL << 0;
    // The level payment is 86.844174...
    QTest::newRow("payment to the nearest cent")
        << smallLoan(1001, 0.075) << 8684LL << 12 << 0 << 0LL << 626LL << 8691LL << "2027-12-31" << 4115LL << -1LL << 0;
    QTest::newRow("payment up to the cent")
        << changed(smallLoan(1001, 0.075), [](LoanTerms& t) { t.paymentRounding = PaymentRounding::UpToCent; })
        << 8685LL << 12 << 0 << 0LL << 626LL << 8680LL << "2027-12-31" << 4115LL << -1LL << 0;
    QTest::newRow("payment up to the unit")
        << changed(smallLoan(1001, 0.075), [](LoanTerms& t) { t.paymentRounding = PaymentRounding::UpToUnit; })
        << 8700LL << 12 << 0 << 0LL << 626LL << 8507LL << "2027-12-31" << 4107LL << -1LL << 0;

    QTest::newRow("payments at the start with a balloon of 50,000")
        << changed(smallLoan(100000, 0.06),
                   [](LoanTerms& t) {
                       t.payments = 60;
                       t.balloon = 50000;
                       t.timing = PaymentTiming::Begin;
                   })
        << 120702LL << 60 << 2 << 120702LL << 0LL << 5120717LL << "2031-12-31" << 2242135LL << -1LL << 0;
    // As if the loan were at 7.5 % from the start: payment 1 falls on the loan date.
    QTest::newRow("payments at the start, the rate changing with payment 1")
        << changed(smallLoan(1000, 0.065),
                   [](LoanTerms& t) {
                       t.timing = PaymentTiming::Begin;
                       t.rateChanges = {{1, 0.075}};
                   })
        << 8622LL << 12 << 2 << 8622LL << 0LL << 8620LL << "2027-12-31" << 3462LL << -1LL << 0;
    QTest::newRow("a typed payment equal to the interest")
        << changed(smallLoan(100000, 0.06), [](LoanTerms& t) { t.payment = 500.0; }) << 50000LL << 12 << 0 << 0LL
        << 50000LL << 10050000LL << "2027-12-31" << 600000LL << -1LL << 0;
}

// Besides the table's figures, every row adds up and the balance runs to 0.
void LoanPlanTest::schedules()
{
    QFETCH(LoanTerms, terms);
    QFETCH(qint64, payment);
    QFETCH(int, rows);
    QFETCH(int, row);
    QFETCH(qint64, rowPayment);
    QFETCH(qint64, firstInterest);
    QFETCH(qint64, lastPayment);
    QFETCH(QString, lastDate);
    QFETCH(qint64, totalInterest);
    QFETCH(qint64, interestSaved);
    QFETCH(int, paymentsSaved);
    guardRow([&] {
        const LoanPlan plan = planLoan(terms);
        QCOMPARE(int(plan.refusal), int(LoanPlan::Refusal::None));
        QCOMPARE(plan.regularPayment, payment);
        QCOMPARE(int(plan.rows.size()), rows);
        if (row > 0)
            QCOMPARE(plan.rows[row - 1].payment, rowPayment);
        if (firstInterest >= 0)
            QCOMPARE(plan.rows.front().interest, firstInterest);
        if (lastPayment >= 0)
            QCOMPARE(plan.rows.back().payment + plan.rows.back().extra, lastPayment);
        if (!lastDate.isEmpty())
            QCOMPARE(isoOf(plan.rows.back().date), lastDate);
        if (totalInterest >= 0)
            QCOMPARE(plan.totalInterest, totalInterest);
        QCOMPARE(plan.comparedWithoutExtras, interestSaved >= 0);
        if (interestSaved >= 0) {
            QCOMPARE(plan.interestSaved, interestSaved);
            QCOMPARE(plan.paymentsSaved, paymentsSaved);
        }

        std::int64_t owed = plan.amount;
        std::int64_t paid = 0;
        std::int64_t previousDate = terms.loanDate;
        for (const PlanRow& planRow : plan.rows) {
            QVERIFY(planRow.date >= previousDate);
            previousDate = planRow.date;
            owed -= planRow.payment + planRow.extra - planRow.interest;
            QCOMPARE(planRow.balance, owed);
            paid += planRow.payment + planRow.extra;
        }
        QCOMPARE(owed, 0);
        QCOMPARE(plan.totalPaid(), paid);
        QCOMPARE(plan.totalPrincipal, plan.amount);
    });
}

void LoanPlanTest::refusals_data()
{
    QTest::addColumn<LoanTerms>("terms");
    QTest::addColumn<int>("refusal");
    QTest::addColumn<int>("error");  // 0: no error

    const LoanTerms house = houseLoan();
    const int none = int(LoanPlan::Refusal::None);
    QTest::newRow("1,000,001 payments") << changed(house, [](LoanTerms& t) { t.payments = 1000001; })
                                        << int(LoanPlan::Refusal::TooManyPayments) << 0;
    QTest::newRow("an amount rounding to 10^13") << changed(house, [](LoanTerms& t) { t.amount = 9999999999999.996; })
                                                 << int(LoanPlan::Refusal::AmountTooLarge) << 0;
    QTest::newRow("a typed payment a cent below the first interest")
        << changed(house, [](LoanTerms& t) { t.payment = 1624.99; }) << int(LoanPlan::Refusal::PaymentBelowInterest)
        << 0;
    QTest::newRow("an interest of 10^13") << changed(house, [](LoanTerms& t) {
        t.amount = 1e12;
        t.annualRate = 1200;
        t.payment = 1.0;
    }) << int(LoanPlan::Refusal::AmountTooLarge) << 0;
    QTest::newRow("a first payment before the loan date")
        << changed(house, [](LoanTerms& t) { t.firstPayment = t.loanDate - 1; }) << none << 5;
    QTest::newRow("36 payments a year") << changed(house, [](LoanTerms& t) { t.paymentsPerYear = 36; }) << none << 5;
}

void LoanPlanTest::refusals()
{
    QFETCH(LoanTerms, terms);
    QFETCH(int, refusal);
    QFETCH(int, error);
    try {
        const LoanPlan plan = planLoan(terms);
        QCOMPARE(int(plan.refusal), refusal);
        QVERIFY(plan.rows.empty());
        QCOMPARE(error, 0);
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), error);
    }
}

void LoanPlanTest::solving_data()
{
    QTest::addColumn<LoanTerms>("terms");
    QTest::addColumn<int>("unknown");
    QTest::addColumn<double>("expected");

    const LoanTerms house = changed(houseLoan(), [](LoanTerms& t) { t.payment = 1896.20; });
    QTest::newRow("payment") << houseLoan() << int(LoanTerm::Payment) << 1896.2040704788911961;
    QTest::newRow("amount") << house << int(LoanTerm::Amount) << 299999.3560061987155;
    QTest::newRow("number of payments") << house << int(LoanTerm::Payments) << 360.00238101853978188;
    QTest::newRow("annual rate") << house << int(LoanTerm::AnnualRate) << 0.064999793685774372985;
    QTest::newRow("annual rate, paid 26 a year, compounded 12")
        << changed(house, [](LoanTerms& t) { t.paymentsPerYear = 26; t.payments = 780; t.payment = 873.90; })
        << int(LoanTerm::AnnualRate) << 0.065000181704635775107;
    QTest::newRow("annual rate compounded continuously")
        << changed(smallLoan(20000, 0), [](LoanTerms& t) {
               t.compoundingsPerYear = continuousCompounding;
               t.payments = 60;
               t.payment = 404.82;
           })
        << int(LoanTerm::AnnualRate) << 0.078999440969379724199;
    QTest::newRow("annual rate, Actual/365")
        << changed(smallLoan(20000, 0), [](LoanTerms& t) {
               t.interestRule = InterestRule::Actual365;
               t.timing = PaymentTiming::Begin;  // the daily rules pay at the end
               t.payments = 60;
               t.payment = 404.57;
           })
        << int(LoanTerm::AnnualRate) << 0.078998541514192325881;

    const LoanTerms balloonAtStart = changed(smallLoan(100000, 0.06), [](LoanTerms& t) {
        t.payments = 60;
        t.balloon = 50000;
        t.timing = PaymentTiming::Begin;
        t.payment = 1207.02;
    });
    QTest::newRow("payment at the start with a balloon")
        << balloonAtStart << int(LoanTerm::Payment) << 1207.0217672527750643;
    QTest::newRow("amount at the start with a balloon")
        << balloonAtStart << int(LoanTerm::Amount) << 99999.908130798516911;
    QTest::newRow("number of payments at the start with a balloon")
        << balloonAtStart << int(LoanTerm::Payments) << 60.000129160641169095;
    QTest::newRow("annual rate at the start with a balloon")
        << balloonAtStart << int(LoanTerm::AnnualRate) << 0.059999719882130635752;
}

void LoanPlanTest::solving()
{
    QFETCH(LoanTerms, terms);
    QFETCH(int, unknown);
    QFETCH(double, expected);
    guardRow([&] {
        const double solved = solveLoanTerm(terms, LoanTerm(unknown));
        QVERIFY2(std::fabs(solved - expected) <= 1e-11 * std::fabs(expected),
                 qPrintable(QString::number(solved, 'g', 17)));
    });
}

// The dated rate finder is exact to 1e-9; the true rates are from mpmath.
void LoanPlanTest::apr_data()
{
    QTest::addColumn<double>("fees");
    QTest::addColumn<double>("expected");
    QTest::newRow("no fees") << 0.0 << 0.0669350601372627772;
    QTest::newRow("3,000 of fees") << 3000.0 << 0.0679630718016965694;
}

void LoanPlanTest::apr()
{
    QFETCH(double, fees);
    QFETCH(double, expected);
    guardRow([&] {
        const LoanPlan plan = planLoan(changed(houseLoan(), [&](LoanTerms& t) { t.fees = fees; }));
        QCOMPARE(plan.costOfCredit(), plan.totalInterest + std::int64_t(fees * 100));
        const std::optional<double> apr = annualPercentageRate(plan);
        QVERIFY(apr);
        QVERIFY2(std::fabs(*apr - expected) <= 1e-9 * expected, qPrintable(QString::number(*apr, 'g', 17)));
    });
}

// Nothing lent and nothing paid: no flow to find a rate for.
void LoanPlanTest::aprOfNothingLentIsNone()
{
    guardRow([&] {
        const LoanPlan plan = planLoan(changed(houseLoan(), [](LoanTerms& t) { t.amount = 0; }));
        QCOMPARE(plan.refusal, LoanPlan::Refusal::None);
        QVERIFY(!annualPercentageRate(plan));
    });
}

QTEST_APPLESS_MAIN(LoanPlanTest)
#include "loan_plan_test.moc"
