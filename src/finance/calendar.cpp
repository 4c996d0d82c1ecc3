#include "finance/calendar.h"

#include "finance/checks.h"

namespace finance {

using namespace detail;

namespace {

// Years counted from March, so that a leap day ends its year; eras of 400
// years repeat exactly (146097 days).
constexpr std::int64_t daysPerEra = 146097;
constexpr std::int64_t epochOffset = 719468;  // 0000-03-01 to 1970-01-01

std::int64_t floorDivide(std::int64_t a, std::int64_t b)
{
    return (a >= 0 ? a : a - (b - 1)) / b;
}

bool isLeapYear(std::int64_t year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// The given day of the month that lies months after start's, held to that
// month's last day.
std::int64_t heldDate(const CivilDate& start, std::int64_t months, int day)
{
    const std::int64_t monthIndex = start.month - 1 + months;
    const std::int64_t yearsAhead = floorDivide(monthIndex, 12);
    const std::int64_t year = start.year + yearsAhead;
    const int month = static_cast<int>(monthIndex - yearsAhead * 12) + 1;
    const int last = daysInMonth(year, month);
    return daysFromCivil(year, month, day < last ? day : last);
}

}  // namespace

std::int64_t daysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = floorDivide(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * daysPerEra + dayOfEra - epochOffset;
}

std::int64_t daysFromCivil(const CivilDate& date)
{
    return daysFromCivil(date.year, date.month, date.day);
}

CivilDate civilFromDays(std::int64_t dayNumber)
{
    const std::int64_t shifted = dayNumber + epochOffset;
    const std::int64_t era = floorDivide(shifted, daysPerEra);
    const std::int64_t dayOfEra = shifted - era * daysPerEra;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

int daysInMonth(std::int64_t year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        invalidArgument();
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

std::int64_t addMonths(std::int64_t dayNumber, std::int64_t months)
{
    const CivilDate start = civilFromDays(dayNumber);
    return heldDate(start, months, start.day);
}

std::int64_t paymentDate(std::int64_t firstPayment, int paymentsPerYear, std::int64_t number)
{
    return PaymentCalendar(firstPayment, paymentsPerYear).date(number);
}

PaymentCalendar::PaymentCalendar(std::int64_t firstPayment, int paymentsPerYear)
    : m_firstPayment(firstPayment), m_paymentsPerYear(paymentsPerYear), m_first(civilFromDays(firstPayment))
{
    static constexpr int listed[] = {1, 2, 4, 12, 24, 26, 52};
    for (int count : listed) {
        if (count == paymentsPerYear)
            return;
    }
    invalidArgument();
}

std::int64_t PaymentCalendar::date(std::int64_t number) const
{
    if (number < 1)
        invalidArgument();
    const std::int64_t index = number - 1;
    switch (m_paymentsPerYear) {
    case 24:
        if (index % 2 == 0)
            return heldDate(m_first, index / 2, m_first.day);
        // Past the 16th, day + 15 is no day of the month: the second payment
        // moves to day - 15 of the next, so the two never meet.
        if (m_first.day <= 16)
            return heldDate(m_first, index / 2, m_first.day + 15);
        return heldDate(m_first, index / 2 + 1, m_first.day - 15);
    case 26:
        return m_firstPayment + 14 * index;
    case 52:
        return m_firstPayment + 7 * index;
    default:
        return heldDate(m_first, 12 / m_paymentsPerYear * index, m_first.day);
    }
}

}  // namespace finance
