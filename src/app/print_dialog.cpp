#include "app/print_dialog.h"

#include <QPrintDialog>

namespace app {

bool QtPrintDialog::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace app
