// A line's payment must be exactly the "standard" text read back, however it
// is computed. Every value is checked against that text, bit for bit.
#include "sensitivity/line_payment.h"

#include "finance/finance.h"
#include "row_guard.h"

#include <QTest>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace {

std::vector<double> withNeighbours(const std::vector<double>& values)
{
    std::vector<double> result;
    for (double x : values) {
        for (double v : {x, std::nextafter(x, 0.0), std::nextafter(x, 2 * x)})
            result.insert(result.end(), {v, -v});
    }
    return result;
}

std::vector<double> halvesOfACent()
{
    // Only odd eighths are exact halves of a cent.
    std::vector<double> halves;
    for (double whole : {0.0, 1.0, 999.0, 1234567.0, 1099511627776.0, 70368744177663.0})
        for (int eighth : {1, 3, 5, 7})
            halves.push_back(whole + eighth / 8.0);
    return withNeighbours(halves);
}

std::vector<double> nearHalvesBelowAnEighth()
{
    // No double below 1/8 is a half of a cent; these come as close as doubles can.
    std::vector<double> values;
    for (int cents = 0; cents <= 12; ++cents) {
        double x = (cents + 0.5) / 100;
        for (int i = 0; i < 4; ++i)
            x = std::nextafter(x, 0.0);
        for (int i = 0; i < 9; ++i, x = std::nextafter(x, 1.0))
            values.insert(values.end(), {x, -x});
    }
    return values;
}

std::vector<double> logUniform(double from, double to, int count)
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> exponent(std::log(from), std::log(to));
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        const double x = std::exp(exponent(random));
        values.push_back(i % 2 ? -x : x);
    }
    return values;
}

}  // namespace

class LinePaymentTest : public QObject {
    Q_OBJECT

private slots:
    void matchesTheFormattedText_data()
    {
        QTest::addColumn<std::vector<double>>("payments");
        QTest::addColumn<QString>("decimalPoint");

        QTest::newRow("exact halves of a cent and their neighbours") << halvesOfACent() << ".";
        QTest::newRow("usual payments, 0.125 to 7e13") << logUniform(0.125, 7e13, 200000) << ".";
        QTest::newRow("usual payments, comma decimal") << logUniform(0.125, 7e13, 20000) << ",";
        QTest::newRow("near halves of a cent below an eighth") << nearHalvesBelowAnEighth() << ".";
        QTest::newRow("below an eighth") << logUniform(1e-300, 0.125, 20000) << ".";
        QTest::newRow("above 2^53 / 128") << logUniform(7e13, 1e300, 20000) << ".";
        QTest::newRow("the limits of the shortcut")
            << withNeighbours({0.125, 9007199254740992.0 / 128, 0.005, 0.0}) << ".";
    }

    void matchesTheFormattedText()
    {
        QFETCH(std::vector<double>, payments);
        QFETCH(QString, decimalPoint);

        finance::NumberSymbols symbols;
        symbols.decimalPoint = decimalPoint.toStdString();
        symbols.groupSeparator = decimalPoint == "," ? "." : ",";
        testing_support::guardRow([&] {
            for (double payment : payments) {
                const std::string text = finance::Format(payment, "standard", symbols);
                const double expected = finance::textToNumber(text, symbols);
                const double actual = sensitivity::linePayment(payment);
                if (std::memcmp(&expected, &actual, sizeof actual) != 0)
                    QFAIL(qPrintable(QStringLiteral("%1 gives %2, its text %3 reads as %4")
                                         .arg(payment, 0, 'g', 17)
                                         .arg(actual, 0, 'g', 17)
                                         .arg(QString::fromStdString(text))
                                         .arg(expected, 0, 'g', 17)));
            }
        });
    }
};

QTEST_APPLESS_MAIN(LinePaymentTest)
#include "line_payment_test.moc"
