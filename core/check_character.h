// The check character of an identity number: ISO 7064 MOD 11-2 over the
// first 17 bytes.
#ifndef CORE_CHECK_CHARACTER_H
#define CORE_CHECK_CHARACTER_H

constexpr int stemLength = 17;
constexpr int numberLength = 18;

// 2^(18 - position) mod 11 for positions 1-17.
inline constexpr int checkWeights[stemLength] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};

// Check character for remainders 0-10: (12 - remainder) mod 11, 10 as 'X'.
inline constexpr char checkCharacters[11] = {'1', '0', 'X', '9', '8', '7', '6', '5', '4', '3', '2'};

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
// a digit 0-9: the test and the sum in one pass. Inline, as verification is:
// a batch calls it for every line.
inline char checkCharacterOfDigits(const char* stem) {
    // Digits only, so the sum is 0-900 and its remainder never negative.
    int sum = 0;
    for (int position = 0; position < stemLength; ++position) {
        const unsigned digit = static_cast<unsigned char>(stem[position]) - unsigned{'0'};
        if (digit > 9) return '\0';
        sum += static_cast<int>(digit) * checkWeights[position];
    }
    return checkCharacters[sum % 11];
}

#endif
