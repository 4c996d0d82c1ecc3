// The program's start-up on fake services: what a person sees on launch.
#include "fakes.h"
#include "gui_fixture.h"
#include "program/start_up.h"

#include <QGuiApplication>
#include <QTest>

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void greetsThenShowsTheMainWindow();
};

void StartUpTest::greetsThenShowsTheMainWindow()
{
    testing_support::FakePlatform fakes;
    testing_support::ModalWatchdog watchdog;
    const auto form1 = program::startUp(fakes.platform);

    QCOMPARE(fakes.messages.texts(),
             QStringList{QStringLiteral("Welcome to Quandrel Calculator!\r\nPress INFO for more information")});
    QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
    QCOMPARE(QGuiApplication::applicationName(), QStringLiteral("Kelvarn"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("com.example.dorvantix"));
    QVERIFY(watchdog.intercepted().isEmpty());
}

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
