// "Run" on every tab: the answers and their formats, the checks and their
// messages, and errors of the calculation reported without ending the program.
// Expected values were computed outside the program with 40-digit arithmetic
// (mpmath) and rounded to the format's two decimals.
#include "form1_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QTableView>

class Form1RunTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void writesTheAnswer_data();
    void writesTheAnswer();
    void switchingTheTimingRunsTheAnswerOnShowAgain();
    void refusesWithOneMessageAndChangesNothing_data();
    void refusesWithOneMessageAndChangesNothing();
    void reportsCalculationErrorsAndGoesOn_data();
    void reportsCalculationErrorsAndGoesOn();
    void negativeRateIsShownThenQuestioned_data();
    void negativeRateIsShownThenQuestioned();
    void commaDecimalLocale_data();
    void commaDecimalLocale();
    void returnOrEnterOnRunRunsItOnce_data();
    void returnOrEnterOnRunRunsItOnce();
    void returnOrEnterInAFieldRunsIt_data();
    void returnOrEnterInAFieldRunsIt();
    void resultCanBeSelectedAndCopied();
};

void Form1RunTest::writesTheAnswer_data()
{
    QTest::addColumn<bool>("paymentsAtStart");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("expected");
    const auto atEnd = [](const char* name) -> QTestData& { return QTest::newRow(name) << false; };
    const auto atStart = [](const char* name) -> QTestData& { return QTest::newRow(name) << true; };

    atEnd("tab 0, payment 100 at 10% for 10") << 0 << QStringList{"100", "0.1", "10"} << "-614.46";
    atEnd("tab 0, zero periods pass") << 0 << QStringList{"100", "0.1", "0"} << "0.00";
    atEnd("tab 1, payment 100 at 10% for 10, grouped") << 1 << QStringList{"100", "0.1", "10"} << "-1,593.74";
    atEnd("tab 2, payment -100 on 614.46 for 10") << 2 << QStringList{"-100", "614.46", "10"} << "10.00%";
    atEnd("tab 2, payments that just repay the loan: rate 0, no warning")
        << 2 << QStringList{"-100", "1000", "10"} << "0.00%";
    atEnd("tab 3, 9.61 periods round to 10") << 3 << QStringList{"-100", "600", "0.1"} << "10";
    atEnd("tab 3, 9.6 periods at no interest round to 10") << 3 << QStringList{"-100", "960", "0"} << "10";
    atEnd("tab 3, 9.2 periods at no interest round to 9") << 3 << QStringList{"-100", "920", "0"} << "9";
    atEnd("tab 3, 10.5 periods at no interest round to even 10")
        << 3 << QStringList{"-100", "1050", "0"} << "10";
    atEnd("tab 3, nothing owed takes 0 periods") << 3 << QStringList{"-100", "0", "0.1"} << "0";
    atEnd("tab 4, 1000 over 10 periods at 10%") << 4 << QStringList{"1000", "10", "0.1"} << "-162.75";
    atEnd("tab 4, \"1,000\" read as 1000, not 1") << 4 << QStringList{"1,000", "10", "0.1"} << "-162.75";
    atEnd("tab 5, 1000 at 10% for 2 discounted") << 5 << QStringList{"1000", "0.1", "2"} << "826.45";
    atEnd("tab 6, 1000 at 10% for 2 compounded") << 6 << QStringList{"1000", "0.1", "2"} << "1,210.00";
    atEnd("tab 6, zero periods leave the investment") << 6 << QStringList{"1000", "0.1", "0"} << "1,000.00";
    atEnd("tab 7, interest -1234.5 without grouping or trailing zero")
        << 7 << QStringList{"1", "0.1", "10", "12345"} << "-1234.5";
    atEnd("tab 7, period equal to the periods") << 7 << QStringList{"10", "0.1", "10", "1000"} << "-14.8";
    atEnd("tab 7, interest kept to the cent") << 7 << QStringList{"3", "0.1", "10", "1000"} << "-86.82";
    atEnd("tab 7, empty present value read as 0") << 7 << QStringList{"1", "0.1", "10", ""} << "0";

    // Payments at the start of each period; a single sum has no payments.
    atStart("start: tab 0, payment 100 at 10% for 10") << 0 << QStringList{"100", "0.1", "10"} << "-675.90";
    atStart("start: tab 1, payment -100 at 10% for 10") << 1 << QStringList{"-100", "0.1", "10"} << "1,753.12";
    atStart("start: tab 2, payment -100 on 600 for 10") << 2 << QStringList{"-100", "600", "10"} << "13.70%";
    atStart("start: tab 3, 8.27 periods round to 8") << 3 << QStringList{"-100", "600", "0.1"} << "8";
    atStart("start: tab 4, 1000 over 10 periods at 10%") << 4 << QStringList{"1000", "10", "0.1"} << "-147.95";
    atStart("start: tab 5 unchanged") << 5 << QStringList{"1000", "0.1", "2"} << "826.45";
    atStart("start: tab 7, payment 1 carries no interest") << 7 << QStringList{"1", "0.1", "10", "1000"} << "0";
    atStart("start: tab 7, payment 2 carries the interest on 1000 - 147.95")
        << 7 << QStringList{"2", "0.1", "10", "1000"} << "-85.2";
}

void Form1RunTest::writesTheAnswer()
{
    QFETCH(int, tab);
    QFETCH(QStringList, inputs);
    QFETCH(QString, expected);
    QFETCH(bool, paymentsAtStart);

    Form1Driver d;
    d.paymentsAtStart()->setChecked(paymentsAtStart);
    d.run(tab, inputs);

    QCOMPARE(d.fakes.messages.texts(), QStringList());
    QCOMPARE(d.resultField(tab)->text(), expected);
    QCOMPARE(d.watchdog.intercepted(), QStringList());
}

// The answer, the marker and the schedule offered always have one timing;
// what a Run did not write is not run.
void Form1RunTest::switchingTheTimingRunsTheAnswerOnShowAgain()
{
    Form1Driver d;
    d.fakes.messages.shown.clear();
    d.paymentsAtStart()->trigger();
    QCOMPARE(d.fakes.messages.texts(), QStringList());

    d.run(4, {"1000", "10", "0.1"});
    d.paymentsAtStart()->trigger();
    QCOMPARE(d.field(4)->text(), QStringLiteral("-162.75"));
    d.paymentsAtStart()->trigger();
    QCOMPARE(d.field(4)->text(), QStringLiteral("-147.95"));
    d.control<QAction>("scheduleAction")->trigger();
    QTableView* schedule = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->findChild<QTableView*>(QStringLiteral("table")))
            schedule = window->findChild<QTableView*>(QStringLiteral("table"));
    QVERIFY(schedule);
    QCOMPARE(schedule->model()->index(0, 2).data().toString(), QStringLiteral("0.00"));

    // A run's messages come again with it: -100 a period on 1000 is a negative rate.
    d.control<QPushButton>("Command3")->click();
    d.run(2, {"-100", "1000", "9"});
    d.fakes.messages.shown.clear();
    d.paymentsAtStart()->trigger();
    QCOMPARE(d.fakes.messages.texts(), QStringList{"Rate<0. Are you sure? Check again."});

    d.fakes.messages.shown.clear();
    d.clickTab(3);
    const QString earlier = d.field(4)->text();
    d.paymentsAtStart()->trigger();
    QCOMPARE(d.field(4)->text(), earlier);
    QCOMPARE(d.fakes.messages.texts(), QStringList());

    d.control<QPushButton>("Command3")->click();
    d.run(4, {"1000", "10", "0.1"});
    d.control<QPushButton>("Command3")->click();
    d.paymentsAtStart()->trigger();
    QCOMPARE(d.fieldTexts(), QStringList(5));
    QCOMPARE(d.fakes.messages.texts(), QStringList());
}

void Form1RunTest::refusesWithOneMessageAndChangesNothing_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");

    const QString fill = "Fill in the fields!";
    const QString numeric = "No numeric values! Check again";
    const QString negative = "Periods(N)<0!! Check again!";
    const int warning = int(app::Icon::Warning);
    const int error = int(app::Icon::Error);

    QTest::newRow("field 2 empty is reported before letters in field 1")
        << 0 << QStringList{"abc", "", "10"} << fill << "Warning!" << warning;
    QTest::newRow("field 3 empty") << 4 << QStringList{"1000", "10", ""} << fill << "Warning!" << warning;
    QTest::newRow("field 1 only blanks is not empty but non-numeric")
        << 0 << QStringList{"   ", "0.1", "10"} << numeric << "Warning!" << warning;
    QTest::newRow("field 3 letters") << 1 << QStringList{"100", "0.1", "ten"} << numeric << "Warning!" << warning;
    QTest::newRow("tab 7, field 4 is not checked but field 2 is")
        << 7 << QStringList{"1", "x", "10", "abc"} << numeric << "Warning!" << warning;
    QTest::newRow("tab 0, periods -1") << 0 << QStringList{"100", "0.1", "-1"} << negative << "ERROR" << error;
    QTest::newRow("tab 1, periods -1") << 1 << QStringList{"100", "0.1", "-1"} << negative << "ERROR" << error;
    QTest::newRow("tab 2, periods -1") << 2 << QStringList{"-100", "600", "-1"} << negative << "ERROR" << error;
    QTest::newRow("tab 4, periods -1 in field 2") << 4 << QStringList{"1000", "-1", "0.1"} << negative << "ERROR" << error;
    QTest::newRow("tab 5, periods -1") << 5 << QStringList{"1000", "0.1", "-1"} << negative << "ERROR" << error;
    QTest::newRow("tab 6, periods -1") << 6 << QStringList{"1000", "0.1", "-1"} << negative << "ERROR" << error;
    QTest::newRow("tab 3, negative solution asks for a minus in the payment")
        << 3 << QStringList{"100", "500", "0.1"}
        << "Periods(N)<0!! Check again!\r\nYou may need to use minus(-) in payment" << "ERROR" << error;
    QTest::newRow("tab 7, period of interest payment after the last period")
        << 7 << QStringList{"11", "0.1", "10", "1000"}
        << "Time of interest payment >number of period! Check again" << "ERROR" << warning;
}

void Form1RunTest::refusesWithOneMessageAndChangesNothing()
{
    QFETCH(int, tab);
    QFETCH(QStringList, inputs);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, icon);

    Form1Driver d;
    const QStringList before = d.runOverEarlierAnswer(tab, inputs);

    QCOMPARE(d.fakes.messages.shown.size(), 1);
    const app::Message& message = d.fakes.messages.shown.first();
    QCOMPARE(message.text, text);
    QCOMPARE(message.title, title);
    QCOMPARE(int(message.icon), icon);
    QCOMPARE(message.buttons, app::Buttons::Ok);
    QCOMPARE(d.fieldTexts(), before);
    QCOMPARE(d.watchdog.intercepted(), QStringList());
}

void Form1RunTest::reportsCalculationErrorsAndGoesOn_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("errorNumber");

    QTest::newRow("tab 7, period of interest payment 0") << 7 << QStringList{"0", "0.1", "10", "1000"} << 5;
    QTest::newRow("tab 3, payment no larger than the interest") << 3 << QStringList{"-10", "1000", "0.1"} << 5;
    QTest::newRow("tab 2, payment and present value of one sign") << 2 << QStringList{"100", "100", "10"} << 5;
    QTest::newRow("tab 5, rate -1 discounts by a zero factor") << 5 << QStringList{"1000", "-1", "2"} << 11;
}

void Form1RunTest::reportsCalculationErrorsAndGoesOn()
{
    QFETCH(int, tab);
    QFETCH(QStringList, inputs);
    QFETCH(int, errorNumber);

    Form1Driver d;
    const QStringList before = d.runOverEarlierAnswer(tab, inputs);

    QCOMPARE(d.fakes.messages.shown.size(), 1);
    const app::Message& message = d.fakes.messages.shown.first();
    QVERIFY2(message.text.startsWith(QStringLiteral("Error %1: ").arg(errorNumber)), qPrintable(message.text));
    QCOMPARE(message.title, QStringLiteral("Kelvarn"));
    QCOMPARE(message.icon, app::Icon::Error);
    QCOMPARE(message.buttons, app::Buttons::Ok);
    QCOMPARE(d.fieldTexts(), before);

    // The window goes on: the next run is answered.
    for (int i = 1; i <= 4; ++i)
        d.field(i)->clear();
    d.run(0, {"100", "0.1", "10"});
    QCOMPARE(d.fakes.messages.texts(), QStringList());
    QCOMPARE(d.field(4)->text(), QStringLiteral("-614.46"));
}

void Form1RunTest::negativeRateIsShownThenQuestioned_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("answered OK") << int(app::Answer::Ok);
    QTest::newRow("answered Cancel") << int(app::Answer::Cancel);
}

void Form1RunTest::negativeRateIsShownThenQuestioned()
{
    QFETCH(int, answer);

    Form1Driver d;
    d.fakes.messages.answers.enqueue(app::Answer(answer));
    QString rateWhileAsked;
    d.fakes.messages.whileShown = [&](const app::Message&) { rateWhileAsked = d.field(4)->text(); };
    d.run(2, {"90", "-1000", "10"});
    QCOMPARE(rateWhileAsked, QStringLiteral("-1.87%"));

    QCOMPARE(d.fakes.messages.shown.size(), 1);
    const app::Message& message = d.fakes.messages.shown.first();
    QCOMPARE(message.text, QStringLiteral("Rate<0. Are you sure? Check again."));
    QCOMPARE(message.title, QStringLiteral("Warning"));
    QCOMPARE(message.icon, app::Icon::Warning);
    QCOMPARE(message.buttons, app::Buttons::OkCancel);
    QVERIFY(d.fakes.messages.answers.isEmpty());
    QCOMPARE(d.field(4)->text(), QStringLiteral("-1.87%"));
}

void Form1RunTest::commaDecimalLocale_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tab 0, rate \"0,1\" read as 0.1") << 0 << QStringList{"100", "0,1", "10"} << "-614,46";
    QTest::newRow("tab 0, rate \"0.125\" typed with a point read as 0.125")
        << 0 << QStringList{"100", "0.125", "10"} << "-553,64";
    QTest::newRow("tab 4, \"1.000\" read as 1000") << 4 << QStringList{"1.000", "10", "0,1"} << "-162,75";
    QTest::newRow("tab 7, interest with a decimal comma, ungrouped")
        << 7 << QStringList{"1", "0,1", "10", "12.345"} << "-1234,5";
}

void Form1RunTest::commaDecimalLocale()
{
    QFETCH(int, tab);
    QFETCH(QStringList, inputs);
    QFETCH(QString, expected);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Form1Driver d;
    d.run(tab, inputs);

    QCOMPARE(d.fakes.messages.texts(), QStringList());
    QCOMPARE(d.resultField(tab)->text(), expected);
}

void Form1RunTest::returnOrEnterOnRunRunsItOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void Form1RunTest::returnOrEnterOnRunRunsItOnce()
{
    QFETCH(int, key);

    Form1Driver d;
    d.clickTab(0);
    d.type({"100", "0.1", "10"});
    auto* run = d.control<QPushButton>("Command1");
    run->setFocus();
    QTest::keyClick(run, Qt::Key(key));
    QCOMPARE(d.field(4)->text(), QStringLiteral("-614.46"));

    // Held down, the key repeats but does not press the button again.
    d.field(4)->clear();
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(run, &repeat);
    QCOMPARE(d.field(4)->text(), QString());
}

void Form1RunTest::returnOrEnterInAFieldRunsIt_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("result");
    QTest::newRow("Return in the periods field") << int(Qt::Key_Return) << 3 << "-614.46";
    QTest::newRow("Enter in the payment field") << int(Qt::Key_Enter) << 1 << "-614.46";
    QTest::newRow("Return in the read-only result") << int(Qt::Key_Return) << 4 << "";
}

void Form1RunTest::returnOrEnterInAFieldRunsIt()
{
    QFETCH(int, key);
    QFETCH(int, field);
    QFETCH(QString, result);

    Form1Driver d;
    d.clickTab(0);
    d.type({"100", "0.1", "10"});
    QTest::keyClick(d.field(field), Qt::Key(key));
    QCOMPARE(d.field(4)->text(), result);
}

void Form1RunTest::resultCanBeSelectedAndCopied()
{
    Form1Driver d;
    d.run(0, {"100", "0.1", "10"});
    QGuiApplication::clipboard()->clear();
    d.field(4)->setFocus();
    QTest::keyClick(d.field(4), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(d.field(4), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("-614.46"));
}

QTEST_MAIN(Form1RunTest)
#include "form1_run_test.moc"
