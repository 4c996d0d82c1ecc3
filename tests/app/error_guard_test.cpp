// The shared error path: an error stops the handler, is reported once, and the
// program goes on.
#include "app/error_guard.h"
#include "fakes.h"
#include "finance/finance.h"

#include <QTest>

#include <stdexcept>

using testing_support::FakeMessageBox;

class ErrorGuardTest : public QObject {
    Q_OBJECT
private slots:
    void libraryErrorIsReportedWithNumberAndDescription();
    void handlerStopsAtTheError();
    void otherExceptionsAreReportedToo();
    void aHandlerThatSucceedsShowsNothing();
};

void ErrorGuardTest::libraryErrorIsReportedWithNumberAndDescription()
{
    FakeMessageBox messages;
    app::runGuarded(messages, nullptr, [] { throw finance::RuntimeError(11, "Division by zero"); });

    QCOMPARE(messages.shown.size(), 1);
    const app::Message& shown = messages.shown.first();
    QCOMPARE(shown.text, QStringLiteral("Error 11: Division by zero"));
    QCOMPARE(shown.title, QStringLiteral("Kelvarn"));
    QCOMPARE(shown.icon, app::Icon::Error);
    QCOMPARE(shown.buttons, app::Buttons::Ok);
}

void ErrorGuardTest::handlerStopsAtTheError()
{
    FakeMessageBox messages;
    QString written = QStringLiteral("old");
    app::runGuarded(messages, nullptr, [&] {
        finance::Pmt(0.05, 0, 1000);
        written = QStringLiteral("new");
    });
    QCOMPARE(written, QStringLiteral("old"));
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown.first().text.startsWith(QStringLiteral("Error 5: ")));
}

void ErrorGuardTest::otherExceptionsAreReportedToo()
{
    FakeMessageBox messages;
    app::runGuarded(messages, nullptr, [] { throw std::length_error("too long"); });
    app::runGuarded(messages, nullptr, [] { throw 42; });

    QCOMPARE(messages.shown.size(), 2);
    QVERIFY(messages.shown[0].text.contains(QStringLiteral("too long")));
    QCOMPARE(messages.shown[1].icon, app::Icon::Error);
}

void ErrorGuardTest::aHandlerThatSucceedsShowsNothing()
{
    FakeMessageBox messages;
    int runs = 0;
    app::runGuarded(messages, nullptr, [&] { ++runs; });
    QCOMPARE(runs, 1);
    QVERIFY(messages.shown.isEmpty());
}

QTEST_GUILESS_MAIN(ErrorGuardTest)
#include "error_guard_test.moc"
