// The kept loans and the Comparison window: the loans side by side with the
// best of a row marked, a fifth loan refused, a loan removed from the
// keyboard, and the CSV file. The figures are the planner's 300,000 at 6.5 %
// monthly for 360 payments from 2027-01-31, without and with 200 extra a
// month, computed independently with python3 decimal (interest rounded to
// the cent, halves up): payment 1,896.20; total interest 382,636.71, or
// 279,186.52 with the extra, whose 277th and last payment is on 2050-01-31.
#include "comparison/comparison_model.h"
#include "comparison/comparison_window.h"
#include "comparison/pins.h"
#include "fakes.h"
#include "finance/calendar.h"
#include "gui_fixture.h"

#include <QFile>
#include <QFont>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using comparison::ComparisonModel;

namespace {

loan_planner::PinnedLoan offer(double extraPerPayment)
{
    loan_planner::PinnedLoan loan;
    loan.terms.amount = 300000;
    loan.terms.annualRate = 0.065;
    loan.terms.payments = 360;
    loan.terms.loanDate = finance::daysFromCivil(2026, 12, 31);
    loan.terms.firstPayment = finance::daysFromCivil(2027, 1, 31);
    loan.terms.extraPerPayment = extraPerPayment;
    loan.plan = finance::planLoan(loan.terms);
    loan.apr = finance::annualPercentageRate(loan.plan);
    return loan;
}

}  // namespace

class ComparisonTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_fakes.messages.shown.clear();
        m_pins = std::make_unique<comparison::Pins>(m_fakes.messages);
        m_pins->add(offer(0));
        m_pins->add(offer(200));
        m_window = new comparison::ComparisonWindow(m_fakes.platform, *m_pins);
        QVERIFY(testing_support::showAndExpose(m_window));
    }
    void cleanup()
    {
        delete m_window;
        QVERIFY(m_watchdog.intercepted().isEmpty());
    }
    void loansSideBySide_data();
    void loansSideBySide();
    void fifthRefused();
    void removedFromTheKeyboard();
    void csvKeepsFiguresPlain();

private:
    QTableView* table() const { return m_window->findChild<QTableView*>(QStringLiteral("table")); }
    QString cell(int row, int loan) const { return table()->model()->index(row, loan).data().toString(); }
    bool bold(int row, int loan) const
    {
        return table()->model()->index(row, loan).data(Qt::FontRole).value<QFont>().bold();
    }

    testing_support::FakePlatform m_fakes;
    testing_support::ModalWatchdog m_watchdog;
    std::unique_ptr<comparison::Pins> m_pins;
    QPointer<comparison::ComparisonWindow> m_window;
};

void ComparisonTest::loansSideBySide_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("best");  // -1: no mark

    QTest::newRow("same payment: no best") << int(ComparisonModel::RegularPayment) << "1,896.20" << "1,896.20" << -1;
    QTest::newRow("total interest: the lower") << int(ComparisonModel::TotalInterest) << "382,636.71"
                                               << "\u2605 279,186.52" << 1;
    QTest::newRow("last payment: the earlier") << int(ComparisonModel::LastPaymentDate) << "12/31/2056"
                                               << "\u2605 1/31/2050" << 1;
    QTest::newRow("interest saved: the higher") << int(ComparisonModel::InterestSaved) << "0.00"
                                                << "\u2605 103,450.19" << 1;
    QTest::newRow("amount: no best") << int(ComparisonModel::Amount) << "300,000.00" << "300,000.00" << -1;
}

void ComparisonTest::loansSideBySide()
{
    QFETCH(int, row);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, best);

    QCOMPARE(table()->model()->columnCount(), 2);
    QCOMPARE(table()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Offer 1"));
    QCOMPARE(table()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Offer 2"));
    QCOMPARE(cell(row, 0), first);
    QCOMPARE(cell(row, 1), second);
    QCOMPARE(bold(row, 0), best == 0);
    QCOMPARE(bold(row, 1), best == 1);
    QCOMPARE(table()->model()->index(row, 1).data(Qt::ToolTipRole).isNull(), best != 1);
}

void ComparisonTest::fifthRefused()
{
    QVERIFY(m_pins->add(offer(100)));
    QVERIFY(m_pins->add(offer(300)));
    QVERIFY(m_fakes.messages.shown.isEmpty());
    QVERIFY(!m_pins->add(offer(400)));
    QCOMPARE(m_pins->count(), 4);
    QCOMPARE(m_fakes.messages.texts(),
             QStringList{"At most 4 loans can be kept for comparison. Remove one in the Comparison window first."});
    QCOMPARE(table()->model()->columnCount(), 4);
}

// Delete in the table removes the current column's loan, the button the
// next; a loan kept again takes the first free name.
void ComparisonTest::removedFromTheKeyboard()
{
    table()->setFocus();
    table()->setCurrentIndex(table()->model()->index(0, 0));
    QTest::keyClick(table(), Qt::Key_Delete);
    QCOMPARE(m_pins->count(), 1);
    QCOMPARE(m_pins->at(0).name, QStringLiteral("Offer 2"));
    QCOMPARE(cell(ComparisonModel::TotalInterest, 0), QStringLiteral("279,186.52"));  // alone: no best

    m_pins->add(offer(0));
    QCOMPARE(m_pins->at(1).name, QStringLiteral("Offer 1"));

    auto* remove = m_window->findChild<QPushButton*>(QStringLiteral("remove"));
    table()->setCurrentIndex(table()->model()->index(0, 1));
    remove->setFocus();
    QTest::keyClick(remove, Qt::Key_Space);
    QCOMPARE(m_pins->count(), 1);
    QCOMPARE(m_pins->at(0).name, QStringLiteral("Offer 2"));
}

void ComparisonTest::csvKeepsFiguresPlain()
{
    QTemporaryDir folder;
    m_fakes.files.answer = folder.filePath(QStringLiteral("offers.csv"));
    {
        const testing_support::InGerman german;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        comparison::ComparisonWindow window(m_fakes.platform, *m_pins);
        QCOMPARE(testing_support::clashingMnemonics(&window), QStringList());
        QCOMPARE(testing_support::clashingMnemonics(m_window), QStringList());
        auto* view = window.findChild<QTableView*>(QStringLiteral("table"));
        QCOMPARE(view->model()->index(ComparisonModel::TotalInterest, 1).data().toString(),
                 QStringLiteral("\u2605 279.186,52"));
        QCOMPARE(view->model()->headerData(ComparisonModel::TotalInterest, Qt::Vertical).toString(),
                 QStringLiteral("Zinsen insgesamt"));
        view->findChild<QAction*>(QStringLiteral("saveCsvAction"))->trigger();
    }
    QFile file(m_fakes.files.answer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), ComparisonModel::RowCount + 2);
    QCOMPARE(lines[0], QByteArray("Name,Offer 1,Offer 2\r"));
    QCOMPARE(lines[1 + ComparisonModel::AnnualRate], QByteArray("Annual rate,0.065,0.065\r"));
    QCOMPARE(lines[1 + ComparisonModel::LastPaymentDate], QByteArray("Last payment date,2056-12-31,2050-01-31\r"));
    QCOMPARE(lines[1 + ComparisonModel::TotalInterest], QByteArray("Total interest,382636.71,279186.52\r"));
    QCOMPARE(lines[1 + ComparisonModel::InterestSaved], QByteArray("Interest saved,0.00,103450.19\r"));
}

QTEST_MAIN(ComparisonTest)
#include "comparison_test.moc"
