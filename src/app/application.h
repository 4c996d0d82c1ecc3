// The program's identity, shared by every window and message box.
#pragma once

#include <QString>

namespace app {

inline QString applicationTitle() { return QStringLiteral("Kelvarn"); }
inline QString applicationVersion() { return QStringLiteral("1.00"); }

}  // namespace app
