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

// Captions of Label1..Label4 on the tabs whose result is Text(4).
struct CommonMode {
    const char* label1;
    const char* label2;
    const char* label3;
    const char* label4;
};

constexpr std::array<CommonMode, 7> commonModes = {{
    // tab  Label1           Label2           Label3     Label4 (result)
    /* 0 */ {"Payment",       "Rate",          "Periods", "Present Value"},
    /* 1 */ {"Payment",       "Rate",          "Periods", "Future Value"},
    /* 2 */ {"Payment",       "Present Value", "Periods", "Rate"},
    /* 3 */ {"Payment",       "Present Value", "Rate",    "Periods"},
    /* 4 */ {"Present Value", "Periods",       "Rate",    "Payment"},
    /* 5 */ {"Investment",    "Rate",          "Periods", "Simple Present Value"},
    /* 6 */ {"Investment",    "Rate",          "Periods", "Simple Future Value"},
}};

constexpr int interestTab = 7;

}  // namespace

void Form1::SSTab1_Click()
{
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
    setCaption(Label1, QLatin1String(mode.label1));
    setCaption(Label2, QLatin1String(mode.label2));
    setCaption(Label3, QLatin1String(mode.label3));
    setCaption(Label4, QLatin1String(mode.label4));
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
    setCaption(Label5, QStringLiteral("Interest"));
    setCaption(Label1, QStringLiteral("Period of interest payment"));
    setCaption(Label2, QStringLiteral("Rate"));
    setCaption(Label3, QStringLiteral("Periods"));
    setCaption(Label4, QStringLiteral("Present Value"));
}

// A field is announced by the caption beside it, so both change together.
void Form1::setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->buddy()->setAccessibleName(caption);
}
