// Real calendar dates and day numbers, which generate's --born-between draws
// from: checked against a plain day-by-day walk over 1600-2400, and at the
// leap-year and month edges.
#include <gtest/gtest.h>

#include "core/calendar.h"

namespace {

// The walk's own calendar, written the long way.
int walkDaysInMonth(int year, int month) {
    if (month == 2) {
        const bool leap = year % 400 == 0 || (year % 100 != 0 && year % 4 == 0);
        return leap ? 29 : 28;
    }
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

BirthDate nextDay(BirthDate date) {
    if (++date.day > walkDaysInMonth(date.year, date.month)) {
        date.day = 1;
        if (++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
    }
    return date;
}

bool sameDate(const BirthDate& a, const BirthDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

TEST(Calendar, DayNumbersCountEveryDayFrom1600To2400) {
    // Day 0 is 1970-01-01; 1600-01-01 lies 135140 days before it (370 years
    // of 365 days and 90 leap days: 1600 to 1968 by fours, less 1700, 1800
    // and 1900).
    BirthDate date{1600, 1, 1};
    long long day = -135140;
    int checked = 0;
    while (date.year <= 2400) {
        ASSERT_TRUE(isCalendarDate(date)) << date.year << "-" << date.month << "-" << date.day;
        ASSERT_EQ(dayNumber(date), day) << date.year << "-" << date.month << "-" << date.day;
        const BirthDate back = dateOfDayNumber(day);
        ASSERT_TRUE(sameDate(back, date)) << day << ": " << back.year << "-" << back.month << "-" << back.day;
        // The day after a month's last is no date.
        if (date.day == walkDaysInMonth(date.year, date.month)) {
            ASSERT_FALSE(isCalendarDate({date.year, date.month, date.day + 1}));
            ASSERT_EQ(daysInMonth(date.year, date.month), date.day);
        }
        date = nextDay(date);
        ++day;
        ++checked;
    }
    EXPECT_TRUE(sameDate(date, BirthDate{2401, 1, 1}));
    EXPECT_EQ(checked, 801 * 365 + 195);  // 1600-2400: 201 years by fours, less 6 centuries not by 400
}

TEST(Calendar, KnownDayNumbers) {
    EXPECT_EQ(dayNumber({1970, 1, 1}), 0);
    EXPECT_EQ(dayNumber({1969, 12, 31}), -1);
    EXPECT_EQ(dayNumber({2000, 1, 1}), 10957);
    EXPECT_EQ(dayNumber({2000, 3, 1}), 11017);  // after 29 February 2000
    EXPECT_EQ(dayNumber({1, 1, 1}), -719162);
    EXPECT_TRUE(sameDate(dateOfDayNumber(-719162), BirthDate{1, 1, 1}));
    EXPECT_TRUE(sameDate(dateOfDayNumber(dayNumber({9999, 12, 31})), BirthDate{9999, 12, 31}));
}

TEST(Calendar, LeapYearsAndTheEdgesOfADate) {
    EXPECT_EQ(daysInMonth(1900, 2), 28);  // a century not by 400
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(2023, 2), 28);
    EXPECT_EQ(daysInMonth(2024, 0), 0);
    EXPECT_EQ(daysInMonth(2024, 13), 0);
    const struct {
        BirthDate date;
        bool exists;
    } cases[] = {
        {{2024, 2, 29}, true},  {{2023, 2, 29}, false}, {{1900, 2, 29}, false}, {{2000, 2, 29}, true},
        {{2023, 2, 31}, false}, {{2024, 4, 31}, false}, {{2024, 4, 30}, true},  {{2024, 12, 31}, true},
        {{2024, 1, 32}, false}, {{2024, 1, 0}, false},  {{2024, 0, 1}, false},  {{2024, 13, 1}, false},
        {{1, 1, 1}, true},      {{0, 1, 1}, false},     {{0, 0, 0}, false},     {{-1, 1, 1}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isCalendarDate(c.date), c.exists) << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

}  // namespace
