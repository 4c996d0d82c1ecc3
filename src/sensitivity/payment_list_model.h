// The lines of one sensitivity list. Each line is kept as its two numbers, the
// rounded payment and the counter (a rate or a number of periods); its text is
// built only when a view draws or reads the row, so a long run costs little
// more than computing its payments.
#pragma once

#include <QAbstractListModel>

#include <vector>

namespace sensitivity {

struct PaymentLine {
    double payment;  // already rounded to two decimals
    double counter;
};

class PaymentListModel : public QAbstractListModel {
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

private:
    QString lineText(const PaymentLine& line) const;

    Column m_column;
    std::vector<PaymentLine> m_lines;
};

}  // namespace sensitivity
