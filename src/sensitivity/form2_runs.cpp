// The sensitivity window's two runs. Both perform the same steps on different
// fields, lists and loop parameters: each handler states its differences in a
// RunMode and run() performs the steps.
#include "sensitivity/form2.h"

#include "app/number_text.h"
#include "app/vector_state.h"
#include "finance/finance.h"
#include "sensitivity/line_payment.h"
#include "sensitivity/payment_list_model.h"
#include "sensitivity/run_plan.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>

#include <vector>

struct Form2::RunMode {
    sensitivity::PaymentListModel* lines;
    int lowerField;  // Text(lowerField) is the lower bound, the next two the upper bound and the fixed quantity
    double step;
    bool endOneStepBeyondUpper;
    bool counterIsRate;  // else the counter is the number of periods and the fixed quantity the rate
    bool (*boundsRefused)(double lower, double upper);
    QString boundsMessage;
};

namespace {

// From about this many lines a run keeps the window busy for a moment the
// user may notice (a tenth of a second on a slow machine).
constexpr std::size_t busyCursorLines = 100000;

class BusyCursor {
public:
    explicit BusyCursor(bool busy) : m_busy(busy)
    {
        if (m_busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (m_busy)
            QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool m_busy;
};

app::Message messageOf(const QString& text, const QString& title, app::Icon icon)
{
    return {text, title, icon};
}

}  // namespace

void Form2::Command1_Click()
{
    run({m_list1Lines, 1, 1.0 / 400.0, true, true,
         [](double lower, double upper) { return lower >= upper; },
         tr("Check Again! Lower Bound>= Upper Bound")});
}

void Form2::Command6_Click()
{
    run({m_list2Lines, 4, 1.0, false, false,
         [](double lower, double upper) { return lower < 0 || lower >= upper || upper < 0; },
         tr("Check Again! Lower Bound>= Upper Bound or Periods<0")});
}

void Form2::run(const RunMode& mode)
{
    if (!app::isNumeric(Text5->text())) {
        showMessage(messageOf(tr("Fill in Loan!"), tr("Warning"), app::Icon::Warning));
        return;
    }
    if (mode.lines->rowCount() > 0) {
        showMessage(messageOf(tr("Attention! Clear list and then press 'Run'!"), tr("Warning"), app::Icon::Error));
        return;
    }
    for (int i = mode.lowerField; i <= mode.lowerField + 2; ++i) {
        if (Text(i)->text().isEmpty()) {
            showMessage(messageOf(tr("Fill in ALL fields!"), tr("ERROR"), app::Icon::Warning));
            return;
        }
    }

    m_lower = app::readNumber(Text(mode.lowerField)->text());
    m_upper = app::readNumber(Text(mode.lowerField + 1)->text());
    m_fixed = app::readNumber(Text(mode.lowerField + 2)->text());
    m_loan = app::readNumber(Text5->text());
    if (mode.boundsRefused(m_lower, m_upper)) {
        showMessage(messageOf(mode.boundsMessage, tr("ERROR"), app::Icon::Error));
        return;
    }

    m_step = mode.step;
    m_end = mode.endOneStepBeyondUpper ? m_upper + m_step : m_upper;
    const sensitivity::RunPlan plan = sensitivity::planRun(m_lower, m_end, m_step);
    if (plan.outcome == sensitivity::RunPlan::Outcome::TooManyLines) {
        const QString limit = QLocale().toString(qulonglong(sensitivity::maxRunLines));
        showMessage(messageOf(tr("Check Again! A 'Run' lists at most %1 lines").arg(limit), tr("ERROR"),
                              app::Icon::Error));
        return;
    }
    if (plan.outcome == sensitivity::RunPlan::Outcome::CounterStuck) {
        showMessage(messageOf(tr("Check Again! Bounds too large: the step no longer changes them"), tr("ERROR"),
                              app::Icon::Error));
        return;
    }

    const finance::PaymentTiming timing = this->timing();
    finance::Loan& runLoan = mode.counterIsRate ? m_list1Loan : m_list2Loan;
    runLoan.presentValue = m_loan;
    (mode.counterIsRate ? runLoan.periods : runLoan.rate) = m_fixed;
    // A line's schedule has the payments the run listed.
    runLoan.timing = timing;
    mode.lines->setTiming(timing);
    const BusyCursor busy(plan.lines >= busyCursorLines);
    std::vector<sensitivity::PaymentLine> lines;
    lines.reserve(plan.lines);
    try {
        // The counter is advanced by repeated addition, as the plan counted it.
        app::atLibrarySpeed([&] {
            for (m_counter = m_lower; m_counter <= m_end; m_counter += m_step) {
                const double payment = mode.counterIsRate ? finance::Pmt(m_counter, m_fixed, m_loan, timing)
                                                          : finance::Pmt(m_fixed, m_counter, m_loan, timing);
                m_payment = sensitivity::linePayment(payment);
                lines.push_back({m_payment, m_counter});
            }
        });
    } catch (...) {
        // The lines computed before the error stay in the list.
        mode.lines->append(std::move(lines));
        throw;
    }
    mode.lines->append(std::move(lines));
}

finance::PaymentTiming Form2::timing() const
{
    return m_timing ? m_timing->timing() : finance::PaymentTiming::End;
}
