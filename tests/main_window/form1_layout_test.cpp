// The window as designed: every control in its box (twips), fonts, colours,
// the fixed client area below the menu bar, the menus, the focus order, and
// every caption fitting its box, in English and in German, with the fonts this
// system actually has.
#include "form1_driver.h"
#include "twips.h"
#include "app/form_button.h"
#include "main_window/tab_strip.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>

#include <optional>

using testing_support::pixels;

namespace {

// Whether text, wrapped as the control draws it, fits box.
bool fits(const QFont& font, const QRect& box, int flags, const QString& text, QString* why)
{
    const QRect needed = QFontMetrics(font).boundingRect(QRect(box.topLeft(), QSize(box.width(), 10000)), flags, text);
    *why = QStringLiteral("\"%1\" needs %2x%3 px, has %4x%5 px in %6 %7pt")
               .arg(text)
               .arg(needed.width())
               .arg(needed.height())
               .arg(box.width())
               .arg(box.height())
               .arg(QFontInfo(font).family())
               .arg(font.pointSizeF());
    return needed.width() <= box.width() && needed.height() <= box.height();
}

QColor pixelAt(QWidget* widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point * widget->devicePixelRatioF());
}

}  // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlInItsBox_data();
    void everyControlInItsBox();
    void fixedClientAreaBelowTheMenuBar();
    void fontsAsDesigned_data();
    void fontsAsDesigned();
    void coloursAsDesigned();
    void captionFitsItsBox_data();
    void captionFitsItsBox();
    void tabsInOneRowAcrossTheStrip();
    void captionsStayWholeForAssistiveTechnology();
    void menusAsDesigned();
    void focusOrderFollowsTheDesign_data();
    void focusOrderFollowsTheDesign();
};

void Form1LayoutTest::everyControlInItsBox_data()
{
    QTest::addColumn<QRect>("twips");
    // name                                left   top  width height   (twips)
    QTest::newRow("SSTab1")   << QRect(     0,    0,  7725,   855);
    QTest::newRow("Label1")   << QRect(   120, 1560,  1575,   615);
    QTest::newRow("Text(1)")  << QRect(  1680, 1560,  1215,   495);
    QTest::newRow("Label2")   << QRect(   120, 2280,  1335,   495);
    QTest::newRow("Text(2)")  << QRect(  1680, 2280,  1215,   495);
    QTest::newRow("Label3")   << QRect(   120, 3000,  1335,   495);
    QTest::newRow("Text(3)")  << QRect(  1680, 3000,  1215,   495);
    QTest::newRow("Label4")   << QRect(   120, 3720,  1455,   735);
    QTest::newRow("Text(4)")  << QRect(  1680, 3720,  1215,   495);
    QTest::newRow("Label5")   << QRect(   120, 4440,  1335,   495);
    QTest::newRow("Text1")    << QRect(  1680, 4440,  1215,   495);
    QTest::newRow("timingMarker") << QRect(  3240, 1560,  1815,   495);
    QTest::newRow("Command4") << QRect(  7560, 4680,   255,  1215);
    QTest::newRow("Command1") << QRect(  1560, 5400,  1215,   495);
    QTest::newRow("Command3") << QRect(  3000, 5400,  1335,   495);
    QTest::newRow("Command2") << QRect(  4560, 5400,  1215,   495);
    QTest::newRow("Command5") << QRect(  5880, 5400,  1215,   495);
}

void Form1LayoutTest::everyControlInItsBox()
{
    QFETCH(QRect, twips);
    Form1Driver d;
    QCOMPARE(d.control(QTest::currentDataTag())->geometry(), pixels(twips));
}

void Form1LayoutTest::fixedClientAreaBelowTheMenuBar()
{
    Form1Driver d;
    Form1& form = *d.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Quandrel Calculator"));
    QWidget* client = form.centralWidget();
    QCOMPARE(client->size(), QSize(pixels(7815), pixels(6060)));
    QCOMPARE(client->y(), form.menuBar()->geometry().bottom() + 1);
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.size(), form.minimumSize());

    QVERIFY(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

void Form1LayoutTest::fontsAsDesigned_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("SSTab1") << 9.75 << false;
    QTest::newRow("Label1") << 9.75 << false;
    QTest::newRow("Label4") << 9.75 << true;
    QTest::newRow("Label5") << 9.75 << true;
    QTest::newRow("Text(1)") << 12.0 << false;
    QTest::newRow("Text1") << 12.0 << false;
    QTest::newRow("Command1") << 9.75 << true;
    QTest::newRow("Command4") << 9.75 << true;
}

void Form1LayoutTest::fontsAsDesigned()
{
    QFETCH(double, points);
    QFETCH(bool, bold);

    Form1Driver d;
    const QFont font = d.control(QTest::currentDataTag())->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);

    // The design's face where the system has it, else a face of its width,
    // else the system's sans-serif.
    QFont sans(QStringLiteral("sans-serif"));
    sans.setStyleHint(QFont::SansSerif);
    QString expected = QFontInfo(sans).family();
    const QStringList installed = QFontDatabase::families();
    for (const char* face : {"Liberation Sans", "Arial", "Microsoft Sans Serif", "MS Sans Serif"})
        if (installed.contains(QLatin1String(face)))
            expected = QLatin1String(face);
    QCOMPARE(QFontInfo(font).family(), expected);
}

void Form1LayoutTest::coloursAsDesigned()
{
    Form1Driver d;
    const QColor back(192, 255, 255);  // &H00FFFFC0
    // Blank spots: between the tab strip and the first label, a label's empty
    // corner, and the face of a graphical button beside its caption.
    QCOMPARE(pixelAt(d.form->centralWidget(), QPoint(4, 80)), back);
    QCOMPARE(pixelAt(d.label(1), QPoint(d.label(1)->width() - 3, d.label(1)->height() - 3)), back);
    for (const char* name : {"Command1", "Command2", "Command3", "Command5"})
        QCOMPARE(pixelAt(d.control(name), QPoint(5, d.control(name)->height() / 2)), back);

    QCOMPARE(d.label(4)->palette().color(QPalette::WindowText), QColor(255, 128, 0));  // &H000080FF
    QCOMPARE(d.label(5)->palette().color(QPalette::WindowText), QColor(255, 128, 0));
}

void Form1LayoutTest::captionFitsItsBox_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("german");

    const auto row = [](const char* control, int tab, const char* caption) {
        QTest::addRow("%s on tab %d, \"%s\"", control, tab, caption) << tab << QString::fromLatin1(control) << false;
        QTest::addRow("%s on tab %d, \"%s\" in German", control, tab, caption)
            << tab << QString::fromLatin1(control) << true;
    };
    row("Label1", 0, "Payment");
    row("Label1", 4, "Present Value");
    row("Label1", 5, "Investment");
    row("Label1", 7, "Period of interest payment");
    row("Label2", 0, "Rate");
    row("Label2", 2, "Present Value");
    row("Label2", 4, "Periods");
    row("Label3", 0, "Periods");
    row("Label3", 3, "Rate");
    row("Label4", 0, "Present Value");
    row("Label4", 1, "Future Value");
    row("Label4", 2, "Rate");
    row("Label4", 3, "Periods");
    row("Label4", 4, "Payment");
    row("Label4", 5, "Simple Present Value");
    row("Label4", 6, "Simple Future Value");
    row("Label4", 7, "Present Value");
    row("Label5", 7, "Interest");
    row("timingMarker", 0, "BEGIN");
    row("Command1", 0, "Run");
    row("Command2", 0, "Exit");
    row("Command3", 0, "Clear Fields");
    row("Command4", 0, "INFO");
    row("Command5", 0, "Sensitivity Analysis");
    const char* const tabCaptions[] = {"Present Value (PVOA)", "Future Value (FVOA)", "Rate", "Periods (Nper)",
                                       "Payment (pmt)", "Present Value (PV)", "Future Value (FV)", "Interest (Ipmt)"};
    for (int tab = 0; tab < 8; ++tab)
        row("SSTab1", tab, tabCaptions[tab]);
}

void Form1LayoutTest::captionFitsItsBox()
{
    QFETCH(int, tab);
    QFETCH(QString, control);
    QFETCH(bool, german);

    std::optional<testing_support::InGerman> inGerman;
    if (german) {
        inGerman.emplace();
        QVERIFY(inGerman->installed);
    }
    Form1Driver d;
    d.clickTab(tab);
    QWidget* widget = d.control(qPrintable(control));
    QFont font = widget->font();
    QRect box;
    int flags = 0;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        box = label->contentsRect();
        flags = Qt::TextWordWrap | int(label->alignment());
        text = label->text();
    } else if (auto* tabs = dynamic_cast<TabStrip*>(widget)) {
        box = tabs->captionRect(tab);
        flags = TabStrip::captionFlags;
        text = tabs->tabText(tab);
    } else {
        auto* button = dynamic_cast<FormButton*>(widget);
        QVERIFY(button);
        box = button->captionRect();
        flags = FormButton::captionFlags;
        text = button->displayedCaption();
    }

    QString why;
    if (fits(font, box, flags, text, &why))
        return;
    // The design's measures hold for its face and for the stand-ins of its
    // width; the system's default face, wider still, is only reported.
    const QString family = QFontInfo(font).family();
    if (!QStringList{"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans"}.contains(family))
        QSKIP(qPrintable(QStringLiteral("does not fit with the system's default face: ") + why));
    QFAIL(qPrintable(why));
}

void Form1LayoutTest::tabsInOneRowAcrossTheStrip()
{
    Form1Driver d;
    QTabBar* tabs = d.tabs();
    QCOMPARE(tabs->tabRect(0).topLeft(), QPoint(0, 0));
    for (int i = 1; i < tabs->count(); ++i)
        QCOMPARE(tabs->tabRect(i).topLeft(), tabs->tabRect(i - 1).topRight() + QPoint(1, 0));
    QCOMPARE(tabs->tabRect(7).right(), tabs->width() - 1);
    QCOMPARE(tabs->tabRect(0).height(), pixels(800));
}

void Form1LayoutTest::captionsStayWholeForAssistiveTechnology()
{
    Form1Driver d;
    QAccessibleInterface* info = QAccessible::queryAccessibleInterface(d.control("Command4"));
    QVERIFY(info);
    QCOMPARE(info->text(QAccessible::Name), QStringLiteral("INFO"));

    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(d.tabs());
    QVERIFY(tabs);
    QStringList names;
    for (int i = 0; i < tabs->childCount(); ++i)
        names << tabs->child(i)->text(QAccessible::Name);
    QVERIFY2(names.contains(QStringLiteral("Present Value (PVOA)")), qPrintable(names.join(" | ")));
    QVERIFY2(names.contains(QStringLiteral("Interest (Ipmt)")), qPrintable(names.join(" | ")));

    QAccessibleInterface* payment = QAccessible::queryAccessibleInterface(d.field(1));
    QVERIFY(payment);
    QCOMPARE(payment->text(QAccessible::Name), QStringLiteral("Payment"));
}

void Form1LayoutTest::menusAsDesigned()
{
    struct Item {
        QString text;
        QString name;
        QKeySequence shortcut;
    };
    const QList<std::pair<QString, QList<Item>>> expected = {
        {"&File", {{"&Exit", "Exit", {}}}},
        {"&Tools",
         {{"&Amortization Schedule...", "scheduleAction", QKeySequence(Qt::CTRL | Qt::Key_M)},
          {"&Cash Flows...", "cashFlowsAction", {}},
          {"&Loan Planner...", "loanPlannerAction", {}},
          {"Co&mparison...", "comparisonAction", {}},
          {"", "", {}},
          {"Payments at Period &Start", "paymentsAtStart", QKeySequence(Qt::CTRL | Qt::Key_B)}}},
        {"&Help", {{"&About", "About", {}}}},
    };
    Form1Driver d;
    const QList<QAction*> menus = d.form->menuBar()->actions();
    QCOMPARE(menus.size(), expected.size());
    for (int i = 0; i < menus.size(); ++i) {
        QCOMPARE(menus[i]->text(), expected[i].first);
        const QList<QAction*> items = menus[i]->menu()->actions();
        QCOMPARE(items.size(), expected[i].second.size());
        for (int j = 0; j < items.size(); ++j) {
            QCOMPARE(items[j]->text(), expected[i].second[j].text);
            QCOMPARE(items[j]->objectName(), expected[i].second[j].name);
            QCOMPARE(items[j]->shortcut(), expected[i].second[j].shortcut);
        }
    }
    // Every start of the program has payments at the end.
    QVERIFY(d.paymentsAtStart()->isCheckable());
    QVERIFY(!d.paymentsAtStart()->isChecked());
}

void Form1LayoutTest::focusOrderFollowsTheDesign_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("tab 0, Text1 hidden") << 0
        << QStringList{"Text(1)", "Text(2)", "Text(3)", "Text(4)", "SSTab1", "Command1", "Command2",
                       "Command3", "Command4", "Command5", "Text(1)"};
    QTest::newRow("tab 7, Text1 shown") << 7
        << QStringList{"Text(1)", "Text(2)", "Text(3)", "Text(4)", "SSTab1", "Command1", "Command2",
                       "Command3", "Command4", "Text1", "Command5", "Text(1)"};
}

void Form1LayoutTest::focusOrderFollowsTheDesign()
{
    QFETCH(int, tab);
    QFETCH(QStringList, order);

    Form1Driver d;
    d.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d.form));
    QCOMPARE(QApplication::focusWidget(), d.field(1));

    d.clickTab(tab);
    d.field(1)->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
