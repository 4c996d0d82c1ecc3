// The main window's commands and menus: ending the program, the About box,
// emptying the fields, and opening the secondary windows.
#include "main_window/form1.h"

#include "app/payment_timing.h"
#include "cash_flows/cash_flow_window.h"
#include "comparison/comparison_window.h"
#include "info_window/form3.h"
#include "loan_planner/planner_window.h"
#include "sensitivity/form2.h"

#include <QLineEdit>

void Form1::Command2_Click()
{
    endApplication();
}

void Form1::endApplication()
{
    if (m_cashFlows.close() && m_planner.close() && m_comparison.close())
        m_platform.lifetime.endApplication();
}

void Form1::Exit_Click()
{
    app::Message question;
    question.text = tr("Are you sure you want to quit?");
    question.title = tr("Quit");
    question.icon = app::Icon::Question;
    question.buttons = app::Buttons::YesNo;
    if (m_platform.messages.show(this, question) == app::Answer::Yes)
        endApplication();
}

void Form1::About_Click()
{
    app::Message about;
    about.text = tr("Program designed by mirelon in Qt 6!\r\n"
                    "-C++17 programming and reversing skills-\r\n"
                    "Thanks for using it! Enjoy!\r\n"
                    "Contact: mirelon@example.com");
    about.title = tr("About");
    about.icon = app::Icon::Information;
    m_platform.messages.show(this, about);
}

void Form1::Command3_Click()
{
    for (int i = 1; i <= 4; ++i)
        Text(i)->setText(QString());
    Text1->setText(QString());
    withdrawSchedule();
    m_resultShowing = false;
}

void Form1::Command4_Click()
{
    m_form3.open([this] {
        auto* info = new Form3(m_platform);
        info->load();
        info->centreOn(*this);
        return info;
    });
}

// The sensitivity window opens where the system puts new windows.
void Form1::Command5_Click()
{
    m_form2.open([this] {
        auto* sensitivity = new Form2(m_platform);
        sensitivity->load();
        sensitivity->followTiming(*m_timing);
        // A line of a sensitivity list opens its schedule in the one schedule window.
        connect(sensitivity, &Form2::scheduleRequested, this, &Form1::openLineSchedule);
        return sensitivity;
    });
}

// An answer on show is computed again for the new timing, as "Run" would.
void Form1::paymentTimingToggled()
{
    m_timing->setTiming(m_paymentsAtStart->isChecked() ? finance::PaymentTiming::Begin
                                                       : finance::PaymentTiming::End);
    if (m_resultShowing)
        Command1_Click();
}

void Form1::openCashFlows()
{
    m_cashFlows.open([this] { return new cash_flows::CashFlowWindow(m_platform); });
}

// The planner's payments fall when the Tools menu's switch says.
void Form1::openLoanPlanner()
{
    m_planner.open([this] {
        auto* planner = new loan_planner::PlannerWindow(m_platform, *m_timing);
        // A kept loan outlives the planner that kept it.
        connect(planner, &loan_planner::PlannerWindow::keptForComparison, this,
                [this, planner](const loan_planner::PinnedLoan& loan) { m_pins.add(loan, planner); });
        return planner;
    });
}

void Form1::openComparison()
{
    m_comparison.open([this] { return new comparison::ComparisonWindow(m_platform, m_pins); });
}

void Form1::openLoanFile(const QString& fileName)
{
    openLoanPlanner();
    m_planner.get()->openFile(fileName);
}

void Form1::openFlowsFile(const QString& fileName)
{
    openCashFlows();
    m_cashFlows.get()->openFile(fileName);
}
