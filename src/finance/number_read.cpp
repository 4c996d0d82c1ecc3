// Reading numbers from text. Val is the forgiving, locale-blind reading of a
// leading number; IsNumeric and textToNumber read a whole text the one way it
// can be read with the user's symbols; readNumber is how the windows combine them.
#include "finance/finance.h"

#include "finance/checks.h"
#include "finance/decimal.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace finance {

using namespace detail;

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool startsWith(std::string_view text, std::size_t at, std::string_view prefix)
{
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

// An optional e/E exponent with sign and at least one digit, read at `at`;
// `at` moves past it only when it is complete.
bool readExponent(std::string_view text, std::size_t& at, long long& exponent,
                  bool skipBlanks)
{
    std::size_t i = at;
    const auto skip = [&] {
        while (skipBlanks && i < text.size() && isBlank(text[i]))
            ++i;
    };
    skip();
    if (i >= text.size() || (text[i] != 'e' && text[i] != 'E'))
        return false;
    ++i;
    skip();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
        skip();
    }
    if (i >= text.size() || !isDigit(text[i]))
        return false;
    long long value = 0;
    while (i < text.size() && isDigit(text[i])) {
        appendExponentDigit(value, text[i]);
        ++i;
        skip();
    }
    exponent = negative ? -value : value;
    at = i;
    return true;
}

// A typed space groups where the locale groups with a no-break space, and a
// typed apostrophe where it groups with a right single quotation mark.
bool isGroupSeparator(std::string_view text, std::size_t at, std::string_view separator,
                      std::size_t& length)
{
    static constexpr std::string_view spaces[] = {" ", "\u00A0", "\u202F"};
    const auto typedAt = [&](std::string_view typed) {
        if (!startsWith(text, at, typed))
            return false;
        length = typed.size();
        return true;
    };
    if (typedAt(separator))
        return true;
    if (std::find(std::begin(spaces), std::end(spaces), separator) != std::end(spaces))
        return std::any_of(std::begin(spaces), std::end(spaces), typedAt);
    return separator == "\u2019" && typedAt("'");
}

// The whole text, blanks around it aside, as a number written with the given
// decimal point and group separator (none when empty). Grouping is strict:
// the group before the point has groupSize digits, every earlier group
// higherGroupSize, the first one 1 to higherGroupSize and no leading 0.
std::optional<DecimalText> readWritten(std::string_view text, std::string_view point,
                                       std::string_view group, const NumberSymbols& symbols)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    text = text.substr(begin, end - begin);

    const std::size_t lastSize = groupSize(symbols.groupSize);
    const std::size_t higherSize = groupSize(symbols.higherGroupSize);
    DecimalText number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }

    std::size_t groupDigits = 0;
    bool grouped = false;
    while (i < text.size()) {
        std::size_t separatorLength = 0;
        if (isDigit(text[i])) {
            number.digits += text[i];
            ++groupDigits;
            ++i;
        } else if (!group.empty() && groupDigits > 0 &&
                   isGroupSeparator(text, i, group, separatorLength)) {
            const bool fits = grouped ? groupDigits == higherSize
                                      : groupDigits <= higherSize && number.digits[0] != '0';
            if (!fits)
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
            i += separatorLength;
        } else {
            break;
        }
    }
    if (grouped && groupDigits != lastSize)
        return std::nullopt;
    number.integerDigits = static_cast<long long>(number.digits.size());

    if (startsWith(text, i, point)) {
        i += point.size();
        while (i < text.size() && isDigit(text[i])) {
            number.digits += text[i];
            ++i;
        }
    }
    if (number.digits.empty())
        return std::nullopt;
    readExponent(text, i, number.exponent, false);
    if (i != text.size())
        return std::nullopt;
    return number;
}

// The one reading of a whole text: as written in the locale, else as a plain
// decimal with "." as the point. A lenient grouping would read "0.05" typed
// in a comma-decimal locale as 5; the strict one leaves it to the plain
// reading. Where both fit ("1.250" where "." groups) the locale's wins.
std::optional<DecimalText> readWholeNumber(std::string_view text, const NumberSymbols& symbols)
{
    const std::string_view point =
        symbols.decimalPoint.empty() ? std::string_view(".") : std::string_view(symbols.decimalPoint);
    const std::string_view group = symbols.groupSeparator == point
                                       ? std::string_view()
                                       : std::string_view(symbols.groupSeparator);
    if (auto number = readWritten(text, point, group, symbols))
        return number;
    return readWritten(text, ".", {}, symbols);
}

}  // namespace

// Blanks (space, tab, line breaks) are skipped anywhere in the number, so
// "1 000" reads as 1000; the first other character that cannot continue the
// number ends it. An exponent counts only with at least one digit ("1e" is 1).
double Val(std::string_view text)
{
    DecimalText number;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
        skipBlanks();
    }
    while (i < text.size() && isDigit(text[i])) {
        number.digits += text[i];
        ++i;
        skipBlanks();
    }
    number.integerDigits = static_cast<long long>(number.digits.size());
    if (i < text.size() && text[i] == '.') {
        ++i;
        skipBlanks();
        while (i < text.size() && isDigit(text[i])) {
            number.digits += text[i];
            ++i;
            skipBlanks();
        }
    }
    if (number.digits.empty())
        return 0;
    readExponent(text, i, number.exponent, true);
    return toDouble(number);
}

bool IsNumeric(std::string_view text, const NumberSymbols& symbols)
{
    return readWholeNumber(text, symbols).has_value();
}

double textToNumber(std::string_view text, const NumberSymbols& symbols)
{
    const auto number = readWholeNumber(text, symbols);
    if (!number)
        throw RuntimeError(TypeMismatch);
    return toDouble(*number);
}

double readNumber(std::string_view text, const NumberSymbols& symbols)
{
    const auto number = readWholeNumber(text, symbols);
    return number ? toDouble(*number) : Val(text);
}

}  // namespace finance
