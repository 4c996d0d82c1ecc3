// The loan planner through its fields and its schedule: the worked loans
// with their dates, extras and APR, a term solved into its field, a refused
// plan, the CSV cells and the German captions. Expected figures are the
// examples of the loan planner's rule, computed outside the program; the
// solved amount is 1,896.20 x (1 - (1 + 0.065/12)^-360) / (0.065/12) by
// python3 decimal at 50 digits.
#include "fakes.h"
#include "gui_fixture.h"
#include "loan_planner/plan_model.h"
#include "loan_planner/planner_window.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using loan_planner::PlanModel;
using loan_planner::PlannerWindow;

class PlannerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { delete m_window; }
    void plansExamples_data();
    void plansExamples();
    void eventsTypedIntoLists_data();
    void eventsTypedIntoLists();
    void solvesTheEmptyTerm();
    void refusesInOneMessage();
    void fileCellsInEnglish();
    void speaksGerman();

private:
    void open();
    QLineEdit* field(const char* name) const { return m_window->findChild<QLineEdit*>(QLatin1String(name)); }
    QString summary(const char* name) const { return m_window->findChild<QLabel*>(QLatin1String(name))->text(); }
    const PlanModel& model() const
    {
        return *static_cast<const PlanModel*>(m_window->findChild<QTableView*>(QStringLiteral("table"))->model());
    }
    QString cell(int row, int column) const { return model().index(row, column).data().toString(); }
    void fillIn300000();

    testing_support::FakePlatform m_fakes;
    testing_support::ModalWatchdog m_watchdog;
    app::PaymentTimingSetting m_timing;
    QPointer<PlannerWindow> m_window;
};

void PlannerWindowTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_fakes.messages.shown.clear();
    open();
}

void PlannerWindowTest::open()
{
    delete m_window;
    m_window = new PlannerWindow(m_fakes.platform, m_timing);
    QVERIFY(testing_support::showAndExpose(m_window));
}

// 300,000 at 6.5 % for 30 years, lent on 2026-12-31: the first payment
// follows on 2027-01-31.
void PlannerWindowTest::fillIn300000()
{
    QTest::keyClicks(field("amount"), "300,000");
    QTest::keyClicks(field("annualRate"), "6.5");
    QTest::keyClicks(field("years"), "30");
    m_window->findChild<QDateEdit*>(QStringLiteral("loanDate"))->setDate(QDate(2026, 12, 31));
}

void PlannerWindowTest::plansExamples_data()
{
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("fees");
    QTest::addColumn<QStringList>("lastRow");
    QTest::addColumn<QString>("totalInterest");
    QTest::addColumn<QString>("interestSaved");
    QTest::addColumn<QString>("apr");

    QTest::newRow("300,000 at 6.5%, 360 monthly payments")
        << "" << "" << QStringList{"360", "12/31/2056", "1,900.91", "0.00"} << "382,636.71" << "" << "6.6935%";
    QTest::newRow("with 3,000 of fees") << "" << "3,000" << QStringList{"360", "12/31/2056", "1,900.91", "0.00"}
                                        << "382,636.71" << "" << "6.7963%";
    QTest::newRow("with 200 extra every payment")
        << "200" << "" << QStringList{"277", "1/31/2050", "635.32", "0.00"} << "279,186.52" << "103,450.19" << "";
}

void PlannerWindowTest::plansExamples()
{
    QFETCH(QString, extra);
    QFETCH(QString, fees);
    QFETCH(QStringList, lastRow);
    QFETCH(QString, totalInterest);
    QFETCH(QString, interestSaved);
    QFETCH(QString, apr);
    fillIn300000();
    QCOMPARE(field("payments")->text(), QStringLiteral("360"));
    QTest::keyClicks(field("extraPerPayment"), extra);
    QTest::keyClicks(field("fees"), fees);
    QTest::keyClick(field("fees"), Qt::Key_Return);

    QCOMPARE(m_fakes.messages.texts(), QStringList{});
    QCOMPARE(field("payment")->text(), QStringLiteral("1,896.20"));
    const QStringList dates{"1/31/2027", "2/28/2027", "3/31/2027", "4/30/2027"};
    for (int row = 0; row < dates.size(); ++row)
        QCOMPARE(cell(row, PlanModel::Date), dates[row]);
    const int last = lastRow.first().toInt() - 1;
    QCOMPARE(model().rowCount(), last + 2);
    QCOMPARE((QStringList{cell(last, PlanModel::Number), cell(last, PlanModel::Date), cell(last, PlanModel::Payment),
                          cell(last, PlanModel::Balance)}),
             lastRow);
    QCOMPARE(summary("totalInterest"), totalInterest);
    QCOMPARE(summary("lastPaymentDate"), lastRow[1]);
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("interestSaved"))->isVisible(), !interestSaved.isEmpty());
    if (!interestSaved.isEmpty())
        QCOMPARE(summary("interestSaved"), interestSaved);
    if (!apr.isEmpty())
        QCOMPARE(summary("apr"), apr);
}

void PlannerWindowTest::eventsTypedIntoLists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("keepTerm");
    QTest::addColumn<int>("changedRow");
    QTest::addColumn<QString>("changedPayment");
    QTest::addColumn<int>("payments");
    QTest::addColumn<QString>("totalInterest");

    QTest::newRow("7.5% from payment 61") << "rateChanges" << "61" << "7.5" << false << 61 << "2,075.33" << 360
                                          << "436,373.86";
    QTest::newRow("10,000 with payment 12, keeping the term")
        << "extras" << "10,000" << "" << true << 13 << "1,832.28" << 360 << "";
}

// A row is added with Insert, its cells typed (Tab between them, Return
// closes the cell) and the plan calculated with Return; Alt+M keeps the term.
void PlannerWindowTest::eventsTypedIntoLists()
{
    QFETCH(QString, list);
    QFETCH(QString, number);
    QFETCH(QString, value);
    QFETCH(bool, keepTerm);
    QFETCH(int, changedRow);
    QFETCH(QString, changedPayment);
    QFETCH(int, payments);
    QFETCH(QString, totalInterest);
    fillIn300000();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    if (keepTerm) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(m_window->findChild<QRadioButton*>(QStringLiteral("keepTerm"))->isChecked());
    }
    auto* events = m_window->findChild<QTableWidget*>(list);
    events->setFocus();
    QTest::keyClick(events, Qt::Key_Insert);
    const auto type = [](const QString& text) {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    };
    type(list == QLatin1String("extras") ? QStringLiteral("12") : number);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QApplication::processEvents();
    type(list == QLatin1String("extras") ? number : value);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), events);
    QTest::keyClick(events, Qt::Key_Return);

    QCOMPARE(m_fakes.messages.texts(), QStringList{});
    QCOMPARE(cell(changedRow - 1, PlanModel::Payment), changedPayment);
    QCOMPARE(model().rowCount(), payments + 1);
    if (!totalInterest.isEmpty())
        QCOMPARE(summary("totalInterest"), totalInterest);
}

void PlannerWindowTest::solvesTheEmptyTerm()
{
    QTest::keyClicks(field("annualRate"), "6.5");
    QTest::keyClicks(field("payments"), "360");
    QTest::keyClicks(field("payment"), "1,896.20");
    QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("calculate")), Qt::LeftButton);
    QCOMPARE(m_fakes.messages.texts(), QStringList{});
    QCOMPARE(field("amount")->text(), QStringLiteral("299,999.36"));
    QCOMPARE(field("years")->text(), QStringLiteral("30"));
    QCOMPARE(cell(0, PlanModel::Payment), QStringLiteral("1,896.20"));
    QCOMPARE(cell(model().rowCount() - 1, PlanModel::Principal), QStringLiteral("299,999.36"));
}

// A payment below the first month's interest of 1,625.00: one message, no
// schedule, the fields as typed.
void PlannerWindowTest::refusesInOneMessage()
{
    fillIn300000();
    QTest::keyClicks(field("payment"), "1,000");
    QTest::keyClick(field("payment"), Qt::Key_Return);
    QCOMPARE(m_fakes.messages.texts(), QStringList{"No plan: the payment does not cover the first interest."});
    QCOMPARE(model().rowCount(), 0);
    QCOMPARE(field("payment")->text(), QStringLiteral("1,000"));
}

// A file keeps the English names, ISO dates and "." in every language.
void PlannerWindowTest::fileCellsInEnglish()
{
    fillIn300000();
    QTest::keyClick(field("amount"), Qt::Key_Return);
    const testing_support::InGerman german;
    QVERIFY(german.installed);
    QCOMPARE(model().columnTitles(app::CellText::File),
             (QStringList{"Number", "Date", "Payment", "Extra", "Interest", "Principal", "Balance"}));
    QCOMPARE(model().cells(0, app::CellText::File),
             (QStringList{"1", "2027-01-31", "1896.20", "0.00", "1625.00", "271.20", "299728.80"}));
    QCOMPARE(model().cells(model().tableRowCount() - 1, app::CellText::File),
             (QStringList{"Total", "", "682636.71", "0.00", "382636.71", "300000.00", ""}));
    QCOMPARE(model().cells(model().tableRowCount() - 1, app::CellText::Shown).first(), QStringLiteral("Summe"));
}

// Every field is announced by its German caption, mnemonic aside.
void PlannerWindowTest::speaksGerman()
{
    const testing_support::InGerman german;
    QVERIFY(german.installed);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    open();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Kreditplaner"));
    QCOMPARE(field("amount")->accessibleName(), QStringLiteral("Betrag"));
    QCOMPARE(field("annualRate")->accessibleName(), QStringLiteral("Jahreszins (%)"));
    for (const QLabel* label : m_window->findChildren<QLabel*>()) {
        if (label->buddy())
            QCOMPARE(label->buddy()->accessibleName(), label->text().remove(QLatin1Char('&')));
    }
    QTest::keyClicks(field("amount"), "300.000");
    QTest::keyClicks(field("annualRate"), "6,5");
    QTest::keyClicks(field("payments"), "360");
    QTest::keyClick(field("payments"), Qt::Key_Return);
    QCOMPARE(field("payment")->text(), QStringLiteral("1.896,20"));
    QCOMPARE(model().headerData(PlanModel::Date, Qt::Horizontal).toString(), QStringLiteral("Datum"));
}

QTEST_MAIN(PlannerWindowTest)
#include "planner_window_test.moc"
