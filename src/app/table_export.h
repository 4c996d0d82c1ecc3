// The ways a list or a table leaves the program: the clipboard and CSV files.
// A model offers its rows as cells through TableRows; addTableExport gives a
// view the actions that copy or save them.
#pragma once

#include "app/platform.h"

#include <QStringList>

class QAbstractItemView;

namespace app {

// How a cell's number is written.
enum class CellText {
    Shown,  // as on screen, in the user's locale: "1,000.00", "5.25%"
    File,   // for a file: "." as the decimal point, no grouping, a rate as a fraction (0.0525)
};

class TableRows {
public:
    virtual ~TableRows() = default;
    // The header row: "Payment", "Rate". A file keeps these English names in
    // every language, as it keeps "." for its decimals.
    virtual QStringList columnTitles(CellText text) const = 0;
    virtual int tableRowCount() const = 0;
    virtual QStringList cells(int row, CellText text) const = 0;
};

// Gives the view extended selection and three actions in its context menu:
// "Copy" (Ctrl+C: the selected rows, tab-separated, as shown), "Copy All" (a
// header row, then every row) and "Save as CSV..." (every row, to a file chosen
// in a file dialog). The actions join the view's own actions, which make its
// context menu, after any it already has; more can be added the same way.
void addTableExport(QAbstractItemView* view, const TableRows& rows, Platform& platform);

}  // namespace app
