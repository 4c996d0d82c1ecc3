// The information window: a fixed tool window with the program's help text,
// two still pictures and a link label. Form_Load fills the text when the window
// is loaded; Label1_Click asks the desktop shell to open the author's page and
// looks at nothing that comes back. Nothing else changes at run time.
#include "info_window/form3.h"

#include "app/error_guard.h"
#include "app/layout.h"
#include "info_window/click_label.h"
#include "info_window/pictures.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStringList>

namespace {

const QString authorPage = QStringLiteral("https://www.example.com/kelvarn/");

constexpr int clientWidth = 7350;   // twips
constexpr int clientHeight = 2640;  // twips

}  // namespace

// The blank lines hold four spaces; they are no text to translate.
QString Form3::informationText()
{
    const QString blank = QStringLiteral("    ");
    return QStringList{
        tr("--Mirelon presents: Quandrel Equation Calculator!--"),
        blank,
        tr("This program is a basic financial calculator."),
        blank,
        tr("You can find PV, FV, Rate, Periodic Payment, Number of periods etc. Select a tab and fill in the fields."),
        blank,
        tr("Sensitivity Analysis toolkit:"),
        tr("Using this option you can see how payment is affected when rate or periods change."),
        blank,
        tr("----IMPORTANT NOTE---- ."),
        tr("For RATE use a decimal point NOT percentage% (e.g rate= 0.11 which is 11%)"),
        tr("For Payment,Presenet Value,Future Value type minus(-) if is needed (e.g. payment= -200$)"),
        blank,
        tr("See Readme.nfo for more details."),
    }.join(QStringLiteral("\r\n"));
}

Form3::Form3(app::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_platform(platform),
      Text1(new QPlainTextEdit(this)),
      Label1(new ClickLabel(tr("My Blog (Click)"), this)),
      Image1(new QLabel(this)),
      Image2(new QLabel(this))
{
    setWindowTitle(tr("Information"));
    setFixedSize(app::pixels(clientWidth), app::pixels(clientHeight));
    setAttribute(Qt::WA_DeleteOnClose);
    // A tool window would not keep the program running by default; this one
    // does, so closing the main window alone leaves it open.
    setAttribute(Qt::WA_QuitOnClose);
    app::setColors(this, Qt::black, Qt::white);

    Text1->setObjectName(QStringLiteral("Text1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2->setObjectName(QStringLiteral("Image2"));

    // name        left   top  width height   (twips)
    app::placeControls(this, {
        {"Text1",       0,    0,  5415,  2655},
        {"Image1",   5520, 1200,  6075,  1410},
        {"Image2",   6960,    0,   345,  2565},
        {"Label1",   5520,    0,  1335,   375},
    });

    // Locked: it scrolls, selects and copies, but takes no edits.
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setFont(app::formFont(8.25, true));
    QPalette textPalette = Text1->palette();
    textPalette.setColor(QPalette::Base, Qt::black);
    textPalette.setColor(QPalette::Text, Qt::white);
    Text1->setPalette(textPalette);

    // Image1 keeps the picture's own size and runs past the window's right edge.
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(info_window::bannerPicture());
    Image2->setScaledContents(true);
    Image2->setPixmap(info_window::stripPicture());

    // Where the system's font is wider than the design's, the caption breaks at
    // its spaces rather than being cut at the box's edge.
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setFont(app::formFont(8.25, true, true));
    app::setColors(Label1, Qt::black, Qt::white);
    Label1->setCursor(info_window::handCursor());

    // Stacking, bottom first: where the pictures overlap, Image1 covers Image2.
    Label1->raise();
    Image2->raise();
    Image1->raise();
    Text1->raise();

    connect(Label1, &ClickLabel::clicked, this, app::guarded(this, m_platform.messages, &Form3::Label1_Click));
}

void Form3::load()
{
    app::guarded(this, m_platform.messages, &Form3::Form_Load)();
}

void Form3::centreOn(const QWidget& window)
{
    QRect box(QPoint(), size());
    box.moveCenter(window.frameGeometry().center());
    const QRect area = window.screen()->availableGeometry();
    box.moveLeft(qBound(area.left(), box.left(), area.right() + 1 - box.width()));
    box.moveTop(qBound(area.top(), box.top(), area.bottom() + 1 - box.height()));
    move(box.topLeft());
}

void Form3::Form_Load()
{
    Text1->setPlainText(informationText());
}

void Form3::Label1_Click()
{
    app::ShellOpenRequest request;
    request.owner = winId();
    request.operation = QStringLiteral("open");
    request.file = authorPage;
    request.showCommand = 1;
    m_platform.shell.open(request);
}
