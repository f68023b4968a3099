// Day numbers by the usual civil-calendar arithmetic: years counted from
// March, so that the leap day ends a year, in 400-year eras of 146097 days.
#include "core/calendar.h"

namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

long long floorDivide(long long value, long long divisor) {
    return value >= 0 ? value / divisor : (value - divisor + 1) / divisor;
}

}  // namespace

int daysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isCalendarDate(const BirthDate& date) {
    return date.year >= 1 && date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

long long dayNumber(const BirthDate& date) {
    const long long year = date.month <= 2 ? date.year - 1 : date.year;
    const long long era = floorDivide(year, 400);
    const long long yearOfEra = year - era * 400;                                 // 0-399
    const long long monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;  // 0-11
    const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;      // 0-365
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

BirthDate dateOfDayNumber(long long days) {
    days += 719468;
    const long long era = floorDivide(days, 146097);
    const long long dayOfEra = days - era * 146097;                                           // 0-146096
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // 0-399
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);           // 0-365
    const long long monthFromMarch = (5 * dayOfYear + 2) / 153;                                            // 0-11
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return BirthDate{year, month, day};
}

bool ageOn(const BirthDate& birth, const BirthDate& on, int& age) {
    if (!isCalendarDate(birth) || !isCalendarDate(on)) return false;
    const bool beforeBirthday = on.month < birth.month || (on.month == birth.month && on.day < birth.day);
    const int years = on.year - birth.year - (beforeBirthday ? 1 : 0);
    if (years < 0) return false;
    age = years;
    return true;
}
