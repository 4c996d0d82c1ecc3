// The window's greeting, its four states and the handlers that move between
// them, driven through the real widgets.
#include "form2_driver.h"

#include <QApplication>
#include <QLocale>

namespace {

enum class State { WaitingForLoan, LoanAccepted, RateMode, PeriodsMode };

// The state table: which mode controls are enabled and selected.
void checkState(const Form2Driver& window, State state)
{
    const bool optionsOn = state != State::WaitingForLoan;
    const bool rate = state == State::RateMode;
    const bool periods = state == State::PeriodsMode;
    QCOMPARE(window.option(1)->isEnabled(), optionsOn);
    QCOMPARE(window.option(2)->isEnabled(), optionsOn);
    QCOMPARE(window.option(1)->isChecked(), rate);
    QCOMPARE(window.option(2)->isChecked(), periods);
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(window.form->Text(i)->isEnabled(), i <= 3 ? rate : periods);
    QCOMPARE(window.button("Command1")->isEnabled(), rate);
    QCOMPARE(window.button("Command6")->isEnabled(), periods);
    QVERIFY(window.loan()->isEnabled());
}

QStringList fieldTexts(const Form2Driver& window)
{
    QStringList texts;
    for (int i = 1; i <= 6; ++i)
        texts.append(window.form->Text(i)->text());
    return texts;
}

}  // namespace

class Form2ModesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void greetsBeforeTheWindowShows()
    {
        testing_support::FakePlatform fakes;
        Form2 form(fakes.platform);
        QVERIFY(fakes.messages.shown.isEmpty());
        form.load();
        QVERIFY(!form.isVisible());
        QCOMPARE(fakes.messages.shown.size(), 1);
        const app::Message& greeting = fakes.messages.shown.first();
        QCOMPARE(greeting.text, QStringLiteral("Fill in 'Loan' in the pop un window!"));
        QCOMPARE(greeting.title, QStringLiteral("Welcome to Sensitivity Analysis"));
        QVERIFY(greeting.icon == app::Icon::Information);
        QVERIFY(greeting.buttons == app::Buttons::Ok);
    }

    void opensWaitingForTheLoan()
    {
        Form2Driver window;
        checkState(window, State::WaitingForLoan);
        QCOMPARE(window.loan()->text(), QStringLiteral("Fill in!"));
        QCOMPARE(fieldTexts(window), QStringList(6, QString()));
        window.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.form));
        QCOMPARE(QApplication::focusWidget(), window.loan());
        for (const char* name : {"Command2", "Command3", "Command4", "List1", "List2"})
            QVERIFY2(window.control(name)->isEnabled(), name);
    }

    void numericLoanEnablesTheOptions_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("enabledAfterEachKey");

        QTest::newRow("12, enabled at the 1") << "12" << "11";
        QTest::newRow("abc") << "abc" << "000";
        QTest::newRow("the greeting's own text") << "Fill in!" << "00000000";
        QTest::newRow("grouped, signed, decimal") << "-1,000.5" << "01111111";
        QTest::newRow("never disabled again") << "1a" << "11";
        QTest::newRow("blank") << " " << "0";
    }

    void numericLoanEnablesTheOptions()
    {
        QFETCH(QString, typed);
        QFETCH(QString, enabledAfterEachKey);

        Form2Driver window;
        Form2Driver::type(window.loan(), QString());
        for (int i = 0; i < typed.size(); ++i) {
            QTest::keyClicks(window.loan(), typed.mid(i, 1));
            const bool enabled = enabledAfterEachKey[i] == '1';
            QCOMPARE(window.option(1)->isEnabled(), enabled);
            QCOMPARE(window.option(2)->isEnabled(), enabled);
        }
        QTest::keyClick(window.loan(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window.loan(), Qt::Key_Delete);
        QCOMPARE(window.option(1)->isEnabled(), enabledAfterEachKey.endsWith('1'));
    }

    void optionsSwitchTheMode()
    {
        Form2Driver window;
        Form2Driver::type(window.loan(), "5000");
        checkState(window, State::LoanAccepted);

        Form2Driver::click(window.option(1));
        checkState(window, State::RateMode);
        QCOMPARE(fieldTexts(window), (QStringList{"L. Bound", "U. Bound", "", "", "", ""}));

        window.run(1, "0.05", "0.06", "12");
        Form2Driver::click(window.option(2));
        checkState(window, State::PeriodsMode);
        QCOMPARE(fieldTexts(window), (QStringList{"", "", "", "L. Bound", "U. Bound", ""}));

        window.run(4, "10", "12", "0.01");
        Form2Driver::click(window.option(1));
        checkState(window, State::RateMode);
        QCOMPARE(fieldTexts(window), (QStringList{"L. Bound", "U. Bound", "", "", "", ""}));
        QCOMPARE(window.list(1)->rowCount(), 5);
        QCOMPARE(window.list(2)->rowCount(), 3);
        QCOMPARE(window.loan()->text(), QStringLiteral("5000"));
    }

    void selectedOptionClickedAgainKeepsTheTypedFields_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("rate mode") << 1;
        QTest::newRow("periods mode") << 2;
    }

    void selectedOptionClickedAgainKeepsTheTypedFields()
    {
        QFETCH(int, mode);

        Form2Driver window;
        window.chooseMode("5000", mode);
        const int first = mode == 1 ? 1 : 4;
        for (int i = 0; i < 3; ++i)
            Form2Driver::type(window.form->Text(first + i), QStringList{"0.05", "0.06", "12"}[i]);
        const QStringList typed = fieldTexts(window);

        Form2Driver::click(window.option(mode));
        QCOMPARE(fieldTexts(window), typed);
        checkState(window, mode == 1 ? State::RateMode : State::PeriodsMode);
    }

    // Enter, and a held key, are the main window's test of the same buttons.
    void returnOnAButtonPressesIt()
    {
        Form2Driver window;
        window.chooseMode("5000", 1);
        QPushButton* clearFields = window.button("Command2");
        clearFields->setFocus();
        QTest::keyClick(clearFields, Qt::Key_Return);
        QCOMPARE(fieldTexts(window), QStringList(6, QString()));
        QCOMPARE(window.loan()->text(), QString());
    }

    void clearFieldsKeepsModeAndLists()
    {
        Form2Driver window;
        window.chooseMode("5000", 2);
        window.run(4, "10", "12", "0.01");
        Form2Driver::click(window.button("Command2"));

        QCOMPARE(fieldTexts(window), QStringList(6, QString()));
        QCOMPARE(window.loan()->text(), QString());
        checkState(window, State::PeriodsMode);
        QCOMPARE(window.list(2)->rowCount(), 3);
    }

    void clearListEmptiesOnlyItsList_data()
    {
        QTest::addColumn<int>("list");
        QTest::newRow("Command3 empties List1") << 1;
        QTest::newRow("Command4 empties List2") << 2;
    }

    void clearListEmptiesOnlyItsList()
    {
        QFETCH(int, list);

        Form2Driver window;
        window.chooseMode("5000", 2);
        window.run(4, "10", "12", "0.01");
        Form2Driver::click(window.option(1));
        window.run(1, "0.05", "0.06", "12");
        const QStringList fields = fieldTexts(window);
        const QStringList otherLines = window.lines(3 - list);

        QAbstractButton* clearList = window.button(list == 1 ? "Command3" : "Command4");
        Form2Driver::click(clearList);
        QCOMPARE(window.list(list)->rowCount(), 0);
        Form2Driver::click(clearList);
        QCOMPARE(window.list(list)->rowCount(), 0);
        QCOMPARE(window.lines(3 - list), otherLines);
        QCOMPARE(fieldTexts(window), fields);
        QCOMPARE(window.fakes.messages.shown.size(), 1);
    }
};

QTEST_MAIN(Form2ModesTest)
#include "form2_modes_test.moc"
