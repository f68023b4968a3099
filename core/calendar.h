// Real calendar dates, in the proleptic Gregorian calendar: which dates
// exist, and counting days, so that a range of birth dates can be drawn from
// day by day. (The verifier itself knows no calendar: its limits are upper
// limits only.)
#ifndef CORE_CALENDAR_H
#define CORE_CALENDAR_H

#include "core/number_rules.h"

// Days in a month (1-12) of a year; 0 for any other month.
int daysInMonth(int year, int month);

// Whether the date exists: year 1 or later, month 1-12, day 1 to the days of
// that month (29 February only in leap years).
bool isCalendarDate(const BirthDate& date);

// Days from 1970-01-01 to an existing date (negative before it).
long long dayNumber(const BirthDate& date);

// The date of a day number.
BirthDate dateOfDayNumber(long long days);

#endif
