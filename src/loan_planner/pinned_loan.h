// One loan kept for comparison: what the comparison needs to show it beside
// the others without the planner that computed it.
#pragma once

#include "finance/loan_plan.h"

#include <QMetaType>
#include <QString>

#include <optional>

namespace loan_planner {

struct PinnedLoan {
    // The loan file's base name ("offer" for offer.loan.json); empty before a
    // first save, when the comparison names it itself.
    QString name;
    finance::LoanTerms terms;
    // The plan as the planner computed it; its rows give the balance over time.
    finance::LoanPlan plan;
    // Missing when the planner could not find one (the summary shows a dash).
    std::optional<double> apr;
};

}  // namespace loan_planner

Q_DECLARE_METATYPE(loan_planner::PinnedLoan)
