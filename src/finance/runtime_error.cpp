#include "finance/finance.h"

namespace finance {

namespace {

std::string describe(int number)
{
    switch (number) {
    case InvalidArgument:
        return "Invalid procedure call or argument";
    case Overflow:
        return "Overflow";
    case DivisionByZero:
        return "Division by zero";
    case TypeMismatch:
        return "Type mismatch";
    default:
        return "Application-defined or object-defined error";
    }
}

}  // namespace

RuntimeError::RuntimeError(int number)
    : RuntimeError(number, describe(number))
{
}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), m_number(number)
{
}

}  // namespace finance
