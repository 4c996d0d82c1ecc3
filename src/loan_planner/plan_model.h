// The schedule of a planned loan as a table: one row per payment with its
// date, then a "Total" row. The plan is kept as its numbers.
#pragma once

#include "app/payment_table_model.h"
#include "finance/finance.h"
#include "finance/loan_plan.h"

#include <QString>

#include <memory>

#include <cstdint>

class QDate;

namespace loan_planner {

// The user's short date format with the year in full: "M/d/yyyy", "dd.MM.yyyy".
QString shownDateFormat();
QDate dateOf(std::int64_t dayNumber);
std::int64_t dayNumberOf(const QDate& date);

class PlanModel : public app::PaymentTableModel {
    Q_OBJECT
public:
    enum Column { Number, Date, Payment, Extra, Interest, Principal, Balance, ColumnCount };

    explicit PlanModel(QObject* parent = nullptr);

    // Shows this plan's rows in place of those shown, written in the locale
    // of the moment. A refused plan, or none, shows none. The plan is shared
    // with whoever else still reads it (the search for its APR).
    void setPlan(std::shared_ptr<const finance::LoanPlan> plan);
    const finance::LoanPlan& plan() const { return *m_plan; }

    QStringList columnTitles(app::CellText text) const override;

private:
    int paymentCount() const override;
    QString cellText(int row, int column, app::CellText text) const override;

    std::shared_ptr<const finance::LoanPlan> m_plan;
    finance::NumberSymbols m_shown;
    QString m_dateFormat;
};

}  // namespace loan_planner
