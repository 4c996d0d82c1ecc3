// A line's payment: the payment rounded to cents as the "standard" format
// writes it (halves away from zero) and read back as a number.
#pragma once

namespace sensitivity {

// Gives exactly Format(payment, "standard") read back with textToNumber, in
// any locale, without building the text, which would cost most of a long run.
double linePayment(double payment);

}  // namespace sensitivity
