#include "app/payment_table_model.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>

namespace app {

PaymentTableModel::PaymentTableModel(int columnCount, QObject* parent)
    : QAbstractTableModel(parent), m_columnCount(columnCount)
{
}

int PaymentTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : tableRowCount();
}

int PaymentTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant PaymentTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cellText(index.row(), index.column(), CellText::Shown);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (index.row() == paymentCount()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant PaymentTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columnCount)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return columnTitles(CellText::Shown).at(section);
    return {};
}

int PaymentTableModel::tableRowCount() const
{
    const int payments = paymentCount();
    return payments == 0 ? 0 : payments + 1;
}

QStringList PaymentTableModel::cells(int row, CellText text) const
{
    QStringList result;
    result.reserve(m_columnCount);
    for (int column = 0; column < m_columnCount; ++column)
        result.append(cellText(row, column, text));
    return result;
}

QTableView* makePaymentTable(PaymentTableModel* model, const QString& accessibleName, Platform& platform,
                             QWidget* parent)
{
    auto* table = new QTableView(parent);
    table->setObjectName(QStringLiteral("table"));
    table->setAccessibleName(accessibleName);
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setMinimumSectionSize(0);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    addTableExport(table, *model, platform);
    return table;
}

}  // namespace app
