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

// The age in completed years on `on` of someone born on `birth`: the years
// between them, less one before the birthday in the last year. A birthday of
// 29 February comes on 1 March in other years (what java.time and the
// statutes of age counting give). False, with `age` untouched, when either
// is no calendar date or `on` comes before `birth`.
bool ageOn(const BirthDate& birth, const BirthDate& on, int& age);

#endif
