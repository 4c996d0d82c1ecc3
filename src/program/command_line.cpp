#include "program/command_line.h"

#include "app/application.h"
#include "app/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace program {
namespace {

// The description leads the usage, and so the manual page made from it.
struct Options {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();

    Options()
    {
        parser.setApplicationDescription(QCoreApplication::translate(
            "program::CommandLine", "Quandrel Calculator, for time-value-of-money problems. Without options it opens "
                                    "its main window."));
        parser.addPositionalArgument(
            QCoreApplication::translate("program::CommandLine", "file"),
            QCoreApplication::translate("program::CommandLine",
                                        "A loan file (.loan.json) to open in the loan planner, or cash flows (.csv) "
                                        "to open in the cash-flow window."),
            QCoreApplication::translate("program::CommandLine", "[file]"));
    }
};

bool isOurFile(const QString& argument)
{
    return argument.endsWith(QLatin1String(".loan.json"), Qt::CaseInsensitive)
           || argument.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

// The first argument that is not the one file of ours a command line may name;
// empty when there is none.
QString strayArgument(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (i > 0 || !isOurFile(arguments[i]))
            return arguments[i];
    }
    return {};
}

// Qt prints the help and the version and ends the program without looking
// whether the text was written: a full disk or a closed pipe must not end it
// as a success. Runs as the program ends, so it leans on no Qt object.
void checkStandardOutput()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return;
    const int error = errno;
    std::fprintf(stderr, "%s: %s\n", qPrintable(app::applicationTitle()), std::strerror(error));
    std::_Exit(EXIT_FAILURE);
}

// The error and the usage on standard error.
int refuse(const QCommandLineParser& parser, const QString& error)
{
    std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()), qPrintable(error),
                 qPrintable(parser.helpText()));
    return EXIT_FAILURE;
}

// A command line of known options: --help and --version end the program here.
std::optional<int> answerParsed(Options& options, const QStringList& arguments)
{
    std::atexit(checkStandardOutput);
    options.parser.process(arguments);
    const QString stray = strayArgument(options.parser.positionalArguments());
    if (!stray.isEmpty())
        return refuse(options.parser,
                      QCoreApplication::translate("program::CommandLine", "Unexpected argument '%1'.").arg(stray));
    return std::nullopt;
}

}  // namespace

std::optional<int> answerHelpOrVersion(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Options asked;
    // Every option a successful parse finds is --help or --version.
    if (!asked.parser.parse(arguments)
        || (asked.parser.optionNames().isEmpty() && strayArgument(asked.parser.positionalArguments()).isEmpty()))
        return std::nullopt;
    // The usage names the executable from the application's arguments and
    // describes the options in the user's language.
    const QCoreApplication console(argc, argv);
    app::installTranslators(QLocale::system());
    Options options;
    return answerParsed(options, arguments);
}

std::optional<int> readCommandLine(QString& fileToOpen)
{
    Options options;
    const QStringList arguments = QCoreApplication::arguments();
    if (!options.parser.parse(arguments))
        return refuse(options.parser, options.parser.errorText());
    if (const std::optional<int> status = answerParsed(options, arguments))
        return status;
    fileToOpen = options.parser.positionalArguments().value(0);
    return std::nullopt;
}

}  // namespace program
