// Writing numbers as text with the user's symbols. std::to_chars is used
// throughout because it ignores the C library's locale, which the windows set.
#include "finance/finance.h"

#include "finance/checks.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace finance {

using namespace detail;

namespace {

// Room for the 309 integer digits of the largest double and a few decimals.
using Buffer = std::array<char, 400>;

std::string withPoint(std::string text, const NumberSymbols& symbols)
{
    const auto at = text.find('.');
    if (at != std::string::npos)
        text.replace(at, 1, symbols.decimalPoint);
    return text;
}

std::string trimFractionZeros(std::string digits)
{
    if (digits.find('.') == std::string::npos)
        return digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.back() == '.')
        digits.pop_back();
    return digits;
}

// |x| with two decimals, halves away from zero on the exact binary value.
// Only multiples of 1/8 with an odd numerator are exact halves at two
// decimals; to_chars would take those to even, so they are rounded up here.
std::string twoDecimals(double magnitude)
{
    Buffer buffer{};
    const double eighths = magnitude * 8;
    const bool exactHalf = eighths < 0x1p53 && std::trunc(eighths) == eighths &&
                           std::fmod(eighths, 2) == 1;
    const int decimals = exactHalf ? 3 : 2;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::fixed, decimals);
    std::string digits(buffer.data(), written.ptr);
    if (!exactHalf)
        return digits;
    digits.pop_back();
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it == '.')
            continue;
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return '1' + digits;
}

std::string grouped(const std::string& integerDigits, const NumberSymbols& symbols)
{
    const std::size_t lastSize = groupSize(symbols.groupSize);
    const std::size_t higherSize = groupSize(symbols.higherGroupSize);
    std::string result;
    for (std::size_t i = 0; i < integerDigits.size(); ++i) {
        const std::size_t rest = integerDigits.size() - i;
        if (i > 0 && rest >= lastSize && (rest - lastSize) % higherSize == 0)
            result += symbols.groupSeparator;
        result += integerDigits[i];
    }
    return result;
}

// x with two decimals; no sign when every written digit is zero.
std::string fixedTwo(double x, bool group, const NumberSymbols& symbols)
{
    const std::string digits = twoDecimals(std::fabs(x));
    const auto point = digits.find('.');
    std::string integerPart = digits.substr(0, point);
    if (group)
        integerPart = grouped(integerPart, symbols);
    const bool zero = digits.find_first_of("123456789") == std::string::npos;
    return (x < 0 && !zero ? "-" : "") + integerPart + symbols.decimalPoint +
           digits.substr(point + 1);
}

}  // namespace

// Fixed notation for decimal exponents -5 to 14, otherwise a mantissa and a
// signed exponent of at least two digits (1E+20, 1.5E-07), as in the general
// number format.
std::string numberToText(double x, const NumberSymbols& symbols)
{
    requireFinite({x});
    if (x == 0)
        return "0";
    Buffer buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                       std::chars_format::scientific, 14);
    const std::string scientific(buffer.data(), written.ptr);
    const auto e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);

    if (exponent < -5 || exponent > 14) {
        std::string mantissa = trimFractionZeros(scientific.substr(0, e));
        const std::string power = std::to_string(std::abs(exponent));
        return withPoint(mantissa, symbols) + (exponent < 0 ? "E-" : "E+") +
               (power.size() < 2 ? "0" : "") + power;
    }
    const int decimals = exponent >= 14 ? 0 : 14 - exponent;
    const auto fixed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                     std::chars_format::fixed, decimals);
    return withPoint(trimFractionZeros(std::string(buffer.data(), fixed.ptr)), symbols);
}

// "percent" multiplies by 100 first; a value so large that the product
// overflows raises error 6.
std::string Format(double x, std::string_view formatName, const NumberSymbols& symbols)
{
    requireFinite({x});
    if (formatName == "standard")
        return fixedTwo(x, true, symbols);
    if (formatName == "percent")
        return fixedTwo(finiteResult(x * 100), false, symbols) + "%";
    invalidArgument();
}

}  // namespace finance
