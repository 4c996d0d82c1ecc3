// The amortization schedule window: one line that sums up a loan, and the
// table of its payments, which can be copied, saved, printed and exported as
// a PDF. One instance serves the whole program: opening a schedule again
// shows the new loan in the same window.
#pragma once

#include "app/platform.h"
#include "app/table_print.h"
#include "app/window_slot.h"
#include "finance/amortization.h"

#include <QDateTime>
#include <QWidget>

class QLabel;
class QTableView;

namespace schedule {

class ScheduleModel;

class ScheduleWindow : public QWidget, public app::PrintSource {
    Q_OBJECT
public:
    explicit ScheduleWindow(app::Platform& platform, QWidget* parent = nullptr);

    // Shows the loan's schedule in place of the one shown.
    void showSchedule(const finance::Loan& loan, finance::Schedule schedule);

    // "14.2067 periods", "1,000,000 periods": grouped, up to four decimals, no
    // trailing zeros.
    static QString periodsText(double periods);
    // A rate per period in percent with the digits it needs: "10.00%", "0.0001%".
    static QString rateText(double rate);
    // The periods and the payments that make them, for a schedule that is
    // not refused: "14.2067 periods: 14 payments of 100.00 and a last payment
    // of 21.13", "10 periods: 10 payments of 100.00".
    static QString exactPeriodsText(double periods, const finance::Schedule& schedule);
    // Why a schedule was refused, in one sentence.
    static QString refusalText(finance::Schedule::Refusal refusal);

    // The loan's terms, the table and the payments it makes, as shown.
    app::PrintDocument printDocument() const override;

private:
    void fitColumns();

    QLabel* m_summary = nullptr;
    QTableView* m_table = nullptr;
    ScheduleModel* m_model = nullptr;
    bool m_sized = false;
    QDateTime m_computed;
    QList<app::PrintedLine> m_terms;
    QString m_payments;
};

// Computes the loan's schedule and shows it in the window of the slot. A refused schedule is reported in one message over parent
// and opens nothing. The library's errors reach the caller.
void openSchedule(app::WindowSlot<ScheduleWindow>& window, const finance::Loan& loan, app::Platform& platform,
                  QWidget* parent);

}  // namespace schedule
