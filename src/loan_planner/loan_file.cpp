#include "loan_planner/loan_file.h"

#include "finance/amortization.h"
#include "loan_planner/plan_model.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace loan_planner {

namespace {

// The problems a file can have, in the user's language.
class LoanFile {
    Q_DECLARE_TR_FUNCTIONS(loan_planner::LoanFile)
};

// Each choice's name in the file, by the enum's value.
constexpr const char* interestRules[] = {"perPeriod", "actual365", "actual360"};
constexpr const char* paymentRoundings[] = {"nearestCent", "upToCent", "upToUnit"};
constexpr const char* interestRoundings[] = {"halfAwayFromZero", "halfToEven", "down"};
constexpr const char* timings[] = {"end", "start"};
constexpr const char* afterExtras[] = {"keepPayment", "keepTerm"};

template <typename Enum, std::size_t N>
QString nameOf(const char* const (&names)[N], Enum value)
{
    return QLatin1String(names[std::size_t(value)]);
}

constexpr int listedPaymentsPerYear[] = {1, 2, 4, 12, 24, 26, 52};
constexpr int listedCompoundings[] = {1, 2, 4, 12, 24, 26, 52, 365, finance::continuousCompounding};

// Reads one member, remembering the first thing wrong.
class Reader {
public:
    explicit Reader(QString* problem) : m_problem(problem) {}
    bool ok() const { return m_ok; }

    bool fail(const QString& why)
    {
        if (m_ok && m_problem)
            *m_problem = why;
        m_ok = false;
        return false;
    }

    std::optional<double> number(const QJsonObject& object, const char* key, bool nullable = false)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (nullable && value.isNull())
            return std::nullopt;
        if (!value.isDouble()) {
            fail(LoanFile::tr("\"%1\" is missing or not a number").arg(QLatin1String(key)));
            return std::nullopt;
        }
        return value.toDouble();
    }

    // A whole number from low to high.
    qint64 whole(const QJsonObject& object, const char* key, qint64 low, qint64 high)
    {
        const std::optional<double> value = number(object, key);
        if (!value)
            return low;
        if (!(*value >= double(low) && *value <= double(high) && *value == std::floor(*value))) {
            fail(LoanFile::tr("\"%1\" is not a whole number from %2 to %3").arg(QLatin1String(key)).arg(low).arg(high));
            return low;
        }
        return qint64(*value);
    }

    template <std::size_t N>
    int listed(const QJsonObject& object, const char* key, const int (&counts)[N])
    {
        const qint64 value = whole(object, key, 0, 365);
        if (m_ok && std::find(std::begin(counts), std::end(counts), value) == std::end(counts))
            fail(LoanFile::tr("\"%1\" is not a count the planner offers").arg(QLatin1String(key)));
        return int(value);
    }

    template <typename Enum, std::size_t N>
    Enum name(const QJsonObject& object, const char* key, const char* const (&names)[N])
    {
        const QString text = object.value(QLatin1String(key)).toString();
        for (std::size_t i = 0; i < N; ++i) {
            if (text == QLatin1String(names[i]))
                return Enum(i);
        }
        fail(LoanFile::tr("\"%1\" is missing or not one of its names").arg(QLatin1String(key)));
        return Enum(0);
    }

    qint64 date(const QJsonObject& object, const char* key)
    {
        const QDate date = QDate::fromString(object.value(QLatin1String(key)).toString(), Qt::ISODate);
        if (!date.isValid()) {
            fail(LoanFile::tr("\"%1\" is missing or not a date (YYYY-MM-DD)").arg(QLatin1String(key)));
            return 0;
        }
        return dayNumberOf(date);
    }

    QJsonArray array(const QJsonObject& object, const char* key)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isArray())
            fail(LoanFile::tr("\"%1\" is missing or not a list").arg(QLatin1String(key)));
        return value.toArray();
    }

private:
    QString* m_problem;
    bool m_ok = true;
};

QString isoDate(qint64 dayNumber)
{
    return dateOf(dayNumber).toString(Qt::ISODate);
}

}  // namespace

double percentOf(double fraction)
{
    const double near = fraction * 100;
    for (int digits = 1; digits <= 17; ++digits) {
        for (double candidate : {near, std::nextafter(near, -HUGE_VAL), std::nextafter(near, HUGE_VAL)}) {
            const double percent = QByteArray::number(candidate, 'g', digits).toDouble();
            if (percent / 100 == fraction)
                return percent;
        }
    }
    return near;
}

QByteArray loanFileBytes(const PlannerTerms& terms)
{
    const finance::LoanTerms& loan = terms.loan;
    const auto unlessUnknown = [&terms](finance::LoanTerm term, double value) {
        return terms.unknown == term ? QJsonValue() : QJsonValue(value);
    };
    QJsonArray extras;
    for (const finance::OneOffExtra& extra : loan.extras)
        extras.append(QJsonObject{{"payment", double(extra.number)}, {"amount", extra.amount}});
    QJsonArray rateChanges;
    for (const finance::RateChange& change : loan.rateChanges)
        rateChanges.append(
            QJsonObject{{"payment", double(change.number)}, {"annualRatePercent", percentOf(change.annualRate)}});
    const QJsonObject file{
        {"format", loanFileFormat},
        {"amount", unlessUnknown(finance::LoanTerm::Amount, loan.amount)},
        {"annualRatePercent", unlessUnknown(finance::LoanTerm::AnnualRate, percentOf(loan.annualRate))},
        {"paymentsPerYear", loan.paymentsPerYear},
        {"compoundingsPerYear", loan.compoundingsPerYear},
        {"payments", unlessUnknown(finance::LoanTerm::Payments, double(loan.payments))},
        {"payment", unlessUnknown(finance::LoanTerm::Payment, loan.payment.value_or(0))},
        {"balloon", loan.balloon},
        {"loanDate", isoDate(loan.loanDate)},
        {"firstPayment", isoDate(loan.firstPayment)},
        {"fees", loan.fees},
        {"interestRule", nameOf(interestRules, loan.interestRule)},
        {"paymentRounding", nameOf(paymentRoundings, loan.paymentRounding)},
        {"interestRounding", nameOf(interestRoundings, loan.interestRounding)},
        {"timing", nameOf(timings, loan.timing)},
        {"extraPerPayment", loan.extraPerPayment},
        {"extraFrom", double(loan.extraFrom)},
        {"extraTo", double(loan.extraTo)},
        {"afterExtra", nameOf(afterExtras, loan.afterExtra)},
        {"extras", extras},
        {"rateChanges", rateChanges},
    };
    return QJsonDocument(file).toJson();
}

std::optional<PlannerTerms> readLoanFile(const QByteArray& bytes, QString* problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    Reader read(problem);
    if (error.error != QJsonParseError::NoError) {
        read.fail(LoanFile::tr("it is not JSON (%1 at character %2)").arg(error.errorString()).arg(error.offset + 1));
        return std::nullopt;
    }
    if (!document.isObject()) {
        read.fail(LoanFile::tr("it holds no loan"));
        return std::nullopt;
    }
    const QJsonObject file = document.object();
    const std::optional<double> format = read.number(file, "format");
    if (format && *format > loanFileFormat) {
        read.fail(LoanFile::tr("it was written by a newer version of the program (format %1; this one reads up to %2)")
                      .arg(*format)
                      .arg(loanFileFormat));
        return std::nullopt;
    }
    read.whole(file, "format", 1, loanFileFormat);

    PlannerTerms terms;
    finance::LoanTerms& loan = terms.loan;
    const qint64 maxNumber = finance::maxScheduleRows + 1;
    const auto mainTerm = [&](const char* key, finance::LoanTerm term) {
        const std::optional<double> value = read.number(file, key, true);
        if (!value && read.ok()) {
            if (terms.unknown)
                read.fail(LoanFile::tr("more than one of amount, annual rate, number of payments and payment is null"));
            terms.unknown = term;
        }
        return value;
    };
    loan.amount = mainTerm("amount", finance::LoanTerm::Amount).value_or(0);
    loan.annualRate = mainTerm("annualRatePercent", finance::LoanTerm::AnnualRate).value_or(0) / 100;
    if (mainTerm("payments", finance::LoanTerm::Payments))
        loan.payments = read.whole(file, "payments", 1, maxNumber);
    loan.paymentsPerYear = read.listed(file, "paymentsPerYear", listedPaymentsPerYear);
    loan.compoundingsPerYear = read.listed(file, "compoundingsPerYear", listedCompoundings);
    loan.payment = mainTerm("payment", finance::LoanTerm::Payment);
    loan.balloon = read.number(file, "balloon").value_or(0);
    loan.loanDate = read.date(file, "loanDate");
    loan.firstPayment = read.date(file, "firstPayment");
    if (read.ok() && loan.firstPayment < loan.loanDate)
        read.fail(LoanFile::tr("the first payment falls before the loan date"));
    loan.fees = read.number(file, "fees").value_or(0);
    loan.interestRule = read.name<finance::InterestRule>(file, "interestRule", interestRules);
    loan.paymentRounding = read.name<finance::PaymentRounding>(file, "paymentRounding", paymentRoundings);
    loan.interestRounding = read.name<finance::InterestRounding>(file, "interestRounding", interestRoundings);
    loan.timing = read.name<finance::PaymentTiming>(file, "timing", timings);
    loan.extraPerPayment = read.number(file, "extraPerPayment").value_or(0);
    loan.extraFrom = read.whole(file, "extraFrom", 1, finance::maxScheduleRows);
    loan.extraTo = read.whole(file, "extraTo", 0, finance::maxScheduleRows);
    loan.afterExtra = read.name<finance::AfterExtra>(file, "afterExtra", afterExtras);
    for (const QJsonValue& value : read.array(file, "extras")) {
        const QJsonObject extra = value.toObject();
        loan.extras.push_back({read.whole(extra, "payment", 1, maxNumber), read.number(extra, "amount").value_or(0)});
    }
    for (const QJsonValue& value : read.array(file, "rateChanges")) {
        const QJsonObject change = value.toObject();
        loan.rateChanges.push_back(
            {read.whole(change, "payment", 1, maxNumber), read.number(change, "annualRatePercent").value_or(0) / 100});
    }
    if (!read.ok())
        return std::nullopt;
    return terms;
}

QStringList withRecentFile(QStringList recent, const QString& fileName)
{
    const QString path = QDir::cleanPath(fileName);
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > maxRecentFiles)
        recent.removeLast();
    return recent;
}

}  // namespace loan_planner
