#include "program/start_up.h"

#include "app/application.h"
#include "app/context_menu_key.h"
#include "app/window_places.h"

#include <QGuiApplication>

namespace program {

void nameApplication()
{
    // The settings (window places, the last folder, recent files) live under these names:
    // ~/.config/Kelvarn/Kelvarn.conf on Linux.
    QGuiApplication::setOrganizationName(app::applicationTitle());
    QGuiApplication::setOrganizationDomain(QStringLiteral("example.com"));
    QGuiApplication::setApplicationName(app::applicationTitle());
    QGuiApplication::setApplicationVersion(app::applicationVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.dorvantix"));
}

std::unique_ptr<Form1> startUp(app::Platform& platform, const QString& fileToOpen)
{
    nameApplication();
    app::installContextMenuKey();
    app::rememberWindowPlaces();
    auto form1 = std::make_unique<Form1>(platform);
    form1->load();
    form1->show();
    if (fileToOpen.endsWith(QLatin1String(".loan.json"), Qt::CaseInsensitive))
        form1->openLoanFile(fileToOpen);
    else if (!fileToOpen.isEmpty())
        form1->openFlowsFile(fileToOpen);
    return form1;
}

}  // namespace program
