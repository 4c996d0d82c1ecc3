#include "app/qt_file_dialog.h"

#include <QFileDialog>

namespace app {

QString QtFileDialog::saveFileName(QWidget* parent, const SaveFileRequest& request)
{
    QFileDialog dialog(parent, request.caption, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialog::openFileName(QWidget* parent, const OpenFileRequest& request)
{
    QFileDialog dialog(parent, request.caption, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace app
