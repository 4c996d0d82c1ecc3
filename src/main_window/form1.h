// Form1, the calculator's main window. The tab strip SSTab1 picks the kind of
// problem; four numbered fields Text(1)..Text(4) and the Interest field Text1
// hold its quantities, each beside a label that names it.
//
// How the handlers fit together: the window keeps no mode of its own, the
// selected tab is the mode. SSTab1_Click relabels the fields for that tab and
// chooses the result field; Command1_Click ("Run") reads the selected tab
// afresh, checks and reads the fields, and writes the answer. Every handler is
// connected in connectHandlers() and runs through the shared error path, so a
// failed calculation is reported and the window goes on. A run on a tab that
// defines a whole loan (rate, periods, present value, payment) offers its
// amortization schedule in the Tools menu, until the next run, a tab change
// or "Clear Fields". "Payments at Period Start" in the Tools menu sets when
// payments fall here and in the windows opened from here; while a Run's result
// is showing, switching it runs the tab again, so the result, the marker and
// the schedule always agree.
#pragma once

#include "app/platform.h"
#include "app/window_slot.h"
#include "comparison/pins.h"
#include "finance/amortization.h"

#include <QMainWindow>

#include <array>

namespace cash_flows {
class CashFlowWindow;
}
namespace comparison {
class ComparisonWindow;
}
namespace loan_planner {
class PlannerWindow;
}
namespace schedule {
class ScheduleWindow;
}

class Form2;
class Form3;
class FormButton;
class QAction;
class QLabel;
class QLineEdit;
class QTabBar;

namespace app {
class PaymentTimingSetting;
}

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(app::Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    // Runs Form_Load through the shared error path; call once, before show().
    void load();

    // The control array of the four numbered fields, 1-based.
    QLineEdit* Text(int i) const;

    // Handlers. SSTab1_Click reads the selected tab itself; which tab was
    // selected before does not matter, so it takes no argument.
    void Form_Load();
    void SSTab1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Exit_Click();
    void About_Click();
    void Schedule_Click();
    void paymentTimingToggled();
    void openCashFlows();
    void openLoanPlanner();
    void openComparison();
    // A file given to the program: opens its window (as the Tools menu does)
    // with the file in it.
    void openLoanFile(const QString& fileName);
    void openFlowsFile(const QString& fileName);

private:
    void createControls();
    void createMenus();
    void placeAndStyleControls();
    void setFocusOrder();
    void connectHandlers();

    // Tab modes.
    void applyCommonMode(int tab);
    void applyInterestMode();
    void setCaption(QLabel* label, const QString& caption);

    // Calculation run.
    void check_n();
    void check_n1();
    void warn(const QString& text);
    void reportNegativePeriods(const QString& text);

    // Ends the program once every window holding a document has closed; a
    // document the user keeps open cancels it.
    void endApplication();

    // The amortization schedule of the last run's loan.
    void offerSchedule(const finance::Loan& loan);
    void withdrawSchedule();
    void showExactPeriods();
    void openSchedule(const finance::Loan& loan, QWidget* over);
    void openLineSchedule(const finance::Loan& loan);

    app::Platform& m_platform;

    QWidget* m_clientArea = nullptr;
    QTabBar* SSTab1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    std::array<QLineEdit*, 4> m_text{};
    QLineEdit* Text1 = nullptr;
    FormButton* Command1 = nullptr;
    FormButton* Command2 = nullptr;
    FormButton* Command3 = nullptr;
    FormButton* Command4 = nullptr;
    FormButton* Command5 = nullptr;
    QAction* Exit = nullptr;
    QAction* About = nullptr;
    QAction* m_scheduleAction = nullptr;
    QAction* m_cashFlowsAction = nullptr;
    QAction* m_loanPlannerAction = nullptr;
    QAction* m_comparisonAction = nullptr;
    QAction* m_paymentsAtStart = nullptr;
    QLabel* m_timingMarker = nullptr;

    // The timing of payments, handed to the secondary windows.
    app::PaymentTimingSetting* m_timing = nullptr;

    // The loans kept for comparison, for as long as the program runs: made
    // before the windows that show or add to them, so it outlives them.
    comparison::Pins m_pins{m_platform.messages};

    // The secondary windows: at most one of each.
    app::WindowSlot<Form2> m_form2;
    app::WindowSlot<Form3> m_form3;
    app::WindowSlot<schedule::ScheduleWindow> m_schedule;
    app::WindowSlot<cash_flows::CashFlowWindow> m_cashFlows;
    app::WindowSlot<loan_planner::PlannerWindow> m_planner;
    app::WindowSlot<comparison::ComparisonWindow> m_comparison;

    // Working numbers of the run; they keep their last values between runs,
    // and check_n and check_n1 read the periods n.
    double n = 0;
    double m_rate = 0;
    double m_payment = 0;
    double m_pv = 0;
    double m_investment = 0;
    double m_per = 0;
    double m_factor = 0;
    double m_result = 0;
    // The loan of the last run that defined one.
    finance::Loan m_scheduleLoan;
    // The result field holds a Run's answer for the selected tab.
    bool m_resultShowing = false;
};
