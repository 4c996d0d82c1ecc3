#include "finance/decimal.h"

#include "finance/finance.h"

#include <locale>
#include <sstream>

namespace finance::detail {

namespace {

constexpr long long exponentLimit = 1'000'000'000;

}  // namespace

void appendExponentDigit(long long& exponent, char digit)
{
    exponent = exponent * 10 + (digit - '0');
    if (exponent > exponentLimit)
        exponent = exponentLimit;
}

// Written as 0.<significant digits>e<power>, so that the power alone tells an
// overflow (power > 0) from an underflow when the conversion is out of range.
double toDouble(const DecimalText& number)
{
    const auto first = number.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    const long long power =
        number.integerDigits - static_cast<long long>(first) + number.exponent;

    std::string text = "0.";
    text.append(number.digits, first, std::string::npos);
    text += 'e';
    text += std::to_string(power);

    double value = 0;
    if (!readClassic(text, value)) {
        if (power > 0)
            throw RuntimeError(Overflow);
        return 0;
    }
    return number.negative ? -value : value;
}

// A stream rather than std::from_chars, which not every standard library
// offers for doubles yet. One stream a thread, made once: making it and
// giving it its locale cost more than the reading.
bool readClassic(const std::string& text, double& value)
{
    thread_local std::istringstream stream = [] {
        std::istringstream classic;
        classic.imbue(std::locale::classic());
        return classic;
    }();
    stream.clear();
    stream.str(text);
    stream >> value;
    return !stream.fail();
}

}  // namespace finance::detail
