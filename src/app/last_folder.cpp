#include "app/last_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace app {

namespace {

const QString lastFolderKey = QStringLiteral("fileDialogs/lastFolder");

bool isFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

}  // namespace

QString startFolder()
{
    const QString remembered = QSettings().value(lastFolderKey).toString();
    if (isFolder(remembered))
        return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return isFolder(documents) ? documents : QDir::homePath();
}

void rememberFolder(const QString& chosenFile)
{
    if (!chosenFile.isEmpty())
        QSettings().setValue(lastFolderKey, QFileInfo(chosenFile).absolutePath());
}

}  // namespace app
