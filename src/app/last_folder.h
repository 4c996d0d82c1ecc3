// Every file dialog starts in the folder of the file last chosen in any of
// them, in this run or an earlier one.
#pragma once

#include <QString>

namespace app {

// The remembered folder while it exists; otherwise the user's documents
// folder, or the home folder when there is none.
QString startFolder();

// Remembers the folder of a file chosen in a dialog; an empty name (the
// dialog was cancelled) changes nothing.
void rememberFolder(const QString& chosenFile);

}  // namespace app
