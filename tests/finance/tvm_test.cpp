// The annuity functions against values computed outside the program with
// mpmath at 40 to 60 digits, and against an independent extended-precision
// evaluation of the plain formulas over a seeded random set.
#include "finance/finance.h"
#include "row_guard.h"
#include "rows.h"

#include <QtTest>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <random>

using namespace finance;
using testing_support::guardRow;

constexpr PaymentTiming Begin = PaymentTiming::Begin;

using testing_support::Call;
using testing_support::errorOf;

namespace {

// A true zero must come out as zero: a rate of 1e-16 would show as a rate.
double relativeError(double value, double expected)
{
    if (expected == 0)
        return value == 0 ? 0 : 1;
    return std::fabs(value - expected) / std::fabs(expected);
}

// The plain textbook factor (1 - (1+r)^-n)/r in long double.
long double referencePresentFactor(long double r, long double n)
{
    return r == 0 ? n : -std::expm1l(-n * std::log1pl(r)) / r;
}

}  // namespace

class TvmTest : public QObject {
    Q_OBJECT

private slots:
    void knownValues_data();
    void knownValues();
    void domainErrors_data();
    void domainErrors();
    void againstExtendedPrecision();
    void anyArgumentsGiveNumberOrError();
    void interestAddsUpToTotalInterest_data();
    void interestAddsUpToTotalInterest();
    void cleanupTestCase();

private:
    double m_worstKnown = 0;
    double m_worstRandom = 0;
    double m_worstKnownStart = 0;
    double m_worstRandomStart = 0;
};

void TvmTest::knownValues_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<double>("expected");

    QTest::newRow("PV of 100 at 10% for 10") << Call([] { return PV(0.1, 10, 100); }) << -614.45671057046824;
    QTest::newRow("Pmt of 1000 at 10% for 10") << Call([] { return Pmt(0.1, 10, 1000); }) << -162.74539488251161;
    QTest::newRow("Pmt at rate 0") << Call([] { return Pmt(0, 10, 1000); }) << -100.0;
    QTest::newRow("IPmt first period") << Call([] { return IPmt(0.1, 1, 10, 1000); }) << -100.0;
    QTest::newRow("IPmt mid loan") << Call([] { return IPmt(0.1, 5, 10, 1000); }) << -70.879862235026367;
    QTest::newRow("IPmt fractional per") << Call([] { return IPmt(0.1, 2.5, 10, 1000); }) << -90.35667701433246;
    QTest::newRow("FV of 100 at 10% for 10") << Call([] { return FV(0.1, 10, -100); }) << 1593.7424601;
    QTest::newRow("FV fractional periods") << Call([] { return FV(0.08, 2.5, -100); }) << 265.19804646125386;
    QTest::newRow("PV negative rate") << Call([] { return PV(-0.05, 12, 50); }) << -850.6178062217098;
    QTest::newRow("PV negative periods") << Call([] { return PV(0.1, -5, 100); }) << 610.51;
    QTest::newRow("Pmt half a period") << Call([] { return Pmt(0.01, 0.5, 1000); }) << -2014.987562112089;
    QTest::newRow("Pmt rate 1e-300") << Call([] { return Pmt(1e-300, 10, 1000); }) << -100.0;
    QTest::newRow("FV rate 1e-20") << Call([] { return FV(1e-20, 1e6, -1); }) << 1000000.000000005;
    QTest::newRow("NPer ordinary") << Call([] { return NPer(0.1, -200, 1000); }) << 7.2725408973417193;
    QTest::newRow("NPer negative rate") << Call([] { return NPer(-0.1, -50, 1000); }) << 10.427172663391416;
    QTest::newRow("PV no periods") << Call([] { return PV(0.1, 0, 100); }) << 0.0;
    QTest::newRow("FV no periods") << Call([] { return FV(0.1, 0, 100); }) << 0.0;
    QTest::newRow("NPer pv 0") << Call([] { return NPer(0.1, -50, 0); }) << 0.0;
    QTest::newRow("FV at -100%") << Call([] { return FV(-1, 10, 100); }) << -100.0;
    QTest::newRow("Pmt at -100%") << Call([] { return Pmt(-1, 10, 1000); }) << 0.0;
    QTest::newRow("IPmt at -100%, first") << Call([] { return IPmt(-1, 1, 10, 1000); }) << 1000.0;
    QTest::newRow("IPmt at -100%, later") << Call([] { return IPmt(-1, 2, 10, 1000); }) << 0.0;
    QTest::newRow("IPmt -50%, last of 1000") << Call([] { return IPmt(-0.5, 1000, 1000, 1e6); }) << 4.6663180925160944e-296;
    QTest::newRow("IPmt -50%, second of 2000") << Call([] { return IPmt(-0.5, 2, 2000, 1e6); }) << 250000.0;
    QTest::newRow("IPmt -50%, power below the doubles") << Call([] { return IPmt(-0.5, 1100, 1200, 1e300); }) << 7.3621518290228631e-32;
    // Negative nper: the relation holds at -pv/pmt = -((1+r)^3 - 1)/r, a
    // quadratic, and -((1+r)^0.5 - 1)/r, whose roots are solved by hand.
    QTest::newRow("Rate 3 periods back") << Call([] { return Rate(-3, -50, -200); }) << 0.30277563773199465;
    QTest::newRow("Rate half a period back") << Call([] { return Rate(-0.5, 100, 40); }) << 1.25;
    QTest::newRow("Rate of FV at 10% for 10") << Call([] { return Rate(-10, 100, 1593.7424601000025); }) << 0.10000000000000033;
    QTest::newRow("Rate one period back, any rate") << Call([] { return Rate(-1, 100, 100); }) << 0.0;
    QTest::newRow("Rate 0 in typed decimals") << Call([] { return Rate(0.1, -13.25, 1.325); }) << 0.0;

    // Hard cases of the numerics notes.
    QTest::newRow("hard Rate 360") << Call([] { return Rate(360, -570.3, 93550); }) << 0.00513004965031918;
    QTest::newRow("hard Rate 300") << Call([] { return Rate(300, -465.96, 100000); }) << 0.00236713043622817;
    QTest::newRow("hard Rate negative") << Call([] { return Rate(200, -500, 200000); }) << -0.00623665300489304;
    QTest::newRow("hard Rate large") << Call([] { return Rate(36, -300, 9.8); }) << 30.6122448979592;
    QTest::newRow("hard Rate n below 1") << Call([] { return Rate(0.9, -100, 400); }) << -0.796172361010514;
    QTest::newRow("hard Rate exactly 0") << Call([] { return Rate(10, -100, 1000); }) << 0.0;
    QTest::newRow("hard Rate n 1e6") << Call([] { return Rate(1e6, -100, 1000); }) << 0.1;
    QTest::newRow("hard Rate near -1/4") << Call([] { return Rate(48, -1, 1e6); }) << -0.226546552262562;
    QTest::newRow("hard PV tiny rate") << Call([] { return PV(1e-15, 1e6, 1); }) << -999999.9995;
    QTest::newRow("hard PV huge power") << Call([] { return PV(-0.5, 1100, 1e-300); }) << -2.71659705809877e31;
    QTest::newRow("hard FV huge power") << Call([] { return FV(0.5, 2000, 1e-300); }) << -3.04472523714757e52;
    QTest::newRow("hard Pmt n 10000") << Call([] { return Pmt(0.1, 10000, 1000); }) << -100.0;
    QTest::newRow("hard NPer tiny rate") << Call([] { return NPer(1e-12, -100, 1000); }) << 10.000000000055;
    QTest::newRow("hard NPer near interest") << Call([] { return NPer(0.01, -10.000000000001, 1000); }) << 3008.31459013643;
    QTest::newRow("hard IPmt last of 360") << Call([] { return IPmt(0.1, 360, 360, 1000); }) << -9.0909090909091;
    QTest::newRow("hard IPmt last of 1e6") << Call([] { return IPmt(0.05, 1e6, 1e6, 1000); }) << -2.38095238095238;

    // Payments at the start, from mpmath at 60 digits with the relation
    // pv*(1+r)^n + pmt*(1+r)*((1+r)^n - 1)/r = 0; the n = 0.5 rates by hand
    // from (1+r)*a = v/(v+1), v = (1+r)^0.5, and n = 1e6 from the perpetuity
    // (1+r)/r.
    QTest::newRow("start: Pmt of 1000 at 10% for 10") << Call([] { return Pmt(0.1, 10, 1000, Begin); }) << -147.95035898410146;
    QTest::newRow("start: PV of 100 at 10% for 10") << Call([] { return PV(0.1, 10, 100, Begin); }) << -675.90238162751507;
    QTest::newRow("start: FV of 100 at 10% for 10") << Call([] { return FV(0.1, 10, -100, Begin); }) << 1753.1167061100001;
    QTest::newRow("start: IPmt first period") << Call([] { return IPmt(0.1, 1, 10, 1000, Begin); }) << 0.0;
    QTest::newRow("start: IPmt second period") << Call([] { return IPmt(0.1, 2, 10, 1000, Begin); }) << -85.204964101589858;
    QTest::newRow("start: IPmt last of 360") << Call([] { return IPmt(0.1, 360, 360, 1000, Begin); }) << -8.2644628099173666;
    QTest::newRow("start: IPmt last of 1e6") << Call([] { return IPmt(0.05, 1e6, 1e6, 1000, Begin); }) << -2.267573696145125;
    QTest::newRow("start: IPmt -50%, power below the doubles") << Call([] { return IPmt(-0.5, 1100, 1200, 1e300, Begin); }) << 1.4724303658045726e-31;
    QTest::newRow("start: IPmt at -100%, second") << Call([] { return IPmt(-1, 2, 10, 1000, Begin); }) << 1000.0;
    QTest::newRow("start: PV tiny rate") << Call([] { return PV(1e-15, 1e6, 1, Begin); }) << -999999.9995000005;
    QTest::newRow("start: PV huge power") << Call([] { return PV(-0.5, 1100, 1e-300, Begin); }) << -1.3582985290493859e+31;
    QTest::newRow("start: FV huge power") << Call([] { return FV(0.5, 2000, 1e-300, Begin); }) << -4.5670878557213475e+52;
    QTest::newRow("start: PV at -100%, one period") << Call([] { return PV(-1, 1, 100, Begin); }) << -100.0;
    QTest::newRow("start: PV at -100%, half a period") << Call([] { return PV(-1, 0.5, 100, Begin); }) << 0.0;
    QTest::newRow("start: FV at -100%, one period back") << Call([] { return FV(-1, -1, 100, Begin); }) << 100.0;
    QTest::newRow("start: Pmt n 10000") << Call([] { return Pmt(0.1, 10000, 1000, Begin); }) << -90.909090909090914;
    QTest::newRow("start: Pmt at -90%") << Call([] { return Pmt(-0.9, 10, 1000, Begin); }) << -9.0000000008999822e-7;
    QTest::newRow("start: NPer ordinary") << Call([] { return NPer(0.1, -200, 1000, Begin); }) << 6.3596124235074743;
    QTest::newRow("start: NPer negative rate") << Call([] { return NPer(-0.1, -50, 1000, Begin); }) << 11.105405524496789;
    QTest::newRow("start: NPer tiny rate") << Call([] { return NPer(1e-12, -100, 1000, Begin); }) << 10.000000000045;
    QTest::newRow("start: NPer near interest") << Call([] { return NPer(0.01, -9.90099009901, 1000, Begin); }) << 3239.5339541010906;
    QTest::newRow("start: Rate 360") << Call([] { return Rate(360, -570.3, 93550, Begin); }) << 0.0051705654989065039;
    QTest::newRow("start: Rate negative") << Call([] { return Rate(200, -500, 200000, Begin); }) << -0.0062885005423358395;
    QTest::newRow("start: Rate large") << Call([] { return Rate(36, -300, 309.8, Begin); }) << 30.612244897959148;
    QTest::newRow("start: Rate near -1/4") << Call([] { return Rate(48, -1, 1e6, Begin); }) << -0.23108722409197745;
    QTest::newRow("start: Rate n 0.9, root below 0") << Call([] { return Rate(0.9, -100, 80, Begin); }) << -0.84171340382571658;
    QTest::newRow("start: Rate n 0.5, root 15") << Call([] { return Rate(0.5, -100, 80, Begin); }) << 15.0;
    QTest::newRow("start: Rate n 0.5, root -80/81") << Call([] { return Rate(0.5, -100, 10, Begin); }) << -0.98765432098765432;
    QTest::newRow("start: Rate n 1e6, perpetuity") << Call([] { return Rate(1e6, -100, 1100, Begin); }) << 0.1;
    QTest::newRow("start: Rate one payment, any rate") << Call([] { return Rate(1, -100, 100, Begin); }) << 0.0;
    QTest::newRow("start: Rate of FV at 10% for 10") << Call([] { return Rate(-10, 100, 1753.11670611, Begin); }) << 0.1;
}

// The hard-case values are given to 15 digits, hence 1e-12 rather than a few ulps.
void TvmTest::knownValues()
{
    QFETCH(Call, call);
    QFETCH(double, expected);
    guardRow([&] {
        const double value = call();
        double& worst = QByteArray(QTest::currentDataTag()).startsWith("start:") ? m_worstKnownStart : m_worstKnown;
        worst = std::max(worst, relativeError(value, expected));
        QVERIFY2(relativeError(value, expected) <= 1e-12,
                 qPrintable(QString::number(value, 'g', 17)));
    });
}

void TvmTest::domainErrors_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<ErrorNumber>("error");

    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    QTest::newRow("Pmt with no periods") << Call([] { return Pmt(0.05, 0, 1000); }) << InvalidArgument;
    QTest::newRow("IPmt per 0") << Call([] { return IPmt(0.1, 0, 10, 1000); }) << InvalidArgument;
    QTest::newRow("IPmt per 0.5") << Call([] { return IPmt(0.1, 0.5, 10, 1000); }) << InvalidArgument;
    QTest::newRow("IPmt per beyond nper") << Call([] { return IPmt(0.1, 11, 10, 1000); }) << InvalidArgument;
    QTest::newRow("start: IPmt per 0.5") << Call([] { return IPmt(0.1, 0.5, 10, 1000, Begin); }) << InvalidArgument;
    QTest::newRow("start: IPmt at -100%, per 1.5") << Call([] { return IPmt(-1, 1.5, 10, 1000, Begin); }) << Overflow;
    QTest::newRow("start: NPer payment equals interest") << Call([] { return NPer(0.25, -200, 1000, Begin); }) << InvalidArgument;
    QTest::newRow("start: Pmt at -100%, half a period") << Call([] { return Pmt(-1, 0.5, 1000, Begin); }) << Overflow;
    QTest::newRow("start: PV at -100%") << Call([] { return PV(-1, 10, 100, Begin); }) << Overflow;
    QTest::newRow("start: Rate loan of one payment") << Call([] { return Rate(10, -100, 100, Begin); }) << InvalidArgument;
    QTest::newRow("start: Rate loan below one payment") << Call([] { return Rate(10, -100, 50, Begin); }) << InvalidArgument;
    QTest::newRow("start: Rate n 0.5, loan above one payment") << Call([] { return Rate(0.5, -100, 200, Begin); }) << InvalidArgument;
    QTest::newRow("start: Rate n 1, loan not the payment") << Call([] { return Rate(1, -100, 50, Begin); }) << InvalidArgument;
    QTest::newRow("start: Rate nper negative, loan") << Call([] { return Rate(-5, -100, 1000, Begin); }) << InvalidArgument;
    QTest::newRow("NPer payment equals interest") << Call([] { return NPer(0.1, -100, 1000); }) << InvalidArgument;
    QTest::newRow("NPer payment below interest") << Call([] { return NPer(0.1, -50, 1000); }) << InvalidArgument;
    QTest::newRow("NPer payment equals typed interest") << Call([] { return NPer(0.15, 94148.52, -627656.8); }) << InvalidArgument;
    QTest::newRow("NPer no payment") << Call([] { return NPer(0.1, 0, 1000); }) << InvalidArgument;
    QTest::newRow("NPer at -100%") << Call([] { return NPer(-1, -100, 1000); }) << InvalidArgument;
    QTest::newRow("Rate same signs") << Call([] { return Rate(10, 100, 1000); }) << InvalidArgument;
    QTest::newRow("Rate pv 0") << Call([] { return Rate(10, -100, 0); }) << InvalidArgument;
    QTest::newRow("Rate pmt 0") << Call([] { return Rate(10, 0, 1000); }) << InvalidArgument;
    QTest::newRow("Rate nper 0") << Call([] { return Rate(0, -100, 1000); }) << InvalidArgument;
    QTest::newRow("Rate nper negative, loan") << Call([] { return Rate(-5, -100, 1000); }) << InvalidArgument;
    QTest::newRow("Rate nper -10, pv below one payment") << Call([] { return Rate(-10, 100, 10); }) << InvalidArgument;
    QTest::newRow("Rate nper -0.5, pv above one payment") << Call([] { return Rate(-0.5, 100, 1000); }) << InvalidArgument;
    QTest::newRow("Rate nper -1, pv not the payment") << Call([] { return Rate(-1, 100, 50); }) << InvalidArgument;
    QTest::newRow("rate below -100%") << Call([] { return PV(-1.5, 2, 100); }) << InvalidArgument;
    QTest::newRow("NaN rate") << Call([nan] { return PV(nan, 10, 100); }) << InvalidArgument;
    QTest::newRow("infinite nper") << Call([inf] { return FV(0.1, inf, 100); }) << InvalidArgument;
    QTest::newRow("infinite pv") << Call([inf] { return Rate(10, -100, inf); }) << InvalidArgument;
    QTest::newRow("NaN per") << Call([nan] { return IPmt(0.1, nan, 10, 100); }) << InvalidArgument;
    QTest::newRow("hard PV true overflow") << Call([] { return PV(-0.99, 1e6, 100); }) << Overflow;
    QTest::newRow("hard FV true overflow") << Call([] { return FV(10, 1e6, 1); }) << Overflow;
    QTest::newRow("PV at -100%") << Call([] { return PV(-1, 10, 100); }) << Overflow;
    QTest::newRow("FV at 0% beyond range") << Call([] { return FV(0, 1e300, -1e10); }) << Overflow;
    QTest::newRow("Rate beyond range") << Call([] { return Rate(10, -1e300, 1e-300); }) << Overflow;
    QTest::newRow("NPer beyond range") << Call([] { return NPer(1e-320, -1e-10, 1e300); }) << Overflow;
}

void TvmTest::domainErrors()
{
    QFETCH(Call, call);
    QFETCH(ErrorNumber, error);
    QCOMPARE(errorOf(call), int(error));
}

// PV, FV, Pmt and IPmt against the plain formulas in long double, whose
// extra digits make them a reference where nothing overflows. The tolerance
// is a few ulps times the inherent condition of (1+r)^n, which is about n*L.
void TvmTest::againstExtendedPrecision()
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto rate = [&] {
        const double u = unit(random);
        if (u < 0.1)
            return 0.0;
        if (u < 0.5)
            return (u < 0.3 ? -1 : 1) * std::pow(10, -15 + 15 * unit(random));
        return -0.99 + 10.99 * unit(random);
    };
    int checked = 0;
    for (int i = 0; i < 4000; ++i) {
        const double r = rate();
        double n = std::pow(10, -1 + 7 * unit(random));
        if (i % 2 == 0)
            n = std::ceil(n);
        const double amount = -std::pow(10, -300 + 312 * unit(random));
        const long double logGrowth = n * std::log1pl(r);
        if (std::fabs(static_cast<double>(logGrowth)) > 11000)
            continue;
        const double tolerance = 8 * DBL_EPSILON * (2 + std::fabs(static_cast<double>(logGrowth)));
        const long double a = referencePresentFactor(r, n);
        const long double s = a * expl(logGrowth);
        const double per = std::floor(1 + (n - 1) * unit(random));
        const long double share = per >= 1 ? referencePresentFactor(r, n - per + 1) / a : 0;
        const struct {
            const char* name;
            Call call;
            long double expected;
        } cases[] = {
            {"PV", [&] { return PV(r, n, amount); }, -amount * a},
            {"FV", [&] { return FV(r, n, amount); }, -amount * s},
            {"Pmt", [&] { return Pmt(r, n, amount); }, -amount / a},
            {"IPmt", [&] { return IPmt(r, per, n, amount); }, -r * amount * share},
            {"PV at the start", [&] { return PV(r, n, amount, Begin); }, -amount * a * (1 + r)},
            {"FV at the start", [&] { return FV(r, n, amount, Begin); }, -amount * s * (1 + r)},
            {"Pmt at the start", [&] { return Pmt(r, n, amount, Begin); }, -amount / (a * (1 + r))},
            {"IPmt at the start", [&] { return IPmt(r, per, n, amount, Begin); },
             per == 1 ? 0 : -r * amount * share / (1 + r)},
        };
        for (const auto& c : cases) {
            if (c.expected == 0 || fabsl(c.expected) > DBL_MAX / 2 || fabsl(c.expected) < 1e-290)
                continue;
            if (std::string(c.name).rfind("IPmt", 0) == 0 && per < 1)
                continue;
            const double value = c.call();
            const double error = static_cast<double>(fabsl((value - c.expected) / c.expected));
            double& worst = std::string(c.name).find("start") != std::string::npos ? m_worstRandomStart : m_worstRandom;
            worst = std::max(worst, error / tolerance);
            QVERIFY2(error <= tolerance,
                     qPrintable(QString("%1(%2, %3, %4) = %5, error %6")
                                    .arg(c.name)
                                    .arg(r, 0, 'g', 17)
                                    .arg(n, 0, 'g', 17)
                                    .arg(amount, 0, 'g', 17)
                                    .arg(value, 0, 'g', 17)
                                    .arg(error)));
            ++checked;
        }
    }
    QVERIFY(checked > 10000);
}

// Arguments from the whole double range, rates crowding -1 and whole
// numbers: every call returns a finite number or raises error 5 or 6.
void TvmTest::anyArgumentsGiveNumberOrError()
{
    std::mt19937_64 random(13);
    const auto argument = [&]() -> double {
        const std::uint64_t bits = random();
        switch (bits % 5) {
        case 0:
            return (bits & 8 ? -1 : 1) * std::ldexp(1 + (bits >> 12) * 0x1p-52, int(bits >> 4 & 2047) - 1074);
        case 1:
            return double(bits >> 50) - 8192;
        case 2:
            return -1 + std::pow(10, -double(bits >> 60));
        case 3:
            return 0;
        default:
            return (bits & 8 ? -1 : 1) * std::pow(10, double(bits >> 54) - 512);
        }
    };
    for (int i = 0; i < 20000; ++i) {
        const double a = argument(), b = argument(), c = argument(), d = argument();
        for (const Call& call : {Call([&] { return PV(a, b, c); }), Call([&] { return FV(a, b, c); }),
                                 Call([&] { return Pmt(a, b, c); }), Call([&] { return NPer(a, b, c); }),
                                 Call([&] { return Rate(a, b, c); }), Call([&] { return IPmt(a, b, c, d); }),
                                 Call([&] { return PV(a, b, c, Begin); }), Call([&] { return FV(a, b, c, Begin); }),
                                 Call([&] { return Pmt(a, b, c, Begin); }), Call([&] { return NPer(a, b, c, Begin); }),
                                 Call([&] { return Rate(a, b, c, Begin); }), Call([&] { return IPmt(a, b, c, d, Begin); })}) {
            try {
                QVERIFY(std::isfinite(call()));
            } catch (const RuntimeError& e) {
                QVERIFY(e.number() == InvalidArgument || e.number() == Overflow);
            }
        }
    }
}

void TvmTest::interestAddsUpToTotalInterest_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("nper");
    QTest::addColumn<bool>("atStart");
    QTest::newRow("10% over 360") << 0.1 << 360 << false;
    QTest::newRow("0.5% over 240") << 0.005 << 240 << false;
    QTest::newRow("1e-9 over 1000") << 1e-9 << 1000 << false;
    QTest::newRow("-5% over 100") << -0.05 << 100 << false;
    QTest::newRow("250% over 12") << 2.5 << 12 << false;
    QTest::newRow("start: 10% over 360") << 0.1 << 360 << true;
    QTest::newRow("start: -5% over 100") << -0.05 << 100 << true;
    QTest::newRow("start: 250% over 12") << 2.5 << 12 << true;
}

// The interest parts of all payments make up everything paid beyond the loan.
void TvmTest::interestAddsUpToTotalInterest()
{
    QFETCH(double, rate);
    QFETCH(int, nper);
    QFETCH(bool, atStart);
    const PaymentTiming timing = atStart ? Begin : PaymentTiming::End;
    guardRow([&] {
        const double pv = 100000;
        const double pmt = Pmt(rate, nper, pv, timing);
        double total = 0;
        double magnitude = 0;
        for (int per = 1; per <= nper; ++per) {
            const double interest = IPmt(rate, per, nper, pv, timing);
            total += interest;
            magnitude += std::fabs(interest);
        }
        const double expected = nper * pmt + pv;
        QVERIFY2(std::fabs(total - expected) <= 4 * nper * DBL_EPSILON * (magnitude + std::fabs(nper * pmt)),
                 qPrintable(QString("%1 vs %2").arg(total, 0, 'g', 17).arg(expected, 0, 'g', 17)));
    });
}

void TvmTest::cleanupTestCase()
{
    qInfo("worst relative error on the known values: %.3g; against long double: %.3f of the tolerance",
          m_worstKnown, m_worstRandom);
    qInfo("payments at the start: worst relative error on the known values: %.3g; against long double: %.3f of the tolerance",
          m_worstKnownStart, m_worstRandomStart);
}

QTEST_APPLESS_MAIN(TvmTest)
#include "tvm_test.moc"
