// The main window's commands and menus, driven through the real buttons and
// menu items: clearing, ending the program, the About box and the secondary
// windows' single instances.
#include "form1_driver.h"

#include "app/qt_lifetime.h"
#include "cash_flows/cash_flow_window.h"
#include "comparison/comparison_window.h"
#include "info_window/form3.h"
#include "loan_planner/planner_window.h"
#include "sensitivity/form2.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTableView>
#include <QApplication>
#include <QTimer>

namespace {

template <typename Window>
QList<Window*> openWindows()
{
    QList<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Window*>(widget); form && form->isVisible())
            windows.append(form);
    return windows;
}

QList<Form2*> openSensitivityWindows()
{
    return openWindows<Form2>();
}

void click(Form1Driver& d, const char* button)
{
    QTest::mouseClick(d.control<QPushButton>(button), Qt::LeftButton);
}

}  // namespace

class Form1CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void clearFieldsEmptiesAllFiveFields_data();
    void clearFieldsEmptiesAllFiveFields();
    void clearedInterestStaysEmptyOnTab7();
    void exitButtonEndsAtOnce();
    void fileExitAsksFirst_data();
    void fileExitAsksFirst();
    void aboutShowsFourLines();
    void sensitivityWindowHasOneInstance();
    void closedSensitivityWindowLoadsAfresh();
    void paymentsAtStartAreMarkedInBothWindows();
    void informationWindowHasOneInstanceCentredOnTheMainWindow();
    void closedInformationWindowShowsTheSameText();
    void exitEndsTheProgramWithTheSensitivityWindowOpen();
    void documentWindowsOpenOnceAndAreAskedBeforeTheProgramEnds();
    void closingOnlyTheMainWindowLeavesTheOtherRunning();
};

void Form1CommandsTest::clearFieldsEmptiesAllFiveFields_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("inputs");
    QTest::newRow("tab 0 after a run, read-only result") << 0 << QStringList{"100", "0.1", "10"};
    QTest::newRow("tab 7 after a run, interest result") << 7 << QStringList{"1", "0.1", "10", "1000"};
}

void Form1CommandsTest::clearFieldsEmptiesAllFiveFields()
{
    QFETCH(int, tab);
    QFETCH(QStringList, inputs);
    Form1Driver d;
    d.run(tab, inputs);
    QVERIFY(!d.resultField(tab)->text().isEmpty());
    const QString caption4 = d.label(4)->text();
    const bool text4ReadOnly = d.field(4)->isReadOnly();
    d.fakes.messages.shown.clear();

    click(d, "Command3");

    QCOMPARE(d.fieldTexts(), QStringList(5, QString()));
    QCOMPARE(d.tabs()->currentIndex(), tab);
    QCOMPARE(d.label(4)->text(), caption4);
    QCOMPARE(d.field(4)->isReadOnly(), text4ReadOnly);
    QCOMPARE(d.interestField()->isVisible(), tab == 7);
    QVERIFY(d.fakes.messages.shown.isEmpty());
}

void Form1CommandsTest::clearedInterestStaysEmptyOnTab7()
{
    Form1Driver d;
    d.run(7, {"1", "0.1", "10", "1000"});
    QCOMPARE(d.interestField()->text(), QStringLiteral("-100"));
    d.clickTab(0);
    click(d, "Command3");
    d.clickTab(7);
    QVERIFY(d.interestField()->isVisible());
    QCOMPARE(d.interestField()->text(), QString());
}

void Form1CommandsTest::exitButtonEndsAtOnce()
{
    Form1Driver d;
    d.fakes.messages.shown.clear();
    click(d, "Command2");
    QCOMPARE(d.fakes.lifetime.endCount, 1);
    QVERIFY(d.fakes.messages.shown.isEmpty());
}

void Form1CommandsTest::fileExitAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("ends");
    QTest::newRow("answered Yes") << int(app::Answer::Yes) << 1;
    QTest::newRow("answered No") << int(app::Answer::No) << 0;
}

void Form1CommandsTest::fileExitAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(int, ends);
    Form1Driver d;
    d.type({"100", "0.1", "10"});
    QTest::mouseClick(d.control<QPushButton>("Command5"), Qt::LeftButton);
    const QStringList before = d.fieldTexts();
    d.fakes.messages.shown.clear();
    d.fakes.messages.answers.enqueue(app::Answer(answer));

    d.control<QAction>("Exit")->trigger();

    QCOMPARE(d.fakes.messages.shown.size(), 1);
    const app::Message& asked = d.fakes.messages.shown.first();
    QCOMPARE(asked.text, QStringLiteral("Are you sure you want to quit?"));
    QCOMPARE(asked.title, QStringLiteral("Quit"));
    QCOMPARE(asked.icon, app::Icon::Question);
    QCOMPARE(asked.buttons, app::Buttons::YesNo);
    QCOMPARE(d.fakes.lifetime.endCount, ends);
    QCOMPARE(d.fieldTexts(), before);
    QCOMPARE(openSensitivityWindows().size(), 1);
}

void Form1CommandsTest::aboutShowsFourLines()
{
    Form1Driver d;
    d.fakes.messages.shown.clear();
    d.control<QAction>("About")->trigger();

    QCOMPARE(d.fakes.messages.shown.size(), 1);
    const app::Message& about = d.fakes.messages.shown.first();
    const QStringList lines = about.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].startsWith(QStringLiteral("Program designed by mirelon in ")));
    QVERIFY(lines[0].endsWith(QLatin1Char('!')));
    QVERIFY(lines[1].startsWith(QLatin1Char('-')));
    QVERIFY(lines[1].endsWith(QStringLiteral(" programming and reversing skills-")));
    QCOMPARE(lines[2], QStringLiteral("Thanks for using it! Enjoy!"));
    QVERIFY(lines[3].startsWith(QStringLiteral("Contact: ")));
    QCOMPARE(about.title, QStringLiteral("About"));
    QCOMPARE(about.icon, app::Icon::Information);
    QCOMPARE(about.buttons, app::Buttons::Ok);
    QCOMPARE(d.fakes.lifetime.endCount, 0);
}

void Form1CommandsTest::sensitivityWindowHasOneInstance()
{
    Form1Driver d;
    d.fakes.messages.shown.clear();
    click(d, "Command5");
    click(d, "Command5");

    QCOMPARE(openSensitivityWindows().size(), 1);
    QCOMPARE(d.fakes.messages.shown.size(), 1);
    QCOMPARE(d.fakes.messages.shown.first().title, QStringLiteral("Welcome to Sensitivity Analysis"));
    QVERIFY(d.form->isVisible());
}

void Form1CommandsTest::closedSensitivityWindowLoadsAfresh()
{
    Form1Driver d;
    click(d, "Command5");
    Form2* first = openSensitivityWindows().value(0);
    QVERIFY(first);
    auto* loan = first->findChild<QLineEdit*>(QStringLiteral("Text5"));
    QTest::keyClicks(loan, QStringLiteral("12"));
    const QPointer<Form2> closed(first);
    first->close();
    QTRY_VERIFY(closed.isNull());
    d.fakes.messages.shown.clear();

    click(d, "Command5");

    const QList<Form2*> windows = openSensitivityWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(d.fakes.messages.shown.size(), 1);
    QCOMPARE(windows.first()->findChild<QLineEdit*>(QStringLiteral("Text5"))->text(), QStringLiteral("Fill in!"));
}

void Form1CommandsTest::paymentsAtStartAreMarkedInBothWindows()
{
    Form1Driver d;
    QVERIFY(!d.timingMarker()->isVisible());
    d.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d.form));

    QTest::keyClick(d.form, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(d.paymentsAtStart()->isChecked());
    QVERIFY(d.timingMarker()->isVisible());
    QCOMPARE(d.timingMarker()->text(), QStringLiteral("BEGIN"));
    click(d, "Command5");
    Form2* sensitivity = openSensitivityWindows().value(0);
    QVERIFY(sensitivity);
    auto* marker = sensitivity->findChild<QLabel*>(QStringLiteral("timingMarker"));
    QVERIFY(marker);
    QVERIFY(marker->isVisible());

    d.paymentsAtStart()->trigger();
    QVERIFY(!d.timingMarker()->isVisible());
    QVERIFY(!marker->isVisible());
}

void Form1CommandsTest::informationWindowHasOneInstanceCentredOnTheMainWindow()
{
    Form1Driver d;
    d.fakes.messages.shown.clear();
    click(d, "Command4");
    click(d, "Command4");

    const QList<Form3*> windows = openWindows<Form3>();
    QCOMPARE(windows.size(), 1);
    QVERIFY(d.fakes.messages.shown.isEmpty());
    const QPoint offset = windows.first()->frameGeometry().center() - d.form->frameGeometry().center();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2, qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
}

void Form1CommandsTest::closedInformationWindowShowsTheSameText()
{
    Form1Driver d;
    click(d, "Command4");
    Form3* first = openWindows<Form3>().value(0);
    QVERIFY(first);
    const QString text = first->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
    QCOMPARE(text.count(QLatin1Char('\n')), 13);
    const QPointer<Form3> closed(first);
    first->close();
    QTRY_VERIFY(closed.isNull());

    click(d, "Command4");

    const QList<Form3*> windows = openWindows<Form3>();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText(), text);
}

void Form1CommandsTest::exitEndsTheProgramWithTheSensitivityWindowOpen()
{
    testing_support::FakeMessageBox messages;
    testing_support::FakeShell shell;
    app::QtLifetime lifetime;
    testing_support::FakeFileDialog files;
    app::Platform platform{messages, shell, lifetime, files};
    Form1 form(platform);
    form.load();
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    QCOMPARE(openSensitivityWindows().size(), 1);

    QTimer::singleShot(0, [&] {
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

void Form1CommandsTest::documentWindowsOpenOnceAndAreAskedBeforeTheProgramEnds()
{
    Form1Driver d;
    d.control<QAction>("cashFlowsAction")->trigger();
    d.control<QAction>("cashFlowsAction")->trigger();
    d.control<QAction>("loanPlannerAction")->trigger();
    QCOMPARE(openWindows<cash_flows::CashFlowWindow>().size(), 1);
    QCOMPARE(openWindows<loan_planner::PlannerWindow>().size(), 1);

    // A loan the planner keeps joins the comparison, which the main window holds.
    d.control<QAction>("comparisonAction")->trigger();
    QCOMPARE(openWindows<comparison::ComparisonWindow>().size(), 1);
    const QAbstractItemModel* compared =
        openWindows<comparison::ComparisonWindow>().first()->findChild<QTableView*>()->model();
    const int columns = compared->columnCount();
    emit openWindows<loan_planner::PlannerWindow>().first()->keptForComparison({});
    QCOMPARE(compared->columnCount(), columns + 1);

    cash_flows::CashFlowWindow* flows = openWindows<cash_flows::CashFlowWindow>().first();
    flows->setWindowModified(true);
    d.fakes.messages.shown.clear();
    d.fakes.messages.answers.enqueue(app::Answer::Cancel);
    click(d, "Command2");
    QCOMPARE(d.fakes.messages.shown.size(), 1);
    QCOMPARE(d.fakes.messages.shown.first().buttons, app::Buttons::SaveDiscardCancel);
    QCOMPARE(d.fakes.lifetime.endCount, 0);
    QVERIFY(flows->isVisible());

    d.fakes.messages.answers.enqueue(app::Answer::Discard);
    click(d, "Command2");
    QCOMPARE(d.fakes.lifetime.endCount, 1);
}

void Form1CommandsTest::closingOnlyTheMainWindowLeavesTheOtherRunning()
{
    Form1Driver d;
    click(d, "Command5");
    Form2* sensitivity = openSensitivityWindows().value(0);
    QVERIFY(sensitivity);

    bool stillOpen = false;
    QTimer::singleShot(0, [&] { d.form->close(); });
    QTimer::singleShot(100, [&] {
        stillOpen = sensitivity->isVisible() && QApplication::activeModalWidget() == nullptr;
        sensitivity->close();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(stillOpen);
    QVERIFY(!d.form->isVisible());
}

QTEST_MAIN(Form1CommandsTest)
#include "form1_commands_test.moc"
