// The schedule window through what it shows: the summary line, the table's
// header, cells and total row, a refusal, and Escape (one window for every
// loan is the main window's test). Expected figures are the loans' schedules
// computed by hand and in exact rationals with python3 fractions.
#include "fakes.h"
#include "gui_fixture.h"
#include "schedule/schedule_model.h"
#include "schedule/schedule_window.h"

#include <QAccessible>
#include <QFont>
#include <QLabel>
#include <QTableView>
#include <QTest>

using schedule::ScheduleWindow;

class ScheduleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_fakes.messages.shown.clear();
    }
    void cleanup() { delete window(); }
    void showsLoan_data();
    void showsLoan();
    void readableByScreenReader();
    void totalRowFitsAndIsBold();
    void shownAgainKeepsTheSize();
    void refusedLoanOpensNothing_data();
    void refusedLoanOpensNothing();
    void escapeCloses();
    void fileKeepsEnglishNames();

private:
    QLabel* summary() const { return window()->findChild<QLabel*>(QStringLiteral("summary")); }
    QTableView* table() const { return window()->findChild<QTableView*>(QStringLiteral("table")); }
    QStringList rowTexts(int row) const;
    void open(double presentValue, double rate, double periods,
              finance::PaymentTiming timing = finance::PaymentTiming::End);

    testing_support::FakePlatform m_fakes;
    testing_support::ModalWatchdog m_watchdog;
    ScheduleWindow* window() const { return m_window.get(); }
    app::WindowSlot<ScheduleWindow> m_window;
};

QStringList ScheduleWindowTest::rowTexts(int row) const
{
    QStringList texts;
    for (int column = 0; column < table()->model()->columnCount(); ++column)
        texts.append(table()->model()->index(row, column).data().toString());
    return texts;
}

void ScheduleWindowTest::open(double presentValue, double rate, double periods, finance::PaymentTiming timing)
{
    schedule::openSchedule(m_window, {presentValue, rate, periods, timing}, m_fakes.platform, nullptr);
}

void ScheduleWindowTest::showsLoan_data()
{
    QTest::addColumn<double>("presentValue");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("periods");
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<QStringList>("totalRow");

    QTest::newRow("1000 at 10% for 10, the loan typed negative")
        << -1000.0 << 0.1 << 10.0 << false
        << "Loan 1,000.00 at 10.00% per period, 10 periods: 9 payments of 162.75 and a last payment of 162.69, "
           "total interest 627.44"
        << QStringList{"1", "162.75", "100.00", "62.75", "937.25"}
        << QStringList{"Total", "1,627.44", "627.44", "1,000.00", ""};
    QTest::newRow("negative rate")
        << 1000.0 << -0.05 << 10.0 << false
        << "Loan 1,000.00 at -5.00% per period, 10 periods: 9 payments of 74.61 and a last payment of 74.57, "
           "total interest -253.94"
        << QStringList{"1", "74.61", "-50.00", "124.61", "875.39"}
        << QStringList{"Total", "746.06", "-253.94", "1,000.00", ""};
    QTest::newRow("payments at the start")
        << 1000.0 << 0.1 << 10.0 << true
        << "Loan 1,000.00 at 10.00% per period, payments at the start of each period, 10 periods: 9 payments of "
           "147.95 and a last payment of 147.98, total interest 479.53"
        << QStringList{"1", "147.95", "0.00", "147.95", "852.05"}
        << QStringList{"Total", "1,479.53", "479.53", "1,000.00", ""};
    QTest::newRow("a last payment like the others")
        << 1000.0 << 0.0 << 4.0 << false << "Loan 1,000.00 at 0.00% per period, 4 periods: 4 payments of 250.00, total interest 0.00"
        << QStringList{"1", "250.00", "0.00", "250.00", "750.00"}
        << QStringList{"Total", "1,000.00", "0.00", "1,000.00", ""};
    // Pmt(0.01, 0.5, 1000) = 2014.99: more than the 1,010.00 owed after half a period.
    QTest::newRow("shorter than one period")
        << 1000.0 << 0.01 << 0.5 << false
        << "Loan 1,000.00 at 1.00% per period, 0.5 periods: one payment of 1,010.00, total interest 10.00"
        << QStringList{"1", "1,010.00", "10.00", "1,000.00", "0.00"}
        << QStringList{"Total", "1,010.00", "10.00", "1,000.00", ""};
    QTest::newRow("1,000,000 periods at 0.0001%")
        << 1e6 << 1e-6 << 1e6 << false
        << "Loan 1,000,000.00 at 0.0001% per period, 1,000,000 periods: 999,999 payments of 1.58 and a last "
           "payment of 3,436.34, total interest 583,434.76"
        << QStringList{"1", "1.58", "1.00", "0.58", "999,999.42"}
        << QStringList{"Total", "1,583,434.76", "583,434.76", "1,000,000.00", ""};
}

void ScheduleWindowTest::showsLoan()
{
    QFETCH(double, presentValue);
    QFETCH(double, rate);
    QFETCH(double, periods);
    QFETCH(bool, atStart);
    QFETCH(QString, summary);
    QFETCH(QStringList, firstRow);
    QFETCH(QStringList, totalRow);
    open(presentValue, rate, periods, atStart ? finance::PaymentTiming::Begin : finance::PaymentTiming::End);
    QVERIFY(window());
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    QCOMPARE(window()->windowTitle(), QStringLiteral("Amortization Schedule"));
    QCOMPARE(this->summary()->text(), summary);
    QCOMPARE(rowTexts(0), firstRow);
    QCOMPARE(rowTexts(table()->model()->rowCount() - 1), totalRow);
}

// The table and its cells are announced through Qt's accessibility interfaces,
// the header giving each column's name.
void ScheduleWindowTest::readableByScreenReader()
{
    open(1000, 0.1, 10);
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table());
    QVERIFY(view && view->tableInterface());
    QVERIFY(!view->text(QAccessible::Name).isEmpty());
    QAccessibleTableInterface* cells = view->tableInterface();
    QCOMPARE(cells->columnCount(), 5);
    QCOMPARE(cells->rowCount(), 11);
    QCOMPARE(cells->columnDescription(2), QStringLiteral("Interest"));
    QCOMPARE(cells->cellAt(1, 2)->text(QAccessible::Name), QStringLiteral("93.73"));
}

// The bold row is the total, and every column is as wide as the table draws
// its total cell (a loan of 10^12 in German writes the widest totals).
void ScheduleWindowTest::totalRowFitsAndIsBold()
{
    const testing_support::InGerman german;
    QVERIFY(german.installed);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    open(1e12, 0.1, 10);
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    const QAbstractItemModel* model = table()->model();
    const int total = model->rowCount() - 1;
    QVERIFY(model->index(total, 0).data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!model->index(total - 1, 0).data(Qt::FontRole).value<QFont>().bold());
    for (int column = 0; column < model->columnCount(); ++column)
        QVERIFY2(table()->columnWidth(column) >= table()->sizeHintForIndex(model->index(total, column)).width(),
                 qPrintable(model->index(total, column).data().toString()));
}

// A size the user gave the window outlasts the next loan shown in it.
void ScheduleWindowTest::shownAgainKeepsTheSize()
{
    open(1000, 0.1, 10);
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    QVERIFY(window()->width() > summary()->sizeHint().width());
    const QSize chosen = window()->size() + QSize(37, 23);
    window()->resize(chosen);
    open(1e12, 0.1, 1000);
    QCOMPARE(window()->size(), chosen);
}

void ScheduleWindowTest::refusedLoanOpensNothing_data()
{
    QTest::addColumn<double>("presentValue");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("periods");
    QTest::addColumn<QString>("message");
    QTest::newRow("too many rows") << 1000.0 << 0.0 << 1000001.0
                                   << "No schedule: it would have more than 1,000,000 payments.";
    // The loan rounds up to 1,000.00, the payment 999.995 * 0.1000051 = 100.0046 down.
    QTest::newRow("payment below the interest")
        << 999.995 << 0.1000051 << 1000.0 << "No schedule: the payment does not cover the first period's interest.";
    QTest::newRow("amounts too large")
        << 1e13 << 0.1 << 10.0 << "No schedule: amounts of 10,000,000,000,000 or more cannot be shown exactly.";
}

void ScheduleWindowTest::refusedLoanOpensNothing()
{
    QFETCH(double, presentValue);
    QFETCH(double, rate);
    QFETCH(double, periods);
    QFETCH(QString, message);
    open(presentValue, rate, periods);
    QVERIFY(!window());
    QCOMPARE(m_fakes.messages.texts(), QStringList{message});
}

void ScheduleWindowTest::escapeCloses()
{
    open(1000, 0.1, 10);
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    QTest::keyClick(table(), Qt::Key_Escape);
    QTRY_VERIFY(!window());
}

// A file keeps the English names in every language, as it keeps "." for
// decimals and writes no grouping.
void ScheduleWindowTest::fileKeepsEnglishNames()
{
    const testing_support::InGerman german;
    QVERIFY(german.installed);
    schedule::ScheduleModel model;
    model.setSchedule(finance::amortize({1000, 0.1, 10}));
    const int total = model.tableRowCount() - 1;
    QCOMPARE(model.cells(total, app::CellText::Shown).first(), QStringLiteral("Summe"));
    QCOMPARE(model.cells(total, app::CellText::File), (QStringList{"Total", "1627.44", "627.44", "1000.00", ""}));
    QCOMPARE(model.columnTitles(app::CellText::File),
             (QStringList{"Period", "Payment", "Interest", "Principal", "Balance"}));
}

QTEST_MAIN(ScheduleWindowTest)
#include "schedule_window_test.moc"
