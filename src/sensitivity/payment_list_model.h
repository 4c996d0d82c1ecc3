// The lines of one sensitivity list. Each line is kept as its two numbers, the
// rounded payment and the counter (a rate or a number of periods); its text is
// built only when a view draws or reads the row, so a long run costs little
// more than computing its payments. The same numbers go to the clipboard and
// to CSV files, and are what a chart of the list plots.
#pragma once

#include "app/table_export.h"
#include "chart/plot_data.h"
#include "finance/finance.h"

#include <QAbstractListModel>

#include <vector>

namespace sensitivity {

struct PaymentLine {
    double payment;  // already rounded to two decimals
    double counter;
};

class PaymentListModel : public QAbstractListModel, public app::TableRows, public chart::PlotData {
    Q_OBJECT
public:
    // How the counter column is written after the payment.
    enum class Column { Rate, Periods };

    explicit PaymentListModel(Column column, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Appends the lines at the end, in their order, in one step.
    void append(std::vector<PaymentLine>&& lines);
    void clear();
    // When the listed payments fall; the header says so when it is the start.
    void setTiming(finance::PaymentTiming timing) { m_timing = timing; }

    Column column() const { return m_column; }
    const std::vector<PaymentLine>& lines() const { return m_lines; }

    // "Payment" and "Rate" or "Periods"; in a file the rate is a fraction.
    // Payments at the start read "Payment (payments at the start of each period)".
    QStringList columnTitles(app::CellText text) const override;
    int tableRowCount() const override { return rowCount(); }
    QStringList cells(int row, app::CellText text) const override;

    // The payment over the rate in percent or over the periods.
    QString horizontalTitle() const override;
    QString verticalTitle() const override;
    qsizetype pointCount() const override { return qsizetype(m_lines.size()); }
    QPointF point(qsizetype i) const override;
    QString pointText(qsizetype i) const override;

private:
    Column m_column;
    finance::PaymentTiming m_timing = finance::PaymentTiming::End;
    std::vector<PaymentLine> m_lines;
};

}  // namespace sensitivity
