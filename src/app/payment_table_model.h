// A table of payments for the view, the clipboard and files alike: one row
// per payment, then a bold total row. Every cell is right-aligned text built
// only when a view draws or reads it, so a million rows show at the speed of
// computing them.
#pragma once

#include "app/platform.h"
#include "app/table_export.h"

#include <QAbstractTableModel>

class QTableView;
class QWidget;

namespace app {

class PaymentTableModel : public QAbstractTableModel, public TableRows {
    Q_OBJECT
public:
    explicit PaymentTableModel(int columnCount, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const final;
    int columnCount(const QModelIndex& parent = QModelIndex()) const final;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const final;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const final;

    // The payments and the total row; none without payments.
    int tableRowCount() const final;
    QStringList cells(int row, CellText text) const final;

protected:
    virtual int paymentCount() const = 0;
    // row paymentCount() is the total.
    virtual QString cellText(int row, int column, CellText text) const = 0;

private:
    int m_columnCount;
};

// A read-only view of model, its rows selected whole and as high as a line
// of text, with no row header (the first column numbers the rows), and
// copy and CSV in its context menu. Its accessible name says what it lists.
QTableView* makePaymentTable(PaymentTableModel* model, const QString& accessibleName, Platform& platform,
                             QWidget* parent = nullptr);

}  // namespace app
