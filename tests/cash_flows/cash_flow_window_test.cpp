// The cash-flow window through its list and its own controls: typed rows and
// their results, the rate sentence, paste of each shape and the pastes it
// refuses, the CSV file both ways, closing with changes, German captions and
// the flow limit. Expected results are the flows' NPV, rates, MIRR and
// paybacks computed with python3 mpmath at 40 digits, outside the program.
#include "cash_flows/cash_flow_window.h"
#include "cash_flows/flow_table_model.h"
#include "cash_flows/npv_curve.h"
#include "chart/chart_window.h"
#include "fakes.h"
#include "gui_fixture.h"

#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QXYSeries>

#include <algorithm>
#include <cmath>

using cash_flows::CashFlowWindow;
using cash_flows::FlowTableModel;

class CashFlowWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void results_data();
    void results();
    void unsettledCountSaidSo();
    void pastes_data();
    void pastes();
    void pasteRefused_data();
    void pasteRefused();
    void badPastedCellMarkedAndKept();
    void rowsFromTheKeyboard();
    void fileRoundTrip();
    void damagedFileRefused();
    void closeAsksForChanges();
    void germanCaptions();
    void flowLimit();
    void chartMarksEveryRate();

private:
    QLineEdit* field(const char* name) const { return m_window->findChild<QLineEdit*>(QLatin1String(name)); }
    QTableView* table() const { return m_window->findChild<QTableView*>(QStringLiteral("table")); }
    FlowTableModel* model() const { return static_cast<FlowTableModel*>(table()->model()); }
    void type(const QStringList& rows);
    void calculate() { m_window->findChild<QPushButton*>(QStringLiteral("calculate"))->click(); }
    void pasteText(const QString& text);
    std::vector<double> readDays() const;

    testing_support::FakePlatform m_fakes;
    testing_support::ModalWatchdog m_watchdog;
    QPointer<CashFlowWindow> m_window;
};

void CashFlowWindowTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_fakes.messages.shown.clear();
    m_window = new CashFlowWindow(m_fakes.platform);
}

void CashFlowWindowTest::cleanup()
{
    if (m_window)
        m_window->setWindowModified(false);
    delete m_window.data();
    QVERIFY(m_watchdog.intercepted().isEmpty());
}

// Each row "date;amount;count" or just "amount", typed into the list's last row.
void CashFlowWindowTest::type(const QStringList& rows)
{
    for (const QString& row : rows) {
        const QStringList cells = row.split(QLatin1Char(';'));
        const int at = model()->rowCount() - 1;
        if (cells.size() == 1) {
            model()->setData(model()->index(at, FlowTableModel::Amount), cells[0]);
            continue;
        }
        for (int column = 0; column < 3; ++column)
            model()->setData(model()->index(at, column), cells[column]);
    }
}

void CashFlowWindowTest::pasteText(const QString& text)
{
    QVERIFY(testing_support::showAndExpose(m_window));
    QGuiApplication::clipboard()->setText(text);
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_V, Qt::ControlModifier);
}

std::vector<double> CashFlowWindowTest::readDays() const
{
    std::vector<double> days = model()->read().flows.days;
    for (double& day : days)
        day -= model()->read().flows.days.front();
    return days;
}

void CashFlowWindowTest::results_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("rates");  // rate, finance rate, reinvestment rate
    QTest::addColumn<QStringList>("shown");  // NPV, IRR, MIRR, payback, discounted payback
    QTest::addColumn<QString>("sentence");

    const QString oneRate = "Exactly one rate: the flows change sign once.";
    QTest::newRow("four flows") << "en_US" << QStringList{"-1000", "300", "400", "500"}
                                << QStringList{"10", "10", "12"}
                                << QStringList{"-21.04", "8.8963%", "9.8157%", "2.60", "never"} << oneRate;
    QTest::newRow("a count of three") << "en_US" << QStringList{"-1000", ";400;3"} << QStringList{"10", "10", "12"}
                                      << QStringList{"-5.26", "9.7010%", "10.5144%", "2.50", "never"} << oneRate;
    QTest::newRow("two rates") << "en_US" << QStringList{"-100", "230", "-132"} << QStringList{"10", "10", "12"}
                               << QStringList{"0.00", "10.0000%; 20.0000%", "10.9955%", "0.43", "0.48"}
                               << "Two rates: NPV is zero at both; the flows change sign twice.";
    QTest::newRow("no rate") << "en_US" << QStringList{"-100", "250", "-170"} << QStringList{"10", "10", "12"}
                             << QStringList{"-13.22", "none", "7.9009%", "0.40", "0.44"}
                             << "No rate makes the NPV zero.";
    QTest::newRow("dated, in years") << "en_US"
                                     << QStringList{"2027-01-01;-1000;", "2027-06-30;300;", "2028-03-15;800;1"}
                                     << QStringList{"10", "10", "12"}
                                     << QStringList{"-0.42", "9.9538%", "periodic flows only", "1.11", "never"}
                                     << oneRate;
    QTest::newRow("German numbers") << "de_DE" << QStringList{"-1.000", "300", "400", "500"}
                                    << QStringList{"10", "10,0", "12"}
                                    << QStringList{"-21,04", "8,8963%", "9,8157%", "2,60", "never"} << oneRate;
}

void CashFlowWindowTest::results()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, rates);
    QFETCH(QStringList, shown);
    QFETCH(QString, sentence);
    QLocale::setDefault(QLocale(locale));
    type(rows);
    const char* inputs[] = {"rate", "financeRate", "reinvestmentRate"};
    for (int i = 0; i < 3; ++i)
        field(inputs[i])->setText(rates[i]);
    calculate();
    QCOMPARE(m_fakes.messages.texts(), QStringList());
    QStringList results;
    for (const char* name : {"npv", "irr", "mirr", "payback", "discountedPayback"})
        results.append(field(name)->text());
    QCOMPARE(results, shown);
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("rateSentence"))->text(), sentence);
    // A printout gives the results as shown.
    QStringList printed;
    for (const app::PrintedLine& line : m_window->printDocument().results)
        printed.append(line.value);
    QCOMPARE(printed, (QStringList{shown[0], shown[1], sentence, shown[2], shown[3], shown[4]}));
    // An edit leaves no result of the old flows.
    type({"1"});
    QCOMPARE(field("irr")->text(), QString());
}

void CashFlowWindowTest::unsettledCountSaidSo()
{
    finance::RateAnalysis analysis;
    analysis.rates = {0.1};
    analysis.signChanges = 4;
    analysis.certainty = finance::RateCertainty::Unsettled;
    analysis.unsettled = {{0.2, 0.2000000001}};
    QCOMPARE(CashFlowWindow::rateSentence(analysis),
             QStringLiteral("One rate found, but the count could not be settled: more may lie between 20% and "
                            "20.00000001%; the flows change sign 4 times."));
}

void CashFlowWindowTest::pastes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::vector<double>>("values");
    QTest::addColumn<std::vector<double>>("days");

    QTest::newRow("amounts, CR LF lines") << "-100\r\n230\r\n-132\r\n" << std::vector<double>{-100, 230, -132}
                                         << std::vector<double>{};
    QTest::newRow("amount and count") << "-1000\t1\n400\t3" << std::vector<double>{-1000, 400, 400, 400}
                                      << std::vector<double>{};
    QTest::newRow("ISO dates, amounts and counts")
        << "2027-01-01\t-1000\t1\n2027-06-30\t300\t1\n2028-03-15\t800\t1\n" << std::vector<double>{-1000, 300, 800}
        << std::vector<double>{0, 180, 439};
    QTest::newRow("short dates, amounts and counts")
        << "1/1/27\t-1000\t1\n6/30/27\t300\t\n3/15/28\t800\t1" << std::vector<double>{-1000, 300, 800}
        << std::vector<double>{0, 180, 439};
}

void CashFlowWindowTest::pastes()
{
    QFETCH(QString, text);
    QFETCH(std::vector<double>, values);
    QFETCH(std::vector<double>, days);
    pasteText(text);
    QCOMPARE(m_fakes.messages.texts(), QStringList());
    QCOMPARE(model()->read().flows.values, values);
    QCOMPARE(readDays(), days);
    QVERIFY(m_window->isWindowModified());
}

void CashFlowWindowTest::pasteRefused_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("dated and undated lines")
        << QStringList{} << "2027-01-01\t-1000\t1\n\n300"
        << "Line 3 of the pasted text has no date and line 1 has one: either every row has a date or none has.";
    QTest::newRow("dated lines into an undated list")
        << QStringList{"-1000"} << "2027-01-01\t300\t1"
        << "Line 1 of the pasted text has a date and row 1 of the list has none: either every row has a date or "
           "none has.";
    QTest::newRow("four cells") << QStringList{} << "1\t2\t3\t4"
                                << "Line 1 of the pasted text has 4 cells; a row takes an amount; an amount and a "
                                   "count; a date and an amount; or a date, an amount and a count.";
}

void CashFlowWindowTest::pasteRefused()
{
    QFETCH(QStringList, listed);
    QFETCH(QString, text);
    QFETCH(QString, message);
    type(listed);
    const std::vector<cash_flows::FlowRow> before = model()->rows();
    pasteText(text);
    QCOMPARE(m_fakes.messages.texts(), QStringList{message});
    QCOMPARE(model()->rows().size(), before.size());
}

void CashFlowWindowTest::badPastedCellMarkedAndKept()
{
    pasteText("-1000\n12x\n500");
    const QString problem = "Row 2, Amount: \"12x\" is not a number.";
    QCOMPARE(m_fakes.messages.texts(), QStringList{problem});
    const QModelIndex bad = model()->index(1, FlowTableModel::Amount);
    QCOMPARE(bad.data().toString(), QStringLiteral("12x"));
    QVERIFY(bad.data(Qt::BackgroundRole).isValid());
    QVERIFY(!model()->index(0, FlowTableModel::Amount).data(Qt::BackgroundRole).isValid());
    QCOMPARE(table()->currentIndex(), bad);
    calculate();
    QCOMPARE(m_fakes.messages.texts().last(), problem);
    QCOMPARE(field("npv")->text(), QString());
}

// Ctrl+Delete removes the selected rows, Insert puts a blank row before the
// current one; the last, blank row stays.
void CashFlowWindowTest::rowsFromTheKeyboard()
{
    QVERIFY(testing_support::showAndExpose(m_window));
    type({"-100", "230", "-132"});
    table()->setFocus();
    table()->selectRow(1);
    QTest::keyClick(table(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(model()->read().flows.values, (std::vector<double>{-100, -132}));
    table()->selectRow(2);
    QTest::keyClick(table(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(model()->rowCount(), 3);
    table()->setCurrentIndex(model()->index(1, FlowTableModel::Amount));
    QTest::keyClick(table(), Qt::Key_Insert);
    QCOMPARE(model()->rowCount(), 4);
    QCOMPARE(model()->rows()[1].amount, QString());
    QCOMPARE(model()->rows()[2].amount, QStringLiteral("-132"));
}

// German numbers on screen, "." and ISO dates in the file, and back.
void CashFlowWindowTest::fileRoundTrip()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir folder;
    const QString name = folder.filePath("offer.csv");
    type({"31.01.27;-1.000,5;", "2027-07-31;1.200;1"});
    m_fakes.files.answer = name;
    m_window->findChild<QAction*>(QStringLiteral("saveAsAction"))->trigger();
    QCOMPARE(m_fakes.messages.texts(), QStringList());
    QVERIFY(!m_window->isWindowModified());
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Date,Amount,Count\r\n2027-01-31,-1000.5,1\r\n2027-07-31,1200,1\r\n"));

    auto* opened = new CashFlowWindow(m_fakes.platform);
    QVERIFY(opened->openFile(name));
    const auto* rows = static_cast<FlowTableModel*>(opened->findChild<QTableView*>("table")->model());
    QCOMPARE(rows->cells(0, app::CellText::Shown), (QStringList{"2027-01-31", "-1000,5", "1"}));
    QCOMPARE(rows->read().flows.values, (std::vector<double>{-1000.5, 1200}));
    QCOMPARE(opened->windowTitle(), QStringLiteral("offer.csv[*] - Cash Flows"));
    QVERIFY(!opened->isWindowModified());
    delete opened;
}

void CashFlowWindowTest::damagedFileRefused()
{
    QTemporaryDir folder;
    const QString name = folder.filePath("damaged.csv");
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Date,Amount,Count\r\n,-1000,1\r\n,1,000,1\r\n");
    file.close();
    type({"-5", "6"});
    QVERIFY(!m_window->openFile(name));
    QCOMPARE(m_fakes.messages.texts(),
             QStringList{"The file " + QDir::toNativeSeparators(name) +
                         " could not be opened: line 3: it has 4 fields, not the three of Date,Amount,Count."});
    QCOMPARE(model()->read().flows.values, (std::vector<double>{-5, 6}));
    QVERIFY(m_window->isWindowModified());
}

void CashFlowWindowTest::closeAsksForChanges()
{
    QVERIFY(testing_support::showAndExpose(m_window));
    type({"-5"});
    m_fakes.messages.answers.enqueue(app::Answer::Cancel);
    QVERIFY(!m_window->close());
    QCOMPARE(m_fakes.messages.texts(), QStringList{"Save the changes to \"Untitled\" before closing?"});
    QVERIFY(m_window && m_window->isVisible());
    QCOMPARE(model()->rows().front().amount, QStringLiteral("-5"));
    m_fakes.messages.answers.enqueue(app::Answer::Discard);
    QVERIFY(m_window->close());
    QTRY_VERIFY(!m_window);
}

// Every field's accessible name is its caption, in German too, and no two
// captions share an Alt key in either language.
void CashFlowWindowTest::germanCaptions()
{
    QCOMPARE(testing_support::clashingMnemonics(m_window), QStringList());
    const testing_support::InGerman german;
    QVERIFY(german.installed);
    delete m_window.data();
    m_window = new CashFlowWindow(m_fakes.platform);
    QStringList names;
    for (const QLabel* label : m_window->findChildren<QLabel*>()) {
        if (!label->buddy())
            continue;
        QCOMPARE(label->buddy()->accessibleName(), QString(label->text()).remove('&'));
        names.append(label->buddy()->accessibleName());
    }
    QCOMPARE(names, (QStringList{"Zahlungen", "Zinssatz (%)", "Finanzierungszins (%)", "Wiederanlagezins (%)",
                                 "Kapitalwert", "Interner Zinsfuß", "Modifizierter interner Zinsfuß",
                                 "Amortisationsdauer", "Dynamische Amortisationsdauer"}));
    QCOMPARE(testing_support::clashingMnemonics(m_window), QStringList());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Unbenannt[*] - Zahlungsströme"));
    QCOMPARE(model()->headerData(FlowTableModel::Amount, Qt::Horizontal).toString(), QStringLiteral("Betrag"));
}

void CashFlowWindowTest::flowLimit()
{
    type({"-999999", ";1;999999"});
    calculate();
    QCOMPARE(m_fakes.messages.texts(), QStringList());
    QCOMPARE(field("irr")->text(), QStringLiteral("0.0000%"));
    QCOMPARE(field("payback")->text(), QStringLiteral("999,999.00"));
    type({"1"});
    calculate();
    QCOMPARE(m_fakes.messages.texts(),
             QStringList{"The list holds more than 1,000,000 flows, counts included; it takes at most 1,000,000."});
}

// The chart spans both rates of -100, 230, -132 (10% and 20%) and marks them
// where the NPV is zero, and follows a new calculation.
void CashFlowWindowTest::chartMarksEveryRate()
{
    QVERIFY(testing_support::showAndExpose(m_window));
    type({"-100", "230", "-132"});
    m_window->findChild<QPushButton*>(QStringLiteral("chart"))->click();
    auto* chartWindow = m_window->findChild<chart::ChartWindow*>();
    QVERIFY(chartWindow);
    QCOMPARE(chartWindow->windowTitle(), QStringLiteral("NPV Chart"));
    const auto* curve = m_window->findChild<cash_flows::NpvCurve*>();
    QCOMPARE(curve->highlighted().size(), 2);
    QVERIFY(curve->point(0).x() < 10 && curve->point(curve->pointCount() - 1).x() > 20);
    QList<QPointF> marked;
    for (const qsizetype i : curve->highlighted())
        marked.append(curve->point(i));
    QCOMPARE(marked[0].x(), 10.0);
    QCOMPARE(marked[1].x(), 20.0);
    QVERIFY(std::abs(marked[0].y()) < 1e-9 && std::abs(marked[1].y()) < 1e-9);
    const auto series = chartWindow->findChild<QChartView*>()->chart()->series();
    QVERIFY(std::any_of(series.begin(), series.end(), [&](QAbstractSeries* s) {
        auto* points = qobject_cast<QXYSeries*>(s);
        return points && points->points() == marked;
    }));
    type({"-5"});
    QCOMPARE(curve->pointCount(), 0);
    calculate();
    QVERIFY(curve->pointCount() > 0);
    QCOMPARE(curve->highlighted().size(), 0);
}

QTEST_MAIN(CashFlowWindowTest)
#include "cash_flow_window_test.moc"
