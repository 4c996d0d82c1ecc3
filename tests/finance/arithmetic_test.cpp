// Rounding, the 16-bit conversion, Power, the checked arithmetic and the
// error type's numbers and descriptions.
#include "finance/finance.h"
#include "row_guard.h"
#include "rows.h"

#include <QtTest>

#include <cmath>
#include <functional>

using namespace finance;

using testing_support::Call;

class ArithmeticTest : public QObject {
    Q_OBJECT

private slots:
    void results_data();
    void results();
    void errors_data();
    void errors();
    void descriptions_data();
    void descriptions();
};

void ArithmeticTest::results_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<double>("expected");

    QTest::newRow("Round 2.5 to even") << Call([] { return Round(2.5); }) << 2.0;
    QTest::newRow("Round 3.5 to even") << Call([] { return Round(3.5); }) << 4.0;
    QTest::newRow("Round 9.6") << Call([] { return Round(9.6); }) << 10.0;
    QTest::newRow("Round -2.5") << Call([] { return Round(-2.5); }) << -2.0;
    QTest::newRow("Round -0.4 gives +0") << Call([] { return Round(-0.4); }) << 0.0;
    QTest::newRow("Round just below a half") << Call([] { return Round(0.49999999999999994); }) << 0.0;
    QTest::newRow("Round 0.125 to 2 places, even") << Call([] { return Round(0.125, 2); }) << 0.12;
    QTest::newRow("Round 0.375 to 2 places, even") << Call([] { return Round(0.375, 2); }) << 0.38;
    QTest::newRow("Round 2.675 stored below half") << Call([] { return Round(2.675, 2); }) << 2.67;
    QTest::newRow("Round to 5 places") << Call([] { return Round(-1.234567, 5); }) << -1.23457;
    QTest::newRow("Round past all digits") << Call([] { return Round(5e-324, 400); }) << 5e-324;
    QTest::newRow("Round huge") << Call([] { return Round(1e308, 2); }) << 1e308;
    QTest::newRow("Integer 32767.4") << Call([] { return toInteger16(32767.4); }) << 32767.0;
    QTest::newRow("Integer -32768.5 to even") << Call([] { return toInteger16(-32768.5); }) << -32768.0;
    QTest::newRow("Integer 0.5 to even") << Call([] { return toInteger16(0.5); }) << 0.0;
    QTest::newRow("Integer 1.5 to even") << Call([] { return toInteger16(1.5); }) << 2.0;
    QTest::newRow("Power negative base, whole exponent") << Call([] { return Power(-2, 3); }) << -8.0;
    QTest::newRow("Power underflows to 0") << Call([] { return Power(10, -400); }) << 0.0;
}

void ArithmeticTest::results()
{
    QFETCH(Call, call);
    QFETCH(double, expected);
    testing_support::guardRow([&] {
        const double value = call();
        QVERIFY2(value == expected && !std::signbit(value) == !std::signbit(expected),
                 qPrintable(QString::number(value, 'g', 17)));
    });
}

void ArithmeticTest::errors_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<ErrorNumber>("error");

    QTest::newRow("Round negative places") << Call([] { return Round(1.5, -1); }) << InvalidArgument;
    QTest::newRow("Round NaN") << Call([] { return Round(std::nan("")); }) << InvalidArgument;
    QTest::newRow("Integer 32767.5") << Call([] { return toInteger16(32767.5); }) << Overflow;
    QTest::newRow("Integer -32769") << Call([] { return toInteger16(-32769); }) << Overflow;
    QTest::newRow("Integer infinity") << Call([] { return toInteger16(HUGE_VAL); }) << InvalidArgument;
    QTest::newRow("Power negative base, fraction") << Call([] { return Power(-8, 1.0 / 3); }) << InvalidArgument;
    QTest::newRow("Power zero to negative") << Call([] { return Power(0, -1); }) << InvalidArgument;
    QTest::newRow("Power overflow") << Call([] { return Power(10, 400); }) << Overflow;
    QTest::newRow("add overflow") << Call([] { return checkedAdd(1.7e308, 1.7e308); }) << Overflow;
    QTest::newRow("multiply overflow") << Call([] { return checkedMultiply(1e200, -1e200); }) << Overflow;
    QTest::newRow("divide by zero") << Call([] { return checkedDivide(1, 0); }) << DivisionByZero;
    QTest::newRow("zero by zero") << Call([] { return checkedDivide(0, 0); }) << Overflow;
    QTest::newRow("divide overflow") << Call([] { return checkedDivide(1e300, 1e-300); }) << Overflow;
    QTest::newRow("add infinity") << Call([] { return checkedAdd(HUGE_VAL, 1); }) << InvalidArgument;
}

void ArithmeticTest::errors()
{
    QFETCH(Call, call);
    QFETCH(ErrorNumber, error);
    QCOMPARE(testing_support::errorOf(call), int(error));
}

void ArithmeticTest::descriptions_data()
{
    QTest::addColumn<ErrorNumber>("number");
    QTest::addColumn<QString>("description");
    QTest::newRow("InvalidArgument") << InvalidArgument << "Invalid procedure call or argument";
    QTest::newRow("Overflow") << Overflow << "Overflow";
    QTest::newRow("DivisionByZero") << DivisionByZero << "Division by zero";
    QTest::newRow("TypeMismatch") << TypeMismatch << "Type mismatch";
}

void ArithmeticTest::descriptions()
{
    QFETCH(ErrorNumber, number);
    QFETCH(QString, description);
    const RuntimeError error(number);
    QCOMPARE(error.number(), int(number));
    QCOMPARE(QString(error.what()), description);
    const std::runtime_error& base = error;
    QCOMPARE(QString(base.what()), description);
}

QTEST_APPLESS_MAIN(ArithmeticTest)
#include "arithmetic_test.moc"
