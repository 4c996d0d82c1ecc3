// Decimal digits read from text, converted to the nearest double without
// depending on the C library's locale (the windows set one).
#pragma once

#include <string>

namespace finance::detail {

struct DecimalText {
    bool negative = false;
    std::string digits;             // ASCII digits of the mantissa, point left out
    long long integerDigits = 0;    // how many of them stand before the point
    long long exponent = 0;         // the written power of ten, clamped to +-1e9
};

// Adds one written exponent digit, clamping the value so that absurd
// exponents stay absurd without overflowing.
void appendExponentDigit(long long& exponent, char digit);

// The nearest double, +0 for any zero or a value below the smallest double,
// RuntimeError 6 beyond the largest.
double toDouble(const DecimalText& number);

// Reads plain decimal text such as "0.125e-3" as the nearest double, in the
// classic locale whatever locale the C library has. False when the value is
// beyond the range of a double (value then holds no meaning).
bool readClassic(const std::string& text, double& value);

}  // namespace finance::detail
