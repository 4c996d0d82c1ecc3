// The real platform services: a QMessageBox shows what the message asks for and
// reports the chosen button; the shell hands the address to the desktop;
// ending the program sends no close event.
#include "app/qt_lifetime.h"
#include "app/qt_message_box.h"
#include "app/qt_shell.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

// Receives the addresses the desktop services would hand to a browser.
class AddressReceiver : public QObject {
    Q_OBJECT
public:
    QList<QUrl> addresses;
public slots:
    void open(const QUrl& address) { addresses.append(address); }
};

class CloseCounter : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closes;
        QWidget::closeEvent(event);
    }
};

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxShowsTextTitleIconAndButtons_data();
    void messageBoxShowsTextTitleIconAndButtons();
    void shellOpenDeliversTheAddress();
    void endingTheProgramRunsNoCloseHandler();
};

void QtPlatformTest::messageBoxShowsTextTitleIconAndButtons_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("expectedIcon");
    QTest::addColumn<int>("expectedAnswer");

    QTest::newRow("warning, OK")
        << int(app::Icon::Warning) << int(app::Buttons::Ok) << int(QMessageBox::Ok)
        << int(QMessageBox::Warning) << int(app::Answer::Ok);
    QTest::newRow("warning, OK and Cancel, Cancel pressed")
        << int(app::Icon::Warning) << int(app::Buttons::OkCancel) << int(QMessageBox::Cancel)
        << int(QMessageBox::Warning) << int(app::Answer::Cancel);
    QTest::newRow("warning, OK and Cancel, OK pressed")
        << int(app::Icon::Warning) << int(app::Buttons::OkCancel) << int(QMessageBox::Ok)
        << int(QMessageBox::Warning) << int(app::Answer::Ok);
    QTest::newRow("unsaved changes, Save pressed")
        << int(app::Icon::Warning) << int(app::Buttons::SaveDiscardCancel) << int(QMessageBox::Save)
        << int(QMessageBox::Warning) << int(app::Answer::Save);
    QTest::newRow("unsaved changes, Discard pressed")
        << int(app::Icon::Warning) << int(app::Buttons::SaveDiscardCancel) << int(QMessageBox::Discard)
        << int(QMessageBox::Warning) << int(app::Answer::Discard);
    QTest::newRow("question, Yes and No, No pressed")
        << int(app::Icon::Question) << int(app::Buttons::YesNo) << int(QMessageBox::No)
        << int(QMessageBox::Question) << int(app::Answer::No);
    QTest::newRow("error, OK")
        << int(app::Icon::Error) << int(app::Buttons::Ok) << int(QMessageBox::Ok)
        << int(QMessageBox::Critical) << int(app::Answer::Ok);
    QTest::newRow("no icon, OK")
        << int(app::Icon::None) << int(app::Buttons::Ok) << int(QMessageBox::Ok)
        << int(QMessageBox::NoIcon) << int(app::Answer::Ok);
}

void QtPlatformTest::messageBoxShowsTextTitleIconAndButtons()
{
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, press);
    QFETCH(int, expectedIcon);
    QFETCH(int, expectedAnswer);

    app::Message message;
    message.text = QStringLiteral("first line\r\nsecond line");
    message.icon = app::Icon(icon);
    message.buttons = app::Buttons(buttons);

    const auto shown = testing_support::answerNextBox(QMessageBox::StandardButton(press));
    const app::Answer answer = app::QtMessageBox().show(nullptr, message);

    QCOMPARE(shown->title, QStringLiteral("Kelvarn"));
    QCOMPARE(shown->text, QStringLiteral("first line\nsecond line"));
    QCOMPARE(int(shown->icon), expectedIcon);
    const int buttonCount = message.buttons == app::Buttons::Ok                  ? 1
                            : message.buttons == app::Buttons::SaveDiscardCancel ? 3
                                                                                 : 2;
    QCOMPARE(qPopulationCount(uint(shown->buttons.toInt())), buttonCount);
    QCOMPARE(int(answer), expectedAnswer);
}

void QtPlatformTest::shellOpenDeliversTheAddress()
{
    AddressReceiver receiver;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &receiver, "open");
    app::ShellOpenRequest request;
    request.operation = QStringLiteral("open");
    request.file = QStringLiteral("https://www.example.com/kelvarn/");
    app::QtShell().open(request);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    QCOMPARE(receiver.addresses, QList<QUrl>{QUrl(QStringLiteral("https://www.example.com/kelvarn/"))});
}

void QtPlatformTest::endingTheProgramRunsNoCloseHandler()
{
    CloseCounter window;
    window.show();
    app::QtLifetime lifetime;
    QTimer::singleShot(0, [&] { lifetime.endApplication(); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(window.closes, 0);
}

QTEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
