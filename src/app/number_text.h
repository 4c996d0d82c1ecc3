// The bridge between field text and the financial library, in the user's locale.
#pragma once

#include "finance/finance.h"

#include <QString>

#include <cstdint>

namespace app {

// The default locale's decimal point, group separator and group sizes: how
// numbers are shown.
finance::NumberSymbols numberSymbols();

// How every number is written in a file, whatever the locale: "." as the
// decimal point and no grouping (-1128.25, 0.0525).
const finance::NumberSymbols& fileSymbols();

// A field read as the windows read numbers: "1,000" is 1000, "0.125" is 0.125
// where "," is the decimal point, "L. Bound" is 0.
double readNumber(const QString& text);
bool isNumeric(const QString& text);

// The library's writers (finance::numberToText, finance::Format), shown in the
// user's locale unless other symbols are given.
QString numberToText(double x, const finance::NumberSymbols& symbols = numberSymbols());
QString format(double x, const char* formatName, const finance::NumberSymbols& symbols = numberSymbols());

// An amount in cents as the "standard" format writes it: "-1,128.25" shown,
// "-1128.25" with fileSymbols().
QString moneyText(std::int64_t cents, const finance::NumberSymbols& symbols = numberSymbols());

}  // namespace app
