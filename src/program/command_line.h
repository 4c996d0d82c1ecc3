// The command line: Qt's --help and --version, and one file to open: a loan
// file (.loan.json) or cash flows (.csv). It is read before any window is made. Each returns the program's exit
// status when the command line ends the program, nothing when the windows
// should start.
#pragma once

#include <QString>

#include <optional>

namespace program {

// Answers a command line of our options and arguments alone on a console
// application, so no display is needed: prints the help or the version and
// ends the program, or refuses an argument. Returns nothing when the command
// line asks nothing or names a file to open, or holds options QApplication may
// take out first (-style, -platform, ...). Needs a named application and no
// application object.
std::optional<int> answerHelpOrVersion(int& argc, char* argv[]);

// Reads the command line QApplication has left: answers --help and --version;
// for an option nobody knows, an argument that is not a file of ours, or a
// second file prints the error and the usage on standard error and returns a
// failure. The file to open, if any, goes to fileToOpen. Needs the
// application object.
std::optional<int> readCommandLine(QString& fileToOpen);

}  // namespace program
