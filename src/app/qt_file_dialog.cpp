#include "app/qt_file_dialog.h"

#include "app/last_folder.h"

#include <QFileDialog>

namespace app {

QString QtFileDialog::saveFileName(QWidget* parent, const SaveFileRequest& request)
{
    QFileDialog dialog(parent, request.caption, startFolder(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberFolder(chosen);
    return chosen;
}

QString QtFileDialog::openFileName(QWidget* parent, const OpenFileRequest& request)
{
    QFileDialog dialog(parent, request.caption, startFolder(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberFolder(chosen);
    return chosen;
}

}  // namespace app
