// The calculation run ("Run"): check fields 1 to 3, then solve the selected
// tab's problem and write the answer into its result field. A check that
// fails shows one message and changes nothing; an error of the financial
// library or of the checked arithmetic leaves the run before anything is
// written and is reported by the shared error path.
#include "main_window/form1.h"

#include "app/number_text.h"
#include "app/payment_timing.h"
#include "finance/finance.h"

#include <QLineEdit>
#include <QTabBar>

namespace {

double number(const QLineEdit* field)
{
    return app::readNumber(field->text());
}

}  // namespace

void Form1::Command1_Click()
{
    withdrawSchedule();
    // Every empty field is reported before any non-numeric one.
    for (int i = 1; i <= 3; ++i) {
        if (Text(i)->text().isEmpty()) {
            warn(tr("Fill in the fields!"));
            return;
        }
    }
    for (int i = 1; i <= 3; ++i) {
        if (!app::isNumeric(Text(i)->text())) {
            warn(tr("No numeric values! Check again"));
            return;
        }
    }

    const int tab = SSTab1->currentIndex();
    // The single sums of tabs 5 and 6 have no payments to time.
    const finance::PaymentTiming timing = m_timing->timing();
    switch (tab) {
    case 0:
    case 1:
        m_payment = number(Text(1));
        m_rate = number(Text(2));
        n = number(Text(3));
        if (n < 0) {
            check_n();
            return;
        }
        m_result = tab == 0 ? finance::PV(m_rate, n, m_payment, timing)
                            : finance::FV(m_rate, n, m_payment, timing);
        Text(4)->setText(app::format(m_result, "standard"));
        if (tab == 0)
            offerSchedule({m_result, m_rate, n, timing});
        break;
    case 2:
        m_payment = number(Text(1));
        m_pv = number(Text(2));
        n = number(Text(3));
        if (n < 0) {
            check_n();
            return;
        }
        m_result = finance::Rate(n, m_payment, m_pv, timing);
        Text(4)->setText(app::format(m_result, "percent"));
        offerSchedule({m_pv, m_result, n, timing});
        if (m_result < 0) {
            app::Message warning;
            warning.text = tr("Rate<0. Are you sure? Check again.");
            warning.title = tr("Warning");
            warning.icon = app::Icon::Warning;
            warning.buttons = app::Buttons::OkCancel;
            m_platform.messages.show(this, warning);
        }
        break;
    case 3:
        m_payment = number(Text(1));
        m_pv = number(Text(2));
        m_rate = number(Text(3));
        n = finance::NPer(m_rate, m_payment, m_pv, timing);
        if (n < 0) {
            check_n1();
            return;
        }
        Text(4)->setText(app::numberToText(finance::Round(n, 0)));
        offerSchedule({m_pv, m_rate, n, timing});
        showExactPeriods();
        break;
    case 4:
        m_pv = number(Text(1));
        n = number(Text(2));
        if (n < 0) {
            check_n();
            return;
        }
        m_rate = number(Text(3));
        m_result = finance::Pmt(m_rate, n, m_pv, timing);
        Text(4)->setText(app::format(m_result, "standard"));
        offerSchedule({m_pv, m_rate, n, timing});
        break;
    case 5:
    case 6:
        // Tab 5 discounts the investment over the periods, tab 6 compounds it.
        m_investment = number(Text(1));
        m_rate = number(Text(2));
        n = number(Text(3));
        if (n < 0) {
            check_n();
            return;
        }
        m_factor = finance::Power(finance::checkedAdd(1, m_rate), n);
        m_result = tab == 5 ? finance::checkedDivide(m_investment, m_factor) : finance::checkedMultiply(m_investment, m_factor);
        Text(4)->setText(app::format(m_result, "standard"));
        break;
    case 7:
        m_per = number(Text(1));
        m_rate = number(Text(2));
        n = number(Text(3));
        m_pv = number(Text(4));
        if (m_per > n) {
            app::Message error;
            error.text = tr("Time of interest payment >number of period! Check again");
            error.title = tr("ERROR");
            error.icon = app::Icon::Warning;
            m_platform.messages.show(this, error);
            return;
        }
        m_result = finance::IPmt(m_rate, m_per, n, m_pv, timing);
        // The interest is kept to the cents of its "standard" form, but shown
        // without grouping or trailing zeros.
        m_result = app::readNumber(app::format(m_result, "standard"));
        Text1->setText(app::numberToText(m_result));
        break;
    }
    m_resultShowing = true;
}

void Form1::check_n()
{
    if (n < 0)
        reportNegativePeriods(tr("Periods(N)<0!! Check again!"));
}

void Form1::check_n1()
{
    if (n < 0)
        reportNegativePeriods(tr("Periods(N)<0!! Check again!\r\nYou may need to use minus(-) in payment"));
}

void Form1::reportNegativePeriods(const QString& text)
{
    app::Message error;
    error.text = text;
    error.title = tr("ERROR");
    error.icon = app::Icon::Error;
    m_platform.messages.show(this, error);
}

void Form1::warn(const QString& text)
{
    app::warn(m_platform.messages, this, tr("Warning!"), text);
}
