#pragma once

#include "app/lifetime.h"

namespace app {

class QtLifetime final : public Lifetime {
public:
    void endApplication() override;
};

}  // namespace app
