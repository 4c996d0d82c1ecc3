// The modal file dialog behind an interface of ours, so that saving can be
// driven by tests without blocking on a real dialog.
#pragma once

#include <QString>

class QWidget;

namespace app {

struct SaveFileRequest {
    QString caption;        // the dialog's title
    QString filter;         // "CSV files (*.csv)"
    QString defaultSuffix;  // added to a name typed without one: "csv"
};

struct OpenFileRequest {
    QString caption;
    QString filter;  // "Loan files (*.loan.json)"
};

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // Asks modally over parent for a file to save to; empty when the user cancels.
    virtual QString saveFileName(QWidget* parent, const SaveFileRequest& request) = 0;
    // Asks modally over parent for an existing file to open; empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const OpenFileRequest& request) = 0;
};

}  // namespace app
