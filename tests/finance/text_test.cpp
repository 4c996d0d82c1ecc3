// Reading and writing numbers as text, with the symbols of several locales,
// and text from anywhere.
#include "finance/finance.h"
#include "rows.h"

#include <QtTest>

#include <cmath>
#include <random>

using namespace finance;

Q_DECLARE_METATYPE(NumberSymbols)

namespace {

// As Qt gives them for C and en_US, de_DE, fr_FR, de_CH and en_IN.
const NumberSymbols pointDecimal{".", ","};
const NumberSymbols commaDecimal{",", "."};
const NumberSymbols spaceGrouped{",", "\u202F"};
const NumberSymbols apostropheGrouped{".", "\u2019"};
const NumberSymbols indianGrouped{".", ",", 3, 2};

constexpr ErrorNumber noError{};  // Val returns

// Text is read correctly rounded, so values compare exactly, not fuzzily.
bool same(double value, double expected)
{
    return value == expected && std::signbit(value) == std::signbit(expected);
}

}  // namespace

class TextTest : public QObject {
    Q_OBJECT

private slots:
    void val_data();
    void val();
    void localeReading_data();
    void localeReading();
    void numberToText_data();
    void numberToText();
    void format_data();
    void format();
    void formatReadsBack();
    void anyTextIsSafe();
};

void TextTest::val_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<ErrorNumber>("error");

    QTest::newRow("grouped 1,000 stops at the comma") << QByteArray("1,000") << 1.0 << noError;
    QTest::newRow("leading blanks and sign") << QByteArray(" \t -12.5") << -12.5 << noError;
    QTest::newRow("blanks inside the number") << QByteArray("1 000.2 5") << 1000.25 << noError;
    QTest::newRow("trailing text") << QByteArray("42abc") << 42.0 << noError;
    QTest::newRow("label text") << QByteArray("L. Bound") << 0.0 << noError;
    QTest::newRow("empty") << QByteArray("") << 0.0 << noError;
    QTest::newRow("exponent") << QByteArray("1.5E3") << 1500.0 << noError;
    QTest::newRow("negative exponent") << QByteArray("25e-2") << 0.25 << noError;
    QTest::newRow("exponent without digits") << QByteArray("1e") << 1.0 << noError;
    QTest::newRow("exponent sign without digits") << QByteArray("7e+x") << 7.0 << noError;
    QTest::newRow("fraction only") << QByteArray("-.5") << -0.5 << noError;
    QTest::newRow("comma is no decimal point") << QByteArray("0,05") << 0.0 << noError;
    QTest::newRow("two signs") << QByteArray("--1") << 0.0 << noError;
    QTest::newRow("minus zero is zero") << QByteArray("-0") << 0.0 << noError;
    QTest::newRow("below the smallest double") << QByteArray("1e-400") << 0.0 << noError;
    QTest::newRow("long exponent below") << QByteArray("1e-99999999999999999999") << 0.0 << noError;
    QTest::newRow("correctly rounded") << QByteArray("0.1000000000000000055511151231257827") << 0.1 << noError;
    QTest::newRow("beyond the largest double") << QByteArray("1e999") << 0.0 << Overflow;
    QTest::newRow("long exponent beyond") << QByteArray("-1e99999999999999999999") << 0.0 << Overflow;
    QTest::newRow("400 digits") << QByteArray(400, '9') << 0.0 << Overflow;
}

void TextTest::val()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QFETCH(ErrorNumber, error);
    try {
        const double value = Val(text.toStdString());
        QCOMPARE(error, noError);
        QVERIFY2(same(value, expected), qPrintable(QString::number(value, 'g', 17)));
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), int(error));
    }
}

void TextTest::localeReading_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<NumberSymbols>("symbols");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("read");  // what readNumber gives

    QTest::newRow("grouped thousands") << QByteArray("1,000") << pointDecimal << true << 1000.0;
    QTest::newRow("Format output") << QByteArray("-1,234,567.89") << pointDecimal << true << -1234567.89;
    QTest::newRow("blanks around") << QByteArray("  12.5\t") << pointDecimal << true << 12.5;
    QTest::newRow("sign and exponent") << QByteArray("+1.5e-3") << pointDecimal << true << 0.0015;
    QTest::newRow("trailing point") << QByteArray("5.") << pointDecimal << true << 5.0;
    QTest::newRow("leading point") << QByteArray(".5") << pointDecimal << true << 0.5;
    QTest::newRow("beyond range is still numeric") << QByteArray("1e999") << pointDecimal << true << -1.0;
    QTest::newRow("loose groups, Val reads 1") << QByteArray("1,2,3") << pointDecimal << false << 1.0;
    QTest::newRow("group of four") << QByteArray("1,0000") << pointDecimal << false << 1.0;
    QTest::newRow("group after point") << QByteArray("1.000,000") << pointDecimal << false << 1.0;
    QTest::newRow("empty") << QByteArray("") << pointDecimal << false << 0.0;
    QTest::newRow("blank") << QByteArray("   ") << pointDecimal << false << 0.0;
    QTest::newRow("point alone") << QByteArray(".") << pointDecimal << false << 0.0;
    QTest::newRow("exponent alone") << QByteArray("e5") << pointDecimal << false << 0.0;
    QTest::newRow("exponent without digits") << QByteArray("1e") << pointDecimal << false << 1.0;
    QTest::newRow("two signs") << QByteArray("--1") << pointDecimal << false << 0.0;
    QTest::newRow("percent sign") << QByteArray("5.25%") << pointDecimal << false << 5.25;
    QTest::newRow("label") << QByteArray("L. Bound") << pointDecimal << false << 0.0;
    QTest::newRow("first group of four, Val reads 1234") << QByteArray("1234,567") << pointDecimal << false << 1234.0;
    QTest::newRow("blank in the exponent, Val reads it") << QByteArray("1.5E 3") << pointDecimal << false << 1500.0;
    QTest::newRow("first group 0 does not group") << QByteArray("0,125") << pointDecimal << false << 0.0;
    QTest::newRow("later group may start with 0") << QByteArray("1,025") << pointDecimal << true << 1025.0;
    QTest::newRow("comma decimal") << QByteArray("0,05") << commaDecimal << true << 0.05;
    QTest::newRow("comma decimal grouped") << QByteArray("1.234,5") << commaDecimal << true << 1234.5;
    QTest::newRow("point typed in comma locale") << QByteArray("0.05") << commaDecimal << true << 0.05;
    QTest::newRow("point typed, first group 0") << QByteArray("0.125") << commaDecimal << true << 0.125;
    QTest::newRow("point typed, last group short") << QByteArray("12.50") << commaDecimal << true << 12.5;
    QTest::newRow("point typed with exponent") << QByteArray("-1.5E3") << commaDecimal << true << -1500.0;
    QTest::newRow("grouped reading wins") << QByteArray("1.250") << commaDecimal << true << 1250.0;
    QTest::newRow("point and comma typed") << QByteArray("0.125,5") << commaDecimal << false << 0.125;
    QTest::newRow("narrow no-break space groups") << QByteArray("1\u202F000,5") << spaceGrouped << true << 1000.5;
    QTest::newRow("plain space for no-break space") << QByteArray("1 000") << spaceGrouped << true << 1000.0;
    QTest::newRow("no-break space for narrow one") << QByteArray("1\u00A0000") << spaceGrouped << true << 1000.0;
    QTest::newRow("point typed where spaces group") << QByteArray("1.250") << spaceGrouped << true << 1.25;
    QTest::newRow("quotation mark groups") << QByteArray("-1\u2019234.5") << apostropheGrouped << true << -1234.5;
    QTest::newRow("apostrophe for quotation mark") << QByteArray("1'234'567") << apostropheGrouped << true << 1234567.0;
    QTest::newRow("Indian grouping") << QByteArray("12,34,567.5") << indianGrouped << true << 1234567.5;
    QTest::newRow("Indian grouping, one group") << QByteArray("12,345") << indianGrouped << true << 12345.0;
    QTest::newRow("threes where Indian groups") << QByteArray("1,234,567") << indianGrouped << false << 1.0;
    QTest::newRow("middle group too short") << QByteArray("1,23,456") << pointDecimal << false << 1.0;
    QTest::newRow("first Indian group too long") << QByteArray("123,45,678") << indianGrouped << false << 123.0;
}

// readNumber is the locale reading where IsNumeric accepts the text, and Val
// otherwise; -1 in the table stands for Overflow.
void TextTest::localeReading()
{
    QFETCH(QByteArray, text);
    QFETCH(NumberSymbols, symbols);
    QFETCH(bool, numeric);
    QFETCH(double, read);
    const std::string input = text.toStdString();
    QCOMPARE(IsNumeric(input, symbols), numeric);
    try {
        QVERIFY(same(readNumber(input, symbols), read));
        if (numeric)
            QVERIFY(same(textToNumber(input, symbols), read));
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), int(Overflow));
        QCOMPARE(read, -1.0);
    }
    if (!numeric) {
        try {
            textToNumber(input, symbols);
            QFAIL("textToNumber accepted text that is not numeric");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), int(TypeMismatch));
        }
    }
}

void TextTest::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<NumberSymbols>("symbols");
    QTest::addColumn<QString>("text");

    QTest::newRow("negative with fraction") << -1234.5 << pointDecimal << "-1234.5";
    QTest::newRow("whole number") << 10.0 << pointDecimal << "10";
    QTest::newRow("small fraction") << 0.0525 << pointDecimal << "0.0525";
    QTest::newRow("comma decimal") << 0.0525 << commaDecimal << "0,0525";
    QTest::newRow("15 digits of 0.1 + 0.2") << 0.1 + 0.2 << pointDecimal << "0.3";
    QTest::newRow("15 digits rounded") << 2.0 / 3 << pointDecimal << "0.666666666666667";
    QTest::newRow("zero") << 0.0 << pointDecimal << "0";
    QTest::newRow("minus zero") << -0.0 << pointDecimal << "0";
    QTest::newRow("largest fixed") << 123456789012345.0 << pointDecimal << "123456789012345";
    QTest::newRow("first exponent form") << 1e15 << pointDecimal << "1E+15";
    QTest::newRow("large") << -1.5e20 << commaDecimal << "-1,5E+20";
    QTest::newRow("smallest fixed") << 0.00001 << pointDecimal << "0.00001";
    QTest::newRow("small") << 1e-7 << pointDecimal << "1E-07";
    QTest::newRow("largest double") << 1.7976931348623157e308 << pointDecimal << "1.79769313486232E+308";
    QTest::newRow("smallest double") << 4.9406564584124654e-324 << pointDecimal << "4.94065645841247E-324";
}

void TextTest::numberToText()
{
    QFETCH(double, value);
    QFETCH(NumberSymbols, symbols);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(finance::numberToText(value, symbols)), text);
}

void TextTest::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("name");
    QTest::addColumn<NumberSymbols>("symbols");
    QTest::addColumn<QString>("text");

    QTest::newRow("standard grouped") << 1210.0 << "standard" << pointDecimal << "1,210.00";
    QTest::newRow("standard negative") << -614.4567105704682 << "standard" << pointDecimal << "-614.46";
    QTest::newRow("percent") << 0.0525 << "percent" << pointDecimal << "5.25%";
    QTest::newRow("percent not grouped") << 12.345 << "percent" << pointDecimal << "1234.50%";
    QTest::newRow("comma decimal") << 1234567.891 << "standard" << commaDecimal << "1.234.567,89";
    QTest::newRow("no-break space groups") << 1234.5 << "standard" << spaceGrouped << "1\u202F234,50";
    QTest::newRow("Indian groups") << -123456789.0 << "standard" << indianGrouped << "-12,34,56,789.00";
    QTest::newRow("exact half rounds away") << 0.125 << "standard" << pointDecimal << "0.13";
    QTest::newRow("negative exact half") << -2.375 << "standard" << pointDecimal << "-2.38";
    QTest::newRow("half carries into thousands") << 999.995 << "standard" << pointDecimal << "1,000.00";
    QTest::newRow("2.675 is stored below the half") << 2.675 << "standard" << pointDecimal << "2.67";
    QTest::newRow("tiny negative shows no sign") << -0.004 << "standard" << pointDecimal << "0.00";
    QTest::newRow("zero") << 0.0 << "standard" << pointDecimal << "0.00";
    QTest::newRow("2^53 + 2") << 9007199254740994.0 << "standard" << pointDecimal << "9,007,199,254,740,994.00";
}

void TextTest::format()
{
    QFETCH(double, value);
    QFETCH(QString, name);
    QFETCH(NumberSymbols, symbols);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(Format(value, name.toStdString(), symbols)), text);
}

// What Format writes, textToNumber reads back to the value rounded to two
// decimals, in every locale, down to 1e300 (a 301-digit text); other format
// names are error 5.
void TextTest::formatReadsBack()
{
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 2000; ++i) {
        const double value = (unit(random) < 0.5 ? -1 : 1) * std::pow(10, -3 + 303 * unit(random));
        for (const NumberSymbols& symbols : {pointDecimal, commaDecimal, apostropheGrouped, indianGrouped}) {
            const std::string text = Format(value, "standard", symbols);
            QVERIFY2(IsNumeric(text, symbols), text.c_str());
            const double back = textToNumber(text, symbols);
            QVERIFY2(std::fabs(back - value) <= 0.005 + 4e-16 * std::fabs(value), text.c_str());
        }
    }
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Format(1, "currency", pointDecimal));
}

// Nothing read from text crashes, hangs or gives a non-finite number: long
// texts, blanks, stray bytes of UTF-8, and random bytes from a seed.
void TextTest::anyTextIsSafe()
{
    std::vector<std::string> texts = {
        std::string(10000, '9'),
        std::string(10000, ' '),
        std::string(10000, 'e'),
        "0." + std::string(10000, '0') + "1",
        "1" + std::string(9999, '0') + "e-9990",
        std::string(5000, '-') + "1",
        "1" + std::string(3333, ',') + "000",
        "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x92\xB0 12",
        "12\xC2\xA0" "000",
        "\xFF\xFE\x80",
        std::string("1\0" "2", 3),
    };
    std::mt19937_64 random(5);
    const std::string alphabet = "0123456789+-.,eE \t\xC2\xA0\xE2\x80\xAFx";
    for (int i = 0; i < 3000; ++i) {
        std::string text(random() % 40, ' ');
        for (char& c : text)
            c = i % 2 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        for (const NumberSymbols& symbols : {pointDecimal, commaDecimal, spaceGrouped, indianGrouped}) {
            try {
                QVERIFY(std::isfinite(Val(text)));
                QVERIFY(std::isfinite(readNumber(text, symbols)));
                if (IsNumeric(text, symbols))
                    QVERIFY(std::isfinite(textToNumber(text, symbols)));
            } catch (const RuntimeError& e) {
                QCOMPARE(e.number(), int(Overflow));
            }
        }
    }
    QVERIFY(same(Val(std::string(10000, '9').insert(1, ".")), 10));
}

QTEST_APPLESS_MAIN(TextTest)
#include "text_test.moc"
