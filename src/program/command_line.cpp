#include "program/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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
    Options options;
    if (options.parser.parse(arguments)
        && (options.parser.isSet(options.help) || options.parser.isSet(options.version))) {
        // The usage names the executable from the application's arguments.
        const QCoreApplication console(argc, argv);
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
