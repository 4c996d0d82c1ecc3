// The modal print dialog behind an interface of ours, so that printing can be
// driven by tests without blocking on a real dialog.
#pragma once

class QPrinter;
class QWidget;

namespace app {

class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    // Asks modally over parent for a printer and its settings, which it sets
    // on printer; false when the user cancels.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The real print dialog: the system's, through QPrintDialog.
class QtPrintDialog final : public PrintDialog {
public:
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace app
