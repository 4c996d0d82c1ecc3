// The amortization schedule from the main window: a run that defines a whole
// loan offers it in the Tools menu (and tab 3 shows its exact periods in the
// result field's tooltip); anything else that changes the fields withdraws it.
#include "main_window/form1.h"

#include "app/error_guard.h"
#include "app/vector_state.h"
#include "schedule/schedule_window.h"
#include "sensitivity/form2.h"

#include <QAction>
#include <QLineEdit>

// No periods (a run on zero periods, or nothing owed on tab 3) make no loan.
void Form1::offerSchedule(const finance::Loan& loan)
{
    if (!(loan.periods > 0))
        return;
    m_scheduleLoan = loan;
    m_scheduleAction->setEnabled(true);
}

void Form1::withdrawSchedule()
{
    m_scheduleAction->setEnabled(false);
    Text(4)->setToolTip(QString());
}

// The periods are shown rounded; the tooltip gives them as computed and the
// payments of the loan's schedule. A refused schedule gives no tooltip.
void Form1::showExactPeriods()
{
    if (!m_scheduleAction->isEnabled())
        return;
    const finance::Schedule schedule = app::atLibrarySpeed([&] { return finance::amortize(m_scheduleLoan); });
    if (schedule.refusal == finance::Schedule::Refusal::None)
        Text(4)->setToolTip(schedule::ScheduleWindow::exactPeriodsText(m_scheduleLoan.periods, schedule));
}

void Form1::Schedule_Click()
{
    openSchedule(m_scheduleLoan, this);
}

void Form1::openLineSchedule(const finance::Loan& loan)
{
    openSchedule(loan, m_form2.get());
}

// Errors are reported over the window the schedule was asked from.
void Form1::openSchedule(const finance::Loan& loan, QWidget* over)
{
    app::runGuarded(m_platform.messages, over,
                    [&] { schedule::openSchedule(m_schedule, loan, m_platform, over); });
}
