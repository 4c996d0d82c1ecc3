// Printing and PDF for every window: a document of what was computed and when,
// its inputs, a table and its results, laid out page by page with the table's
// header on every page and "Page 2 of 9" at the foot. A window describes its
// document through PrintSource; addPrintActions gives it "Print..." and
// "Export PDF...".
#pragma once

#include "app/platform.h"
#include "app/table_export.h"

#include <QDateTime>
#include <QList>
#include <QString>

class QAction;
class QIODevice;
class QPagedPaintDevice;
class QWidget;

namespace app {

// "Loan: 10,000.00", written as caption and value as the window shows them; a
// line with no caption continues the line above it.
struct PrintedLine {
    QString caption;
    QString value;
};

struct PrintDocument {
    QString title;               // what was computed: "Amortization Schedule"
    QDateTime computed;          // when, written in the user's locale
    QList<PrintedLine> inputs;   // above the table
    const TableRows* table = nullptr;  // its cells as shown; none: no table
    bool lastRowIsTotal = false;       // the table's last row is bold under a rule
    QList<PrintedLine> results;  // below the table
};

class PrintSource {
public:
    virtual ~PrintSource() = default;
    // The document as the window shows it at the moment of printing.
    virtual PrintDocument printDocument() const = 0;
};

// Paints the document on the device's pages, from the first; the device's page
// layout gives the paper and margins. A table wider than the page is printed in
// a smaller font. False when the device cannot be painted on.
bool paintDocument(QPagedPaintDevice& device, const PrintDocument& document);

// The document as a PDF written to file (A4, or Letter where the user's locale
// measures in inches). False when a write failed.
bool writePdf(QIODevice& file, const PrintDocument& document);

struct PrintActions {
    QAction* print;      // "Print..." (Ctrl+P anywhere in the window); disabled without a print dialog
    QAction* exportPdf;  // "Export PDF...": to a file chosen in a file dialog, written whole or not at all
};

// Adds the two actions to widget's actions, which make its context menu when
// it has Qt::ActionsContextMenu (a view given addTableExport has), after any it
// already has; a window with a menu can add the returned actions there too.
// Once per window: Ctrl+P belongs to the whole window. source and platform
// must outlive widget.
PrintActions addPrintActions(QWidget* widget, const PrintSource& source, Platform& platform);

}  // namespace app
