// The program's start-up on fake services: what a person sees on launch.
#include "fakes.h"
#include "gui_fixture.h"
#include "program/start_up.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void greetsThenShowsTheMainWindow();
    void opensTheFileNamed_data();
    void opensTheFileNamed();
};

// Start-up remembers window places and files: in the test's own settings,
// empty at first, never the user's.
void StartUpTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    program::nameApplication();
    QSettings().clear();
}

void StartUpTest::greetsThenShowsTheMainWindow()
{
    testing_support::FakePlatform fakes;
    testing_support::ModalWatchdog watchdog;
    const auto form1 = program::startUp(fakes.platform);

    QCOMPARE(fakes.messages.texts(),
             QStringList{QStringLiteral("Welcome to Quandrel Calculator!\r\nPress INFO for more information")});
    QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
    QCOMPARE(QGuiApplication::applicationName(), QStringLiteral("Kelvarn"));
    QCOMPARE(QGuiApplication::organizationName(), QStringLiteral("Kelvarn"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("com.example.dorvantix"));
    QVERIFY(watchdog.intercepted().isEmpty());
}

void StartUpTest::opensTheFileNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("title");

    QTest::newRow("a loan file in the planner")
        << "offer.loan.json"
        << QByteArray(R"({"format": 1, "amount": 300000, "annualRatePercent": 6.5, "paymentsPerYear": 12,
            "compoundingsPerYear": 12, "payments": 360, "payment": null, "balloon": 0, "loanDate": "2026-12-31",
            "firstPayment": "2027-01-31", "fees": 0, "interestRule": "perPeriod", "paymentRounding": "nearestCent",
            "interestRounding": "halfAwayFromZero", "timing": "end", "extraPerPayment": 0, "extraFrom": 1,
            "extraTo": 0, "afterExtra": "keepPayment", "extras": [], "rateChanges": []})")
        << "offer.loan.json[*] - Loan Planner";
    QTest::newRow("cash flows in the cash-flow window")
        << "flows.csv" << QByteArray("Date,Amount,Count\r\n,-100,1\r\n,110,1\r\n") << "flows.csv[*] - Cash Flows";
}

// After the greeting, the file's window is open with the file, unchanged.
void StartUpTest::opensTheFileNamed()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, title);
    const QTemporaryDir folder;
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    testing_support::FakePlatform fakes;
    testing_support::ModalWatchdog watchdog;
    const auto form1 = program::startUp(fakes.platform, file.fileName());

    QCOMPARE(fakes.messages.texts().size(), 1);
    QStringList titles;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window != form1.get())
            titles += window->windowTitle();
    }
    QCOMPARE(titles, QStringList{title});
    QVERIFY(watchdog.intercepted().isEmpty());
}

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
