#include "app/vector_state.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace app::detail {

namespace {

__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

}  // namespace

void clearUpperVectorState()
{
    // True only where the processor has AVX and the system saves its registers.
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        zeroUpper();
}

}  // namespace app::detail

#elif defined(_M_X64)
#include <immintrin.h>
#include <intrin.h>

namespace app::detail {

namespace {

bool hasAvx()
{
    int registers[4];
    __cpuid(registers, 1);
    const bool osSavesVectors = (registers[2] & (1 << 27)) != 0;
    const bool avx = (registers[2] & (1 << 28)) != 0;
    return osSavesVectors && avx && (_xgetbv(0) & 6) == 6;
}

}  // namespace

void clearUpperVectorState()
{
    static const bool avx = hasAvx();
    if (avx)
        _mm256_zeroupper();
}

}  // namespace app::detail

#else

namespace app::detail {

void clearUpperVectorState() {}

}  // namespace app::detail

#endif
