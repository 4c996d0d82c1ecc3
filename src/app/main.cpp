#include "app/application.h"
#include "app/platform.h"
#include "app/qt_lifetime.h"
#include "app/qt_message_box.h"
#include "app/qt_shell.h"
#include "main_window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(app::applicationTitle());
    QApplication::setApplicationVersion(app::applicationVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("dorvantix"));

    app::QtMessageBox messages;
    app::QtShell shell;
    app::QtLifetime lifetime;
    app::Platform platform{messages, shell, lifetime};

    Form1 form1(platform);
    form1.load();
    form1.show();
    return QApplication::exec();
}
