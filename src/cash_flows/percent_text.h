// How the cash-flow window writes a rate: a percentage with four decimals in
// the user's locale, "10.0000%", never "-0.0000%".
#pragma once

#include <QLocale>
#include <QString>

#include <cmath>

namespace cash_flows {

inline QString percentText(double rate)
{
    const double percent = std::round(rate * 1e6) / 1e4;
    return QLocale().toString(percent == 0 ? 0.0 : percent, 'f', 4) + QLatin1Char('%');
}

}  // namespace cash_flows
