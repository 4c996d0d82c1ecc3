#include "app/application.h"

// Resources in a static library are registered only when something calls
// their initialiser; this must sit outside any namespace.
static void registerIcon()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(dorvantix_icon);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace app {

QIcon applicationIcon()
{
    registerIcon();
    return QIcon(QStringLiteral(":/icons/dorvantix.ico"));
}

}  // namespace app
