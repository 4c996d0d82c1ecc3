// Feeds arbitrary bytes to the text readers and checks what must always hold:
// no crash, no undefined behaviour, no non-finite result, only the documented
// errors, IsNumeric agreeing with textToNumber, and what numberToText and
// Format write being numeric. The first byte picks the
// number symbols.
#include "finance/finance.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

const finance::NumberSymbols symbolSets[] = {
    {".", ","},
    {",", "."},
    {",", "\u202F"},
    {".", "'"},
    {".", "\u2019"},
    {".", ",", 3, 2},
};

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void requireFiniteOrOverflow(double (*read)(std::string_view, const finance::NumberSymbols&),
                             std::string_view text, const finance::NumberSymbols& symbols)
{
    try {
        require(std::isfinite(read(text, symbols)));
    } catch (const finance::RuntimeError& e) {
        require(e.number() == finance::Overflow);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto& symbols = symbolSets[data[0] % std::size(symbolSets)];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    try {
        const double value = finance::Val(text);
        require(std::isfinite(value));
        const std::string written = finance::numberToText(value, symbols);
        require(finance::IsNumeric(written, symbols));
        const double back = finance::textToNumber(written, symbols);
        require(std::fabs(back - value) <= 1e-14 * std::fabs(value));
        require(finance::IsNumeric(finance::Format(value, "standard", symbols), symbols));
    } catch (const finance::RuntimeError& e) {
        require(e.number() == finance::Overflow);
    }

    const bool numeric = finance::IsNumeric(text, symbols);
    try {
        require(std::isfinite(finance::textToNumber(text, symbols)));
        require(numeric);
    } catch (const finance::RuntimeError& e) {
        require(e.number() == (numeric ? finance::Overflow : finance::TypeMismatch));
    }
    requireFiniteOrOverflow(finance::readNumber, text, symbols);
    return 0;
}
