// The calculator's financial and number library: time-value-of-money functions,
// number conversions, formats and rounding. Standard C++ only; it knows nothing
// of windows. The locale's number symbols are passed in by the caller.
//
// Conventions of every financial function:
//  - rate is a decimal fraction per period (0.11 means 11 %);
//  - money paid out is negative, money received is positive;
//  - payments fall at the end of each period, and the omitted future or present
//    value is 0, so pv*(1+r)^n + pmt*((1+r)^n - 1)/r + fv = 0 with fv = 0
//    (pv + pmt*n + fv = 0 when r = 0);
//  - with PaymentTiming::Begin each payment falls at the start of its period:
//    pv*(1+r)^n + pmt*(1+r)*((1+r)^n - 1)/r + fv = 0, the same at r = 0.
// No function returns NaN or infinity: an argument outside the domain (NaN
// and infinity included) raises RuntimeError 5, a result beyond the range of
// a double raises RuntimeError 6. Rates must be at least -1 (-100 %): below
// that (1+r)^n is not real for most n, and the annuity functions raise 5.
// Fractional and negative nper are accepted wherever the relation holds.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace finance {

enum ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,  // text that is not a number
};

// The English description of an error number, from the library's one table
// ("Overflow" for 6); "Application-defined or object-defined error" for a
// number it does not know. The windows translate it by number.
const char* errorDescription(int number);

// The one error type of the library; what() is the error's description.
class RuntimeError : public std::runtime_error {
public:
    // Described by errorDescription(number).
    explicit RuntimeError(int number);
    // Described by the caller's own text.
    RuntimeError(int number, const std::string& description);
    int number() const noexcept { return m_number; }
    bool describedByNumber() const noexcept { return m_describedByNumber; }

private:
    int m_number;
    bool m_describedByNumber = false;
};

// When in each period its payment falls.
enum class PaymentTiming { End, Begin };

// Present value of nper payments of pmt (0 for nper = 0). Error 6 when the
// result overflows, as at rate -1 with nper > 0 (nper > 1 at the start).
double PV(double rate, double nper, double pmt, PaymentTiming timing = PaymentTiming::End);
// Future value of nper payments of pmt (0 for nper = 0). Error 6 when the
// result overflows.
double FV(double rate, double nper, double pmt, PaymentTiming timing = PaymentTiming::End);
// Level payment that pays off pv in nper periods. Error 5 for nper = 0; at the
// start and rate -1, error 6 for nper < 1, where the payment is infinite.
double Pmt(double rate, double nper, double pv, PaymentTiming timing = PaymentTiming::End);
// Number of periods for payment pmt to pay off pv. Error 5 where no number
// of periods solves the relation: a payment no larger than the interest
// (pmt + rate*pv zero within the rounding of its two terms counts as equal;
// at the start, pmt*(1+rate) + rate*pv), pmt = 0, or rate -1.
double NPer(double rate, double pmt, double pv, PaymentTiming timing = PaymentTiming::End);
// Rate per period for nper payments of pmt to pay off pv, iterated from 0.1.
// With c = -pv/pmt, a rate above -1 exists, and is unique, exactly when
//  - at the end: nper > 0 and c > 0, nper < -1 and c < -1, or -1 < nper < 0
//    and -1 < c < 0;
//  - at the start: nper > 1 and c > 1 (the loan exceeds the first payment),
//    0 < nper < 1 and 0 < c < 1, or nper < 0 and c < 0;
// elsewhere error 5 (nper = 0, pmt = 0 and pv = 0 included). It is 0 where
// pv + nper*pmt is 0 within the rounding of its two terms, also where every
// rate solves the relation (c = nper = -1 at the end, c = nper = 1 at the
// start: one payment equal to the loan). A root closer to -1 than a double
// resolves gives the double just above -1.
double Rate(double nper, double pmt, double pv, PaymentTiming timing = PaymentTiming::End);
// Interest part of payment number per (1 <= per <= nper) of Pmt(rate, nper, pv),
// signed like the payment. Error 5 for per < 1 or per > nper. At the start
// payment 1 carries no interest, and payment per > 1 the interest on the
// balance left after payment per - 1.
double IPmt(double rate, double per, double nper, double pv, PaymentTiming timing = PaymentTiming::End);

// x raised to y. Error 5 when the power is not real (negative x, fractional y;
// zero to a negative power), error 6 when it overflows.
double Power(double x, double y);
// x rounded to the given number of decimals, halves to even (2.5 -> 2, 3.5 -> 4).
// The exact binary value is rounded: 2.675 is stored below the half and gives
// 2.67. Error 5 for negative decimals.
double Round(double x, int decimals = 0);
// x rounded to a 16-bit integer, halves to even; error 6 outside -32768..32767.
short toInteger16(double x);

// Arithmetic for the handlers' own formulas: error 11 for a division by zero,
// error 6 for an overflow or an operation with no real result.
double checkedAdd(double a, double b);
double checkedMultiply(double a, double b);
double checkedDivide(double a, double b);

// The user's number symbols, as UTF-8 text, and the locale's grouping: the
// group before the decimal point has groupSize digits, every earlier group
// higherGroupSize (3 and 2 write 12,34,567). A size below 1 counts as 3.
struct NumberSymbols {
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";
    int groupSize = 3;
    int higherGroupSize = 3;
};

// The number spelled by the longest leading numeric part of text: blanks
// (space, tab, line breaks) are skipped anywhere in it ("1 000" is 1000), "."
// is the only decimal point, no grouping, an exponent needs a digit ("1e" is
// 1); 0 when there is none. "1,000" gives 1. Error 6 when the number is beyond
// the range of a double; a number below the smallest double gives 0.
double Val(std::string_view text);

// True when the whole text, blanks around it aside, can be read one way: as a
// number written with the given symbols (sign, digits, group separators,
// decimal point, exponent), else as a plain decimal with "." as the point
// (sign, digits, ".", digits, exponent). Where both fit the symbols win:
// "1.250" is 1250 where "." groups, "0.125" there is 0.125. Grouping is
// strict (1,234,567; 12,34,567 for sizes 3 and 2): "1,2,3" and "1234,567" are
// not numeric, nor is a first group that starts with 0 ("0,125" where ","
// groups). Where the separator is a no-break space, a typed space of any kind
// groups; where it is a right single quotation mark, an apostrophe does.
// False for empty or blank text. "1e999" is numeric; reading it raises error 6.
bool IsNumeric(std::string_view text, const NumberSymbols& symbols);

// Text that IsNumeric accepts, read the way IsNumeric accepts it.
// Error 13 for text that is not a number, error 6 when it is out of range.
double textToNumber(std::string_view text, const NumberSymbols& symbols);

// How the windows read a field: textToNumber when IsNumeric accepts the text
// (so "1,000" is 1000), Val otherwise (so "L. Bound" is 0, "1234,567" 1234).
double readNumber(std::string_view text, const NumberSymbols& symbols);

// General form: up to 15 significant digits, no grouping, no trailing zeros,
// no decimal point for a whole number (-1234.5, 10, 0.0525), never "-0".
// Magnitudes below 1e-5 or from 1e15 up take an exponent: 1E+20, 1.5E-07.
std::string numberToText(double x, const NumberSymbols& symbols);

// Named formats: "standard" is grouped with two decimals (1,210.00; -614.46),
// "percent" is x*100 with two decimals and "%" (5.25%). Error 5 for another name.
// The exact binary value is rounded, an exact half away from zero (0.125 ->
// 0.13); a value that shows as zero has no sign (-0.001 -> 0.00).
std::string Format(double x, std::string_view formatName, const NumberSymbols& symbols);

}  // namespace finance
#include "finance/cash_flows.h"
