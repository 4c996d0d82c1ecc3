// The window's messages through the real QMessageBox: what the fake records
// in the other tests is what a person sees.
#include "app/qt_message_box.h"
#include "fakes.h"
#include "gui_fixture.h"
#include "main_window/form1.h"

#include <QAction>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

using testing_support::answerNextBox;

namespace {

struct RealBoxes {
    app::QtMessageBox messages;
    testing_support::FakeShell shell;
    testing_support::FakeLifetime lifetime;
    testing_support::FakeFileDialog files;
    app::Platform platform{messages, shell, lifetime, files};
};

}  // namespace

class Form1MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void greetingShowsTextTitleNoIconAndOk();
    void negativeRateWarningAnsweredCancelKeepsTheRate();
    void quitBoxHasYesAsItsDefault();
};

void Form1MessageBoxTest::greetingShowsTextTitleNoIconAndOk()
{
    RealBoxes real;
    Form1 form(real.platform);
    const auto greeting = answerNextBox(QMessageBox::Ok);
    form.load();

    QVERIFY(greeting->seen);
    QCOMPARE(greeting->title, QStringLiteral("Kelvarn"));
    QCOMPARE(greeting->text, QStringLiteral("Welcome to Quandrel Calculator!\nPress INFO for more information"));
    QCOMPARE(greeting->icon, QMessageBox::NoIcon);
    QCOMPARE(greeting->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(form.findChild<QWidget*>("Text1")->isHidden());
}

void Form1MessageBoxTest::negativeRateWarningAnsweredCancelKeepsTheRate()
{
    RealBoxes real;
    Form1 form(real.platform);
    answerNextBox(QMessageBox::Ok);
    form.load();
    QVERIFY(testing_support::showAndExpose(&form));

    auto* tabs = form.findChild<QTabBar*>("SSTab1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QTest::keyClicks(form.Text(1), "90");
    QTest::keyClicks(form.Text(2), "-1000");
    QTest::keyClicks(form.Text(3), "10");
    const auto warning = answerNextBox(QMessageBox::Cancel);
    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);

    QVERIFY(warning->seen);
    QCOMPARE(warning->title, QStringLiteral("Warning"));
    QCOMPARE(warning->text, QStringLiteral("Rate<0. Are you sure? Check again."));
    QCOMPARE(warning->icon, QMessageBox::Warning);
    QCOMPARE(warning->buttons, QMessageBox::StandardButtons(QMessageBox::Ok | QMessageBox::Cancel));
    QCOMPARE(form.Text(4)->text(), QStringLiteral("-1.87%"));
}

void Form1MessageBoxTest::quitBoxHasYesAsItsDefault()
{
    RealBoxes real;
    Form1 form(real.platform);
    answerNextBox(QMessageBox::Ok);
    form.load();

    const auto question = answerNextBox(QMessageBox::No);
    form.findChild<QAction*>("Exit")->trigger();

    QVERIFY(question->seen);
    QCOMPARE(question->title, QStringLiteral("Quit"));
    QCOMPARE(question->defaultButton, QMessageBox::Yes);
    QCOMPARE(real.lifetime.endCount, 0);
}

QTEST_MAIN(Form1MessageBoxTest)
#include "form1_message_box_test.moc"
