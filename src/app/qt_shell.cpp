#include "app/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace app {

void QtShell::open(const ShellOpenRequest& request)
{
    if (request.operation == QLatin1String("open"))
        QDesktopServices::openUrl(QUrl(request.file));
}

}  // namespace app
