// The loan planner through its fields and its schedule: the worked loans
// with their dates, extras and APR, a term solved into its field, a refused
// plan, the CSV cells and the German captions. Expected figures are the
// examples of the loan planner's rule, computed outside the program; the
// solved amount is 1,896.20 x (1 - (1 + 0.065/12)^-360) / (0.065/12) by
// python3 decimal at 50 digits. Loan files: a saved loan opens as it was,
// and a file that cannot be read leaves the open loan as it is.
#include "fakes.h"
#include "finance/loan_plan.h"
#include "gui_fixture.h"
#include "loan_planner/loan_file.h"
#include "loan_planner/plan_model.h"
#include "loan_planner/planner_window.h"

#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <optional>

using loan_planner::PlanModel;
using loan_planner::PlannerWindow;

class PlannerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { delete m_window; }
    void plansExamples_data();
    void plansExamples();
    void eventsTypedIntoLists_data();
    void eventsTypedIntoLists();
    void solvesTheEmptyTerm();
    void longPlanFindsItsAprAside();
    void refusesInOneMessage();
    void fileCellsInEnglish();
    void speaksGerman();
    void altKeysAreUnique_data();
    void altKeysAreUnique();
    void savedLoanOpensAsItWas_data();
    void savedLoanOpensAsItWas();
    void refusesAFileItCannotRead_data();
    void refusesAFileItCannotRead();
    void closingWithChangesAsks_data();
    void closingWithChangesAsks();
    void closingWithSaveWritesItsFile();
    void recentFiles_data();
    void recentFiles();

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
    QStringList planCells() const;
    QString saveAs(const QString& name);

    testing_support::FakePlatform m_fakes;
    testing_support::ModalWatchdog m_watchdog;
    app::PaymentTimingSetting m_timing;
    QPointer<PlannerWindow> m_window;
    QTemporaryDir m_folder;
};

void PlannerWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void PlannerWindowTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_fakes.messages.shown.clear();
    QSettings().remove(QStringLiteral("loanPlanner"));
    m_timing.setTiming(finance::PaymentTiming::End);
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

    // A printout has the schedule with its total row and the summary on show.
    const app::PrintDocument printed = m_window->printDocument();
    QVERIFY(printed.lastRowIsTotal);
    QStringList results;
    for (const app::PrintedLine& line : printed.results)
        results.append(line.caption + QLatin1String(": ") + line.value);
    QVERIFY2(results.contains("Total interest: " + totalInterest), qPrintable(results.join(" | ")));
    QCOMPARE(results.contains("Interest saved: " + interestSaved), !interestSaved.isEmpty());
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
// closes the cell) and the plan calculated with Return; Alt+H keeps the term.
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
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
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

// 120,000 payments: the schedule shows before the APR is found; the APR then
// shows, unless a plan calculated meanwhile has taken its place; printing
// waits for it; a window closed meanwhile is not touched by its search.
void PlannerWindowTest::longPlanFindsItsAprAside()
{
    const auto aprText = [this] {
        const std::optional<double> apr = finance::annualPercentageRate(model().plan());
        return apr ? QLocale().toString(*apr * 100, 'f', 4) + QLatin1Char('%') : QString();
    };
    const auto searchesEnded = [] {
        const bool ended = QThreadPool::globalInstance()->waitForDone(10'000);
        QCoreApplication::sendPostedEvents();
        return ended;
    };
    const auto calculate = [this](const char* payments, const char* annualRate = "0.0012") {
        field("annualRate")->setText(QLatin1String(annualRate));
        field("payments")->setText(QLatin1String(payments));
        field("payment")->clear();
        m_window->findChild<QPushButton*>(QStringLiteral("calculate"))->click();
    };
    QTest::keyClicks(field("amount"), "1,000,000");

    calculate("120000");
    QCOMPARE(summary("apr"), QStringLiteral("being found..."));
    QCOMPARE(model().tableRowCount(), 120'001);
    QTRY_COMPARE(summary("apr"), aprText());

    calculate("120000");
    QStringList printed;
    for (const app::PrintedLine& line : m_window->printDocument().results)
        printed.append(line.caption + QLatin1String(": ") + line.value);
    QVERIFY2(printed.contains("APR (actual/365): " + aprText()), qPrintable(printed.join(" | ")));

    calculate("120000");
    calculate("360", "6.5");
    const QString shortPlanApr = aprText();
    QVERIFY(searchesEnded());
    QCOMPARE(summary("apr"), shortPlanApr);

    calculate("120000");
    delete m_window;
    QVERIFY(searchesEnded());
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
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Unbenannt[*] - Kreditplaner"));
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

void PlannerWindowTest::altKeysAreUnique_data()
{
    QTest::addColumn<bool>("german");
    QTest::newRow("English") << false;
    QTest::newRow("German") << true;
}

void PlannerWindowTest::altKeysAreUnique()
{
    QFETCH(bool, german);
    std::optional<testing_support::InGerman> inGerman;
    if (german)
        inGerman.emplace();
    open();
    const QStringList clashes = testing_support::clashingMnemonics(m_window);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
}

QStringList PlannerWindowTest::planCells() const
{
    QStringList cells;
    for (int row = 0; row < model().tableRowCount(); ++row)
        cells += model().cells(row, app::CellText::File);
    return cells;
}

// Saves through the File menu's Save (Ctrl+S), which asks for a name the
// first time, into the test's folder.
QString PlannerWindowTest::saveAs(const QString& name)
{
    m_fakes.files.answer = m_folder.filePath(name);
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window))
        return {};
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    return m_fakes.files.answer;
}

void PlannerWindowTest::savedLoanOpensAsItWas_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QString>("annualRate");
    QTest::addColumn<bool>("events");

    QTest::newRow("at the end, no events") << false << "6.5" << false;
    QTest::newRow("at the start, a rate of many digits, extras, a rate change, keeping the term")
        << true << "6.123456789" << true;
}

// The reopened planner reads the same terms (the file's timing over the
// switch's) and plans the same rows; "Keep for Comparison" names the loan by
// its file.
void PlannerWindowTest::savedLoanOpensAsItWas()
{
    QFETCH(bool, atStart);
    QFETCH(QString, annualRate);
    QFETCH(bool, events);
    m_timing.setTiming(atStart ? finance::PaymentTiming::Begin : finance::PaymentTiming::End);
    open();
    fillIn300000();
    field("annualRate")->setText(annualRate);
    field("fees")->setText(QStringLiteral("1,234.56"));
    if (events) {
        field("extraPerPayment")->setText(QStringLiteral("100.1"));
        auto* extras = m_window->findChild<QTableWidget*>(QStringLiteral("extras"));
        extras->setRowCount(1);
        extras->setItem(0, 0, new QTableWidgetItem(QStringLiteral("12")));
        extras->setItem(0, 1, new QTableWidgetItem(QStringLiteral("10,000.01")));
        auto* changes = m_window->findChild<QTableWidget*>(QStringLiteral("rateChanges"));
        changes->setRowCount(1);
        changes->setItem(0, 0, new QTableWidgetItem(QStringLiteral("61")));
        changes->setItem(0, 1, new QTableWidgetItem(QStringLiteral("7.3")));
        m_window->findChild<QRadioButton*>(QStringLiteral("keepTerm"))->setChecked(true);
    }
    m_window->calculate();
    const QStringList plan = planCells();
    const QByteArray terms = loan_planner::loanFileBytes(*m_window->terms());
    const QString fileName = saveAs(QStringLiteral("offer.loan.json"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("offer.loan.json[*] - Loan Planner"));
    QVERIFY(!m_window->isWindowModified());

    m_timing.setTiming(finance::PaymentTiming::End);
    open();
    QVERIFY(m_window->openFile(fileName));
    QCOMPARE(field("annualRate")->text(), annualRate);
    QCOMPARE(loan_planner::loanFileBytes(*m_window->terms()), terms);
    QVERIFY(!m_window->isWindowModified());
    QSignalSpy kept(m_window.data(), &PlannerWindow::keptForComparison);
    QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("keep")), Qt::LeftButton);
    QCOMPARE(planCells(), plan);
    QCOMPARE(kept.size(), 1);
    const auto pinned = kept.first().first().value<loan_planner::PinnedLoan>();
    QCOMPARE(pinned.name, QStringLiteral("offer"));
    QCOMPARE(pinned.plan.rows.size(), std::size_t(model().tableRowCount() - 1));
    QCOMPARE(m_fakes.messages.texts(), QStringList{});
}

void PlannerWindowTest::refusesAFileItCannotRead_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");  // undefined: the key is left out
    QTest::addColumn<QString>("problem");

    QTest::newRow("newer format") << "format" << QJsonValue(2)
                                  << "it was written by a newer version of the program (format 2; this one reads up "
                                     "to 1)";
    QTest::newRow("not JSON") << "" << QJsonValue() << "it is not JSON (unterminated object at character 2)";
    QTest::newRow("a field missing") << "fees" << QJsonValue(QJsonValue::Undefined)
                                     << "\"fees\" is missing or not a number";
    QTest::newRow("a field of the wrong type") << "payments" << QJsonValue("360")
                                               << "\"payments\" is missing or not a number";
    QTest::newRow("a count the fields do not offer")
        << "paymentsPerYear" << QJsonValue(13) << "\"paymentsPerYear\" is not a count the planner offers";
    QTest::newRow("a date that is not one") << "loanDate" << QJsonValue("2026-02-30")
                                            << "\"loanDate\" is missing or not a date (YYYY-MM-DD)";
    QTest::newRow("two terms left to compute") << "amount" << QJsonValue(QJsonValue::Null)
                                               << "more than one of amount, annual rate, number of payments and "
                                                  "payment is null";
}

// One message naming the file and what is wrong; the loan open stays, typed
// and unsaved.
void PlannerWindowTest::refusesAFileItCannotRead()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(QString, problem);
    fillIn300000();
    QFile good(saveAs(QStringLiteral("good.loan.json")));
    QVERIFY(good.open(QIODevice::ReadOnly));
    QJsonObject loan = QJsonDocument::fromJson(good.readAll()).object();
    QCOMPARE(loan.value(QStringLiteral("payment")), QJsonValue(QJsonValue::Null));
    if (value.isUndefined())
        loan.remove(key);
    else if (!key.isEmpty())
        loan.insert(key, value);
    QFile bad(m_folder.filePath(QStringLiteral("bad.loan.json")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(key.isEmpty() ? QByteArray("{") : QJsonDocument(loan).toJson());
    bad.close();
    field("amount")->setText(QStringLiteral("1,000"));

    QVERIFY(!m_window->openFile(bad.fileName()));
    QCOMPARE(m_fakes.messages.texts(),
             QStringList{QStringLiteral("The file %1 could not be opened: %2.").arg(bad.fileName(), problem)});
    QCOMPARE(field("amount")->text(), QStringLiteral("1,000"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("good.loan.json[*] - Loan Planner"));
    QVERIFY(m_window->isWindowModified());
}

void PlannerWindowTest::closingWithChangesAsks_data()
{
    QTest::addColumn<QString>("edited");
    QTest::addColumn<int>("key");
    QTest::newRow("a field typed") << "amount" << int(Qt::Key_1);
    QTest::newRow("a list's row added") << "extras" << int(Qt::Key_Insert);
    QTest::newRow("a rule picked") << "interestRule" << int(Qt::Key_Down);
}

// Any edit marks the loan; closing it then asks, and Cancel keeps it open.
void PlannerWindowTest::closingWithChangesAsks()
{
    QFETCH(QString, edited);
    QFETCH(int, key);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled[*] - Loan Planner"));
    QVERIFY(!m_window->isWindowModified());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto* widget = m_window->findChild<QWidget*>(edited);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key(key));
    QVERIFY(m_window->isWindowModified());
    m_fakes.messages.answers.enqueue(app::Answer::Cancel);
    QVERIFY(!m_window->close());
    QCOMPARE(m_fakes.messages.shown.size(), 1);
    QVERIFY(m_window->isVisible());
}

// Save, answered to the question, writes the loan to the file it came from,
// asking no name, and the window closes.
void PlannerWindowTest::closingWithSaveWritesItsFile()
{
    fillIn300000();
    const QString saved = saveAs(QStringLiteral("kept.loan.json"));
    QTRY_VERIFY(!m_window->isWindowModified());
    const qsizetype asked = m_fakes.files.requests.size();
    QTest::keyClicks(field("fees"), "250");
    QVERIFY(m_window->isWindowModified());
    m_fakes.messages.answers.enqueue(app::Answer::Save);
    QVERIFY(m_window->close());
    QCOMPARE(m_fakes.files.requests.size(), asked);
    open();
    QVERIFY(m_window->openFile(saved));
    QCOMPARE(field("fees")->text(), QStringLiteral("250"));
}

void PlannerWindowTest::recentFiles_data()
{
    QTest::addColumn<QStringList>("recent");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a new file goes first") << QStringList{"/a", "/b"} << "/c" << QStringList{"/c", "/a", "/b"};
    QTest::newRow("a listed file moves to the front, once")
        << QStringList{"/a", "/b", "/c"} << "/b" << QStringList{"/b", "/a", "/c"};
    QTest::newRow("the oldest of six falls off")
        << QStringList{"/1", "/2", "/3", "/4", "/5", "/6"} << "/7" << QStringList{"/7", "/1", "/2", "/3", "/4", "/5"};
}

// The list itself, then what a saved file leaves in the settings.
void PlannerWindowTest::recentFiles()
{
    QFETCH(QStringList, recent);
    QFETCH(QString, opened);
    QFETCH(QStringList, expected);
    QCOMPARE(loan_planner::withRecentFile(recent, opened), expected);
    fillIn300000();
    const QString saved = saveAs(QStringLiteral("recent.loan.json"));
    QCOMPARE(QSettings().value(QStringLiteral("loanPlanner/recentFiles")).toStringList(), QStringList{saved});
}

QTEST_MAIN(PlannerWindowTest)
#include "planner_window_test.moc"
