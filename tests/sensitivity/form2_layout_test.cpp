// The window as designed: every control in its box (twips, 15 to a pixel),
// its font, caption and colours, the drawn strokes, the focus order, and
// captions that fit their boxes, in English and in German, with the fonts
// actually present.
#include "form2_driver.h"
#include "twips.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionButton>

#include "sensitivity/line_control.h"

using testing_support::pixels;

namespace {

// The width a control has for its one line of caption.
int captionRoom(QWidget* control)
{
    if (control->inherits("QRadioButton"))
        return control->width() - control->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
               - control->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    }
    return control->width();
}

}  // namespace

class Form2LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void windowIsFixedAndGreen()
    {
        Form2Driver window;
        QCOMPARE(window.form->windowTitle(), QStringLiteral("Sensitivity Analysis"));
        QCOMPARE(window.form->size(), QSize(pixels(9810), pixels(6735)));
        QCOMPARE(window.form->minimumSize(), window.form->maximumSize());
        const Qt::WindowFlags flags = window.form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(window.form->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(window.form->palette().color(QPalette::Window), QColor(192, 255, 192));
    }

    void controlSitsInItsBox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");

        const auto row = [](const char* name, int left, int top, int width, int height, const char* caption,
                            double points, bool bold) {
            QTest::newRow(name) << QString(name) << QRect(left, top, width, height) << QString(caption) << points
                                << bold;
        };
        row("Label1", 240, 360, 1215, 495, "Loan (PV)", 9.75, true);
        row("Text5", 1560, 360, 1335, 495, "Fill in!", 12, false);
        row("Option1", 840, 1320, 1215, 495, "RATE", 9.75, false);
        row("Option2", 2280, 1320, 1335, 495, "PERIODS", 9.75, false);
        row("Label2", 1560, 2040, 1455, 495, "Lower Bound", 9.75, true);
        row("Text(1)", 960, 2400, 1215, 495, "", 12, false);
        row("Text(4)", 2280, 2400, 1215, 495, "", 12, false);
        row("Label8", 720, 2640, 255, 255, "R", 8.25, true);
        row("Label9", 720, 2880, 255, 255, "A", 8.25, true);
        row("Label10", 720, 3120, 255, 255, "T", 8.25, true);
        row("Label11", 720, 3360, 255, 255, "E", 8.25, true);
        row("Label14", 3600, 2400, 255, 255, "P", 8.25, true);
        row("Label15", 3600, 2640, 135, 255, "E", 8.25, true);
        row("Label16", 3600, 2880, 135, 255, "R", 8.25, true);
        row("Label17", 3600, 3120, 255, 255, "I", 8.25, true);
        row("Label18", 3600, 3360, 255, 255, "O", 8.25, true);
        row("Label19", 3600, 3600, 135, 255, "D", 8.25, true);
        row("Label20", 3600, 3840, 255, 255, "S", 8.25, true);
        row("Label3", 1560, 3120, 1455, 495, "Upper Bound", 9.75, true);
        row("Text(2)", 960, 3480, 1215, 495, "", 12, false);
        row("Text(5)", 2280, 3480, 1215, 495, "", 12, false);
        row("Label12", 240, 4320, 735, 495, "Periods", 9.75, false);
        row("Text(3)", 960, 4320, 1215, 495, "", 12, false);
        row("Text(6)", 2280, 4320, 1215, 495, "", 12, false);
        row("Label13", 3600, 4320, 735, 495, "Rate", 9.75, false);
        row("Command1", 960, 5040, 1215, 495, "Run", 9.75, false);
        row("Command6", 2280, 5040, 1215, 495, "Run", 9.75, false);
        row("Command2", 1440, 5640, 1215, 495, "Clear Fields", 9.75, false);
        row("Label4", 4440, 240, 1455, 495, "PAYMENT     //", 9.75, false);
        row("Label5", 6000, 240, 1215, 495, "RATE", 9.75, false);
        row("List1", 4440, 600, 3975, 1260, "", 12, false);
        row("Command3", 8520, 960, 1215, 495, "Clear list", 9.75, false);
        row("Label7", 4440, 2400, 1335, 495, "PAYMENT     //", 9.75, false);
        row("Label6", 5880, 2400, 1215, 495, "PERIODS", 9.75, false);
        row("List2", 4440, 2760, 3975, 1260, "", 12, false);
        row("Command4", 8520, 3360, 1215, 495, "Clear list", 9.75, false);
        row("timingMarker", 4440, 5040, 1815, 495, "BEGIN", 9.75, true);
    }

    void controlSitsInItsBox()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(double, points);
        QFETCH(bool, bold);

        Form2Driver window;
        // Payments at the start, so that the marker shows too.
        window.timing.setTiming(finance::PaymentTiming::Begin);
        QWidget* control = window.control(qPrintable(name));
        QCOMPARE(control->geometry(), pixels(twips));
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().bold(), bold);
        QVERIFY(control->isVisible());

        const QFontMetrics metrics(control->font());
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            shown = label->text();
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            shown = button->text();
            if (button->inherits("QRadioButton"))
                QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(Qt::black));
            else
                QCOMPARE(button->palette().color(QPalette::Button), QColor(192, 255, 192));
        } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
            shown = field->text();
        }
        QCOMPARE(shown, caption);
        const int needed = metrics.horizontalAdvance(caption);
        const int room = captionRoom(control);
        QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 px for %2 px of room").arg(needed).arg(room)));
        QVERIFY(metrics.height() <= control->height());
    }

    void everyCaptionFitsInGerman()
    {
        const testing_support::InGerman german;
        QVERIFY(german.installed);
        Form2Driver window;

        QStringList tooWide;
        for (QWidget* control : window.form->findChildren<QWidget*>()) {
            QString caption;
            if (auto* label = qobject_cast<QLabel*>(control))
                caption = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                caption = button->text();
            else if (auto* field = qobject_cast<QLineEdit*>(control))
                caption = field->text();
            else
                continue;
            const QFontMetrics metrics(control->font());
            if (metrics.horizontalAdvance(caption) > captionRoom(control) || metrics.height() > control->height())
                tooWide << control->objectName() + QStringLiteral(": ") + caption;
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QStringLiteral(", "))));
    }

    void germanWordsWrittenDownwardsHaveOneLetterToALabel_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("word");
        QTest::newRow("rate") << 8 << 11 << "RATE";
        QTest::newRow("periods") << 14 << 20 << "PERIODS";
    }

    void germanWordsWrittenDownwardsHaveOneLetterToALabel()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, word);

        const testing_support::InGerman german;
        QVERIFY(german.installed);
        Form2Driver window;
        QString letters;
        for (int i = first; i <= last; ++i) {
            const QString letter = window.control<QLabel>(qPrintable(QStringLiteral("Label%1").arg(i)))->text();
            QCOMPARE(letter.size(), 1);
            letters += letter;
        }
        QCOMPARE(letters, QCoreApplication::translate("Form2", qPrintable(word), "downwards"));
    }

    void strokesJoinLabelsToFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QLine>("twips");
        QTest::newRow("Line1") << "Line1" << QLine(1800, 2400, 2040, 2280);
        QTest::newRow("Line2") << "Line2" << QLine(2400, 2280, 2640, 2400);
        QTest::newRow("Line4") << "Line4" << QLine(2040, 3360, 1800, 3480);
        QTest::newRow("Line3") << "Line3" << QLine(2400, 3360, 2640, 3480);
    }

    void strokesJoinLabelsToFields()
    {
        QFETCH(QString, name);
        QFETCH(QLine, twips);

        Form2Driver window;
        auto* line = window.form->findChild<sensitivity::LineControl*>(name);
        QVERIFY(line);
        const QPoint start = pixels(twips.p1());
        const QPoint end = pixels(twips.p2());
        QCOMPARE(line->start(), start);
        QCOMPARE(line->end(), end);
        // Drawn on the window beneath the fields, which may cover an end pixel.
        const QImage image = window.form->grab().toImage();
        QCOMPARE(image.pixelColor((start + end) / 2), QColor(Qt::black));
    }

    void focusFollowsTheDesignOrder()
    {
        Form2Driver window;
        const QStringList order{"Option1", "Option2", "Text(1)", "Text(2)", "Text(4)", "Text(5)", "Text5", "Command1",
                                "Command2", "Command3", "List1", "List2", "Command4", "Text(3)", "Text(6)", "Command6"};
        QStringList chain;
        QWidget* widget = window.control("Option1");
        do {
            if (order.contains(widget->objectName()))
                chain.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != window.control("Option1"));
        QCOMPARE(chain, order);
    }

    void fieldsAndListsHaveAccessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("Text5") << "Text5" << "Loan (PV)";
        QTest::newRow("Text(1)") << "Text(1)" << "Lower Bound";
        QTest::newRow("Text(2)") << "Text(2)" << "Upper Bound";
        QTest::newRow("Text(3)") << "Text(3)" << "Periods";
        QTest::newRow("Text(4)") << "Text(4)" << "Lower Bound";
        QTest::newRow("Text(5)") << "Text(5)" << "Upper Bound";
        QTest::newRow("Text(6)") << "Text(6)" << "Rate";
        QTest::newRow("List1") << "List1" << "Payments by rate";
        QTest::newRow("List2") << "List2" << "Payments by periods";
    }

    void fieldsAndListsHaveAccessibleNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, accessibleName);
        Form2Driver window;
        QCOMPARE(window.control(qPrintable(name))->accessibleName(), accessibleName);
    }
};

QTEST_MAIN(Form2LayoutTest)
#include "form2_layout_test.moc"
