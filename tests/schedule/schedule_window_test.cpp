// The schedule window through what it shows: the summary line, the table's
// header, cells and total row, a refusal, and Escape (one window for every
// loan is the main window's test). Expected figures are the loans' schedules
// computed by hand and in exact rationals with python3 fractions.
#include "fakes.h"
#include "gui_fixture.h"
#include "schedule/schedule_model.h"
#include "schedule/schedule_window.h"

#include <QAccessible>
#include <QLabel>
#include <QTableView>
#include <QTest>

using schedule::ScheduleWindow;

class ScheduleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { m_fakes.messages.shown.clear(); }
    void cleanup() { delete m_window.data(); }
    void showsLoan_data();
    void showsLoan();
    void readableByScreenReader();
    void refusedLoanOpensNothing();
    void escapeCloses();
    void fileKeepsEnglishNames();

private:
    QLabel* summary() const { return m_window->findChild<QLabel*>(QStringLiteral("summary")); }
    QTableView* table() const { return m_window->findChild<QTableView*>(QStringLiteral("table")); }
    QStringList rowTexts(int row) const;
    void open(double presentValue, double rate, double periods);

    testing_support::FakePlatform m_fakes;
    testing_support::ModalWatchdog m_watchdog;
    QPointer<ScheduleWindow> m_window;
};

QStringList ScheduleWindowTest::rowTexts(int row) const
{
    QStringList texts;
    for (int column = 0; column < table()->model()->columnCount(); ++column)
        texts.append(table()->model()->index(row, column).data().toString());
    return texts;
}

void ScheduleWindowTest::open(double presentValue, double rate, double periods)
{
    schedule::openSchedule(m_window, {presentValue, rate, periods}, m_fakes.platform, nullptr);
}

void ScheduleWindowTest::showsLoan_data()
{
    QTest::addColumn<double>("presentValue");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("periods");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<QStringList>("totalRow");

    QTest::newRow("1000 at 10% for 10, the loan typed negative")
        << -1000.0 << 0.1 << 10.0
        << "Loan 1,000.00 at 10.00% per period, 10 periods: payment 162.75, total interest 627.44"
        << QStringList{"1", "162.75", "100.00", "62.75", "937.25"}
        << QStringList{"Total", "1,627.44", "627.44", "1,000.00", ""};
    QTest::newRow("negative rate")
        << 1000.0 << -0.05 << 10.0
        << "Loan 1,000.00 at -5.00% per period, 10 periods: payment 74.61, total interest -253.94"
        << QStringList{"1", "74.61", "-50.00", "124.61", "875.39"}
        << QStringList{"Total", "746.06", "-253.94", "1,000.00", ""};
}

void ScheduleWindowTest::showsLoan()
{
    QFETCH(double, presentValue);
    QFETCH(double, rate);
    QFETCH(double, periods);
    QFETCH(QString, summary);
    QFETCH(QStringList, firstRow);
    QFETCH(QStringList, totalRow);
    open(presentValue, rate, periods);
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Amortization Schedule"));
    QCOMPARE(this->summary()->text(), summary);
    QCOMPARE(rowTexts(0), firstRow);
    QCOMPARE(rowTexts(table()->model()->rowCount() - 1), totalRow);
}

// The table and its cells are announced through Qt's accessibility interfaces,
// the header giving each column's name.
void ScheduleWindowTest::readableByScreenReader()
{
    open(1000, 0.1, 10);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table());
    QVERIFY(view && view->tableInterface());
    QVERIFY(!view->text(QAccessible::Name).isEmpty());
    QAccessibleTableInterface* cells = view->tableInterface();
    QCOMPARE(cells->columnCount(), 5);
    QCOMPARE(cells->rowCount(), 11);
    QCOMPARE(cells->columnDescription(2), QStringLiteral("Interest"));
    QCOMPARE(cells->cellAt(1, 2)->text(QAccessible::Name), QStringLiteral("93.73"));
}

// Pmt(0.1, 1000, 1000) rounds to 100.00, the first period's interest.
void ScheduleWindowTest::refusedLoanOpensNothing()
{
    open(1000, 0.1, 1000);
    QVERIFY(!m_window);
    QCOMPARE(m_fakes.messages.texts(),
             QStringList{"No schedule: the payment does not cover the first period's interest."});
}

void ScheduleWindowTest::escapeCloses()
{
    open(1000, 0.1, 10);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::keyClick(table(), Qt::Key_Escape);
    QTRY_VERIFY(!m_window);
}

// A file keeps the English names in every language, as it keeps "." for decimals.
void ScheduleWindowTest::fileKeepsEnglishNames()
{
    const testing_support::InGerman german;
    QVERIFY(german.installed);
    schedule::ScheduleModel model;
    model.setSchedule(finance::amortize({1000, 0.1, 10}));
    const int total = model.tableRowCount() - 1;
    QCOMPARE(model.cells(total, app::CellText::Shown).first(), QStringLiteral("Summe"));
    QCOMPARE(model.cells(total, app::CellText::File).first(), QStringLiteral("Total"));
    QCOMPARE(model.columnTitles(app::CellText::File),
             (QStringList{"Period", "Payment", "Interest", "Principal", "Balance"}));
}

QTEST_MAIN(ScheduleWindowTest)
#include "schedule_window_test.moc"
