#include "finance/finance.h"

// Marks a description for the windows' catalogue (lupdate reads it as
// QT_TRANSLATE_NOOP); the library itself stays English.
#define FINANCE_TRANSLATE_NOOP(context, text) text

namespace finance {

namespace {

struct Description {
    int number;
    const char* text;
};

constexpr Description descriptions[] = {
    {InvalidArgument, FINANCE_TRANSLATE_NOOP("finance", "Invalid procedure call or argument")},
    {Overflow, FINANCE_TRANSLATE_NOOP("finance", "Overflow")},
    {DivisionByZero, FINANCE_TRANSLATE_NOOP("finance", "Division by zero")},
    {TypeMismatch, FINANCE_TRANSLATE_NOOP("finance", "Type mismatch")},
};

constexpr const char* otherError = FINANCE_TRANSLATE_NOOP("finance", "Application-defined or object-defined error");

}  // namespace

const char* errorDescription(int number)
{
    for (const Description& description : descriptions)
        if (description.number == number)
            return description.text;
    return otherError;
}

RuntimeError::RuntimeError(int number)
    : std::runtime_error(errorDescription(number)), m_number(number), m_describedByNumber(true)
{
}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), m_number(number)
{
}

}  // namespace finance
