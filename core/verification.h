// Verification of one identity number, as a pure function of the bytes read,
// their whole length and the year limit: the verdict (and, for a refusal, the
// message the dialog shows), the birth date and sex of an accepted number,
// and the province, city and county texts its region code names.
//
// A number passes when it has 18 bytes, its first 17 are digits, its 18th is
// their check character ('X' upper case only) and its birth date keeps to the
// upper limits (year at most the limit, month at most 12, day at most 31).
#ifndef CORE_VERIFICATION_H
#define CORE_VERIFICATION_H

#include <climits>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/check_character.h"
#include "core/number_rules.h"
#include "core/text_encoding.h"

// Why a number is refused, in the order the tests are made.
enum class VerifyRefusal : unsigned char {
    none,
    length,      // not 18 bytes
    characters,  // a non-digit among the first 17, or a last byte not a digit or 'X'
    check,       // the last character is not the check character of the first 17
    date,        // the year, month or day beyond its limit
};

struct VerifyOutcome {
    VerifyRefusal refusal;
    // The check character the first 17 bytes call for, when there are at
    // least 17 and all are digits; otherwise '\0'.
    char expectedCheck;
    // An accepted number's sex: position 17 odd is male.
    bool male;
    // The whole length in bytes (the figure of the length message).
    int wholeLength;
    // An accepted number's birth date and region code (positions 7-14, 1-6).
    BirthDate birthDate;
    int regionCode;
};

// A text's length as verifyNumberText takes it: a longer one than INT_MAX is
// refused for its length all the same, and counts as INT_MAX.
inline int verifiedLength(uint64_t length) { return length > INT_MAX ? INT_MAX : static_cast<int>(length); }

// verifyNumberText (below) has two paths with the same outcome for every
// text, both here so that a test can hold them against each other. The plain
// one, for every target: one test after another, up to the first that fails.
inline VerifyOutcome verifyNumberTextPlain(const char* number, int readLength, int wholeLength, int yearLimit) {
    VerifyOutcome outcome{};
    outcome.wholeLength = wholeLength;
    // Said for any text that has 17 digits first, refused or not.
    const int available = readLength < wholeLength ? readLength : wholeLength;
    if (available >= stemLength) outcome.expectedCheck = checkCharacterOfDigits(number);

    if (wholeLength != numberLength) {
        outcome.refusal = VerifyRefusal::length;
        return outcome;
    }
    const char last = number[stemLength];
    if (outcome.expectedCheck == '\0' || !((last >= '0' && last <= '9') || last == 'X')) {
        outcome.refusal = VerifyRefusal::characters;
        return outcome;
    }
    if (last != outcome.expectedCheck) {
        outcome.refusal = VerifyRefusal::check;
        return outcome;
    }
    // All 17 are digits: the parts are plain decimal values.
    outcome.birthDate = {digitsValue(number + birthDateOffset, 4), digitsValue(number + birthDateOffset + 4, 2),
                         digitsValue(number + birthDateOffset + 6, 2)};
    if (!withinDateLimits(outcome.birthDate, yearLimit)) {
        outcome.refusal = VerifyRefusal::date;
        return outcome;
    }
    outcome.male = isMaleCharacter(number[sexOffset]);
    outcome.regionCode = digitsValue(number, regionCodeLength);
    return outcome;
}

#if defined(__SSE2__)
// The SSE2 one, for x86: the tests of an 18-byte text side by side, with no
// branch on its bytes (the refusal and the parts chosen by a table and
// masks), since in a batch of mixed numbers no branch predictor foresees
// which test fails.
inline VerifyOutcome verifyNumberTextSse2(const char* number, int readLength, int wholeLength, int yearLimit) {
    // Two 16-byte loads, positions 0-15 and 2-17, read 18 bytes: a shorter
    // text takes the plain path.
    const int available = readLength < wholeLength ? readLength : wholeLength;
    if (available < numberLength) return verifyNumberTextPlain(number, readLength, wholeLength, yearLimit);
    static_assert(numberLength == 18 && regionCodeLength == 6 && birthDateOffset == 6 && sexOffset == 16,
                  "the lanes below hold the parts of an 18-byte number");
    const __m128i headBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(number));
    const __m128i tailBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(number + 2));
    // Less '0', a digit is 0-9 and any other byte 10-255 (unsigned).
    const __m128i head = _mm_sub_epi8(headBytes, _mm_set1_epi8('0'));
    const __m128i tail = _mm_sub_epi8(tailBytes, _mm_set1_epi8('0'));
    const __m128i nine = _mm_set1_epi8(9);
    const __m128i lastIsX = _mm_and_si128(_mm_cmpeq_epi8(tailBytes, _mm_set1_epi8('X')),
                                          _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1));
    // Bit i: positions i and i + 2 are digits, except that bit 15 takes an
    // 'X' at position 17 too.
    const unsigned fit = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(_mm_max_epu8(head, nine), nine),
                      _mm_or_si128(_mm_cmpeq_epi8(_mm_max_epu8(tail, nine), nine), lastIsX))));
    const bool stemDigits = (fit | 0x8000u) == 0xFFFFu;
    const unsigned sexDigit = static_cast<unsigned char>(number[sexOffset]) - unsigned{'0'};
    const char last = number[stemLength];

    // The weighted sum of positions 0-15 by a multiply-add of 16-bit lanes,
    // then position 16's; of digits it is at most 900.
    const __m128i zero = _mm_setzero_si128();
    __m128i sums = _mm_add_epi32(
        _mm_madd_epi16(_mm_unpacklo_epi8(head, zero),
                       _mm_setr_epi16(checkWeights[0], checkWeights[1], checkWeights[2], checkWeights[3],
                                      checkWeights[4], checkWeights[5], checkWeights[6], checkWeights[7])),
        _mm_madd_epi16(_mm_unpackhi_epi8(head, zero),
                       _mm_setr_epi16(checkWeights[8], checkWeights[9], checkWeights[10], checkWeights[11],
                                      checkWeights[12], checkWeights[13], checkWeights[14], checkWeights[15])));
    sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, _MM_SHUFFLE(1, 0, 3, 2)));
    sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, _MM_SHUFFLE(2, 3, 0, 1)));
    const unsigned sum = static_cast<unsigned>(_mm_cvtsi128_si32(sums)) + sexDigit * checkWeights[16];
    const char expected = static_cast<char>(checkCharacterOfSum.ofSum[sum % checkSumTableSize] &
                                            -static_cast<int>(stemDigits));

    // Decimal values of the digits from position 2: pairs (a 16-bit lane
    // holds a + 256 b, and times 0x0A01 its high byte is 10 a + b) 23 45 67
    // 89 1011 1213 1415 1617, and quads 2345 6789 1011-1213 1415-1617.
    const __m128i pairs = _mm_srli_epi16(_mm_mullo_epi16(tail, _mm_set1_epi16(0x0A01)), 8);
    const __m128i quads = _mm_madd_epi16(pairs, _mm_set1_epi32(0x00010064));
    // The year (quad 1), month (pair 4) and day (pair 5) beyond their limits.
    constexpr short none16 = SHRT_MAX;
    const __m128i beyond = _mm_or_si128(
        _mm_cmpgt_epi16(pairs, _mm_setr_epi16(none16, none16, none16, none16, monthLimit, dayLimit, none16, none16)),
        _mm_cmpgt_epi32(quads, _mm_setr_epi32(INT_MAX, yearLimit, INT_MAX, INT_MAX)));

    // One bit a failed test, the first test's the highest: the refusal is
    // that of the highest bit set.
    using R = VerifyRefusal;
    static constexpr R refusalOfFailures[16] = {
        R::none,       R::date,       R::check,      R::check,       // 0-3: date 1, check 2
        R::characters, R::characters, R::characters, R::characters,  // 4-7: characters 4
        R::length,     R::length,     R::length,     R::length,      // 8-15: length 8
        R::length,     R::length,     R::length,     R::length};
    const unsigned failures = unsigned{wholeLength != numberLength} << 3 | unsigned{fit != 0xFFFFu} << 2 |
                              unsigned{last != expected} << 1 | unsigned{_mm_movemask_epi8(beyond) != 0};
    // The parts as the plain path leaves them: the birth date once the date
    // is tested, the sex and region code of an accepted number.
    const int dated = -static_cast<int>(failures <= 1);
    const int accepted = -static_cast<int>(failures == 0);
    VerifyOutcome outcome{};
    outcome.refusal = refusalOfFailures[failures];
    outcome.expectedCheck = expected;
    outcome.male = (sexDigit & static_cast<unsigned>(accepted) & 1u) != 0;
    outcome.wholeLength = wholeLength;
    outcome.birthDate = {_mm_extract_epi16(quads, 2) & dated, _mm_extract_epi16(pairs, 4) & dated,
                         _mm_extract_epi16(pairs, 5) & dated};
    outcome.regionCode =
        ((digitValue(number[0]) * 10 + digitValue(number[1])) * 10000 + _mm_extract_epi16(quads, 0)) & accepted;
    return outcome;
}
#endif

// Verifies `readLength` bytes at `number` (at least min(wholeLength, 18) of
// the text, more are ignored) whose whole text has `wholeLength` bytes: the
// length, the characters, the check character and the birth date, in that
// order. Inline, so that a batch of numbers costs no call per number.
inline VerifyOutcome verifyNumberText(const char* number, int readLength, int wholeLength, int yearLimit) {
#if defined(__SSE2__)
    return verifyNumberTextSse2(number, readLength, wholeLength, yearLimit);
#else
    return verifyNumberTextPlain(number, readLength, wholeLength, yearLimit);
#endif
}

// The dialog's message for a refusal, which every face shows (verify's
// `message` field); an empty text for none. A number refused for its
// characters gets the check message. The length message holds "%s", which
// stands for the length; formatMessage fills it in.
const char* refusalText(VerifyRefusal refusal);

// The reason's name for tables: "length", "characters", "check", "date";
// null for none.
const char* refusalName(VerifyRefusal refusal);

// "男" or "女".
const char* sexText(bool male);

// What the province, city and county fields show for a region code:
// - a municipality: its full name, the district's name and an empty county,
//   or "未知位置" and "错误地区码" when its table lacks the code;
// - a province: its full name, the name of the city-level record (code / 100
//   * 100) or "未知位置", and the name of the code's record, or "未知位置" and
//   "错误地区码" when its table lacks the code;
// - a code of no province-level unit: "未知位置", empty, "错误地区码".
struct RegionTexts {
    const char* province;
    const char* city;
    const char* county;
};
RegionTexts regionTexts(int regionCode);

// Writes `text` into `out` (`size` bytes, always terminated) with its "%s"
// replaced by the decimal `number`. Returns the length written.
int formatMessage(char* out, int size, const char* text, uint64_t number);

#endif
