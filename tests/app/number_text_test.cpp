// The locale's number symbols as the windows pass them to the library, and
// the "standard" format written and read as Qt itself writes the number.
#include "app/number_text.h"

#include <QLocale>
#include <QTest>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }
    void symbolsOfTheLocale_data();
    void symbolsOfTheLocale();
};

void NumberTextTest::symbolsOfTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<int>("higherGroupSize");

    QTest::newRow("en_US") << "en_US" << "." << "," << 3 << 3;
    QTest::newRow("de_DE") << "de_DE" << "," << "." << 3 << 3;
    QTest::newRow("fr_FR, narrow no-break space") << "fr_FR" << "," << "\u202F" << 3 << 3;
    QTest::newRow("de_CH, right single quotation mark") << "de_CH" << "." << "\u2019" << 3 << 3;
    QTest::newRow("en_IN, groups of two above the first") << "en_IN" << "." << "," << 3 << 2;
}

void NumberTextTest::symbolsOfTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, point);
    QFETCH(QString, group);
    QFETCH(int, groupSize);
    QFETCH(int, higherGroupSize);

    QLocale qt(locale);
    QLocale::setDefault(qt);
    const finance::NumberSymbols symbols = app::numberSymbols();
    QCOMPARE(QString::fromStdString(symbols.decimalPoint), point);
    QCOMPARE(QString::fromStdString(symbols.groupSeparator), group);
    QCOMPARE(symbols.groupSize, groupSize);
    QCOMPARE(symbols.higherGroupSize, higherGroupSize);

    qt.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString written = qt.toString(1234567.5, 'f', 2);
    QCOMPARE(app::format(1234567.5, "standard"), written);
    QCOMPARE(app::readNumber(written), 1234567.5);
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "number_text_test.moc"
