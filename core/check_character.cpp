#include "core/check_character.h"

namespace {

// 2^(18 - position) mod 11 for positions 1-17.
constexpr int weights[stemLength] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};

// Check character for remainders 0-10: (12 - remainder) mod 11, 10 as 'X'.
constexpr char checkCharacters[11] = {'1', '0', 'X', '9', '8', '7', '6', '5', '4', '3', '2'};

}  // namespace

char computeCheckCharacter(const char* stem) {
    // The weights sum to 100, so the sum lies in [-17600, 7900]: no overflow.
    int sum = 0;
    for (int position = 0; position < stemLength; ++position)
        sum += digitValue(stem[position]) * weights[position];
    // Truncating division: a negative sum leaves a negative remainder, which
    // has no check character (never folded into 0-10).
    const int remainder = sum % 11;
    return remainder < 0 ? '\0' : checkCharacters[remainder];
}

char checkCharacterOfDigits(const char* stem) {
    // Digits only, so the sum is 0-900 and its remainder never negative.
    int sum = 0;
    for (int position = 0; position < stemLength; ++position) {
        const unsigned digit = static_cast<unsigned char>(stem[position]) - unsigned{'0'};
        if (digit > 9) return '\0';
        sum += static_cast<int>(digit) * weights[position];
    }
    return checkCharacters[sum % 11];
}
