// The sensitivity analysis window: for one loan, the level payment over a range
// of rates (rate mode, List1) or of numbers of periods (periods mode, List2).
//
// How the handlers fit together: Form_Load greets the user and disables every
// mode control; Text5_Change enables the two option buttons once the loan is a
// number; Option1_Click and Option2_Click switch the mode, enabling its three
// fields and its "Run" button and resetting all six fields; Command1_Click and
// Command6_Click check the mode's fields and fill its list; the three clearing
// buttons empty the fields or one list. The mode lives only in the controls'
// own state. The timing of payments is the main window's, followed through
// followTiming; each run reads it when it starts. Every handler runs through
// the shared error path.
#pragma once

#include "app/payment_timing.h"
#include "app/platform.h"
#include "app/window_slot.h"
#include "finance/amortization.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QListView;
class FormButton;
class QRadioButton;

namespace chart {
class ChartWindow;
}

namespace sensitivity {
class PaymentListModel;
}

class Form2 : public QWidget {
    Q_OBJECT
public:
    // Builds the window in its design state; the greeting waits for load().
    explicit Form2(app::Platform& platform, QWidget* parent = nullptr);
    ~Form2() override;

    // Runs Form_Load: the greeting, then the disabling of the mode controls.
    void load();

    // The control array Text(1)..Text(6), numbered as the design numbers it.
    QLineEdit* Text(int i) const;

    // Runs with setting's timing from the next "Run" on, and shows the marker
    // while payments fall at the start. Until called, they fall at the end.
    void followTiming(const app::PaymentTimingSetting& setting);

signals:
    // A line of either list asks for its schedule: the run's loan and fixed
    // field, and the line's rate or periods.
    void scheduleRequested(const finance::Loan& loan);

private:
    struct RunMode;

    void buildControls();
    void placeControls();
    void setFocusOrder();
    void connectHandlers();
    // The lists' context menus: copy, save and the chart.
    void addListActions();
    void addChartAction(QListView* list, sensitivity::PaymentListModel* lines, app::WindowSlot<chart::ChartWindow>& window);
    void showMessage(const app::Message& message);

    void Form_Load();
    void Text5_Change();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void run(const RunMode& mode);
    void addScheduleAction(QListView* list, const sensitivity::PaymentListModel* lines, const finance::Loan* runLoan);
    finance::PaymentTiming timing() const;

    app::Platform& m_platform;

    QLineEdit* Text5 = nullptr;
    std::array<QLineEdit*, 6> m_text{};
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    FormButton* Command1 = nullptr;
    FormButton* Command2 = nullptr;
    FormButton* Command3 = nullptr;
    FormButton* Command4 = nullptr;
    FormButton* Command6 = nullptr;
    QListView* List1 = nullptr;
    QListView* List2 = nullptr;
    sensitivity::PaymentListModel* m_list1Lines = nullptr;
    sensitivity::PaymentListModel* m_list2Lines = nullptr;
    // The loans of the runs that filled the lists, without the lines' own
    // rate or periods.
    finance::Loan m_list1Loan;
    finance::Loan m_list2Loan;
    app::WindowSlot<chart::ChartWindow> m_list1Chart;
    app::WindowSlot<chart::ChartWindow> m_list2Chart;
    QLabel* m_timingMarker = nullptr;
    QPointer<const app::PaymentTimingSetting> m_timing;

    // The runs' working numbers; they keep their last values between runs.
    double m_loan = 0;
    double m_lower = 0;
    double m_upper = 0;
    double m_fixed = 0;
    double m_step = 0;
    double m_end = 0;
    double m_counter = 0;
    double m_payment = 0;
};
