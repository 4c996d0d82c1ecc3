#include "app/number_text.h"

#include <QLocale>
#include <QStringList>

namespace app {

namespace {

// Qt offers no group sizes; the locale's own spelling of a long number shows
// them (1,23,45,67,890 in en_IN).
finance::NumberSymbols symbolsOf(QLocale locale)
{
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString separator = locale.groupSeparator();
    finance::NumberSymbols symbols{locale.decimalPoint().toStdString(), separator.toStdString()};
    if (separator.isEmpty())
        return symbols;
    const QStringList groups = locale.toString(qlonglong(1234567890)).split(separator);
    if (groups.size() >= 2)
        symbols.groupSize = static_cast<int>(groups.last().toUcs4().size());
    symbols.higherGroupSize =
        groups.size() >= 3 ? static_cast<int>(groups[groups.size() - 2].toUcs4().size()) : symbols.groupSize;
    return symbols;
}

}  // namespace

// Worked out once for each locale in use: a long list asks for every line.
finance::NumberSymbols numberSymbols()
{
    static QLocale cachedLocale = QLocale::c();
    static finance::NumberSymbols cached = symbolsOf(cachedLocale);
    const QLocale locale;
    if (!(locale == cachedLocale)) {
        cached = symbolsOf(locale);
        cachedLocale = locale;
    }
    return cached;
}

const finance::NumberSymbols& fileSymbols()
{
    static const finance::NumberSymbols symbols{".", ""};
    return symbols;
}

double readNumber(const QString& text)
{
    return finance::readNumber(text.toStdString(), numberSymbols());
}

bool isNumeric(const QString& text)
{
    return finance::IsNumeric(text.toStdString(), numberSymbols());
}

QString numberToText(double x, const finance::NumberSymbols& symbols)
{
    return QString::fromStdString(finance::numberToText(x, symbols));
}

QString format(double x, const char* formatName, const finance::NumberSymbols& symbols)
{
    return QString::fromStdString(finance::Format(x, formatName, symbols));
}

QString moneyText(std::int64_t cents, const finance::NumberSymbols& symbols)
{
    return format(double(cents) / 100, "standard", symbols);
}

}  // namespace app
