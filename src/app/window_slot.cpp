#include "app/window_slot.h"

namespace app {

void bringToFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace app
