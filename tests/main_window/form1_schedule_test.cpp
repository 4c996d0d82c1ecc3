// The amortization schedule from the main window, driven through its controls:
// Tools > Amortization Schedule (Ctrl+M) is offered by a run that defines a
// whole loan and withdrawn by anything else, opens that run's loan, and tab 3
// shows its exact periods in a tooltip. Expected figures are the loans'
// schedules computed with python3 fractions and decimal (60 digits) outside
// the test: tab 0's loan is 614.46 (614.4567...) with a payment of 100.00,
// tab 2's rate is 0.1000066 (a payment of 162.75 at 10% rounds up).
#include "form1_driver.h"

#include "schedule/schedule_window.h"
#include "sensitivity/form2.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QRadioButton>

namespace {

schedule::ScheduleWindow* openScheduleWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<schedule::ScheduleWindow*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

QString summaryOf(const schedule::ScheduleWindow* window)
{
    return window ? window->findChild<QLabel*>(QStringLiteral("summary"))->text() : QString();
}

}  // namespace

class Form1ScheduleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void offeredAfterARunThatDefinesALoan_data();
    void offeredAfterARunThatDefinesALoan();
    void lineOfTheSensitivityWindowOpensInTheSameWindow_data();
    void lineOfTheSensitivityWindowOpensInTheSameWindow();
};

void Form1ScheduleTest::offeredAfterARunThatDefinesALoan_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("then");  // what the user does after "Run"
    QTest::addColumn<QString>("summary");  // empty: not offered
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("tab 0") << 0 << QStringList{"100", "0.1", "10"} << ""
                           << "Loan 614.46 at 10.00% per period, 10 periods: 9 payments of 100.00 and a last payment of 100.02, total interest 385.56"
                           << "";
    QTest::newRow("tab 2") << 2 << QStringList{"-162.75", "1000", "10"} << ""
                           << "Loan 1,000.00 at 10.0007% per period, 10 periods: 9 payments of 162.75 and a last payment of 162.77, total interest 627.52"
                           << "";
    QTest::newRow("tab 3, exact periods in the tooltip")
        << 3 << QStringList{"-100", "1000", "0.05"} << ""
        << "Loan 1,000.00 at 5.00% per period, 14.2067 periods: 14 payments of 100.00 and a last payment of 21.13, total interest 421.13"
        << "14.2067 periods: 14 payments of 100.00 and a last payment of 21.13";
    QTest::newRow("tab 4") << 4 << QStringList{"1000", "10", "0.1"} << ""
                           << "Loan 1,000.00 at 10.00% per period, 10 periods: 9 payments of 162.75 and a last payment of 162.69, total interest 627.44"
                           << "";
    QTest::newRow("tab 4, then payments switched to the start")
        << 4 << QStringList{"1000", "10", "0.1"} << "start"
        << "Loan 1,000.00 at 10.00% per period, payments at the start of each period, 10 periods: 9 payments of 147.95 and a last payment of 147.98, total interest 479.53" << "";
    QTest::newRow("tab 0, zero periods define no loan") << 0 << QStringList{"100", "0.1", "0"} << "" << "" << "";
    QTest::newRow("tab 1 defines no loan") << 1 << QStringList{"100", "0.1", "10"} << "" << "" << "";
    QTest::newRow("Clear Fields") << 3 << QStringList{"-100", "1000", "0.05"} << "clear" << "" << "";
    QTest::newRow("tab change") << 3 << QStringList{"-100", "1000", "0.05"} << "tab" << "" << "";
    QTest::newRow("refused run") << 3 << QStringList{"-100", "1000", "0.05"} << "refused" << "" << "";
    QTest::newRow("failed run") << 3 << QStringList{"-100", "1000", "0.05"} << "failed" << "" << "";
}

void Form1ScheduleTest::offeredAfterARunThatDefinesALoan()
{
    QFETCH(int, tab);
    QFETCH(QStringList, inputs);
    QFETCH(QString, then);
    QFETCH(QString, summary);
    QFETCH(QString, toolTip);
    Form1Driver d;
    d.run(tab, inputs);
    if (then == "clear") {
        d.click("Command3");
    } else if (then == "tab") {
        d.clickTab(4);
    } else if (then == "refused") {
        d.field(1)->clear();
        d.clickRun();
    } else if (then == "start") {
        // The switch runs the answer on show again, and the schedule with it.
        d.paymentsAtStart()->trigger();
    } else if (then == "failed") {
        // A payment below the interest has no number of periods: error 5.
        d.field(1)->setText(QStringLiteral("-10"));
        d.clickRun();
    }
    QCOMPARE(d.field(4)->toolTip(), toolTip);

    auto* action = d.control<QAction>("scheduleAction");
    QCOMPARE(action->isEnabled(), !summary.isEmpty());
    d.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d.form));
    QTest::keyClick(d.form, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(summaryOf(openScheduleWindow()), summary);
}

// The main window holds the one schedule window of the program; a line of
// either sensitivity list opens there too, and a refusal shows over the
// window the line was asked from.
void Form1ScheduleTest::lineOfTheSensitivityWindowOpensInTheSameWindow_data()
{
    QTest::addColumn<QString>("periods");
    QTest::addColumn<QString>("summary");  // the one schedule window's, afterwards
    QTest::addColumn<bool>("refused");
    QTest::newRow("a line opens in the same window")
        << "10" << "Loan 2,000.00 at 10.00% per period, 10 periods: 9 payments of 325.49 and a last payment of 325.51, total interest 1,254.92" << false;
    QTest::newRow("a line's refusal shows over the sensitivity window")
        << "2000000" << "Loan 1,000.00 at 10.00% per period, 10 periods: 9 payments of 162.75 and a last payment of 162.69, total interest 627.44" << true;
}

void Form1ScheduleTest::lineOfTheSensitivityWindowOpensInTheSameWindow()
{
    QFETCH(QString, periods);
    QFETCH(QString, summary);
    QFETCH(bool, refused);
    Form1Driver d;
    d.run(4, {"1000", "10", "0.1"});
    d.control<QAction>("scheduleAction")->trigger();
    schedule::ScheduleWindow* window = openScheduleWindow();
    QVERIFY(window);

    d.click("Command5");
    Form2* sensitivity = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form2*>(widget))
            sensitivity = form;
    QVERIFY(sensitivity);
    QVERIFY(testing_support::showAndExpose(sensitivity));
    sensitivity->findChild<QLineEdit*>(QStringLiteral("Text5"))->setText(QStringLiteral("2000"));
    sensitivity->findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
    sensitivity->Text(1)->setText(QStringLiteral("0.1"));
    sensitivity->Text(2)->setText(QStringLiteral("0.11"));
    sensitivity->Text(3)->setText(periods);
    QTest::mouseClick(sensitivity->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    auto* list = sensitivity->findChild<QListView*>(QStringLiteral("List1"));
    const QPoint line = list->visualRect(list->model()->index(0, 0)).center();
    // A widget's double click event comes after the press and release of the first click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
    d.fakes.messages.shown.clear();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);

    QCOMPARE(openScheduleWindow(), window);
    QCOMPARE(summaryOf(window), summary);
    QCOMPARE(d.fakes.messages.shown.size(), refused ? 1 : 0);
    if (refused)
        QCOMPARE(d.fakes.messages.lastParent.data(), static_cast<QWidget*>(sensitivity));
}

QTEST_MAIN(Form1ScheduleTest)
#include "form1_schedule_test.moc"
