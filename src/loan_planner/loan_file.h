// A loan file (offer.loan.json): the planner's terms, events, rules and
// timing as JSON with a format number. Rates are in percent as the fields
// show them; money and rates are written with the digits that read back to
// the same number; dates are ISO (2027-01-31). One of amount, annual rate,
// number of payments and payment may be null: the term left to compute.
#pragma once

#include "loan_planner/planner_terms.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace loan_planner {

// The format this program writes; a file with a higher one is refused.
constexpr int loanFileFormat = 1;
constexpr auto loanFileSuffix = ".loan.json";

QByteArray loanFileBytes(const PlannerTerms& terms);

// The terms a file holds; empty, with what is wrong in problem, for text that
// is not a loan file of this format or older, or holds a value the planner's
// fields cannot.
std::optional<PlannerTerms> readLoanFile(const QByteArray& bytes, QString* problem);

// The decimal that reads back, divided by 100, as exactly this fraction:
// 6.5 for 0.065, never 6.500000000000001.
double percentOf(double fraction);

// The recent files, the latest first, each once, at most maxRecentFiles.
constexpr int maxRecentFiles = 6;
QStringList withRecentFile(QStringList recent, const QString& fileName);

}  // namespace loan_planner
