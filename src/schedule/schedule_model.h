// The rows of an amortization schedule as a table: one row per payment, then
// a "Total" row. The schedule is kept as its numbers; a cell's text is built
// only when a view draws or reads it, so a long schedule opens at the speed
// of computing it.
#pragma once

#include "app/table_export.h"
#include "finance/amortization.h"
#include "finance/finance.h"

#include <QAbstractTableModel>

namespace schedule {

class ScheduleModel : public QAbstractTableModel, public app::TableRows {
    Q_OBJECT
public:
    enum Column { Period, Payment, Interest, Principal, Balance, ColumnCount };

    explicit ScheduleModel(QObject* parent = nullptr);

    // Shows this schedule in place of the one shown, written in the locale
    // of the moment.
    void setSchedule(finance::Schedule schedule);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    QStringList columnTitles(app::CellText text) const override;
    int tableRowCount() const override;
    QStringList cells(int row, app::CellText text) const override;

private:
    QString cellText(int row, int column, app::CellText text) const;

    finance::Schedule m_schedule;
    finance::NumberSymbols m_shown;
};

}  // namespace schedule
