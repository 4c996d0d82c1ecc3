// A line's payment: the payment rounded to cents as the "standard" format
// writes it (halves away from zero) and read back as a number.
#pragma once

#include "finance/finance.h"

namespace sensitivity {

// Gives exactly Format(payment, "standard") read back with textToNumber, but
// for the usual payments without building the text, which would cost most
// of a long run.
double linePayment(double payment, const finance::NumberSymbols& symbols);

}  // namespace sensitivity
