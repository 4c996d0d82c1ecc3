// The kept loans side by side: one column per loan, one row per figure, the
// loans' names as the header. In rows where one figure is better than another
// (the lowest cost, the earliest last payment, the most interest saved) the
// best is bold and marked with a star, so the mark does not rest on colour.
// Files get the figures without marks, "." as the decimal point and English
// row titles.
#pragma once

#include "app/table_export.h"
#include "finance/finance.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace comparison {

class Pins;

class ComparisonModel : public QAbstractTableModel, public app::TableRows {
    Q_OBJECT
public:
    enum Row {
        Amount,
        AnnualRate,
        PaymentsPerYear,
        RegularPayment,
        Payments,
        LastPaymentDate,
        TotalInterest,
        TotalPaid,
        Fees,
        Apr,
        InterestSaved,
        RowCount
    };

    // Follows pins: every change shows the loans anew, in the locale of the moment.
    explicit ComparisonModel(const Pins& pins, QObject* parent = nullptr);

    // The star that marks a row's best value, and what it means.
    static QString mark();
    static QString markMeaning();

    bool isBest(int row, int loan) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The header is the names: "Name", then one per loan; each row is its
    // title, then one figure per loan.
    QStringList columnTitles(app::CellText text) const override;
    int tableRowCount() const override;
    QStringList cells(int row, app::CellText text) const override;

private:
    void refresh();
    QString rowTitle(int row, app::CellText text) const;
    // The figure alone; shownText puts the mark before a best one.
    QString figureText(int row, int loan, app::CellText text) const;
    QString shownText(int row, int loan) const;
    // The figure that ranks a loan in a row (lower is better but for the
    // interest saved); none where the row has no best or the loan no figure.
    std::optional<double> rank(int row, int loan) const;

    const Pins& m_pins;
    finance::NumberSymbols m_shown;
    QString m_dateFormat;
    // m_best[row][loan]
    std::vector<std::vector<bool>> m_best;
};

}  // namespace comparison
