#include "app/number_text.h"

#include <QLocale>

namespace app {

finance::NumberSymbols numberSymbols()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

double readNumber(const QString& text)
{
    return finance::readNumber(text.toStdString(), numberSymbols());
}

bool isNumeric(const QString& text)
{
    return finance::IsNumeric(text.toStdString(), numberSymbols());
}

QString numberToText(double x)
{
    return QString::fromStdString(finance::numberToText(x, numberSymbols()));
}

QString format(double x, const char* formatName)
{
    return QString::fromStdString(finance::Format(x, formatName, numberSymbols()));
}

}  // namespace app
