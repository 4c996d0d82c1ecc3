#include "program/command_line.h"

#include "app/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace program {
namespace {

struct Options {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
};

}  // namespace

void answerHelpOrVersion(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Options asked;
    if (asked.parser.parse(arguments)
        && (asked.parser.isSet(asked.help) || asked.parser.isSet(asked.version))) {
        // The usage names the executable from the application's arguments and
        // describes the options in the user's language.
        const QCoreApplication console(argc, argv);
        app::installTranslators(QLocale::system());
        Options options;
        options.parser.process(console);
    }
}

bool readCommandLine()
{
    Options options;
    const QStringList arguments = QCoreApplication::arguments();
    if (!options.parser.parse(arguments)) {
        std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(options.parser.errorText()), qPrintable(options.parser.helpText()));
        return false;
    }
    options.parser.process(arguments);
    return true;
}

}  // namespace program
