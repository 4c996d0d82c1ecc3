// Some system routines (string functions tuned for AVX-512, seen after a GUI
// start-up) leave the upper halves of the vector registers in use. Every SSE
// instruction of the financial library then pays for merging those halves, and a
// long loop of it runs about ten times slower. Clearing that state right before
// such a loop gives the library its own speed; results are the same bit for bit.
#pragma once

#include <utility>

namespace app {

namespace detail {

// Clears the upper halves of the vector registers where the processor has them
// (x86-64 with AVX, checked at run time); does nothing elsewhere.
void clearUpperVectorState();

}  // namespace detail

// Runs loop, a long loop of the financial library, at the library's own speed
// and returns what it returns. Every such loop of the program goes through here.
template <typename Loop>
decltype(auto) atLibrarySpeed(Loop&& loop)
{
    detail::clearUpperVectorState();
    return std::forward<Loop>(loop)();
}

}  // namespace app
