// The program's identity, shared by every window and message box.
#pragma once

#include <QIcon>
#include <QString>

namespace app {

inline QString applicationTitle() { return QStringLiteral("Kelvarn"); }
inline QString applicationVersion() { return QStringLiteral("1.00"); }
// The program icon (":/icons/dorvantix.ico"), every size and depth of it.
QIcon applicationIcon();

}  // namespace app
