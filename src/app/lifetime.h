// Ending the program behind an interface of ours.
#pragma once

namespace app {

class Lifetime {
public:
    virtual ~Lifetime() = default;
    // Ends the program at once: every window goes, no close handler runs.
    virtual void endApplication() = 0;
};

}  // namespace app
