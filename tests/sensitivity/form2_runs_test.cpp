// The two "Run" buttons driven through the window: the listed lines, every
// check with its message, errors in the middle of a run and the line limit.
// Expected payments were computed outside the test with Python's decimal
// module at 50 digits from the annuity formula, counters by repeating the
// double additions in Python.
#include "form2_driver.h"

#include "chart/chart_window.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QLocale>

namespace {

const QString keep;  // a null text: leave the field as the mode switch left it

}  // namespace

Q_DECLARE_METATYPE(app::Icon)

class Form2RunsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QVERIFY(!QApplication::overrideCursor()); }

    void listsOneLinePerStep_data()
    {
        QTest::addColumn<bool>("paymentsAtStart");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("loan");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QStringList>("lines");
        const auto atEnd = [](const char* name) -> QTestData& { return QTest::newRow(name) << false; };
        const auto atStart = [](const char* name) -> QTestData& { return QTest::newRow(name) << true; };

        const QStringList fivePercentToSix{"-1128.25   //  5.00%", "-1144.22   //  5.25%", "-1160.29   //  5.50%",
                                           "-1176.48   //  5.75%", "-1192.77   //  6.00%"};
        const QStringList zeroToOnePercent{"-1000   //  0.00%",   "-1016.32   //  0.25%", "-1032.8   //  0.50%",
                                           "-1049.42   //  0.75%", "-1066.19   //  1.00%", "-1083.1   //  1.25%"};
        atEnd("rate 5% to 6%: last line on the upper bound")
            << 1 << "10000" << "0.05" << "0.06" << "12" << fivePercentToSix;
        atEnd("rate 0 to 1%: last line one step beyond")
            << 1 << "12000" << "0" << "0.01" << "12" << zeroToOnePercent;
        atEnd("loan with a thousands separator is ten thousand")
            << 1 << "10,000" << "0.05" << "0.06" << "12" << fivePercentToSix;
        atEnd("blank lower bound reads as 0") << 1 << "12000" << " " << "0.01" << "12" << zeroToOnePercent;
        atEnd("negative rates, counter ends just above 0")
            << 1 << "1000" << "-0.01" << "0" << "2"
            << QStringList{"-492.51   //  -1.00%", "-494.38   //  -0.75%", "-496.25   //  -0.50%",
                           "-498.13   //  -0.25%", "-500   //  0.00%"};
        atEnd("periods 10 to 12")
            << 2 << "5000" << "10" << "12" << "0.01"
            << QStringList{"-527.91     //    10", "-482.27     //    11", "-444.24     //    12"};
        atEnd("periods 2.5 to 5 keep the fraction")
            << 2 << "5000" << "2.5" << "5" << "0.01"
            << QStringList{"-2035.09     //    2.5", "-1460.85     //    3.5", "-1141.84     //    4.5"};
        atStart("periods 10 to 12, payments at the start")
            << 2 << "5000" << "10" << "12" << "0.01"
            << QStringList{"-522.68     //    10", "-477.5     //    11", "-439.85     //    12"};
    }

    void listsOneLinePerStep()
    {
        QFETCH(int, mode);
        QFETCH(QString, loan);
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(QString, fixed);
        QFETCH(QStringList, lines);
        QFETCH(bool, paymentsAtStart);

        Form2Driver window;
        window.timing.setTiming(paymentsAtStart ? finance::PaymentTiming::Begin : finance::PaymentTiming::End);
        window.chooseMode(loan, mode);
        const int first = mode == 1 ? 1 : 4;
        window.run(first, lower, upper, fixed);

        QCOMPARE(window.lines(mode), lines);
        QCOMPARE(window.list(3 - mode)->rowCount(), 0);
        QCOMPARE(window.fakes.messages.shown.size(), 1);  // the greeting only
        const QStringList fields{lower, upper, fixed};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(window.form->Text(first + i)->text(), fields[i]);
        QCOMPARE(window.loan()->text(), loan);
    }

    void listsInACommaDecimalLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Form2Driver window;
        window.chooseMode("10.000", 1);
        window.run(1, "0,05", "0,06", "12");
        const QStringList lines = window.lines(1);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(lines, (QStringList{"-1128,25   //  5,00%", "-1144,22   //  5,25%", "-1160,29   //  5,50%",
                                     "-1176,48   //  5,75%", "-1192,77   //  6,00%"}));
    }

    void refusesWithOneMessage_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("listHoldsLines");
        QTest::addColumn<QString>("loan");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<app::Icon>("icon");

        const QString loan = "Fill in Loan!";
        const QString clear = "Attention! Clear list and then press 'Run'!";
        const QString fill = "Fill in ALL fields!";
        const QString rateBounds = "Check Again! Lower Bound>= Upper Bound";
        const QString periodsBounds = "Check Again! Lower Bound>= Upper Bound or Periods<0";
        const QString limit = "Check Again! A 'Run' lists at most 1,000,000 lines";
        const QString stuck = "Check Again! Bounds too large: the step no longer changes them";
        const auto warn = app::Icon::Warning;
        const auto err = app::Icon::Error;

        QTest::newRow("loan check before the list check")
            << 1 << true << "Fill in!" << "" << "" << "" << loan << "Warning" << warn;
        QTest::newRow("emptied loan, periods run")
            << 2 << false << "" << "1" << "2" << "0.1" << loan << "Warning" << warn;
        QTest::newRow("rate list holds lines") << 1 << true << "100" << "0" << "1" << "2" << clear << "Warning" << err;
        QTest::newRow("periods list holds lines")
            << 2 << true << "100" << "1" << "2" << "0.1" << clear << "Warning" << err;
        QTest::newRow("empty upper bound, lower not a number")
            << 1 << false << "100" << "abc" << "" << "12" << fill << "ERROR" << warn;
        QTest::newRow("empty rate field") << 2 << false << "100" << "1" << "2" << "" << fill << "ERROR" << warn;
        QTest::newRow("rate placeholders read as 0 and 0")
            << 1 << false << "100" << keep << keep << "12" << rateBounds << "ERROR" << err;
        QTest::newRow("periods placeholders read as 0 and 0")
            << 2 << false << "100" << keep << keep << "0.01" << periodsBounds << "ERROR" << err;
        QTest::newRow("equal rate bounds")
            << 1 << false << "100" << "0.05" << "0.05" << "12" << rateBounds << "ERROR" << err;
        QTest::newRow("rate bounds reversed")
            << 1 << false << "100" << "0.06" << "0.05" << "12" << rateBounds << "ERROR" << err;
        QTest::newRow("equal periods bounds")
            << 2 << false << "100" << "10" << "10" << "0.01" << periodsBounds << "ERROR" << err;
        QTest::newRow("negative lower periods")
            << 2 << false << "100" << "-1" << "5" << "0.01" << periodsBounds << "ERROR" << err;
        QTest::newRow("rates 0 to 2500: just over 1,000,000 lines")
            << 1 << false << "100" << "0" << "2500" << "12" << limit << "ERROR" << err;
        QTest::newRow("periods 1 to 1,000,001")
            << 2 << false << "100" << "1" << "1000001" << "0.01" << limit << "ERROR" << err;
        QTest::newRow("periods where adding 1 is lost")
            << 2 << false << "100" << "18014398509481984" << "18014398509481988" << "0.01" << stuck << "ERROR" << err;
        QTest::newRow("rates where adding 0.25% is lost")
            << 1 << false << "100" << "1e15" << "1000000000000001" << "12" << stuck << "ERROR" << err;
    }

    void refusesWithOneMessage()
    {
        QFETCH(int, mode);
        QFETCH(bool, listHoldsLines);
        QFETCH(QString, loan);
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(QString, fixed);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(app::Icon, icon);

        Form2Driver window;
        const int first = mode == 1 ? 1 : 4;
        window.chooseMode("1000", mode);
        if (listHoldsLines)
            window.run(first, "1", "1.01", "12");
        const QStringList lines = window.lines(mode);
        QVERIFY(lines.isEmpty() != listHoldsLines);
        window.fakes.messages.shown.clear();

        Form2Driver::type(window.loan(), loan);
        const QStringList fields{lower, upper, fixed};
        for (int i = 0; i < 3; ++i) {
            if (!fields[i].isNull())
                Form2Driver::type(window.form->Text(first + i), fields[i]);
        }
        QStringList before;
        for (int i = 1; i <= 6; ++i)
            before.append(window.form->Text(i)->text());
        Form2Driver::click(window.button(mode == 1 ? "Command1" : "Command6"));

        QCOMPARE(window.fakes.messages.shown.size(), 1);
        const app::Message& shown = window.fakes.messages.shown.first();
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.title, title);
        QCOMPARE(shown.icon, icon);
        QCOMPARE(shown.buttons, app::Buttons::Ok);
        QCOMPARE(window.lines(mode), lines);
        QCOMPARE(window.list(3 - mode)->rowCount(), 0);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(window.form->Text(i)->text(), before[i - 1]);
    }

    void otherModesListDoesNotCount()
    {
        Form2Driver window;
        window.chooseMode("5000", 2);
        window.run(4, "10", "12", "0.01");
        Form2Driver::click(window.option(1));
        window.run(1, "0.05", "0.06", "12");
        QCOMPARE(window.list(1)->rowCount(), 5);
        QCOMPARE(window.list(2)->rowCount(), 3);
        QCOMPARE(window.fakes.messages.shown.size(), 1);
    }

    void errorKeepsTheLinesBeforeIt_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("loan");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("lastLineEnd");
        QTest::addColumn<int>("errorNumber");
        QTest::addColumn<bool>("busy");

        QTest::newRow("periods from 0: the first line fails")
            << 2 << "5000" << "0" << "3" << "0.01" << 0 << "" << 5 << false;
        QTest::newRow("periods field 0: the first rate line fails")
            << 1 << "5000" << "0.01" << "0.02" << "0" << 0 << "" << 5 << false;
        QTest::newRow("periods field not a number reads as 0")
            << 1 << "5000" << "0.01" << "0.02" << "none" << 0 << "" << 5 << false;
        // Pmt over one period is -loan * (1 + rate): beyond the largest double
        // once 1 + rate exceeds 17.97693..., after the line for 16.975.
        QTest::newRow("payment overflows after 11 lines")
            << 1 << "1e307" << "16.95" << "17" << "1" << 11 << "   //  1697.50%" << 6 << false;
        QTest::newRow("payment overflows after 118,678 lines, busy cursor shown")
            << 1 << "1e305" << "1500" << "1800" << "1" << 118678 << "   //  179669.25%" << 6 << true;
    }

    void errorKeepsTheLinesBeforeIt()
    {
        QFETCH(int, mode);
        QFETCH(QString, loan);
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(QString, fixed);
        QFETCH(int, lineCount);
        QFETCH(QString, lastLineEnd);
        QFETCH(int, errorNumber);
        QFETCH(bool, busy);

        Form2Driver window;
        window.chooseMode(loan, mode);
        window.fakes.messages.shown.clear();
        bool busyWhileAdding = false;
        connect(window.list(mode), &QAbstractItemModel::rowsInserted, this, [&busyWhileAdding] {
            const QCursor* cursor = QApplication::overrideCursor();
            busyWhileAdding = cursor && cursor->shape() == Qt::WaitCursor;
        });
        window.run(mode == 1 ? 1 : 4, lower, upper, fixed);

        QCOMPARE(window.fakes.messages.shown.size(), 1);
        const app::Message& shown = window.fakes.messages.shown.first();
        QVERIFY2(shown.text.startsWith(QStringLiteral("Error %1").arg(errorNumber)), qPrintable(shown.text));
        QCOMPARE(shown.title, app::applicationTitle());
        QCOMPARE(shown.icon, app::Icon::Error);
        QCOMPARE(window.list(mode)->rowCount(), lineCount);
        if (lineCount > 0) {
            const QString last = window.list(mode)->index(lineCount - 1, 0).data().toString();
            QVERIFY2(last.endsWith(lastLineEnd), qPrintable(last));
        }
        QCOMPARE(busyWhileAdding, busy);
    }

    // A line asks for the schedule of the run's loan at its own rate or
    // periods: by a double click, or the list's action on the current line;
    // with no current line the action asks for nothing.
    void lineAsksForItsSchedule_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("periods");
        QTest::addColumn<bool>("paymentsAtStart");
        QTest::newRow("rate list, double click") << 1 << "12" << "double click" << 0.0525 << 12.0 << false;
        QTest::newRow("periods list, double click") << 2 << "0.01" << "double click" << 0.01 << 2.0 << false;
        QTest::newRow("periods list, Amortization Schedule...") << 2 << "0.01" << "action" << 0.01 << 2.0 << false;
        QTest::newRow("rate list run with payments at the start")
            << 1 << "12" << "double click" << 0.0525 << 12.0 << true;
        QTest::newRow("periods list cleared, then Ctrl+M") << 2 << "0.01" << "cleared" << 0.0 << 0.0 << false;
    }

    void lineAsksForItsSchedule()
    {
        QFETCH(int, mode);
        QFETCH(QString, fixed);
        QFETCH(QString, how);
        QFETCH(double, rate);
        QFETCH(double, periods);
        QFETCH(bool, paymentsAtStart);
        const auto timing = paymentsAtStart ? finance::PaymentTiming::Begin : finance::PaymentTiming::End;
        Form2Driver window;
        window.timing.setTiming(timing);
        window.chooseMode("1,000", mode);
        window.run(mode == 1 ? 1 : 4, mode == 1 ? "0.05" : "1", mode == 1 ? "0.06" : "5", fixed);
        // The line keeps the timing of its run, whatever the switch says since.
        window.timing.setTiming(finance::PaymentTiming::End);
        // Clearing the fields afterwards changes nothing: the line belongs to its run.
        window.click("Command2");
        QSignalSpy requests(window.form, &Form2::scheduleRequested);

        QListView* list = window.listView(mode);
        const QPoint secondLine = list->visualRect(list->model()->index(1, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, secondLine);
        if (how == "cleared") {
            // The current line goes with the list: Ctrl+M then asks for nothing.
            window.click(mode == 1 ? "Command3" : "Command4");
            window.form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.form));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, secondLine);
            QVERIFY(list->hasFocus());
            QTest::keyClick(list, Qt::Key_M, Qt::ControlModifier);
            QCOMPARE(requests.size(), 0);
            return;
        }
        if (how == "double click") {
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, secondLine);
        } else {
            list->findChild<QAction*>(QStringLiteral("scheduleAction"))->trigger();
        }

        QCOMPARE(requests.size(), 1);
        const auto loan = requests.first().first().value<finance::Loan>();
        QCOMPARE(loan.presentValue, 1000.0);
        QCOMPARE(loan.rate, rate);
        QCOMPARE(loan.periods, periods);
        QCOMPARE(loan.timing, timing);
    }

    // The periods list's Copy, Copy All, CSV and chart take its own lines, not
    // the rate list's. Loan 5000: the first periods line (10 at 1%) pays
    // 527.91, the first rate line (5% over 12) 564.13, by the annuity formula.
    void periodsListActionsTakeItsOwnLines_data()
    {
        QTest::addColumn<QString>("action");
        for (const char* action : {"copyAction", "copyAllAction", "saveCsvAction", "showChartAction"})
            QTest::newRow(action) << QString(action);
    }

    void periodsListActionsTakeItsOwnLines()
    {
        QFETCH(QString, action);
        Form2Driver window;
        window.chooseMode("5000", 2);
        window.run(4, "10", "12", "0.01");
        Form2Driver::click(window.option(1));
        window.run(1, "0.05", "0.06", "12");
        QListView* list = window.listView(2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
        const QTemporaryDir folder;
        window.fakes.files.answer = folder.filePath(QStringLiteral("lines.csv"));
        list->findChild<QAction*>(action)->trigger();

        QString made;  // the lines as the action gave them
        if (action == "saveCsvAction") {
            QFile file(window.fakes.files.answer);
            QVERIFY(file.open(QIODevice::ReadOnly));
            made = QString::fromUtf8(file.readAll());
        } else if (action == "showChartAction") {
            auto* chart = window.form->findChild<chart::ChartWindow*>();
            QVERIFY(chart);
            const auto* line = qobject_cast<QLineSeries*>(chart->findChild<QChartView*>()->chart()->series().first());
            for (const QPointF& point : line->points())
                made += QString::number(point.y(), 'f', 2) + '\n';
        } else {
            made = QGuiApplication::clipboard()->text();
        }
        QVERIFY2(made.contains("-527.91") && !made.contains("-564.13"), qPrintable(made));
    }
};

QTEST_MAIN(Form2RunsTest)
#include "form2_runs_test.moc"
