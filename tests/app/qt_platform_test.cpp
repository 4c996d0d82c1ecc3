// The real platform services: a QMessageBox shows what the message asks for and
// reports the chosen button; ending the program sends no close event.
#include "app/qt_lifetime.h"
#include "app/qt_message_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs check on the first modal box that opens, then presses button.
void answerNextBox(QMessageBox::StandardButton button, std::function<void(QMessageBox*)> check)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            answerNextBox(button, check);
            return;
        }
        check(box);
        box->button(button)->click();
    });
}

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

    QString title;
    QString text;
    int shownIcon = -1;
    int buttonCount = 0;
    answerNextBox(QMessageBox::StandardButton(press), [&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        shownIcon = box->icon();
        buttonCount = int(box->buttons().size());
    });
    const app::Answer answer = app::QtMessageBox().show(nullptr, message);

    QCOMPARE(title, QStringLiteral("Kelvarn"));
    QCOMPARE(text, QStringLiteral("first line\nsecond line"));
    QCOMPARE(shownIcon, expectedIcon);
    QCOMPARE(buttonCount, message.buttons == app::Buttons::Ok ? 1 : 2);
    QCOMPARE(int(answer), expectedAnswer);
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
