// The words a user may give for the sex of generated numbers, the same in
// every face: 男 or male, 女 or female, and any. Offers parseSexWord.
#ifndef CORE_SEX_WORDS_H
#define CORE_SEX_WORDS_H

#include <cstddef>

#include "core/number_rules.h"

// Whether `length` bytes at `text` (UTF-8) are exactly one of the words; the
// ASCII words match in any case. No other text is taken: not an empty one,
// not one with a NUL or blanks around the word.
bool parseSexWord(const char* text, std::size_t length, SexChoice& sex);

#endif
