// The check character by ISO 7064 MOD 11-2 over any 17 bytes, as the dialog
// computes it: each byte's digit value times its weight, summed, and a
// negative sum left without a character.
#include "core/check_character.h"

char computeCheckCharacter(const char* stem) {
    // The weights sum to 100, so the sum lies in [-17600, 7900]: no overflow.
    int sum = 0;
    for (int position = 0; position < stemLength; ++position)
        sum += digitValue(stem[position]) * checkWeights[position];
    // Truncating division: a negative sum leaves a negative remainder, which
    // has no check character (never folded into 0-10).
    const int remainder = sum % 11;
    return remainder < 0 ? '\0' : checkCharacters[remainder];
}
