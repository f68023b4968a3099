// The check character of an identity number: ISO 7064 MOD 11-2 over the
// first 17 bytes.
#ifndef CORE_CHECK_CHARACTER_H
#define CORE_CHECK_CHARACTER_H

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

constexpr int stemLength = 17;
constexpr int numberLength = 18;

// 2^(18 - position) mod 11 for positions 1-17.
inline constexpr int checkWeights[stemLength] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};

// Check character for remainders 0-10: (12 - remainder) mod 11, 10 as 'X'.
inline constexpr char checkCharacters[11] = {'1', '0', 'X', '9', '8', '7', '6', '5', '4', '3', '2'};

// The check character of a weighted sum of 17 digits (0-900), looked up by
// the sum instead of dividing it by 11. 1024 entries, a power of 2: a sum of
// other bytes, whose character the caller throws away, stays inside the
// table by its low bits alone.
constexpr unsigned checkSumTableSize = 1024;
struct CheckCharacterOfSum {
    char ofSum[checkSumTableSize];
};
inline constexpr CheckCharacterOfSum checkCharacterOfSum = [] {
    CheckCharacterOfSum table{};
    for (unsigned sum = 0; sum < checkSumTableSize; ++sum) table.ofSum[sum] = checkCharacters[sum % 11];
    return table;
}();

// Value of one character of a number: its byte as a signed 8-bit value minus
// '0'. Digits give 0-9, 'X' 40, 'x' 72, bytes 0x80-0xFF give -176 to -49.
inline int digitValue(char c) {
    return static_cast<int>(static_cast<signed char>(c)) - '0';
}

// The check character ('0'-'9' or 'X') of the 17 bytes at `stem`, or '\0' when
// the weighted sum is negative and so has no check character. The bytes are
// not validated: any byte enters the sum with its digit value.
char computeCheckCharacter(const char* stem);

// The check character of 17 digits at `stem`, or '\0' when any of them is not
// a digit 0-9: the test and the sum in one pass over exactly 17 bytes, with
// wide loads and no loop over the test. Inline, as verification is: a batch
// calls it for every line. Two forms, the same answers: SSE2, which every
// x86-64 processor has, and eight bytes at a time in plain integers for
// every other target.
inline char checkCharacterOfDigitsPortable(const char* stem) {
    // XOR with '0' makes a digit 0-9; a byte of 10 or more then has its high
    // bit set once 0x76 is added, or has it already; a carry only comes from a
    // byte that fails anyway.
    uint64_t first, second;
    std::memcpy(&first, stem, 8);
    std::memcpy(&second, stem + 8, 8);
    constexpr uint64_t zeros = 0x3030303030303030u, offset = 0x7676767676767676u, highBits = 0x8080808080808080u;
    first ^= zeros;
    second ^= zeros;
    const unsigned last = static_cast<unsigned char>(stem[16]) - unsigned{'0'};
    if ((((first + offset) | first | (second + offset) | second) & highBits) != 0 || last > 9) return '\0';
    // Digits only, so the sum is 0-900 and its remainder never negative.
    int sum = static_cast<int>(last) * checkWeights[16];
    for (int position = 0; position < 16; ++position) sum += (stem[position] - '0') * checkWeights[position];
    return checkCharacters[sum % 11];
}

#if defined(__SSE2__)
inline char checkCharacterOfDigitsSse2(const char* stem) {
    // Sixteen bytes at once: after subtracting '0' a digit is 0-9 and anything
    // else above 9 (unsigned); then the weights by multiply-add of 16-bit
    // lanes, and the lanes' sum.
    const __m128i digits = _mm_sub_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(stem)), _mm_set1_epi8('0'));
    const __m128i nine = _mm_set1_epi8(9);
    const unsigned last = static_cast<unsigned char>(stem[16]) - unsigned{'0'};
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(digits, nine), nine)) != 0xFFFF || last > 9) return '\0';
    const __m128i zero = _mm_setzero_si128();
    __m128i sums = _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(digits, zero), _mm_setr_epi16(7, 9, 10, 5, 8, 4, 2, 1)),
                                 _mm_madd_epi16(_mm_unpackhi_epi8(digits, zero), _mm_setr_epi16(6, 3, 7, 9, 10, 5, 8, 4)));
    sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, _MM_SHUFFLE(1, 0, 3, 2)));
    sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, _MM_SHUFFLE(2, 3, 0, 1)));
    const int sum = _mm_cvtsi128_si32(sums) + static_cast<int>(last) * checkWeights[16];
    return checkCharacters[sum % 11];
}
#endif

inline char checkCharacterOfDigits(const char* stem) {
#if defined(__SSE2__)
    return checkCharacterOfDigitsSse2(stem);
#else
    return checkCharacterOfDigitsPortable(stem);
#endif
}

#endif
