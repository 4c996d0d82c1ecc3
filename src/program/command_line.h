// The command line: Qt's --help and --version, nothing else of the program's
// own. It is read before any window is made. Both answers print and end the
// program.
#pragma once

namespace program {

// Answers a command line that asks only for the help or the version on a
// console application, so no display is needed. Returns when the command line
// asks for something else, or holds options QApplication may take out first
// (-style, -platform, ...). Needs a named application and no application object.
void answerHelpOrVersion(int& argc, char* argv[]);

// Reads the command line QApplication has left: answers --help and --version;
// for an option nobody knows prints the error and the usage on standard error
// and returns false. Needs the application object.
bool readCommandLine();

}  // namespace program
