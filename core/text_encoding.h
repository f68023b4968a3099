// The encodings of input and output, and the validity of byte sequences in
// them.
//
// Every text of the system stands once in the sources, in UTF-8, and is UTF-8
// in the program: a plain string literal holds its UTF-8 bytes. GBK is made
// only where it leaves or enters the system (core/gbk_table.h converts). A
// compiler told to translate literals into another character set (GCC's
// -fexec-charset, MSVC without /utf-8) stops the build here.
#ifndef CORE_TEXT_ENCODING_H
#define CORE_TEXT_ENCODING_H

#include <cstddef>

static_assert(sizeof("男") == 4 && "男"[0] == '\xE7' && "男"[1] == '\x94' && "男"[2] == '\xB7',
              "text literals must be UTF-8: compile without a charset conversion of literals");

enum class Encoding { utf8, gbk };

inline bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length (1-4) of the well-formed UTF-8 character that starts at bytes[0], or
// 0 when the bytes there start none within `available` (at least 1) bytes:
// the strict form (no overlong forms, surrogates or values above U+10FFFF).
inline std::size_t utf8Length(const unsigned char* bytes, std::size_t available) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80) return 1;
    std::size_t length;
    unsigned char secondLow = 0x80, secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) secondLow = 0xA0;       // no overlong forms
        else if (lead == 0xED) secondHigh = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) secondLow = 0x90;
        else if (lead == 0xF4) secondHigh = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (available < length) return 0;
    if (bytes[1] < secondLow || bytes[1] > secondHigh) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!isContinuation(bytes[i])) return 0;
    return length;
}

// The same for GBK: a byte 00-7F, or a lead byte 81-FE and a trail byte 40-7E
// or 80-FE; whether the pair is an assigned character is not checked.
inline std::size_t gbkLength(const unsigned char* bytes, std::size_t available) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80) return 1;
    if (lead < 0x81 || lead > 0xFE || available < 2) return 0;
    const unsigned char trail = bytes[1];
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 0;
}

// Whether all `count` bytes are well-formed UTF-8.
inline bool isValidUtf8(const char* text, std::size_t count) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    for (std::size_t at = 0; at < count;) {
        if (bytes[at] < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = utf8Length(bytes + at, count - at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

// Either of the two, by the encoding. Inline: the record writer asks it for
// every character of every text it writes.
inline std::size_t characterLength(const unsigned char* bytes, std::size_t available, Encoding encoding) {
    return encoding == Encoding::gbk ? gbkLength(bytes, available) : utf8Length(bytes, available);
}

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
