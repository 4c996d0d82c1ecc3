// Civil dates as day numbers, and the dates on which a loan's payments fall.
// A day number counts days from 1970-01-01 in the proleptic Gregorian
// calendar (negative before it), so the days between two dates are a
// difference.
#pragma once

#include <cstdint>

namespace finance {

struct CivilDate {
    std::int64_t year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to the month's last day
};

// The day number of a date; a day beyond the month's end runs into the next
// month (2027-02-31 is 2027-03-03), as the algorithm counts.
std::int64_t daysFromCivil(std::int64_t year, int month, int day);
std::int64_t daysFromCivil(const CivilDate& date);
CivilDate civilFromDays(std::int64_t dayNumber);
int daysInMonth(std::int64_t year, int month);

// The date whole months after dayNumber, its day held to the month's last
// day: 2027-01-31 plus 1 month is 2027-02-28, plus 2 is 2027-03-31.
std::int64_t addMonths(std::int64_t dayNumber, std::int64_t months);

// The date of payment number (1 for the first) of a loan with
// paymentsPerYear payments whose first falls on firstPayment:
//  - 1, 2, 4, 12: 12/paymentsPerYear x (number - 1) months after the first,
//    held to the month's last day (counted from the first each time, so
//    31 January gives 28 February and then 31 March);
//  - 24: two a month, on the first payment's day of the month d and on day
//    d + 15 of the same month, each held to the month's last day (from the
//    15th: the 15th and the 30th, the 28th in February); from d = 17 on the
//    second falls on day d - 15 of the next month instead (from the 31st:
//    the 31st, the 16th of the next month, its last day, ...);
//  - 26: every 14 days; 52: every 7 days.
// Error 5 for another number of payments a year or a number below 1.
std::int64_t paymentDate(std::int64_t firstPayment, int paymentsPerYear, std::int64_t number);

// paymentDate for one loan, with the first payment's date taken apart once,
// for a schedule that asks for every payment's date.
class PaymentCalendar {
public:
    // Error 5 for a number of payments a year not listed above.
    PaymentCalendar(std::int64_t firstPayment, int paymentsPerYear);
    std::int64_t date(std::int64_t number) const;

private:
    std::int64_t m_firstPayment;
    int m_paymentsPerYear;
    CivilDate m_first;
};

}  // namespace finance
