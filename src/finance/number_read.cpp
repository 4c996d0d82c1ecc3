// Reading numbers from text. Val is the forgiving, locale-blind reading of a
// leading number; IsNumeric and textToNumber read a whole text with the user's
// symbols; readNumber is how the windows combine them.
#include "finance/finance.h"

#include "finance/decimal.h"

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

// The no-break spaces some locales group with are typed as plain spaces.
bool isGroupSeparator(std::string_view text, std::size_t at, std::string_view separator,
                      std::size_t& length)
{
    if (startsWith(text, at, separator)) {
        length = separator.size();
        return true;
    }
    if ((separator == "\u00A0" || separator == "\u202F") && text[at] == ' ') {
        length = 1;
        return true;
    }
    return false;
}

// The whole text, blanks around it aside, as a number written with the given
// symbols. Grouping is strict: the first group has one to three digits and
// every later group exactly three. A lenient reading would take "0.05" typed
// in a comma-decimal locale as 5 (its "." being the group separator); the
// strict one rejects it, and readNumber falls back to Val, giving 0.05.
std::optional<DecimalText> readLocaleNumber(std::string_view text, const NumberSymbols& symbols)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    text = text.substr(begin, end - begin);

    const std::string_view point =
        symbols.decimalPoint.empty() ? std::string_view(".") : std::string_view(symbols.decimalPoint);
    const std::string_view group = symbols.groupSeparator == point
                                       ? std::string_view()
                                       : std::string_view(symbols.groupSeparator);

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
            if (grouped ? groupDigits != 3 : groupDigits > 3)
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
            i += separatorLength;
        } else {
            break;
        }
    }
    if (grouped && groupDigits != 3)
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
    return readLocaleNumber(text, symbols).has_value();
}

double textToNumber(std::string_view text, const NumberSymbols& symbols)
{
    const auto number = readLocaleNumber(text, symbols);
    if (!number)
        throw RuntimeError(TypeMismatch);
    return toDouble(*number);
}

double readNumber(std::string_view text, const NumberSymbols& symbols)
{
    const auto number = readLocaleNumber(text, symbols);
    return number ? toDouble(*number) : Val(text);
}

}  // namespace finance
