// The rules of an identity number that verification and generation share:
// its parts, the date limits, the check, the sex and the assembly of a number.
#ifndef CORE_NUMBER_RULES_H
#define CORE_NUMBER_RULES_H

#include <ctime>

#include "core/check_character.h"

constexpr int regionCodeLength = 6;
constexpr int birthDateLength = 8;
constexpr int sequenceLength = 3;
constexpr int monthLimit = 12;
constexpr int dayLimit = 31;
// Sequence numbers run from 000 to 998: a draw is taken modulo 999.
constexpr int sequenceModulus = 999;

// Byte offsets (0-based) of the parts of an 18-byte number.
constexpr int birthDateOffset = 6;
constexpr int sexOffset = 16;

// Calendar year of `calendarTime` on the local clock. A time that the
// run-time cannot convert gives 9999, so that no year is refused for it.
int localYear(time_t calendarTime);

// --- Texts --------------------------------------------------------------

// Copies `count` bytes of `text` from `offset` into `out` and terminates them;
// `out` holds at least count + 1 bytes.
void copySlice(char* out, const char* text, int offset, int count);

// atoi of exactly `count` bytes (at most 8) from `offset`: the conversion sees
// a copy cut right after them, so it never reads a byte beyond them.
int sliceToInt(const char* text, int offset, int count);

// Whether the first `count` bytes are all the digits 0-9.
bool allDigits(const char* text, int count);

// The decimal value of `count` bytes that are all digits (at most 9).
inline int digitsValue(const char* digits, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) value = value * 10 + (digits[i] - '0');
    return value;
}

// --- Birth date ------------------------------------------------------------

struct BirthDate {
    int year;
    int month;
    int day;
};

// The date of `calendarTime` on the local clock; 9999-12-31 for a time that
// the run-time cannot convert.
BirthDate localDate(time_t calendarTime);

// Year, month and day of the 8 bytes at `date` (YYYYMMDD), each by atoi of its
// own bytes.
BirthDate birthDateAt(const char* date);

// Upper limits only: the year at most `yearLimit`, month at most 12, day at
// most 31. No lower limit and no calendar: 00000000 and 20120231 pass.
inline bool withinDateLimits(const BirthDate& date, int yearLimit) {
    return date.year <= yearLimit && date.month <= monthLimit && date.day <= dayLimit;
}

// --- Check and sex -----------------------------------------------------------

// Whether an 18-byte number passes the check: its first 17 bytes are digits
// and its 18th byte is their check character ('X' upper case only).
bool passesCheck(const char* number);

// Sex from the character at position 17: odd digit value (1, 3, 5, 7, 9) is
// male, anything else female.
inline bool isMaleCharacter(char c) { return digitValue(c) % 2 == 1; }

// --- Generation --------------------------------------------------------------

enum class SexChoice { any, male, female };

// The sex list's selected index: 0 male, 1 female, anything else (-1 for no
// selection) any.
SexChoice sexChoiceAt(int listIndex);

// Sequence number 0-998 from one draw: the draw modulo 999, moved to its
// neighbour of the right parity when a sex is chosen (one up, or 997 for 998),
// so that a press always yields a number of the chosen sex.
int sequenceNumberFor(int drawn, SexChoice sex);

// Writes the 18-byte number (and its terminator) into `number`: the region
// code as decimal text, the 8 bytes of the birth date as typed, the sequence
// number as three digits and the check character. Returns false, writing
// nothing usable, when the code is not six digits or the stem has no check
// character.
bool assembleNumber(char* number, int regionCode, const char* birthDate, int sequence);

// --- Fifteen-digit numbers ---------------------------------------------------

constexpr int oldNumberLength = 15;

// The 18-character form of a 15-digit number (region code, two-digit year
// meaning 19YY, month, day, sequence number): "19" after the region code and
// the check character at the end. `number` holds 19 bytes; the 15 bytes at
// `old` are digits.
void upgradeFifteenDigits(const char* old, char* number);

#endif
