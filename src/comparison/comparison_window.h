// The Comparison window: the kept loans side by side in a table, the best
// figure of each row marked, and a chart of each loan's balance over time.
// It follows the store of kept loans, which outlives it: a loan kept or
// removed anywhere shows here at once. "Remove Loan" (Delete in the table)
// drops the loan of the current column; the table copies, saves as CSV,
// prints and exports a PDF as the program's other tables do.
#pragma once

#include "app/platform.h"
#include "app/table_print.h"

#include <QDateTime>
#include <QWidget>

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTableView;

namespace comparison {

class ComparisonModel;
class Pins;

class ComparisonWindow : public QWidget, public app::PrintSource {
    Q_OBJECT
public:
    ComparisonWindow(app::Platform& platform, Pins& pins, QWidget* parent = nullptr);

    // The table of the loans kept and what its mark means.
    app::PrintDocument printDocument() const override;

private:
    void pinsChanged();
    void removeCurrent();
    void updateRemove();
    void plotBalances();

    Pins& m_pins;
    ComparisonModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_legend = nullptr;
    QPushButton* m_remove = nullptr;
    QChart* m_chart = nullptr;
    QChartView* m_chartView = nullptr;
    QDateTime m_changed;
};

}  // namespace comparison
