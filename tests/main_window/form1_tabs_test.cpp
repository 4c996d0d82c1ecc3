// The window's start and its tab modes: the greeting on load, each tab's
// captions, result field and colours, accessible names that follow the
// captions, and fields that keep their text whatever tab is selected.
#include "form1_driver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>

namespace {

// What a tab mode decides, one line per property, so a difference reads plainly.
QStringList describeMode(const Form1Driver& d)
{
    QStringList lines;
    for (int i = 1; i <= 5; ++i)
        lines << QStringLiteral("Label%1 \"%2\"%3").arg(i).arg(d.label(i)->text(), d.label(i)->isVisible() ? "" : " hidden");
    for (int i = 1; i <= 4; ++i)
        lines << QStringLiteral("Text(%1) named \"%2\"%3")
                     .arg(i)
                     .arg(d.field(i)->accessibleName(), d.field(i)->isReadOnly() ? " read-only" : "");
    QLineEdit* interest = d.interestField();
    lines << QStringLiteral("Text1 named \"%1\"%2%3")
                 .arg(interest->accessibleName(), interest->isReadOnly() ? " read-only" : "",
                      interest->isVisible() ? "" : " hidden");
    lines << QStringLiteral("Label4 colour %1%2")
                 .arg(d.label(4)->palette().color(QPalette::WindowText).name(), d.label(4)->font().bold() ? " bold" : "");
    return lines;
}

// The same description built from a row of the design's tab table.
QStringList expectedMode(const QStringList& captions, bool interest)
{
    const QString systemText = QGuiApplication::palette().color(QPalette::ButtonText).name();
    const QString hidden = interest ? "" : " hidden";
    return {
        QStringLiteral("Label1 \"%1\"").arg(captions[0]),
        QStringLiteral("Label2 \"%1\"").arg(captions[1]),
        QStringLiteral("Label3 \"%1\"").arg(captions[2]),
        QStringLiteral("Label4 \"%1\"").arg(captions[3]),
        QStringLiteral("Label5 \"Interest\"%1").arg(hidden),
        QStringLiteral("Text(1) named \"%1\"").arg(captions[0]),
        QStringLiteral("Text(2) named \"%1\"").arg(captions[1]),
        QStringLiteral("Text(3) named \"%1\"").arg(captions[2]),
        QStringLiteral("Text(4) named \"%1\"%2").arg(captions[3], interest ? "" : " read-only"),
        QStringLiteral("Text1 named \"Interest\" read-only%1").arg(hidden),
        interest ? QStringLiteral("Label4 colour %1").arg(systemText) : QStringLiteral("Label4 colour #ff8000 bold"),
    };
}

}  // namespace

class Form1TabsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void greetsOnLoadThenHidesTheInterestField();
    void opensInTheFirstTabsMode();
    void eachTabSetsItsMode_data();
    void eachTabSetsItsMode();
    void anySequenceOfTabsEqualsTheLastAlone_data();
    void anySequenceOfTabsEqualsTheLastAlone();
    void keyboardSelectsTabs();
    void fieldsKeepTheirTextAcrossTabs();
    void resultFieldTakesTypingOnlyOnTheInterestTab();
};

void Form1TabsTest::greetsOnLoadThenHidesTheInterestField()
{
    testing_support::FakePlatform fakes;
    Form1 form(fakes.platform);
    form.load();

    QCOMPARE(fakes.messages.shown.size(), 1);
    const app::Message& greeting = fakes.messages.shown.first();
    QCOMPARE(greeting.text, QStringLiteral("Welcome to Quandrel Calculator!\r\nPress INFO for more information"));
    QCOMPARE(greeting.title, QStringLiteral("Kelvarn"));
    QCOMPARE(greeting.icon, app::Icon::None);
    QCOMPARE(greeting.buttons, app::Buttons::Ok);
    QVERIFY(form.findChild<QWidget*>("Label5")->isHidden());
    QVERIFY(form.findChild<QWidget*>("Text1")->isHidden());
}

void Form1TabsTest::opensInTheFirstTabsMode()
{
    Form1Driver d;
    QCOMPARE(d.tabs()->currentIndex(), 0);
    QCOMPARE(describeMode(d), expectedMode({"Payment", "Rate", "Periods", "Present Value"}, false));
}

void Form1TabsTest::eachTabSetsItsMode_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("tabCaption");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<bool>("interest");

    QTest::newRow("0, present value of an annuity")
        << 0 << "Present Value (PVOA)" << QStringList{"Payment", "Rate", "Periods", "Present Value"} << false;
    QTest::newRow("1, future value of an annuity")
        << 1 << "Future Value (FVOA)" << QStringList{"Payment", "Rate", "Periods", "Future Value"} << false;
    QTest::newRow("2, rate") << 2 << "Rate" << QStringList{"Payment", "Present Value", "Periods", "Rate"} << false;
    QTest::newRow("3, periods")
        << 3 << "Periods (Nper)" << QStringList{"Payment", "Present Value", "Rate", "Periods"} << false;
    QTest::newRow("4, payment")
        << 4 << "Payment (pmt)" << QStringList{"Present Value", "Periods", "Rate", "Payment"} << false;
    QTest::newRow("5, present value of a single sum")
        << 5 << "Present Value (PV)" << QStringList{"Investment", "Rate", "Periods", "Simple Present Value"} << false;
    QTest::newRow("6, future value of a single sum")
        << 6 << "Future Value (FV)" << QStringList{"Investment", "Rate", "Periods", "Simple Future Value"} << false;
    QTest::newRow("7, interest")
        << 7 << "Interest (Ipmt)" << QStringList{"Period of interest payment", "Rate", "Periods", "Present Value"}
        << true;
}

void Form1TabsTest::eachTabSetsItsMode()
{
    QFETCH(int, tab);
    QFETCH(QString, tabCaption);
    QFETCH(QStringList, captions);
    QFETCH(bool, interest);

    Form1Driver d;
    QCOMPARE(d.tabs()->count(), 8);
    QCOMPARE(d.tabs()->tabText(tab), tabCaption);

    // Arrive from the other kind of mode, so that every property has to change.
    d.clickTab(interest ? 3 : 7);
    d.clickTab(tab);
    QCOMPARE(d.tabs()->currentIndex(), tab);
    QCOMPARE(describeMode(d), expectedMode(captions, interest));
}

void Form1TabsTest::anySequenceOfTabsEqualsTheLastAlone_data()
{
    QTest::addColumn<QList<int>>("sequence");
    QTest::newRow("interest tab twice") << QList<int>{7, 7};
    QTest::newRow("into interest, out, back in") << QList<int>{7, 2, 7};
    QTest::newRow("out of interest to the periods tab") << QList<int>{5, 7, 3};
    QTest::newRow("every tab, back to the first") << QList<int>{1, 2, 3, 4, 5, 6, 7, 0};
    QTest::newRow("two common tabs") << QList<int>{6, 4};
}

void Form1TabsTest::anySequenceOfTabsEqualsTheLastAlone()
{
    QFETCH(QList<int>, sequence);

    Form1Driver walked;
    for (int tab : sequence)
        walked.clickTab(tab);
    Form1Driver direct;
    direct.clickTab(sequence.last());

    QCOMPARE(describeMode(walked), describeMode(direct));
}

void Form1TabsTest::keyboardSelectsTabs()
{
    Form1Driver d;
    d.tabs()->setFocus();
    QTest::keyClick(d.tabs(), Qt::Key_Right);
    QCOMPARE(d.tabs()->currentIndex(), 1);
    QCOMPARE(d.label(4)->text(), QStringLiteral("Future Value"));
    QCOMPARE(d.field(4)->accessibleName(), QStringLiteral("Future Value"));
}

void Form1TabsTest::fieldsKeepTheirTextAcrossTabs()
{
    Form1Driver d;
    d.type({"123"});
    d.clickTab(4);
    QCOMPARE(d.field(1)->text(), QStringLiteral("123"));
    QCOMPARE(d.field(1)->accessibleName(), QStringLiteral("Present Value"));

    d.field(1)->clear();
    d.run(7, {"1", "0.1", "10", "12345"});
    QCOMPARE(d.interestField()->text(), QStringLiteral("-1234.5"));
    d.clickTab(2);
    QVERIFY(!d.interestField()->isVisible());
    d.clickTab(7);
    QVERIFY(d.interestField()->isVisible());
    QCOMPARE(d.interestField()->text(), QStringLiteral("-1234.5"));
    QCOMPARE(d.fieldTexts(), QStringList({"1", "0.1", "10", "12345", "-1234.5"}));

    d.clickTab(3);
    QCOMPARE(d.fieldTexts(), QStringList({"1", "0.1", "10", "12345", "-1234.5"}));
}

void Form1TabsTest::resultFieldTakesTypingOnlyOnTheInterestTab()
{
    Form1Driver d;
    d.run(0, {"100", "0.1", "10"});
    QTest::keyClicks(d.field(4), "9");
    QCOMPARE(d.field(4)->text(), QStringLiteral("-614.46"));

    // Read-only, yet the answer can be selected and copied.
    d.field(4)->setFocus();
    QTest::keySequence(d.field(4), QKeySequence::SelectAll);
    QTest::keySequence(d.field(4), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("-614.46"));

    d.clickTab(7);
    QTest::keyClick(d.field(4), Qt::Key_End);
    QTest::keyClicks(d.field(4), "9");
    QCOMPARE(d.field(4)->text(), QStringLiteral("-614.469"));
}

QTEST_MAIN(Form1TabsTest)
#include "form1_tabs_test.moc"
