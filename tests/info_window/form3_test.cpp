// Drives the information window as a person does: reads and types into its text,
// clicks its link; the shell is a fake that records every open request.
#include "info_window/form3.h"

#include "app/translations.h"
#include "fakes.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <memory>

using testing_support::FakePlatform;
using testing_support::ModalWatchdog;

namespace {

const QStringList expectedLines = {
    "--Mirelon presents: Quandrel Equation Calculator!--",
    "    ",
    "This program is a basic financial calculator.",
    "    ",
    "You can find PV, FV, Rate, Periodic Payment, Number of periods etc. Select a tab and fill in the fields.",
    "    ",
    "Sensitivity Analysis toolkit:",
    "Using this option you can see how payment is affected when rate or periods change.",
    "    ",
    "----IMPORTANT NOTE---- .",
    "For RATE use a decimal point NOT percentage% (e.g rate= 0.11 which is 11%)",
    "For Payment,Presenet Value,Future Value type minus(-) if is needed (e.g. payment= -200$)",
    "    ",
    "See Readme.nfo for more details.",
};

QStringList blocks(const QPlainTextEdit* edit)
{
    QStringList result;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next())
        result.append(block.text());
    return result;
}

// Share of black pixels in a grab, and whether any pixel is near white.
struct Ink {
    double black = 0;
    bool white = false;
};

Ink inkOf(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int black = 0;
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            black += c.red() + c.green() + c.blue() == 0;
            ink.white = ink.white || qMin(c.red(), qMin(c.green(), c.blue())) > 200;
        }
    }
    ink.black = double(black) / (image.width() * image.height());
    return ink;
}

// Why Label1's caption does not fit with the font this system has, wrapped at
// its spaces if need be, every line standing inside the box (only the last
// descent may be cut); empty when it fits.
QString overflowOf(const QLabel* label1)
{
    const QFontMetrics metrics(label1->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, label1->width(), 1000),
                                              Qt::AlignHCenter | Qt::TextWordWrap, label1->text());
    if (needed.width() <= label1->width() && needed.height() - metrics.descent() <= label1->height())
        return QString();
    return QString("\"%1\" needs %2x%3 px in %4")
        .arg(label1->text())
        .arg(needed.width())
        .arg(needed.height())
        .arg(QFontInfo(label1->font()).family());
}

}  // namespace

class Form3Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textIsTheFourteenLinesJoinedByCrLf();
    void reloadingShowsTheTextOnce();
    void typingChangesNothingButTextCanBeCopied();
    void longLinesWrapAndTheTextScrollsVertically();
    void isAFixedToolWindowThatUnloadsOnClose();
    void controlsSitInTheirBoxes_data();
    void controlsSitInTheirBoxes();
    void image1CoversImage2();
    void picturesAreStillAndSized();
    void colorsAreWhiteOnBlack();
    void label1ShowsTheLinkAndTheHand();
    void label1FitsInGerman();
    void eachClickOnLabel1OpensThePageOnce();
    void otherMouseActionsOpenNothing();
    void focusStartsInText1();
    void centreOnKeepsTheWindowOnScreen_data();
    void centreOnKeepsTheWindowOnScreen();

private:
    Form3* openForm();
    template <typename T>
    T* control(const char* name) { return m_form->findChild<T*>(QLatin1String(name)); }

    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<ModalWatchdog> m_watchdog;
    QPointer<Form3> m_form;
};

void Form3Test::init()
{
    m_fakes = std::make_unique<FakePlatform>();
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_form = new Form3(m_fakes->platform);
    m_form->load();
}

void Form3Test::cleanup()
{
    QVERIFY2(m_watchdog->intercepted().isEmpty(), qPrintable(m_watchdog->intercepted().join("; ")));
    QVERIFY(m_fakes->messages.shown.isEmpty());
    delete m_form;
    m_watchdog.reset();
    m_fakes.reset();
}

Form3* Form3Test::openForm()
{
    if (!testing_support::showAndExpose(m_form))
        return nullptr;
    return m_form;
}

void Form3Test::textIsTheFourteenLinesJoinedByCrLf()
{
    const QString text = Form3::informationText();
    QCOMPARE(text, expectedLines.join("\r\n"));
    QCOMPARE(text.count("\r\n"), 13);
    QVERIFY(text.startsWith("--Mirelon"));
    QVERIFY(text.endsWith("See Readme.nfo for more details."));

    // Shown with real line breaks: one paragraph per line, no stray carriage return.
    QCOMPARE(blocks(control<QPlainTextEdit>("Text1")), expectedLines);
}

void Form3Test::reloadingShowsTheTextOnce()
{
    delete m_form;
    m_form = new Form3(m_fakes->platform);
    m_form->load();
    QCOMPARE(blocks(control<QPlainTextEdit>("Text1")), expectedLines);
}

void Form3Test::typingChangesNothingButTextCanBeCopied()
{
    QVERIFY(openForm());
    auto* text1 = control<QPlainTextEdit>("Text1");
    QGuiApplication::clipboard()->setText("pasted");

    QTest::mouseClick(text1->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
    QTest::keyClicks(text1, "typed");
    QTest::keyClick(text1, Qt::Key_Return);
    QTest::keyClick(text1, Qt::Key_Backspace);
    QTest::keyClick(text1, Qt::Key_Delete);
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text1, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(text1, Qt::Key_Delete);
    QCOMPARE(blocks(text1), expectedLines);
    QVERIFY(!text1->document()->isModified());

    // Selected from the keyboard and copied, like any locked text.
    QTest::keyClick(text1, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(text1, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), expectedLines.first());
}

void Form3Test::longLinesWrapAndTheTextScrollsVertically()
{
    QVERIFY(openForm());
    auto* text1 = control<QPlainTextEdit>("Text1");
    QVERIFY(!text1->horizontalScrollBar()->isVisible());
    QCOMPARE(text1->horizontalScrollBar()->maximum(), 0);
    QVERIFY(text1->verticalScrollBar()->isVisible());
    QVERIFY(text1->verticalScrollBar()->maximum() > 0);

    text1->verticalScrollBar()->setValue(text1->verticalScrollBar()->maximum());
    QCOMPARE(text1->cursorForPosition(QPoint(4, text1->viewport()->height() - 4)).block().text(),
             expectedLines.last());
}

void Form3Test::isAFixedToolWindowThatUnloadsOnClose()
{
    QCOMPARE(m_form->windowTitle(), "Information");
    QCOMPARE(m_form->windowType(), Qt::Tool);
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_form->minimumSize(), QSize(490, 176));
    QCOMPARE(m_form->maximumSize(), QSize(490, 176));
    QVERIFY(!m_form->testAttribute(Qt::WA_SetWindowIcon));
    // Closing the main window alone must leave this one open and the program running.
    QVERIFY(m_form->testAttribute(Qt::WA_QuitOnClose));

    QVERIFY(openForm());
    QVERIFY(m_form->close());
    QTRY_VERIFY(m_form.isNull());
}

void Form3Test::controlsSitInTheirBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("box");
    QTest::newRow("Text1 at 0,0") << "Text1" << QRect(0, 0, 361, 177);
    QTest::newRow("Image1 at 368,80, past the right edge") << "Image1" << QRect(368, 80, 405, 94);
    QTest::newRow("Image2 a narrow strip at 464,0") << "Image2" << QRect(464, 0, 23, 171);
    QTest::newRow("Label1 at 368,0") << "Label1" << QRect(368, 0, 89, 25);
}

void Form3Test::controlsSitInTheirBoxes()
{
    QFETCH(QString, name);
    QFETCH(QRect, box);
    auto* widget = m_form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), box);
}

void Form3Test::image1CoversImage2()
{
    auto* image1 = control<QLabel>("Image1");
    auto* image2 = control<QLabel>("Image2");
    QCOMPARE(m_form->childAt(470, 120), image1);
    QCOMPARE(m_form->childAt(470, 40), image2);
    // Only the left 122 pixels of Image1 are inside the window.
    QCOMPARE(m_form->rect().intersected(image1->geometry()).width(), 122);
}

void Form3Test::picturesAreStillAndSized()
{
    auto* image1 = control<QLabel>("Image1");
    QImageReader reader(":/info_window/banner.gif");
    const QImage firstFrame = reader.read().convertToFormat(QImage::Format_ARGB32);
    const QImage secondFrame = reader.read().convertToFormat(QImage::Format_ARGB32);
    const QImage shown = image1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), QSize(405, 94));
    QVERIFY(shown == firstFrame);
    QVERIFY(shown != secondFrame);
    QVERIFY(!image1->movie());
    QVERIFY(!image1->hasScaledContents());

    auto* image2 = control<QLabel>("Image2");
    QCOMPARE(image2->pixmap().size(), QSize(55, 171));
    QVERIFY(image2->hasScaledContents());
    QCOMPARE(image2->grab().size(), QSize(23, 171));
}

void Form3Test::colorsAreWhiteOnBlack()
{
    QVERIFY(openForm());
    const QImage window = m_form->grab().toImage();
    QCOMPARE(window.pixelColor(488, 40), QColor(Qt::black));

    const Ink text = inkOf(control<QPlainTextEdit>("Text1")->viewport());
    QVERIFY2(text.black > 0.5, qPrintable(QString::number(text.black)));
    QVERIFY(text.white);
    const Ink label = inkOf(control<QLabel>("Label1"));
    QVERIFY2(label.black > 0.5, qPrintable(QString::number(label.black)));
    QVERIFY(label.white);
}

void Form3Test::label1ShowsTheLinkAndTheHand()
{
    auto* label1 = control<QLabel>("Label1");
    QCOMPARE(label1->text(), "My Blog (Click)");
    QCOMPARE(label1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(label1->font().bold());
    QVERIFY(label1->font().underline());
    QCOMPARE(label1->font().pointSizeF(), 8.25);
    QCOMPARE(label1->focusPolicy(), Qt::NoFocus);

    QVERIFY2(overflowOf(label1).isEmpty(), qPrintable(overflowOf(label1)));
    QVERIFY(label1->wordWrap());

    const QCursor cursor = label1->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
}

void Form3Test::label1FitsInGerman()
{
    QVERIFY(app::installTranslators(QLocale(QLocale::German, QLocale::Germany)));
    Form3 german(m_fakes->platform);
    app::installTranslators(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto* label1 = german.findChild<QLabel*>(QLatin1String("Label1"));
    QVERIFY2(overflowOf(label1).isEmpty(), qPrintable(overflowOf(label1)));
}

void Form3Test::eachClickOnLabel1OpensThePageOnce()
{
    QVERIFY(openForm());
    auto* label1 = control<QLabel>("Label1");
    QTest::mouseClick(label1, Qt::LeftButton);
    QCOMPARE(m_fakes->shell.requests.size(), 1);

    const app::ShellOpenRequest request = m_fakes->shell.requests.first();
    QCOMPARE(request.owner, m_form->winId());
    QCOMPARE(request.operation, "open");
    QVERIFY(request.file.startsWith("https://www.example.com/"));
    QVERIFY(request.parameters.isNull());
    QVERIFY(request.directory.isNull());
    QCOMPARE(request.showCommand, 1);

    QTest::mouseClick(label1, Qt::LeftButton);
    QCOMPARE(m_fakes->shell.requests.size(), 2);
    QVERIFY(m_form->isVisible());

    // Through the window, so that the platform makes the double click.
    QTest::mouseDClick(m_form->windowHandle(), Qt::LeftButton, {}, label1->geometry().center());
    QCOMPARE(m_fakes->shell.requests.size(), 3);
}

void Form3Test::otherMouseActionsOpenNothing()
{
    QVERIFY(openForm());
    auto* label1 = control<QLabel>("Label1");
    QTest::mouseClick(label1, Qt::RightButton);
    QTest::mousePress(label1, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(label1, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseClick(control<QWidget>("Image1"), Qt::LeftButton);
    QTest::mouseClick(control<QWidget>("Image2"), Qt::LeftButton);
    QCOMPARE(m_fakes->shell.requests.size(), 0);
}

void Form3Test::focusStartsInText1()
{
    QVERIFY(openForm());
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("Text1"));
}

void Form3Test::centreOnKeepsTheWindowOnScreen_data()
{
    QTest::addColumn<QRect>("mainWindow");
    QTest::addColumn<QPoint>("topLeft");
    // The offscreen test screen is 800 x 800; the information window is 490 x 176.
    QTest::newRow("centred on a window mid-screen") << QRect(100, 100, 400, 300) << QPoint(55, 162);
    QTest::newRow("held at the top-left corner") << QRect(0, 0, 200, 150) << QPoint(0, 0);
    QTest::newRow("held at the bottom-right corner") << QRect(700, 700, 100, 100) << QPoint(310, 624);
}

void Form3Test::centreOnKeepsTheWindowOnScreen()
{
    QFETCH(QRect, mainWindow);
    QFETCH(QPoint, topLeft);
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
    QWidget main;
    main.setGeometry(mainWindow);
    m_form->centreOn(main);
    QCOMPARE(m_form->pos(), topLeft);
}

QTEST_MAIN(Form3Test)
#include "form3_test.moc"
