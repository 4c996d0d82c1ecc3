// A million payments are tens of megabytes. The C library's default hands a
// block that large back to the system as soon as it is freed, so every
// Calculate paid again for each fresh page it wrote, several times what the
// rows cost to compute. The program keeps such memory for the next table.
#pragma once

namespace app {

// Once, at start-up. Does nothing where the C library has no such setting.
void keepLargeBlocksForReuse();

}  // namespace app
