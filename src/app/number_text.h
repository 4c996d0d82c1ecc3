// The bridge between field text and the financial library, in the user's locale.
#pragma once

#include "finance/finance.h"

#include <QString>

namespace app {

// The default locale's decimal point, group separator and group sizes.
finance::NumberSymbols numberSymbols();

// A field read as the windows read numbers: "1,000" is 1000, "0.125" is 0.125
// where "," is the decimal point, "L. Bound" is 0.
double readNumber(const QString& text);
bool isNumeric(const QString& text);
QString numberToText(double x);
QString format(double x, const char* formatName);

}  // namespace app
