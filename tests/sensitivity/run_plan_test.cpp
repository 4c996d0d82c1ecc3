// The line count of a run, found before the run by the run's own accumulation.
// Counts were checked by repeating the double additions in Python.
#include "sensitivity/run_plan.h"

#include <QTest>

using sensitivity::RunPlan;

Q_DECLARE_METATYPE(RunPlan::Outcome)

class RunPlanTest : public QObject {
    Q_OBJECT

private slots:
    void countsTheLoop_data()
    {
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("step");
        QTest::addColumn<qulonglong>("limit");
        QTest::addColumn<RunPlan::Outcome>("outcome");
        QTest::addColumn<qulonglong>("lines");

        const double q = 1.0 / 400.0;
        const auto ok = RunPlan::Outcome::Ok;
        const auto tooMany = RunPlan::Outcome::TooManyLines;
        const auto stuck = RunPlan::Outcome::CounterStuck;
        const qulonglong big = sensitivity::maxRunLines;
        // 2^53: from here on adding 1 to a double may leave it unchanged.
        const double p53 = 9007199254740992.0;

        QTest::newRow("rates 5% to 6%, sum lands above the end") << 0.05 << 0.06 + q << q << big << ok << 5ull;
        QTest::newRow("rates 0 to 1%, sum lands on the end") << 0.0 << 0.01 + q << q << big << ok << 6ull;
        QTest::newRow("rates 0 to 100, one step beyond") << 0.0 << 100 + q << q << big << ok << 40002ull;
        QTest::newRow("periods 2.5 to 5") << 2.5 << 5.0 << 1.0 << big << ok << 3ull;
        QTest::newRow("exactly the limit") << 1.0 << 1e6 << 1.0 << big << ok << 1000000ull;
        QTest::newRow("one over the limit") << 1.0 << 1e6 + 1 << 1.0 << big << tooMany << 0ull;
        QTest::newRow("small limit reached") << 0.0 << 5.0 << 1.0 << 5ull << tooMany << 0ull;
        QTest::newRow("lower bound above the end") << 3.0 << 2.0 << 1.0 << big << ok << 0ull;
        QTest::newRow("stuck from the start") << 2 * p53 << 2 * p53 + 4 << 1.0 << big << stuck << 0ull;
        QTest::newRow("moves, then sticks at 2^53") << p53 - 2 << p53 + 2 << 1.0 << big << stuck << 0ull;
        QTest::newRow("rate step lost in 1e15") << 1e15 << 1e15 + 1 << q << big << stuck << 0ull;
        QTest::newRow("a billion periods") << 0.0 << 1e9 << 1.0 << big << tooMany << 0ull;
        QTest::newRow("bounds of 1e300, step lost") << -1e300 << 1e300 << q << big << stuck << 0ull;
    }

    void countsTheLoop()
    {
        QFETCH(double, lower);
        QFETCH(double, end);
        QFETCH(double, step);
        QFETCH(qulonglong, limit);
        QFETCH(RunPlan::Outcome, outcome);
        QFETCH(qulonglong, lines);

        const RunPlan plan = sensitivity::planRun(lower, end, step, limit);
        QCOMPARE(int(plan.outcome), int(outcome));
        if (outcome == RunPlan::Outcome::Ok)
            QCOMPARE(qulonglong(plan.lines), lines);
    }
};

QTEST_APPLESS_MAIN(RunPlanTest)
#include "run_plan_test.moc"
