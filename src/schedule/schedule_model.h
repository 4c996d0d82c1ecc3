// The rows of an amortization schedule as a table: one row per payment, then
// a "Total" row. The schedule is kept as its numbers.
#pragma once

#include "app/payment_table_model.h"
#include "finance/amortization.h"
#include "finance/finance.h"

namespace schedule {

class ScheduleModel : public app::PaymentTableModel {
    Q_OBJECT
public:
    enum Column { Period, Payment, Interest, Principal, Balance, ColumnCount };

    explicit ScheduleModel(QObject* parent = nullptr);

    // Shows this schedule in place of the one shown, written in the locale
    // of the moment.
    void setSchedule(finance::Schedule schedule);

    QStringList columnTitles(app::CellText text) const override;

private:
    int paymentCount() const override;
    QString cellText(int row, int column, app::CellText text) const override;

    finance::Schedule m_schedule;
    finance::NumberSymbols m_shown;
};

}  // namespace schedule
