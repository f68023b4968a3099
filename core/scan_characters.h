// The characters of a text as the scanner reads them: one decoded from the
// bytes of either encoding, bytes that form none counted as one character
// each, as Python's and the WHATWG decoders count the U+FFFD they write for
// them (UTF-8: one per maximal subpart of an ill-formed sequence; GBK: a lead
// byte without a trail that makes an assigned pair is one, and the next byte
// is read again), and what the scanner makes of a character. Offers
// DecodedCharacter, decodeUtf8Character, decodeGbkCharacter, ScanClass and
// classifyCharacter.
#ifndef CORE_SCAN_CHARACTERS_H
#define CORE_SCAN_CHARACTERS_H

#include <cstddef>
#include <cstdint>

#include "core/gbk_table.h"

struct DecodedCharacter {
    uint32_t codePoint;  // U+FFFD for bytes that form no character
    uint8_t length;      // bytes, 1-4
    bool valid;
};

constexpr uint32_t replacementCodePoint = 0xFFFD;

// At least one byte is available.
inline DecodedCharacter decodeUtf8Character(const unsigned char* bytes, std::size_t available) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80) return {lead, 1, true};
    int needed;
    unsigned char low = 0x80, high = 0xBF;
    uint32_t point;
    if (lead >= 0xC2 && lead <= 0xDF) {
        needed = 2;
        point = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        needed = 3;
        point = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;        // no overlong forms
        else if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        needed = 4;
        point = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;
        else if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return {replacementCodePoint, 1, false};
    }
    int taken = 1;
    while (taken < needed && static_cast<std::size_t>(taken) < available) {
        const unsigned char next = bytes[taken];
        if (next < low || next > high) break;
        point = point << 6 | (next & 0x3Fu);
        low = 0x80;
        high = 0xBF;
        ++taken;
    }
    if (taken < needed) return {replacementCodePoint, static_cast<uint8_t>(taken), false};
    return {point, static_cast<uint8_t>(needed), true};
}

inline DecodedCharacter decodeGbkCharacter(const unsigned char* bytes, std::size_t available) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80) return {lead, 1, true};
    if (available >= 2) {
        const uint32_t point = gbkPairToUnicode(lead, bytes[1]);
        if (point != 0) return {point, 2, true};
    }
    return {replacementCodePoint, 1, false};
}

// What a character is to the scanner: a digit or X of a number, another
// letter (a digit or letter beside a number means it is part of a longer
// word), a separator between the printed groups, or anything else.
enum class ScanClass : uint8_t { other, digit, checkLetter, letter, separator };

struct ClassifiedCharacter {
    ScanClass kind;
    bool fullwidth;     // ０-９, Ｘ, ｘ and the full-width letters
    bool lowercase;     // x or ｘ
    uint8_t value;      // a digit's value
};

constexpr bool isWordClass(ScanClass kind) {
    return kind == ScanClass::digit || kind == ScanClass::checkLetter || kind == ScanClass::letter;
}

// The separators of the printed groups: the space, the no-break space and
// the ideographic space; the hyphen-minus, the hyphen, the en dash and the
// full-width hyphen-minus.
constexpr bool isGroupSeparator(uint32_t point) {
    return point == 0x20 || point == 0xA0 || point == 0x3000 || point == 0x2D || point == 0x2010 ||
           point == 0x2013 || point == 0xFF0D;
}

constexpr ClassifiedCharacter classifyCharacter(uint32_t point) {
    if (point >= '0' && point <= '9') return {ScanClass::digit, false, false, static_cast<uint8_t>(point - '0')};
    if (point == 'X' || point == 'x') return {ScanClass::checkLetter, false, point == 'x', 10};
    if ((point >= 'A' && point <= 'Z') || (point >= 'a' && point <= 'z')) return {ScanClass::letter, false, false, 0};
    if (point >= 0xFF10 && point <= 0xFF19)
        return {ScanClass::digit, true, false, static_cast<uint8_t>(point - 0xFF10)};
    if (point == 0xFF38 || point == 0xFF58) return {ScanClass::checkLetter, true, point == 0xFF58, 10};
    if ((point >= 0xFF21 && point <= 0xFF3A) || (point >= 0xFF41 && point <= 0xFF5A))
        return {ScanClass::letter, true, false, 0};
    if (isGroupSeparator(point)) return {ScanClass::separator, false, false, 0};
    return {ScanClass::other, false, false, 0};
}

#endif
