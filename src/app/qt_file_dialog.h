#pragma once

#include "app/file_dialog.h"

namespace app {

// The real file dialog: a QFileDialog run modally.
class QtFileDialog final : public FileDialog {
public:
    QString saveFileName(QWidget* parent, const SaveFileRequest& request) override;
    QString openFileName(QWidget* parent, const OpenFileRequest& request) override;
};

}  // namespace app
