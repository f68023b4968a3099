// GBK pairs and Unicode, both ways, from the generated table
// (core/gbk_table_data.cpp, Python's gbk codec): whether a two-byte pair is
// an assigned character, the code point of one, and the pair of a code
// point, and characters converted from one encoding to the other. Used to convert input in one encoding to output in the other and to
// tell text from bytes that only look like a pair. Offers gbkPairToUnicode,
// unicodeToGbkPair and gbkPairAssigned.
#ifndef CORE_GBK_TABLE_H
#define CORE_GBK_TABLE_H

#include <cstddef>
#include <cstdint>

#include "core/text_encoding.h"

constexpr int gbkTrailCount = 190;  // 40-7E and 80-FE
constexpr int gbkPairCount = 126 * gbkTrailCount;
constexpr int gbkAssignedCount = 21791;

extern const uint16_t gbkToUnicode[gbkPairCount];
extern const uint16_t unicodeOfGbk[gbkAssignedCount];
extern const uint16_t gbkOfUnicode[gbkAssignedCount];

// The code point of the pair, or 0 when the bytes are no assigned pair.
inline uint32_t gbkPairToUnicode(unsigned char lead, unsigned char trail) {
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail == 0x7F || trail > 0xFE) return 0;
    const int position = trail < 0x7F ? trail - 0x40 : trail - 0x41;
    return gbkToUnicode[(lead - 0x81) * gbkTrailCount + position];
}

inline bool gbkPairAssigned(unsigned char lead, unsigned char trail) { return gbkPairToUnicode(lead, trail) != 0; }

// The pair of a code point (lead << 8 | trail), or 0 when GBK has none.
// ASCII is not asked here: it is one byte in both encodings.
uint16_t unicodeToGbkPair(uint32_t codePoint);

// --- Converting between the two encodings, character by character ---------

constexpr uint32_t noCharacter = 0xFFFFFFFF;

// The code point of the character at bytes[0] in `encoding` and its length in
// `length`; noCharacter when no character starts there: a stray byte, an
// incomplete or malformed sequence (length 1), an unassigned GBK pair (its
// two bytes).
uint32_t decodeCharacter(const unsigned char* bytes, std::size_t available, Encoding encoding, std::size_t& length);

// Writes the code point in `encoding` into `out` (room for 4 bytes); returns
// its length, or 0 when the encoding has no such character.
std::size_t encodeCharacter(uint32_t codePoint, Encoding encoding, char* out);

#endif
