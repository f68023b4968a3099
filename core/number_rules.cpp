// The shared rules of numbers: the local year, slices of a number's text and
// their values, the check, the sex list's choice, the sequence number of a
// draw and the assembly of a number from its parts.
#include "core/number_rules.h"

#include <cstdlib>
#include <cstring>

namespace {

// Writes the `count` lowest decimal digits of a non-negative value, with
// leading zeros.
void writeDigits(char* out, int value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

// Longest slice that sliceToInt converts: a whole birth date.
constexpr int longestSlice = 8;

}  // namespace

BirthDate localDate(time_t calendarTime) {
#ifdef _WIN32
    const struct tm* local = localtime(&calendarTime);
#else
    // glibc's localtime looks the time zone up again, allocating, on every
    // call when TZ is unset; the reentrant form does so only once.
    struct tm converted;
    const struct tm* local = localtime_r(&calendarTime, &converted);
#endif
    if (local == nullptr) return BirthDate{9999, 12, 31};
    return BirthDate{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

int localYear(time_t calendarTime) { return localDate(calendarTime).year; }

void copySlice(char* out, const char* text, int offset, int count) {
    std::memcpy(out, text + offset, static_cast<size_t>(count));
    out[count] = '\0';
}

int sliceToInt(const char* text, int offset, int count) {
    char slice[longestSlice + 1];
    if (count > longestSlice)
        count = longestSlice;
    copySlice(slice, text, offset, count);
    return atoi(slice);
}

bool allDigits(const char* text, int count) {
    for (int i = 0; i < count; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

BirthDate birthDateAt(const char* date) {
    return BirthDate{sliceToInt(date, 0, 4), sliceToInt(date, 4, 2), sliceToInt(date, 6, 2)};
}

bool passesCheck(const char* number) {
    // Only digits make a stem: letters and the bytes of double-byte characters
    // could otherwise add up to a sum that happens to match.
    const char check = checkCharacterOfDigits(number);
    return check != '\0' && number[stemLength] == check;
}

SexChoice sexChoiceAt(int listIndex) {
    switch (listIndex) {
    case 0:
        return SexChoice::male;
    case 1:
        return SexChoice::female;
    default:
        return SexChoice::any;
    }
}

int sequenceNumberFor(int drawn, SexChoice sex) {
    int sequence = drawn % sequenceModulus;
    if (sequence < 0)
        sequence += sequenceModulus;
    const bool odd = sequence % 2 == 1;
    if ((sex == SexChoice::male && !odd) || (sex == SexChoice::female && odd))
        // 998 is the highest sequence number, so its odd neighbour lies below.
        sequence = sequence == sequenceModulus - 1 ? sequence - 1 : sequence + 1;
    return sequence;
}

bool assembleNumber(char* number, int regionCode, const char* birthDate, int sequence) {
    number[0] = '\0';
    // Six decimal digits for every table record; anything else makes no number.
    if (regionCode < 100000 || regionCode > 999999 || sequence < 0 || sequence >= sequenceModulus)
        return false;
    writeDigits(number, regionCode, regionCodeLength);
    std::memcpy(number + regionCodeLength, birthDate, birthDateLength);
    writeDigits(number + regionCodeLength + birthDateLength, sequence, sequenceLength);

    const char check = computeCheckCharacter(number);
    if (check == '\0') {
        number[0] = '\0';
        return false;
    }
    number[stemLength] = check;
    number[numberLength] = '\0';
    return true;
}

void upgradeFifteenDigits(const char* old, char* number) {
    std::memcpy(number, old, regionCodeLength);
    number[regionCodeLength] = '1';
    number[regionCodeLength + 1] = '9';
    std::memcpy(number + regionCodeLength + 2, old + regionCodeLength, oldNumberLength - regionCodeLength);
    number[stemLength] = computeCheckCharacter(number);  // a stem of digits always has one
    number[numberLength] = '\0';
}
