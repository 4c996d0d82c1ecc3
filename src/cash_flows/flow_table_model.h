// The list of a cash-flow window: rows of date, amount and count, kept as the
// user typed them, so nothing typed is lost while it cannot be read yet. A cell
// is read only when a view draws it or the list is calculated or saved; a cell
// that cannot be read is marked and says why. The last row is always blank,
// the place to type the next flow.
#pragma once

#include "app/table_export.h"

#include <QAbstractTableModel>
#include <QDate>

#include <vector>

namespace cash_flows {

// The most flows a list may hold, counts included.
constexpr qint64 maxFlows = 1'000'000;

struct FlowRow {
    QString date;    // empty: the row has no date
    QString amount;  // in the user's locale
    QString count;   // empty: 1
};

// The flows as the library takes them; days empty for undated flows.
struct Flows {
    std::vector<double> values;
    std::vector<double> days;
};

// Where a list cannot be read past, and why: a cell's problem, a row's (column
// -1: a date where other rows have none, or none where they have one), or the
// list's as a whole (row -1: no flows, too many).
struct FlowProblem {
    int row = -1;
    int column = -1;
    QString text;  // empty: no problem
};

struct FlowReading {
    Flows flows;
    FlowProblem problem;
};

// What a paste did: refused (nothing inserted) or the rows inserted, with the
// first pasted cell that cannot be read.
struct PasteOutcome {
    QString refusal;
    int firstRow = 0;
    int rowCount = 0;
    FlowProblem firstBadCell;
    int badCells = 0;
};

class FlowTableModel : public QAbstractTableModel, public app::TableRows {
    Q_OBJECT
public:
    enum Column { Date, Amount, Count, ColumnCount };

    explicit FlowTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Keeps the text as typed, blanks around it aside.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Blank rows.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    // The last, blank row stays.
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    // The rows without the last blank one.
    std::vector<FlowRow> rows() const;
    // Shows these rows in place of the list.
    void setRows(std::vector<FlowRow> rows);

    // Why the cell cannot be read; empty when it can (an empty date or count can).
    QString cellProblem(int row, int column) const;
    // The flows of every row that is not blank, in the list's order, a row
    // with a count as that many flows. Either every such row has a date or
    // none has; a dated row is one flow.
    FlowReading read() const;

    // Inserts the rows of tab-separated text before row: per line an amount;
    // an amount and a count; a date and an amount; or a date, an amount and a
    // count. Cells that cannot be read are inserted as they are, to be
    // corrected. Refused whole when a line has more cells, when rows with and
    // without dates would mix, or beyond maxFlows rows.
    PasteOutcome paste(const QString& text, int row);

    // "Row 3, Amount: "12x" is not a number."
    QString problemText(const FlowProblem& problem) const;

    // A date as typed: 2027-01-31 or the user's short format (two-digit years
    // from 1950 to 2049); invalid when it is neither.
    static QDate readDate(const QString& text);

    QStringList columnTitles(app::CellText text) const override;
    int tableRowCount() const override { return rowCount() - 1; }
    QStringList cells(int row, app::CellText text) const override;

private:
    QString& cell(int row, int column);
    const QString& cell(int row, int column) const;
    bool isBlank(int row) const;
    FlowProblem firstProblem(int row) const;

    std::vector<FlowRow> m_rows;
};

}  // namespace cash_flows
