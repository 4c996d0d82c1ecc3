#include "app/memory_policy.h"

// Any C library header says which library it is.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace app {

void keepLargeBlocksForReuse()
{
#if defined(__GLIBC__)
    // Blocks below 256 MiB come from the heap, and up to that much free at
    // its top stays mapped; a refused setting leaves the default.
    constexpr int largestKept = 256 << 20;
    mallopt(M_MMAP_THRESHOLD, largestKept);
    mallopt(M_TRIM_THRESHOLD, largestKept);
#endif
}

}  // namespace app
