// Hints for refused numbers: what probably happened to a text that fails
// verification, when one repair would make it a valid number or explains
// it. The verdict stays the dialog's; a hint only adds to it.
//
//   cr_line_ends    the line holds a CR: a file whose lines end in CR alone
//                   is read as one long line
//   fifteen_digits  a well-formed 15-digit number of the old format (its
//                   18-character form is given with it)
//   scientific      scientific notation (1.10105E+17), as a spreadsheet shows
//                   a long number
//   zeroed          18 digits ending in 000 that fail the check, as a
//                   spreadsheet's 15 digits of precision leave a number
//   lowercase_x     a final x where X would pass
//   fullwidth       full-width digits or Ｘ that would pass as ASCII
//   spaces          spaces, tabs or hyphens that, removed, would leave a
//                   valid number
//
// Offers NumberHint, hintFor and hintName.
#ifndef CORE_NUMBER_HINTS_H
#define CORE_NUMBER_HINTS_H

#include <cstddef>
#include <cstdint>

#include "core/text_encoding.h"
#include "core/verification.h"

enum class NumberHint : unsigned char {
    none,
    crLineEnds,
    fifteenDigits,
    scientific,
    zeroed,
    lowercaseX,
    fullwidth,
    spaces,
};

// The hint for a refused text: its first `held` bytes (all of it when
// `length` equals `held`), in `encoding` (which decides how full-width
// characters are spelt). None for a valid text. For fifteen_digits, writes
// the upgraded number (18 characters and a NUL) into `upgraded`.
NumberHint hintFor(const char* bytes, std::size_t held, uint64_t length, VerifyRefusal refusal, Encoding encoding,
                   int yearLimit, char* upgraded);

// The hint's name as records write it ("lowercase_x" ...); null for none.
const char* hintName(NumberHint hint);

#endif
