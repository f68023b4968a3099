// Masking numbers for reports that must not spread them whole: the first 6
// and the last 4 characters kept, each character between them written '*'.
// A text of 10 characters or fewer is masked whole. Characters are those of
// the encoding; a byte that starts none counts as one. Offers maskText.
#ifndef CORE_MASKING_H
#define CORE_MASKING_H

#include <cstddef>

#include "core/text_encoding.h"

constexpr std::size_t maskKeptFirst = 6;
constexpr std::size_t maskKeptLast = 4;

// Writes the masked form of `count` bytes into `out` when it fits in
// `capacity` bytes (it is never longer than the text) and returns its
// length. `whole` false says the text is only the head of a longer one: its
// first 6 characters are kept and every other one masked, as its true last
// characters are not there to keep. With `invalidKept`, a kept byte that
// starts no character is written as that text instead (U+FFFD, for a mask
// that must be valid UTF-8), which may make the mask longer than the text.
std::size_t maskText(const char* text, std::size_t count, Encoding encoding, bool whole, char* out,
                     std::size_t capacity, const char* invalidKept = nullptr);

#endif
