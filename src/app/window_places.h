// Windows come back at the size and place they had when last closed, in this
// run or an earlier one. Each kind of window (its class, and its object name
// when it has one) keeps one place in the settings; dialogs, menus and tips
// are placed as usual.
#pragma once

namespace app {

// Remembers the places of the program's windows from now on: a window takes
// its kind's place the first time it is shown, and keeps it when it is hidden,
// closed or the program ends. Does nothing when already called.
void rememberWindowPlaces();

}  // namespace app
