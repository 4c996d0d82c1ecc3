// Tab modes: each tab relabels the same fields and picks the result field.
// Nothing here touches what stands in a field.
#include "main_window/form1.h"

#include "app/layout.h"
#include "main_window/form1_colors.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include <array>

namespace {

// The captions of the common modes, translated where they are shown.
constexpr const char* payment = QT_TRANSLATE_NOOP("Form1", "Payment");
constexpr const char* rate = QT_TRANSLATE_NOOP("Form1", "Rate");
constexpr const char* periods = QT_TRANSLATE_NOOP("Form1", "Periods");
constexpr const char* presentValue = QT_TRANSLATE_NOOP("Form1", "Present Value");
constexpr const char* futureValue = QT_TRANSLATE_NOOP("Form1", "Future Value");
constexpr const char* investment = QT_TRANSLATE_NOOP("Form1", "Investment");
constexpr const char* simplePresentValue = QT_TRANSLATE_NOOP("Form1", "Simple Present Value");
constexpr const char* simpleFutureValue = QT_TRANSLATE_NOOP("Form1", "Simple Future Value");

// Captions of Label1..Label4 on the tabs whose result is Text(4).
struct CommonMode {
    const char* label1;
    const char* label2;
    const char* label3;
    const char* label4;
};

constexpr std::array<CommonMode, 7> commonModes = {{
    // tab  Label1         Label2        Label3   Label4 (result)
    /* 0 */ {payment,      rate,         periods, presentValue},
    /* 1 */ {payment,      rate,         periods, futureValue},
    /* 2 */ {payment,      presentValue, periods, rate},
    /* 3 */ {payment,      presentValue, rate,    periods},
    /* 4 */ {presentValue, periods,      rate,    payment},
    /* 5 */ {investment,   rate,         periods, simplePresentValue},
    /* 6 */ {investment,   rate,         periods, simpleFutureValue},
}};

constexpr int interestTab = 7;

}  // namespace

void Form1::SSTab1_Click()
{
    withdrawSchedule();
    // What the fields show is no answer of the new tab.
    m_resultShowing = false;
    const int tab = SSTab1->currentIndex();
    if (tab == interestTab)
        applyInterestMode();
    else if (tab >= 0 && tab < int(commonModes.size()))
        applyCommonMode(tab);
}

void Form1::applyCommonMode(int tab)
{
    const CommonMode& mode = commonModes[std::size_t(tab)];
    Label5->hide();
    Text1->hide();
    app::setTextColor(Label4, form1::resultColor());
    Label4->setFont(app::formFont(9.75, true));
    Text(4)->setReadOnly(true);
    setCaption(Label1, tr(mode.label1));
    setCaption(Label2, tr(mode.label2));
    setCaption(Label3, tr(mode.label3));
    setCaption(Label4, tr(mode.label4));
}

// The one mode with four inputs: the result moves to the Interest field.
void Form1::applyInterestMode()
{
    Label5->show();
    app::setTextColor(Label4, form1::buttonTextColor());
    Label4->setFont(app::formFont(9.75));
    Text1->show();
    Text1->setReadOnly(true);
    Text(4)->setReadOnly(false);
    setCaption(Label5, tr("Interest"));
    setCaption(Label1, tr("Period of interest payment"));
    setCaption(Label2, tr(rate));
    setCaption(Label3, tr(periods));
    setCaption(Label4, tr(presentValue));
}

// A field is announced by the caption beside it, so both change together.
void Form1::setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->buddy()->setAccessibleName(caption);
}
