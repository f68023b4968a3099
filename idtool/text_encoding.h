// The output encoding and the validity of byte sequences in it.
//
// Every text of the core exists in both encodings (struct Text), so output
// picks a pointer and never converts. Input bytes echoed back are taken as
// being in the output encoding; the record writer escapes those that are not.
#ifndef IDTOOL_TEXT_ENCODING_H
#define IDTOOL_TEXT_ENCODING_H

#include <cstddef>

#include "core/gbk_text.h"

enum class Encoding { utf8, gbk };

inline const char* textIn(const Text& text, Encoding encoding) {
    return encoding == Encoding::gbk ? text.gbk : text.utf8;
}

// Length (1-4) of the well-formed character that starts at bytes[0], or 0 when
// the bytes there start none within `available` (at least 1) bytes.
// UTF-8: the strict form (no overlong forms, surrogates or values above
// U+10FFFF). GBK: a byte 00-7F, or a lead byte 81-FE and a trail byte 40-7E or
// 80-FE; whether the pair is an assigned character is not checked.
std::size_t characterLength(const unsigned char* bytes, std::size_t available, Encoding encoding);

// Bytes from one character boundary to the next: the character's length, or 1
// when no character starts there (a stray byte counts as one).
inline std::size_t characterStep(const unsigned char* bytes, std::size_t available, Encoding encoding) {
    const std::size_t length = characterLength(bytes, available, encoding);
    return length != 0 ? length : 1;
}

// Length of the longest prefix of bytes[0, count) that does not end inside a
// character that more bytes could still complete. Used before converting a
// buffer in pieces, so that no character is split between two pieces.
std::size_t completePrefixLength(const char* bytes, std::size_t count, Encoding encoding);

#endif
