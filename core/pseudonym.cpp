// A number as a position: region position, day within the date domain and
// sequence number, in mixed radix over the parts that are not kept; the
// tweak names the domain (kind, kept parts, its first day and length), so
// that each domain has a permutation of its own.
#include "core/pseudonym.h"

#include <cstring>

#include "core/calendar.h"
#include "core/found_number.h"
#include "core/keyed_permutation.h"
#include "core/scan_options.h"
#include "core/scan_regions.h"

namespace {

void writeDigits(char* out, uint64_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

uint64_t digitsNumber(const char* digits, int count) {
    uint64_t value = 0;
    for (int i = 0; i < count; ++i) value = value * 10 + static_cast<uint64_t>(digits[i] - '0');
    return value;
}

void putBytes(unsigned char* out, std::size_t& at, uint64_t value, int count) {
    for (int i = count - 1; i >= 0; --i) out[at++] = static_cast<unsigned char>(value >> (8 * i));
}

BirthDate laterOf(const BirthDate& a, const BirthDate& b) { return dateAfter(a, b) ? a : b; }
BirthDate earlierOf(const BirthDate& a, const BirthDate& b) { return dateAfter(a, b) ? b : a; }

}  // namespace

bool pseudonymOfNumber(const HmacKey& key, unsigned keep, const BirthDate& asOf, const char* number,
                       char (&pseudonym)[numberLength + 1]) {
    const int32_t region = static_cast<int32_t>(digitsNumber(number, regionCodeLength));
    const NumberKind kind = kindOfRegion(region);
    const BirthDate birth{digitsValue(number + birthDateOffset, 4), digitsValue(number + birthDateOffset + 4, 2),
                          digitsValue(number + birthDateOffset + 6, 2)};
    const int sequence = digitsValue(number + regionCodeLength + birthDateLength, sequenceLength);

    const bool keepRegion = (keep & PseudonymKeep::region) != 0;
    const bool keepYear = (keep & PseudonymKeep::birthYear) != 0;
    const bool keepSex = (keep & PseudonymKeep::sex) != 0;
    const uint64_t regionCount = keepRegion ? 1 : static_cast<uint64_t>(regionCountOfKind(kind));
    const uint64_t regionIndex = keepRegion ? 0 : static_cast<uint64_t>(regionPosition(region));

    const int firstYear = keepYear ? birth.year : birth.year / 100 * 100;
    const int lastYear = keepYear ? birth.year : firstYear + 99;
    const BirthDate first = laterOf(BirthDate{firstYear, 1, 1}, BirthDate{1, 1, 1});
    const BirthDate last = earlierOf(BirthDate{lastYear, 12, 31}, asOf);
    const long long firstDay = dayNumber(first);
    const uint64_t dayCount = static_cast<uint64_t>(dayNumber(last) - firstDay + 1);
    const uint64_t dayIndex = static_cast<uint64_t>(dayNumber(birth) - firstDay);

    const uint64_t sequenceCount = keepSex ? 500 : 1000;
    const uint64_t sequenceIndex = keepSex ? static_cast<uint64_t>(sequence / 2) : static_cast<uint64_t>(sequence);
    const int parity = sequence % 2;

    unsigned char tweak[32];
    std::size_t tweakLength = 0;
    static const char label[] = "pseudonym";
    std::memcpy(tweak, label, sizeof label - 1);
    tweakLength += sizeof label - 1;
    tweak[tweakLength++] = static_cast<unsigned char>(kind);
    tweak[tweakLength++] = static_cast<unsigned char>(keep & PseudonymKeep::all);
    putBytes(tweak, tweakLength, keepRegion ? static_cast<uint64_t>(region) : 0, 4);
    putBytes(tweak, tweakLength, static_cast<uint64_t>(firstDay + (1LL << 40)), 6);
    putBytes(tweak, tweakLength, dayCount, 4);
    tweak[tweakLength++] = static_cast<unsigned char>(keepSex ? parity : 0xFF);

    const uint64_t size = regionCount * dayCount * sequenceCount;
    const uint64_t position = (regionIndex * dayCount + dayIndex) * sequenceCount + sequenceIndex;
    uint64_t moved = 0;
    if (!permuteIndex(key, tweak, tweakLength, size, position, moved)) return false;

    const uint64_t newSequenceIndex = moved % sequenceCount;
    const uint64_t newDayIndex = moved / sequenceCount % dayCount;
    const uint64_t newRegionIndex = moved / sequenceCount / dayCount;
    const int32_t newRegion = keepRegion ? region : regionAtPosition(kind, static_cast<int>(newRegionIndex));
    const BirthDate newBirth = dateOfDayNumber(firstDay + static_cast<long long>(newDayIndex));
    const uint64_t newSequence = keepSex ? newSequenceIndex * 2 + static_cast<uint64_t>(parity) : newSequenceIndex;

    writeDigits(pseudonym, static_cast<uint64_t>(newRegion), regionCodeLength);
    writeDigits(pseudonym + birthDateOffset, static_cast<uint64_t>(newBirth.year), 4);
    writeDigits(pseudonym + birthDateOffset + 4, static_cast<uint64_t>(newBirth.month), 2);
    writeDigits(pseudonym + birthDateOffset + 6, static_cast<uint64_t>(newBirth.day), 2);
    writeDigits(pseudonym + regionCodeLength + birthDateLength, newSequence, sequenceLength);
    pseudonym[stemLength] = checkCharacterOfDigits(pseudonym);
    pseudonym[numberLength] = '\0';
    return true;
}

bool pseudonymOfFlawed(const HmacKey& key, const char* number, int length, char (&pseudonym)[numberLength + 1]) {
    const int digits = length == numberLength ? stemLength : oldNumberLength;
    uint64_t size = 1;
    for (int i = 0; i < digits; ++i) size *= 10;
    const unsigned char tweak[] = {'f', 'l', 'a', 'w', 'e', 'd', static_cast<unsigned char>(digits)};
    uint64_t moved = 0;
    if (!permuteIndex(key, tweak, sizeof tweak, size, digitsNumber(number, digits), moved)) return false;
    writeDigits(pseudonym, moved, digits);
    if (length == numberLength) {
        // The character after the right one in the order of checkCharacters.
        const char right = checkCharacterOfDigits(pseudonym);
        int index = 0;
        while (checkCharacters[index] != right) ++index;
        pseudonym[stemLength] = checkCharacters[(index + 1) % 11];
    }
    pseudonym[length] = '\0';
    return true;
}
