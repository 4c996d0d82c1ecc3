// Some system routines (string functions tuned for AVX-512, seen after a GUI
// start-up) leave the upper halves of the vector registers in use. Every SSE
// instruction of the financial library then pays for merging those halves, and a
// long loop of it runs about ten times slower. Clearing that state before such a
// loop gives the library its own speed; results are the same bit for bit.
#pragma once

namespace app {

// Clears the upper halves of the vector registers where the processor has them
// (x86-64 with AVX, checked at run time); does nothing elsewhere.
void clearUpperVectorState();

}  // namespace app
