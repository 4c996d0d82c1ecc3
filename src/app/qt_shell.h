#pragma once

#include "app/shell.h"

namespace app {

// Hands the address to the desktop's default handler.
class QtShell final : public Shell {
public:
    void open(const ShellOpenRequest& request) override;
};

}  // namespace app
