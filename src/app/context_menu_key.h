// Shift+F10 opens the context menu of the widget with the keyboard focus, as
// the Menu key does: the desktop convention for every list, table and chart.
// Qt gives the Menu key that meaning on every platform, Shift+F10 only where
// the system does.
#pragma once

namespace app {

// Installs the handling on the application; once is enough, again does nothing.
void installContextMenuKey();

}  // namespace app
