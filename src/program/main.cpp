#include "app/memory_policy.h"
#include "app/platform.h"
#include "app/print_dialog.h"
#include "app/qt_file_dialog.h"
#include "app/qt_lifetime.h"
#include "app/qt_message_box.h"
#include "app/qt_shell.h"
#include "app/translations.h"
#include "program/command_line.h"
#include "program/start_up.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    app::keepLargeBlocksForReuse();
    program::nameApplication();
    if (const auto status = program::answerHelpOrVersion(argc, argv))
        return *status;
    QApplication application(argc, argv);
    app::installTranslators(QLocale::system());
    QString fileToOpen;
    if (const auto status = program::readCommandLine(fileToOpen))
        return *status;

    app::QtMessageBox messages;
    app::QtShell shell;
    app::QtLifetime lifetime;
    app::QtFileDialog files;
    app::QtPrintDialog printing;
    app::Platform platform{messages, shell, lifetime, files, &printing};

    const auto form1 = program::startUp(platform, fileToOpen);
    return QApplication::exec();
}
