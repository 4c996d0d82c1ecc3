#include "app/qt_lifetime.h"

#include <QCoreApplication>

namespace app {

// exit() leaves the event loop directly; quit() would first offer every
// window a close event, which ending the program must not do.
void QtLifetime::endApplication()
{
    QCoreApplication::exit(0);
}

}  // namespace app
